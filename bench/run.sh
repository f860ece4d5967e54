#!/bin/sh
# Builds the program and its bare yardsticks in one Release tree, then measures them against each other.
# Usage: bench/run.sh [BUILD_DIR] [--runs N] [--only startup|opening|editing|plan|units]
# Needs Xvfb, valgrind and dbus. Wall times are noisy on a busy machine; the callgrind instruction counts are not.
set -eu
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=$source_dir/build-bench
case ${1:-} in
    -* | "") ;;
    *)
        build=$1
        shift
        ;;
esac
cmake -S "$source_dir" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target velmora-benchmarks >/dev/null
# On a session bus of their own, as on a desktop; without one, D-Bus would start buses that outlive the runs.
exec dbus-run-session -- python3 "$source_dir/bench/measure.py" "$build" "$@"
