#!/usr/bin/env bash
# Configures and builds into BUILD_DIR (default build/). Extra arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${BUILD_DIR:-build}"
# Paths relative to the checkout, so that another checkout of the project hits the same cache.
export CCACHE_BASEDIR="$PWD"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
