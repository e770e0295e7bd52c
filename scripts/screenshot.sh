#!/usr/bin/env bash
# Starts Orvek under a virtual X server with a Russian locale and saves screenshots: the screen
# after the splash, and the drawing tab after two Calculates in a row. The clicks assume the
# 1024x768 screen and the centred main window.
set -euo pipefail
# shellcheck source=scripts/screen-session.sh
source "$(dirname "$0")/screen-session.sh"  # binary and out from the arguments
on_screen ru_RU.UTF-8 "
  sleep 0.5; import -window root '$out/splash.png'
  sleep 2;   import -window root '$out/main.png'
  sleep 3
  main=\$(xdotool search --name '^Кинематический' | head -1)
  xdotool windowactivate --sync \$main 2>/dev/null || true
  xdotool mousemove 497 566 click 1; sleep 3           # Рассчитать
  xdotool mousemove 497 566 click 1; sleep 3           # and again
  xdotool mousemove 552 131 click 1; sleep 1           # Планы скоростей и положения механизма
  import -window \$main '$out/drawing.png'"
echo "Screenshots in $out"

# The Ukrainian interface after "Розрахувати" with the defaults (the button stands where
# "Рассчитать" does: 1024x768 screen, the centred main window).
on_screen uk_UA.UTF-8 "
  sleep 6
  main=\$(xdotool search --name '^Кінематичний' | head -1)
  xdotool windowactivate --sync \$main 2>/dev/null || true
  xdotool mousemove 497 566 click 1; sleep 3
  import -window \$main '$out/main-uk.png'"
echo "Ukrainian screenshot in $out/main-uk.png"
