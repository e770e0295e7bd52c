#!/usr/bin/env bash
# Starts the program on the current display, or under a virtual X server when there is none.
set -euo pipefail
binary=${1:?usage: run.sh path/to/orvek}
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$binary"
fi
echo "No display: starting Orvek under Xvfb (use 'make screenshot' to look at it)."
exec xvfb-run -a -s "-screen 0 1024x768x24" "$binary"
