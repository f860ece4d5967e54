#!/bin/sh
# Remakes the README's screenshots in docs/ from the program as built now, in a real X window under Xvfb.
# Usage: docs/make-screenshots.sh [BUILD_DIR]   (needs Xvfb)
set -eu
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$source_dir/build}
cmake -S "$source_dir" -B "$build" >/dev/null
cmake --build "$build" --target make-screenshots
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
    "$build/app/make-screenshots" "$source_dir/docs"
