#!/usr/bin/env bash
# The `current` editions build (-DKODOWNIK_EDITIONS=current): builds the two
# Linux libraries, the conformance runner and the CLI, then runs
#  - every case of tests/vectors/ except those listed in
#    tests/editions/snapshot_only.tsv (answered otherwise because a later act
#    closed a period or added an edition), and checks that each listed case
#    does differ, so the list stays exact;
#  - the cases of tests/editions/*.vec (the later editions themselves);
#  - the same through the first-use and thread tests;
#  - the ctest tests that do not rest on the reference answers (exports,
#    unit tests, A/W differential, install, bindings, CLI, first calls).
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)
dir=build/editions-current
jobs=$(nproc 2>/dev/null || echo 2)
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
mkdir -p build
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKODOWNIK_EDITIONS=current "${launcher[@]}" \
  >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; exit 1; }
cmake --build "$dir" -j "$jobs"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 tests/editions/filter_vectors.py "$work"

status=0
for v in W A; do
  lib="$dir/libKodownik_$v.so"
  bulk=()
  for f in "$work"/*.vec; do
    case "$f" in *_first_call.vec|*/snapshot_only.vec) ;; *) bulk+=("$f") ;; esac
  done
  "$dir/tests/kodownik_conformance" "$lib" "${bulk[@]}" tests/editions/*.vec | tail -n 3 || status=1
  # each listed case must differ in this build: none of them may pass
  out=$("$dir/tests/kodownik_conformance" "$lib" "$work/snapshot_only.vec" 2>&1 || true)
  if ! grep -Eq "^$v: 0 passed" <<<"$out"; then
    echo "editions: a case of tests/editions/snapshot_only.tsv no longer differs in $v:"
    grep -v '^FAIL\|^ ' <<<"$out" || true
    status=1
  fi
  "$dir/tests/kodownik_first_use_$v" "${bulk[@]}" tests/editions/*.vec | tail -n 1 || status=1
  "$dir/tests/kodownik_threads" "$lib" "${bulk[@]}" tests/editions/*.vec | tail -n 1 || status=1
done
ctest --test-dir "$dir" --output-on-failure -j "$jobs" \
  -E '^(conformance_[WA]|first_use_[WA]|threads_[WA]|python_unit|generated_data_current)$' || status=1
exit $status
