#!/usr/bin/env bash
# Measures the calculator's start-up: time from launching the program to its main window being
# mapped on the display, and the program's resident memory then (targets: under 0.5 s and under
# 80 MB). Without a display it runs itself under xvfb-run.
# Usage: scripts/measure-startup.sh [path/to/quarrant] [runs]
set -eu
program="${1:-build/bin/quarrant}"
runs="${2:-5}"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$program" "$runs"
fi
for tool in xwininfo date; do
  command -v "$tool" >/dev/null || { echo "measure-startup: $tool is missing"; exit 1; }
done
for run in $(seq "$runs"); do
  start=$(date +%s%N)
  "$program" >/dev/null 2>&1 &
  pid=$!
  shown=""
  for _ in $(seq 2000); do
    if xwininfo -root -tree 2>/dev/null | grep -q '"Quarrant V'; then
      shown=$(date +%s%N)
      break
    fi
    sleep 0.005
  done
  rss=$(awk '/^VmRSS:/ {printf "%.1f", $2 / 1024}' "/proc/$pid/status" 2>/dev/null || echo "?")
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  if [ -z "$shown" ]; then
    echo "run $run: the window did not appear within 10 s"
    exit 1
  fi
  awk -v run="$run" -v ms="$(( (shown - start) / 1000000 ))" -v rss="$rss" \
    'BEGIN { printf "run %d: window shown after %.3f s, resident memory %s MB\n", run, ms / 1000, rss }'
done
