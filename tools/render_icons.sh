#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Renders the PNG icons of the hicolor theme from their SVG sources:
#   packaging/icons/hicolor/scalable/apps/ID.svg -> packaging/icons/hicolor/NxN/apps/ID.png
# The PNGs are kept in the tree, so that building and installing need no
# SVG renderer; run this after changing an SVG (needs rsvg-convert, Debian
# package librsvg2-bin). The test suite checks that the kept PNGs still match.
#   tools/render_icons.sh [OUTPUT-HICOLOR-DIR]
set -euo pipefail
cd "$(dirname "$0")/.."

sizes=(16 22 24 32 48 64 128 256)
source_dir=packaging/icons/hicolor/scalable/apps
out=${1:-packaging/icons/hicolor}

for svg in "$source_dir"/*.svg; do
  id=$(basename "$svg" .svg)
  for size in "${sizes[@]}"; do
    mkdir -p "$out/${size}x${size}/apps"
    rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio --format png \
      --output "$out/${size}x${size}/apps/$id.png" "$svg"
  done
done
