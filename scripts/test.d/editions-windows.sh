#!/usr/bin/env bash
# The current editions' Windows pair (-DKODOWNIK_EDITIONS=current, i686
# mingw-w64): Kodownik_W.dll and Kodownik_A.dll in build/windows-current/current/
# (the snapshot pair of build/windows keeps its names), their export tables,
# and under Wine the vectors that hold for these editions plus their own.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)
dir=build/windows-current
jobs=$(nproc 2>/dev/null || echo 2)
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
export WINEDEBUG=-all
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix}
mkdir -p build
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  -DKODOWNIK_EDITIONS=current "${launcher[@]}" >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; exit 1; }
cmake --build "$dir" -j "$jobs" --target Kodownik_W Kodownik_A kodownik_conformance

python3 tests/exports/check_exports.py --list src/frame/exports.txt \
  --win-w "$dir/current/Kodownik_W.dll" --win-a "$dir/current/Kodownik_A.dll"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 tests/editions/filter_vectors.py "$work"
status=0
for v in W A; do
  bulk=()
  for f in "$work"/*.vec; do
    case "$f" in */snapshot_only.vec) ;; *) bulk+=("$f") ;; esac
  done
  wine "$dir/tests/kodownik_conformance.exe" "$dir/current/Kodownik_$v.dll" "${bulk[@]}" tests/editions/*.vec \
    | tail -n 3 || status=1
done
exit $status
