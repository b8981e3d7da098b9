#!/usr/bin/env python3
"""Drives harborstub under gdb the way the REPL's debugger does.

Each scenario lays out a directory tree seven levels deep with the
executable at the bottom, puts copies of a fake runtime library into some of
its run-path directories, breaks on the REPL entry's label, checks where the
runtime came from and what is mapped, continues through several hits (each
a slow call, so the host must keep calling), then deletes the breakpoint and
expects a clean exit with no output.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile

LABEL = "_TF10harborstub9repl_mainFT_Si"
RUNTIME = "libveltaCore.dylib"
# The run-path list, relative to the executable's directory, in order.
RUN_PATHS = [
    "../../../../../Developer/Toolchains/KorboDefault.kbtoolchain/usr/lib/velta/macosx",
    "../../../../../../usr/lib/velta/macosx",
    "../../../../../../../usr/lib/velta/macosx",
    "Rilo.framework/Resources/Velta/macosx",
    "Velta/macosx",
]
HITS = 4  # breakpoint hits before the breakpoint is deleted

# name, run-path entries (1-based) holding the runtime, the entry expected to win
SCENARIOS = [
    ("first_entry_beats_fifth", [1, 5], 1),
    ("every_entry", [1, 2, 3, 4, 5], 1),
    ("second_entry_beats_fourth", [2, 4], 2),
    ("third_entry_alone", [3], 3),
    ("fifth_entry_alone", [5], 5),
    ("no_runtime", [], None),
]


def lay_out(root, exe, runtime, entries):
    bindir = os.path.join(root, *"abcdefg")
    os.makedirs(bindir)
    host = os.path.join(bindir, "harborstub")
    shutil.copy2(exe, host)
    for i in entries:
        d = os.path.normpath(os.path.join(bindir, RUN_PATHS[i - 1]))
        os.makedirs(d, exist_ok=True)
        shutil.copy2(runtime, os.path.join(d, RUNTIME))
    return bindir, host


def gdb_session(gdb, host, out_path):
    # LeakSanitizer cannot work under ptrace; in other builds this is inert.
    cmds = ["set pagination off", "set confirm off",
            "set environment ASAN_OPTIONS=detect_leaks=0", f"break {LABEL}",
            f"run > {out_path} 2>&1", "info sharedlibrary"]
    cmds += ["continue"] * (HITS - 1)
    cmds += ["delete", "continue"]
    argv = [gdb, "-nx", "-batch"] + [a for c in cmds for a in ("-ex", c)] + [host]
    p = subprocess.run(argv, capture_output=True, text=True, timeout=120)
    return p.stdout + p.stderr


def check(name, gdb, exe, runtime, entries, winner):
    problems = []
    with tempfile.TemporaryDirectory() as root:
        bindir, host = lay_out(root, exe, runtime, entries)
        out_path = os.path.join(root, "inferior-output")
        log = gdb_session(gdb, host, out_path)

        hits = len(re.findall(r"^Breakpoint 1, ", log, re.M))
        if hits != HITS:
            problems.append(f"{hits} breakpoint hits, want {HITS} (the host must keep calling)")
        if not re.search(r"\[Inferior 1 \(process \d+\) exited normally\]", log):
            problems.append("the host did not exit with status 0")
        if os.path.exists(out_path) and os.path.getsize(out_path):
            problems.append(f"the host wrote output: {open(out_path, 'rb').read()!r}")

        mapped = re.findall(r"^0x[0-9a-f]+\s+0x[0-9a-f]+\s+\S+\s+(?:\(\*\)\s+)?(/\S+)$", log, re.M)
        for lib in ("libz.so.1", "libpanel.so"):
            if not any(os.path.basename(m).startswith(lib) for m in mapped):
                problems.append(f"{lib} is not mapped while stopped in the REPL entry")
        loaded = [os.path.realpath(m) for m in mapped if m.endswith("/" + RUNTIME)]
        if winner is None:
            if loaded:
                problems.append(f"a runtime was loaded from {loaded}, but none is there")
        else:
            want = os.path.realpath(os.path.join(bindir, RUN_PATHS[winner - 1], RUNTIME))
            if loaded != [want]:
                problems.append(f"runtime loaded from {loaded}, want [{want}] (entry {winner})")

        # And without a debugger: straight through, silent, status 0.
        p = subprocess.run([host], capture_output=True, timeout=60)
        if p.returncode != 0 or p.stdout or p.stderr:
            problems.append(f"alone: status {p.returncode}, output {p.stdout + p.stderr!r}")

    if problems:
        print(f"FAIL {name}: runtime in entries {entries}")
        for p in problems:
            print(f"  {p}")
        print("  gdb said:\n    " + log.replace("\n", "\n    "))
    return not problems


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--exe", required=True)
    ap.add_argument("--runtime", required=True)
    ap.add_argument("--gdb", default="gdb")
    args = ap.parse_args()
    results = [check(n, args.gdb, args.exe, args.runtime, e, w) for n, e, w in SCENARIOS]
    passed = sum(results)
    print(f"{passed} passed, {len(results) - passed} failed")
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
