// The idiomatic layer: the concepts of the command-line tool and the Python
// binding (dictionaries, the editions of a code, the edition in force, the
// admissibility check with its reason, word search, what an insurance title
// code means) in camelCase, with Date values or YYYY-MM-DD texts for dates.
// Everything here goes through the raw layer or reads the tries the library
// returned.

const FIRST_ID = 10001;
const LAST_ID = 10049;
const OPEN_END = 99991231;

const INSURANCES = ['pension', 'disability', 'sickness', 'accident', 'health'];
const STATUSES = [['O', 'obligatory'], ['D', 'voluntary'], ['N', 'notSubject']];
const FORMS = ['DRA', 'RCA', 'RNA', 'RZA', 'ZUA', 'ZZA'];

// Base letter of the Latin letters with diacritics that the dictionaries
// hold (Polish and the other names of Central Europe), as the tool folds them.
const BASE_LETTERS = {
  'ą': 'a', 'Ą': 'a', 'ć': 'c', 'Ć': 'c', 'ę': 'e', 'Ę': 'e', 'ł': 'l', 'Ł': 'l', 'ń': 'n', 'Ń': 'n',
  'ó': 'o', 'Ó': 'o', 'ś': 's', 'Ś': 's', 'ź': 'z', 'Ź': 'z', 'ż': 'z', 'Ż': 'z', 'á': 'a', 'Á': 'a',
  'ä': 'a', 'Ä': 'a', 'â': 'a', 'Â': 'a', 'ă': 'a', 'Ă': 'a', 'č': 'c', 'Č': 'c', 'ç': 'c', 'Ç': 'c',
  'ď': 'd', 'Ď': 'd', 'đ': 'd', 'Đ': 'd', 'é': 'e', 'É': 'e', 'ë': 'e', 'Ë': 'e', 'ě': 'e', 'Ě': 'e',
  'í': 'i', 'Í': 'i', 'î': 'i', 'Î': 'i', 'ĺ': 'l', 'Ĺ': 'l', 'ľ': 'l', 'Ľ': 'l', 'ň': 'n', 'Ň': 'n',
  'ô': 'o', 'Ô': 'o', 'ö': 'o', 'Ö': 'o', 'ő': 'o', 'Ő': 'o', 'ŕ': 'r', 'Ŕ': 'r', 'ř': 'r', 'Ř': 'r',
  'š': 's', 'Š': 's', 'ş': 's', 'Ş': 's', 'ť': 't', 'Ť': 't', 'ţ': 't', 'Ţ': 't', 'ú': 'u', 'Ú': 'u',
  'ů': 'u', 'Ů': 'u', 'ü': 'u', 'Ü': 'u', 'ű': 'u', 'Ű': 'u', 'ý': 'y', 'Ý': 'y', 'ž': 'z', 'Ž': 'z',
  'ß': 's',
};

const FOLD = { ...BASE_LETTERS };
for (let u = 65; u <= 90; ++u) FOLD[String.fromCharCode(u)] = String.fromCharCode(u + 32);
const FOLDED = new RegExp(`[${Object.keys(FOLD).join('')}]`, 'g');
const foldOne = (c) => FOLD[c];

/** Lower case (ASCII) and base letters for the letters with diacritics. */
export function fold(text) {
  return text.replace(FOLDED, foldOne);
}

/** YYYYMMDD (or YYYYMM) as YYYY-MM-DD (YYYY-MM); 99991231 stays 9999-12-31. */
export function isoOf(value) {
  const pad = (n, w) => String(n).padStart(w, '0');
  if (value > 999999) return `${pad(Math.floor(value / 10000), 4)}-${pad(Math.floor(value / 100) % 100, 2)}-${pad(value % 100, 2)}`;
  return `${pad(Math.floor(value / 100), 4)}-${pad(value % 100, 2)}`;
}

// The date value test of the tool: a day against a period of days, a month
// against the months of a period; no date is in every period.
function inPeriod(ref, from, to) {
  if (!ref) return true;
  if (ref > 999999) return from <= ref && ref <= to;
  return Math.floor(from / 100) <= ref && ref <= Math.floor(to / 100);
}

export function createApi(core) {
  const { raw, slot, mem } = core;

  function typeName(v) {
    return v === null ? 'null' : Array.isArray(v) ? 'an array' : typeof v;
  }

  function needId(fn, id) {
    if (typeof id !== 'number') throw new TypeError(`${fn}: argument id must be a number, got ${typeName(id)}`);
    if (!Number.isInteger(id) || id < -2147483648 || id > 2147483647) {
      throw new RangeError(`${fn}: argument id must be an integer in the int32 range, got ${id}`);
    }
  }

  function needText(fn, name, v) {
    if (typeof v !== 'string') throw new TypeError(`${fn}: argument ${name} must be a string, got ${typeName(v)}`);
  }

  // A date argument: a Date (its local calendar day) or a YYYY-MM-DD text.
  // Gives the number YYYYMMDD, the DDMMRRRR text and the month text MMRRRR.
  function dateOf(fn, v, name = 'date') {
    let y, m, d;
    if (v instanceof Date) {
      if (Number.isNaN(v.getTime())) throw new RangeError(`${fn}: argument ${name} is an invalid Date`);
      y = v.getFullYear();
      m = v.getMonth() + 1;
      d = v.getDate();
    } else if (typeof v === 'string') {
      const match = /^(\d{4})-(\d{2})-(\d{2})$/.exec(v);
      if (!match) throw new RangeError(`${fn}: argument ${name} '${v}' is not a date: give YYYY-MM-DD`);
      y = +match[1];
      m = +match[2];
      d = +match[3];
    } else {
      throw new TypeError(`${fn}: argument ${name} must be a Date or a YYYY-MM-DD string, got ${typeName(v)}`);
    }
    const pad = (n, w) => String(n).padStart(w, '0');
    const text = pad(d, 2) + pad(m, 2) + pad(y, 4);
    if (y < 1 || y > 9999 || raw.sl_PoprawnaData_DDMMRRRR(text) !== 0) {
      throw new RangeError(`${fn}: argument ${name} '${typeof v === 'string' ? v : text}' is not a calendar date`);
    }
    return { value: y * 10000 + m * 100 + d, text, month: text.slice(2), iso: isoOf(y * 10000 + m * 100 + d) };
  }

  function todayDate() {
    const { result } = raw.sl_Now();
    return { value: result, text: isoOf(result).split('-').reverse().join(''), month: null, iso: isoOf(result) };
  }

  function edition(e) {
    return {
      validFrom: isoOf(e.valid_from),
      validTo: isoOf(e.valid_to),
      openEnd: e.valid_to === OPEN_END,
      description: e.description,
      shortText: e.short_text,
      attribute: e.attribute,
    };
  }

  const isDigits = (s) => /^[0-9]+$/.test(s);

  // ---- walking the tries (addresses the library returned)
  const SLOT = 12;
  const countAt = (s) => mem.u16[s >>> 1];
  const childAt = (s) => mem.u32[(s + 8) >>> 2];
  const entryAt = (s, i) => mem.u32[(s + 4) >>> 2] + 20 * i;

  // Calls f(code, slotAddress) for every code with entries below the node,
  // in digit order, until f returns true.
  function walk(node, prefix, f, depth = 0) {
    if (!node || depth > 16) return false;
    for (let d = 0; d < 10; ++d) {
      const s = node + SLOT * d;
      const code = prefix + d;
      if (countAt(s) > 0 && f(code, s)) return true;
      if (walk(childAt(s), code, f, depth + 1)) return true;
    }
    return false;
  }

  function rootOf(id) {
    if (id < FIRST_ID || id > LAST_ID) return null;
    return raw.sl_PobierzSlownik(id);
  }

  function slotOf(id, code) {
    const root = rootOf(id);
    if (!root || !isDigits(code) || code.length > 50) return null;
    return raw.sl_PobierzOpisKodu(root, code);
  }

  function editionsAt(s) {
    const n = countAt(s);
    const list = [];
    for (let i = 0; i < n; ++i) list.push(mem.entry(entryAt(s, i)));
    return list;
  }

  let catalogue = null;

  /** The dictionaries that hold codes, in ID order: [{ id, name }]. */
  function dictionaries() {
    if (!catalogue) {
      catalogue = [];
      for (let id = FIRST_ID; id <= LAST_ID; ++id) {
        if (raw.sl_PobierzSlownik(id)) catalogue.push(Object.freeze({ id, name: raw.sl_PobierzNazweSlownika(id) }));
      }
      Object.freeze(catalogue);
    }
    return catalogue.slice();
  }

  /** Every edition of a digit code, in the order the dictionary keeps; [] when it holds none. */
  function entries(id, code) {
    needId('entries', id);
    needText('entries', 'code', code);
    const s = slotOf(id, code);
    return s ? slot(s).entries.map(edition) : [];
  }

  /** The edition in force on the date (null/omitted: the first stored edition), or null. */
  function entry(id, code, date = null) {
    needId('entry', id);
    needText('entry', 'code', code);
    const value = date === null ? 0 : dateOf('entry', date).value;
    if (code === '') return null;
    const e = raw.sl_PobierzOpisOkresu(id, code, value);
    return e ? edition(e) : null;
  }

  /** May the code be entered in a declaration field of the dictionary on the date (omitted: at any time)? */
  function check(id, code, date = null) {
    needId('check', id);
    needText('check', 'code', code);
    const d = date === null ? null : dateOf('check', date);
    if (code === '') return false;
    return raw.fb_KVDKodSprawdzArkusze(id, code, d && d.text) === 0;
  }

  // ---- the reasons of a "no", read from the tries as the tool reads them
  const periodsOf = (list) => list.map((e) => ({ validFrom: isoOf(e.valid_from), validTo: isoOf(e.valid_to) }));

  function codeInForceBelow(node, prefix, ref) {
    let found = null;
    walk(node, prefix, (code, s) => {
      for (const e of editionsAt(s)) {
        if (ref <= 0 || inPeriod(ref, e.valid_from, e.valid_to)) {
          found = code;
          return true;
        }
      }
      return false;
    });
    return found;
  }

  function digitReason(id, code, ref) {
    if (!isDigits(code)) return { kind: 'notDigits' };
    const h = slotOf(id, code);
    if (!h) return { kind: 'unknownCode' };
    const s = h;
    if (countAt(s) === 0) {
      const longer = codeInForceBelow(childAt(s), code, 0);
      return longer ? { kind: 'onlyPrefix', example: longer } : { kind: 'unknownCode' };
    }
    const longer = codeInForceBelow(childAt(s), code, ref);
    if (longer) return { kind: 'heading', example: longer };
    if (ref) return { kind: 'notInForce', periods: periodsOf(editionsAt(s)) };
    return null;
  }

  // Entries whose short text is exactly the code, among the given slots.
  function shortTextReason(slots, code, ref, written) {
    let named = false;
    const periods = [];
    for (const s of slots) {
      for (const e of editionsAt(s)) {
        if (e.short_text !== code) continue;
        named = true;
        if (!ref || inPeriod(ref, e.valid_from, e.valid_to)) return null;
        periods.push({ validFrom: isoOf(e.valid_from), validTo: isoOf(e.valid_to) });
      }
    }
    if (!named) return { kind: 'unknownCode', written };
    return { kind: 'notInForce', periods };
  }

  function branchReason(id, code, ref) {
    if (code.length < 2 || !isDigits(code.slice(0, 2))) return { kind: 'notBranch' };
    const s = slotOf(id, code.slice(0, 2));
    if (!s || countAt(s) === 0 || childAt(s)) return { kind: 'unknownCode' };
    const written = editionsAt(s).map((e) => e.short_text).filter((t) => t);
    return shortTextReason([s], code, ref, written);
  }

  function letterReason(id, code, ref) {
    const root = rootOf(id);
    const slots = [];
    const written = [];
    for (let d = 0; root && d < 10; ++d) {
      const s = root + SLOT * d;
      if (countAt(s) === 0) continue;
      slots.push(s);
      for (const e of editionsAt(s)) if (e.short_text) written.push(e.short_text);
    }
    return shortTextReason(slots, code, ref, written);
  }

  // Names longer than 22 characters count by their first 22.
  function nameMatches(t, code) {
    if (t.slice(0, 22) === code.slice(0, 22)) return true;
    return t.length >= 22 && t[21] === ' ' && code.length === 21 && t.slice(0, 21) === code;
  }

  function nameReason(id, code, ref) {
    let named = false;
    let ok = false;
    const periods = [];
    walk(rootOf(id), '', (c, s) => {
      for (const e of editionsAt(s)) {
        const t = e.short_text ? e.short_text : e.description;
        if (!t || !nameMatches(t, code)) continue;
        named = true;
        if (!ref || inPeriod(ref, e.valid_from, e.valid_to)) ok = true;
        periods.push({ validFrom: isoOf(e.valid_from), validTo: isoOf(e.valid_to) });
      }
      return false;
    });
    if (ok) return null;
    if (!named) return { kind: 'unknownName' };
    return { kind: 'notInForce', periods };
  }

  function titleReason(code, ref) {
    if (code.length !== 6 || !isDigits(code)) return { kind: 'notTitleCode' };
    if (raw.fb_KVDZasadyPodleganiaUb(code.slice(0, 4), code[4], code[5], null) !== 0) return { kind: 'noRules' };
    if (ref) return { kind: 'rulesNotInForce' };
    return null;
  }

  const MESSAGES = {
    notDigits: (r, id) => `not a digit code: codes of dictionary ${id} are digits`,
    unknownCode: (r) => 'not in the dictionary' + (r.written && r.written.length ? ` (its codes are written ${r.written.join(' ')})` : ''),
    onlyPrefix: (r) => `not in the dictionary, only the beginning of longer codes such as ${r.example}`,
    heading: (r, id, on) => `a heading of longer codes in force${on} (such as ${r.example}); enter one of them`,
    notInForce: (r, id, on) => `not in force${on} (valid ${r.periods.map((p) => `${p.validFrom} to ${p.validTo === '9999-12-31' ? 'open' : p.validTo}`).join(', ')})`,
    notBranch: () => 'not a branch code: branch codes are two digits and a letter, such as 01R',
    unknownName: () => 'no name in the dictionary reads so (names are written in capitals)',
    notTitleCode: () => 'an insurance title code has six digits: the title, the pension-right digit and the disability digit',
    noRules: () => 'no insurance rules for this title code',
    rulesNotInForce: (r, id, on) => `none of the title's insurance rules is in force${on}`,
    noCheckRule: (r, id) => `no code may be entered from dictionary ${id} (it has no check rule)`,
    noCodeList: (r, id) => `dictionary ${id} has no code list`,
    other: () => 'not admissible (the dictionary shows no further reason)',
  };

  /**
   * The check with its answer and reason: { admissible, result, reason },
   * reason null when admissible, else { kind, message, ... } (kind is one
   * of the keys of the messages: notInForce with periods, heading with an
   * example code, unknownCode, ...).
   */
  function explain(id, code, date = null) {
    needId('explain', id);
    needText('explain', 'code', code);
    const d = date === null ? null : dateOf('explain', date);
    const result = code === '' ? -1 : raw.fb_KVDKodSprawdzArkusze(id, code, d && d.text);
    if (result === 0) return { admissible: true, result, reason: null };
    const ref = d ? d.value : 0;
    let reason;
    if (code === '') reason = { kind: 'unknownCode' };
    else if (id === 10003) reason = titleReason(code, ref);
    else if (id === 10005 || id === 10014) reason = branchReason(id, code, ref);
    else if ([10024, 10034, 10037, 10045].includes(id)) reason = letterReason(id, code, ref);
    else if (id === 10046 || id === 10047) reason = nameReason(id, code, ref);
    else if ([10026, 10040, 10041, 10042, 10043, 10044].includes(id)) reason = { kind: 'noCheckRule' };
    else reason = rootOf(id) ? digitReason(id, code, ref) : { kind: 'noCodeList' };
    if (!reason) reason = { kind: 'other' };
    const on = d ? ` on ${d.iso}` : '';
    reason.message = MESSAGES[reason.kind](reason, id, on);
    return { admissible: false, result, reason };
  }

  // ---- search
  // The texts are searched where they lie in the module's memory, each unit
  // folded through one table: no string is made until a code matches.
  const FOLD16 = new Uint16Array(65536);
  for (let u = 0; u < 65536; ++u) FOLD16[u] = u;
  for (const [c, base] of Object.entries(FOLD)) FOLD16[c.charCodeAt(0)] = base.charCodeAt(0);
  const codeLists = new Map();

  function codesOf(id) {
    let list = codeLists.get(id);
    if (!list) {
      list = [];
      walk(rootOf(id), '', (code, s) => {
        list.push(code, s);
        return false;
      });
      codeLists.set(id, list);
    }
    return list;
  }

  // Does the text at byte address p hold the folded word w?
  function holds(p, w) {
    if (!p) return false;
    const u = mem.u16;
    const n = w.length;
    const w0 = w[0];
    for (let i = p >>> 1; u[i] !== 0; ++i) {
      if (FOLD16[u[i]] !== w0) continue;
      let j = 1;
      while (j < n && FOLD16[u[i + j]] === w[j]) ++j;
      if (j === n) return true;
    }
    return false;
  }

  /**
   * The codes of a dictionary whose description or short text holds every
   * word (case and diacritics do not matter), in code order, one per code
   * with its first matching edition: [{ code, validFrom, ... }].
   */
  function search(id, words) {
    needId('search', id);
    const list = typeof words === 'string' ? [words] : words;
    if (!Array.isArray(list) || list.some((w) => typeof w !== 'string')) {
      throw new TypeError(`search: argument words must be a string or an array of strings, got ${typeName(words)}`);
    }
    const wanted = list.flatMap((w) => fold(w).split(/[ \t\n\0]+/)).filter((w) => w)
      .map((w) => Uint16Array.from(w, (c) => c.charCodeAt(0)));
    if (!wanted.length || !rootOf(id)) return [];
    mem.refresh();
    const hits = [];
    const codes = codesOf(id);
    const u32 = mem.u32;
    for (let c = 0; c < codes.length; c += 2) {
      const s = codes[c + 1];
      const n = countAt(s);
      for (let i = 0; i < n; ++i) {
        const e = entryAt(s, i);
        const description = u32[e >>> 2];
        const short = u32[(e + 16) >>> 2];
        if (wanted.every((w) => holds(description, w) || holds(short, w))) {
          hits.push({ code: codes[c], ...edition(mem.entry(e)) });
          break;
        }
      }
    }
    return hits;
  }

  // ---- navigation
  /** The codes directly below a code ('' for the top of the dictionary): [{ code, description }]. */
  function children(id, code = '') {
    needId('children', id);
    needText('children', 'code', code);
    const root = rootOf(id);
    if (!root || (code !== '' && !isDigits(code))) return [];
    const start = code === '' ? root : (() => {
      const s = slotOf(id, code);
      return s ? childAt(s) : 0;
    })();
    const list = [];
    const visit = (node, prefix, depth) => {
      if (!node || depth > 16) return;
      for (let d = 0; d < 10; ++d) {
        const s = node + SLOT * d;
        if (countAt(s) > 0) {
          const first = mem.entry(entryAt(s, 0));
          list.push({ code: prefix + d, description: first.description, shortText: first.short_text });
        } else {
          visit(childAt(s), prefix + d, depth + 1);
        }
      }
    };
    visit(start, code, 0);
    return list;
  }

  /**
   * The digit codes whose short text reads as the given text, case and
   * diacritics aside: the codes written on documents as 01R, PL or K.
   */
  function codesWritten(id, text) {
    needId('codesWritten', id);
    needText('codesWritten', 'text', text);
    const want = fold(text);
    const found = [];
    if (!want) return found;
    walk(rootOf(id), '', (code, s) => {
      if (editionsAt(s).some((e) => e.short_text && fold(e.short_text) === want)) found.push(code);
      return false;
    });
    return found;
  }

  /** The headings above a code, outermost first: [{ code, description }]. */
  function parents(id, code) {
    needId('parents', id);
    needText('parents', 'code', code);
    const list = [];
    if (!isDigits(code) || !rootOf(id)) return list;
    for (let n = 1; n < code.length; ++n) {
      const s = slotOf(id, code.slice(0, n));
      if (s && countAt(s) > 0) {
        const first = mem.entry(entryAt(s, 0));
        list.push({ code: code.slice(0, n), description: first.description, shortText: first.short_text });
      }
    }
    return list;
  }

  // ---- insurance title codes
  /**
   * What a six-digit insurance title code means on a date (default today):
   * the statuses the rules allow for each of the five insurances, the forms
   * that admit it and the benefit and break codes allowed with it.
   */
  function title(code, date = null) {
    needText('title', 'code', code);
    if (!/^[0-9]{6}$/.test(code)) {
      throw new RangeError(`title: '${code}' is not an insurance title code: give six digits, such as 011000`);
    }
    const d = date === null ? todayDate() : dateOf('title', date);
    const month = d.text.slice(2);
    const t4 = code.slice(0, 4);
    const p = code[4];
    const q = code[5];
    const named = raw.sl_PobierzOpisOkresu(10015, t4, d.value);
    const insurances = {};
    INSURANCES.forEach((key, i) => {
      insurances[key] = STATUSES.filter(([letter]) => raw.fb_KVD_Slw_Podl_ONE(t4, p, q, i, letter, [d.text]) === 0)
        .map(([, status]) => status);
    });
    const forms = [];
    const formsAtOtherTimes = [];
    for (const f of FORMS) {
      const check = raw[`fb_KVD_KodTyt_WypDok_${f}_ONE`];
      if (check(null, t4, p, q, [d.text]) === 0) forms.push(`ZUS ${f}`);
      else if (check(null, t4, p, q, []) === 0) formsAtOtherTimes.push(`ZUS ${f}`);
    }
    const listed = [];
    const s = slotOf(10001, code);
    if (s) {
      for (const e of editionsAt(s)) if (e.short_text && !listed.includes(e.short_text)) listed.push(e.short_text);
    }
    listed.sort();
    const benefitCodes = listed.filter((b) => raw.fb_KVDZaleznosciKodSwKodTytIdent(t4, p, q, b, month) === 0);
    return {
      code,
      date: d.iso,
      description: named ? named.description : null,
      hasRules: raw.fb_KVDZasadyPodleganiaUb(t4, p, q, null) === 0,
      rulesInForce: raw.fb_KVDZasadyPodleganiaUb(t4, p, q, d.text) === 0,
      insurances,
      forms,
      formsAtOtherTimes,
      benefitCodes,
      benefitCodesListed: listed,
    };
  }

  /** Today's date as the library sees it (the host's clock), YYYY-MM-DD. */
  function today() {
    return todayDate().iso;
  }

  return { raw, slot, dictionaries, entries, entry, check, explain, search, children, parents, codesWritten, title, today, fold };
}
