// The raw layer: the export table against the C header, marshalling of every
// argument kind, the documented errors, bad input of every kind for every
// export, and the memory an argument takes.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { load } from '../index.mjs';
import { SIGNATURES } from '../lib/signatures.mjs';
import { Memory } from '../lib/raw.mjs';

const k = await load({ today: () => 20261208 });
const HEADER = new URL('../../include/kodownik/kodownik.h', import.meta.url);

// Kinds of the header's parameter types.
function kindOf(type, name) {
  if (/^\.\.\.$/.test(type)) return 'V';
  if (/const KChar\*\*/.test(type)) return 'L';
  if (/_stOpisKodu\*/.test(type)) return 'P';
  if (/const char\*/.test(type)) return 'N';
  if (/KChar\*/.test(type)) return name === 'buffer' ? 'B' : 'T';
  if (/int\*/.test(type)) return 'O';
  if (/unsigned int/.test(type)) return 'U';
  return 'I';
}

test('the export table has the header\'s 59 functions, names, argument order and kinds', () => {
  const text = readFileSync(HEADER, 'utf8').replace(/\/\*[\s\S]*?\*\//g, '');
  const decls = new Map();
  const re = /^[\w ]+?\**\s*KODOWNIK_CALL\s+(\w+)\(([^)]*)\);/gm;
  for (const m of text.matchAll(re)) {
    const params = m[2].split(',').map((p) => p.trim().replace(/\s+/g, ' ')).map((p) => {
      if (p === '...') return { kind: 'V', name: '...' };
      const name = /(\w+)$/.exec(p)[1];
      return { kind: kindOf(p.slice(0, -name.length).trim(), name), name };
    });
    decls.set(m[1], params);
  }
  assert.equal(decls.size, 59);
  assert.equal(SIGNATURES.length, 59);
  for (const sig of SIGNATURES) {
    const params = decls.get(sig.name);
    assert.ok(params, `${sig.name} is declared in the header`);
    // A variadic list is one array: the declared first date folds into it.
    const want = [];
    for (const p of params) {
      if (p.kind === 'V') {
        if (want.length && want[want.length - 1].name === 'first') want.pop();
        want.push({ kind: 'V', name: 'dates' });
      } else want.push(p);
    }
    if (sig.name === 'fb_KVD_KodTyt_WypDok_ONE') want[2].kind = 'L';
    assert.deepEqual(sig.params, want, sig.name);
    assert.equal(typeof k.raw[sig.name], 'function', sig.name);
  }
});

// Argument values of each kind that every export must take without
// throwing anything but the documented errors.
const LONG = '0'.repeat(100000);
const ODD = {
  T: [null, '', LONG, '\uD800', '01\uDC0010', '0110\u00000', 'ŻÓŁĆ'.repeat(25000)],
  N: [null, '', LONG, '\uD800', 'żółw', new Uint8Array([0xff, 0x80, 0x31])],
  I: [0, -1, 2147483647, -2147483648, 20050101],
  U: [0, 10004, 4294967295, -1],
  P: [null, 0, 1, 4, 2147483647, -12, 0.5],
  O: [undefined, null, 7],
  B: [undefined, null],
  L: [null, [], [null], [LONG, '01012005'], ['\uDFFF']],
  V: [[], [null], ['01012005'], [LONG, LONG], Array(500).fill('01012005')],
};

function resultOk(sig, r) {
  const value = sig.params.some((p) => p.kind === 'O' || p.kind === 'B') ? r.result : r;
  switch (sig.result) {
    case 'I': return Number.isInteger(value);
    case 'B': return typeof value === 'boolean';
    case 'T': return value === null || typeof value === 'string';
    case 'S': return value === null || Number.isInteger(value);
    default: return value === null || typeof value === 'object';
  }
}

test('every export takes null, empty, 100,000-character and odd arguments and wrong handles', () => {
  const before = k.memory.buffer.byteLength;
  for (const sig of SIGNATURES) {
    // Each argument runs through its odd values with the others at their first.
    for (let i = 0; i < sig.params.length; ++i) {
      for (const v of ODD[sig.params[i].kind]) {
        const args = sig.params.map((p, j) => (j === i ? v : ODD[p.kind][0]));
        const r = k.raw[sig.name](...args);
        assert.ok(resultOk(sig, r), `${sig.name} argument ${i}: ${JSON.stringify(r)}`);
      }
    }
  }
  assert.equal(k.memory.buffer.byteLength, before);
});

test('a number that is no handle reads nothing: null or -1', () => {
  const root = k.raw.sl_PobierzSlownik(10004);
  const slot = k.raw.sl_PobierzOpisKodu(root, '0111');
  assert.ok(root && slot);
  for (const bad of [slot + 4, slot + 1, root - 12, 8, 4294967295, 1e12, -root]) {
    assert.equal(k.raw.sl_PobierzOpisKodu(bad, '0'), null, `${bad}`);
    assert.equal(k.raw.sl_CzyPrawidlowyKodLiterowy(bad, 'K', 0), -1, `${bad}`);
    assert.equal(k.raw.fb_KVD_KodTyt_WypDok_ONE(null, bad, ['01012005']), -1, `${bad}`);
    assert.equal(k.slot(bad), null, `${bad}`);
  }
  // The same calls with real handles do answer.
  assert.ok(k.raw.sl_PobierzOpisKodu(root, '0111'));
  assert.equal(k.slot(slot).count, 2);
});

test('the slot helper reads entries and the child node', () => {
  const root = k.raw.sl_PobierzSlownik(10004);
  const heading = k.slot(k.raw.sl_PobierzOpisKodu(root, '0111'));
  assert.equal(heading.entries[0].description, 'Żołnierze zawodowi');
  // The child node is a trie of its own: the rest of the code walks on from it.
  const next = k.slot(k.raw.sl_PobierzOpisKodu(heading.child, '0'));
  const code = k.slot(k.raw.sl_PobierzOpisKodu(next.child, '1'));
  assert.equal(k.raw.sl_PobierzOpisKodu(heading.child, '01'), k.raw.sl_PobierzOpisKodu(root, '011101'));
  assert.deepEqual(code.entries.map((e) => [e.description, e.valid_from, e.valid_to]),
    [['Żołnierz zawodowy', 20050101, 99991231], ['Żołnierz zawodowy w służbie kontraktowej', 20030101, 20041231]]);
  assert.equal(code.child, null);
  assert.deepEqual(k.slot(k.raw.sl_PobierzOpisKodu(root, '011101')).entries, code.entries);
});

test('wrong types are TypeErrors naming the argument; numbers outside int32 RangeErrors', () => {
  const cases = [
    ['fb_KVDKodSprawdzArkusze', ['10004', '011101', null], TypeError, /argument id/],
    ['fb_KVDKodSprawdzArkusze', [10004, 11101, null], TypeError, /argument code must be a string or null, got number/],
    ['fb_KVDKodSprawdzArkusze', [10004, '011101'], TypeError, /argument date.*undefined/],
    ['fb_KVDKodSprawdzArkusze', [10004, '011101', null, 1], TypeError, /takes 3 arguments, got 4/],
    ['fb_KVDKodSprawdzArkusze', [2147483648, '011101', null], RangeError, /argument id/],
    ['fb_KVDKodSprawdzArkusze', [-2147483649, '011101', null], RangeError, /argument id/],
    ['fb_KVDKodSprawdzArkusze', [10004.5, '011101', null], RangeError, /argument id/],
    ['fb_KVDKodSprawdzArkusze', [NaN, '011101', null], RangeError, /argument id/],
    ['sl_PobierzSlownik', [4294967296], RangeError, /argument id/],
    ['sl_PobierzSlownik', [10004n], TypeError, /argument id must be a number, got bigint/],
    ['sl_PobierzOpisOkresu', [10013, '1', true], TypeError, /argument date must be a number, got boolean/],
    ['sl_PobierzOpisKodu', ['root', '0'], TypeError, /argument root must be a handle/],
    ['sl_NajwczesniejszaData', ['x', '01012005'], TypeError, /argument dates must be an array/],
    ['sl_NajwczesniejszaData', ['x', ['01012005', 1]], TypeError, /argument dates\[1\]/],
    ['fb_KVD_KodTyt_WypDok_ONE', [null, null, '01012005'], TypeError, /argument dates must be an array/],
    ['bw_MapujKod', [['0110'], '311', '012005'], TypeError, /argument title must be a string, a Uint8Array or null/],
    ['sl_SprawdzDatyObowiazywaniaKoduTytuluUbezpieczenia', ['011000', '1'], TypeError, /argument valid_from/],
    ['sl_SprawdzDatyObowiazywaniaKoduTytuluUbezpieczenia', ['011000', 1, 2 ** 40], RangeError, /argument valid_to/],
    ['sl_Now', [{}], TypeError, /argument buffer/],
  ];
  for (const [name, args, type, message] of cases) {
    assert.throws(() => k.raw[name](...args), (e) => e instanceof type && message.test(e.message) && e.message.startsWith(name),
      `${name}(${args.map(String).join(', ')})`);
  }
  // Every integer parameter of every export: a RangeError outside int32, a
  // TypeError for a text, each naming the parameter.
  for (const sig of SIGNATURES) {
    sig.params.forEach((p, i) => {
      if (p.kind !== 'I' && p.kind !== 'U') return;
      const args = sig.params.map((q) => ODD[q.kind][0]);
      for (const [bad, type] of [[p.kind === 'U' ? 2 ** 32 : 2 ** 31, RangeError], [-(2 ** 31) - 1, RangeError],
        [Infinity, RangeError], ['7', TypeError], [null, TypeError]]) {
        args[i] = bad;
        assert.throws(() => k.raw[sig.name](...args),
          (e) => e instanceof type && e.message.includes(`argument ${p.name} `), `${sig.name} ${p.name}=${bad}`);
      }
    });
  }
});

test('out-parameters and the date buffer come back in the result', () => {
  const f = k.raw.sl_SprawdzDatyObowiazywaniaKoduTytuluUbezpieczenia;
  const cases = [
    [['011000'], { result: 0, valid_from: 19981231, valid_to: 99991231 }],
    [['041200', 5, 6], { result: 0, valid_from: 19981231, valid_to: 20091231 }],
    [['01100a', 12345, 777], { result: -1, valid_from: 12345, valid_to: 777 }], // not written: the starting values
    [['011000', null, 1], { result: -1, valid_from: null, valid_to: 1 }],
    [['011000', null, null], { result: -1, valid_from: null, valid_to: null }],
  ];
  for (const [args, want] of cases) assert.deepEqual(f(...args), want, JSON.stringify(args));
  assert.deepEqual(k.raw.sl_Now(), { result: 20261208, buffer: '08122026' });
  assert.deepEqual(k.raw.sl_Now(null), { result: 20261208, buffer: null });
});

test('variadic lists: one array, the closing null added, a null ends the list where it stands', () => {
  const cases = [
    ['sl_NajwczesniejszaData', ['x', []], 'x'],
    ['sl_NajwczesniejszaData', ['x', ['01012005']], '01012005'],
    ['sl_NajwczesniejszaData', ['x', ['01012005', '01012004']], '01012004'],
    ['sl_NajwczesniejszaData', ['x', ['01012005', '01012004', '01012003']], '01012003'],
    ['sl_NajwczesniejszaData', ['x', ['01012005', null, '01012003']], '01012005'],
    ['sl_NajpozniejszaData', ['x', ['01012003', '01012004', '31122004']], '31122004'],
    ['sl_NajpozniejszaData', [null, Array(300).fill('01012003').concat(['02012003'])], '02012003'],
  ];
  for (const [name, args, want] of cases) assert.equal(k.raw[name](...args), want, `${name} ${JSON.stringify(args).slice(0, 80)}`);
  // Forms: with the date of 2026-12-01 011000 goes on ZUS RCA, not on ZUS DRA.
  assert.equal(k.raw.fb_KVD_KodTyt_WypDok_RCA_ONE(null, '0110', '0', '0', ['01122026']), 0);
  assert.equal(k.raw.fb_KVD_KodTyt_WypDok_DRA_ONE(null, '0110', '0', '0', ['01122026']), -1);
});

test('8-bit texts: strings through Windows-1250, bytes as they are', () => {
  const cases = [
    [['011000', '311', '012005'], true],
    [[new TextEncoder().encode('011000'), new Uint8Array([0x33, 0x31, 0x31]), '012005'], true],
    [['011000', '3\u01611', '012005'], false], // a character outside the code page reads '?'
    [['011000', null, '012005'], false],
  ];
  for (const [args, want] of cases) assert.equal(k.raw.bw_MapujKod(...args), want, JSON.stringify(args));
});

test('records: editions and message dictionaries with the header\'s field names', () => {
  assert.deepEqual(k.raw.sl_PobierzOpisOkresu(10013, '1', 20031001), {
    description: 'osoba posiadająca orzeczenie o lekkim stopniu niepełnosprawności',
    valid_from: 20031001, valid_to: 99991231, attribute: 0, short_text: null,
  });
  // No message dictionary is filled: every key answers null.
  for (const key of [0, 1, 10001, -1]) assert.equal(k.raw.KVDSlownikGet(key), null);
  // The reader, over a record laid out as the module lays it out.
  const memory = new WebAssembly.Memory({ initial: 1 });
  const m = new Memory({ memory });
  const put = (at, s) => { for (let i = 0; i < s.length; ++i) m.u16[(at >>> 1) + i] = s.charCodeAt(i); };
  put(1000, 'KOD'); put(1100, 'komunikat');
  m.i32[100 >>> 2] = 1; put(104, 'x'.repeat(80)); m.u32[(100 + 164) >>> 2] = 400;
  m.u32[400 >>> 2] = 1000; m.u32[404 >>> 2] = 1100; m.i32[408 >>> 2] = 9; m.i16[412 >>> 1] = -2;
  assert.deepEqual(m.messages(100), {
    count: 1, name: 'x'.repeat(80), // a full name has no NUL: the 80 units are read, no further
    entries: [{ code: 'KOD', message: 'komunikat', reserved: 9, selectable: -2 }],
  });
});

test('texts keep every UTF-16 unit both ways', () => {
  // The earliest of the list is the argument itself, read back unit by unit.
  for (const s of ['01012005', '\uD800\uDC00x', '\uDFFF', 'ą'.repeat(100000)]) {
    assert.equal(k.raw.sl_NajwczesniejszaData(s, []), s);
  }
});

test('the module\'s memory does not grow over 100,000 calls; argument memory is released', () => {
  const big = 'Ż'.repeat(100000); // more than the scratch area: a block of its own
  const r = k.raw;
  const step = (i) => {
    switch (i % 5) {
      case 0: return r.fb_KVDKodSprawdzArkusze(10004, '011101', '01012003');
      case 1: return r.sl_NajwczesniejszaData(null, ['01012005', '01012004']);
      case 2: return r.sl_PobierzOpisOkresu(10004, i % 1000 === 2 ? big : '213201', 20050101);
      case 3: return r.sl_SprawdzDatyObowiazywaniaKoduTytuluUbezpieczenia('011000');
      default: return r.fb_KVD_Slw_Podl_ONE('0110', '0', '0', 0, 'O', [i % 1000 === 4 ? big : '01122026']);
    }
  };
  for (let i = 0; i < 1000; ++i) step(i);
  const before = k.memory.buffer.byteLength;
  const probe = () => {
    k._control.trace = true;
    r.sl_NajwczesniejszaData(big, []);
    k._control.trace = false;
    return k._control.last.pointers[0];
  };
  const first = probe();
  for (let i = 0; i < 100000; ++i) step(i);
  assert.equal(k.memory.buffer.byteLength, before);
  assert.equal(probe(), first, 'a large argument\'s block is freed and taken again');
});

test('arguments larger than the memory grow it, and every view follows', async () => {
  const fresh = await load();
  const before = fresh.memory.buffer.byteLength;
  const long = '9'.repeat(100000);
  const small = fresh.raw.sl_NajpozniejszaData('x', [long, '01012001', long]);
  const large = fresh.raw.sl_NajpozniejszaData('x', Array(40).fill(long).concat(['01012001']));
  assert.ok(fresh.memory.buffer.byteLength > before, 'the memory grew');
  assert.equal(large, small);
  // After the growth: texts in, records and texts out, the idiomatic layer.
  assert.equal(fresh.raw.fb_KVDKodSprawdzArkusze(10004, '011101', '31122002'), -1);
  assert.equal(fresh.raw.sl_PobierzOpisOkresu(10013, '1', 20031001).valid_from, 20031001);
  assert.deepEqual(fresh.search(10004, 'programista').map((h) => h.code), ['213201']);
  assert.equal(fresh.title('011000', '2026-12-01').forms.length, 3);
});

test('random arguments of every kind: only the documented errors, and both paths agree', () => {
  let seed = 20261208;
  const rnd = (n) => {
    seed = (seed * 1103515245 + 12345) >>> 0;
    return (seed >>> 8) % n;
  };
  const pick = (list) => list[rnd(list.length)];
  const root = k.raw.sl_PobierzSlownik(10004);
  const texts = [null, '', '011101', '0110', '0', '1', '01012005', '122004', '311', 'K', 'PL', '01R', '\uD800', 'ż', 'x'.repeat(300)];
  const values = {
    T: () => pick(texts),
    N: () => (rnd(4) === 0 ? new Uint8Array([rnd(256), rnd(256)]) : pick(texts)),
    I: () => pick([0, 1, -1, 10004, 10015, 20050101, 200501, 2147483647, -2147483648, rnd(100000)]),
    U: () => pick([10004, 10001, 10049, 0, 4294967295]),
    P: () => pick([null, root, root + 12, root + 4, 17, k.raw.sl_PobierzOpisKodu(root, '0111')]),
    O: () => pick([undefined, null, 5]),
    B: () => pick([undefined, null]),
    L: () => pick([null, [], ['01012005'], [pick(texts), pick(texts)]]),
    V: () => Array.from({ length: rnd(5) }, () => pick(texts)),
  };
  const wrong = [undefined, true, {}, [], 1.5, 2 ** 40, 'x', Symbol('s'), 10n];
  for (let n = 0; n < 4000; ++n) {
    const sig = pick(SIGNATURES);
    const args = sig.params.map((p) => values[p.kind]());
    if (rnd(8) === 0 && args.length) args[rnd(args.length)] = pick(wrong);
    let plain;
    let traced;
    try {
      plain = k.raw[sig.name](...args);
    } catch (e) {
      assert.ok(e instanceof TypeError || e instanceof RangeError, `${sig.name}: ${e}`);
      continue;
    }
    k._control.trace = true;
    try {
      traced = k.raw[sig.name](...args);
    } finally {
      k._control.trace = false;
    }
    assert.deepEqual(plain, traced, sig.name);
  }
});
