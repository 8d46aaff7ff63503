#!/usr/bin/env bash
# The current editions' build under libFuzzer, as fuzz.sh does the snapshot:
# every export of both text types, a shorter run (FUZZ_SECONDS_CURRENT, 20 s
# per text type by default) since only the tables differ.
set -uo pipefail
cd "$(dirname "$0")/../.."
KODOWNIK_EDITIONS=current FUZZ_SECONDS=${FUZZ_SECONDS_CURRENT:-20} exec bash scripts/test.d/fuzz.sh
