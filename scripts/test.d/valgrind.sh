#!/usr/bin/env bash
# Valgrind memcheck over the conformance runner and the thread/lifecycle test,
# for the native W and A libraries (build/native, built if missing): no
# memory errors, nothing definitely lost once the library has been unloaded
# (the thread test unloads it 53 times; the runner's copy goes at exit).
set -uo pipefail
cd "$(dirname "$0")/../.."
dir=build/native
mkdir -p build
if [ ! -x "$dir/tests/kodownik_threads" ] || [ ! -x "$dir/tests/kodownik_conformance" ]; then
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; exit 1; }
fi
cmake --build "$dir" -j "$(nproc 2>/dev/null || echo 2)" >/dev/null || exit 1

status=0
check() {  # NAME COMMAND...
  local name=$1; shift
  local log="$dir/valgrind-$name.log"
  valgrind --error-exitcode=99 --leak-check=full --show-leak-kinds=definite,indirect \
    --errors-for-leak-kinds=definite,indirect "$@" >"$log.out" 2>"$log"
  local rc=$?
  local errors leak
  errors=$(grep -E "ERROR SUMMARY" "$log" | tail -1)
  if grep -q "All heap blocks were freed" "$log"; then leak="definitely lost: 0 bytes (all heap blocks freed)"
  else leak=$(grep -E "definitely lost:" "$log" | tail -1 | sed 's/^==[0-9]*== *//'); fi
  echo "$name: ${errors#*== }; $leak; $(tail -1 "$log.out")"
  if [ $rc -eq 99 ] || ! echo "$leak" | grep -q "definitely lost: 0 bytes"; then
    status=1
    grep -E "^==[0-9]+== ( |Invalid|Conditional|Use of|Syscall|Mismatched|[0-9,]+ bytes)" "$log" | head -40
  fi
}
for v in W A; do
  lib=$dir/libKodownik_$v.so
  check "conformance_$v" "$dir/tests/kodownik_conformance" "$lib" tests/vectors/*.vec
  check "threads_$v" "$dir/tests/kodownik_threads" "$lib" tests/vectors/*.vec
done
exit $status
