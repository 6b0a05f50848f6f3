#!/usr/bin/env bash
# Sets everything up, builds, and starts Ondivel. Until the desktop windows exist this plays the
# demonstration lesson through the scenario harness and writes the screen as SVG in out/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh -DONDIVEL_BUILD_BENCH=OFF
mkdir -p out
build/ondivel-script --svg-dir out tests/scenarios/demo_sine_on_ch1.scn
echo "Screen pictures written in $(pwd)/out"
