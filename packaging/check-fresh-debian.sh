#!/usr/bin/env bash
# Proves the README's two Quick start commands on a freshly installed Debian 12: a minimal root made by
# debootstrap, with git and nothing else, into which the committed HEAD of this repository is cloned. Each
# command runs in its own copy of that root, as root, so that what it installs is all it has:
#   run:  `./build.sh run` must install what is missing, build and start the program (it is stopped after it
#         has stayed up for a few seconds on Qt's offscreen platform);
#   test: `./build.sh test` must install what is missing, build and pass every test.
# Each prints its time. The roots see only a private /proc of their own (a PID namespace of their own); the
# host's /dev, /sys and /proc are never bound into them.
#
# Usage (as root): packaging/check-fresh-debian.sh [--keep] [WORK_DIR] [run|test|both]
#   WORK_DIR defaults to /var/tmp/velmora-fresh-debian; the pristine root is kept there between runs.
set -euo pipefail

source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
mirror=http://deb.debian.org/debian
keep=no
work=/var/tmp/velmora-fresh-debian
what=both

usage() {
    echo "usage: $0 [--keep] [WORK_DIR] [run|test|both]" >&2
    exit 2
}

for argument in "$@"; do
    case $argument in
        --keep) keep=yes ;;
        run | test | both) what=$argument ;;
        -*) usage ;;
        *) work=$argument ;;
    esac
done
[ "$(id -u)" -eq 0 ] || {
    echo "$0 makes and enters Debian roots: run it as root." >&2
    exit 1
}

pristine=$work/pristine

make_pristine() {
    [ -x "$pristine/usr/bin/git" ] && return 0
    command -v debootstrap >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap
    rm -rf --one-file-system "$pristine"
    mkdir -p "$work"
    debootstrap --variant=minbase --include=git,ca-certificates bookworm "$pristine" "$mirror"
}

# A copy of the pristine root with a clean clone of HEAD in /root/velmora-sms.
fresh_root() {
    local root=$work/$1
    rm -rf --one-file-system "$root"
    cp -a --one-file-system "$pristine" "$root"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    git clone --quiet --no-hardlinks "$source_dir" "$root/root/velmora-sms"
    echo "$root"
}

# Runs a command in the root, in its own PID namespace with its own /proc, with a clean environment.
in_root() {
    local root=$1
    shift
    unshare --fork --pid --mount --mount-proc="$root/proc" \
        chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 TERM=dumb \
        "$@"
}

remove_root() {
    [ "$keep" = yes ] || rm -rf --one-file-system "$1"
}

# The seconds from `start` to now.
since() {
    echo $(($(date +%s) - $1))
}

# The program's process running inside `root`, if there is one.
program_in() {
    local pid
    for pid in $(pgrep -x velmora-sms); do
        if [ "$(readlink "/proc/$pid/root")" = "$1" ]; then
            echo "$pid"
            return
        fi
    done
}

check_run() {
    local root started pid
    root=$(fresh_root run)
    started=$(date +%s)
    in_root "$root" bash -c 'cd /root/velmora-sms && QT_QPA_PLATFORM=offscreen ./build.sh run' \
        >"$work/run.log" 2>&1 &
    local runner=$!
    # `build.sh run` ends in exec, so the program runs under the shell's own process: wait for it to appear.
    pid=
    while kill -0 "$runner" 2>/dev/null; do
        pid=$(program_in "$root")
        [ -n "$pid" ] && break
        sleep 1
    done
    if [ -z "$pid" ]; then
        tail -n 30 "$work/run.log" >&2
        echo "run: the program never started" >&2
        exit 1
    fi
    local seconds
    seconds=$(since "$started")
    sleep 5
    if ! kill -0 "$pid" 2>/dev/null; then
        tail -n 30 "$work/run.log" >&2
        echo "run: the program stopped by itself" >&2
        exit 1
    fi
    # In its own PID namespace the program is the namespace's first process, which only SIGKILL ends from outside.
    kill -KILL "$pid"
    wait "$runner" || true
    echo "run: the program started ${seconds} s after ./build.sh run in a fresh root"
    remove_root "$root"
}

check_test() {
    local root started
    root=$(fresh_root test)
    started=$(date +%s)
    if ! in_root "$root" bash -c 'cd /root/velmora-sms && ./build.sh test' >"$work/test.log" 2>&1; then
        tail -n 60 "$work/test.log" >&2
        echo "test: ./build.sh test failed in a fresh root after $(since "$started") s (log: $work/test.log)" >&2
        exit 1
    fi
    echo "test: ./build.sh test passed in a fresh root in $(since "$started") s"
    remove_root "$root"
}

make_pristine
case $what in
    run) check_run ;;
    test) check_test ;;
    both)
        check_run
        check_test
        ;;
esac
