"""Insurance title codes admitted per form: five code tries without a
dictionary ID (ZUS DRA; ZUS RNA and ZUS RCA, one table; ZUS RZA; ZUS ZUA;
ZUS ZZA).

data/form_titles.tsv holds the rows: form, four-digit title, a set of
pension-right digits and a set of disability digits ("0-2", "0,2", "4"),
one period. A row admits every six-digit code of its digit rectangle over
that period; a code met by two rows has two periods, kept in row order.
Month tables (DRA, RNA_RCA, RZA) store YYYYMM, day tables (ZUA, ZZA)
YYYYMMDD; the open end is 999912 / 99991231.

data/form_title_keys.tsv fixes per form the reference key list of four-digit
titles, the number of codes and whether that number is enforced or only
reported. data/form_title_telling.tsv holds rows whose periods are fixed
(or whose codes must be absent). Any disagreement stops the generator.
"""

import dictionaries
from common import Entry, GenError, emit_trie, fail, file_text, parse_int, read_tsv, valid_day

FORMS = ("DRA", "RNA_RCA", "RZA", "ZUA", "ZZA")
SYMBOLS = {f: "kTrieFormularza" + f for f in FORMS}
FILES = {f: "src/data/form_titles_%s.cpp" % f.lower() for f in FORMS}
NAMES = {"DRA": "ZUS DRA", "RNA_RCA": "ZUS RNA and ZUS RCA", "RZA": "ZUS RZA", "ZUA": "ZUS ZUA", "ZZA": "ZUS ZZA"}
SOURCES = ("given", "law", "list", "derived", "inferred")
UNITS = ("month", "day")


def digit_set(row, col, hi):
    """'0-2', '0,2', '4' -> sorted list of digits 0..hi; duplicates fail."""
    text = row.get(col)
    if not text:
        fail(row.where, "column %s is empty" % col)
    out = []
    for part in text.split(","):
        a, dash, b = part.partition("-")
        if not (len(a) == 1 and a.isdigit()) or (dash and not (len(b) == 1 and b.isdigit())):
            fail(row.where, "column %s: %r is not a digit set" % (col, text))
        lo, top = int(a), int(b) if dash else int(a)
        if top < lo:
            fail(row.where, "column %s: range %s runs backwards" % (col, part))
        out.extend(range(lo, top + 1))
    if len(set(out)) != len(out):
        fail(row.where, "column %s: %r names a digit twice" % (col, text))
    if max(out) > hi:
        fail(row.where, "column %s: digit %d outside 0-%d" % (col, max(out), hi))
    return sorted(out)


def codes_of(row, title):
    if row["pension_digits"] == "*" or row["disability_digits"] == "*":
        return None
    return ["%s%d%d" % (title, p, d) for p in digit_set(row, "pension_digits", 2)
            for d in digit_set(row, "disability_digits", 4)]


def valid_month(n):
    return n == 999912 or (190001 <= n <= 999912 and 1 <= n % 100 <= 12)


def period_value(where, what, text, unit):
    width = 6 if unit == "month" else 8
    if text is None or len(text) != width or not text.isdigit():
        fail(where, "%s %r is not a %d-digit %s value" % (what, text, width, unit))
    n = int(text)
    if not (valid_month(n) if unit == "month" else valid_day(n)):
        fail(where, "%s %s is not a real %s" % (what, text, unit))
    return n


def parse_period(where, text, unit):
    """'FROM-TO' -> (from, to)."""
    a, dash, b = text.partition("-")
    if not dash:
        fail(where, "period %r is not FROM-TO" % text)
    lo, hi = period_value(where, "valid_from", a, unit), period_value(where, "valid_to", b, unit)
    if hi < lo:
        fail(where, "period ends (%d) before it starts (%d)" % (hi, lo))
    return lo, hi


def read_keys(rows):
    """form -> {codes, titles, unit, keys, enforced}."""
    keys = {}
    for r in rows:
        form = r["form"]
        if form not in FORMS:
            fail(r.where, "unknown form %r" % form)
        if form in keys:
            fail(r.where, "form %s listed twice" % form)
        if r["source"] not in SOURCES:
            fail(r.where, "unknown source class %r" % r["source"])
        if r["unit"] not in UNITS:
            fail(r.where, "unit must be month or day")
        if r["counts"] not in ("enforced", "reported"):
            fail(r.where, "counts must be enforced or reported")
        titles = r["keys"].split()
        for t in titles:
            if len(t) != 4 or not t.isdigit():
                fail(r.where, "key %r is not a four-digit title" % t)
        if titles != sorted(set(titles)):
            fail(r.where, "keys not ascending or repeated")
        if len(titles) != parse_int(r, "titles", 0):
            fail(r.where, "%d keys listed, the titles column says %s" % (len(titles), r["titles"]))
        keys[form] = {"codes": parse_int(r, "codes", 0), "titles": len(titles), "unit": r["unit"],
                      "keys": titles, "enforced": r["counts"] == "enforced"}
    missing = [f for f in FORMS if f not in keys]
    if missing:
        fail("form_title_keys.tsv", "no key list for %s" % ", ".join(missing))
    return keys


def read_table(rows, keys):
    """form -> {code: [(from, to, source, where), ...]} in row order."""
    tables = {f: {} for f in FORMS}
    last_title = {}
    for r in rows:
        form = r["form"]
        if form not in FORMS:
            fail(r.where, "unknown form %r" % form)
        title = r["title"]
        if title is None or len(title) != 4 or not title.isdigit():
            fail(r.where, "title %r is not four digits" % title)
        if title < last_title.get(form, ""):
            fail(r.where, "%s rows not in title order: %s after %s" % (form, title, last_title[form]))
        last_title[form] = title
        if title not in keys[form]["keys"]:
            fail(r.where, "title %s is not on the reference key list of %s" % (title, form))
        if r["source"] not in SOURCES:
            fail(r.where, "unknown source class %r (expected one of %s)" % (r["source"], ", ".join(SOURCES)))
        if not r.get("basis"):
            fail(r.where, "the basis column is empty")
        unit = keys[form]["unit"]
        lo, hi = parse_period(r.where, "%s-%s" % (r["valid_from"], r["valid_to"]), unit)
        codes = codes_of(r, title)
        if codes is None:
            fail(r.where, "'*' is not allowed in the table")
        for code in codes:
            periods = tables[form].setdefault(code, [])
            if any((p[0], p[1]) == (lo, hi) for p in periods):
                fail(r.where, "code %s gets the period %d-%d twice" % (code, lo, hi))
            if len(periods) == 2:
                fail(r.where, "code %s gets a third period; a code has one or two" % code)
            periods.append((lo, hi, r["source"], r.where))
    return tables


def check_keys(tables, keys):
    for form in FORMS:
        present = sorted({c[:4] for c in tables[form]})
        want = keys[form]["keys"]
        if present != want:
            missing = sorted(set(want) - set(present))
            extra = sorted(set(present) - set(want))
            fail("form_titles.tsv", "%s titles differ from the reference key list: missing %s, extra %s" % (
                form, " ".join(missing) or "-", " ".join(extra) or "-"))


def check_telling(rows, tables, keys):
    for r in rows:
        form = r["form"]
        if form not in FORMS:
            fail(r.where, "unknown form %r" % form)
        title = r["title"]
        if title not in keys[form]["keys"]:
            fail(r.where, "title %r is not on the reference key list of %s" % (title, form))
        if r["source"] not in SOURCES:
            fail(r.where, "unknown source class %r" % r["source"])
        table = tables[form]
        if r["periods"] == "absent":
            codes = codes_of(r, title)
            if codes is None:
                fail(r.where, "'*' with 'absent': use the key list")
            for c in codes:
                if c in table:
                    fail(r.where, "%s %s must be absent but the table holds it (%s)" % (form, c, table[c][0][3]))
            continue
        want = [parse_period(r.where, p, keys[form]["unit"]) for p in r["periods"].split()]
        codes = codes_of(r, title)
        if codes is None:
            codes = sorted(c for c in table if c[:4] == title)
            if not codes:
                fail(r.where, "%s holds no code of %s" % (form, title))
        for c in codes:
            if c not in table:
                fail(r.where, "%s %s is missing" % (form, c))
            got = [(p[0], p[1]) for p in table[c]]
            if got != want:
                fail(r.where, "%s %s has periods %s, the telling row fixes %s" % (
                    form, c, " ".join("%d-%d" % p for p in got), " ".join("%d-%d" % p for p in want)))


def check_counts(tables, keys, reports):
    """Enforced counts fail; reported ones add a message to reports."""
    for form in FORMS:
        n = len(tables[form])
        k = keys[form]
        if n == k["codes"]:
            continue
        msg = "form table %s: %d codes, defined %d (%+d)" % (form, n, k["codes"], n - k["codes"])
        if k["enforced"]:
            raise GenError("form_titles.tsv: " + msg)
        reports.append(msg)


def build(table_rows, key_rows, telling_rows, reports):
    keys = read_keys(key_rows)
    tables = read_table(table_rows, keys)
    check_keys(tables, keys)
    check_telling(telling_rows, tables, keys)
    check_counts(tables, keys, reports)
    return tables


def generate(out):
    table_rows = read_tsv("form_titles.tsv", ("form", "title", "pension_digits", "disability_digits",
                                              "valid_from", "valid_to", "source", "basis"))
    key_rows = read_tsv("form_title_keys.tsv", ("form", "codes", "titles", "unit", "counts", "keys", "source"))
    telling_rows = read_tsv("form_title_telling.tsv", ("form", "title", "pension_digits", "disability_digits",
                                                       "periods", "source"))
    tables = build(table_rows, key_rows, telling_rows, dictionaries.REPORTS)
    for form in FORMS:
        codes = [(code, [Entry(None, lo, hi, 0, None, src, where) for lo, hi, src, where in periods])
                 for code, periods in tables[form].items()]
        statics, definition, _ = emit_trie(SYMBOLS[form], codes, "insurance title codes admitted on %s" % NAMES[form])
        out.add(FILES[form], file_text(statics, definition))
