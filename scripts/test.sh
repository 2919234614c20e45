#!/usr/bin/env bash
# Sets up the machine, builds, and runs every test (core, batch command, headless window,
# install checks, the decimal-comma comparison and a short run of every fuzz target).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
build=${TERVALA_BUILD:-build}
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
