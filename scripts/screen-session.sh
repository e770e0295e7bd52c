# shellcheck shell=bash
# Sourced by the screenshot scripts: reads their two arguments into `binary` (the program) and
# `out` (the folder for the pictures, made here), both absolute paths.

usage="usage: $(basename "$0") path/to/orvek out-dir"
binary=$(readlink -f "${1:?$usage}")
out=$(readlink -f "${2:?$usage}")
mkdir -p "$out"

# on_screen LOCALE COMMANDS: starts the program under a virtual X server, a 1024x768 screen, with
# that locale and a scratch folder as its working folder (its output goes to orvek.log there),
# runs the bash COMMANDS beside it (the clicks and the screenshots), then ends it.
on_screen() {
  local work
  work=$(mktemp -d)
  (cd "$work" && LANG=$1 xvfb-run -a -s "-screen 0 1024x768x24" bash -c "
  '$binary' > orvek.log 2>&1 & pid=\$!
$2
  kill \$pid")
  rm -rf "$work"
}
