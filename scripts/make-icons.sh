#!/usr/bin/env bash
# Draws the program's icon again in every size the desktop's icon theme keeps, from the one
# drawing data/icons/hicolor/scalable/apps/rovik.svg. Run it after changing the drawing and
# commit the pictures with it; the build takes them from there.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v rsvg-convert >/dev/null || scripts/install-deps.sh
icons=data/icons/hicolor
for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "$icons/${size}x${size}/apps"
    rsvg-convert -w "$size" -h "$size" "$icons/scalable/apps/rovik.svg" \
        -o "$icons/${size}x${size}/apps/rovik.png"
done
