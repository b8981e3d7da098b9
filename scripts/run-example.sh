#!/usr/bin/env bash
# Builds subsetmax alone (build/release/bin/subsetmax) and runs it on the
# bundled example.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake --preset release >/dev/null
cmake --build --preset release >/dev/null
echo "subsetmax --explain examples/items.txt:"
build/release/bin/subsetmax --explain examples/items.txt
