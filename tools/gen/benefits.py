"""Benefit code rule tables, the pairs of benefit codes that may be reported
together and the special title table.

    data/benefit_rule_periods.tsv  the period entries of each rule table
    data/benefit_rules.tsv         one row per benefit code: per rule table
                                   the values of its period entries, "/"-separated
    data/benefit_pairs.tsv         per benefit code and period, its partner codes
    data/special_titles.tsv        the special title records, in scan order

writes src/data/benefit_rules.cpp, src/data/benefit_pairs.cpp and
src/data/special_titles.cpp. Every count, period list and telling value that
the tables are known to have is checked; a disagreement stops the generator.
"""

from common import (Entry, emit_trie, fail, file_text, node_count, parse_int, read_tsv, check_period,
                    check_source, StringPool)

# The benefit codes of the rule tables, in their stored order.
CODES = ("111 112 121 122 130 140 151 152 155 211 212 214 215 216 220 311 312 313 314 315 316 317 318 "
         "321 322 323 324 331 332 333 334 335 336 337 338 350 401 402 403 301 302 303 304 100").split()

# Rule tables in the order of their index in the library (benefits/tables.h),
# with the column of benefit_rules.tsv that holds their values.
TABLES = (
    ("ZaleznosciOkresOdTyp", "period_from_type"),
    ("ZaleznosciOkresDoTyp", "period_to_type"),
    ("ZaleznosciKwotaTyp", "amount_type"),
    ("ZaleznosciLiczbaDniSkladkiTyp", "contribution_days_type"),
    ("ZaleznosciMSCTyp", "msc_type"),
    ("ZaleznosciWST", "wst"),
    ("ZaleznosciTypSwiadczenia", "benefit_type"),
    ("ZaleznosciDRA", "dra_type"),
)

_FOUR = ((19990101, 20010531), (20010601, 20030930), (20031001, 20080630), (20080701, 99991231))
PERIODS = {
    "ZaleznosciOkresOdTyp": _FOUR,
    "ZaleznosciOkresDoTyp": _FOUR,
    "ZaleznosciKwotaTyp": _FOUR,
    "ZaleznosciLiczbaDniSkladkiTyp": ((19990101, 20010531), (20010601, 20030930), (20031001, 20080630),
                                      (20080701, 20091231), (20100101, 99991231)),
    "ZaleznosciMSCTyp": _FOUR,
    "ZaleznosciWST": ((19990101, 20010531), (20010601, 20030930), (20031001, 20041231), (20050101, 20080630),
                      (20080701, 20090831), (20090901, 99991231)),
    # The first two entries overlap; every row holds one value in both.
    "ZaleznosciTypSwiadczenia": ((19990101, 20010531), (19990101, 20030930), (20031001, 20080630),
                                 (20080701, 99991231)),
    "ZaleznosciDRA": ((19990101, 20030930), (20031001, 20080630), (20080701, 99991231)),
}

DEPENDENCY_TYPES = set(range(100, 119)) | {122, 123, 124}
WST_NUMBERS = {0, 24, 29, 36, 48, 57, 60, 66, 72, 96, 117, 118}

# Telling cells: (code, table) -> values.
TELLING = {
    ("401", "ZaleznosciKwotaTyp"): (101, 101, 101, 101),
    ("401", "ZaleznosciLiczbaDniSkladkiTyp"): (113, 113, 113, 113, 118),
    ("350", "ZaleznosciKwotaTyp"): (117, 117, 117, 105),
    ("211", "ZaleznosciKwotaTyp"): (106, 107, 107, 100),
    ("211", "ZaleznosciDRA"): (122, 122, 100),
    ("212", "ZaleznosciWST"): (29, 57, 72, 96, 96, 48),
    ("111", "ZaleznosciWST"): (29, 0, 0, 0, 0, 0),
    ("111", "ZaleznosciMSCTyp"): (116, 115, 115, 115),
    ("311", "ZaleznosciKwotaTyp"): (106, 106, 106, 106),
}

PAIR_PERIODS = {"P1": (19990101, 20010531), "P2": (20010601, 20030930), "P3": (20031001, 20041231),
                "P4": (20050101, 99991231)}
PAIR_CODES = 41
PAIR_ENTRIES = 1299
# The pair trie of the original layout has a node for every prefix of the 44
# benefit codes (401, 402 and 403 end in slots without entries): 19 nodes.
# Only the 41 codes with lists are linked here, which needs 17.
PAIR_NODES_ALL_CODES = 19
PAIR_ATTRIBUTE = 120

SPECIAL_COUNT = 14
SPECIAL_TELLING = {  # seq -> (prefix, from, to, number of keys)
    1: ("10100", 200001, 999912, 12),
    8: ("1010", 199901, 199911, 3),
    9: ("1010", 199912, 199912, 12),
    12: ("1310", 200010, 200309, 6),
    14: ("5000", 199901, 999912, 23),
}


def valid_month(n):
    return n == 999912 or (n // 100 >= 1800 and 1 <= n % 100 <= 12)


# ---------------------------------------------------------------------------
# Reading and checking

def read_periods():
    rows = read_tsv("benefit_rule_periods.tsv", ("table", "seq", "valid_from", "valid_to", "source"))
    got = {}
    for r in rows:
        t = r["table"]
        if t not in PERIODS:
            fail(r.where, "unknown rule table %r" % t)
        check_source(r)
        seq = parse_int(r, "seq", 1, 9)
        lst = got.setdefault(t, [])
        if seq != len(lst) + 1:
            fail(r.where, "period %d of %s out of order (expected %d)" % (seq, t, len(lst) + 1))
        lst.append(check_period(r))
    for t, want in PERIODS.items():
        have = tuple(got.get(t, ()))
        if have != want:
            fail("benefit_rule_periods.tsv", "%s has periods %s; the table has %s" % (t, have, want))
    return {t: tuple(v) for t, v in got.items()}


def read_rules(periods):
    cols = ["code"] + [c for _, c in TABLES] + ["source"]
    rows = read_tsv("benefit_rules.tsv", cols)
    if len(rows) != len(CODES):
        fail("benefit_rules.tsv", "%d rows; the rule tables have %d codes" % (len(rows), len(CODES)))
    values = {t: [] for t, _ in TABLES}
    for r, code in zip(rows, CODES):
        if r["code"] != code:
            fail(r.where, "code %r where the stored order has %s" % (r["code"], code))
        check_source(r)
        for table, col in TABLES:
            cell = r[col] or ""
            parts = cell.split("/")
            if len(parts) != len(periods[table]):
                fail(r.where, "%s: %d values for %d periods" % (col, len(parts), len(periods[table])))
            vals = []
            for p in parts:
                if not p.isdigit():
                    fail(r.where, "%s: %r is not a number" % (col, p))
                v = int(p)
                allowed = WST_NUMBERS if table == "ZaleznosciWST" else DEPENDENCY_TYPES
                if v not in allowed:
                    fail(r.where, "%s: value %d is not one the table may hold" % (col, v))
                vals.append(v)
            values[table].append((code, tuple(vals), r.where))
        # The benefit-type periods 1 and 2 overlap: they must agree.
        bt = values["ZaleznosciTypSwiadczenia"][-1][1]
        if bt[0] != bt[1]:
            fail(r.where, "benefit_type: overlapping periods 1 and 2 hold %d and %d" % (bt[0], bt[1]))
    for a, b in zip(values["ZaleznosciOkresOdTyp"], values["ZaleznosciOkresDoTyp"]):
        if a[1] != b[1]:
            fail(a[2], "period_to_type %s differs from period_from_type %s" % (b[1], a[1]))
    for (code, table), want in TELLING.items():
        have = next(v for c, v, _ in values[table] if c == code)
        if have != want:
            fail("benefit_rules.tsv", "%s of %s is %s, not %s" % (table, code, have, want))
    return values


def read_pairs():
    rows = read_tsv("benefit_pairs.tsv", ("code", "period", "valid_from", "valid_to", "partners", "source"))
    lists = {}
    seen = set()
    for r in rows:
        code = r["code"]
        if code not in CODES:
            fail(r.where, "code %r is not a benefit code of the rule tables" % code)
        p = r["period"]
        if p not in PAIR_PERIODS:
            fail(r.where, "unknown period %r" % p)
        if (code, p) in seen:
            fail(r.where, "code %s period %s listed twice" % (code, p))
        seen.add((code, p))
        if check_period(r) != PAIR_PERIODS[p]:
            fail(r.where, "period %s runs %s-%s, not %d-%d" % ((p, r["valid_from"], r["valid_to"]) + PAIR_PERIODS[p]))
        src = check_source(r)
        partners = (r["partners"] or "").split()
        if not partners:
            fail(r.where, "no partner codes")
        if len(set(partners)) != len(partners):
            fail(r.where, "a partner code is listed twice")
        for q in partners:
            if q not in CODES:
                fail(r.where, "partner %r is not a benefit code of the rule tables" % q)
        vf, vt = PAIR_PERIODS[p]
        lists.setdefault(code, []).extend(
            Entry(None, vf, vt, PAIR_ATTRIBUTE, q, src, r.where) for q in partners)
    total = sum(len(v) for v in lists.values())
    if len(lists) != PAIR_CODES:
        fail("benefit_pairs.tsv", "%d codes have lists, not %d" % (len(lists), PAIR_CODES))
    if total != PAIR_ENTRIES:
        fail("benefit_pairs.tsv", "%d entries, not %d" % (total, PAIR_ENTRIES))
    for c in ("401", "402", "403"):
        if c in lists:
            fail("benefit_pairs.tsv", "code %s must have no list" % c)
    if node_count(CODES) != PAIR_NODES_ALL_CODES:
        fail("benefit_pairs.tsv", "the 44 benefit codes need %d trie nodes, not %d"
             % (node_count(CODES), PAIR_NODES_ALL_CODES))
    return lists


def read_special():
    rows = read_tsv("special_titles.tsv", ("seq", "prefix", "valid_from", "valid_to", "keys", "source"))
    if len(rows) != SPECIAL_COUNT:
        fail("special_titles.tsv", "%d records, not %d" % (len(rows), SPECIAL_COUNT))
    recs = []
    for i, r in enumerate(rows, start=1):
        if parse_int(r, "seq") != i:
            fail(r.where, "record %s out of order (expected %d)" % (r["seq"], i))
        check_source(r)
        prefix = r["prefix"] or ""
        if not (1 <= len(prefix) <= 6 and prefix.isdigit()):
            fail(r.where, "prefix %r is not 1 to 6 digits" % prefix)
        vf = parse_int(r, "valid_from")
        vt = parse_int(r, "valid_to")
        if not valid_month(vf) or not valid_month(vt) or vt < vf:
            fail(r.where, "months %d-%d are not a period YYYYMM" % (vf, vt))
        keys = []
        for k in (r["keys"] or "").split():
            if not k.isdigit() or not 1 <= int(k) <= 24:
                fail(r.where, "key %r outside 1..24" % k)
            keys.append(int(k))
        if not keys or len(set(keys)) != len(keys):
            fail(r.where, "keys empty or repeated")
        if i in SPECIAL_TELLING and SPECIAL_TELLING[i] != (prefix, vf, vt, len(keys)):
            fail(r.where, "record %d is %s, not %s" % (i, (prefix, vf, vt, len(keys)), SPECIAL_TELLING[i]))
        recs.append((prefix, vf, vt, keys, r.where))
    return recs


# ---------------------------------------------------------------------------
# Emitting

def emit_rules(periods, values):
    statics = []
    for table, _ in TABLES:
        plist = periods[table]
        name = table[len("Zaleznosci"):]
        lines = []
        for code, vals, _ in values[table]:
            lines.append("    " + " ".join("{%d, %d, %d}," % (f, t, v) for (f, t), v in zip(plist, vals))
                         + "  // %s" % code)
        statics.append("static const _stOkresZaleznosci kOkresy%s[%d] = {\n%s\n};\n" % (
            name, len(CODES) * len(plist), "\n".join(lines)))
        rows = ["    {%s, %d, kOkresy%s + %d}," % (code, len(plist), name, i * len(plist))
                for i, code in enumerate(CODES)]
        statics.append("static const _stZaleznosciKodSw kWiersze%s[%d] = {\n%s\n};\n" % (
            name, len(CODES), "\n".join(rows)))
    defs = "extern const _stTablicaZaleznosci kZrodlaZaleznosci[kTablicZaleznosci] = {\n%s\n};\n" % "\n".join(
        "    {%d, kWiersze%s},  // %s" % (len(CODES), t[len("Zaleznosci"):], t) for t, _ in TABLES)
    return file_text("\n".join(statics), defs)


def emit_pairs(lists):
    statics, definition, stats = emit_trie("kTrieKodySwRazem", list(lists.items()),
                                           "benefit codes that may be reported together")
    if stats["codes"] != PAIR_CODES or stats["entries"] != PAIR_ENTRIES:
        fail("benefit_pairs.tsv", "trie holds %d codes / %d entries" % (stats["codes"], stats["entries"]))
    if stats["nodes"] + 2 != PAIR_NODES_ALL_CODES:  # less the nodes of "4" and "40"
        fail("benefit_pairs.tsv", "trie has %d nodes" % stats["nodes"])
    return file_text(statics, definition)


def emit_special(recs):
    pool = StringPool("p")
    keys = []
    items = []
    for i, (prefix, vf, vt, ks, where) in enumerate(recs):
        keys.append("static const int kKlucze%d[] = {%s};" % (i, ", ".join(str(k) for k in ks)))
        items.append("    {%s, %d, %d, kKlucze%d, %d}," % (pool.ref(prefix, where), vf, vt, i, len(ks)))
    statics = pool.emit() + "\n".join(keys) + "\n"
    defs = "extern const _stKodSpecjalny kKodySpecjalne[kKodowSpecjalnych] = {\n%s\n};\n" % "\n".join(items)
    return file_text(statics, defs)


def load():
    periods = read_periods()
    return periods, read_rules(periods), read_pairs(), read_special()


def generate(out):
    periods, values, lists, special = load()
    out.add("src/data/benefit_rules.cpp", emit_rules(periods, values))
    out.add("src/data/benefit_pairs.cpp", emit_pairs(lists))
    out.add("src/data/special_titles.cpp", emit_special(special))
