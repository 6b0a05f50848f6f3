#!/usr/bin/env bash
# Fails on an include that looks up a floor: the toolkit (src/core), then pure computation
# (src/physics) and file formats (src/files), then the window models (src/bench), then the Qt shell
# (src/ui) and the program (src/app). Physics stays below the files it never reads; a Qt include
# is allowed only in the shell and the program. The fake platform of src/core/testing/ appends
# through the program's own durable write of src/files/.
set -euo pipefail
cd "$(dirname "$0")/.."
floor_of() {
    case "$1" in
        core) echo 1 ;; physics) echo 2 ;; files) echo 3 ;; bench) echo 4 ;; ui) echo 5 ;; app) echo 6 ;;
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
        allowed=$own_floor
        [[ "$rel" == core/testing/* ]] && allowed=3
        if [ "$floor" -gt "$allowed" ]; then
            echo "$file: $line looks up from src/$own/" >&2
            bad=$((bad + 1))
        fi
    done < <(grep -E '^#include "[^/"]+/' "$file" || true)
    if [ "$own_floor" -lt 5 ] && grep -qE '^#include <Q' "$file"; then
        echo "$file: a Qt include below src/ui/" >&2
        bad=$((bad + 1))
    fi
done < <(git ls-files 'src/*.cpp' 'src/*.h')
if [ "$bad" -gt 0 ]; then
    echo "floors: $bad include(s) look up a floor" >&2
    exit 1
fi
echo "floors: every include looks down"
