#!/usr/bin/env bash
# Screenshots of the real window under Xvfb with a window manager, at one and
# at two device pixels to a pixel, the window enlarged, each tab in turn, to
# look for cut or overlapping text, and the report of Vidora with its first
# graph drawn. Writes PNG files into the folder given (default: screenshots/).
# Needs xvfb, openbox, xdotool and imagemagick.
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
cp Data/Vidora.inp "$work/"
"$build/tervala-batch" run "$work/Vidora.inp" >/dev/null

# Starts the window on `file` at `scale`, 900 x 760 pixels large; sets $window.
start() {
  mkdir -p "$work/config$2"
  XDG_CONFIG_HOME="$work/config$2" QT_SCALE_FACTOR=$2 "$build/tervala" "$1" >/dev/null 2>&1 &
  program=$!
  window=$(xdotool search --sync --onlyvisible --name "calcuations" | head -1)
  xdotool windowsize "$window" $((900 * $2)) $((760 * $2))
  xdotool windowactivate --sync "$window"
  sleep 1.5
}
stop() {
  kill "$program"
  wait "$program" 2>/dev/null || true
}
click() {  # at x, y of the window at one pixel to a pixel
  xdotool mousemove --window "$window" $(($1 * scale)) $(($2 * scale)) click 1
  sleep 1
}

for scale in 1 2; do
  start Data/Vidora.inp "$scale"
  # Ctrl+Tab steps through the tabs: Input (opened with Vidora), Output,
  # Graphics, Intro, Figure.
  for tab in input output graphics intro figure; do
    import -window "$window" "$out/${tab}-${scale}x.png"
    xdotool key --window "$window" ctrl+Tab
    sleep 0.7
  done
  stop
  # The report: "View graph", then "Go" for its first graph.
  start "$work/Vidora.out" "$scale"
  import -window "$window" "$out/report-${scale}x.png"
  click 135 716
  import -window "$window" "$out/choices-${scale}x.png"
  click 450 461
  import -window "$window" "$out/graph-${scale}x.png"
  stop
done
ls "$out"
