#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Runs the benchmarks of a release build and prints Gravilo's performance figures.

Every figure is a ratio of two medians measured in this run: the two sides run interleaved
(Google Benchmark's random interleaving of repetitions, or alternating process starts), so that
the load of a shared machine falls on both alike. Absolute times are printed for context only.
"""

import argparse
import json
import os
import statistics
import subprocess
import sys
import tempfile
import time

def plain_name(name):
    """A benchmark's name without the suffixes its options add (/process_time, /real_time ...)."""
    parts = [p for p in name.split("/")
             if p not in ("process_time", "real_time") and not p.startswith("iterations:")]
    return "/".join(parts)


class Runner:
    def __init__(self, build, repetitions, min_time):
        self.build = build
        self.repetitions = repetitions
        self.min_time = min_time
        self.env = dict(os.environ)
        self.env.setdefault("QT_QPA_PLATFORM", "offscreen")

    def binary(self, folder, name):
        path = os.path.join(self.build, "bench", folder, name)
        return path if os.access(path, os.X_OK) else None

    def google(self, folder, name, time_kind):
        """Median time (ms) and last counters of every benchmark of one program."""
        exe = self.binary(folder, name)
        if not exe:
            return {}
        cmd = [exe, "--benchmark_format=json",
               "--benchmark_repetitions=%d" % self.repetitions,
               "--benchmark_enable_random_interleaving=true",
               "--benchmark_min_time=%g" % self.min_time]
        sys.stderr.write("  running %s ...\n" % name)
        done = subprocess.run(cmd, env=self.env, stdout=subprocess.PIPE, check=False)
        if done.returncode != 0:
            sys.stderr.write("  %s failed (exit %d)\n" % (name, done.returncode))
            return {}
        report = json.loads(done.stdout)
        times, counters, broken = {}, {}, set()
        for b in report["benchmarks"]:
            if b.get("run_type") != "iteration":
                continue
            run = plain_name(b["run_name"])
            if b.get("error_occurred"):
                broken.add(run)
                sys.stderr.write("  %s: %s\n" % (run, b.get("error_message", "error")))
                continue
            scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b["time_unit"]]
            times.setdefault(run, []).append(b[time_kind] * scale)
            counters[run] = b
        result = {run: {"ms": statistics.median(t), "runs": len(t), "raw": counters[run]}
                  for run, t in times.items() if run not in broken}
        return result

    def processes(self, commands, rounds):
        """Median processor time and wall time (ms) of whole processes, the commands started in
        turn. The processor time (user and system, all threads) is what the figure compares: on a
        shared machine the wall time also holds the waits for a processor."""
        cpu = {name: [] for name in commands}
        wall = {name: [] for name in commands}
        for _ in range(rounds):
            for name, argv in commands.items():
                start = time.perf_counter()
                child = subprocess.Popen(argv, env=self.env, stdout=subprocess.DEVNULL,
                                         stderr=subprocess.DEVNULL)
                _, status, usage = os.wait4(child.pid, 0)
                wall[name].append((time.perf_counter() - start) * 1e3)
                if os.waitstatus_to_exitcode(status) != 0:
                    sys.stderr.write("  %s failed (status %d)\n" % (name, status))
                    return None
                cpu[name].append((usage.ru_utime + usage.ru_stime) * 1e3)
        return ({name: statistics.median(t) for name, t in cpu.items()},
                {name: statistics.median(t) for name, t in wall.items()})


def ratio(results, ours, theirs):
    if ours in results and theirs in results:
        return results[ours]["ms"] / results[theirs]["ms"], results[ours]["ms"], results[theirs]["ms"]
    return None


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--build", required=True, help="the release build folder")
    parser.add_argument("--repetitions", type=int, default=9)
    parser.add_argument("--min-time", type=float, default=0.3, help="seconds per repetition")
    parser.add_argument("--starts", type=int, default=21, help="process starts per side (start-up)")
    args = parser.parse_args()
    run = Runner(os.path.abspath(args.build), args.repetitions, args.min_time)

    figures = []  # (number, text, value, target, unit, detail)
    notes = []  # context printed below the figures

    def add(number, text, measured, target, detail_format, scale=1.0):
        if measured is None:
            figures.append((number, text, None, target,
                            detail_format if "%" not in detail_format else "not measured"))
            return
        value, a, b = measured
        figures.append((number, text, value, target, detail_format % (a * scale, b * scale)))

    chart = run.google("chart", "bench_chart", "cpu_time")
    peer = "Marks_QCustomPlot/100000" in chart
    for n, label in ((100000, "100 000"), (1000000, "1 000 000")):
        add(1, "marks, N = %s: Gravilo / QCustomPlot" % label,
            ratio(chart, "Marks_Gravilo/%d" % n, "Marks_QCustomPlot/%d" % n), 0.1,
            "%.2f ms / %.2f ms" if peer else "QCustomPlot not found")

    app = run.google("app", "bench_app", "cpu_time")
    add(2, "drag step, trail of 1 000 000 / empty trail",
        ratio(app, "DragStep/1000000", "DragStep/0"), 2.0, "%.3f ms / %.3f ms")
    add(2, "the same with bars, fitted axis, grid and legend on",
        ratio(app, "DragStepInClass/1000000", "DragStepInClass/0"), 2.0, "%.3f ms / %.3f ms")

    lists = run.google("displaylist", "bench_displaylist", "cpu_time")
    add(3, "adding 1 000 000 items / adding 100 000",
        ratio(lists, "Add_Gravilo/1000000", "Add_Gravilo/100000"), 12.0, "%.1f ms / %.2f ms")
    memory = lists.get("Memory_Gravilo/1000000")
    if memory:
        figures.append((4, "memory of a list of 1 000 000 items, bytes per item",
                        memory["raw"]["bytes_per_item"], 90.0, "measured on the heap"))
    else:
        figures.append((4, "memory of a list of 1 000 000 items, bytes per item", None, 90.0, "not measured"))

    startup = None
    wall_note = ""
    gravilo = os.path.join(run.build, "app", "gravilo")
    minimal = run.binary("startup", "bench_minimal_window")
    if os.access(gravilo, os.X_OK) and minimal:
        sys.stderr.write("  starting both programs %d times each ...\n" % args.starts)
        with tempfile.TemporaryDirectory() as folder:
            medians = run.processes({
                "gravilo": [gravilo, "--screenshot", os.path.join(folder, "gravilo.png")],
                "minimal": [minimal, os.path.join(folder, "minimal.png")],
            }, args.starts)
        if medians:
            cpu, wall = medians
            startup = (cpu["gravilo"] / cpu["minimal"], cpu["gravilo"], cpu["minimal"])
            wall_note = "; wall %.1f / %.1f ms" % (wall["gravilo"], wall["minimal"])
    add(5, "start-up: gravilo --screenshot / minimal Qt program", startup, 1.3,
        "%.1f ms / %.1f ms" + wall_note)

    hosts = run.google("endpoint", "bench_endpoint", "real_time")
    add(6, "host message: endpoints / plain socket ping-pong",
        ratio(hosts, "HostMessage_Endpoints", "HostMessage_Socket"), 3.0, "%.1f us / %.1f us", 1e3)
    add(7, "axes: Gravilo full repaint / QCustomPlot replot",
        ratio(chart, "Axes_Gravilo", "Axes_QCustomPlot"), 1.0,
        "%.0f us / %.0f us" if peer else "QCustomPlot not found", 1e3)

    peer_note = "%.2f ms / %.2f ms" if peer else "QCustomPlot not found"
    for n, label, target in ((100000, "100 000", 1.0), (1000000, "1 000 000", 1.0)):
        add(8, "line, N = %s: Gravilo / QCustomPlot sampling" % label,
            ratio(chart, "Line_Gravilo/%d" % n, "Line_QCustomPlot/%d" % n), target, peer_note)
    add(9, "line, pan step, 1 000 000: / QCustomPlot sampling",
        ratio(chart, "LinePan_Gravilo/1000000", "LinePan_QCustomPlot/1000000"), 1.0, peer_note)
    add(9, "marks, pan step, 1 000 000: Gravilo / QCustomPlot",
        ratio(chart, "MarksPan_Gravilo/1000000", "MarksPan_QCustomPlot/1000000"), 0.065, peer_note)
    add(10, "line, 1 000 000, x zoomed in 100x: / QCustomPlot sampling",
        ratio(chart, "LineZoom_Gravilo/1000000", "LineZoom_QCustomPlot/1000000"), 1.5, peer_note)
    add(10, "bulk series, 1 000 000: AddPolyline / QCustomPlot setData",
        ratio(chart, "BulkAdd_Gravilo/1000000", "BulkAdd_QCustomPlot/1000000"), 1.0, peer_note)
    add(10, "bulk series, 1 000 000: render / QCustomPlot sampling",
        ratio(chart, "BulkLine_Gravilo/1000000", "Line_QCustomPlot/1000000"), 1.0, peer_note)
    bulk = chart.get("BulkMemory_Gravilo/1000000")
    figures.append((10, "bulk series, 1 000 000: bytes per point, index included",
                    bulk["raw"]["bytes_per_point"] if bulk else None, 24.0,
                    "measured on the heap" if bulk else "not measured"))
    for n in (100000, 1000000):
        unsampled = ratio(chart, "Line_Gravilo/%d" % n, "LineUnsampled_QCustomPlot/%d" % n)
        if unsampled:
            notes.append("line, N = %d: Gravilo / QCustomPlot without sampling %.3g (%.2f ms / %.2f ms)"
                         % (n, unsampled[0], unsampled[1], unsampled[2]))

    print()
    print("Gravilo performance figures: ratios of medians measured in this run")
    print("(%d interleaved repetitions each, %d alternating starts; processor time of the process,"
          " wall time for the host messages)" % (args.repetitions, args.starts))
    print()
    print("   #  %-58s %9s  %8s  %-8s  %s" % ("figure", "measured", "target", "result", "medians"))
    met_all = True
    for number, text, value, target, detail in figures:
        if value is None:
            print("  %2d  %-58s %9s  %8s  %-8s  %s" % (number, text, "-", "<= %g" % target, "-", detail))
            met_all = False
            continue
        met = value <= target
        met_all &= met
        print("  %2d  %-58s %9.3g  %8s  %-8s  %s" % (number, text, value, "<= %g" % target,
                                                   "met" if met else "NOT met", detail))
    print()
    for note in notes:
        print("  " + note)
    if notes:
        print()
    return 0 if met_all else 1


if __name__ == "__main__":
    sys.exit(main())
