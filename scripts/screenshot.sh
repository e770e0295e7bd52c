#!/usr/bin/env bash
# Starts Orvek under a virtual X server and saves a screenshot of the screen after the splash.
set -euo pipefail
binary=${1:?usage: screenshot.sh path/to/orvek out-dir}
out=${2:?usage: screenshot.sh path/to/orvek out-dir}
mkdir -p "$out"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c "
  '$binary' & pid=\$!
  sleep 0.5; import -window root '$out/splash.png'
  sleep 2;   import -window root '$out/main.png'
  kill \$pid"
echo "Screenshots in $out"
