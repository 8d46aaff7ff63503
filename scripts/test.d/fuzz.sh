#!/usr/bin/env bash
# Fuzzes all 59 exports of both text types with libFuzzer (clang, ASan and
# UBSan, library objects linked into the target), seeded from the
# conformance vectors and from fuzz/corpus/{W,A} (inputs that once crashed
# it). FUZZ_SECONDS per target (default 60); the corpus grows in
# build/fuzz/corpus-{W,A} from run to run. A long run:
#   FUZZ_SECONDS=14400 bash scripts/test.d/fuzz.sh
# A crash leaves build/fuzz/crashes/<W|A>-crash-*; show its calls with
#   build/fuzz/fuzz/kodownik_fuzz_seeds --describe W build/fuzz/crashes/W-crash-...
# KODOWNIK_EDITIONS=current fuzzes the current editions' build instead, in
# build/fuzz-current, seeded from their own vectors too (fuzz-current.sh).
set -uo pipefail
cd "$(dirname "$0")/../.."
secs=${FUZZ_SECONDS:-60}
editions=${KODOWNIK_EDITIONS:-snapshot}
dir=build/fuzz
seeds=(tests/vectors/*.vec)
if [ "$editions" = current ]; then
  dir=build/fuzz-current
  seeds+=(tests/editions/*.vec)
fi
mkdir -p build

cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DKODOWNIK_EDITIONS="$editions" -DKODOWNIK_FUZZ=ON -DKODOWNIK_WERROR=OFF -DKODOWNIK_BUILD_TESTS=OFF -DKODOWNIK_BUILD_CLI=OFF \
  >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; exit 1; }
cmake --build "$dir" -j "$(nproc 2>/dev/null || echo 2)" || exit 1

status=0
for v in W A; do
  rm -rf "$dir/seeds-$v"
  rm -f "$dir"/crashes/$v-*
  mkdir -p "$dir/seeds-$v" "$dir/corpus-$v" "$dir/crashes"
  "$dir/fuzz/kodownik_fuzz_seeds" "$v" "$dir/seeds-$v" "${seeds[@]}" || exit 1
  echo "fuzzing $v ($editions editions) for $secs s"
  "$dir/fuzz/kodownik_fuzz_$v" -max_total_time="$secs" -timeout=10 -max_len=8192 -rss_limit_mb=3072 \
    -print_final_stats=1 -artifact_prefix="$dir/crashes/$v-" "$dir/corpus-$v" "$dir/seeds-$v" "fuzz/corpus/$v" \
    >"$dir/fuzz-$v.log" 2>&1
  rc=$?
  grep -E "^#[0-9]+ +(INITED|DONE)|^stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)" \
    "$dir/fuzz-$v.log"
  if [ $rc -ne 0 ]; then
    status=1
    grep -E "ERROR|SUMMARY|^    #[0-9]" "$dir/fuzz-$v.log" | head -30
    for f in "$dir"/crashes/$v-*; do
      [ -e "$f" ] && "$dir/fuzz/kodownik_fuzz_seeds" --describe "$v" "$f"
    done
  fi
done
exit $status
