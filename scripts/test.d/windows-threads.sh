#!/usr/bin/env bash
# Under Wine: both Windows DLLs loaded and freed 20 times each while threads
# come and go, a thread created before LoadLibrary, threads racing the
# one-time build (tests/stress/win_threads.cpp). Uses build/windows, built
# by the "windows build" stage of scripts/test (or here, if missing).
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
bash scripts/can-run-i686 || exit 77
wine "$dir/tests/kodownik_win_threads.exe" "$dir/Kodownik_W.dll" "$dir/Kodownik_A.dll"
