#!/bin/sh
# Runs each benchmark program once, briefly, so that no change to the program leaves them broken. Nothing is
# timed here: every run only has to succeed and print its one figure.
# Usage: bench/check-programs.sh BARE_WINDOW STARTUP_BENCH EDIT_BENCH OPEN_BENCH PLAN_BENCH UNITS_BENCH REGISTER_BENCH
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
for mode in open move; do
    figure "$5" "$mode" 2
done
# A millisecond to send a message: the whole plan to ten units, and to each unit in turn, in a few seconds.
for mode in together one-by-one; do
    figure "$6" "$mode" 1
done
# A small register: filling the benchmark's own takes a while.
for mode in open first filter history record; do
    figure "$7" "$mode" 2 50 200
done
# One line per page: its name and two numbers.
"$4" | awk 'NF != 3 || $2 !~ /^[0-9]+$/ || $3 !~ /^[0-9]+$/ { bad = 1 } END { exit bad || NR != 10 }' || {
    echo "$4: did not print a name and two numbers for each of the ten pages" >&2
    exit 1
}
