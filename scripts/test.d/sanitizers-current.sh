#!/usr/bin/env bash
# The current editions (-DKODOWNIK_EDITIONS=current) under AddressSanitizer +
# UndefinedBehaviorSanitizer (build/asan-current, clang): the two libraries,
# the conformance runner and the A/W differential test only, so that the
# stage stays short. The runner takes every vector that holds for these
# editions (tests/editions/filter_vectors.py) plus tests/editions/*.vec; the
# differential test sends the same cases and a fixed-seed stream of random
# ones to both libraries. Any report fails the run. With ccache the objects
# are shared with build/asan (sanitizers.sh): the build directory is not
# hashed, and only the editions' tables differ.
set -uo pipefail
cd "$(dirname "$0")/../.."
dir=build/asan-current
jobs=$(nproc 2>/dev/null || echo 2)
mkdir -p build
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

rt=$(clang++ -print-resource-dir 2>/dev/null)/lib/linux
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_NOHASHDIR=true
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKODOWNIK_EDITIONS=current \
  -DKODOWNIK_SANITIZE=address,undefined -DKODOWNIK_WERROR=OFF -DKODOWNIK_BUILD_CLI=OFF \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" \
  -DCMAKE_SHARED_LINKER_FLAGS="-shared-libsan -Wl,-rpath,$rt" -DCMAKE_EXE_LINKER_FLAGS="-shared-libsan -Wl,-rpath,$rt" \
  >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; exit 1; }
cmake --build "$dir" -j "$jobs" --target Kodownik_W Kodownik_A kodownik_conformance kodownik_differential || exit 1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 tests/editions/filter_vectors.py "$work" || exit 1
vectors=()
for f in "$work"/*.vec tests/editions/*.vec; do
  case "$f" in */snapshot_only.vec) ;; *) vectors+=("$f") ;; esac
done

status=0
for v in W A; do
  "$dir/tests/kodownik_conformance" "$dir/libKodownik_$v.so" "${vectors[@]}" 2>&1 | tail -n 30 || status=1
done
"$dir/tests/kodownik_differential" --seed 20260101 --cases 20000 \
  "$dir/libKodownik_W.so" "$dir/libKodownik_A.so" "${vectors[@]}" 2>&1 | tail -n 30 || status=1
exit $status
