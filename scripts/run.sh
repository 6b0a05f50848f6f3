#!/usr/bin/env bash
# Sets everything up, builds, and starts Ondivel.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh -DONDIVEL_BUILD_BENCH=OFF
exec build/ondivel
