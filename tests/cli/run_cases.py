#!/usr/bin/env python3
"""Runs one case table against a subsetmax binary and reports every mismatch."""
import argparse
import os
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from cases import TABLES  # noqa: E402

# Modes every edge case must agree in.
EDGE_MODES = [[], ["--exhaustive"]]


def run(cmd, stdin):
    p = subprocess.run(cmd, input=stdin.encode("latin-1"), capture_output=True, timeout=120)
    return p.returncode, p.stdout, p.stderr


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--exe", required=True)
    ap.add_argument("--table", required=True, choices=sorted(TABLES))
    ap.add_argument("--emulator", default="", help="command that runs the program, if any")
    ap.add_argument("--crlf", action="store_true", help="the platform ends lines with CRLF")
    args = ap.parse_args()

    prefix = args.emulator.split() if args.emulator else []
    failures = 0
    count = 0
    with tempfile.TemporaryDirectory() as tmp:
        for name, argv, stdin, want_out, want_status, err_pattern in TABLES[args.table]:
            modes = EDGE_MODES if args.table == "edge" else [[]]
            for mode in modes:
                count += 1
                path = os.path.join(tmp, name + ".txt")
                if "{file}" in argv:
                    with open(path, "wb") as f:
                        f.write(stdin.encode("latin-1"))
                cmd = prefix + [args.exe] + mode + [a.replace("{file}", path) for a in argv]
                status, out, err = run(cmd, "" if "{file}" in argv else stdin)
                problems = []
                if status != want_status:
                    problems.append(f"status {status}, want {want_status}")
                if want_out is None:
                    if not out:
                        problems.append("stdout is empty")
                else:
                    want = want_out.replace("\n", "\r\n") if args.crlf else want_out
                    if out != want.encode():
                        problems.append(f"stdout {out!r}, want {want.encode()!r}")
                text = err.decode("latin-1")
                if err_pattern is None:
                    if text:
                        problems.append(f"stderr {text!r}, want nothing")
                elif not re.search(err_pattern, text):
                    problems.append(f"stderr {text!r} does not match {err_pattern!r}")
                if problems:
                    failures += 1
                    print(f"FAIL {name} {' '.join(mode + argv)}")
                    print(f"  input: {stdin!r}")
                    for p in problems:
                        print(f"  {p}")
    print(f"{count - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
