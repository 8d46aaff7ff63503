#!/usr/bin/env bash
# Installs a build into a temporary prefix and builds and runs a small C host
# against the installed tree, once through find_package(Kodownik) and once
# through pkg-config. Usage: run.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; exit 1; }
libdir=$(dirname "$(find "$prefix" -name 'libKodownik_W.so.*.*.*' | head -n 1)")
for f in include/kodownik/kodownik.h; do
  [ -f "$prefix/$f" ] || { echo "missing $f"; exit 1; }
done
for v in W A; do
  [ "$(readelf -d "$libdir/libKodownik_$v.so" | sed -n 's/.*Library soname: \[\(.*\)\]/\1/p')" = "libKodownik_$v.so.1" ] \
    || { echo "libKodownik_$v.so has no soname libKodownik_$v.so.1"; exit 1; }
done

# find_package; the installed tree is moved first, to prove it relocatable.
mv "$prefix" "$work/moved"
prefix=$work/moved
libdir=${libdir/$work\/prefix/$prefix}
cmake -S "$here/consumer" -B "$work/cmake-build" -DCMAKE_PREFIX_PATH="$prefix" >"$work/configure.log" 2>&1 \
  || { cat "$work/configure.log"; exit 1; }
cmake --build "$work/cmake-build" >"$work/build.log" 2>&1 || { cat "$work/build.log"; exit 1; }
"$work/cmake-build/consumer_w"
"$work/cmake-build/consumer_a"

# pkg-config
export PKG_CONFIG_PATH=$libdir/pkgconfig
for v in w a; do
  flags=$(pkg-config --cflags --libs "kodownik-$v")
  # shellcheck disable=SC2086
  cc -std=c99 -Wall -Werror "$here/consumer/main.c" $flags -o "$work/pc_$v"
  LD_LIBRARY_PATH=$libdir "$work/pc_$v"
done
[ "$(pkg-config --modversion kodownik-w)" = "$(pkg-config --modversion kodownik-a)" ]
echo "install: find_package and pkg-config consumers ran"
