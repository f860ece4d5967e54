#!/bin/sh
# Runs each benchmark program once, briefly, so that no change to the program leaves them broken. Nothing is
# timed here: every run only has to succeed and print its one figure.
# Usage: bench/check-programs.sh BARE_WINDOW STARTUP_BENCH EDIT_BENCH
set -eu
export QT_QPA_PLATFORM=offscreen
figure() {
    out=$("$@")
    case $out in
        '' | *[!0-9]*)
            echo "$*: printed '$out' instead of a number" >&2
            exit 1
            ;;
    esac
}
figure "$1"
figure "$2"
for mode in key-bare key-guarded press paste-bare paste-guarded; do
    figure "$3" "$mode" 2
done
