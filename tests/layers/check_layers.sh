#!/usr/bin/env bash
# What the build's targets cannot forbid: a page including another page, a D-Bus route or proxy named outside
# sending and start-up, the desktop keyring named outside start-up. The targets themselves keep widgets from pages and windows, and pages from sending.
set -euo pipefail
cd "$1"

failed=0
fail() {
    echo "$1" >&2
    failed=1
}

page_headers=$(cd pages && ls ./*page.h | sed 's|^\./||')
for file in pages/*.cpp pages/*.h; do
    own=$(basename "${file%.*}").h
    for header in $page_headers; do
        if [ "$header" != "$own" ] && [ "$header" != page.h ] && grep -q "#include \"$header\"" "$file"; then
            fail "$file includes another page: $header"
        fi
    done
done

routes='#include "(busroute|modemfinder|modemroute|phoneroutes|statusreport|dbustypes|[a-z]*proxy)\.h"'
for file in $(grep -rlE "$routes" --include='*.cpp' --include='*.h' commands widgets pages handoff 2>/dev/null); do
    fail "$file reaches a D-Bus route; only sending and start-up may"
done

# QtKeychain talks D-Bus itself: the desktop keyring is made by start-up and handed down as a Keyring.
for file in $(grep -rl '#include "systemkeyring.h"' --include='*.cpp' --include='*.h' commands sending register widgets \
    pages handoff 2>/dev/null); do
    [ "$file" = register/systemkeyring.cpp ] || fail "$file reaches the desktop keyring; only start-up may"
done

exit "$failed"
