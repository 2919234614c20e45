#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Tervala needs.
# Does nothing when they are all present.
set -euo pipefail
packages=(
  g++ cmake ninja-build make pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libgl-dev
  libqt6gui6 libjpeg62-turbo   # Qt's JPEG image plugin (libqjpeg) and the libjpeg it decodes with
  libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
  libcsv-dev                   # reading the CSV files series are imported from
  libboost-dev                 # Boost.Math: the F quantile of the fit diagnostics' confidence region
  nlohmann-json3-dev           # the fit diagnostics as JSON
  qt6-svg-dev                  # the fit diagnostics' picture as SVG
  fonts-liberation fontconfig
  xvfb xauth imagemagick
  # the Debian package and the checks of the installed program
  dpkg-dev lintian desktop-file-utils appstream shared-mime-info libglib2.0-bin man-db
  util-linux   # taskset: the tests run once more on one processor
  locales                      # localedef and the German locale source of the decimal-comma test
  clang-14 libclang-rt-14-dev  # the fuzz targets: clang with libFuzzer and the sanitizer runtimes
  llvm-14                      # llvm-symbolizer, for readable sanitizer reports
  clang-format-14              # the look of the sources, checked by the tests
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
