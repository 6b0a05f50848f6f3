#!/usr/bin/env bash
# Sets everything up, builds with warnings as errors, and runs the whole test suite, then (not with
# --sanitize) fuzzes the file readers for a minute each.
#   scripts/test.sh              normal build in build/
#   scripts/test.sh --sanitize   address and undefined-behaviour sanitizers in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

sanitize=OFF
build_dir=build
for arg in "$@"; do
    case "$arg" in
        --sanitize) sanitize=ON; build_dir=build-sanitize ;;
        *) echo "unknown option $arg" >&2; exit 2 ;;
    esac
done

[ "$sanitize" = OFF ] && scripts/stylecheck.sh && scripts/floorcheck.sh
# Timings mean nothing under the sanitizers: that build leaves the benchmarks out.
bench=ON
[ "$sanitize" = ON ] && bench=OFF
BUILD_DIR="$build_dir" scripts/build.sh -DONDIVEL_WERROR=ON -DONDIVEL_SANITIZE="$sanitize" -DONDIVEL_BUILD_BENCH="$bench"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
# A minute of fuzzing per reader; the sanitizer build has no fuzz targets of its own.
if [ "$sanitize" = OFF ]; then scripts/fuzz.sh; fi
