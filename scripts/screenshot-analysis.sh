#!/usr/bin/env bash
# Screenshots of the tab "Структура" and the windows "Ход решения" and "Проверка ответов" under
# a Russian locale after "Рассчитать" with the defaults, the answers window with a hand solution
# of position 2 typed in. The clicks assume the 1024x768 screen and the centred main window.
# usage: screenshot-analysis.sh path/to/orvek out-dir
set -euo pipefail
# shellcheck source=scripts/screen-session.sh
source "$(dirname "$0")/screen-session.sh"  # binary and out from the arguments
on_screen ru_RU.UTF-8 "
  sleep 6
  main=\$(xdotool search --name '^Кинематический' | head -1)
  xdotool windowactivate --sync \$main 2>/dev/null || true
  xdotool mousemove 497 566 click 1; sleep 3           # Рассчитать
  # The tab bar scrolled to its end shows Структура, the last tab, at its right.
  for i in 1 2 3 4 5 6; do xdotool mousemove 855 131 click 1; sleep 0.3; done
  xdotool mousemove 790 131 click 1; sleep 0.5         # Структура
  import -window \$main '$out/structure.png'
  xdotool mousemove 234 108 click 1; sleep 0.5
  xdotool key Down Return; sleep 1.5                   # Решение → Ход решения…
  solution=\$(xdotool search --name '^Ход решения' | head -1)
  import -window \$solution '$out/solution.png'
  xdotool windowunmap \$solution; sleep 0.3           # it covers the menu bar
  xdotool windowactivate --sync \$main 2>/dev/null || true
  xdotool mousemove 234 108 click 1; sleep 0.5
  xdotool key Down Down Return; sleep 1.5              # Решение → Проверка ответов…
  answers=\$(xdotool search --name '^Проверка ответов' | head -1)
  i=0
  while read k name value; do
    xdotool mousemove 194 \$((231 + 30 * i)) click 1; sleep 0.1
    xdotool type --delay 30 -- \"\$k\"; xdotool key Tab
    xdotool type --delay 30 -- \"\$name\"; xdotool key Tab
    xdotool type --delay 30 -- \"\$value\"; xdotool key Return
    i=\$((i + 1))
  done <<'ROWS'
2 vA 0,1
2 vB 0,056
2 vD 0,0712
2 vE 0,0405
2 ω2 -0,124
2 ω3 0,0620
2 ω4 0,178
2 aA 0,1
2 aB 0,0990
2 ε2 -0,110
ROWS
  xdotool mousemove 840 145 click 1; sleep 1           # Проверить
  import -window \$answers '$out/answers.png'"
echo "Screenshots in $out"
