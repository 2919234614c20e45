#!/usr/bin/env bash
# The window as a user meets it, under Xvfb with a window manager, driven by
# xdotool with the real clipboard (xclip):
#  1. 400 days of the example Vidora (its year and the first 35 days again)
#     pasted into the grid and Saved/Run give the batch command's report and
#     fit file, byte for byte;
#  2. the finish window closed 0.5 s into a run of 1500 scattered days ends the program
#     within a second, with no report written.
# Needs xvfb, openbox, xdotool, xclip. Prints what it measured.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0
build=$(realpath "${TERVALA_BUILD:-build}")
for tool in Xvfb openbox xdotool xclip; do
  command -v "$tool" >/dev/null || { echo "missing: $tool (apt-get install xvfb openbox xdotool xclip)"; exit 1; }
done
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
export DISPLAY=:${TERVALA_DISPLAY:-92} XDG_CONFIG_HOME="$work/config"
Xvfb "$DISPLAY" -screen 0 1280x1024x24 >/dev/null 2>&1 &
sleep 1
openbox >/dev/null 2>&1 &
sleep 1

# `rows` days of Vidora's rain and discharge, as spreadsheet text (tab, CR LF).
series() {
  awk -v rows="$1" '{ sub(/\r$/, "") } /^ +[0-9]+ +[0-9.]+ / { n++; r[n] = $3; q[n] = $5 }
    END { for (d = 1; d <= rows; d++) { i = (d - 1) % n + 1; printf "%d\t%.2f\t0.2\t%.2f\r\n", d, r[i], q[i] } }' \
    Data/Vidora.inp
}

# `rows` days of rain and a discharge scattered far around what the model
# makes of it: the search gives up few grid points early and runs for seconds.
scattered() {
  awk -v rows="$1" 'BEGIN { srand(3); q = 1
    for (d = 1; d <= rows; d++) {
      wet = rand(); size = rand(); scale = rand(); scatter = rand()
      rain = wet < 0.6 ? 0 : 25 * size * scale
      e = exp(-(0.03 * q + 0.015)); q = q * e + (1 - e) * (rain > 0.2 ? rain - 0.2 : 0)
      printf "%d\t%.2f\t0.2\t%.2f\r\n", d, rain, q * (1 + 1.5 * (scatter - 0.5)) } }'
}

# Starts the window, pastes `rows` days (made by the function named third)
# into the first cell, presses Ctrl+R and names the input file; leaves the program running (its id in $program).
start_run() {
  $3 "$1" | xclip -selection clipboard -i
  "$build/tervala" >/dev/null 2>&1 &
  program=$!
  window=$(xdotool search --sync --onlyvisible --name "calcuations" | head -1)
  xdotool windowactivate --sync "$window"
  sleep 1
  xdotool key ctrl+Tab ctrl+Tab  # Intro, Figure, Input
  sleep 0.5
  xdotool mousemove --window "$window" 183 270 click 1  # the first cell
  sleep 0.3
  xdotool key ctrl+v
  sleep 1
  xdotool key ctrl+r
  dialog=$(xdotool search --sync --name "Save input file" | head -1)
  xdotool windowactivate --sync "$dialog"
  sleep 0.5
  xdotool type "$2"
  xdotool key Return
}

start_run 400 "$work/window400.inp" series
while [ ! -f "$work/window400.out" ]; do sleep 0.2; done
sleep 2  # the report is loaded, the closing message shown
xdotool key Return
# The batch command on the same input file (reports name it), the window's
# files put aside.
mkdir "$work/window"
mv "$work/window400.out" "$work/window400.dat" "$work/window"
"$build/tervala-batch" run "$work/window400.inp" >/dev/null
for kind in out dat; do
  if cmp -s "$work/window/window400.$kind" "$work/window400.$kind"; then
    echo "400 days: the window's .$kind equals the batch command's"
  else
    echo "400 days: the window's .$kind DIFFERS from the batch command's"
    status=1
  fi
done
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true

start_run 1500 "$work/window1500.inp" scattered
sleep 0.5
xdotool key alt+F4  # the main window refuses and shows the finish window
finish=$(xdotool search --sync --onlyvisible --name "Ombrel finish" | head -1)
xdotool windowactivate --sync "$finish"
start=$(date +%s%N)
xdotool key alt+F4
while kill -0 "$program" 2>/dev/null; do sleep 0.01; done
end=$(date +%s%N)
echo "1500 days: the program ended $(( (end - start) / 1000000 )) ms after the finish window was closed"
written=$(cd "$work" && echo window1500.*)
echo "1500 days: files written: $written"
[ "$written" = "window1500.inp" ] || status=1
exit $status
