#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures the program against its references, alternately (floor, program,
peer, floor, ...), and reports each figure as the median over the runs with
the ratio to its reference.

  measure.py BUILD RUNS RESULTS.md   (on an X server without a window manager)
"""

import datetime
import os
import platform
import re
import statistics
import subprocess
import sys

BUILD, RUNS, RESULTS = sys.argv[1], int(sys.argv[2]), sys.argv[3]
PROGRAM = f"{BUILD}/window/reki-i-selishta"
FLOOR = f"{BUILD}/bench/floor"
PEER = f"{BUILD}/bench/peer"
PROBE = f"{BUILD}/bench/xprobe"
CHAINS = 200

# The eight option buttons on their captions (which both windows share), then
# the first four rows of the list. A river is chosen when the button is let
# go, a settlement when the row is pressed.
CLICKS = [f"112,{65 + 16 * river},release" for river in range(8)] + \
         [f"250,{74 + 19 * row},press" for row in range(4)]


def probe(program, clicks):
    arguments = [PROBE]
    for click in clicks:
        arguments += ["--click", click]
    line = subprocess.run(arguments + ["--", program], capture_output=True, text=True,
                          check=True).stdout
    values = dict(re.findall(r"(\w+)=(\S*)", line))
    latencies = [int(v) for v in values.get("clicks_us", "").split(",") if v]
    return {"startup": int(values["startup_us"]) / 1000, "peak": int(values["peak_kib"]) / 1024,
            "anon": int(values["anon_kib"]) / 1024,
            "click": statistics.mean(latencies) / 1000 if latencies else None,
            "missed": sum(1 for v in latencies if v < 0)}


def instructions(command, kind):
    out = f"/tmp/reki-callgrind-{os.getpid()}.out"
    subprocess.run(["valgrind", "--tool=callgrind", "--collect-atstart=no", "--toggle-collect=runChains",
                    f"--callgrind-out-file={out}"] + command + [kind, str(CHAINS)],
                   capture_output=True, check=True,
                   env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    with open(out, encoding="ascii") as data:
        total = int(re.search(r"^(?:summary|totals): (\d+)", data.read(), re.M).group(1))
    os.remove(out)
    return total / CHAINS


def startup_instructions(program):
    """Instructions from the start until the window is shown and the loop idles, offscreen; the
    process is ended after 10 s, long after that."""
    out = f"/tmp/reki-callgrind-startup-{os.getpid()}.out"
    subprocess.run(["timeout", "-s", "TERM", "10", "valgrind", "--tool=callgrind",
                    f"--callgrind-out-file={out}", program], capture_output=True,
                   env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    with open(out, encoding="ascii") as data:
        total = int(re.search(r"^(?:summary|totals): (\d+)", data.read(), re.M).group(1))
    os.remove(out)
    return total


def main():
    samples = {name: [] for name in ("floor", "program", "peer")}
    cost = {(who, kind): [] for who in ("program", "peer") for kind in ("river", "settlement")}
    for run in range(RUNS):
        samples["floor"].append(probe(FLOOR, []))
        samples["program"].append(probe(PROGRAM, CLICKS))
        samples["peer"].append(probe(PEER, CLICKS))
        for kind in ("river", "settlement"):
            cost[("program", kind)].append(instructions([f"{BUILD}/bench/program-chains"], kind))
            cost[("peer", kind)].append(instructions([PEER, "--chains"], kind))
        print(f"run {run + 1} of {RUNS} done", file=sys.stderr)

    # Counted once: the count hardly varies from run to run.
    startup = {name: startup_instructions(path) for name, path in
               (("floor", FLOOR), ("program", PROGRAM), ("peer", PEER))}

    def median(name, key):
        return statistics.median(s[key] for s in samples[name])

    rows = [
        ("start-up to first pixels (ms)", median("program", "startup"), "floor", median("floor", "startup"), 1.05),
        ("peak resident memory (MiB)", median("program", "peak"), "floor", median("floor", "peak"), 1.05),
        ("  of it the process's own, anonymous (MiB)", median("program", "anon"), "floor",
         median("floor", "anon"), None),
        ("start-up, against the peer (ms)", median("program", "startup"), "peer",
         median("peer", "startup"), None),
        ("peak resident memory, against the peer (MiB)", median("program", "peak"), "peer",
         median("peer", "peak"), None),
        ("click to finished repaint (ms, mean of 12)", median("program", "click"), "peer",
         median("peer", "click"), 1.0),
    ]
    rows += [
        ("start-up instructions, to a shown and idle window", startup["program"], "floor",
         startup["floor"], None),
        ("start-up instructions, against the peer", startup["program"], "peer", startup["peer"], None),
    ]
    for kind in ("river", "settlement"):
        rows.append((f"instructions per {kind} chain", statistics.median(cost[("program", kind)]), "peer",
                     statistics.median(cost[("peer", kind)]), 1.0))
    missed = sum(s["missed"] for s in samples["program"] + samples["peer"])

    lines = ["| figure | program | reference | reference's value | ratio | target | met |",
             "|---|---:|---|---:|---:|---:|---|"]
    for name, value, reference, base, target in rows:
        ratio = value / base
        met = "" if target is None else ("yes" if ratio <= target else "no")
        shown = f"{value:,.0f}" if value > 1000 else f"{value:.2f}"
        shown_base = f"{base:,.0f}" if base > 1000 else f"{base:.2f}"
        lines.append(f"| {name} | {shown} | {reference} | {shown_base} | {ratio:.3f} | "
                     f"{'' if target is None else f'≤ {target:.2f}'} | {met} |")
    table = "\n".join(lines)
    print(table)
    cpu = next((l.split(":", 1)[1].strip() for l in open("/proc/cpuinfo") if l.startswith("model name")), "?")
    qt = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "libqt6widgets6"], capture_output=True,
                        text=True).stdout
    with open(RESULTS, "w", encoding="utf-8") as results:
        results.write(f"""# Benchmark results

Measured {datetime.date.today().isoformat()} on {platform.node() or 'this machine'}: {cpu},
{os.cpu_count()} cores, {platform.system()} {platform.release()}, Qt {qt}, Xvfb without a window
manager. Each figure is the median of {RUNS} runs, taken alternately (floor, program, peer, …);
instructions are counted by callgrind over {CHAINS} chains, offscreen, and divided by {CHAINS}.

Reproduce with `bench/run.sh` (or `bench/run.sh 15` for more runs).

{table}

- *floor*: a plain Qt Widgets window of the same size with one label (`bench/floor.cpp`).
- *peer*: a straightforward Qt rendering of the same window and behaviour: widgets set up in
  code, signals to lambdas, each report built in one string and set once (`bench/peer.cpp`).
- Start-up runs from the fork of the process to the first DAMAGE report on its new top-level
  window; peak memory is VmHWM once the window has been quiet for 300 ms.
- A click's latency runs from the XTest event that makes the choice (the release on an option
  button, the press on a list row) to the last repaint before 150 ms of quiet, so the whole report
  is on screen. Clicks that caused no repaint: {missed}.
- Start-up instructions are counted by callgrind once per program, offscreen, from the start of
  the process until it is ended 10 s later, its window long shown and its loop idle. They
  change little from run to run, where the time to first pixels varies by a tenth.
""")


if __name__ == "__main__":
    main()
