#!/usr/bin/env python3
"""Checks a Windows executable's PE headers: a 32-bit i386 console program
that imports only the system's own DLLs."""
import re
import subprocess
import sys

WANT_DLLS = {"KERNEL32.dll", "msvcrt.dll"}


def main():
    objdump, exe = sys.argv[1], sys.argv[2]
    text = subprocess.run([objdump, "-p", exe], capture_output=True, text=True, check=True).stdout
    problems = []
    if not re.search(r"file format pei-i386", text):
        problems.append("not a pei-i386 image")
    if not re.search(r"^Magic\s+010b\s+\(PE32\)", text, re.M):
        problems.append("optional header is not PE32")
    if not re.search(r"^Subsystem\s+00000003\s+\(Windows CUI\)", text, re.M):
        problems.append("subsystem is not the console (Windows CUI)")
    dlls = re.findall(r"^\s*DLL Name: (\S+)", text, re.M)
    if set(dlls) != WANT_DLLS or len(dlls) != len(WANT_DLLS):
        problems.append(f"imports {sorted(dlls)}, want exactly {sorted(WANT_DLLS)}")
    for p in problems:
        print(f"FAIL {p}")
    print(f"{4 - len(problems)} passed, {len(problems)} failed")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
