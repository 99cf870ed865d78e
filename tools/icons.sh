#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the program icon's PNGs in data/icons/ from its SVGs with rsvg-convert (librsvg2-bin):
# 16 px from the hand-tuned kesparo-16.svg, 24 px from kesparo-24.svg and 22 px from the same
# drawing without its empty outer pixel, and 32 px up from kesparo.svg. The PNGs are committed;
# run this after changing an SVG.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
command -v rsvg-convert > /dev/null || { echo "icons.sh: needs rsvg-convert (apt-get install librsvg2-bin)" >&2; exit 1; }

rsvg-convert kesparo-16.svg -o kesparo-16.png
rsvg-convert kesparo-24.svg -o kesparo-24.png
sed -e 's/width="24" height="24" viewBox="0 0 24 24"/width="22" height="22" viewBox="1 1 22 22"/' kesparo-24.svg |
  rsvg-convert -o kesparo-22.png
for size in 32 48 64 128 256 512; do
  rsvg-convert -w "$size" -h "$size" kesparo.svg -o "kesparo-$size.png"
done
