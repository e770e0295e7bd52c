#!/usr/bin/env bash
# Installs the Debian packages Orvek needs to build, test and run, but only those that are missing,
# so a second run costs well under a second.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  poppler-utils python3-ezdxf
  libgtest-dev libgmock-dev libbenchmark-dev
  libjpeg-dev libjpeg62-turbo
  fonts-dejavu-core fonts-liberation
  xvfb xauth xdotool x11-apps x11-utils imagemagick
  locales
  qt6-translations-l10n
  # lupdate and lrelease for the program's Ukrainian and English texts, and their CMake package
  qt6-l10n-tools qt6-tools-dev
  dpkg-dev file appstream desktop-file-utils librsvg2-bin man-db lintian
)
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang libclang-rt-14-dev)
fi
# `make bench` paints the charts beside a peer plotting library; only that benchmark links it.
if [ "${1:-}" = "--bench" ]; then
  packages+=(libqcustomplot-dev libqcustomplot2.1-qt6)
fi

# The locales the tests run the program under: numbers must read the same in each of them.
locales_needed=(ru_RU.UTF-8 uk_UA.UTF-8 de_DE.UTF-8)

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

# One query for all: a package is missing unless dpkg lists it as installed.
declare -A installed=()
while read -r name status; do
  [ "$status" = "install ok installed" ] && installed[$name]=1
done < <(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null || true)
missing=()
for p in "${packages[@]}"; do
  [ -n "${installed[$p]:-}" ] || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# `locale -a` spells them with the codeset in lower case without the dash ("ru_RU.utf8").
# C always exists.
declare -A available=()
while read -r name; do available[$name]=1; done < <(locale -a 2>/dev/null)
for name in "${locales_needed[@]}"; do
  [ -n "${available[${name%%.*}.utf8]:-}" ] && continue
  echo "Generating the locale $name"
  $SUDO localedef -i "${name%%.*}" -f "${name#*.}" "$name"
done
