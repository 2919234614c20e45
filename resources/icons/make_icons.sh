#!/usr/bin/env bash
# Renders the icon's PNG sizes from tervala.svg (package librsvg2-bin). The
# PNGs are kept in the repository, so building needs no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")"
for size in 48 256; do
  rsvg-convert -w "$size" -h "$size" tervala.svg -o "tervala-$size.png"
done
