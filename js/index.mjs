// kodownik: the code dictionaries and validation rules of ZUS declarations,
// as a WebAssembly module with a raw and an idiomatic JavaScript layer.
//
//   import { load } from 'kodownik';
//   const k = await load();
//   k.check(10004, '011101', '2003-01-01');                 // true
//   k.raw.fb_KVDKodSprawdzArkusze(10004, '011101', '01012003'); // 0
//
// The same loader serves Node (it reads the bundled .wasm) and browsers (they
// fetch it next to this file); a caller may pass the bytes or a URL instead.
import cp1250 from './dist/cp1250.mjs';
import { createRaw } from './lib/raw.mjs';
import { createApi } from './lib/api.mjs';

const DEFAULT_WASM = new URL('./dist/kodownik_w.wasm', import.meta.url);
let defaultModule = null;

const isNode = typeof process !== 'undefined' && process.versions != null && process.versions.node != null;

function isBytes(v) {
  return v instanceof ArrayBuffer || ArrayBuffer.isView(v);
}

async function compile(source) {
  if (source instanceof WebAssembly.Module) return source;
  if (isBytes(source)) return WebAssembly.compile(source);
  if (typeof Response !== 'undefined' && source instanceof Response) {
    return WebAssembly.compile(await source.arrayBuffer());
  }
  let url;
  if (source instanceof URL) url = source;
  else if (typeof source === 'string' && isNode && !/^[a-z][a-z0-9+.-]*:/i.test(source)) {
    // Under Node a text without a scheme is a file path.
    const { readFile } = await import('node:fs/promises');
    return WebAssembly.compile(await readFile(source));
  } else if (typeof source === 'string') {
    const base = typeof document !== 'undefined' && document.baseURI ? document.baseURI : import.meta.url;
    url = new URL(source, base);
  } else {
    throw new TypeError('load: wasm must be bytes, a URL, a Response or a WebAssembly.Module');
  }
  if (url.protocol === 'file:' && isNode) {
    const { readFile } = await import('node:fs/promises');
    return WebAssembly.compile(await readFile(url));
  }
  const response = await fetch(url);
  if (!response.ok) throw new Error(`load: cannot fetch ${url}: ${response.status} ${response.statusText}`);
  // Served as application/wasm, the module compiles while it downloads.
  if (typeof WebAssembly.compileStreaming === 'function' &&
      (response.headers.get('content-type') || '').split(';')[0].trim() === 'application/wasm') {
    return WebAssembly.compileStreaming(response);
  }
  return WebAssembly.compile(await response.arrayBuffer());
}

// Today's date in the host's local time as YYYYMMDD.
function localToday() {
  const d = new Date();
  return d.getFullYear() * 10000 + (d.getMonth() + 1) * 100 + d.getDate();
}

/**
 * Loads the module and returns the library: { raw, slot, ...idiomatic }.
 * options: a wasm source (bytes, URL, URL text, Response or
 * WebAssembly.Module), or { wasm, today }, where today() gives the date the
 * library takes for today as YYYYMMDD (default: the host's clock).
 */
export async function load(options) {
  let wasm;
  let today = localToday;
  if (options === undefined || options === null) {
    // the bundled module
  } else if (isBytes(options) || options instanceof URL || typeof options === 'string' ||
             options instanceof WebAssembly.Module ||
             (typeof Response !== 'undefined' && options instanceof Response)) {
    wasm = options;
  } else if (typeof options === 'object') {
    wasm = options.wasm;
    if (options.today !== undefined) {
      if (typeof options.today !== 'function') throw new TypeError('load: today must be a function');
      today = options.today;
    }
  } else {
    throw new TypeError('load: expected nothing, a wasm source or an options object');
  }
  let module;
  if (wasm === undefined || wasm === null) {
    defaultModule = defaultModule || compile(DEFAULT_WASM);
    try {
      module = await defaultModule;
    } catch (e) {
      defaultModule = null;
      throw e;
    }
  } else {
    module = await compile(wasm);
  }
  const imports = {
    env: {
      kodownik_today: () => {
        const v = Number(today());
        return Number.isInteger(v) ? v | 0 : 0;
      },
    },
  };
  const instance = await WebAssembly.instantiate(module, imports);
  if (typeof instance.exports._initialize === 'function') instance.exports._initialize();
  const core = createRaw(instance, cp1250);
  const lib = createApi(core);
  Object.defineProperty(lib, '_control', { value: core.control, enumerable: false });
  Object.defineProperty(lib, 'memory', { value: instance.exports.memory, enumerable: false });
  return Object.freeze(lib);
}

/**
 * The editions of the code lists the bundled module carries: 'snapshot'
 * (the reference code lists; scripts/wasm builds no other) or 'current'.
 * package.json states the same under kodownik.editions.
 */
export const EDITIONS = 'snapshot';

export default load;
