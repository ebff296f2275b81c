#!/usr/bin/env bash
# Draws the start picture assets/start.jpg (270 x 220): a small probability tree under the
# program's name. Run it again after changing the drawing and commit the result.
set -euo pipefail

out="${1:-$(dirname "$0")/../assets/start.jpg}"
font=/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf
bold=/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf

# Node positions: the root, two nodes on the first branching, five leaves on the second.
root="34,146"
upper="124,110"
lower="124,182"

convert -size 270x220 xc:'#f7f9f1' \
  -fill none -stroke '#c9d8b4' -strokewidth 2 -draw "roundrectangle 4,4 265,215 10,10" \
  -stroke '#274e13' -strokewidth 2.5 \
  -draw "line $root $upper" -draw "line $root $lower" \
  -stroke '#1f3f7a' -strokewidth 2 \
  -draw "line $upper 214,90" -draw "line $upper 214,130" \
  -draw "line $lower 214,158" -draw "line $lower 214,182" -draw "line $lower 214,206" \
  -stroke none -fill '#7a2e12' \
  -draw "circle 34,146 38,146" \
  -draw "circle 124,110 127,110" -draw "circle 124,182 127,182" \
  -fill '#1f3f7a' \
  -draw "circle 214,90 216.5,90" -draw "circle 214,130 216.5,130" \
  -draw "circle 214,158 216.5,158" -draw "circle 214,182 216.5,182" \
  -draw "circle 214,206 216.5,206" \
  -font "$font" -pointsize 12 -fill '#333333' \
  -draw "text 66,118 '1/2'" -draw "text 66,184 '1/2'" \
  -draw "text 158,94 '1/4'" -draw "text 158,136 '3/4'" \
  -draw "text 158,163 '1/3'" \
  -font "$bold" -pointsize 12 -fill '#274e13' \
  -draw "text 222,94 'A2'" -draw "text 222,134 'B2'" \
  -draw "text 222,162 'A2'" -draw "text 222,186 'B2'" -draw "text 222,210 'C2'" \
  -font "$bold" -pointsize 44 -fill '#274e13' -stroke none \
  -gravity north -annotate +0+14 'Kvistra' \
  -gravity northwest \
  -quality 92 -sampling-factor 4:2:0 -strip \
  "$out"
