#!/usr/bin/env bash
# Renders the icon's PNG sizes from kelvaro.svg. Run it after changing the
# drawing and commit the PNGs with it: the build embeds and installs the PNGs
# and never needs an SVG renderer. Needs rsvg-convert (Debian's librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"

for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --output "kelvaro-$size.png" kelvaro.svg
done
