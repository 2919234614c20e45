#!/usr/bin/env bash
# Configures and builds Tervala into build/ (or $TERVALA_BUILD).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${TERVALA_BUILD:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$(nproc)"
