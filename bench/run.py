#!/usr/bin/env python3
"""Times subsetmax and writes the table into README.md and a plot as SVG.

Each comparison alternates the two commands and takes the median of the
runs, so drift in the machine's speed hits both alike. Peak memory is the
child's maximum resident set size.
"""
import argparse
import os
import re
import statistics
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def timed(cmd, stdin_path):
    """Wall time in seconds of one run; stdout discarded."""
    with open(stdin_path, "rb") as f:
        start = time.perf_counter()
        subprocess.run(cmd, stdin=f, stdout=subprocess.DEVNULL, check=True)
        return time.perf_counter() - start


def compare(cmds, stdin_path, runs):
    """Median time of each command, runs alternated."""
    times = [[] for _ in cmds]
    for _ in range(runs):
        for i, cmd in enumerate(cmds):
            times[i].append(timed(cmd, stdin_path))
    return [statistics.median(t) for t in times]


def peak_kib(cmd, stdin_path):
    """Peak resident memory of one run, as GNU time reports it (a forked
    Python would count its own pages before the exec)."""
    with open(stdin_path, "rb") as f:
        p = subprocess.run(["/usr/bin/time", "-f", "%M"] + cmd, stdin=f,
                           stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, check=True)
    return int(p.stderr.split()[-1])


def output(cmd, stdin_path):
    with open(stdin_path, "rb") as f:
        return subprocess.run(cmd, stdin=f, capture_output=True, check=True).stdout


def ms(seconds):
    return f"{seconds * 1000:.1f} ms" if seconds < 10 else f"{seconds:.1f} s"


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--build", default=os.path.join(ROOT, "build", "native", "bin"))
    ap.add_argument("--data", default=os.path.join(ROOT, "build", "bench-data"))
    ap.add_argument("--runs", type=int, default=5)
    ap.add_argument("--max-exhaustive", type=int, default=26)
    ap.add_argument("--no-readme", action="store_true", help="print the table only")
    args = ap.parse_args()

    exe = os.path.join(args.build, "subsetmax")
    gen = os.path.join(args.build, "subsetmax_gen")
    os.makedirs(args.data, exist_ok=True)

    def data(n, shape):
        path = os.path.join(args.data, f"{shape}-{n}.txt")
        if not os.path.exists(path):
            with open(path + ".tmp", "wb") as f:
                subprocess.run([gen, str(n), "1", shape], stdout=f, check=True)
            os.replace(path + ".tmp", path)
        return path

    lines = []
    lines.append("| n | `--exhaustive` | default | exhaustive / default |")
    lines.append("|---:|---:|---:|---:|")
    plot = []
    for n in range(16, args.max_exhaustive + 1):
        path = data(n, "narrow")
        if output([exe, "--exhaustive"], path) != output([exe], path):
            sys.exit(f"modes disagree on {path}")
        runs = args.runs if n <= 22 else max(1, min(args.runs, 3))
        slow, fast = compare([[exe, "--exhaustive"], [exe]], path, runs)
        lines.append(f"| {n} | {ms(slow)} | {ms(fast)} | {slow / fast:,.0f} |")
        plot.append((n, slow, fast))

    path = data(50, "narrow")
    (fast,) = compare([[exe]], path, args.runs)
    lines.append(f"| 50 | — | {ms(fast)} | — |")
    lines.append("")
    lines.append("| items | input | default | `wc -w` | default / `wc -w` | peak memory |")
    lines.append("|---:|---:|---:|---:|---:|---:|")
    for n in (10**5, 10**6, 10**7):
        path = data(n, "wide")
        fast, wc = compare([[exe], ["wc", "-w"]], path, args.runs)
        peak = peak_kib([exe], path)
        size = os.path.getsize(path) / 1e6
        lines.append(f"| {n:,} | {size:.0f} MB | {ms(fast)} | {ms(wc)} | {fast / wc:.2f} "
                     f"| {peak / 1024:.1f} MiB |")
    table = "\n".join(lines)
    print(table)
    if args.no_readme:
        return

    # The plot: both modes against n, log scale.
    svg = os.path.join(ROOT, "bench", "time-vs-n.svg")
    points = "\n".join(f"{n} {s * 1000} {f * 1000}" for n, s, f in plot)
    script = f"""set terminal svg size 640,400 dynamic font "sans,11"
set output "{svg}"
set logscale y
set xlabel "items n"
set ylabel "time (ms, log scale)"
set key top left
set grid
$d << EOD
{points}
EOD
plot $d using 1:2 with linespoints title "--exhaustive", \\
     $d using 1:3 with linespoints title "default"
"""
    subprocess.run(["gnuplot"], input=script.encode(), check=True)

    readme = os.path.join(ROOT, "README.md")
    text = open(readme).read()
    begin, end = "<!-- bench:begin -->", "<!-- bench:end -->"
    stamp = f"Measured {time.strftime('%Y-%m-%d')} on {os.cpu_count()} cores, median of alternating runs."
    text = re.sub(re.escape(begin) + ".*?" + re.escape(end),
                  lambda _: f"{begin}\n{stamp}\n\n{table}\n{end}", text, flags=re.S)
    open(readme, "w").write(text)
    print(f"wrote {readme} and {svg}")


if __name__ == "__main__":
    main()
