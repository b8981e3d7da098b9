#!/usr/bin/env bash
# Builds subsetmax and runs it on the bundled example.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake --preset native -DBUILD_HARBORSTUB=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build --preset native --target subsetmax >/dev/null
echo "subsetmax examples/items.txt:"
build/native/bin/subsetmax --explain examples/items.txt
