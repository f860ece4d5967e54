#!/usr/bin/env python3
"""Measures the program against bare Qt yardsticks built in the same tree and prints the ratios.

Start-up: whole process, from its start to the first painted main window under Xvfb, and the peak
resident memory of that run; medians of paired runs, and instructions counted by callgrind. Page opening: from
the call that opens a page until Xvfb has drawn its first frame, the first opening against the second, per page.
Editing: nanoseconds and callgrind instructions per operation. The plan window: a plan of 200 rows opened from its
file, and one of its rows moved, each against one frame (16 ms). A plan sent to ten units: the whole run against the
least time any run could take, and against the units one after another. Wall times are noisy on a shared machine;
the instruction counts are the steady figure.
"""
import argparse
import os
import re
import statistics
import subprocess
import sys
import tempfile
import time


def start_xvfb():
    # -noreset: a server that resets when its last client leaves adds that reset to every run.
    read_fd, write_fd = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_fd), "-noreset", "-nolisten", "tcp", "-screen", "0", "1280x1024x24"],
        pass_fds=[write_fd], stderr=subprocess.DEVNULL)
    os.close(write_fd)
    with os.fdopen(read_fd) as pipe:
        display = pipe.readline().strip()
    if not display:
        sys.exit("Xvfb did not start")
    return server, ":" + display


def first_paint(program, env):
    """Nanoseconds from the process start to its first frame, and its peak resident KiB."""
    started = time.monotonic_ns()
    process = subprocess.Popen([program], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=env)
    painted = process.stdout.readline()
    _, status, usage = os.wait4(process.pid, 0)
    process.stdout.close()
    if status != 0 or not painted.strip():
        sys.exit(f"{program} failed (status {status})")
    return int(painted) - started, usage.ru_maxrss


def instructions(command, env, toggle=None):
    with tempfile.TemporaryDirectory() as folder:
        out = os.path.join(folder, "callgrind.out")
        options = ["valgrind", "--tool=callgrind", f"--callgrind-out-file={out}"]
        if toggle:
            options += ["--collect-atstart=no", f"--toggle-collect={toggle}"]
        subprocess.run(options + command, env=env, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        with open(out) as data:
            totals = re.search(r"^(?:summary|totals): (\d+)", data.read(), re.M)
        return int(totals.group(1))


def report(name, bare, ours, unit, target):
    ratio = ours / bare
    verdict = "ok" if ratio <= target else "OVER"
    print(f"  {name:<34} bare {bare:>14,.1f} {unit:<5} ours {ours:>14,.1f} {unit:<5} "
          f"ratio {ratio:5.2f}  (target {target:.2f}, {verdict})")
    return ratio <= target


def measure_startup(build, runs, env):
    bare = os.path.join(build, "bench", "velmora-bare-window")
    ours = os.path.join(build, "bench", "velmora-startup-bench")
    server, display = start_xvfb()
    try:
        env = dict(env, DISPLAY=display, QT_QPA_PLATFORM="xcb")
        for program in (bare, ours):  # the first runs warm the disk cache and the font cache
            first_paint(program, env)
        times = {bare: [], ours: []}
        peaks = {bare: [], ours: []}
        for _ in range(runs):
            for program in (bare, ours):
                elapsed, peak = first_paint(program, env)
                times[program].append(elapsed / 1e6)
                peaks[program].append(peak / 1024)
        counted = {program: instructions([program], env) / 1e6 for program in (bare, ours)}
    finally:
        server.terminate()
        server.wait()
    print(f"Start-up to the first painted main window, as the program starts ({runs} paired runs, medians):")
    ok = report("time", statistics.median(times[bare]), statistics.median(times[ours]), "ms", 1.25)
    ok &= report("peak memory", statistics.median(peaks[bare]), statistics.median(peaks[ours]), "MiB", 1.25)
    ok &= report("instructions", counted[bare], counted[ours], "M", 1.25)
    return ok


def measure_opening(build, runs, env):
    program = os.path.join(build, "bench", "velmora-open-bench")
    server, display = start_xvfb()
    first, again = {}, {}
    try:
        env = dict(env, DISPLAY=display, QT_QPA_PLATFORM="xcb")
        for _ in range(runs):
            output = subprocess.run([program], env=env, check=True, capture_output=True, text=True).stdout
            for line in output.splitlines():
                page, first_ns, again_ns = line.split()
                first.setdefault(page, []).append(int(first_ns) / 1e6)
                again.setdefault(page, []).append(int(again_ns) / 1e6)
    finally:
        server.terminate()
        server.wait()
    print(f"Page opening, from the call to the page's first frame on the screen ({runs} runs, medians per page, ms):")
    ok = True
    for page in first:
        ok &= report(f"{page}, first against again", statistics.median(again[page]),
                     statistics.median(first[page]), "ms", 1.25)
    medians_first = [statistics.median(times) for times in first.values()]
    medians_again = [statistics.median(times) for times in again.values()]
    print(f"  first opening {min(medians_first):.1f} to {max(medians_first):.1f} ms, "
          f"again {min(medians_again):.1f} to {max(medians_again):.1f} ms")
    return ok


def per_operation(program, mode, count, runs, env):
    times = []
    for _ in range(runs):
        result = subprocess.run([program, mode, str(count)], env=env, check=True, capture_output=True, text=True)
        times.append(float(result.stdout))
    counted = instructions([program, mode, str(count)], env, toggle="*measuredLoop*")
    return statistics.median(times) / 1000, counted / (count + 4)


def measure_editing(build, runs, env):
    program = os.path.join(build, "bench", "velmora-edit-bench")
    env = dict(env, QT_QPA_PLATFORM="offscreen")
    key_bare = per_operation(program, "key-bare", 2000, runs, env)
    key_ours = per_operation(program, "key-guarded", 2000, runs, env)
    press = per_operation(program, "press", 2000, runs, env)
    paste_bare = per_operation(program, "paste-bare", 20, runs, env)
    paste_ours = per_operation(program, "paste-guarded", 20, runs, env)
    print(f"Editing, per operation ({runs} runs, medians; instructions by callgrind):")
    ok = report("keystroke, time", key_bare[0], key_ours[0], "us", 2.0)
    ok &= report("keystroke, instructions", key_bare[1], key_ours[1], "", 2.0)
    ok &= report("'Treść SMS' press, time", key_bare[0], press[0], "us", 2.0)
    ok &= report("'Treść SMS' press, instructions", key_bare[1], press[1], "", 2.0)
    ok &= report("32,000-character paste, time", paste_bare[0], paste_ours[0], "us", 1.5)
    ok &= report("32,000-character paste, instr.", paste_bare[1], paste_ours[1], "", 1.5)
    return ok


def measure_plan(build, runs, env):
    program = os.path.join(build, "bench", "velmora-plan-bench")
    server, display = start_xvfb()
    try:
        env = dict(env, DISPLAY=display, QT_QPA_PLATFORM="xcb")
        opened = per_operation(program, "open", 20, runs, env)
        moved = per_operation(program, "move", 200, runs, env)
    finally:
        server.terminate()
        server.wait()
    frame_us = 16000
    print(f"Plan window with 200 rows, each until the window is painted again ({runs} runs, medians):")
    print(f"  read from its file and shown       {opened[0]:>10,.1f} us  {opened[1]:>14,.0f} instructions")
    print(f"  one row moved                      {moved[0]:>10,.1f} us  {moved[1]:>14,.0f} instructions")
    ok = report("plan opened, against one frame", frame_us, opened[0], "us", 1.0)
    ok &= report("row moved, against one frame", frame_us, moved[0], "us", 0.25)
    return ok


def measure_units(build, runs, env):
    program = os.path.join(build, "bench", "velmora-units-bench")
    step = 20  # ms to send one message; the network reports it delivered ten times that later

    def run(mode):
        return int(subprocess.run([program, mode, str(step)], env=env, check=True, capture_output=True,
                                  text=True).stdout) / 1e6

    # A run takes seconds of timers, not of work: a few runs are enough, and the units one after another once.
    together = [run("together") for _ in range(min(runs, 5))]
    one_by_one = run("one-by-one")
    route, chain = 200 * step, 20 * (step + 10 * step)
    bound = max(route, chain)
    whole = statistics.median(together)
    print(f"A plan of 20 rows to 10 units, {step} ms to send a message, delivered {10 * step} ms after it went, each "
          f"row waiting for the previous one's delivery ({len(together)} runs, median):")
    print(f"  the units together {whole:,.0f} ms, one after another {one_by_one:,.0f} ms; no run can beat "
          f"{bound:,} ms (the route's time for all messages {route:,} ms, one unit's chain {chain:,} ms)")
    ok = report("together, against that bound", bound, whole, "ms", 1.25)
    ok &= report("together, against one after another", one_by_one, whole, "ms", 0.2)
    return ok


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("build", help="a Release build tree with the benchmark targets built")
    parser.add_argument("--runs", type=int, default=30)
    parser.add_argument("--only", choices=["startup", "opening", "editing", "plan", "units"])
    args = parser.parse_args()
    env = dict(os.environ, LC_ALL="C.UTF-8")
    ok = True
    if args.only in (None, "startup"):
        ok &= measure_startup(args.build, args.runs, env)
    if args.only in (None, "opening"):
        ok &= measure_opening(args.build, args.runs, env)
    if args.only in (None, "editing"):
        ok &= measure_editing(args.build, args.runs, env)
    if args.only in (None, "plan"):
        ok &= measure_plan(args.build, args.runs, env)
    if args.only in (None, "units"):
        ok &= measure_units(args.build, args.runs, env)
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
