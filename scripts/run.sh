#!/usr/bin/env bash
# Sets up the machine, builds, and starts Tervala: the window when there is a
# display, otherwise a batch run of the bundled example "Vidora".
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
build=${TERVALA_BUILD:-build}
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/tervala"
fi
echo "No display: running the example Data/Vidora.inp through the batch command."
work=$(mktemp -d)
cp Data/Vidora.inp "$work/"
report=$("$build/tervala-batch" run "$work/Vidora.inp")
cat "$report"
echo
echo "Report written to $report"
