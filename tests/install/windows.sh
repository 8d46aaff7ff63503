#!/usr/bin/env bash
# Packs a Windows cross build with scripts/package-windows and uses the
# archive as a host author would: builds the C host against the MinGW import
# libraries and against the .lib files, loads the decorated names with
# GetProcAddress, and runs everything under Wine. Usage: windows.sh BUILD_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
here=$root/tests/install
cc=${MINGW_CC:-i686-w64-mingw32-gcc}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export WINEDEBUG=-all

bash "$root/scripts/package-windows" "$build" >/dev/null
python3 -m zipfile -e "$root/dist/kodownik-windows.zip" "$work"
pkg=$work/kodownik-windows
cp "$pkg"/bin/*.dll "$work/"
for v in W A; do
  wide=; [ "$v" = W ] && wide=-DKODOWNIK_WIDE
  "$cc" -std=c99 -Wall -Werror $wide -I"$pkg/include" "$here/consumer/main.c" \
    -L"$pkg/lib" -lKodownik_$v -o "$work/mingw_$v.exe"
  "$cc" -std=c99 -Wall -Werror $wide -I"$pkg/include" "$here/consumer/main.c" \
    "$pkg/lib/Kodownik_$v.lib" -o "$work/lib_$v.exe"
  (cd "$work" && wine "./mingw_$v.exe" && wine "./lib_$v.exe")
done
"$cc" -std=c99 -Wall -Werror "$here/consumer/decorated.c" -o "$work/decorated.exe"
(cd "$work" && wine ./decorated.exe W && wine ./decorated.exe A)
echo "windows package: import libraries and decorated names work"
