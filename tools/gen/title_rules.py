"""Title rule records: data/title_rules.tsv -> src/data/title_rules.cpp.

The table holds day periods per (title, pension-right digits, disability-degree
digits, insurance); a row applies to every variant its digit patterns name.
This module expands the patterns into one record per full six-digit code,
derives the month lists from the day lists and checks the result against the
counts and telling rows of the defined content. Any disagreement raises
GenError with the file, line and reason.
"""

import calendar

from common import GenError, fail, file_text, parse_int, read_tsv, valid_day

TABLE = "title_rules.tsv"
TITLES_TABLE = "10015_titles.tsv"

# The four-digit titles that have rule records (the reference key list).
TITLES = (
    "0110 0111 0112 0113 0120 0121 0122 0123 0124 0125 0126 0200 0213 0310 0311 0312 0320 0410 0411 0412 "
    "0413 0414 0415 0416 0417 0418 0420 0421 0422 0423 0424 0425 0426 0427 0428 0429 0430 0431 0510 0511 "
    "0512 0513 0520 0521 0530 0531 0540 0541 0542 0543 0544 0545 0550 0560 0561 0570 0572 0610 0620 0710 "
    "0720 0800 0910 0911 0920 0940 0941 1010 1011 1012 1020 1030 1040 1050 1110 1111 1112 1113 1114 1120 "
    "1130 1131 1132 1133 1134 1135 1140 1150 1151 1152 1153 1210 1211 1220 1230 1240 1298 1299 1310 1320 "
    "1321 1322 1410 1411 1420 1421 1422 1500 1610 1620 1700 1810 1811 1820 1821 1830 1900 2010 2020 2030 "
    "2110 2120 2210 2220 2230 2240 2310 2311 2320 2410 2500 2501 2510 2511 3000 5000"
).split()
RECORD_COUNT = 1966
INSURANCES = 5
LETTERS = "NODW"  # order of the booleans in a period
SOURCES = ("given", "law", "inferred")
MAX_PERIODS = 4
VARIANT_TITLES = 57  # titles whose records differ by variant (reported, not enforced)
OPEN_DAY = 99991231

ALL5 = range(INSURANCES)


def _same(periods):
    return {i: periods for i in ALL5}


# Telling rows: day lists of whole records, exactly.
TELLING_DAYS = {
    "011000": _same([(19981231, OPEN_DAY, "O")]),
    "011004": _same([(20031001, OPEN_DAY, "O")]),
    "011100": {0: [(20031001, OPEN_DAY, "O")], 1: [(20031001, OPEN_DAY, "O")], 2: [(20031001, OPEN_DAY, "O")],
               3: [(20031001, OPEN_DAY, "O")], 4: [(20031001, OPEN_DAY, "N")]},
    "041100": {0: [(19981231, 19981231, "O"), (19990101, OPEN_DAY, "NOD")],
               1: [(19981231, 19981231, "O"), (19990101, OPEN_DAY, "NOD")],
               2: [(19981231, 19981231, "D"), (19990101, OPEN_DAY, "ND")],
               3: [(19981231, 19981231, "O"), (19990101, OPEN_DAY, "NO")],
               4: [(19981231, OPEN_DAY, "O")]},
    "041110": {0: [(19990101, 19991231, "ND"), (20000101, OPEN_DAY, "NOD")],
               1: [(19990101, 19991231, "ND"), (20000101, OPEN_DAY, "NOD")],
               2: [(19990101, 19991231, "N"), (20000101, OPEN_DAY, "ND")],
               3: [(19990101, OPEN_DAY, "NO")],
               4: [(19990101, OPEN_DAY, "O")]},
    "057000": {0: [(20060401, OPEN_DAY, "NOD")], 1: [(20060401, OPEN_DAY, "NOD")],
               2: [(20060401, OPEN_DAY, "ND")], 3: [(20060401, OPEN_DAY, "NO")], 4: [(20060401, OPEN_DAY, "O")]},
    "124000": {0: [(19981231, OPEN_DAY, "O")], 1: [(19981231, OPEN_DAY, "O")], 2: [(19981231, OPEN_DAY, "N")],
               3: [(19981231, OPEN_DAY, "N")], 4: [(19981231, OPEN_DAY, "N")]},
    "124010": {0: [(20090901, OPEN_DAY, "O")], 1: [(20090901, OPEN_DAY, "O")], 2: [(20090901, OPEN_DAY, "N")],
               3: [(20090901, OPEN_DAY, "N")], 4: [(20090901, OPEN_DAY, "N")]},
    "241000": {0: [(19990101, OPEN_DAY, "N")], 1: [(19990101, OPEN_DAY, "N")], 2: [(19990101, OPEN_DAY, "N")],
               3: [(19990101, OPEN_DAY, "N")],
               4: [(19990101, 20000926, "D"), (20000927, 20030930, "OD"), (20031001, OPEN_DAY, "D")]},
    "300000": _same([(19990101, OPEN_DAY, "W")]),
    "500000": _same([(19981231, OPEN_DAY, "W")]),
}
# Telling rows of single lists: (code, insurance) -> day list.
TELLING_DAY_LISTS = {
    ("111100", 2): [(19981231, 19991229, "O"), (19991230, OPEN_DAY, "N")],
}
# Month lists that the derivation must give: (code, insurance) -> month list.
TELLING_MONTH_LISTS = {
    ("111100", 2): [(199812, 199911, "O"), (199912, 199912, "NO"), (200001, 999912, "N")],
    ("241000", 4): [(199901, 200008, "D"), (200009, 200309, "OD"), (200310, 999912, "D")],
    ("041100", 0): [(199812, 199812, "O"), (199901, 999912, "NOD")],
}
# Codes whose periods all end on a given day (the title left the published code lists).
LAST_DAY = {"041200": 20091231}


# ---------------------------------------------------------------------------
# Patterns and periods

def digit_pattern(text, hi, where, col):
    """'0-2', '1,2', '4' -> sorted list of digits, each 0..hi."""
    if not text:
        fail(where, "column %s is empty" % col)
    out = set()
    for part in text.split(","):
        if "-" in part:
            a, _, b = part.partition("-")
            if not (a.isdigit() and b.isdigit() and len(a) == 1 and len(b) == 1) or int(a) > int(b):
                fail(where, "column %s: bad range %r" % (col, part))
            out.update(range(int(a), int(b) + 1))
        elif len(part) == 1 and part.isdigit():
            out.add(int(part))
        else:
            fail(where, "column %s: bad digit pattern %r" % (col, text))
    if max(out) > hi:
        fail(where, "column %s: digit above %d in %r" % (col, hi, text))
    return sorted(out)


def norm_statuses(text, where):
    if not text or any(c not in LETTERS for c in text) or len(set(text)) != len(text):
        fail(where, "statuses %r: letters N, O, D, W, each once, at least one" % (text,))
    return "".join(c for c in LETTERS if c in text)


def month_of(day):
    return day // 100


def next_month(m):
    y, mm = divmod(m, 100)
    return m + 1 if mm < 12 else (y + 1) * 100 + 1


def prev_month(m):
    y, mm = divmod(m, 100)
    return m - 1 if mm > 1 else (y - 1) * 100 + 12


def last_day(m):
    y, mm = divmod(m, 100)
    if m == 999912:
        return OPEN_DAY
    return m * 100 + calendar.monthrange(y, mm)[1]


def check_list(periods, where, what, lo_ok=None):
    """1-4 periods, each with a status, in date order and not overlapping."""
    if not (1 <= len(periods) <= MAX_PERIODS):
        fail(where, "%s has %d periods (1 to %d allowed)" % (what, len(periods), MAX_PERIODS))
    for i, (a, b, s) in enumerate(periods):
        if not s:
            fail(where, "%s: period %d-%d has no status" % (what, a, b))
        if b < a:
            fail(where, "%s: period ends (%d) before it starts (%d)" % (what, b, a))
        if i and a <= periods[i - 1][1]:
            fail(where, "%s: period %d-%d overlaps or precedes %d-%d" % (what, a, b, *periods[i - 1][:2]))


def derive_months(days):
    """Month list of a day list (sorted, not overlapping).

    A month belongs to the day period in force on its last day (a month
    that only one period touches belongs to it even when the period ends
    before the month does). A month
    touched by several day periods carries the union of their statuses; when
    that union equals the statuses of the period in force on the last day the
    month simply belongs to it, otherwise it is a period of its own."""
    def covering(day):
        for i, (a, b, _) in enumerate(days):
            if a <= day <= b:
                return i
        return None

    bounds = sorted({month_of(a) for a, _, _ in days} | {month_of(b) for _, b, _ in days})
    pieces = []  # [first month, last month, key, statuses]
    for m in bounds:
        touching = [i for i, (a, b, _) in enumerate(days) if month_of(a) <= m <= month_of(b)]
        union = "".join(c for c in LETTERS if any(c in days[i][2] for i in touching))
        owner = covering(last_day(m))
        if owner is None and len(touching) == 1:
            owner = touching[0]  # a period ending within the month, nothing after it
        if owner is not None and days[owner][2] == union:
            pieces.append([m, m, ("period", owner), union])
        else:
            pieces.append([m, m, ("own", union), union])
    for m1, m2 in zip(bounds, bounds[1:]):
        g1, g2 = next_month(m1), prev_month(m2)
        if g1 > g2:
            continue
        owner = covering(g1 * 100 + 1)
        if owner is not None:
            pieces.append([g1, g2, ("period", owner), days[owner][2]])
    pieces.sort()
    merged = []
    for p in pieces:
        if merged and merged[-1][2] == p[2] and next_month(merged[-1][1]) == p[0]:
            merged[-1][1] = p[1]
        else:
            merged.append(p)
    return [(a, b, s) for a, b, _, s in merged]


# ---------------------------------------------------------------------------
# Reading and expanding

def read_rules(rows, known_titles=None):
    """rows: TSV rows -> {code: {"days": [5 lists], "months": [5 lists]}}."""
    lists = {}
    titles = set()
    for r in rows:
        w = r.where
        title = r.get("title") or ""
        if len(title) != 4 or not title.isdigit():
            fail(w, "title %r is not four digits" % (title,))
        if known_titles is not None and title not in known_titles:
            fail(w, "title %s is not in dictionary 10015" % title)
        if r.get("source") not in SOURCES:
            fail(w, "source %r is not one of %s" % (r.get("source"), ", ".join(SOURCES)))
        if r["source"] != "given" and not (r.get("basis") or "").strip():
            fail(w, "a %s row needs its basis" % r["source"])
        pens = digit_pattern(r.get("pension_digits"), 2, w, "pension_digits")
        dis = digit_pattern(r.get("disability_digits"), 4, w, "disability_digits")
        ins = parse_int(r, "insurance", 0, INSURANCES - 1)
        a, b = parse_int(r, "valid_from"), parse_int(r, "valid_to")
        for v, col in ((a, "valid_from"), (b, "valid_to")):
            if not valid_day(v):
                fail(w, "%s %d is not a calendar day" % (col, v))
        if b < a:
            fail(w, "period ends (%d) before it starts (%d)" % (b, a))
        st = norm_statuses(r.get("statuses"), w)
        titles.add(title)
        for p in pens:
            for d in dis:
                code = "%s%d%d" % (title, p, d)
                lists.setdefault(code, [[] for _ in ALL5])[ins].append((a, b, st, w))
    records = {}
    for code in sorted(lists):
        days = []
        for ins, lst in enumerate(lists[code]):
            if not lst:
                fail(TABLE, "code %s has no period for insurance %d" % (code, ins))
            lst.sort()
            periods = [(a, b, s) for a, b, s, _ in lst]
            where = lst[0][3]
            for i in range(1, len(lst)):
                if lst[i][0] <= lst[i - 1][1]:
                    fail(lst[i][3], "code %s insurance %d: period %d-%d overlaps %d-%d (%s)" % (
                        code, ins, lst[i][0], lst[i][1], lst[i - 1][0], lst[i - 1][1], lst[i - 1][3]))
            check_list(periods, where, "code %s insurance %d day list" % (code, ins))
            days.append(periods)
        if days[0] != days[1]:
            fail(lists[code][1][0][3], "code %s: insurances 0 and 1 differ" % code)
        months = []
        for ins in ALL5:
            m = derive_months(days[ins])
            check_list(m, lists[code][ins][0][3], "code %s insurance %d month list" % (code, ins))
            months.append(m)
        records[code] = {"days": days, "months": months}
    return records


def check_records(records, titles=TITLES, count=RECORD_COUNT):
    """The counts, title list and telling rows the defined content fixes."""
    have = sorted({c[:4] for c in records})
    if have != sorted(titles):
        missing = sorted(set(titles) - set(have))
        extra = sorted(set(have) - set(titles))
        fail(TABLE, "titles differ from the reference key list: missing %s, not listed %s" % (missing, extra))
    if len(records) != count:
        fail(TABLE, "%d records, expected %d" % (len(records), count))
    for code, want in TELLING_DAYS.items():
        rec = records.get(code)
        if rec is None:
            fail(TABLE, "telling row %s has no record" % code)
        for ins in ALL5:
            if rec["days"][ins] != want[ins]:
                fail(TABLE, "telling row %s insurance %d: %s, expected %s" % (code, ins, rec["days"][ins], want[ins]))
    for (code, ins), want in TELLING_DAY_LISTS.items():
        if code not in records or records[code]["days"][ins] != want:
            fail(TABLE, "telling row %s insurance %d: day list differs from %s" % (code, ins, want))
    for (code, ins), want in TELLING_MONTH_LISTS.items():
        if code not in records or records[code]["months"][ins] != want:
            got = records[code]["months"][ins] if code in records else None
            fail(TABLE, "%s insurance %d: month list %s, expected %s" % (code, ins, got, want))
    for code, day in LAST_DAY.items():
        if code not in records:
            fail(TABLE, "%s has no record" % code)
        end = max(b for lst in records[code]["days"] for _, b, _ in lst)
        if end != day:
            fail(TABLE, "%s: periods end %d, expected %d" % (code, end, day))
    # The only months of their own: 1111 with pension-right digit 0, sickness.
    for code, ins, a, b, s in split_months(records):
        if not (code.startswith("11110") and ins == 2):
            fail(TABLE, "%s insurance %d: month %d-%d carries %s, which no day period gives" % (code, ins, a, b, s))


def split_months(records):
    """Month periods carrying statuses that no single day period gives (the
    months shared by two day periods of different statuses)."""
    out = []
    for code, rec in sorted(records.items()):
        for ins in ALL5:
            day_sets = {s for _, _, s in rec["days"][ins]}
            for a, b, s in rec["months"][ins]:
                if s not in day_sets:
                    out.append((code, ins, a, b, s))
    return out


# ---------------------------------------------------------------------------
# Output

def _flags(s):
    return ", ".join("1" if c in s else "0" for c in LETTERS)


def render(records):
    period_names = {}
    period_lines = []

    def ref(periods):
        key = tuple(periods)
        if key not in period_names:
            name = "kP%d" % len(period_names)
            period_names[key] = name
            period_lines.append("static const _stOkresPodlegania %s[] = {%s};" % (
                name, ", ".join("{%d, %d, %s}" % (a, b, _flags(s)) for a, b, s in periods)))
        return "{%d, %s}" % (len(periods), period_names[key])

    rec_lines = []
    index_lines = []
    for i, (code, rec) in enumerate(sorted(records.items())):
        days = ", ".join(ref(p) for p in rec["days"])
        months = ", ".join(ref(p) for p in rec["months"])
        rec_lines.append("    {{%s}, {%s}},  // %s" % (days, months, code))
        index_lines.append('    {"%s", &kRecords[%d]},' % (code, i))
    statics = ("// %d records of %d titles; %d distinct period lists.\n" % (
        len(records), len({c[:4] for c in records}), len(period_names)) +
        "\n".join(period_lines) + "\n\n" +
        "static const _stZasadyPodlegania kRecords[%d] = {\n%s\n};\n" % (len(records), "\n".join(rec_lines)))
    defs = ("extern const ZasadaKodu kZasadyKodow[] = {\n%s\n};\n" % "\n".join(index_lines) +
            "extern const unsigned int kZasadyKodowCount = %d;\n" % len(records))
    return file_text(statics, defs)


def load():
    known = {r["code"] for r in read_tsv(TITLES_TABLE, ("code",)) if len(r["code"] or "") == 4}
    rows = read_tsv(TABLE, ("title", "pension_digits", "disability_digits", "insurance", "valid_from",
                            "valid_to", "statuses", "source", "basis"))
    records = read_rules(rows, known)
    check_records(records)
    return records


def variant_titles(records):
    """Titles whose variants do not all share one record content."""
    contents = {}
    for code, rec in records.items():
        contents.setdefault(code[:4], set()).add(repr(rec))
    return sorted(t for t, c in contents.items() if len(c) > 1)


def generate(out):
    records = load()
    out.add("src/data/title_rules.cpp", render(records))
    differing = len(variant_titles(records))
    if differing != VARIANT_TITLES:
        import dictionaries
        dictionaries.REPORTS.append("title rules: %d titles differ by variant (the reference tables: %d)" % (
            differing, VARIANT_TITLES))


