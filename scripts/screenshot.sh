#!/usr/bin/env bash
# Starts Orvek under a virtual X server with a Russian locale and saves screenshots: the screen
# after the splash, and the drawing tab after two Calculates in a row. The clicks assume the
# 1024x768 screen and the centred main window.
set -euo pipefail
binary=$(readlink -f "${1:?usage: screenshot.sh path/to/orvek out-dir}")
out=$(readlink -f "${2:?usage: screenshot.sh path/to/orvek out-dir}")
mkdir -p "$out"
work=$(mktemp -d)
cd "$work"
export LANG=ru_RU.UTF-8
xvfb-run -a -s "-screen 0 1024x768x24" bash -c "
  '$binary' > orvek.log 2>&1 & pid=\$!
  sleep 0.5; import -window root '$out/splash.png'
  sleep 2;   import -window root '$out/main.png'
  sleep 3
  main=\$(xdotool search --name '^Кинематический' | head -1)
  xdotool windowactivate --sync \$main 2>/dev/null || true
  xdotool mousemove 497 566 click 1; sleep 3           # Рассчитать
  xdotool mousemove 497 566 click 1; sleep 3           # and again
  xdotool mousemove 552 131 click 1; sleep 1           # Планы скоростей и положения механизма
  import -window \$main '$out/drawing.png'
  kill \$pid"
rm -rf "$work"
echo "Screenshots in $out"

# The Ukrainian interface after "Розрахувати" with the defaults (the button stands where
# "Рассчитать" does: 1024x768 screen, the centred main window).
work=$(mktemp -d)
out_abs=$(readlink -f "$out")
binary_abs=$(readlink -f "$binary")
(cd "$work" && LANG=uk_UA.UTF-8 xvfb-run -a -s "-screen 0 1024x768x24" bash -c "
  '$binary_abs' & pid=\$!
  sleep 6
  main=\$(xdotool search --name '^Кінематичний' | head -1)
  xdotool windowactivate --sync \$main 2>/dev/null || true
  xdotool mousemove 497 566 click 1; sleep 3
  import -window \$main '$out_abs/main-uk.png'
  kill \$pid")
rm -rf "$work"
echo "Ukrainian screenshot in $out/main-uk.png"
