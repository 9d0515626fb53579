#!/usr/bin/env bash
# Makes the README's screenshots of the real window: the calculator under a virtual display
# (Xvfb) with a window manager (openbox), driven with xdotool, captured with scrot.
#   scripts/screenshots.sh [PROGRAM] [OUTPUT_FOLDER]
# Defaults: build/bin/quarrant and docs/screenshots.
set -euo pipefail

program=$(realpath "${1:-build/bin/quarrant}")
out=${2:-docs/screenshots}
mkdir -p "$out"
out=$(realpath "$out")
for tool in Xvfb openbox xdotool scrot xdpyinfo; do
  command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing" >&2; exit 1; }
done

display=:$((90 + RANDOM % 100))
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 800x600x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1

# A fixed locale and a throw-away temporary folder: the same texts on every machine.
LANG=C.UTF-8 LC_ALL=C.UTF-8 TMPDIR=$work "$program" >"$work/program.log" 2>&1 &
pids+=($!)
main=$(xdotool search --sync --onlyvisible --name '^Quarrant V')
sleep 1

# Click a point given in the window's own coordinates.
click() { xdotool mousemove --window "$1" "$2" "$3" click "${4:-1}"; sleep 0.3; }
type_into() { click "$1" "$2" "$3"; xdotool type --delay 20 "$4"; }

# A 30-year loan of 100000 at 6 %: periods as an expression, then "Payment(PMT):".
type_into "$main" 249 65 '30*12'
type_into "$main" 249 93 '6'
type_into "$main" 249 120 '100000'
click "$main" 90 150
xdotool mousemove 0 0
sleep 0.5
xdotool windowactivate --sync "$main"
scrot -u -b -o "$out/main-window.png"

# "&Amortization" opens the schedule; the third period is selected.
click "$main" 267 283
schedule=$(xdotool search --sync --onlyvisible --name '^Amortization Schedule$')
sleep 1
click "$schedule" 60 190
xdotool mousemove 0 0
sleep 0.5
scrot -u -b -o "$out/amortization.png"
echo "screenshots: $out/main-window.png $out/amortization.png"
