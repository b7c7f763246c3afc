#!/usr/bin/env bash
# Renders the program's icon, data/desktop/quintara.svg, as the hicolor PNG sizes desktops look for.
# Run it after changing the SVG and commit the pictures with it (needs rsvg-convert: librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../data/desktop"
for size in 16 22 24 32 48 64 128 256; do
    folder=icons/hicolor/${size}x${size}/apps
    mkdir -p "$folder"
    rsvg-convert --width "$size" --height "$size" quintara.svg --output "$folder/quintara.png"
done
