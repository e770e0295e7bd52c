#!/usr/bin/env bash
# Checks the Debian package as a user's system would take it: unpacked into a scratch root with
# `dpkg -x`, the program runs from there against the system's Qt, the desktop entry and the
# AppStream metainfo pass their validators, the icons have their sizes, the manual pages render
# and name every option of `orvek --help`. lintian's findings are shown, not judged.
#
#   bash scripts/check-package.sh [BUILD_DIR | PACKAGE.deb]     (default: build)
#
# `make package` builds the package and runs this. Exit status 0 when every check passed.
set -uo pipefail

readonly APP_ID=example.orvek.Orvek
readonly ICON_SIZES=(16 22 24 32 48 64 128 256)

target=${1:-build}
if [ -d "$target" ]; then
  deb=$(ls -t "$target"/orvek_*.deb 2>/dev/null | head -n 1)
else
  deb=$target
fi
if [ -z "$deb" ] || [ ! -f "$deb" ]; then
  echo "check-package: no orvek_*.deb in $target (make package builds it)" >&2
  exit 2
fi

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
passed=0
failed=0
check() {
  local what=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
    echo "ok: $what"
  else
    failed=$((failed + 1))
    echo "FAILED: $what"
  fi
}

echo "== $deb"
dpkg-deb --field "$deb" Package Version Architecture Depends Recommends
dpkg -x "$deb" "$root"

program=$root/usr/bin/orvek
desktop=$root/usr/share/applications/$APP_ID.desktop
metainfo=$root/usr/share/metainfo/$APP_ID.metainfo.xml
man_en=$root/usr/share/man/man1/orvek.1.gz
man_ru=$root/usr/share/man/ru/man1/orvek.1.gz

# ---- the files ----
check "the program is an executable in /usr/bin" test -x "$program"
no_debug_info() { ! file "$program" | grep -q 'with debug_info'; }
check "the program is stripped" no_debug_info
check "the desktop entry is there" test -f "$desktop"
check "the metainfo is there" test -f "$metainfo"
check "the English and the Russian manual pages are there" test -f "$man_en" -a -f "$man_ru"
check "the scalable icon is there" test -f "$root/usr/share/icons/hicolor/scalable/apps/$APP_ID.svg"
for size in "${ICON_SIZES[@]}"; do
  png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png
  icon_has_size() { file "$png" 2>/dev/null | grep -q "PNG image data, $size x $size,"; }
  check "the ${size}x${size} icon is a PNG of that size" icon_has_size
done

# One version everywhere: the package, its changelog, the metainfo's latest release.
version=$(dpkg-deb --field "$deb" Version)
changelog_has_version() { [[ "$(zcat "$root/usr/share/doc/orvek/changelog.gz")" == "orvek ($version) "* ]]; }
check "the changelog's latest entry is version $version" changelog_has_version
metainfo_has_version() { grep -m 1 '<release ' "$metainfo" | grep -qF "version=\"$version\""; }
check "the metainfo's latest release is version $version" metainfo_has_version

# ---- the dependencies: computed from the binary, every library found on the system ----
depends=$(dpkg-deb --field "$deb" Depends)
names_qt_and_libc() { grep -q 'libqt6widgets6' <<<"$depends" && grep -q 'libc6' <<<"$depends"; }
check "Depends names Qt's and the C library's packages (dpkg-shlibdeps)" names_qt_and_libc
all_libraries_found() { ! env -u LD_LIBRARY_PATH ldd "$program" | grep -q 'not found'; }
check "every library of the program is on the system" all_libraries_found

# ---- the program runs from the scratch root ----
run() { env -u LD_LIBRARY_PATH QT_QPA_PLATFORM=offscreen "$program" "$@"; }
help=$(run --help 2>&1)
help_status=$?
check "orvek --help exits with 0" test "$help_status" -eq 0
help_has_usage() { grep -q 'Usage' <<<"$help"; }
check "orvek --help prints the usage" help_has_usage
# --version is checked as soon as the program has it.
if grep -q -- '--version' <<<"$help"; then
  version_output=$(run --version 2>&1)
  version_status=$?
  check "orvek --version exits with 0" test "$version_status" -eq 0
  names_version() { grep -qF -- "$version" <<<"$version_output"; }
  check "orvek --version names the package's version $version" names_version
fi
computes_from_root() {
  local out
  out=$(mktemp -d -p "$root")
  run --loa 0,1 --lab 0,6 --lbc 0,6 --lde 0,5 --loc 1 --csv "$out/out.csv" >/dev/null 2>&1 && test -s "$out/out.csv"
}
check "orvek computes a mechanism and writes its CSV" computes_from_root

# ---- the validators ----
echo "-- appstreamcli validate --no-net"
check "the metainfo validates" appstreamcli validate --no-net "$metainfo"
echo "-- desktop-file-validate"
check "the desktop entry validates" desktop-file-validate "$desktop"
icon_of_entry() { grep -qx "Icon=$APP_ID" "$desktop"; }
check "the desktop entry's icon is $APP_ID" icon_of_entry
launches_entry() { grep -q "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$metainfo"; }
check "the metainfo launches $APP_ID.desktop" launches_entry

# ---- the manual pages: they render without warnings and document every option ----
for page in "$man_en" "$man_ru"; do
  name=${page#"$root"/usr/share/man/}
  renders_cleanly() {
    local warnings
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "$warnings"; return 1; }
  }
  check "$name renders without warnings" renders_cleanly
  # Hyphens as the page writes them (\-), so "--sheet-format" matches "\-\-sheet\-format" too.
  source_text=$(zcat "$page" | sed 's/\\-/-/g')
  for option in $(grep -oE -- '--[a-z][a-z-]*' <<<"$help" | sort -u); do
    documents() { grep -qF -- "$option" <<<"$source_text"; }
    check "$name documents $option" documents
  done
done

# ---- lintian, for information ----
if command -v lintian >/dev/null; then
  echo "-- lintian"
  lintian --display-info --allow-root "$deb" || true
fi

echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
