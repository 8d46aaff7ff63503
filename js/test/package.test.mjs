// The package as a new user gets it: `npm pack`, the tarball installed into
// an empty folder without the network, and the README's example run there,
// printing what the README says it prints. Also: the types are current and
// the tarball holds what the package needs and nothing of the tests.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync, existsSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = fileURLToPath(new URL('..', import.meta.url));
const TSC = fileURLToPath(new URL('../../web/test/node_modules/typescript/bin/tsc', import.meta.url));

// A typed use of the package: what must compile, and what must not.
const TYPED_USE = `import { load, type Kodownik, type Title, type OpisOkresu } from 'kodownik';
const k: Kodownik = await load({ today: () => 20261201 });
const yes: boolean = k.check(10004, '011101', new Date(2003, 0, 1));
const t: Title = k.title('011000', '2026-12-01');
const statuses: ('obligatory' | 'voluntary' | 'notSubject')[] = t.insurances.health;
const e: OpisOkresu | null = k.raw.sl_PobierzOpisOkresu(10013, '1', 20031001);
const dates = k.raw.sl_SprawdzDatyObowiazywaniaKoduTytuluUbezpieczenia('011000');
const from: number | null = dates.valid_from;
const earliest: string | null = k.raw.sl_NajwczesniejszaData(null, ['01012005', null]);
const root = k.raw.sl_PobierzSlownik(10004);
const child = k.slot(k.raw.sl_PobierzOpisKodu(root, '0111'))?.child ?? null;
const mapped: boolean = k.raw.bw_MapujKod('011000', new Uint8Array([0x33, 0x31, 0x31]), null);
// @ts-expect-error a code is a string
k.check(10004, 11101);
// @ts-expect-error the variadic dates are one array
k.raw.sl_NajwczesniejszaData(null, '01012005', '01012004');
// @ts-expect-error an int result is no string
const wrong: string = k.raw.fb_KVDKodSprawdzArkusze(10004, '011101', null);
export { yes, statuses, e, from, earliest, child, mapped, wrong };
`;
const readme = readFileSync(join(here, 'README.md'), 'utf8');

// The first ```js block after "## Example" and the ``` block after it.
function example() {
  const part = readme.slice(readme.indexOf('## Example'));
  const blocks = [...part.matchAll(/```(\w*)\n([\s\S]*?)```/g)];
  return { code: blocks[0][2], prints: blocks[1][2] };
}

test('npm pack, install offline into an empty folder, run the README example', () => {
  const work = mkdtempSync(join(tmpdir(), 'kodownik-pack-'));
  try {
    const out = execFileSync('npm', ['pack', '--json', '--pack-destination', work], { cwd: here, encoding: 'utf8' });
    const [info] = JSON.parse(out);
    const files = info.files.map((f) => f.path).sort();
    for (const f of ['index.mjs', 'index.cjs', 'index.d.ts', 'index.d.cts', 'lib/raw.mjs', 'lib/api.mjs',
      'lib/signatures.mjs', 'dist/kodownik_w.wasm', 'dist/cp1250.mjs', 'README.md', 'package.json']) {
      assert.ok(files.includes(f), `the tarball holds ${f}`);
    }
    assert.ok(!files.some((f) => f.startsWith('test/') || f.startsWith('tools/')), 'no tests in the tarball');

    const app = join(work, 'app');
    execFileSync('mkdir', ['-p', app]);
    execFileSync('npm', ['install', '--offline', '--no-audit', '--no-fund', '--ignore-scripts', '--no-package-lock',
      join(work, info.filename)], { cwd: app, encoding: 'utf8', env: { ...process.env, npm_config_registry: 'http://127.0.0.1:9/' } });
    const installed = JSON.parse(readFileSync(join(app, 'node_modules/kodownik/package.json'), 'utf8'));
    assert.deepEqual(installed.dependencies || {}, {});

    const { code, prints } = example();
    writeFileSync(join(app, 'example.mjs'), code);
    assert.equal(execFileSync(process.execPath, ['example.mjs'], { cwd: app, encoding: 'utf8' }), prints);

    writeFileSync(join(app, 'example.cjs'),
      "require('kodownik').load().then((k) => console.log(k.check(10004, '011101', '2002-12-31')));\n");
    assert.equal(execFileSync(process.execPath, ['example.cjs'], { cwd: app, encoding: 'utf8' }), 'false\n');

    // The types, as a TypeScript user of the installed package sees them
    // (when the test tools are installed: web/test).
    if (existsSync(TSC)) {
      writeFileSync(join(app, 'tsconfig.json'), JSON.stringify({ compilerOptions: {
        strict: true, noEmit: true, module: 'nodenext', moduleResolution: 'nodenext', target: 'es2022',
        lib: ['es2022', 'dom'], types: [], skipLibCheck: false } }));
      writeFileSync(join(app, 'package.json'), JSON.stringify({ type: 'module', private: true }));
      writeFileSync(join(app, 'consumer.ts'), TYPED_USE);
      writeFileSync(join(app, 'consumer.cts'), "import kodownik = require('kodownik');\n" +
        "kodownik.load().then((k) => { const ok: boolean = k.check(10004, '011101'); return ok; });\n");
      try {
        execFileSync(process.execPath, [TSC, '-p', app], { cwd: app, encoding: 'utf8' });
      } catch (e) {
        assert.fail(`tsc: ${e.stdout}${e.stderr}`);
      }
    }
  } finally {
    rmSync(work, { recursive: true, force: true });
  }
});

test('the types are generated from the export table and current', () => {
  execFileSync(process.execPath, [join(here, 'tools/dts.mjs'), '--check'], { encoding: 'utf8' });
  const dts = readFileSync(join(here, 'index.d.ts'), 'utf8');
  assert.match(dts, /fb_KVDKodSprawdzArkusze\(id: number, code: string \| null, date: string \| null\): number;/);
  assert.ok(existsSync(join(here, 'index.d.cts')));
});
