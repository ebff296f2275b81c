#!/usr/bin/env bash
# Renders the program icon assets/icons/kvistra.svg to the PNG sizes of the hicolor icon theme,
# assets/icons/hicolor/<N>x<N>/apps/kvistra.png. Run it again after changing the SVG and commit
# the result, so that building and installing never need an SVG renderer.
set -euo pipefail

icons="$(cd "$(dirname "$0")/../assets/icons" && pwd)"
for size in 16 22 24 32 48 64 128 256; do
  dir="$icons/hicolor/${size}x${size}/apps"
  mkdir -p "$dir"
  rsvg-convert --width "$size" --height "$size" --format png \
    --output "$dir/kvistra.png" "$icons/kvistra.svg"
done
