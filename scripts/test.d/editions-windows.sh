#!/usr/bin/env bash
# The current editions' Windows pair (-DKODOWNIK_EDITIONS=current, x86-64
# mingw-w64): Kodownik_W.dll and Kodownik_A.dll in
# build/windows-x64-current/current/ (the snapshot pairs keep their names),
# their export tables, and under 64-bit Wine the vectors that hold for these
# editions plus their own. (The i686 pair is built from the same sources; the
# 64-bit one is the one every machine here can run.)
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)
dir=build/windows-x64-current
jobs=$(nproc 2>/dev/null || echo 2)
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
export WINEDEBUG=-all
export WINEPREFIX=${WINEPREFIX64:-$root/build/wineprefix64}
wine64=${WINE64:-$(command -v wine64 || echo /usr/lib/wine/wine64)}
mkdir -p build
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" \
  -DKODOWNIK_EDITIONS=current "${launcher[@]}" >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; exit 1; }
cmake --build "$dir" -j "$jobs" --target Kodownik_W Kodownik_A kodownik_conformance

python3 tests/exports/check_exports.py --list src/frame/exports.txt --objdump x86_64-w64-mingw32-objdump \
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
  "$wine64" "$dir/tests/kodownik_conformance.exe" "$dir/current/Kodownik_$v.dll" "${bulk[@]}" tests/editions/*.vec \
    | tail -n 3 || status=1
done
exit $status
