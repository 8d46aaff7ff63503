# The Windows archive (scripts/package-windows) works for a host author, with
# both architectures (build/windows from the "windows build" stage;
# build/windows-x64 is built here if missing).
set -e
cd "$(dirname "$0")/../.."
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
for arch in i686:windows x86_64:windows-x64; do
  dir=build/${arch#*:}
  if [ ! -f "$dir/build.ninja" ]; then
    mkdir -p build
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" \
      -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-${arch%%:*}.cmake" >"$dir.configure.log" 2>&1 \
      || { cat "$dir.configure.log"; exit 1; }
  fi
  cmake --build "$dir" -j "$(nproc 2>/dev/null || echo 2)" --target Kodownik_W Kodownik_A >/dev/null
done
bash tests/install/windows.sh build/windows build/windows-x64
