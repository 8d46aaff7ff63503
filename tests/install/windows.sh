#!/usr/bin/env bash
# Packs the Windows cross builds with scripts/package-windows and uses the
# archive as a host author would, for each architecture folder (x86/, x64/):
# builds the C host against the MinGW import libraries and against the .lib
# files, loads the decorated names with GetProcAddress, and runs everything
# under Wine of the same bitness. With builds of the current editions the
# archive also holds current/x86 and current/x64 (each given one is checked
# to be there, laid out as the others, and to be another pair than the
# snapshot's), and its x64 pair is run the same way.
# Usage: windows.sh X86_BUILD_DIR X64_BUILD_DIR [CURRENT_X86_BUILD_DIR [CURRENT_X64_BUILD_DIR]]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build_x86=$(cd "$1" && pwd)
build_x64=$(cd "$2" && pwd)
current_x86=${3:+$(cd "$3" && pwd)}
current_x64=${4:+$(cd "$4" && pwd)}
here=$root/tests/install
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export WINEDEBUG=-all

bash "$root/scripts/package-windows" "$build_x86" "$build_x64" "${current_x86:-/nonexistent}" \
  "${current_x64:-/nonexistent}" >/dev/null
python3 -m zipfile -e "$root/dist/kodownik-windows.zip" "$work"
pkg=$work/kodownik-windows

# The layout host authors are told about in README-windows.md; the snapshot
# pair keeps the plain folders, the current editions' pair is in current/.
folders=(x86 x64)
[ -n "$current_x86" ] && folders+=(current/x86)
[ -n "$current_x64" ] && folders+=(current/x64)
for arch in "${folders[@]}"; do
  for f in Kodownik_W.dll Kodownik_A.dll Kodownik_W.def Kodownik_A.def libKodownik_W.dll.a libKodownik_A.dll.a \
           Kodownik_W.lib Kodownik_A.lib; do
    [ -f "$pkg/$arch/$f" ] || { echo "windows package: $arch/$f is missing"; exit 1; }
  done
done
for arch in x86 x64; do
  if [ -d "$pkg/current/$arch" ]; then
    for v in W A; do
      if cmp -s "$pkg/$arch/Kodownik_$v.dll" "$pkg/current/$arch/Kodownik_$v.dll"; then
        echo "windows package: current/$arch/Kodownik_$v.dll is the snapshot's DLL"; exit 1
      fi
    done
  elif [[ " ${folders[*]} " == *" current/$arch "* ]]; then
    echo "windows package: current/$arch is missing"; exit 1
  fi
done
[ -d "$pkg/current" ] && [ -z "$current_x86$current_x64" ] && { echo "windows package: current/ without a current build"; exit 1; }
[ -f "$pkg/include/kodownik/kodownik.h" ] && [ -f "$pkg/README-windows.md" ] \
  || { echo "windows package: the header or README-windows.md is missing"; exit 1; }

run_arch() {  # ARCH CC WINE PREFIX
  local arch=$1 cc=$2 wine=$3 dir=$work/run-$1 v wide
  export WINEPREFIX=$4
  mkdir -p "$dir"
  cp "$pkg/$arch"/*.dll "$dir/"
  for v in W A; do
    wide=; [ "$v" = W ] && wide=-DKODOWNIK_WIDE
    "$cc" -std=c99 -Wall -Werror $wide -I"$pkg/include" "$here/consumer/main.c" \
      -L"$pkg/$arch" -lKodownik_$v -o "$dir/mingw_$v.exe"
    "$cc" -std=c99 -Wall -Werror $wide -I"$pkg/include" "$here/consumer/main.c" \
      "$pkg/$arch/Kodownik_$v.lib" -o "$dir/lib_$v.exe"
  done
  "$cc" -std=c99 -Wall -Werror "$here/consumer/decorated.c" -o "$dir/decorated.exe"
  if [ "$arch" = x86 ] && ! bash "$root/scripts/can-run-i686"; then
    echo "windows package: SKIPPED running the x86 consumers: this machine cannot execute 32-bit programs" \
         "(they were built and linked against x86/)"
    return 0
  fi
  for v in W A; do
    (cd "$dir" && "$wine" "./mingw_$v.exe" && "$wine" "./lib_$v.exe")
  done
  (cd "$dir" && "$wine" ./decorated.exe W && "$wine" ./decorated.exe A)
}
run_arch x86 "${MINGW_CC:-i686-w64-mingw32-gcc}" wine "${WINEPREFIX:-$root/build/wineprefix}"
run_arch x64 "${MINGW64_CC:-x86_64-w64-mingw32-gcc}" "${WINE64:-$(command -v wine64 || echo /usr/lib/wine/wine64)}" \
  "${WINEPREFIX64:-$root/build/wineprefix64}"
if [ -n "$current_x64" ]; then
  run_arch current/x64 "${MINGW64_CC:-x86_64-w64-mingw32-gcc}" \
    "${WINE64:-$(command -v wine64 || echo /usr/lib/wine/wine64)}" "${WINEPREFIX64:-$root/build/wineprefix64}"
fi
echo "windows package: x86 and x64 import libraries and decorated names work"
