// Runs the conformance vectors (tests/vectors/*.vec, the cases of the UTF-16
// build) through the raw layer of the package and requires the answers the
// native runner requires: the same results, records, argument pointers and
// out values. Reads the notation of tests/vectors/README.md.
//
//   node js/tools/vectors.mjs tests/vectors/*.vec
//
// Prints "W (wasm): N passed, N failed[, N skipped]"; exits 1 on a failure.
import { readFileSync } from 'node:fs';
import { load } from '../index.mjs';
import { SIGNATURES } from '../lib/signatures.mjs';
import cp1250 from '../dist/cp1250.mjs';

const RAW = 0x80000000; // a unit taken as it stands (\xHH)

class ParseError extends Error {}
class Impossible extends Error {}

// The parameter kinds of the test harness (export_table.h): the raw layer's,
// except that the harness writes the result places as 'out' / 'buf'.
const BY_NAME = new Map(SIGNATURES.map((s) => [s.name, s]));

class Cursor {
  constructor(s, at = 0) {
    this.s = s;
    this.i = at;
  }
  skip() {
    while (this.i < this.s.length && (this.s[this.i] === ' ' || this.s[this.i] === '\t')) ++this.i;
  }
  peek() {
    this.skip();
    return this.i < this.s.length ? this.s[this.i] : '';
  }
  eat(c) {
    if (this.peek() !== c) return false;
    ++this.i;
    return true;
  }
  need(c, what) {
    if (!this.eat(c)) throw new ParseError(`${what} expected`);
  }
  word(w) {
    this.skip();
    if (!this.s.startsWith(w, this.i)) return false;
    const next = this.s[this.i + w.length];
    if (next !== undefined && /[A-Za-z0-9_]/.test(next)) return false;
    this.i += w.length;
    return true;
  }
  atEnd() {
    this.skip();
    return this.i >= this.s.length || this.s[this.i] === '#';
  }
  rest() {
    return this.s.slice(this.i);
  }
  number() {
    this.skip();
    const s = this.s;
    if (s[this.i] === "'") {
      if (this.i + 2 >= s.length) throw new ParseError(`character expected at: ${this.rest()}`);
      const v = Buffer.from(s[this.i + 1], 'utf8')[0];
      this.i += 3;
      return BigInt(v);
    }
    const start = this.i;
    if (s[this.i] === '-' || s[this.i] === '+') ++this.i;
    let base = 10;
    if (s.startsWith('0x', this.i)) {
      base = 16;
      this.i += 2;
    }
    const digits = this.i;
    while (this.i < s.length && /[0-9a-fA-F]/.test(s[this.i])) ++this.i;
    if (digits === this.i) throw new ParseError(`integer expected at: ${s.slice(start)}`);
    const sign = s[start] === '-' ? -1n : 1n;
    const body = s.slice(digits, this.i);
    // strtoll: the digits of the base, up to the first other character
    const valid = base === 16 ? body : (/^[0-9]*/.exec(body)[0] || '0');
    return sign * BigInt((base === 16 ? '0x' : '') + valid);
  }
  // "text" with its escapes, "text"*N: a list of units (code points, or RAW|unit).
  quoted() {
    if (!this.eat('"')) throw new ParseError(`text expected at: ${this.rest()}`);
    const units = [];
    const s = this.s;
    for (;;) {
      if (this.i >= s.length) throw new ParseError('unterminated text');
      const cp = s.codePointAt(this.i);
      const ch = String.fromCodePoint(cp);
      this.i += ch.length;
      if (ch === '"') break;
      if (ch !== '\\') {
        units.push(cp);
        continue;
      }
      if (this.i >= s.length) throw new ParseError('unterminated text');
      const e = s[this.i++];
      if (e === 'n') units.push(10);
      else if (e === 't') units.push(9);
      else if (e === 'x') {
        units.push((RAW | parseInt(s.slice(this.i, this.i + 2), 16)) >>> 0);
        this.i += 2;
      } else if (e === 'u') {
        const close = s.indexOf('}', this.i);
        if (close < 0) throw new ParseError('unterminated \\u{...}');
        units.push(parseInt(s.slice(this.i + 1, close), 16));
        this.i = close + 1;
      } else units.push(e.codePointAt(0));
    }
    if (s[this.i] === '*') {
      ++this.i;
      const n = Number(this.number());
      if (n < 0 || n > 100000) throw new ParseError('repeat count out of range');
      const r = [];
      for (let k = 0; k < n; ++k) for (const u of units) r.push(u);
      return r;
    }
    return units;
  }
  textArg() {
    if (this.word('null')) return null;
    this.skip();
    if (this.s.startsWith('a8"', this.i)) this.i += 2;
    return this.quoted();
  }
}

function withoutComment(line) {
  let end = line.length;
  let inText = false;
  for (let i = 0; i < line.length; ++i) {
    if (line[i] === '\\' && inText) {
      ++i;
      continue;
    }
    if (line[i] === '"') inText = !inText;
    if (line[i] === '#' && !inText && (i === 0 || line[i - 1] === ' ' || line[i - 1] === '\t')) {
      end = i;
      break;
    }
  }
  while (end > 0 && (line[end - 1] === ' ' || line[end - 1] === '\t')) --end;
  return line.slice(0, end);
}

const MAX_LISTED = 411; // the harness passes up to 411 texts before the null

// The harness's parameter kinds: the raw layer's, with the variadic list
// written as further arguments.
function parseCall(c, line) {
  const m = /^[A-Za-z0-9_]+/.exec(line.slice(c.i));
  const name = m ? m[0] : '';
  const sig = BY_NAME.get(name);
  if (!sig) throw new ParseError(`unknown function ${name}`);
  c.word(name);
  c.need('(', '(');
  const args = [];
  const kinds = sig.params.map((p) => p.kind);
  kinds.forEach((k, idx) => {
    const a = { kind: k };
    switch (k) {
      case 'I':
      case 'U':
        a.value = c.number();
        break;
      case 'T':
      case 'N':
        a.text = c.textArg();
        break;
      case 'P':
        if (c.word('null')) a.value = 0;
        else if (c.word('root')) {
          c.need('(', '(');
          a.value = 1;
          a.dictionary = Number(c.number());
          c.need(')', ')');
        } else if (c.word('slot')) {
          c.need('(', '(');
          a.value = 2;
          a.dictionary = Number(c.number());
          c.need(',', "','");
          a.text = c.textArg();
          c.need(')', ')');
        } else throw new ParseError('root(ID) or slot(ID, "code") expected');
        break;
      case 'O':
        if (c.word('null')) a.value = 0;
        else if (c.word('out')) a.value = 1;
        else throw new ParseError('out expected');
        break;
      case 'B':
        if (c.word('null')) a.value = 0;
        else if (c.word('buf')) a.value = 1;
        else throw new ParseError('buf expected');
        break;
      case 'L':
        if (c.word('null')) {
          a.value = 0;
          break;
        }
        c.need('[', '[');
        a.value = 1;
        a.list = [];
        while (!c.eat(']')) {
          a.list.push(c.textArg());
          c.eat(',');
        }
        break;
      case 'V':
        a.list = [];
        while (c.peek() !== ')') {
          const t = c.textArg();
          let times = 1n;
          if (c.eat('#')) times = c.number();
          if (times < 0n || times > BigInt(MAX_LISTED - a.list.length)) throw new ParseError('too many arguments');
          for (let n = 0n; n < times; ++n) a.list.push(t);
          c.eat(',');
        }
        break;
      default:
        break;
    }
    args.push(a);
    const next = kinds[idx + 1];
    if (k !== 'V' && next && next !== 'V') c.need(',', "','");
    else c.eat(',');
  });
  c.need(')', "')'");
  return { sig, args };
}

function parseLine(raw) {
  let line = raw.endsWith('\r') ? raw.slice(0, -1) : raw;
  line = withoutComment(line);
  const v = { only: '', error: '' };
  const first = line.search(/[^ \t]/);
  if (first < 0) return null;
  line = line.slice(first);
  if (line.startsWith('W: ')) {
    v.only = 'W';
    line = line.slice(3);
  } else if (line.startsWith('A: ')) {
    v.only = 'A';
    line = line.slice(3);
  }
  v.text = line;
  try {
    const c = new Cursor(line);
    v.call = parseCall(c, line);
    v.end = c.i;
  } catch (e) {
    if (!(e instanceof ParseError)) throw e;
    v.error = e.message || 'cannot parse';
  }
  return v;
}

// ---- the call through the raw layer

// A text of the UTF-16 build: raw units as they are, characters that need
// two units cannot be written as one (the case is impossible, as natively).
function wide(units) {
  if (units === null) return null;
  let s = '';
  for (const u of units) {
    if (u & RAW && u >= RAW) s += String.fromCharCode((u - RAW) & 0xffff);
    else if (u > 0xffff) throw new Impossible();
    else s += String.fromCharCode(u);
  }
  return s;
}

const toByte = new Map();
for (let b = 255; b >= 0; --b) toByte.set(cp1250[b], b);

function narrow(units) {
  if (units === null) return null;
  const out = new Uint8Array(units.length);
  units.forEach((u, i) => {
    let b;
    if (u >= RAW) b = (u - RAW) & 0xff;
    else b = u < 0x80 ? u : toByte.has(u) && toByte.get(u) >= 0x80 ? toByte.get(u) : -1;
    if (b < 0) throw new Impossible();
    out[i] = b;
  });
  return out;
}

function run(k, call) {
  const { sig, args } = call;
  const values = [];
  const places = [];
  for (const a of args) {
    switch (a.kind) {
      case 'I':
        values.push(Number(BigInt.asIntN(32, a.value)));
        break;
      case 'U':
        values.push(Number(BigInt.asUintN(32, a.value)));
        break;
      case 'T':
        values.push(wide(a.text));
        break;
      case 'N':
        values.push(narrow(a.text));
        break;
      case 'P': {
        let p = null;
        if (a.value === 1) p = k.raw.sl_PobierzSlownik(a.dictionary >>> 0);
        if (a.value === 2) p = k.raw.sl_PobierzOpisKodu(k.raw.sl_PobierzSlownik(a.dictionary >>> 0), wide(a.text));
        values.push(p);
        break;
      }
      case 'O':
        values.push(a.value ? 12345 : null);
        break;
      case 'B':
        values.push(a.value ? undefined : null);
        break;
      case 'L':
        values.push(a.value ? a.list.map(wide) : null);
        break;
      case 'V':
        values.push(a.list.map(wide));
        break;
      default:
        break;
    }
  }
  // Once as a caller makes it, once traced (for the argument pointers of
  // @N); the traced call takes the generic path, so both paths answer.
  const plain = k.raw[sig.name](...values);
  k._control.trace = true;
  const answer = k.raw[sig.name](...values);
  const { pointers, result } = k._control.last;
  k._control.trace = false;
  sig.params.forEach((p, i) => {
    if ((p.kind === 'O' || p.kind === 'B') && values[i] !== null) places.push([p.kind, answer[p.name]]);
  });
  const value = sig.params.some((p) => p.kind === 'O' || p.kind === 'B') ? answer.result : answer;
  const same = JSON.stringify(plain) === JSON.stringify(answer);
  return { value, raw: result >>> 0, pointers, places, same, plain };
}

// ---- the expected answers

function today() {
  const d = new Date();
  return d.getFullYear() * 10000 + (d.getMonth() + 1) * 100 + d.getDate();
}

function expectedInt(c) {
  if (c.word('today')) {
    const t = today();
    if (c.eat('/')) return Math.trunc(t / Number(c.number()));
    if (c.eat('%')) return t % Number(c.number());
    return t;
  }
  return Number(c.number());
}

// An expected text as units, compared with the units the library returned;
// a character beyond 16 bits can never match a single unit.
function expectedUnits(c, mayBeNull) {
  if (mayBeNull && c.word('null')) return null;
  return c.quoted().map((u) => (u >= RAW ? (u - RAW) : u));
}

const unitsOf = (s) => (s === null ? null : Array.from(s, (ch) => ch.charCodeAt(0)));
const sameUnits = (a, b) => (a === null || b === null ? a === b : a.length === b.length && a.every((u, i) => u === b[i]));
const show = (units) => (units === null ? 'null' : JSON.stringify(String.fromCharCode(...units.map((u) => u & 0xffff))));

function checkResult(k, c, sig, got) {
  const kind = sig.result;
  if (kind === 'I' || kind === 'B') {
    const value = kind === 'I' ? got.raw | 0 : got.raw & 0xff;
    let want;
    if (kind === 'B' && c.word('true')) want = 1;
    else if (kind === 'B' && c.word('false')) want = 0;
    else want = expectedInt(c);
    return value === want ? '' : `got ${value}, expected ${want}`;
  }
  const ptr = got.raw;
  if (c.word('null')) return ptr ? 'expected null, got a pointer' : '';
  if (c.eat('@')) {
    const n = Number(c.number());
    return n >= 0 && n < got.pointers.length && ptr === got.pointers[n] >>> 0 && ptr ? '' : `result is not the pointer of argument ${n}`;
  }
  if (!ptr) return 'got null';
  if (kind === 'T') {
    const want = expectedUnits(c, false);
    const have = unitsOf(got.value);
    return sameUnits(want, have) ? '' : `got ${show(have)}, expected ${show(want)}`;
  }
  if (kind === 'S') {
    if (!c.word('slot')) throw new ParseError('slot(count, child|nochild) expected');
    c.eat('(');
    const count = Number(c.number());
    c.eat(',');
    let child;
    if (c.word('child')) child = true;
    else if (c.word('nochild')) child = false;
    else throw new ParseError('child or nochild expected');
    c.eat(')');
    const s = k.slot(got.value);
    return s.count === count && (s.child !== null) === child ? '' : `got slot(${s.count}, ${s.child !== null ? 'child' : 'nochild'})`;
  }
  if (kind === 'E') {
    c.need('{', '{entry}');
    const description = expectedUnits(c, true);
    const nums = [];
    for (let i = 0; i < 3; ++i) {
      c.eat(',');
      nums.push(Number(c.number()));
    }
    c.eat(',');
    const short = expectedUnits(c, true);
    c.eat('}');
    const e = got.value;
    const ok = sameUnits(description, unitsOf(e.description)) && e.valid_from === nums[0] && e.valid_to === nums[1] &&
      e.attribute === nums[2] && sameUnits(short, unitsOf(e.short_text));
    return ok ? '' : `got ${JSON.stringify(e)}`;
  }
  return 'a pointer was returned where null was expected';
}

function checkOut(c, kind, got) {
  if (kind === 'O') {
    const want = expectedInt(c);
    return got === want ? '' : `out value ${got}, expected ${want}`;
  }
  let want;
  if (c.word('today_ddmmrrrr')) {
    const t = today();
    want = unitsOf(String(t % 100).padStart(2, '0') + String(Math.floor(t / 100) % 100).padStart(2, '0') +
      String(Math.floor(t / 10000)).padStart(4, '0'));
  } else {
    want = expectedUnits(c, false);
  }
  return sameUnits(want, unitsOf(got)) ? '' : `buffer ${show(unitsOf(got))}, expected ${show(want)}`;
}

export async function runVectors(paths, k, report = console.log) {
  const counts = { passed: 0, failed: 0, skipped: 0, failures: [] };
  const fail = (where, text, why) => {
    ++counts.failed;
    if (counts.failures.length < 50) counts.failures.push(`FAIL ${where}: ${text}\n     ${why}`);
  };
  for (const path of paths) {
    const lines = readFileSync(path, 'utf8').split('\n');
    lines.forEach((line, n) => {
      const where = `${path}:${n + 1}`;
      const v = parseLine(line);
      if (!v) return;
      if (v.only === 'A') return;
      if (v.error) {
        fail(where, v.text, `cannot parse: ${v.error}`);
        return;
      }
      try {
        const c = new Cursor(v.text, v.end);
        c.need('=', "'='");
        let got;
        try {
          got = run(k, v.call);
        } catch (e) {
          if (e instanceof Impossible) {
            ++counts.skipped;
            return;
          }
          fail(where, v.text, `threw ${e.name}: ${e.message}`);
          return;
        }
        if (!got.same) {
          fail(where, v.text, `the two calls differ: ${JSON.stringify(got.plain)} and ${JSON.stringify(got.value)}`);
          return;
        }
        let why = checkResult(k, c, v.call.sig, got);
        if (why) {
          fail(where, v.text, why);
          return;
        }
        for (const [kind, value] of got.places) {
          c.need(',', 'value of out/buf argument');
          why = checkOut(c, kind, value);
          if (why) {
            fail(where, v.text, why);
            return;
          }
        }
        if (!c.atEnd()) throw new ParseError(`trailing text: ${c.rest()}`);
        ++counts.passed;
      } catch (e) {
        if (!(e instanceof ParseError)) throw e;
        fail(where, v.text, `cannot parse: ${e.message}`);
      }
    });
  }
  for (const f of counts.failures) report(f);
  return counts;
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const paths = process.argv.slice(2);
  if (!paths.length) {
    console.error('usage: node js/tools/vectors.mjs FILE.vec...');
    process.exit(2);
  }
  const k = await load();
  const before = k.memory.buffer.byteLength;
  const r = await runVectors(paths, k);
  console.log(`W (wasm): ${r.passed} passed, ${r.failed} failed${r.skipped ? `, ${r.skipped} skipped` : ''}` +
    ` (module memory ${before} -> ${k.memory.buffer.byteLength} bytes)`);
  process.exit(r.failed === 0 && r.passed > 0 ? 0 : 1);
}
