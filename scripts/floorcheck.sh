#!/usr/bin/env bash
# Fails on an include that looks up a floor: the toolkit (src/core), then pure computation
# (src/physics) and file formats (src/files), then the window models (src/bench), then the Qt shell
# (src/ui) and the program (src/app). Physics and files stand side by side on one floor and never
# include each other; a Qt include is allowed only in the shell and the program.
set -euo pipefail
cd "$(dirname "$0")/.."
floor_of() {
    case "$1" in
        core) echo 1 ;; physics | files) echo 2 ;; bench) echo 3 ;; ui) echo 4 ;; app) echo 5 ;;
        *) echo 0 ;;
    esac
}
bad=0
while IFS= read -r file; do
    rel=${file#src/}
    own=${rel%%/*}
    own_floor=$(floor_of "$own")
    [ "$own_floor" = 0 ] && continue
    while IFS= read -r line; do
        included=$(sed -E 's/^#include "([^/"]+)\/.*$/\1/' <<<"$line")
        floor=$(floor_of "$included")
        if [ "$floor" -gt "$own_floor" ] || { [ "$floor" = 2 ] && [ "$own_floor" = 2 ] && [ "$included" != "$own" ]; }; then
            echo "$file: $line looks up from src/$own/" >&2
            bad=$((bad + 1))
        fi
    done < <(grep -E '^#include "[^/"]+/' "$file" || true)
    if [ "$own_floor" -lt 4 ] && grep -qE '^#include <Q' "$file"; then
        echo "$file: a Qt include below src/ui/" >&2
        bad=$((bad + 1))
    fi
done < <(git ls-files 'src/*.cpp' 'src/*.h')
if [ "$bad" -gt 0 ]; then
    echo "floors: $bad include(s) look up a floor" >&2
    exit 1
fi
echo "floors: every include looks down"
