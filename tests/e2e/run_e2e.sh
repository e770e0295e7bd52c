#!/usr/bin/env bash
# End-to-end run of the real program under a real X server (Xvfb), driven with real X input
# (xdotool, XTEST): splash, input fields with a point and a comma, a rejected value and its
# message box, Calculate, every tab, the scroll bar, the animation, save, load, the About box and
# the Exit question; then a second start under ru_RU.UTF-8 with `ulimit -f 0` and a FIFO named
# startpar.tmm, whose charts and table must match the first run's pixel for pixel and whose save
# must fail with its message instead of killing the program. Screenshots land in the artifact
# directory for a person to look at.
#
# usage: run_e2e.sh <path to orvek> <artifact dir>
# Exit status: 0 passed, 1 failed, 77 skipped (only when Xvfb cannot start).
set -uo pipefail

program=${1:?usage: run_e2e.sh path-to-orvek artifact-dir}
artifacts=${2:?usage: run_e2e.sh path-to-orvek artifact-dir}
readonly SKIP=77
readonly SCREEN_W=1024 SCREEN_H=768
readonly MAIN_TITLE='^Кинематический рассчет шарнирно-рычажного механизма'
readonly BOX_TITLE='^Orvek$'
readonly QUESTION_TITLE='^Information'
readonly ABOUT_TITLE='^О программе'
readonly DEADLINE_SECONDS=240

log() { echo "[e2e] $*"; }
failures=0
check() {  # check <description> <command...>: records a failure but goes on
  local what=$1; shift
  if "$@"; then log "ok: $what"; else log "FAILED: $what"; failures=$((failures + 1)); fi
}
die() { log "FAILED: $*"; exit 1; }

for tool in xdotool import compare od awk timeout; do
  command -v "$tool" >/dev/null || die "'$tool' is missing (scripts/setup.sh installs it)"
done
if ! command -v Xvfb >/dev/null; then
  log "SKIP: Xvfb is not installed, no X server to run the program on"
  exit $SKIP
fi
[ -x "$program" ] || die "no program at $program"
# The first run in the plain C locale, the second in the users' own: numbers must not differ.
readonly USER_LOCALE=ru_RU.UTF-8
locale -a 2>/dev/null | grep -qix 'ru_RU.utf8' || die "the locale $USER_LOCALE is missing (scripts/setup.sh generates it)"
export LC_ALL=C.UTF-8
unset LANG LANGUAGE LC_NUMERIC
program=$(readlink -f "$program")
mkdir -p "$artifacts" || die "cannot create $artifacts"
artifacts=$(readlink -f "$artifacts")
rm -f "$artifacts"/*.png "$artifacts"/*.log

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
watchdog_pid=""
# stop_process <pid>: TERM, up to 5 s to end, then KILL; always reaped.
stop_process() {
  local pid=$1 tries=50
  [ -n "$pid" ] || return 0
  kill "$pid" 2>/dev/null
  while kill -0 "$pid" 2>/dev/null && [ $tries -gt 0 ]; do sleep 0.1; tries=$((tries - 1)); done
  kill -9 "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  return 0
}
cleanup() {
  if [ -n "$watchdog_pid" ]; then
    # The watchdog first, its sleep after: a watchdog that saw its sleep end first would still
    # send the TERM that fails the run.
    local sleeper; sleeper=$(pgrep -P "$watchdog_pid")
    kill "$watchdog_pid" 2>/dev/null
    [ -n "$sleeper" ] && kill $sleeper 2>/dev/null
    watchdog_pid=""
  fi
  stop_process "$app_pid"
  # An X server must be gone for good: one still shutting down removes the socket of the next
  # server that took its display number.
  stop_process "$xvfb_pid"
  [ -f "$work/orvek.log" ] && cp "$work/orvek.log" "$artifacts/orvek.log"
  [ -f "$work/orvek-ru.log" ] && cp "$work/orvek-ru.log" "$artifacts/orvek-ru.log"
  rm -rf "$work"
}
trap cleanup EXIT
trap 'log "FAILED: interrupted or still running after ${DEADLINE_SECONDS}s"; exit 1' INT TERM
# The watchdog keeps no output open, so nothing waits for it once the script has ended.
( sleep $DEADLINE_SECONDS; kill -TERM $$ ) >/dev/null 2>&1 &
watchdog_pid=$!

# ---- helpers: every wait is bounded ----

# wait_until <seconds> <command...>: polls every 0.1 s.
wait_until() {
  local limit=$1; shift
  local tries=$((limit * 10))
  while [ $tries -gt 0 ]; do
    "$@" && return 0
    sleep 0.1
    tries=$((tries - 1))
  done
  return 1
}
xdo() { timeout 10 xdotool "$@"; }
visible_window() { xdo search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
window_shown() { [ -n "$(visible_window "$1")" ]; }
window_gone() { [ -z "$(visible_window "$1")" ]; }
app_alive() { kill -0 "$app_pid" 2>/dev/null; }
app_ended() { ! app_alive; }

# geometry <window>: sets gx gy gw gh
geometry() {
  eval "$(xdo getwindowgeometry --shell "$1" | sed -n 's/^X=/gx=/p; s/^Y=/gy=/p; s/^WIDTH=/gw=/p; s/^HEIGHT=/gh=/p')"
}
centred() {  # centred <window>: no window manager places it, so the program must
  geometry "$1"
  local ex=$(((SCREEN_W - gw) / 2)) ey=$(((SCREEN_H - gh) / 2))
  [ $((gx - ex)) -ge -1 ] && [ $((gx - ex)) -le 1 ] && [ $((gy - ey)) -ge -1 ] && [ $((gy - ey)) -le 1 ]
}
shot() { timeout 10 import -window "$1" "$artifacts/$2.png" 2>/dev/null || log "note: no screenshot $2"; }
# differing_pixels <a.png> <b.png> [crop WxH+X+Y]
differing_pixels() {
  local a=$artifacts/$1.png b=$artifacts/$2.png
  if [ $# -ge 3 ]; then
    timeout 20 convert "$a" -crop "$3" +repage "$work/a.png" && timeout 20 convert "$b" -crop "$3" +repage "$work/b.png"
    a=$work/a.png b=$work/b.png
  fi
  # The count of differing pixels, or -1 when the pictures could not be compared.
  timeout 20 compare -metric AE "$a" "$b" null: 2>&1 |
    awk '/^[0-9.]+(e[+-]?[0-9]+)?$/ { print int($1 + 0); ok = 1 } END { if (!ok) print -1 }'
}
differ() { local n; n=$(differing_pixels "$@"); [ "${n:--1}" -gt 0 ]; }
same() { local n; n=$(differing_pixels "$@"); [ "${n:--1}" -eq 0 ]; }

# Main-window coordinates. The window holds the menu bar above the 705 x 515 client area; the
# tab pages start 26 pixels below the menu bar and 2 to the right (tab bar and page frame).
main=""
menu_h=0
page_x=2
page_y=0
click() { xdo mousemove --window "$1" "$2" "$3" click 1; sleep 0.15; }
click_main() { click "$main" "$1" "$2"; }
click_page() { click_main $((page_x + $1)) $((page_y + $2)); }
focus_main() { xdo windowfocus --sync "$main"; }

# The six fields and two file buttons, in the group box at the top of the first tab.
declare -A FIELD_X=([Edit1]=208 [Edit2]=208 [Edit3]=208 [Edit4]=608 [Edit7]=608 [Edit10]=608)
declare -A FIELD_Y=([Edit1]=16 [Edit2]=48 [Edit3]=80 [Edit4]=16 [Edit7]=50 [Edit10]=80)
click_field() { click_page $((FIELD_X[$1] + 40)) $((FIELD_Y[$1] + 10)); }
# Tab captions on the tab bar, centre x (bold 12-pixel Liberation Sans).
TAB_X=(37 122 211 392)
TAB_NAMES=(tab1-calculation tab2-diagrams tab3-diagrams-study tab4-drawing)
click_tab() { click_main "${TAB_X[$1]}" $((menu_h + 13)); sleep 0.3; }
# Calculate and the file buttons.
click_calculate() { click_page $((280 + 56)) $((178 + 224 + 8 + 12)); }
click_load() { click_page $((136 + 76)) $((112 + 12)); }
click_save() { click_page $((384 + 80)) $((112 + 12)); }

# type_into <field> <text>: replaces the text and leaves the field with Tab, as a user does.
type_into() {
  focus_main
  click_field "$1"
  xdo key --clearmodifiers ctrl+a
  xdo type --delay 30 "$2"
  xdo key Tab
  sleep 0.2
}

no_box_appears() { ! wait_until 1 window_shown "$BOX_TITLE"; }

# answer_box <screenshot name>: the message box appears, is shot and answered with Return.
answer_box() {
  wait_until 5 window_shown "$BOX_TITLE" || return 1
  local box; box=$(visible_window "$BOX_TITLE")
  sleep 0.2
  shot "$box" "$1"
  xdo windowfocus --sync "$box" && xdo key Return
  wait_until 5 window_gone "$BOX_TITLE"
}

readonly RECORD="$work/startpar.tmm"
record_hex() { od -A n -t x1 -v -N "$2" -j "$1" "$RECORD" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'; }
record_real() { od -A n -t f8 -N 8 -j "$1" "$RECORD" | tr -d ' '; }
record_int() { od -A n -t d4 -N 4 -j 64 "$RECORD" | tr -d ' '; }
record_size_is_68() { [ -f "$RECORD" ] && [ "$(stat -c %s "$RECORD")" -eq 68 ]; }
field_is() {  # field_is <offset> <hex bytes>
  local got; got=$(record_hex "$1" 8)
  [ "$got" = "$2" ] || { log "   bytes at $1: $got, expected $2"; return 1; }
}
real_between() { awk -v v="$(record_real "$1")" -v lo="$2" -v hi="$3" 'BEGIN { exit !(v >= lo && v <= hi) }'; }
save_file() { rm -f "$RECORD"; click_save; wait_until 5 record_size_is_68; }

# Bytes of the values this run types (little-endian IEEE doubles).
readonly B_0_12='b8 1e 85 eb 51 b8 be 3f'
readonly B_0_65='cd cc cc cc cc cc e4 3f'
readonly B_0_6='33 33 33 33 33 33 e3 3f'
readonly B_0_55='9a 99 99 99 99 99 e1 3f'
readonly B_1_05='cd cc cc cc cc cc f0 3f'
readonly B_0_3='33 33 33 33 33 33 d3 3f'
readonly B_0_5='00 00 00 00 00 00 e0 3f'
readonly B_0_325='cd cc cc cc cc cc d4 3f'
readonly B_0_525='cd cc cc cc cc cc e0 3f'
readonly B_ZERO='00 00 00 00 00 00 00 00'

# ---- the X server ----
Xvfb -displayfd 5 -screen 0 ${SCREEN_W}x${SCREEN_H}x24 -nolisten tcp 5>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
display_known() { grep -q '^[0-9][0-9]*$' "$work/display" 2>/dev/null; }
xvfb_settled() { display_known || ! kill -0 "$xvfb_pid" 2>/dev/null; }
wait_until 15 xvfb_settled
if ! display_known; then
  log "SKIP: Xvfb could not start:"; tail -n 5 "$work/xvfb.log"
  exit $SKIP
fi
export DISPLAY=":$(head -n 1 "$work/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
log "Xvfb on $DISPLAY"
wait_until 5 xdo getdisplaygeometry >/dev/null || die "the X server does not answer"

# ---- start-up: the splash gives way to the main window ----
start_program() {
  (cd "$work" && exec "$program") >"$work/orvek.log" 2>&1 &
  app_pid=$!
}
# The splash is up for about a second, so the watch starts at once and polls quickly.
# Rarely, a freshly started X server refuses the program's very first connection; the program
# then ends at once without a platform. It is started again (twice at most) while watching.
splash_seen=0
splash=""
starts=1
main_or_splash() {
  local w
  for w in $(xdo search --onlyvisible --name '' 2>/dev/null); do
    gw=0 gh=0  # a window that vanished since the search leaves them unset
    geometry "$w"
    [ "$gw" -eq 249 ] && [ "$gh" -eq 295 ] && { splash_seen=1; splash=$w; }
  done
  window_shown "$MAIN_TITLE"
}
restarted_after_refusal() {
  [ $starts -lt 3 ] && grep -q 'platform plugin' "$work/orvek.log" || return 1
  log "note: the program could not connect to the X server (start $starts); starting it again"
  wait "$app_pid" 2>/dev/null
  sleep 1
  start_program
  starts=$((starts + 1))
}
start_settled() {
  main_or_splash && return 0
  app_alive && return 1
  restarted_after_refusal && return 1
  return 0
}
start_program
tries=600
until start_settled || [ $tries -eq 0 ]; do
  sleep 0.05
  tries=$((tries - 1))
done
app_alive || die "the program ended at start-up: $(tail -n 5 "$work/orvek.log")"
window_shown "$MAIN_TITLE" || die "no main window within 30 s: $(tail -n 5 "$work/orvek.log")"
main=$(visible_window "$MAIN_TITLE")
check "the splash window (249 x 295) showed before the main window" [ $splash_seen -eq 1 ]
[ -n "$splash" ] && check "the splash was centred" centred "$splash"
splash_hidden() { [ -z "$splash" ] || ! xdo search --onlyvisible --name '' 2>/dev/null | grep -qx "$splash"; }
check "the splash hides itself" wait_until 3 splash_hidden
check "the main window is centred on the screen" centred "$main"
geometry "$main"
main_w=$gw main_h=$gh
sleep 0.5
shot "$main" 00-start-defaults
# The menu bar's height. A status bar may stand below the 515-pixel client area, so it is found
# from the top: the first green pixel row (the caption "Исходные данные" of the first tab's group
# box) lies 31 pixels below the menu bar. Without it, the window is menu bar and client area.
first_green=$(timeout 20 convert "$artifacts/00-start-defaults.png" -crop 300x120+0+0 +repage txt:- 2>/dev/null |
  awk -F'[,: ]+' '/#008000/ { print $2; exit }')
if [ -n "$first_green" ]; then menu_h=$((first_green - 31)); else menu_h=$((main_h - 515)); fi
page_y=$((menu_h + 26))
client_bottom=$((menu_h + 515))
log "main window $main: ${main_w}x${main_h} at $gx,$gy (menu bar $menu_h px, $((main_h - client_bottom)) px below the client area)"
check "the client area is 705 pixels wide" [ "$main_w" -eq 705 ]
menu_bar_fits() { [ "$menu_h" -gt 10 ] && [ "$menu_h" -lt 40 ] && [ "$client_bottom" -le "$main_h" ]; }
check "the menu bar is above a 515-pixel client area" menu_bar_fits
# Centres of the menu bar's titles (dark pixel runs more than 8 pixels apart): "Справка" is the
# third from the end, then "Язык", then the command "Выход" the last, whatever menus stand before them.
menu_titles=($(timeout 20 convert "$artifacts/00-start-defaults.png" -crop 705x$((menu_h - 4))+0+2 +repage \
  -colorspace Gray -threshold 50% txt:- 2>/dev/null | awk -F'[,: ]+' '/#000000/ { print $1 }' | sort -n -u |
  awk 'NR == 1 { s = $1; p = $1; next } $1 - p > 8 { print int((s + p) / 2); s = $1 } { p = $1 } END { if (NR) print int((s + p) / 2) }'))
help_x=32 exit_x=86
if [ ${#menu_titles[@]} -ge 3 ]; then
  help_x=${menu_titles[${#menu_titles[@]} - 3]}
  exit_x=${menu_titles[${#menu_titles[@]} - 1]}
fi
log "menu titles at x = ${menu_titles[*]}"

# ---- input: a point and a comma, an invalid value and its message box ----
type_into Edit1 "0.12"
check "0.12 in Edit1 is taken without a message" no_box_appears
type_into Edit2 "0,65"
check "0,65 in Edit2 is taken without a message" no_box_appears
type_into Edit4 "0,55"
type_into Edit7 "1.05"
type_into Edit10 "12"
check "the other fields take their values without a message" no_box_appears

focus_main
click_field Edit1
xdo key --clearmodifiers ctrl+a
xdo type --delay 30 "abc"
xdo key Tab
check "leaving Edit1 with 'abc' brings a message box titled Orvek, answered with Enter" answer_box 01-box-input-error
# The focus is back in Edit1, which still reads "abc"; a valid value ends the episode.
type_into Edit1 "0.12"
check "after the answer, a valid value leaves Edit1 quietly" no_box_appears
type_into Edit3 "0,5"
check "0,5 in Edit3 brings the range message" answer_box 02-box-range
type_into Edit3 "0,6"
check "0,6 in Edit3 is in range" no_box_appears
shot "$main" 03-typed

check "save writes a 68-byte startpar.tmm" save_file
if record_size_is_68; then
  check "the file holds Loa 0.12 (typed with a point)" field_is 0 "$B_0_12"
  check "the file holds Lab 0.65 (typed with a comma)" field_is 8 "$B_0_65"
  check "the file holds Lbc 0.6" field_is 16 "$B_0_6"
  check "the file holds Lde 0.55" field_is 24 "$B_0_55"
  check "the file holds Loc 1.05" field_is 32 "$B_1_05"
  check "Lad and GuideOffset keep the defaults until a solve" field_is 40 "$B_0_3"
  check "Reserved is zero" field_is 48 "$B_ZERO"
  check "GuideOffset is still 0.5" field_is 56 "$B_0_5"
  check "N is 12" [ "$(record_int)" = "12" ]
fi

# ---- Calculate ----
click_tab 0
shot "$main" 04-before-calculate
focus_main
click_calculate
grid_filled() { shot "$main" 05-after-calculate; differ 04-before-calculate 05-after-calculate 690x224+2+$((page_y + 178)); }
check "Calculate fills the results grid" wait_until 30 grid_filled
check "Calculate shows no error box" no_box_appears
check "after Calculate the file saves again" save_file
if record_size_is_68; then
  check "the lengths typed are unchanged" field_is 0 "$B_0_12"
  check "Lab unchanged" field_is 8 "$B_0_65"
  check "the study wrote a rocker length of 0.591 .. 0.9 m" real_between 16 0.591 0.9
  check "the solve set Lad = Lab / 2" field_is 40 "$B_0_325"
  check "the solve set GuideOffset = Loc / 2" field_is 56 "$B_0_525"
  n=$(record_int)
  count_saved() { [ "$n" = "12" ] || [ "$n" = "180" ]; }
  check "N is the typed 12 or the diagrams' 180 (got $n)" count_saved
fi

# ---- every tab ----
for i in 1 2 3; do
  click_tab "$i"
  sleep 0.5
  shot "$main" "1${i}-${TAB_NAMES[$i]}"
done
for i in 1 2 3; do
  check "tab ${TAB_NAMES[$i]} differs from the first tab" differ 05-after-calculate "1${i}-${TAB_NAMES[$i]}"
done
check "the two chart tabs differ" differ 11-tab2-diagrams 12-tab3-diagrams-study

# ---- drawing tab: the scroll bar and the animation ----
# The strip under the drawings: 59 pixels high, above the 41-pixel link strip and a 1-pixel frame.
sy=$((client_bottom - 41 - 59 - 1))
pictures="700x360+2+$((page_y + 20))"
scroll_right_x=$((page_x + 176 + 145 - 8))
for _ in 1 2 3 4 5 6 7 8 9 10; do click_main "$scroll_right_x" $((sy + 16)); done
sleep 0.3
shot "$main" 14-drawing-scrolled
check "moving the scroll bar redraws the mechanism" differ 13-tab4-drawing 14-drawing-scrolled "$pictures"

checkbox_x=$((page_x + 188 + 8))
click_main "$checkbox_x" $((sy + 34 + 8))
sleep 1
click_main "$checkbox_x" $((sy + 34 + 8))
sleep 0.3
shot "$main" 15-animation-stopped
sleep 0.6
shot "$main" 16-animation-stopped-later
check "a second of animation moved the drawing on" differ 14-drawing-scrolled 15-animation-stopped "$pictures"
check "clearing the check box stops the animation" same 15-animation-stopped 16-animation-stopped-later "$pictures"

# ---- load: a changed field takes the file's value again ----
click_tab 0
type_into Edit1 "0,2"
check "0,2 in Edit1 is taken" no_box_appears
click_load
sleep 0.3
shot "$main" 17-after-load
# Leaving Edit1 stores what it shows; the next save tells whether it shows the file's 0,12.
focus_main
click_field Edit1
xdo key Tab
check "the file saves after the load" save_file
record_size_is_68 && check "Edit1 shows the loaded 0,12 again, not the typed 0,2" field_is 0 "$B_0_12"

# ---- About box ----
focus_main
click_main "$help_x" $((menu_h / 2))
sleep 0.4
xdo key Down Down Return  # "Руководство" stands before "О программе"
if wait_until 5 window_shown "$ABOUT_TITLE"; then
  about=$(visible_window "$ABOUT_TITLE")
  log "ok: the About box opens"
  check "the About box is centred" centred "$about"
  sleep 0.5
  shot "$about" 20-about
  click "$about" $((189 + 69)) $((468 + 14))
  check "Закрыть closes the About box" wait_until 5 window_gone "$ABOUT_TITLE"
else
  log "FAILED: the About box did not open"; failures=$((failures + 1))
fi

# ---- Exit: No keeps the program, Yes ends it with status 0 ----
exit_question() {
  focus_main
  click_main "$exit_x" $((menu_h / 2))
  wait_until 5 window_shown "$QUESTION_TITLE"
}
if exit_question; then
  shot "$(visible_window "$QUESTION_TITLE")" 30-exit-question
  xdo windowfocus --sync "$(visible_window "$QUESTION_TITLE")" && xdo key --clearmodifiers alt+n
  check "answering No closes the question" wait_until 5 window_gone "$QUESTION_TITLE"
  sleep 0.5
  check "answering No keeps the program running" app_alive
else
  log "FAILED: Выход asks no question"; failures=$((failures + 1))
fi
if exit_question; then
  xdo windowfocus --sync "$(visible_window "$QUESTION_TITLE")" && xdo key --clearmodifiers alt+y
  if wait_until 10 app_ended; then
    wait "$app_pid"; status=$?
    app_pid=""
    check "answering Yes ends the program with status 0 (got $status)" [ "$status" -eq 0 ]
  else
    log "FAILED: the program still runs after Yes"; failures=$((failures + 1))
  fi
else
  log "FAILED: the second Выход asks no question"; failures=$((failures + 1))
fi

# ---- a second start: the users' locale, a file-size limit, a FIFO in place of the file ----
# The same values typed, then Calculate: the charts' labels and the table must read exactly as
# in the C locale. The FIFO must neither stop the start nor hang the load; the save, past the
# size limit, must end in its message with the program still running.
# Whatever the first run left running ends first: two main windows would share one title.
app_alive 2>/dev/null && stop_process "$app_pid"
app_pid=""
ru_dir="$work/ru"
mkdir -p "$ru_dir"
mkfifo "$ru_dir/startpar.tmm"
: >"$ru_dir/startpar.tmm.oldAAA"
touch -d '-5 minutes' "$ru_dir/startpar.tmm.oldAAA"
: >"$ru_dir/startpar.tmm.newBBB"
(cd "$ru_dir" && ulimit -f 0 && LC_ALL=$USER_LOCALE LANG=$USER_LOCALE exec "$program") >"$work/orvek-ru.log" 2>&1 &
app_pid=$!
if wait_until 30 window_shown "$MAIN_TITLE"; then
  main=$(visible_window "$MAIN_TITLE")
  log "ok: under $USER_LOCALE with a FIFO named startpar.tmm the main window opens"
  stale_swept() { [ ! -e "$ru_dir/startpar.tmm.oldAAA" ] && [ -e "$ru_dir/startpar.tmm.newBBB" ]; }
  check "the start-up removed the stale temporary file and kept the fresh one" stale_swept
  sleep 0.5
  focus_main
  click_load
  check "loading from the FIFO brings the message, the window does not freeze" answer_box 40-ru-load-fifo
  rm -f "$ru_dir/startpar.tmm"
  focus_main
  click_save
  check "a save past 'ulimit -f 0' brings its message" answer_box 41-ru-save-size-limit
  check "the program survives the save past the size limit" app_alive
  check "the failed save left no file behind" [ ! -e "$ru_dir/startpar.tmm" ]
  no_leftovers() { [ -z "$(find "$ru_dir" -name 'startpar.tmm.*' ! -name startpar.tmm.newBBB)" ]; }
  check "the failed save left no temporary file" no_leftovers

  type_into Edit1 "0.12"
  type_into Edit2 "0,65"
  type_into Edit4 "0,55"
  type_into Edit7 "1.05"
  type_into Edit10 "12"
  type_into Edit3 "0,6"
  check "under $USER_LOCALE the typed values are taken without a message" no_box_appears
  click_tab 0
  shot "$main" 42-ru-before-calculate
  focus_main
  click_calculate
  ru_grid_filled() { shot "$main" 43-ru-after-calculate; differ 42-ru-before-calculate 43-ru-after-calculate 690x224+2+$((page_y + 178)); }
  check "under $USER_LOCALE Calculate fills the results grid" wait_until 30 ru_grid_filled
  sleep 0.3
  shot "$main" 43-ru-after-calculate
  check "the results grid reads the same as in the C locale" same 05-after-calculate 43-ru-after-calculate 690x224+2+$((page_y + 178))
  for i in 1 2; do
    click_tab "$i"
    sleep 0.5
    shot "$main" "4$((i + 3))-ru-${TAB_NAMES[$i]}"
    check "the ${TAB_NAMES[$i]} charts and their labels read the same as in the C locale" \
      same "1${i}-${TAB_NAMES[$i]}" "4$((i + 3))-ru-${TAB_NAMES[$i]}"
  done
  check "the program still runs" app_alive
  stop_process "$app_pid"
  app_pid=""
else
  log "FAILED: under $USER_LOCALE with a FIFO named startpar.tmm no main window within 30 s: $(tail -n 5 "$work/orvek-ru.log")"
  failures=$((failures + 1))
fi

log "screenshots in $artifacts"
if [ "$failures" -gt 0 ]; then
  log "$failures check(s) failed"
  exit 1
fi
log "all checks passed"
exit 0
