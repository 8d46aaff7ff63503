"""Dictionary 10001, the title-benefit matrix.

For every six-digit insurance title code of the reference key list
(data/benefit_matrix_keys.tsv) the matrix lists, for each of the 44 benefit
and break codes, the periods in which the code may be reported under the
title (attribute 120, "x") and those in which it may not (attribute 32, " ").
The lists are not available as a table; they are expanded here from the
rules of data/benefit_matrix_rules.tsv.

Rules (one row each): title_pattern, benefit_codes, valid_from, valid_to,
allowed, source, basis.

  title_pattern  titles[;p=digits][;d=digits]: four-digit titles separated
                 by commas, or '*' for every title; p = pension-right digits,
                 d = disability-degree digits ('0-3', '1,2', '4')
  allowed        'x': the codes may be reported under the matching keys on
                 every day of the period; '-': they may not
  source         given (the defined content), law (read from the cited law),
                 inferred (a judgement, reason in the basis)

Expansion of one key and one code: the allowed days are the union of the
matching 'x' rows; every other day from 19990101 to 99991231 is not allowed.
A '-' row other than the default row states days that no 'x' row may allow;
a contradiction stops the generator. The entries of the code alternate
between allowed and not-allowed periods and cover 19990101-99991231 once, so
no two entries of one code overlap and each list names every code.

Entry order: by valid-from; entries that begin on the same day in the order
of the benefit rule tables (the order in which the default '*' row names the
codes). Every list thus begins with one entry per code from 19990101, in code
order, and the later periods follow in the order in which they begin: the
defined list of 011000 begins 111 (19990101-99991231), 112 (19990101-
20030930), 121, 122, and its entry 112 (20031001-99991231) stands after
155 and 214, 216 from 20030101.

Entry class: 'derived' where the given rows alone decide every day of the
code under the key (the defined list 011000), 'reconstructed' elsewhere. The
only text of an entry is the benefit code, which is exact either way.
"""

import datetime

import common
import dictionaries
from common import fail, parse_int, read_tsv, valid_day

RULES = "benefit_matrix_rules.tsv"
KEYS = "benefit_matrix_keys.tsv"
RULE_TABLES = "benefit_rules.tsv"  # the benefit rule tables: their code order

START, END = 19990101, 99991231
ALLOWED, NOT_ALLOWED = 120, 32
RULE_SOURCES = ("given", "law", "inferred")

# The shape of the defined content.
TITLE_COUNT = 133
KEY_COUNT = 1950
CODE_COUNT = 44
LIST_MIN, LIST_MAX = 44, 66
TARGET_LISTS = 120
TARGET_ENTRIES = 92400
# Titles whose keys do not take every ending 00-04, 10-14, 20-24.
PENSION_EXCEPTIONS = {"0512": {2}, "0572": {2}, "1210": {0}, "1230": {0}, "1220": {1, 2}}

# The defined list of title code 011000: (from, to, attribute, codes).
TELLING_KEY = "011000"
TELLING = (
    (19990101, 99991231, ALLOWED, "111 121 122 151 152 212 215 311 312 313 314 315 316 317 318 321 322 323 324 "
                                  "331 332 335 336 350"),
    (19990101, 20030930, ALLOWED, "112 130 140 220"),
    (20031001, 99991231, NOT_ALLOWED, "112 130 140 220"),
    (19990101, 20021231, NOT_ALLOWED, "155 214 216"),
    (20030101, 20041231, ALLOWED, "155"),
    (20030101, 99991231, ALLOWED, "214 216"),
    (20050101, 99991231, NOT_ALLOWED, "155 211"),
    (19990101, 20041231, ALLOWED, "211"),
    (19990101, 20080630, ALLOWED, "333 334 337 338"),
    (20080701, 99991231, NOT_ALLOWED, "333 334 337 338"),
    (19990101, 20090831, ALLOWED, "401 402 403"),
    (20090901, 99991231, NOT_ALLOWED, "401 402 403"),
    (19990101, 99991231, NOT_ALLOWED, "301 302 303 304 100"),
)
TELLING_ENTRIES = 60
# The stored order of the defined list begins so.
TELLING_BEGINS = (("111", 19990101, 99991231, ALLOWED), ("112", 19990101, 20030930, ALLOWED),
                  ("121", 19990101, 99991231, ALLOWED), ("122", 19990101, 99991231, ALLOWED))


class MatrixEntry(common.Entry):
    """An entry of 10001: its only text, the benefit code, is exact."""
    __slots__ = ()
    exact_texts = True


# ---------------------------------------------------------------------------
# Days

def next_day(n):
    if n >= END:
        return END + 1
    d = datetime.date(n // 10000, n // 100 % 100, n % 100) + datetime.timedelta(days=1)
    return d.year * 10000 + d.month * 100 + d.day


def prev_day(n):
    d = datetime.date(n // 10000, n // 100 % 100, n % 100) - datetime.timedelta(days=1)
    return d.year * 10000 + d.month * 100 + d.day


def merge(periods):
    """Union of inclusive day periods, as sorted disjoint periods."""
    out = []
    for a, b in sorted(periods):
        if out and a <= next_day(out[-1][1]):
            if b > out[-1][1]:
                out[-1] = (out[-1][0], b)
        else:
            out.append((a, b))
    return out


def covers_all(periods):
    m = merge(periods)
    return len(m) == 1 and m[0] == (START, END)


# ---------------------------------------------------------------------------
# Key set

def parse_digits(text, where, hi):
    """'0-3', '1,2', '4' -> set of digits 0..hi."""
    out = set()
    for part in (text or "").split(","):
        a, sep, b = part.partition("-")
        if not (a.isdigit() and len(a) == 1 and (not sep or (b.isdigit() and len(b) == 1))):
            fail(where, "digits %r: expected forms like 0-3, 1,2 or 4" % text)
        lo, up = int(a), int(b) if sep else int(a)
        if lo > up or up > hi:
            fail(where, "digits %r outside 0-%d or reversed" % (text, hi))
        out.update(range(lo, up + 1))
    return out


def keys_from_rows(rows):
    """[(title, pension digit, disability digit)] in key order, checked
    against the shape of the reference key list."""
    titles = []
    keys = []
    for r in rows:
        t = r.get("title") or ""
        if len(t) != 4 or not t.isdigit():
            fail(r.where, "title %r is not four digits" % t)
        if t in titles:
            fail(r.where, "title %s listed twice" % t)
        if r.get("source") != "given":
            fail(r.where, "the key list is given data; source must be 'given'")
        titles.append(t)
        pens = parse_digits(r.get("pension_digits"), r.where, 2)
        dis = parse_digits(r.get("disability_digits"), r.where, 4)
        want = PENSION_EXCEPTIONS.get(t, {0, 1, 2})
        if pens != want or dis != {0, 1, 2, 3, 4}:
            fail(r.where, "title %s takes pension-right digits %s and disability digits 0-4 in the reference key list"
                 % (t, ",".join(map(str, sorted(want)))))
        keys.extend((t, p, d) for p in sorted(pens) for d in sorted(dis))
    if len(titles) != TITLE_COUNT:
        fail(KEYS, "%d titles; the reference key list has %d" % (len(titles), TITLE_COUNT))
    if titles != sorted(titles):
        fail(KEYS, "titles not in ascending order")
    for t in PENSION_EXCEPTIONS:
        if t not in titles:
            fail(KEYS, "title %s of the reference key list is missing" % t)
    if len(keys) != KEY_COUNT:
        fail(KEYS, "%d keys; the reference key list has %d" % (len(keys), KEY_COUNT))
    return keys


def key_code(key):
    return "%s%d%d" % key


# ---------------------------------------------------------------------------
# Rules

class Rule:
    __slots__ = ("where", "titles", "pens", "dis", "codes", "valid_from", "valid_to", "allowed", "source",
                 "default", "used")

    def matches(self, key):
        t, p, d = key
        return ((self.titles is None or t in self.titles) and (self.pens is None or p in self.pens)
                and (self.dis is None or d in self.dis))


def parse_pattern(rule, text, known_titles, where):
    parts = [x.strip() for x in (text or "").split(";")]
    if parts[0] == "*":
        rule.titles = None
    else:
        rule.titles = set(parts[0].split(","))
        for t in sorted(rule.titles):
            if t not in known_titles:
                fail(where, "title %r is not a title of the reference key list" % t)
    rule.pens = rule.dis = None
    for c in parts[1:]:
        if c.startswith("p=") and rule.pens is None:
            rule.pens = parse_digits(c[2:], where, 2)
        elif c.startswith("d=") and rule.dis is None:
            rule.dis = parse_digits(c[2:], where, 4)
        else:
            fail(where, "condition %r: expected one p=digits and one d=digits at most" % c)


def rules_from_rows(rows, known_titles):
    """(rules, code order). The default row ('*', not allowed, the whole
    range) names the 44 codes in the order of the entries."""
    rules = []
    order = None
    for r in rows:
        w = r.where
        rule = Rule()
        rule.where = w
        parse_pattern(rule, r.get("title_pattern"), known_titles, w)
        rule.codes = (r.get("benefit_codes") or "").split()
        if not rule.codes:
            fail(w, "no benefit codes")
        for c in rule.codes:
            if len(c) != 3 or not c.isdigit():
                fail(w, "benefit code %r is not three digits" % c)
        if len(set(rule.codes)) != len(rule.codes):
            fail(w, "a benefit code is named twice")
        a, b = parse_int(r, "valid_from"), parse_int(r, "valid_to")
        for v in (a, b):
            if not valid_day(v):
                fail(w, "%d is not a calendar day" % v)
        if not START <= a <= b <= END:
            fail(w, "period %d-%d is reversed or outside %d-%d" % (a, b, START, END))
        rule.valid_from, rule.valid_to = a, b
        if r.get("allowed") not in ("x", "-"):
            fail(w, "allowed must be 'x' or '-', not %r" % r.get("allowed"))
        rule.allowed = r["allowed"] == "x"
        rule.source = r.get("source")
        if rule.source not in RULE_SOURCES:
            fail(w, "source %r: expected one of %s" % (rule.source, ", ".join(RULE_SOURCES)))
        if not (r.get("basis") or "").strip():
            fail(w, "a rule needs its basis")
        rule.default = rule.titles is None and rule.pens is None and rule.dis is None
        if rule.default:
            if order is not None:
                fail(w, "a second default row (title pattern '*')")
            if rule.allowed or (a, b) != (START, END):
                fail(w, "the default row states 'not allowed' over %d-%d" % (START, END))
            if len(rule.codes) != CODE_COUNT:
                fail(w, "the default row names %d codes; every list names the %d codes of the rule tables"
                     % (len(rule.codes), CODE_COUNT))
            order = list(rule.codes)
        if rule.source == "given" and rule.titles is None:
            fail(w, "a given row covers the keys of the defined list only, not every title")
        rule.used = False
        rules.append(rule)
    if order is None:
        fail(RULES, "no default row (title pattern '*') naming the codes")
    for rule in rules:
        for c in rule.codes:
            if c not in order:
                fail(rule.where, "benefit code %s is not one of the codes of the default row" % c)
    return rules, order


def check_order_against_rule_tables(order):
    """The default row must name the codes of the benefit rule tables in
    their order."""
    codes = [r["code"] for r in read_tsv(RULE_TABLES, ("code",))]
    if codes != order:
        fail(RULES, "the default row must name the codes of %s in their order (%s)" % (RULE_TABLES, " ".join(codes)))


# ---------------------------------------------------------------------------
# Expansion

def expand_code(key, code, rules):
    """Entries of one benefit code under one key, in date order. rules: the
    rules that match the key (the default row among them)."""
    xs = [r for r in rules if r.allowed and code in r.codes]
    blanks = [r for r in rules if not r.allowed and not r.default and code in r.codes]
    default = next(r for r in rules if r.default)
    for r in xs + blanks:
        r.used = True
    for x in xs:
        for n in blanks:
            if x.valid_from <= n.valid_to and n.valid_from <= x.valid_to:
                fail(x.where, "allows %s under %s on days that %s states not allowed" % (code, key_code(key), n.where))
    given = [(r.valid_from, r.valid_to) for r in xs + blanks if r.source == "given"]
    cls = "derived" if covers_all(given) else "reconstructed"
    out = []
    cur = START
    for a, b in merge((r.valid_from, r.valid_to) for r in xs):
        if a > cur:
            out.append(_entry(code, cur, prev_day(a), NOT_ALLOWED, cls, _where(blanks, cur, default)))
        out.append(_entry(code, a, b, ALLOWED, cls, _where(xs, a, None)))
        cur = next_day(b)
    if cur <= END:
        out.append(_entry(code, cur, END, NOT_ALLOWED, cls, _where(blanks, cur, default)))
    return out


def _where(rules, day, fallback):
    for r in rules:
        if r.valid_from <= day <= r.valid_to:
            return r.where
    return fallback.where if fallback else rules[0].where


def _entry(code, a, b, attr, cls, where):
    return MatrixEntry(None, a, b, attr, code, cls, where)


def stored_order(entries, order):
    """Entries by valid-from; entries that begin on the same day in the
    order of the codes. The first 44 entries are those that begin on
    19990101, one per code; the later ones follow in the order in which
    they begin."""
    rank = dict((c, i) for i, c in enumerate(order))
    return sorted(entries, key=lambda e: (e.valid_from, rank[e.short_text]))


def expand(keys, rules, order):
    """[(key code, [MatrixEntry])] in key order."""
    matrix = []
    for key in keys:
        mine = [r for r in rules if r.matches(key)]
        entries = []
        for code in order:
            entries.extend(expand_code(key, code, mine))
        matrix.append((key_code(key), stored_order(entries, order)))
    for r in rules:
        if not r.used and not r.default:
            fail(r.where, "the rule matches no key of the reference key list")
    return matrix


# ---------------------------------------------------------------------------
# Checks of the expanded matrix

def check_matrix(matrix, order):
    if len(matrix) != KEY_COUNT:
        fail(RULES, "%d lists; the matrix has %d keys" % (len(matrix), KEY_COUNT))
    for key, entries in matrix:
        if not LIST_MIN <= len(entries) <= LIST_MAX:
            fail(RULES, "the list of %s has %d entries; lists run from %d to %d" % (key, len(entries), LIST_MIN, LIST_MAX))
        named = set()
        per_code = {}
        for e in entries:
            if e.attribute not in (ALLOWED, NOT_ALLOWED):
                fail(e.where, "%s: attribute %d is neither 120 nor 32" % (key, e.attribute))
            if not (START <= e.valid_from <= e.valid_to <= END):
                fail(e.where, "%s: period %d-%d outside %d-%d" % (key, e.valid_from, e.valid_to, START, END))
            if e.description is not None:
                fail(e.where, "%s: matrix entries have no description" % key)
            named.add(e.short_text)
            for o in per_code.get(e.short_text, ()):
                if o.attribute != e.attribute and o.valid_from <= e.valid_to and e.valid_from <= o.valid_to:
                    fail(e.where, "%s: code %s is allowed and not allowed on the same days (%d-%d, %d-%d)" % (
                        key, e.short_text, o.valid_from, o.valid_to, e.valid_from, e.valid_to))
            per_code.setdefault(e.short_text, []).append(e)
        missing = [c for c in order if c not in named]
        if missing or len(named) != CODE_COUNT:
            fail(RULES, "the list of %s does not name every code once at least (missing %s)" % (key, " ".join(missing)))


def telling_entries():
    """The entries of the defined list of 011000 (in groups, not stored order)."""
    return [(c, a, b, attr) for a, b, attr, codes in TELLING for c in codes.split()]


def check_telling(matrix, order):
    lists = dict(matrix)
    have = [(e.short_text, e.valid_from, e.valid_to, e.attribute) for e in lists.get(TELLING_KEY, [])]
    if have[:len(TELLING_BEGINS)] != list(TELLING_BEGINS):
        fail(RULES, "the list of %s begins %s; the defined list begins %s" % (
            TELLING_KEY, have[:len(TELLING_BEGINS)], list(TELLING_BEGINS)))
    want = sorted(telling_entries(), key=lambda t: (t[1], order.index(t[0])))
    if len(want) != TELLING_ENTRIES:
        fail("benefit_matrix.py", "the defined list of %s has %d entries, not %d" % (TELLING_KEY, len(want), TELLING_ENTRIES))
    if have != want:
        diff = next((i for i, (h, w) in enumerate(zip(have, want)) if h != w), min(len(have), len(want)))
        fail(RULES, "the list of %s differs from the defined list at entry %d: %s, the defined %s" % (
            TELLING_KEY, diff + 1, have[diff] if diff < len(have) else "none", want[diff] if diff < len(want) else "none"))


def shape(matrix):
    sizes = [len(e) for _, e in matrix]
    distinct = len(set(tuple((x.valid_from, x.valid_to, x.attribute, x.short_text) for x in e) for _, e in matrix))
    return {"keys": len(matrix), "lists": distinct, "entries": sum(sizes),
            "min": min(sizes) if sizes else 0, "max": max(sizes) if sizes else 0}


# ---------------------------------------------------------------------------
# Registration

def build():
    keys = keys_from_rows(read_tsv(KEYS, ("title", "pension_digits", "disability_digits", "source")))
    rules, order = rules_from_rows(
        read_tsv(RULES, ("title_pattern", "benefit_codes", "valid_from", "valid_to", "allowed", "source", "basis")),
        set(t for t, _, _ in keys))
    check_order_against_rule_tables(order)
    matrix = expand(keys, rules, order)
    check_matrix(matrix, order)
    check_telling(matrix, order)
    return matrix


def report(codes, stats):
    s = shape(codes)
    if (s["lists"], s["entries"]) != (TARGET_LISTS, TARGET_ENTRIES) or (s["min"], s["max"]) != (LIST_MIN, LIST_MAX):
        dictionaries.REPORTS.append(
            "10001: %d distinct lists (target %d), %d entries (target %d), %d-%d entries per list (target %d-%d)" % (
                s["lists"], TARGET_LISTS, s["entries"], TARGET_ENTRIES, s["min"], s["max"], LIST_MIN, LIST_MAX))


dictionaries.PROVIDERS[10001] = build
dictionaries.CHECKS[10001] = report


def generate(out):
    """10001 is written with the other dictionaries (dictionaries.generate)."""
    return None
