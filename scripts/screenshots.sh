#!/usr/bin/env bash
# Makes the README's screenshots of the real window: the calculator under a virtual display
# (Xvfb) with a window manager (openbox), driven with xdotool, captured with scrot.
#   scripts/screenshots.sh [PROGRAM] [OUTPUT_FOLDER]
# Defaults: build/bin/quarrant and docs/screenshots. Made: in English main-window.png and
# amortization.png; the main window's five pages in German and in Russian
# (main-<lang>-<page>.png); the amortization window in French (amortization-fr.png); the main
# window at 200 % (main-window-200.png). The language is chosen as a user chooses it
# (LANGUAGE, with the language's locale for its numbers when the system has it).
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

Xvfb "$display" -screen 0 1920x1440x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1

scale=1
program_pid=
main=
# Starts the program in a language ("" for the fixed English locale) at a scale factor and
# waits for its main window.
start() {
  local language=$1 locale=C.UTF-8
  scale=${2:-1}
  if [ -n "$language" ]; then
    local wanted
    wanted="$(echo "${language%%_*}" | tr 'A-Z' 'a-z')_$(echo "${language#*_}" | tr 'a-z' 'A-Z')"
    [ "$language" = "${language%%_*}" ] && wanted="${language}_$(echo "$language" | tr 'a-z' 'A-Z')"
    locale -a 2>/dev/null | grep -qix "$wanted.utf-\?8" && locale=$wanted.UTF-8
  fi
  # A throw-away temporary folder: the same texts on every machine.
  LANGUAGE=$language LANG=$locale LC_ALL=$locale QT_SCALE_FACTOR=$scale TMPDIR=$work \
    "$program" >>"$work/program.log" 2>&1 &
  program_pid=$!
  pids+=("$program_pid")
  main=$(xdotool search --sync --onlyvisible --pid "$program_pid" | head -1)
  sleep 1
}
stop() {
  kill "$program_pid" 2>/dev/null || true
  wait "$program_pid" 2>/dev/null || true
}

# Click a point given in the window's own coordinates at 100 %.
click() {
  xdotool mousemove --window "$1" $(($2 * scale)) $(($3 * scale)) click "${4:-1}"
  sleep 0.3
}
type_into() { click "$1" "$2" "$3"; xdotool type --delay 20 "$4"; }
shoot() {
  xdotool mousemove 0 0
  sleep 0.5
  xdotool windowactivate --sync "$1"
  scrot -u -b -o "$out/$2"
  shots+=("$2")
}
shots=()

# A 30-year loan of 100000 at 6 %: periods as an expression, then "Payment(PMT):".
loan() {
  type_into "$main" 249 65 '30*12'
  type_into "$main" 249 93 '6'
  type_into "$main" 249 120 '100000'
  click "$main" 90 150
}
# "&Amortization" opens the schedule (a second window of the program); the third period is
# selected.
schedule() {
  click "$main" 267 283
  local window=
  for _ in $(seq 50); do
    window=$(xdotool search --onlyvisible --pid "$program_pid" | grep -vx "$main" | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.2
  done
  sleep 1
  click "$window" 60 190
  shoot "$window" "$1"
}

start ""
loan
shoot "$main" main-window.png
schedule amortization.png
stop

# Each page in turn (Ctrl+Tab moves to the next page).
for language in de ru; do
  start "$language"
  loan
  for page in tvm rates depreciation cashflow dates; do
    shoot "$main" "main-$language-$page.png"
    xdotool key --window "$main" ctrl+Tab
    sleep 0.5
  done
  stop
done

start fr
loan
schedule amortization-fr.png
stop

start "" 2
loan
shoot "$main" main-window-200.png
stop

echo "screenshots in $out: ${shots[*]}"
