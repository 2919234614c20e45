#!/usr/bin/env bash
# Sets up the machine, builds, and makes the Debian package of Tervala with
# CPack: build/package/tervala_<version>-1_<arch>.deb. Install it with
#   sudo apt install ./build/package/tervala_*.deb
# and remove it with "sudo apt remove tervala".
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
build=${TERVALA_BUILD:-build}
rm -f "$build"/package/tervala_*.deb
(cd "$build" && cpack --config CPackConfig.cmake >/dev/null)
ls "$build"/package/tervala_*.deb
