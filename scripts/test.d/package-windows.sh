# The Windows archive (scripts/package-windows) works for a host author, with
# both architectures (build/windows from the "windows build" stage;
# build/windows-x64 is built here if missing) and the current editions' pair
# in current/: build/windows-current from the editions-windows stage where it
# was built, build/windows-x64-current built here (ccache shares every object
# but the editions' tables with build/windows-x64).
set -e
cd "$(dirname "$0")/../.."
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
for arch in i686:windows:snapshot x86_64:windows-x64:snapshot x86_64:windows-x64-current:current; do
  IFS=: read -r cpu name editions <<<"$arch"
  dir=build/$name
  if [ ! -f "$dir/build.ninja" ]; then
    mkdir -p build
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" -DKODOWNIK_EDITIONS="$editions" \
      -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-$cpu.cmake" >"$dir.configure.log" 2>&1 \
      || { cat "$dir.configure.log"; exit 1; }
  fi
  cmake --build "$dir" -j "$(nproc 2>/dev/null || echo 2)" --target Kodownik_W Kodownik_A >/dev/null
done
current_x86=
[ -f build/windows-current/current/Kodownik_W.dll ] && current_x86=build/windows-current
bash tests/install/windows.sh build/windows build/windows-x64 "${current_x86:-}" build/windows-x64-current
