#!/usr/bin/env bash
# Instructions per call of every case and implementation, counted by
# callgrind: the driver makes N calls with instrumentation on for the calls
# alone; Ir / N is printed as "case impl instructions_per_call".
#
#   bash bench/callgrind.sh BUILD_DIR [W|A] [N] > callgrind.txt
set -euo pipefail
build=$1
v=${2:-W}
n=${3:-2000}
driver=$build/bench/kodownik_callgrind_$v
lib=$build/libKodownik_$v.so
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for c in $("$driver" --list); do
  for impl in lib hash sqlite; do
    valgrind --tool=callgrind --instr-atstart=no --callgrind-out-file="$out/cg" \
      "$driver" "$lib" "$c" "$impl" "$n" >/dev/null 2>"$out/log"
    ir=$(sed -n "s/^totals: *//p" "$out/cg" | tail -1)
    awk -v c="$c" -v i="$impl" -v ir="$ir" -v n="$n" 'BEGIN { printf "%s %s %.1f\n", c, i, ir / n }'
  done
done
