// The raw layer: each export of the module as a JavaScript function under
// its own name, with the header's argument order. Arguments are written into
// the module's memory for the call and released after it (a scratch area for
// the usual small arguments, a block of its own for large ones); results are
// read back into JavaScript values. Nothing of the module's memory is read
// except what the library returned or the caller's own handles point at.
import { SIGNATURES } from './signatures.mjs';

const INT_MIN = -2147483648;
const INT_MAX = 2147483647;
const UINT_MAX = 4294967295;
const SCRATCH_BYTES = 65536;
const BUFFER_UNITS = 9; // DDMMRRRR and the NUL

// Record layouts of the 32-bit module (the 32-bit Windows layouts).
const SLOT_BYTES = 12; // count u16 @0, entries @4, child @8
const ENTRY_BYTES = 20; // description @0, valid_from @4, valid_to @8, attribute u16 @12, short_text @16
const MSG_ENTRY_BYTES = 16; // code @0, message @4, reserved @8, selectable i16 @12
const MSG_NAME_UNITS = 80; // _stSlownikMsg: count @0, name @4 (80 units), entries @164

function typeName(v) {
  if (v === null) return 'null';
  if (Array.isArray(v)) return 'an array';
  return typeof v;
}

export class Memory {
  constructor(exports) {
    this.exports = exports;
    this.memory = exports.memory;
    this.buffer = null;
    this.texts = new Map();
    this.refresh();
  }

  // Views of the memory, renewed after it grew (the old buffer is then
  // detached: its views have length 0).
  refresh() {
    if (this.u8 !== undefined && this.u8.length !== 0) return;
    this.buffer = this.memory.buffer;
    this.u8 = new Uint8Array(this.buffer);
    this.u16 = new Uint16Array(this.buffer);
    this.i16 = new Int16Array(this.buffer);
    this.i32 = new Int32Array(this.buffer);
    this.u32 = new Uint32Array(this.buffer);
  }

  // A NUL-terminated UTF-16 text at a byte address, or null for 0. Every
  // unit is kept, lone surrogates included.
  text(p, limit = Infinity) {
    if (!p) return null;
    const u16 = this.u16;
    const start = p >>> 1;
    let end = start;
    const stop = Math.min(u16.length, start + limit);
    while (end < stop && u16[end] !== 0) ++end;
    if (end - start < 24) {
      let s = '';
      for (let i = start; i < end; ++i) s += String.fromCharCode(u16[i]);
      return s;
    }
    let s = '';
    for (let i = start; i < end; i += 8192) {
      s += String.fromCharCode.apply(null, u16.subarray(i, Math.min(end, i + 8192)));
    }
    return s;
  }

  // The texts of an edition record lie in the library's constant tables:
  // each is read once and kept by its address.
  recordText(p) {
    if (!p) return null;
    let s = this.texts.get(p);
    if (s === undefined) {
      s = this.text(p);
      this.texts.set(p, s);
    }
    return s;
  }

  entry(p) {
    if (!p) return null;
    const w = p >>> 2;
    return {
      description: this.recordText(this.u32[w]),
      valid_from: this.i32[w + 1],
      valid_to: this.i32[w + 2],
      attribute: this.u16[(p + 12) >>> 1],
      short_text: this.recordText(this.u32[w + 4]),
    };
  }

  messages(p) {
    if (!p) return null;
    const count = this.i32[p >>> 2];
    const list = this.u32[(p + 164) >>> 2];
    const entries = [];
    for (let i = 0; list && i < count; ++i) {
      const e = list + i * MSG_ENTRY_BYTES;
      entries.push({
        code: this.text(this.u32[e >>> 2]),
        message: this.text(this.u32[(e + 4) >>> 2]),
        reserved: this.i32[(e + 8) >>> 2],
        selectable: this.i16[(e + 12) >>> 1],
      });
    }
    return { count, name: this.text(p + 4, MSG_NAME_UNITS), entries };
  }
}

// Argument sizes in bytes, each rounded up to 4 so that every block stays aligned.
const textBytes = (s) => ((s.length * 2 + 2 + 3) & ~3);

export function createRaw(instance, cp1250) {
  const ex = instance.exports;
  const mem = new Memory(ex);
  // Every node or slot address the module has returned, one mark per 4 bytes
  // of its memory: a handle is known when its mark is set.
  let marks = new Uint8Array(ex.memory.buffer.byteLength >>> 2);
  const known = (v) => (v >>> 0) === v && (v & 3) === 0 && marks[v >>> 2] === 1;
  const control = { trace: false, last: null };
  const scratch = ex.malloc(SCRATCH_BYTES);
  if (!scratch) throw new Error('kodownik: the module cannot allocate its argument area');
  mem.refresh();

  // Windows-1250 byte of each character (the table the library converts with).
  const toByte = new Map();
  for (let b = 255; b >= 0; --b) toByte.set(cp1250[b], b);

  const handle = (p) => {
    if (!p) return null;
    if (p >>> 2 >= marks.length) {
      const more = new Uint8Array(ex.memory.buffer.byteLength >>> 2);
      more.set(marks);
      marks = more;
    }
    marks[p >>> 2] = 1;
    return p;
  };

  const RESULTS = {
    I: (r) => r,
    B: (r) => (r & 0xff) !== 0,
    T: (r) => { mem.refresh(); return mem.text(r >>> 0); },
    S: (r) => handle(r >>> 0),
    E: (r) => { mem.refresh(); return mem.entry(r >>> 0); },
    M: (r) => { mem.refresh(); return mem.messages(r >>> 0); },
  };

  const raw = {};
  for (const sig of SIGNATURES) {
    const fn = ex[sig.symbol];
    if (typeof fn !== 'function') throw new Error(`kodownik: the module lacks ${sig.name}`);
    raw[sig.name] = makeExport(sig, fn);
  }

  function makeExport(sig, fn) {
    const kinds = sig.params.map((p) => p.kind);
    const names = sig.params.map((p) => p.name);
    const count = kinds.length;
    const where = sig.name + ': ';
    // A variadic list passes its first items in the declared parameters
    // before the "..." (sl_NajwczesniejszaData's first date) and the rest,
    // ended by a null, through the module's variadic argument block.
    const vIndex = kinds.indexOf('V');
    const listFixed = vIndex < 0 ? 0 : fn.length - 1 - (count - 1);
    const wasmArgs = new Array(fn.length).fill(0);
    const places = kinds.some((k) => k === 'O' || k === 'B');
    const fastKinds = kinds.every((k) => k === 'T' || k === 'I' || k === 'U' || k === 'P');

    function checkInt(v, i) {
      if (typeof v !== 'number') {
        throw new TypeError(`${where}argument ${names[i]} must be a number, got ${typeName(v)}`);
      }
      const hi = kinds[i] === 'U' ? UINT_MAX : INT_MAX;
      if (!Number.isInteger(v) || v < INT_MIN || v > hi) {
        const range = kinds[i] === 'U' ? 'from -2^31 to 2^32-1' : 'in the int32 range';
        throw new RangeError(`${where}argument ${names[i]} must be an integer ${range}, got ${v}`);
      }
    }

    function checkText(v, what) {
      if (typeof v !== 'string' && v !== null) {
        throw new TypeError(`${where}argument ${what} must be a string or null, got ${typeName(v)}`);
      }
    }

    // Validates the arguments and returns the bytes they need.
    function measure(args) {
      if (args.length > count) {
        throw new TypeError(`${where}takes ${count} argument${count === 1 ? '' : 's'}, got ${args.length}`);
      }
      let need = 0;
      for (let i = 0; i < count; ++i) {
        const v = args[i];
        switch (kinds[i]) {
          case 'T':
            if (typeof v === 'string') need += textBytes(v);
            else checkText(v, names[i]);
            break;
          case 'N':
            if (typeof v === 'string') need += (v.length + 4) & ~3;
            else if (v instanceof Uint8Array) need += (v.length + 4) & ~3;
            else if (v !== null) {
              throw new TypeError(`${where}argument ${names[i]} must be a string, a Uint8Array or null, got ${typeName(v)}`);
            }
            break;
          case 'I':
          case 'U':
            if (typeof v !== 'number' || (v | 0) !== v) checkInt(v, i);
            break;
          case 'P':
            if (typeof v !== 'number' && v !== null) {
              throw new TypeError(`${where}argument ${names[i]} must be a handle (a number) or null, got ${typeName(v)}`);
            }
            break;
          case 'O':
            if (v !== undefined && v !== null) checkInt(v, i);
            if (v !== null) need += 4;
            break;
          case 'B':
            if (v !== undefined && v !== null) {
              throw new TypeError(`${where}argument ${names[i]} must be left out (a buffer is passed) or null, got ${typeName(v)}`);
            }
            if (v !== null) need += 20;
            break;
          case 'L':
          case 'V': {
            if (v === null && kinds[i] === 'L') break;
            if (!Array.isArray(v)) {
              throw new TypeError(`${where}argument ${names[i]} must be an array of strings or nulls${kinds[i] === 'L' ? ', or null' : ''}, got ${typeName(v)}`);
            }
            for (let k = 0; k < v.length; ++k) {
              const t = v[k];
              if (typeof t === 'string') need += textBytes(t);
              else checkText(t, `${names[i]}[${k}]`);
            }
            need += 4 * (v.length + 1);
            break;
          }
          default:
            break;
        }
      }
      return need;
    }

    function call(...args) {
      const need = measure(args);
      let base = scratch;
      let own = 0;
      if (need > SCRATCH_BYTES) {
        own = ex.malloc(need);
        if (!own) throw new RangeError(`${where}the arguments (${need} bytes) do not fit in the module's memory`);
        base = own;
      }
      mem.refresh();
      const u16 = mem.u16;
      const u8 = mem.u8;
      const i32 = mem.i32;
      let top = base;
      const trace = control.trace ? [] : null;
      let outs = null;
      const writeText = (s) => {
        if (s === null) return 0;
        const p = top;
        const at = p >>> 1;
        const n = s.length;
        for (let k = 0; k < n; ++k) u16[at + k] = s.charCodeAt(k);
        u16[at + n] = 0;
        top += textBytes(s);
        return p;
      };
      let w = 0;
      try {
        for (let i = 0; i < count; ++i) {
          const v = args[i];
          switch (kinds[i]) {
            case 'T': {
              const p = writeText(v);
              wasmArgs[w++] = p;
              if (trace) trace.push(p);
              break;
            }
            case 'N': {
              let p = 0;
              if (v !== null) {
                p = top;
                const n = v.length;
                if (typeof v === 'string') {
                  for (let k = 0; k < n; ++k) {
                    const b = toByte.get(v.charCodeAt(k));
                    u8[p + k] = b === undefined ? 0x3f : b; // what the code page cannot hold reads '?'
                  }
                } else {
                  u8.set(v, p);
                }
                u8[p + n] = 0;
                top += (n + 4) & ~3;
              }
              wasmArgs[w++] = p;
              if (trace) trace.push(p);
              break;
            }
            case 'I':
            case 'U':
              wasmArgs[w++] = v | 0;
              if (trace) trace.push(0);
              break;
            case 'P': {
              // A number the module never returned is no handle: the export
              // receives a null pointer and answers as it does for one.
              const p = v !== null && known(v) ? v : 0;
              wasmArgs[w++] = p;
              if (trace) trace.push(p);
              break;
            }
            case 'O':
            case 'B': {
              let p = 0;
              if (v !== null) {
                p = top;
                if (kinds[i] === 'O') {
                  i32[p >>> 2] = v === undefined ? 0 : v;
                  top += 4;
                } else {
                  u16.fill(0, p >>> 1, (p >>> 1) + 10);
                  top += 20;
                }
              }
              (outs || (outs = [])).push([kinds[i], names[i], p]);
              wasmArgs[w++] = p;
              if (trace) trace.push(0);
              break;
            }
            case 'L': {
              let p = 0;
              if (v !== null) {
                const ptrs = v.map(writeText);
                p = top;
                for (let k = 0; k < ptrs.length; ++k) i32[(p >>> 2) + k] = ptrs[k];
                i32[(p >>> 2) + ptrs.length] = 0;
                top += 4 * (ptrs.length + 1);
              }
              wasmArgs[w++] = p;
              if (trace) trace.push(p);
              break;
            }
            case 'V': {
              const ptrs = v.map(writeText);
              if (trace) trace.push(...ptrs);
              let k = 0;
              for (; k < listFixed; ++k) wasmArgs[w++] = k < ptrs.length ? ptrs[k] : 0;
              const block = top;
              const rest = Math.max(0, ptrs.length - listFixed);
              for (let j = 0; j < rest; ++j) i32[(block >>> 2) + j] = ptrs[listFixed + j];
              i32[(block >>> 2) + rest] = 0; // the end of the list
              top += 4 * (rest + 1);
              wasmArgs[w++] = block;
              break;
            }
            default:
              break;
          }
        }
        const r = fn.apply(null, wasmArgs);
        mem.refresh();
        if (trace) control.last = { pointers: trace, result: r };
        const result = RESULTS[sig.result](r);
        if (!places) return result;
        const out = { result };
        for (const [kind, name, p] of outs) {
          if (!p) out[name] = null;
          else out[name] = kind === 'O' ? mem.i32[p >>> 2] : mem.text(p, BUFFER_UNITS);
        }
        return out;
      } finally {
        if (own) ex.free(own);
      }
    }

    // The common case (texts, integers and handles, small arguments, no tracing)
    // without the generic loop's allocations; anything else, including every
    // error, goes the generic way.
    const isText = kinds.map((kind) => kind === 'T');
    const isHandle = kinds.map((kind) => kind === 'P');
    const convert = RESULTS[sig.result];
    const limit = scratch + SCRATCH_BYTES;
    let top = 0;
    // Writes argument i; false when the generic path must take the call.
    function put(i, v) {
      if (isText[i]) {
        if (typeof v === 'string') {
          const n = v.length;
          if (top + 2 * n + 2 > limit) return false;
          const u16 = mem.u16;
          const at = top >>> 1;
          for (let j = 0; j < n; ++j) u16[at + j] = v.charCodeAt(j);
          u16[at + n] = 0;
          wasmArgs[i] = top;
          top += (2 * n + 5) & ~3;
          return true;
        }
        if (v !== null) return false;
        wasmArgs[i] = 0;
        return true;
      }
      if (isHandle[i]) {
        if (v === null) wasmArgs[i] = 0;
        else if (typeof v === 'number') wasmArgs[i] = known(v) ? v : 0;
        else return false;
        return true;
      }
      if (typeof v !== 'number' || (v | 0) !== v) return false;
      wasmArgs[i] = v;
      return true;
    }
    const generic = (argc, a) => call.apply(null, a.slice(0, argc));
    function fast(a0, a1, a2, a3, a4, a5, a6) {
      const argc = arguments.length;
      if (argc > count || control.trace) return generic(argc, [a0, a1, a2, a3, a4, a5, a6, ...Array(Math.max(0, argc - 7))]);
      mem.refresh();
      top = scratch;
      if ((count > 0 && !put(0, a0)) || (count > 1 && !put(1, a1)) || (count > 2 && !put(2, a2)) ||
          (count > 3 && !put(3, a3)) || (count > 4 && !put(4, a4)) || (count > 5 && !put(5, a5)) ||
          (count > 6 && !put(6, a6))) {
        return generic(argc, [a0, a1, a2, a3, a4, a5, a6]);
      }
      let r;
      switch (count) {
        case 1: r = fn(wasmArgs[0]); break;
        case 2: r = fn(wasmArgs[0], wasmArgs[1]); break;
        case 3: r = fn(wasmArgs[0], wasmArgs[1], wasmArgs[2]); break;
        case 4: r = fn(wasmArgs[0], wasmArgs[1], wasmArgs[2], wasmArgs[3]); break;
        default: r = fn.apply(null, wasmArgs);
      }
      return convert(r);
    }

    const entry = fastKinds ? fast : call;
    Object.defineProperty(entry, 'name', { value: sig.name });
    return entry;
  }

  // The one helper that reads a slot: its entries and its child node. A
  // number the module never returned gives null.
  function slot(h) {
    if (typeof h !== 'number' && h !== null) {
      throw new TypeError(`slot: argument handle must be a handle (a number) or null, got ${typeName(h)}`);
    }
    if (h === null || !known(h)) return null;
    mem.refresh();
    const count = mem.u16[h >>> 1];
    const first = mem.u32[(h + 4) >>> 2];
    const entries = [];
    for (let i = 0; first && i < count; ++i) entries.push(mem.entry(first + i * ENTRY_BYTES));
    return { count, entries, child: handle(mem.u32[(h + 8) >>> 2]) };
  }

  return { raw, slot, mem, control, exports: ex };
}
