#!/usr/bin/env bash
# Builds every preset and runs every test; the first failure stops it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

presets=(native sanitize windows macos fuzz)
log=$(mktemp)
trap 'rm -f "$log"' EXIT
total=0
for p in "${presets[@]}"; do
  echo "=== $p"
  # Warnings fail the build here, not in everyday builds.
  cmake --preset "$p" -DWARNINGS_AS_ERRORS=ON -DBUILD_TESTING=ON >/dev/null
  cmake --build --preset "$p"
  ctest --preset "$p" | tee "$log"
  total=$((total + $(sed -n 's/.*tests failed out of \([0-9]*\)$/\1/p' "$log")))
done
echo "presets: ${presets[*]}"
echo "$total passed, 0 failed"
