#!/usr/bin/env bash
# Starts the calculator, or explains in one sentence why it cannot open a window here.
set -eu
program="$1"
shift || true
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "There is no display to open the calculator window on; run it under a virtual one with: xvfb-run -a $program"
  exit 0
fi
exec "$program" "$@"
