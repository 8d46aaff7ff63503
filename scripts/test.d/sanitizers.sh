#!/usr/bin/env bash
# The unit, conformance, first-use, thread and differential tests under
# AddressSanitizer + UndefinedBehaviorSanitizer (build/asan, clang: far
# quicker to compile with these sanitizers than gcc) and under
# ThreadSanitizer (build/tsan, gcc: the clang 14 TSan runtime cannot start on
# current kernels). Any report fails the run. ccache, where present, is told
# not to hash the build directory, so build/asan and build/asan-current (the
# current editions, sanitizers-current.sh) share every object but the
# editions' tables.
set -uo pipefail
cd "$(dirname "$0")/../.."
jobs=$(nproc 2>/dev/null || echo 2)
mkdir -p build
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
tests='conformance|unit_|first_use|threads|differential'

# clang links the sanitizer runtime into programs only; the libraries (linked
# with --no-undefined) and the programs then share it as a shared library.
rt=$(clang++ -print-resource-dir 2>/dev/null)/lib/linux
clang_opts=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
            -DCMAKE_SHARED_LINKER_FLAGS="-shared-libsan -Wl,-rpath,$rt"
            -DCMAKE_EXE_LINKER_FLAGS="-shared-libsan -Wl,-rpath,$rt")
gcc_opts=(-DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++)
if command -v ccache >/dev/null; then
  export CCACHE_NOHASHDIR=true
  clang_opts+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi

status=0
run() {  # DIR SANITIZERS CMAKE-OPTIONS...
  local dir=$1 san=$2; shift 2
  echo "--- $san ($dir)"
  if ! cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKODOWNIK_SANITIZE="$san" \
       -DKODOWNIK_WERROR=OFF -DKODOWNIK_BUILD_CLI=OFF "$@" >"$dir.configure.log" 2>&1; then
    cat "$dir.configure.log"; status=1; return
  fi
  cmake --build "$dir" -j "$jobs" || { status=1; return; }
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" -R "$tests" || status=1
}
run build/asan address,undefined "${clang_opts[@]}"
run build/tsan thread "${gcc_opts[@]}"
exit $status
