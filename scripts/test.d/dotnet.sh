#!/usr/bin/env bash
# The .NET binding under Mono against build/native/libKodownik_W.so: the
# test program (N passed, N failed), the C# example of README.md's ".NET"
# section compiled and run with its output compared to the README, the
# Mono dllmap way of finding the library, and the NuGet package of
# scripts/package-dotnet: its layout, and the example run from the package
# alone. Builds build/native (Kodownik_W) and the x86-64 DLL if missing.
set -uo pipefail
cd "$(dirname "$0")/../.."
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
root=$PWD
jobs=$(nproc 2>/dev/null || echo 2)
out=build/dotnet
mkdir -p build "$out"
export MONO_ENV_OPTIONS=${MONO_ENV_OPTIONS:-}
ensure() {  # DIR TOOLCHAIN-OR-EMPTY TARGET
  local dir=$1 tc=$2 target=$3
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" ${tc:+-DCMAKE_TOOLCHAIN_FILE=$root/cmake/$tc} \
      >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; return 1; }
  fi
  cmake --build "$dir" -j "$jobs" --target "$target" >/dev/null || return 1
}
ensure build/native "" Kodownik_W || exit 1

status=0
step() {  # NAME COMMAND...
  local name=$1; shift
  if "$@"; then echo "--- $name: ok"; else echo "--- $name: FAILED"; status=1; fi
}

bash scripts/package-dotnet --assembly-only || exit 1
mcs -langversion:6 -warnaserror -out:"$out/KodownikTests.exe" -r:"$out/Kodownik.dll" -r:System.Core.dll \
  dotnet/tests/KodownikTests.cs || exit 1
step "binding tests" env LD_LIBRARY_PATH="$root/build/native" MONO_PATH="$out" \
  mono "$out/KodownikTests.exe" src/frame/exports.txt

# The README example: the first csharp block of the ".NET" section, and the
# text block that shows its output.
readme_example() {  # KODOWNIK_DLL_DIR LIB_DIR [extra env]
  local dir=$1 lib=$2
  python3 - "$out/example" <<'PY' || return 1
import re, sys
text = open("README.md", encoding="utf-8").read()
section = text.split("\n## .NET\n", 1)[1].split("\n## ", 1)[0]
code = re.search(r"```csharp\n(.*?)```", section, re.S).group(1)
shown = re.search(r"```text\n(.*?)```", section, re.S).group(1)
open(sys.argv[1] + ".cs", "w", encoding="utf-8").write(code)
open(sys.argv[1] + ".expected", "w", encoding="utf-8").write(shown)
PY
  mcs -out:"$out/example.exe" -r:"$dir/Kodownik.dll" "$out/example.cs" || return 1
  env LD_LIBRARY_PATH="$lib" MONO_PATH="$dir" mono "$out/example.exe" >"$out/example.out" || return 1
  diff -u "$out/example.expected" "$out/example.out"
}
step "README example" readme_example "$out" "$root/build/native"

# Mono finds the library by a dllmap beside the assembly, without LD_LIBRARY_PATH.
dllmap() {
  local dir=$out/dllmap
  rm -rf "$dir"; mkdir -p "$dir"
  cp "$out/Kodownik.dll" "$out/example.exe" "$dir/"
  printf '<configuration><dllmap dll="Kodownik_W" target="%s"/></configuration>\n' \
    "$root/build/native/libKodownik_W.so" >"$dir/Kodownik.dll.config"
  (cd "$dir" && env -u LD_LIBRARY_PATH mono example.exe >example.out) && diff -q "$out/example.expected" "$dir/example.out"
}
step "dllmap" dllmap

# The NuGet package: layout, and the example against the package's own files.
package() {
  ensure build/windows-x64 mingw-x86_64.cmake Kodownik_W || return 1
  [ -f build/windows/Kodownik_W.dll ] || ensure build/windows mingw-i686.cmake Kodownik_W || return 1
  bash scripts/package-dotnet >/dev/null || return 1
  local version nupkg dir=$out/nupkg
  version=$(sed -n 's/^project(Kodownik VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
  nupkg=dist/Kodownik.$version.nupkg
  python3 dotnet/tests/check_nupkg.py "$nupkg" "$version" || return 1
  rm -rf "$dir"; python3 -m zipfile -e "$nupkg" "$dir"
  env LD_LIBRARY_PATH="$dir/runtimes/linux-x64/native" MONO_PATH="$dir/lib/netstandard2.0" \
    mono "$out/example.exe" | diff -q "$out/example.expected" - || return 1
  # the binding tests with the package's assembly alone (not the one of
  # build/dotnet): Kodownik.Editions reads the package's own statement
  mkdir -p "$dir/run" && cp "$out/KodownikTests.exe" "$dir/run/"
  env LD_LIBRARY_PATH="$dir/runtimes/linux-x64/native" MONO_PATH="$dir/lib/netstandard2.0" \
    KODOWNIK_EXPECT_EDITIONS=snapshot mono "$dir/run/KodownikTests.exe" src/frame/exports.txt | tail -n 1 \
    | grep -q " 0 failed" || return 1
  # the package of the current editions, where their three builds exist
  if [ -f build/windows-current/current/Kodownik_W.dll ] && [ -f build/windows-x64-current/current/Kodownik_W.dll ] \
     && [ -f build/editions-current/libKodownik_W.so ]; then
    KODOWNIK_EDITIONS=current bash scripts/package-dotnet >/dev/null || return 1
    python3 dotnet/tests/check_nupkg.py "dist/current/Kodownik.$version.nupkg" "$version" current || return 1
  else
    echo "dotnet: no current editions package (its Windows and Linux builds are not all there)"
  fi
}
step "NuGet package" package
exit $status
