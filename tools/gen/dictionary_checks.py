"""Content checks of the catalogued dictionaries.

Three kinds, all failing with the file, line and reason:

- rules per dictionary: which attributes and short texts an entry may carry,
  the order of editions, the periods that a whole dictionary shares, and the
  shape of the larger lists (10004 editions, 10048 attribute split, 10047
  valid-from dates);
- data/reference_keys.tsv: the reference key lists of the larger dictionaries,
  each with the period and number of entries its codes share; the codes of
  a dictionary's key rows must be exactly the codes of its table;
- data/telling_rows.tsv: single rows of the defined content (a code's number
  of entries and one entry's period, attribute, short text and description).

A value written `*` there is not fixed; `\\N` is a null text; a description
`*text` fixes only the end of the text. An entry `?` means "some entry of the
code", `*` only the number of entries (`0`: the code must not exist).
"""

import common
from common import fail, parse_int, read_tsv

KEYS = "reference_keys.tsv"
TELLING = "telling_rows.tsv"

# Dictionaries whose entries carry the code as written on documents (attribute
# 64, a short text that is never empty).
CODE_AS_WRITTEN = (10005, 10014, 10024, 10034, 10037, 10045, 10047)
# Dictionaries whose editions stand in an order of their own; every other one
# lists the editions of a code newest first.
OWN_ORDER = (10001, 10004, 10015, 10019)
# Group codes that head longer codes: (dictionary, length of the member,
# lengths one of which must be a code that is a prefix of the member).
HEADINGS = ((10015, 4, (2,)), (10039, 6, (2,)), (10049, 3, (1,)), (10046, 4, (1, 2)))
# The three editions of the classification of occupations, oldest first.
OCCUPATION_EDITIONS = ((19990101, 20021231), (20030101, 20041231), (20050101, 99991231))


def _table_of(codes):
    for _, entries in codes:
        return entries[0].where.rsplit(":", 1)[0]
    return "(empty)"


def _entries(codes):
    for code, entries in codes:
        for n, e in enumerate(entries, 1):
            yield code, n, e


# ---------------------------------------------------------------------------
# Attribute and short text per dictionary

def _attribute_rule(dict_id):
    """(test(code, entry) -> reason or None) for the attribute and the short
    text of one entry of the dictionary."""
    def code_as_written(code, e):
        if e.attribute != 64:
            return "attribute %d; the code as written on documents has 64" % e.attribute
        if not e.short_text:
            return "no short text; the entry needs the code as written on documents"
        return None

    def citizenship(code, e):
        if e.attribute != 64:
            return "attribute %d; citizenship entries have 64" % e.attribute
        group = len(code) < 4
        if group and e.short_text != "":
            return "group code with short text %r; group codes have an empty short text" % e.short_text
        if not group and not e.short_text:
            return "country code without its adjective as short text"
        return None

    def kinship(code, e):
        if e.attribute not in (5, 12, 13, 14, 20, 45):
            return "attribute %d is none of the bit sets 5, 12, 13, 14, 20, 45" % e.attribute
        if e.short_text not in (None, "3"):
            return "short text %r; only the child codes carry \"3\"" % e.short_text
        return None

    def incapacity(code, e):
        if e.attribute not in (ord("T"), ord("N")):
            return "attribute %d is neither T (84) nor N (78)" % e.attribute
        if e.description is not None or e.short_text is not None:
            return "the dictionary has no texts"
        return None

    def payer_reason(code, e):
        if len(code) == 1 or code == "600" or e.valid_from >= 20031001:
            want = 0
        else:
            want = ord("F") if code.startswith("1") else ord("P")
        if e.attribute != want:
            return "attribute %d; this entry takes %d" % (e.attribute, want)
        if e.short_text is not None:
            return "short text %r; the dictionary has none" % e.short_text
        return None

    def contribution_base(code, e):
        if e.attribute not in (3, 6):
            return "attribute %d is neither 3 nor 6" % e.attribute
        if e.description != "NULL":
            return "description %r; every entry holds the text \"NULL\"" % (e.description,)
        if e.short_text is not None:
            return "short text %r; the dictionary has none" % e.short_text
        return None

    def plain(code, e):
        if e.attribute != 0:
            return "attribute %d; the dictionary uses none (0)" % e.attribute
        if e.short_text is not None:
            return "short text %r; the dictionary has none" % e.short_text
        if dict_id == 10002 and e.description is not None:
            return "the dictionary has no descriptions"
        return None

    if dict_id in CODE_AS_WRITTEN:
        return code_as_written
    return {10046: citizenship, 10006: kinship, 10007: incapacity, 10008: payer_reason,
            10048: contribution_base}.get(dict_id, plain)


# ---------------------------------------------------------------------------
# Rules of single dictionaries

def _same_period(dict_id, a, b):
    def check(codes):
        for code, n, e in _entries(codes):
            if (e.valid_from, e.valid_to) != (a, b):
                fail(e.where, "%d code %s: period %d-%d; every entry of the dictionary runs %d-%d" % (
                    dict_id, code, e.valid_from, e.valid_to, a, b))
    return check


def _occupations(codes, reports):
    seven = 0
    for code, entries in codes:
        last = None
        for e in entries:
            period = (e.valid_from, e.valid_to)
            if period not in OCCUPATION_EDITIONS:
                fail(e.where, "10004 code %s: period %d-%d is none of the three editions" % ((code,) + period))
            edition = OCCUPATION_EDITIONS.index(period)
            if len(code) == 7 and edition != 0:
                fail(e.where, "10004 code %s: seven-digit codes belong to the 1999-2002 edition only" % code)
            if edition == 0:
                continue
            if last is not None and edition >= last:
                fail(e.where, "10004 code %s: the later editions of a code stand newest first, once each" % code)
            last = edition
        if len(code) == 7:
            seven += 1
    if seven != 2700:
        reports.append("10004: %d seven-digit codes of the 1999-2002 edition (target 2700)" % seven)
    blank = sum(1 for _, _, e in _entries(codes) if e.description is None)
    if blank != 2:
        reports.append("10004: %d entries without description (the reference list has 2)" % blank)


def _contribution_bases(codes):
    where = _table_of(codes)
    attrs = {3: 0, 6: 0}
    periods = set()
    for code, entries in codes:
        if len(entries) != 1:
            fail(entries[1].where, "10048 code %s: one entry per code" % code)
        e = entries[0]
        if e.valid_from < 20030301:
            fail(e.where, "10048 code %s: no period starts before 20030301" % code)
        attrs[e.attribute] = attrs.get(e.attribute, 0) + 1
        periods.add((e.valid_from, e.valid_to))
    if (attrs.get(3), attrs.get(6)) != (209, 29):
        fail(where, "10048: %d codes with attribute 3 and %d with 6; the list has 209 and 29" % (attrs.get(3), attrs.get(6)))
    if len(periods) != 9:
        fail(where, "10048: %d distinct periods; the list has nine" % len(periods))


def _countries(codes):
    first = 0
    for code, n, e in _entries(codes):
        if e.valid_to != 99991231:
            fail(e.where, "10047 code %s: every entry runs to 99991231" % code)
        if e.valid_from == 20051103:
            first += 1
        elif not 20060101 <= e.valid_from <= 20071231:
            fail(e.where, "10047 code %s: valid-from %d; the list starts at 20051103 or later in 2006 and 2007" % (
                code, e.valid_from))
    if first != 213:
        fail(_table_of(codes), "10047: %d codes from 20051103; the list has 213" % first)


def _groups_end_2003(dict_id):
    def check(codes):
        for code, entries in codes:
            if len(code) == 1 and [(e.valid_to) for e in entries] != [20030930]:
                fail(entries[0].where, "%d group %s: one entry valid to 20030930" % (dict_id, code))
    return check


def _newest_first(dict_id, codes):
    for code, entries in codes:
        for a, b in zip(entries, entries[1:]):
            if b.valid_from >= a.valid_from:
                fail(b.where, "%d code %s: editions stand newest first (%d after %d)" % (
                    dict_id, code, b.valid_from, a.valid_from))


def _headings(dict_id, member, heads, codes):
    present = set(c for c, _ in codes)
    for code, entries in codes:
        if len(code) == member and not any(code[:k] in present for k in heads):
            fail(entries[0].where, "%d code %s: its group code (%s digits) is missing" % (
                dict_id, code, " or ".join(map(str, heads))))


def _per_dictionary(dict_id, reports):
    rules = []
    rule = _attribute_rule(dict_id)

    def attributes(codes):
        for code, n, e in _entries(codes):
            why = rule(code, e)
            if why:
                fail(e.where, "%d code %s entry %d: %s" % (dict_id, code, n, why))
    rules.append(attributes)
    if dict_id not in OWN_ORDER:
        rules.append(lambda codes: _newest_first(dict_id, codes))
    for d, member, heads in HEADINGS:
        if d == dict_id:
            rules.append(lambda codes, m=member, h=heads: _headings(dict_id, m, h, codes))
    if dict_id == 10004:
        rules.append(lambda codes: _occupations(codes, reports))
    elif dict_id == 10005:
        rules.append(_same_period(10005, 20030401, 99991231))
    elif dict_id == 10014:
        rules.append(_same_period(10014, 19981231, 20030331))
    elif dict_id == 10048:
        rules.append(_contribution_bases)
    elif dict_id == 10047:
        rules.append(_countries)
    elif dict_id in (10008, 10009):
        rules.append(_groups_end_2003(dict_id))

    def check(codes, stats):
        if not codes:
            return
        for r in rules:
            r(codes)
    return check


# ---------------------------------------------------------------------------
# Checks across dictionaries and against the key lists and telling rows

def _titles(tables, reports):
    """10040 holds the four-digit titles of 10015 plus 0562 and 0563."""
    if 10015 not in tables or 10040 not in tables:
        return
    t15 = dict(tables[10015]["codes"])
    t40 = dict(tables[10040]["codes"])
    if not t15 or not t40:
        return
    want = set(c for c in t15 if len(c) == 4) | {"0562", "0563"}
    for code in sorted(want - set(t40)):
        fail(tables[10040]["table"], "code %s is missing; 10040 holds the titles of 10015, 0562 and 0563" % code)
    for code in sorted(set(t40) - want):
        fail(t40[code][0].where, "code %s is neither a title of 10015 nor 0562/0563" % code)
    same = sum(1 for c in t40 if c in t15 and [e.key() for e in t40[c]] == [e.key() for e in t15[c]])
    if same != 102:
        reports.append("10040: %d title codes have the same entries as in 10015 (the reference lists: 102)" % same)


def _pattern(row, col, parse=None):
    v = row[col]
    if v == "*":
        return None
    return (parse(row, col) if parse else v,)


def _text_matches(want, have):
    if want is None:
        return True
    want = want[0]
    if want is None:
        return have is None
    if want.startswith("*"):
        return have is not None and have.endswith(want[1:])
    return have == want


def _entry_matches(pat, e):
    """None when the entry fits the pattern, else the first difference."""
    for name, want, have in (("valid-from", pat["from"], e.valid_from), ("valid-to", pat["to"], e.valid_to),
                             ("attribute", pat["attr"], e.attribute)):
        if want is not None and want[0] != have:
            return "%s %d, the defined %d" % (name, have, want[0])
    if not _text_matches(pat["short"], e.short_text):
        return "short text %s, the defined %s" % (_show(e.short_text), _show(pat["short"][0]))
    if not _text_matches(pat["desc"], e.description):
        return "description %s, the defined %s" % (_show(e.description), _show(pat["desc"][0]))
    return None


def _show(text):
    return "null" if text is None else repr(text)


def _lookup(tables, row):
    d = parse_int(row, "dictionary", 10001, 10049)
    if d not in tables:
        fail(row.where, "dictionary %d has no trie" % d)
    return d, tables[d]


def _check_keys(tables):
    rows = read_tsv(KEYS, ("dictionary", "valid_from", "valid_to", "entries", "codes", "source"))
    listed = {}
    for r in rows:
        d, _ = _lookup(tables, r)
        common.check_source(r)
        seen = listed.setdefault(d, {})
        for code in r["codes"].split(" "):
            if code in seen:
                fail(r.where, "%d code %s listed twice (also %s)" % (d, code, seen[code]))
            seen[code] = r.where
    for d, seen in sorted(listed.items()):
        for code, entries in tables[d]["codes"]:
            if code not in seen:
                fail(entries[0].where, "%d code %s is not in the reference key list" % (d, code))
    for r in rows:
        d, t = _lookup(tables, r)
        table = dict(t["codes"])
        if not table and t["table"] is None:
            continue
        a = _pattern(r, "valid_from", parse_int)
        b = _pattern(r, "valid_to", parse_int)
        n = _pattern(r, "entries", parse_int)
        for code in r["codes"].split(" "):
            if code not in table:
                fail(r.where, "%d code %s of the reference key list is missing from %s" % (d, code, t["table"]))
            entries = table[code]
            if n is not None and len(entries) != n[0]:
                fail(entries[0].where, "%d code %s has %d entries; the key list gives %d" % (d, code, len(entries), n[0]))
            for e in entries:
                if (a and e.valid_from != a[0]) or (b and e.valid_to != b[0]):
                    fail(e.where, "%d code %s: period %d-%d; the key list gives %s-%s" % (
                        d, code, e.valid_from, e.valid_to, r["valid_from"], r["valid_to"]))


def _check_telling(tables):
    rows = read_tsv(TELLING, ("dictionary", "code", "entries", "entry", "valid_from", "valid_to", "attribute",
                              "short_text", "description", "source"))
    for r in rows:
        d, t = _lookup(tables, r)
        common.check_source(r)
        table = dict(t["codes"])
        if not table and t["table"] is None:
            continue
        code = r["code"]
        n = _pattern(r, "entries", parse_int)
        entries = table.get(code, [])
        if n is not None and n[0] == 0:
            if entries:
                fail(entries[0].where, "%d code %s must not exist (%s)" % (d, code, r.where))
            continue
        if not entries:
            fail(r.where, "%d code %s is missing from %s" % (d, code, t["table"]))
        if n is not None and len(entries) != n[0]:
            fail(entries[0].where, "%d code %s has %d entries, the defined %d (%s)" % (
                d, code, len(entries), n[0], r.where))
        pat = {"from": _pattern(r, "valid_from", parse_int), "to": _pattern(r, "valid_to", parse_int),
               "attr": _pattern(r, "attribute", parse_int), "short": _pattern(r, "short_text"),
               "desc": _pattern(r, "description")}
        which = r["entry"]
        if which == "*":
            if any(v is not None for v in pat.values()):
                fail(r.where, "entry '*' checks the number of entries only; the other columns must be '*'")
            continue
        if which == "?":
            if all(_entry_matches(pat, e) for e in entries):
                fail(entries[0].where, "%d code %s: no entry fits the defined row %s" % (d, code, r.where))
            continue
        k = parse_int(r, "entry", 1, 127)
        if k > len(entries):
            fail(r.where, "%d code %s has no entry %d" % (d, code, k))
        why = _entry_matches(pat, entries[k - 1])
        if why:
            fail(entries[k - 1].where, "%d code %s entry %d: %s (%s)" % (d, code, k, why, r.where))


def register(checks, final_checks, reports):
    for d in range(10002, 10050):
        checks.setdefault(d, _per_dictionary(d, reports))
    final_checks.append(_check_keys)
    final_checks.append(_check_telling)
    final_checks.append(lambda tables: _titles(tables, reports))
