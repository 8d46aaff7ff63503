// Node side of the WebAssembly comparison: the same cases through the
// package's raw layer (string marshalling and result reading included),
// printed as "case ns_per_call" lines; with --first, the time from load() in
// a fresh process to the first answer.
//
//   node bench/wasm/node.mjs [CALLS] | node bench/wasm/node.mjs --first
import { load } from '../../js/index.mjs';

if (process.argv[2] === '--first') {
  const t0 = performance.now();
  const k = await load();
  const t1 = performance.now();
  const r = k.raw.fb_KVDKodSprawdzArkusze(10004, '011101', '01012003');
  const t2 = performance.now();
  if (r !== 0) process.exit(1);
  console.log(`first ${(t2 - t0).toFixed(2)} ${(t1 - t0).toFixed(2)}`);
} else {
  const calls = Number(process.argv[2] || 2000000);
  const k = await load();
  const raw = k.raw;
  const root = raw.sl_PobierzSlownik(10004);
  let sink = 0;
  const time = (name, body) => {
    for (let i = 0; i < calls / 10; ++i) sink += body();
    const t0 = performance.now();
    for (let i = 0; i < calls; ++i) sink += body();
    const t1 = performance.now();
    console.log(`${name} ${((t1 - t0) * 1e6 / calls).toFixed(2)}`);
  };
  time('okres', () => raw.sl_PobierzOpisOkresu(10004, '011101', 20030101).valid_from);
  time('kod', () => raw.sl_PobierzOpisKodu(root, '011101') & 1);
  time('arkusze', () => raw.fb_KVDKodSprawdzArkusze(10004, '011101', '01012003'));
  if (sink === 0.5) console.log(sink);
}
