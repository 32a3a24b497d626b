#!/bin/sh
# Renders the toolbar icons (src/app/resources/toolbar/*.svg) to the PNGs the program
# bundles, at 24 and 48 pixels: Qt reads PNG without its SVG module.
set -eu
cd "$(dirname "$0")/../src/app/resources/toolbar"
for svg in *.svg; do
  name=${svg%.svg}
  rsvg-convert -w 24 -h 24 "$svg" -o "$name.png"
  rsvg-convert -w 48 -h 48 "$svg" -o "$name@2x.png"
done
