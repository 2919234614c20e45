#!/usr/bin/env bash
# Screenshots of the real window under Xvfb with a window manager, at one and
# at two device pixels to a pixel, the window enlarged, each tab in turn, to
# look for cut or overlapping text. Writes PNG files into the folder given
# (default: screenshots/). Needs xvfb, openbox, xdotool and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-screenshots}
build=${TERVALA_BUILD:-build}
for tool in Xvfb openbox xdotool import; do
  command -v "$tool" >/dev/null || { echo "missing: $tool (apt-get install xvfb openbox xdotool imagemagick)"; exit 1; }
done
mkdir -p "$out"
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
export DISPLAY=:${TERVALA_DISPLAY:-91}
Xvfb "$DISPLAY" -screen 0 2600x1800x24 >/dev/null 2>&1 &
sleep 1
openbox >/dev/null 2>&1 &
sleep 1
for scale in 1 2; do
  mkdir -p "$work/config$scale"
  XDG_CONFIG_HOME="$work/config$scale" QT_SCALE_FACTOR=$scale "$build/tervala" Data/Vidora.inp >/dev/null 2>&1 &
  program=$!
  sleep 3
  window=$(xdotool search --sync --name "calcuations" | head -1)
  xdotool windowsize "$window" $((900 * scale)) $((760 * scale))
  xdotool windowactivate --sync "$window"
  sleep 1
  # Ctrl+Tab steps through the tabs: Input (opened with Vidora), Output,
  # Graphics, Intro, Figure.
  for tab in input output graphics intro figure; do
    import -window "$window" "$out/${tab}-${scale}x.png"
    xdotool key --window "$window" ctrl+Tab
    sleep 0.7
  done
  kill "$program"
  wait "$program" 2>/dev/null || true
done
ls "$out"
