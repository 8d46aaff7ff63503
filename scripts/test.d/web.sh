#!/usr/bin/env bash
# The dictionary explorer in a real browser: builds the module if needed,
# installs puppeteer-core for the test (web/test, from its lockfile) when it
# is missing, serves the page (scripts/web on a free port) and drives Debian's
# headless Chromium through it (web/test/browser.mjs). Screenshots go to
# build/web/.
set -uo pipefail
cd "$(dirname "$0")/../.."
command -v node >/dev/null || { echo "web: node not found"; exit 1; }
[ -x /usr/bin/chromium ] || [ -n "${CHROMIUM:-}" ] || { echo "web: chromium not found (apt-get install chromium)"; exit 1; }
bash scripts/wasm >/dev/null || { echo "web: the WebAssembly build failed"; exit 1; }
if [ ! -d web/test/node_modules/puppeteer-core ] || [ ! -d web/test/node_modules/typescript ]; then
  (cd web/test && npm ci --no-audit --no-fund --ignore-scripts >/dev/null) || { echo "web: npm ci in web/test failed"; exit 1; }
fi
mkdir -p build/web
log=build/web/server.log
bash scripts/web 0 >"$log" 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null' EXIT
url=
for _ in $(seq 1 100); do
  url=$(grep -o 'http://[^ ]*' "$log" 2>/dev/null | head -1)
  [ -n "$url" ] && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.1
done
[ -n "$url" ] || { echo "web: the server did not start"; cat "$log"; exit 1; }
timeout 180 node web/test/browser.mjs "$url"
