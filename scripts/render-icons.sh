#!/usr/bin/env bash
# Renders the program's icon (data/icons/hicolor/scalable/apps/pernoa.svg) at
# the fixed hicolor sizes. Run after changing the drawing; needs rsvg-convert
# (Debian package librsvg2-bin). The PNGs are committed, so building does not.
set -euo pipefail
cd "$(dirname "$0")/../data/icons/hicolor"
for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "${size}x${size}/apps"
    rsvg-convert -w "$size" -h "$size" scalable/apps/pernoa.svg -o "${size}x${size}/apps/pernoa.png"
done
