#!/usr/bin/env bash
# The WebAssembly build and the npm package: builds build/wasm (scripts/wasm),
# runs every W case of tests/vectors/*.vec through the package's raw layer
# under Node (the native answers exactly), then the package's own tests
# (node --test: raw and idiomatic layers, bad input, memory over 100,000
# calls, npm pack installed offline, its README example run and its types
# checked by TypeScript).
set -uo pipefail
cd "$(dirname "$0")/../.."
command -v node >/dev/null || { echo "wasm: node not found"; exit 1; }
bash scripts/wasm || exit 1
# The test-only tools (TypeScript for the types check; puppeteer-core for the
# web stage), from web/test's lockfile, when they are missing.
if [ ! -d web/test/node_modules/typescript ] || [ ! -d web/test/node_modules/puppeteer-core ]; then
  (cd web/test && npm ci --no-audit --no-fund --ignore-scripts >/dev/null) || { echo "wasm: npm ci in web/test failed"; exit 1; }
fi
status=0
node js/tools/vectors.mjs tests/vectors/*.vec || status=1
log=build/wasm/node-test.log
if (cd js && node --test test/) >"$log" 2>&1; then
  grep -E '^# (tests|pass|fail) ' "$log" | tr '\n' ' '; echo
else
  grep -B2 -A30 '^not ok' "$log" | head -100
  grep -E '^# (tests|pass|fail) ' "$log"
  status=1
fi
exit $status
