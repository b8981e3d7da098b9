#!/usr/bin/env bash
# Builds the release program and runs the benchmark; updates README.md and
# bench/time-vs-n.svg. Extra arguments go to bench/run.py (--help lists them).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh bench
cmake --preset native >/dev/null
cmake --build --preset native --target subsetmax subsetmax_gen >/dev/null
exec python3 bench/run.py "$@"
