#!/usr/bin/env bash
# Usage: check-image.sh FILECHECK CHECKFILE PREFIX COMMAND...
# Runs COMMAND (a dump of the image) and checks its output against the
# PREFIX lines of CHECKFILE.
set -euo pipefail
filecheck=$1 checks=$2 prefix=$3
shift 3
"$@" | "$filecheck" "$checks" --check-prefix="$prefix" --dump-input=fail
