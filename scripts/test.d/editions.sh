#!/usr/bin/env bash
# The `current` editions build (-DKODOWNIK_EDITIONS=current): builds the
# Linux libraries, tests and CLI and runs their ctest tests. In this build the
# tests that run the vectors (conformance, first use, threads, A/W
# differential) take every case of tests/vectors/ except those listed in
# tests/editions/snapshot_only.tsv, plus tests/editions/*.vec, and
# editions_snapshot_only_W/A check that each listed case does differ
# (tests/editions/vectors.cmake). The generator check and the Python unit
# tests do not depend on the build, and the Python binding's tests pin the
# snapshot's content: they run in the snapshot build.
set -euo pipefail
cd "$(dirname "$0")/../.."
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
ctest --test-dir "$dir" --output-on-failure -j "$jobs" -E '^(python_unit|python_binding|generated_data_current)$'
