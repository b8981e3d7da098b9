#!/usr/bin/env bash
# Installs the Debian packages a task needs, only those missing.
# Usage: scripts/install-deps.sh run|test|bench
set -euo pipefail

run_pkgs=(cmake ninja-build g++ python3)
test_pkgs=("${run_pkgs[@]}" googletest libgtest-dev
  g++-mingw-w64-i686 wine wine32:i386
  clang-14 lld-14 llvm-14 llvm-14-tools libclang-rt-14-dev gdb zlib1g-dev libncurses-dev)
bench_pkgs=("${run_pkgs[@]}" hyperfine gnuplot-nox time)

case "${1:-}" in
  run) want=("${run_pkgs[@]}") ;;
  test) want=("${test_pkgs[@]}") ;;
  bench) want=("${bench_pkgs[@]}") ;;
  *) echo "usage: $0 run|test|bench" >&2; exit 2 ;;
esac

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

missing=()
for p in "${want[@]}"; do
  # A python3 outside Debian's packages will do.
  if [[ $p == python3 ]] && command -v python3 >/dev/null; then continue; fi
  installed "$p" || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "installing: ${missing[*]}" >&2
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
if printf '%s\n' "${missing[@]}" | grep -q ':i386$' &&
   ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo[@]}" dpkg --add-architecture i386
fi
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq \
  "${missing[@]}" >&2
