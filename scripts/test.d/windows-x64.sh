#!/usr/bin/env bash
# The x86-64 Windows DLLs (build/windows-x64, mingw-w64 x86_64) under 64-bit
# Wine, as the i686 ones are tested: export and import tables, the MSVC
# decorations read back with llvm-undname, the conformance vectors for W and
# A (and each *_first_call.vec in a fresh process), and the thread and
# load/unload stress test. Builds build/windows-x64 if it is missing.
set -uo pipefail
cd "$(dirname "$0")/../.."
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
dir=build/windows-x64
export WINEDEBUG=-all
# A prefix of its own: 64-bit Wine needs a 64-bit prefix.
export WINEPREFIX=${WINEPREFIX64:-$PWD/build/wineprefix64}
wine64=${WINE64:-$(command -v wine64 || echo /usr/lib/wine/wine64)}
mkdir -p build
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-x86_64.cmake" \
    >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; exit 1; }
fi
cmake --build "$dir" -j "$(nproc 2>/dev/null || echo 2)" >"$dir.build.log" 2>&1 || { tail -40 "$dir.build.log"; exit 1; }

status=0
step() {  # NAME COMMAND...
  local name=$1; shift
  if "$@"; then echo "--- $name: ok"; else echo "--- $name: FAILED"; status=1; fi
}
step "exports and imports" python3 tests/exports/check_exports.py --list src/frame/exports.txt \
  --objdump x86_64-w64-mingw32-objdump --win-w "$dir/Kodownik_W.dll" --win-a "$dir/Kodownik_A.dll"
step "decorations" python3 tests/exports/check_decorations.py --list src/frame/exports.txt
for v in W A; do
  step "conformance $v" "$wine64" "$dir/tests/kodownik_conformance.exe" "$dir/Kodownik_$v.dll" tests/vectors/*.vec
  for f in tests/vectors/*_first_call.vec; do
    [ -e "$f" ] || continue
    step "first call $v $(basename "$f" .vec)" "$wine64" "$dir/tests/kodownik_conformance.exe" "$dir/Kodownik_$v.dll" "$f"
  done
done
step "threads and load/unload" "$wine64" "$dir/tests/kodownik_win_threads.exe" "$dir/Kodownik_W.dll" "$dir/Kodownik_A.dll"
ls -l "$dir"/Kodownik_?.dll | awk '{print "size", $NF, $5}'
exit $status
