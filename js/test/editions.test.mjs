// The package says which editions of the code lists its module carries, the
// same way everywhere: the ES and CommonJS entries, package.json, and the
// build script that makes the module.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { readFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import { EDITIONS } from '../index.mjs';

const require = createRequire(import.meta.url);
const pkg = JSON.parse(readFileSync(new URL('../package.json', import.meta.url), 'utf8'));
const wasmScript = readFileSync(fileURLToPath(new URL('../../scripts/wasm', import.meta.url)), 'utf8');

test('every statement of the editions agrees', () => {
  const statements = [
    ['index.mjs', EDITIONS],
    ['index.cjs', require('../index.cjs').EDITIONS],
    ['package.json kodownik.editions', pkg.kodownik && pkg.kodownik.editions],
  ];
  for (const [where, value] of statements) {
    assert.ok(['snapshot', 'current'].includes(value), `${where}: ${value}`);
    assert.equal(value, EDITIONS, where);
  }
  assert.ok(pkg.description.includes(`(${EDITIONS} editions of the code lists)`), pkg.description);
});

test('the module is built from the tables of the editions the package states', () => {
  // scripts/wasm leaves out the current editions' tables exactly when the
  // package says it carries the snapshot
  const leavesOutCurrent = /grep -v '\^src\/data_current\/'/.test(wasmScript);
  const leavesOutSnapshot = /src\/data\/\(dict_/.test(wasmScript);
  assert.equal(leavesOutCurrent, EDITIONS === 'snapshot');
  assert.equal(leavesOutSnapshot, EDITIONS === 'current');
});
