// The idiomatic layer: answers on known codes and dates, the reasons of a
// "no", search folding, navigation, insurance titles, and argument errors.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { load } from '../index.mjs';

const k = await load({ today: () => 20261201 });

test('check and explain: the answer and the reason of a no', () => {
  const cases = [
    // id, code, date, admissible, reason kind, message
    [10004, '011101', '2003-01-01', true, null, null],
    [10004, '011101', new Date(2003, 0, 1), true, null, null],
    [10004, '011101', '2002-12-31', false, 'notInForce',
      'not in force on 2002-12-31 (valid 2005-01-01 to open, 2003-01-01 to 2004-12-31)'],
    [10004, '011101', null, true, null, null],
    [10004, '0111', null, false, 'heading', 'a heading of longer codes in force (such as 011101); enter one of them'],
    [10004, '01x', null, false, 'notDigits', 'not a digit code: codes of dictionary 10004 are digits'],
    [10004, '999999', null, false, 'unknownCode', 'not in the dictionary'],
    [10004, '', null, false, 'unknownCode', 'not in the dictionary'],
    [10003, '011000', '2026-12-01', true, null, null],
    [10003, '01100', null, false, 'notTitleCode', null],
    [10003, '999999', null, false, 'noRules', null],
    [10014, '12R', '1999-06-01', true, null, null],
    [10014, '1x', null, false, 'notBranch', null],
    [10026, '1', null, false, 'noCheckRule', 'no code may be entered from dictionary 10026 (it has no check rule)'],
    [99999, '1', null, false, 'noCodeList', 'dictionary 99999 has no code list'],
  ];
  for (const [id, code, date, admissible, kind, message] of cases) {
    const what = `${id} ${code} ${date}`;
    assert.equal(k.check(id, code, date), admissible, what);
    const e = k.explain(id, code, date);
    assert.equal(e.admissible, admissible, what);
    assert.equal(e.result, admissible ? 0 : -1, what);
    assert.equal(e.reason && e.reason.kind, kind, what);
    if (message) assert.equal(e.reason.message, message, what);
  }
});

test('entry and entries: the edition in force and every edition', () => {
  const cases = [
    [10013, '1', '2003-09-30', 'osoba, która ma orzeczenie o lekkim stopniu niepełnosprawności'],
    [10013, '1', '2003-10-01', 'osoba posiadająca orzeczenie o lekkim stopniu niepełnosprawności'],
    [10013, '1', null, 'osoba posiadająca orzeczenie o lekkim stopniu niepełnosprawności'],
    [10004, '011101', '2002-12-31', undefined],
    [10013, '', '2003-10-01', undefined],
    [10013, '77', '2003-10-01', undefined],
  ];
  for (const [id, code, date, description] of cases) {
    const e = k.entry(id, code, date);
    assert.equal(e ? e.description : undefined, description, `${id} ${code} ${date}`);
  }
  assert.deepEqual(k.entries(10013, '1').map((e) => [e.validFrom, e.validTo, e.openEnd]),
    [['2003-10-01', '9999-12-31', true], ['1998-12-31', '2003-09-30', false]]);
  for (const [id, code] of [[10013, 'x'], [10013, ''], [12345, '1'], [10013, '1'.repeat(100000)]]) {
    assert.deepEqual(k.entries(id, code), [], `${id} ${code.slice(0, 9)}`);
  }
});

test('search: every word, case and diacritics aside, one hit per code', () => {
  const cases = [
    [10004, 'programista', ['213201']],
    [10004, ['PROGRAMISTA'], ['213201']],
    [10014, 'slaska', ['01', '12']],
    [10014, 'ŚLĄSKA rkch', ['01', '12']],
    [10014, 'dolnoslaska  rkch', ['01']],
    [10004, 'programista nieistniejące-słowo', []],
    [10004, '   ', []],
    [10004, [], []],
    [99999, 'programista', []],
  ];
  for (const [id, words, codes] of cases) {
    assert.deepEqual(k.search(id, words).map((h) => h.code), codes, `${id} ${words}`);
  }
  const [hit] = k.search(10004, 'żołnierz zawodowy służbie stałej');
  assert.equal(hit.code, '011102');
  assert.equal(k.fold('ŻÓŁĆ Ąę ß Ň'), 'zolc ae s n');
});

test('navigation: children below a code, headings above it', () => {
  assert.deepEqual(k.children(10004, '0111').map((c) => c.code), ['011101', '011102']);
  assert.deepEqual(k.parents(10004, '011101').map((c) => c.code), ['0', '01', '011', '0111']);
  assert.ok(k.children(10004).length >= 5);
  assert.deepEqual(k.children(10004, '011101'), []);
  assert.deepEqual(k.children(10004, 'abc'), []);
  assert.deepEqual(k.parents(10004, '9'), []);
});

test('codesWritten: codes found by the short text they are written with', () => {
  const cases = [
    [10014, '12R', ['12']],
    [10014, '12r', ['12']],
    [10034, 'K', k.codesWritten(10034, 'k')],
    [10014, '', []],
    [10014, 'nic', []],
    [99999, 'PL', []],
  ];
  for (const [id, text, codes] of cases) assert.deepEqual(k.codesWritten(id, text), codes, `${id} ${text}`);
  assert.equal(k.codesWritten(10034, 'K').length, 1);
  assert.ok(k.entries(10034, k.codesWritten(10034, 'K')[0]).some((e) => e.shortText === 'K'));
});

test('title: insurances, forms and benefit codes of an insurance title code on a date', () => {
  const t = k.title('011000', '2026-12-01');
  assert.equal(t.description, 'pracownik podlegający ubezpieczeniom społecznym i ubezpieczeniu zdrowotnemu');
  assert.deepEqual(t.insurances, {
    pension: ['obligatory'], disability: ['obligatory'], sickness: ['obligatory'], accident: ['obligatory'], health: ['obligatory'],
  });
  assert.deepEqual(t.forms, ['ZUS RCA', 'ZUS RNA', 'ZUS ZUA']);
  assert.ok(t.benefitCodes.includes('311') && !t.benefitCodes.includes('100'));
  assert.ok(t.benefitCodes.every((c) => t.benefitCodesListed.includes(c)));
  // The tool's own example: 041100 on 2005-06-15.
  const u = k.title('041100', new Date(2005, 5, 15));
  assert.deepEqual(u.insurances, {
    pension: ['obligatory', 'voluntary', 'notSubject'], disability: ['obligatory', 'voluntary', 'notSubject'],
    sickness: ['voluntary', 'notSubject'], accident: ['obligatory', 'notSubject'], health: ['obligatory'],
  });
  assert.deepEqual(u.forms, ['ZUS RCA', 'ZUS RNA', 'ZUS RZA', 'ZUS ZUA', 'ZUS ZZA']);
  assert.equal(u.benefitCodes.join(' '), '311 312 313 314 315 316 317 318 321 322 323 324 350');
  // Without a date: the library's today (given to load()).
  assert.equal(k.title('011000').date, '2026-12-01');
  const none = k.title('999999', '2026-12-01');
  assert.deepEqual([none.hasRules, none.forms, none.benefitCodes, none.insurances.health], [false, [], [], []]);
});

test('argument errors: TypeError for a wrong type, RangeError for a malformed value', () => {
  const cases = [
    [() => k.check('10004', '011101'), TypeError, /check: argument id/],
    [() => k.check(10004, 11101), TypeError, /check: argument code must be a string/],
    [() => k.check(10004, '011101', 20030101), TypeError, /check: argument date must be a Date or a YYYY-MM-DD/],
    [() => k.check(10004, '011101', '01012003'), RangeError, /is not a date: give YYYY-MM-DD/],
    [() => k.check(10004, '011101', '2003-02-30'), RangeError, /'2003-02-30' is not a calendar date/],
    [() => k.check(10004, '011101', new Date(NaN)), RangeError, /invalid Date/],
    [() => k.check(2 ** 31, '011101'), RangeError, /argument id/],
    [() => k.entry(10013, '1', '2003-13-01'), RangeError, /not a calendar date/],
    [() => k.search(10004, 5), TypeError, /argument words/],
    [() => k.search(10004, ['a', 5]), TypeError, /argument words/],
    [() => k.title(11000, '2026-12-01'), TypeError, /title: argument code/],
    [() => k.title('01100', '2026-12-01'), RangeError, /not an insurance title code/],
    [() => k.title('011000', '1.12.2026'), RangeError, /not a date/],
    [() => k.slot('1'), TypeError, /slot: argument handle/],
  ];
  for (const [f, type, message] of cases) {
    assert.throws(f, (e) => e instanceof type && message.test(e.message), String(f));
  }
});

test('dictionaries and today', () => {
  const list = k.dictionaries();
  assert.equal(list.length, 45);
  assert.deepEqual(list.find((d) => d.id === 10004), { id: 10004, name: 'Kod wykonywanego zawodu' });
  assert.ok(list.every((d, i) => i === 0 || list[i - 1].id < d.id));
  list.pop(); // a copy: the catalogue itself stays whole
  assert.equal(k.dictionaries().length, 45);
  assert.equal(k.today(), '2026-12-01');
});

test('load takes the module as bytes, a file path, a file URL or a compiled module', async () => {
  const { readFileSync } = await import('node:fs');
  const { relative } = await import('node:path');
  const { fileURLToPath } = await import('node:url');
  const file = new URL('../dist/kodownik_w.wasm', import.meta.url);
  const bytes = readFileSync(file);
  const sources = [bytes, bytes.buffer.slice(bytes.byteOffset, bytes.byteOffset + bytes.length), file, file.href,
    relative(process.cwd(), fileURLToPath(file)), await WebAssembly.compile(bytes), { wasm: bytes, today: () => 20030101 }];
  for (const source of sources) {
    const lib = await load(source);
    assert.equal(lib.check(10004, '011101', '2003-01-01'), true, String(source).slice(0, 40));
  }
  assert.equal((await load({ today: () => 20030101 })).today(), '2003-01-01');
  await assert.rejects(load(42), TypeError);
  await assert.rejects(load({ today: 5 }), TypeError);
  await assert.rejects(load(new Uint8Array([0, 97, 115, 109])), WebAssembly.CompileError);
});

test('CommonJS entry loads the same library', async () => {
  const { createRequire } = await import('node:module');
  const require = createRequire(import.meta.url);
  const cjs = require('../index.cjs');
  const c = await cjs.load();
  assert.equal(c.check(10004, '011101', '2003-01-01'), true);
});
