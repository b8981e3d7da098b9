#!/usr/bin/env bash
# Builds every preset and runs every test; the first failure stops it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

# Warnings fail the build here, not in everyday builds.
presets=(native sanitize windows macos fuzz)
for p in "${presets[@]}"; do
  echo "=== $p"
  cmake --preset "$p" -DWARNINGS_AS_ERRORS=ON -DBUILD_TESTING=ON >/dev/null
  cmake --build --preset "$p"
  ctest --preset "$p"
done
echo "all presets passed: ${presets[*]}"
