#!/usr/bin/env bash
# Draws the back picture of the six diagrams: a pale blue-grey surface, light at the top left and
# darker towards the bottom right, 317 x 235 pixels. Run from anywhere; writes
# resources/chart_back.png.
set -euo pipefail

out="$(cd "$(dirname "$0")/.." && pwd)/resources/chart_back.png"
convert -size 317x235 \
  -define gradient:direction=SouthEast \
  gradient:'rgb(223,232,240)-rgb(136,152,196)' \
  -depth 8 -type TrueColor -strip "png24:$out"
echo "$out"
