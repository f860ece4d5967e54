#!/bin/sh
# Starts the program under Xvfb, closes its main window by the title and expects exit code 0.
set -eu
program=$1
closer=$2
# Start the search for a free display at a number of our own, so that parallel runs rarely race for one. The
# program gets a session bus of its own, ended with it: on a display without one, D-Bus would start a bus that
# outlives the test.
exec xvfb-run -a -n $((200 + $$ % 400)) -s "-screen 0 1280x1024x24 -noreset" dbus-run-session -- sh -c '
    QT_QPA_PLATFORM=xcb timeout 60 "$0" &
    pid=$!
    if ! "$1" "Velmora SMS  Tarvik SMS"; then
        kill "$pid" 2>/dev/null
        exit 1
    fi
    status=0
    wait "$pid" || status=$?
    echo "the program exited with $status"
    exit "$status"
' "$program" "$closer"
