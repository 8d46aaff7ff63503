#!/usr/bin/env bash
# Under Wine: the public header's C89 host against each Windows DLL (named
# results and their polarity, tests/header/status_codes.c), and every
# example of the header against both DLLs. Uses build/windows, built by the
# "windows build" stage of scripts/test (or here, if missing).
set -uo pipefail
cd "$(dirname "$0")/../.."
dir=build/windows
export WINEDEBUG=-all
export WINEPREFIX=${WINEPREFIX:-$PWD/build/wineprefix}
if [ ! -f "$dir/build.ninja" ]; then
  mkdir -p build
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-i686.cmake" \
    >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; exit 1; }
fi
cmake --build "$dir" -j "$(nproc 2>/dev/null || echo 2)" >/dev/null || exit 1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for v in W A; do
  # the host finds its DLL beside it
  cp "$dir/tests/kodownik_header_c89_$v.exe" "$dir/Kodownik_$v.dll" "$work/"
  wine "$work/kodownik_header_c89_$v.exe" || status=1
  python3 tests/header/check_examples.py "$dir/Kodownik_$v.dll" wine "$dir/tests/kodownik_conformance.exe" || status=1
done
exit $status
