#!/bin/sh
# Remakes the README's screenshots in docs/ from the program as built now, in a real X window under Xvfb, with
# a session bus of its own.
# Usage: docs/make-screenshots.sh [BUILD_DIR]   (needs Xvfb)
set -eu
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$source_dir/build}
cmake -S "$source_dir" -B "$build" >/dev/null
cmake --build "$build" --target make-screenshots
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" dbus-run-session -- \
    "$build/app/make-screenshots" "$source_dir/docs"
# The two tallest pages on a small laptop's screen, and at twice the scale on a full HD one.
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1366x768x24 -noreset" dbus-run-session -- \
    "$build/app/make-screenshots" "$source_dir/docs" 1366x768
QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" dbus-run-session -- \
    "$build/app/make-screenshots" "$source_dir/docs" scale-2
