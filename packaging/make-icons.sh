#!/bin/sh
# Renders the program's icon from its SVG into the PNG sizes that desktops look up. The PNGs are
# committed; run this after changing the SVG (needs rsvg-convert, Debian package librsvg2-bin).
set -eu
cd "$(dirname "$0")/icons"
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --output "velmora-sms-$size.png" velmora-sms.svg
done
