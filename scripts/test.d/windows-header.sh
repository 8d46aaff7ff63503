#!/usr/bin/env bash
# Under Wine: the public header's C89 host against each Windows DLL (named
# results and their polarity, tests/header/status_codes.c), and every
# example of the header against both DLLs; for the i686 DLLs (build/windows,
# where this machine can run 32-bit programs) and the x86-64 ones
# (build/windows-x64). Builds what is missing.
set -uo pipefail
cd "$(dirname "$0")/../.."
export WINEDEBUG=-all
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
status=0
ran=0
check_arch() {  # DIR TOOLCHAIN WINE PREFIX
  local dir=$1 toolchain=$2 wine=$3 v work
  export WINEPREFIX=$4
  if [ ! -f "$dir/build.ninja" ]; then
    mkdir -p build
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" \
      -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/$toolchain.cmake" >"$dir.configure.log" 2>&1 \
      || { cat "$dir.configure.log"; status=1; return; }
  fi
  cmake --build "$dir" -j "$(nproc 2>/dev/null || echo 2)" >/dev/null || { status=1; return; }
  work=$(mktemp -d)
  for v in W A; do
    # the host finds its DLL beside it
    cp "$dir/tests/kodownik_header_c89_$v.exe" "$dir/Kodownik_$v.dll" "$work/"
    "$wine" "$work/kodownik_header_c89_$v.exe" || status=1
    python3 tests/header/check_examples.py "$dir/Kodownik_$v.dll" "$wine" "$dir/tests/kodownik_conformance.exe" || status=1
  done
  rm -rf "$work"
  ran=$((ran + 1))
}
if bash scripts/can-run-i686; then
  check_arch build/windows mingw-i686 wine "${WINEPREFIX:-$PWD/build/wineprefix}"
fi
check_arch build/windows-x64 mingw-x86_64 "${WINE64:-$(command -v wine64 || echo /usr/lib/wine/wine64)}" \
  "${WINEPREFIX64:-$PWD/build/wineprefix64}"
echo "windows header: $ran of 2 architectures run"
exit $status
