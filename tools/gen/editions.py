"""The `current` build: the code lists followed past the reference content.

The reference (snapshot) content of 10004, 10009, 10015, 10019 and 10040
ends about 2011. data/current/ holds transcriptions of the later acts (each
group with a NOTES file). This module merges them into those dictionaries
and writes their tries and the build's node pool to src/data_current/; every
other table of the `current` build is the snapshot's own file in src/data/,
which is not touched. Each trie keeps its snapshot place in the pool; the
merged tries take places after the snapshot's, and the stretches they held
in the snapshot stay empty (listed in the pool file).

Edition rule (the same in every list):
- a code whose text (compared ignoring dash and quote glyphs and whitespace)
  is the same before and after a new list or amendment keeps one edition;
- a code whose text changes gets a new edition from the day the change
  applies, and the old one ends the day before;
- a code that a list drops ends the day before that list applies;
- where the sources leave a window unread and a code is in force on both
  sides, the code stays in force through the window: with one edition when
  its text is the same on both sides (continuity assumed, listed), else with
  an edition of no text (source class `absent`) whose bounds are `inferred`.

Every edition keeps its source class, the act it was read from and, for
each bound, `act` (the day an act applies) or `inferred` (the first or last
day the sources establish).
"""

import datetime
import re

import common
import dictionaries
from common import Entry, NodePool, emit_trie, fail, file_text, read_tsv

OUT_DIR = "src/data_current"
CUR = "current/"
OPEN = 99991231

# Windows the sources leave unread: list -> (first day, last day).
WINDOWS = {
    "title": (20210101, 20230926),
    "benefit": (20190101, 20230926),
    "deregistration": (20190101, 20230926),
    "occupation": (20220101, 20251126),  # group 0 of the 2021 annex is not stored
}

# Days from which each act's codes apply (an edition never starts earlier).
ACT_START = {
    "du2009-1444": 20100101, "du2011-633": 20110614, "du2013-1101": 20130919,
    "du2018-2495": 20190101, "du2020-102": 20200201, "du2020-81": 20200301,
    "du2020-2125": 20201209, "du2023-2529": 20240101, "du2024-1296": 20240901,
    "du2025-241": 20250319, "du2025-802": 20250701, "du2025-1036": 20230927,
    "du2025-1781": 20260101,
    "du2014-760": 20100701, "du2014-1145": 20150101, "du2016-1876": 20170101,
    "du2021-2285": 20220101, "du2022-853": 20220101, "du2024-1372": 20250101,
    "du2025-1534": 20251127,
}

# Codes in force on a day, counted from the acts' own lists (title, benefit,
# deregistration); None where the day's list of that kind was not read.
ZUS_COUNTS = {
    20111001: (93, 26, 4), 20140401: (98, 32, 4), 20190101: (106, None, None),
    20201209: (107, None, None), 20230927: (108, 38, 5), 20250701: (116, 40, 5),
    20260101: (118, 40, 6),
}

# The occupation classifications' own count tables, per major group:
# (sub-major, minor, unit groups, occupations without the ..90 positions).
KZIS2010_TABLE = {  # on 2012-09-01; group 5 minor: the act prints 12, its list has 13
    "1": (4, 11, 31, 141), "2": (6, 30, 98, 663), "3": (5, 20, 87, 471), "4": (4, 8, 27, 68),
    "5": (4, 12, 39, 132), "6": (3, 9, 17, 54), "7": (5, 14, 69, 400), "8": (3, 14, 41, 336),
    "9": (6, 11, 32, 98), "0": (3, 3, 3, 3),
}
KZIS2010_MISPRINTS = {("5", 1): 13}
KZIS2025_TABLE = {  # on 2026-01-01
    "1": (4, 11, 31, 173), "2": (6, 31, 99, 723), "3": (5, 20, 87, 545), "4": (4, 8, 27, 71),
    "5": (4, 13, 39, 140), "6": (3, 9, 17, 54), "7": (5, 14, 69, 412), "8": (3, 14, 41, 350),
    "9": (6, 11, 32, 112), "0": (3, 3, 3, 3),
}
KZIS2016_OCCUPATIONS = 2455  # on 2017-01-01, the 2016 amendment's new total
KZIS2010_ADDED_2012 = ("711204", "712616", "712905", "751107", "811305", "814209")

# Filled in by generate(): id -> {"editions": {code: [Ed]}, ...}; used by the
# documentation and the tests.
RESULT = {}


def day(n):
    return datetime.date(n // 10000, n // 100 % 100, n % 100)


def num(d):
    return d.year * 10000 + d.month * 100 + d.day


def before(n):
    return num(day(n) - datetime.timedelta(days=1))


def after(n):
    return OPEN if n == OPEN else num(day(n) + datetime.timedelta(days=1))


_DASHES = re.compile("[\u2010-\u2015\u2212-]")
_QUOTES = re.compile("[\"\u201c\u201d\u201e\u00ab\u00bb']")


def same_text(a, b):
    """Texts compare equal ignoring dash and quote glyphs and whitespace."""
    if a is None or b is None:
        return False
    def n(t):
        return re.sub(r"\s+", "", _QUOTES.sub('"', _DASHES.sub("-", t)))
    return n(a) == n(b)


class Ed:
    """One edition of a code in the current build."""

    def __init__(self, code, vfrom, vto, text, cls, act, where, attribute=0, short=None,
                 short_source=None, origin=None, from_basis="act", to_basis="act", note=""):
        self.code, self.vfrom, self.vto, self.text = code, vfrom, vto, text
        self.cls, self.act, self.where = cls, act, where
        self.attribute, self.short, self.short_source = attribute, short, short_source
        self.origin = origin          # index among the snapshot entries, or None
        self.from_basis, self.to_basis, self.note = from_basis, to_basis, note
        self.orig = (vfrom, vto) if origin is not None else None

    def untouched(self):
        return self.orig == (self.vfrom, self.vto)

    def entry(self):
        return Entry(self.text, self.vfrom, self.vto, self.attribute, self.short, self.cls, self.where,
                     self.short_source)


def from_snapshot(dict_id):
    """{code: [Ed]} (in the table's order) and the table's code order."""
    table = dictionaries.table_path(dict_id)
    out = {}
    order = []
    for code, entries in dictionaries.read_dictionary(table):
        order.append(code)
        out[code] = [Ed(code, e.valid_from, e.valid_to, e.description, e.source, "snapshot", e.where,
                        e.attribute, e.short_text, e.short_source, origin=i)
                     for i, e in enumerate(entries)]
    return out, order


# ---------------------------------------------------------------------------
# Title, benefit and deregistration codes

def read_history(name):
    hist = {}
    for r in read_tsv(CUR + name, ("code", "valid_from", "valid_to", "text", "source", "note")):
        a, b = common.check_period(r)
        act = r["source"]
        if act not in ACT_START:
            fail(r.where, "act %r has no known applicability" % act)
        note = r["note"] or ""
        h = Ed(r["code"], a, b, r["text"], "public", act, r.where, note=note)
        if "first established day" in note or "first in the stored copies" in note:
            h.from_basis = "inferred"
        if "last established day" in note or "may have ended earlier" in note:
            h.to_basis = "inferred"
        hist.setdefault(r["code"], []).append(h)
    for eds in hist.values():
        eds.sort(key=lambda e: e.vfrom)
    return hist


def merge_zus(snap, hist, window, diffs, dict_id):
    """Merges the dated editions of one list into a dictionary's editions."""
    for code, hs in sorted(hist.items()):
        eds = snap.setdefault(code, [])
        for h in hs:
            cover = [e for e in eds if e.vfrom <= h.vfrom <= e.vto]
            if len(cover) > 1:
                fail(h.where, "%d code %s: %d editions cover %d" % (dict_id, code, len(cover), h.vfrom))
            e = cover[0] if cover else None
            if e is not None and (e.vfrom == h.vfrom or same_text(e.text, h.text)):
                if e.text is None and h.text is not None:
                    e.text, e.cls, e.act = h.text, h.cls, h.act
                    if e.origin is not None:
                        diffs.append((dict_id, code, e.origin, "text", "%d-%d" % (e.vfrom, e.vto),
                                      "text read from %s" % h.act))
                elif not same_text(e.text, h.text):
                    e.note = "the reference wording is kept; %s prints it otherwise" % h.act
                if e.vto != h.vto:
                    if e.origin is not None:
                        diffs.append((dict_id, code, e.origin, "closed" if h.vto < e.vto else "extended",
                                      "%d-%d" % (e.vfrom, e.vto), "%d-%d by %s" % (e.vfrom, h.vto, h.act)))
                    e.vto = h.vto
                e.to_basis = h.to_basis
                if h.note:
                    e.note = (e.note + "; " if e.note else "") + h.note
                continue
            if e is not None:
                if e.origin is not None:
                    diffs.append((dict_id, code, e.origin, "closed", "%d-%d" % (e.vfrom, e.vto),
                                  "%d-%d by %s" % (e.vfrom, before(h.vfrom), h.act)))
                e.vto = before(h.vfrom)
                e.to_basis = h.from_basis
            n = Ed(code, h.vfrom, h.vto, h.text, h.cls, h.act, h.where, from_basis=h.from_basis,
                   to_basis=h.to_basis, note=h.note)
            eds.append(n)
        fill_window(code, eds, window, dict_id)


def fill_window(code, eds, window, dict_id):
    """A code in force on both sides of an unread window stays in force
    through it: an edition of no text, its bounds inferred."""
    lo, hi = window
    chron = sorted(eds, key=lambda e: e.vfrom)
    for a, b in zip(chron, chron[1:]):
        if a.vto == OPEN or after(a.vto) >= b.vfrom:
            continue
        first, last = after(a.vto), before(b.vfrom)
        if lo <= first and last <= hi:
            a.to_basis = b.from_basis = "inferred"
            eds.append(Ed(code, first, last, None, "absent", b.act, b.where, from_basis="inferred",
                          to_basis="inferred", note="window %d-%d: no text read" % window))


def title_groups(eds15):
    """Four-digit titles stand under a two-digit group code; a group the
    later lists open (26, 27) gets an entry of no text for as long as any of
    its members is in force."""
    present = set(eds15)
    for code in sorted(eds15):
        if len(code) != 4 or code[:2] in present:
            continue
        members = [e for c, es in eds15.items() if len(c) == 4 and c[:2] == code[:2] for e in es]
        first = min(members, key=lambda e: e.vfrom)
        last = max(e.vto for e in members)
        eds15[code[:2]] = [Ed(code[:2], first.vfrom, last, None, "absent", first.act, first.where,
                              from_basis=first.from_basis, note="group code of %s" % first.code)]
        present.add(code[:2])


# ---------------------------------------------------------------------------
# Occupations

UNKNOWN = object()


def occupation_states():
    """[(first day, {code: (name or UNKNOWN, act, where)})] oldest first."""
    def table(name, act):
        rows = read_tsv(CUR + name, ("code", "name", "level", "source"))
        out = {}
        for r in rows:
            if r["code"] in out:
                fail(r.where, "code %s twice" % r["code"])
            if int(r["level"]) != len(r["code"]):
                fail(r.where, "level %s of code %s" % (r["level"], r["code"]))
            out[r["code"]] = (r["name"], act, r.where)
        return out

    def changes(name, act, state, on):
        out = dict(state)
        for r in read_tsv(CUR + name, ("change", "code", "name", "applies_from", "source")):
            if int(r["applies_from"]) != on:
                continue
            if r["change"] == "removed":
                if r["code"] not in out:
                    fail(r.where, "removes %s, which is not in force" % r["code"])
                del out[r["code"]]
            elif r["change"] == "added":
                if r["code"] in out:
                    fail(r.where, "adds %s, which is in force" % r["code"])
                out[r["code"]] = (r["name"], act, r.where)
            elif r["change"] == "renamed":
                if r["code"] not in out:
                    fail(r.where, "renames %s, which is not in force" % r["code"])
                out[r["code"]] = (r["name"], act, r.where)
            else:
                fail(r.where, "unknown change %r" % r["change"])
        return out

    k2010 = table("kzis2010.tsv", "du2014-760")
    s2010 = {c: v for c, v in k2010.items() if c not in KZIS2010_ADDED_2012}
    if len(s2010) != len(k2010) - len(KZIS2010_ADDED_2012):
        fail(CUR + "kzis2010.tsv", "a code added in 2012 is missing")
    k2014 = table("kzis2014.tsv", "du2014-1145")
    s2016 = changes("changes-2016.tsv", "du2016-1876", k2014, 20170101)
    k2021 = table("kzis2021.tsv", "du2021-2285")
    for c, (name, act, where) in s2016.items():
        if c[0] == "0":       # group 0 is not in the stored 2021 annex
            if c in k2021:
                fail(where, "group 0 code %s in the 2021 annex" % c)
            k2021[c] = (UNKNOWN, act, where)
    s2022 = changes("changes-2022.tsv", "du2022-853", k2021, 20220101)
    s2023 = changes("changes-2022.tsv", "du2022-853", s2022, 20230101)
    s2025 = changes("changes-2024.tsv", "du2024-1372", s2023, 20250101)
    k2025 = read_tsv(CUR + "kzis2025.tsv", ("code", "name", "level", "valid_from", "valid_to", "source"))

    def on(d):
        out = {}
        for r in k2025:
            a, b = common.check_period(r)
            if a <= d <= b:
                if r["code"] in out:
                    fail(r.where, "code %s twice on %d" % (r["code"], d))
                out[r["code"]] = (r["name"], "du2025-1534", r.where)
        return out

    return [(20100701, s2010), (20120901, k2010), (20150101, k2014), (20170101, s2016),
            (20220101, s2022), (20230101, s2023), (20250101, s2025), (20251127, on(20251127)),
            (20260101, on(20260101))]


def merge_occupations(snap, states, diffs):
    open_eds = {}
    for code, eds in snap.items():
        for e in eds:
            if e.vto == OPEN:
                if code in open_eds:
                    fail(e.where, "10004 code %s: two open editions" % code)
                open_eds[code] = e
    pending = {}   # code -> first day of an unread window
    for start, state in states:
        for code in sorted(set(open_eds) | set(state)):
            e = open_eds.get(code)
            s = state.get(code)
            if e is not None and s is None:
                if code in pending:
                    fail(e.where, "10004 code %s: dropped after an unread window" % code)
                close(e, before(start), diffs, "dropped by %s" % states_act(state))
                del open_eds[code]
                continue
            if s is None:
                continue
            name, act, where = s
            if e is None:
                if name is UNKNOWN:
                    fail(where, "10004 code %s: first seen in an unread list" % code)
                n = Ed(code, start, OPEN, name, "public", act, where)
                if act == "du2014-760" and start == 20100701:
                    n.note = "wording of the consolidated text (in force from 2012-09-01)"
                snap.setdefault(code, []).append(n)
                open_eds[code] = n
                continue
            if name is UNKNOWN:
                pending.setdefault(code, start)
                continue
            if code in pending:
                p = pending.pop(code)
                if same_text(e.text, name):
                    e.note = (e.note + "; " if e.note else "") + "continuity assumed over %d-%d" % (p, before(start))
                    continue
                close(e, before(p), diffs, "window before %s" % act)
                e.to_basis = "inferred"
                snap[code].append(Ed(code, p, before(start), None, "absent", act, where, from_basis="inferred",
                                     to_basis="inferred", note="window %d-%d: no text read" % (p, before(start))))
                n = Ed(code, start, OPEN, name, "public", act, where, from_basis="inferred")
                snap[code].append(n)
                open_eds[code] = n
                continue
            if same_text(e.text, name):
                continue
            close(e, before(start), diffs, "renamed by %s" % act)
            n = Ed(code, start, OPEN, name, "public", act, where)
            snap[code].append(n)
            open_eds[code] = n
    if pending:
        fail("10004", "codes still in an unread window: %s" % ", ".join(sorted(pending)))


def states_act(state):
    for _, act, _ in state.values():
        return act
    return "?"


def close(e, last, diffs, why):
    if e.origin is not None:
        diffs.append((10004, e.code, e.origin, "closed", "%d-%d" % (e.vfrom, e.vto),
                      "%d-%d %s" % (e.vfrom, last, why)))
    e.vto = last


# ---------------------------------------------------------------------------
# Checks of the merge

def in_force(eds, d):
    return [e for e in eds if e.vfrom <= d <= e.vto]


def check_editions(dict_id, editions):
    for code, eds in editions.items():
        chron = sorted(eds, key=lambda e: e.vfrom)
        for a, b in zip(chron, chron[1:]):
            # the reference content's own overlaps (an entry and its blank
            # twin) stay; nothing added or changed may overlap
            if b.vfrom <= a.vto and not (a.untouched() and b.untouched()):
                fail(b.where, "%d code %s: editions %d-%d and %d-%d overlap" % (
                    dict_id, code, a.vfrom, a.vto, b.vfrom, b.vto))
        for e in eds:
            if e.vto < e.vfrom:
                fail(e.where, "%d code %s: period %d-%d ends before it starts" % (dict_id, code, e.vfrom, e.vto))
            if e.act != "snapshot" and e.vfrom < ACT_START[e.act] and e.cls != "absent":
                fail(e.where, "%d code %s: edition from %d, before %s applies (%d)" % (
                    dict_id, code, e.vfrom, e.act, ACT_START[e.act]))
            if e.cls == "absent" and e.text is not None:
                fail(e.where, "%d code %s: an absent edition with a text" % (dict_id, code))


def check_title_lists(t15, t40):
    """10040 holds the four-digit titles of 10015 (and 0562, 0563 of its
    own); the later editions are the same in both."""
    for code in sorted(set(c for c in t15 if len(c) == 4) ^ (set(t40) - {"0562", "0563"})):
        fail("10040", "code %s is in only one of 10015 and 10040" % code)
    for code, eds in t40.items():
        a = sorted((e.vfrom, e.vto, e.text) for e in eds if e.origin is None)
        b = sorted((e.vfrom, e.vto, e.text) for e in t15.get(code, []) if e.origin is None)
        if a != b:
            fail("10040", "code %s: its later editions differ from those of 10015" % code)


def check_zus_counts(editions, hist_codes, kind_index, label):
    for d, counts in sorted(ZUS_COUNTS.items()):
        want = counts[kind_index]
        if want is None:
            continue
        have = sum(1 for c in hist_codes if in_force(editions.get(c, []), d))
        if have != want:
            fail(label, "%d codes in force on %d; the act's list has %d" % (have, d, want))


def occupation_counts(editions, d):
    """{group: [sub-major, minor, unit, occupations without ..90]} on a day."""
    out = {}
    for code, eds in editions.items():
        if len(code) == 7 or not in_force(eds, d):
            continue
        g = out.setdefault(code[0], [0, 0, 0, 0])
        if len(code) == 2:
            g[0] += 1
        elif len(code) == 3:
            g[1] += 1
        elif len(code) == 4:
            g[2] += 1
        elif len(code) == 6 and not code.endswith("90"):
            g[3] += 1
    return out


def check_occupation_counts(editions):
    have = occupation_counts(editions, 20120901)
    for g, want in KZIS2010_TABLE.items():
        for k in range(4):
            w = KZIS2010_MISPRINTS.get((g, k), want[k])
            if have.get(g, [0] * 4)[k] != w:
                fail("10004", "2012-09-01 group %s: %s %d, the 2010 classification %d" % (
                    g, ("sub-major", "minor", "unit", "occupations")[k], have.get(g, [0] * 4)[k], w))
    total = sum(v[3] for v in occupation_counts(editions, 20170101).values())
    if total != KZIS2016_OCCUPATIONS:
        fail("10004", "2017-01-01: %d occupations, the 2016 amendment %d" % (total, KZIS2016_OCCUPATIONS))
    have = occupation_counts(editions, 20260101)
    for g, want in KZIS2025_TABLE.items():
        if tuple(have.get(g, ())) != want:
            fail("10004", "2026-01-01 group %s: %s, the 2025 classification %s" % (g, have.get(g), want))


def check_states(editions, states):
    """Every code of every list is in force on the list's first day under
    exactly one edition, whose text is the list's (or unread)."""
    for start, state in states:
        for code, (name, act, where) in state.items():
            cover = in_force(editions.get(code, []), start)
            if len(cover) != 1:
                fail(where, "10004 code %s: %d editions on %d" % (code, len(cover), start))
            e = cover[0]
            if name is not UNKNOWN and e.text is not None and not same_text(e.text, name):
                fail(where, "10004 code %s: on %d the edition reads %r, the list %r" % (code, start, e.text, name))
        for code, eds in editions.items():
            if len(code) < 7 and code not in state and in_force(eds, start) and start >= 20100701:
                fail(eds[0].where, "10004 code %s in force on %d but not in the list" % (code, start))


# ---------------------------------------------------------------------------
# Order of the entries and output

NEWEST_FIRST = (10004, 10009, 10040)


def ordered(dict_id, eds):
    """Entries in the order the trie keeps. Where the dictionary lists
    editions newest first, so do the later ones. In 10015 and 10019, whose
    reference entries stand in an order of their own (an edition added later
    follows the older ones), the reference entries keep their order and the
    later editions follow, oldest first; a code of the later lists alone
    stands newest first."""
    if dict_id in NEWEST_FIRST:
        seven = [e for e in eds if len(e.code) == 7]
        return sorted([e for e in eds if len(e.code) != 7], key=lambda e: -e.vfrom) + seven
    old = sorted([e for e in eds if e.origin is not None], key=lambda e: e.origin)
    new = [e for e in eds if e.origin is None]
    if not old:
        return sorted(new, key=lambda e: -e.vfrom)
    return old + sorted(new, key=lambda e: e.vfrom)


def merged():
    """{id: {code: [Ed]}} of the five dictionaries, and the differences
    from the snapshot."""
    diffs = []
    res = {}
    hist = {
        "title": read_history("title_codes_history.tsv"),
        "benefit": read_history("benefit_codes_history.tsv"),
        "deregistration": read_history("deregistration_codes_history.tsv"),
    }
    for dict_id, kind in ((10015, "title"), (10040, "title"), (10019, "benefit"), (10009, "deregistration")):
        snap, _ = from_snapshot(dict_id)
        merge_zus(snap, hist[kind], WINDOWS[kind], diffs, dict_id)
        if dict_id == 10015:
            title_groups(snap)
        check_editions(dict_id, snap)
        check_zus_counts(snap, hist[kind], ("title", "benefit", "deregistration").index(kind),
                         "%d (%s list)" % (dict_id, kind))
        res[dict_id] = snap
    check_title_lists(res[10015], res[10040])
    snap, _ = from_snapshot(10004)
    states = occupation_states()
    merge_occupations(snap, states, diffs)
    check_editions(10004, snap)
    check_occupation_counts(snap)
    check_states(snap, states)
    res[10004] = snap
    for dict_id, eds in res.items():
        snap_codes = set(from_snapshot(dict_id)[0])
        for code, es in eds.items():
            for e in es:
                if e.origin is None:
                    diffs.append((dict_id, code, -1, "added" if code in snap_codes else "new code",
                                  "", "%d-%d %s %s" % (e.vfrom, e.vto, e.cls, e.act)))
    diffs.sort(key=lambda d: (d[0], d[1], d[2], d[4], d[5]))
    return res, diffs, hist, states


def codes_of(dict_id, editions):
    return [(code, [e.entry() for e in ordered(dict_id, eds)]) for code, eds in sorted(editions.items())]


def edition_table(dict_id, editions):
    lines = ["code\tvalid_from\tvalid_to\tsource\tact\tfrom\tto\tnote"]
    for code, eds in sorted(editions.items()):
        for e in ordered(dict_id, eds):
            act = e.act if e.act != "snapshot" else "reference"
            lines.append("\t".join((code, str(e.vfrom), str(e.vto), e.cls, act, e.from_basis, e.to_basis,
                                    e.note.replace("\t", " "))))
    return "\n".join(lines) + "\n"


def difference_table(diffs):
    lines = ["id\tcode\tentry\tchange\treference\tcurrent"]
    for d in diffs:
        lines.append("%d\t%s\t%s\t%s\t%s\t%s" % (d[0], d[1], "" if d[2] < 0 else d[2] + 1, d[3], d[4], d[5]))
    return "\n".join(lines) + "\n"


CLI_PROVENANCE = "cli/generated/provenance_current.cpp"


def cli_provenance_current(res):
    """The command-line tool's provenance table for the current build: the
    merged dictionaries' entries stand in their own order."""
    import cli_provenance
    rows = [r for r in cli_provenance.rows() if r[0] not in res]
    for dict_id, eds in res.items():
        for code, es in eds.items():
            for i, e in enumerate(ordered(dict_id, es)):
                cls = e.cls if e.cls not in common.VERIFIED_CLASSES else None
                if "inferred" in (e.from_basis, e.to_basis):
                    # the text may be read from an act, its first or last
                    # day only as far as the sources establish it
                    cls = (cls or "verified") + ", dates inferred"
                if cls:
                    rows.append((dict_id, code, i, cls))
    rows.sort(key=lambda r: (r[0], r[1].encode("ascii"), r[2]))
    return cli_provenance.render(rows).replace("from data/*.tsv", "from data/*.tsv and data/current/", 1)


ALLOWED_CHANGES = ("closed", "text", "added", "new code")


def generate(out):
    res, diffs, hist, states = merged()
    for d in diffs:
        if d[3] not in ALLOWED_CHANGES:
            fail("%d code %s" % (d[0], d[1]), "the current build %s a reference entry" % d[3])
    cat = dictionaries.read_catalogue()
    # Every trie keeps its snapshot place, so the unchanged dictionaries are
    # compiled from src/data/ as they are; the merged dictionaries' tries
    # take new places after the whole snapshot pool, and their snapshot
    # stretches stay empty in this build.
    pool = NodePool()
    for symbol, offset, nodes in common.NODE_POOL.places:
        if pool.place(symbol, nodes) != offset:
            fail(symbol, "node pool place differs from the snapshot")
    replaced = set("kTrie%d" % i for i in res)
    missing = replaced - set(symbol for symbol, _, _ in common.NODE_POOL.places)
    if missing:
        fail(OUT_DIR, "merged dictionaries without a snapshot trie: %s" % ", ".join(sorted(missing)))
    saved = common.NODE_POOL
    common.NODE_POOL = pool
    try:
        for d in cat:
            i = d["id"]
            if i not in res:
                continue
            if not d["trie"]:
                fail(d["where"], "%d has merged editions but no trie in the catalogue" % i)
            codes = codes_of(i, res[i])
            for code, entries in codes:
                if len(code) not in d["lengths"]:
                    fail(entries[0].where, "code %s has length %d; %d admits %s" % (
                        code, len(code), i, ",".join(map(str, sorted(d["lengths"])))))
            if i != 10004 and i in dictionaries.CHECKS:
                dictionaries.CHECKS[i](codes, {})
            statics, definition, stats = emit_trie("kTrie%d" % i, codes, "dictionary %d" % i)
            out.add("%s/dict_%d.cpp" % (OUT_DIR, i), file_text(statics, definition))
        out.add("%s/node_pool.cpp" % OUT_DIR, pool.file(
            (symbol, offset) for symbol, offset, _ in saved.places if symbol in replaced))
    finally:
        common.NODE_POOL = saved
    for i in sorted(res):
        out.add("%s/editions_%d.tsv" % (OUT_DIR, i), edition_table(i, res[i]))
    out.add("%s/differences.tsv" % OUT_DIR, difference_table(diffs))
    out.add(CLI_PROVENANCE, cli_provenance_current(res))
    RESULT.clear()
    RESULT.update({"editions": res, "diffs": diffs, "hist": hist, "states": states})
    return res, diffs


# ---------------------------------------------------------------------------
# docs/DATA.md: one section per edition set

SETS = (
    (10004, "Occupations (10004)", "occupation",
     "classifications of 2010 (the consolidated wording in force from 2012-09-01; the six codes that "
     "wording added, %s, start on 2012-09-01), 2014 with its 2016, 2021, 2022 and 2024 changes, and 2025 "
     "with its two sub-periods, after the reference editions of 2002 and 2004" % ", ".join(KZIS2010_ADDED_2012)),
    (10015, "Title codes (10015)", "title", "every addition, rewording and removal 2010-2026"),
    (10040, "Title codes (10040)", "title", "the four-digit title codes of 10015, the same editions"),
    (10019, "Benefit and break codes (10019)", "benefit", "every addition, rewording and removal 2010-2026"),
    (10009, "Deregistration reasons (10009)", "deregistration", "every addition, rewording and removal 2010-2026"),
)


def rule_table_codes():
    """{"title": four-digit titles, "benefit": benefit codes} that the rule
    tables (obligation rules, benefit rules) hold rows for."""
    titles = {r["title"][:4] for r in read_tsv("title_rules.tsv", ("title",)) if r["title"]}
    benefits = {r["code"] for r in read_tsv("benefit_rules.tsv", ("code",))}
    return {"title": titles, "benefit": benefits}


def doc_sections():
    """Markdown appended to docs/DATA.md."""
    if not RESULT:
        return ""
    rule_codes = rule_table_codes()
    res, diffs = RESULT["editions"], RESULT["diffs"]
    out = ["", "## Editions of the `current` build", "",
           "Built with `-DKODOWNIK_EDITIONS=current` (the default `snapshot` is the reference content above). "
           "The generator merges `data/current/` (see its NOTES files) into five dictionaries and writes their "
           "tries to `src/data_current/`; every other table of that build is the snapshot's own file in "
           "`src/data/`. Each trie keeps its snapshot place in the node pool; the five merged tries take places "
           "after the snapshot's, and the places they hold in the snapshot stay empty in that build "
           "(`src/data_current/node_pool.cpp` lists them). `src/data_current/` also holds one table per merged dictionary "
           "(`editions_<ID>.tsv`: each edition's source class, the act it was read from, and whether each "
           "bound is the day an act applies (`act`) or only the first or last day the sources establish "
           "(`inferred`)).", "",
           "Edition rule, the same in every list: a code whose text is the same (ignoring dash and quote "
           "glyphs and whitespace) before and after a new list or amendment keeps one edition; a changed text "
           "starts a new edition on the day the change applies and ends the old one the day before; a code a "
           "list drops ends the day before that list applies. Where the sources leave a window unread and a "
           "code is in force on both sides, it stays in force through the window: under one edition when its "
           "text is the same on both sides (continuity assumed), else under an edition of no text (source "
           "class `absent`) whose bounds are `inferred`. No text of an unread window is guessed.", "",
           "The reference entries change only where a later act closed a period, supplied the text of an "
           "entry that had none, or added an edition; `src/data_current/differences.tsv` lists every such "
           "change (%d in all: %s)." % (len(diffs), ", ".join(
               "%s %d" % (k, sum(1 for d in diffs if d[3] == k)) for k in ALLOWED_CHANGES)), ""]
    for dict_id, title, kind, what in SETS:
        eds = res[dict_id]
        allv = [e for v in eds.values() for e in v]
        new = [e for e in allv if e.origin is None]
        cls = {}
        for e in allv:
            cls[e.cls] = cls.get(e.cls, 0) + 1
        inferred = sum(1 for e in allv if "inferred" in (e.from_basis, e.to_basis))
        cont = sum(1 for e in allv if "continuity" in e.note)
        lo, hi = WINDOWS[kind]
        window_codes = sorted(set(e.code for e in allv if e.cls == "absent" and e.vfrom >= 20100101
                                  and e.from_basis == "inferred"))
        out += ["### %s" % title, "",
                "Content: %s." % what, "",
                "| codes | editions | added editions | %s | bounds inferred | continuity assumed |" % " | ".join(
                    common.SOURCE_CLASSES),
                "|---|---|---|%s---|---|" % ("---|" * len(common.SOURCE_CLASSES)),
                "| %d | %d | %d | %s | %d | %d |" % (len(eds), len(allv), len(new), " | ".join(
                    str(cls.get(c, 0)) for c in common.SOURCE_CLASSES), inferred, cont), ""]
        out.append("Gap: %d-%d is not read from an act. Codes in force on both sides with a different text "
                   "carry an `absent` edition there: %s." % (lo, hi, ", ".join(window_codes) or "none"))
        if kind == "title":
            out.append("Earlier unread period: amendments of 2014-04 to 2018-12 were not found; what the 2018 "
                       "list changed is dated 2019-01-01 and those bounds are `inferred`.")
        if kind == "occupation":
            out.append("Group 0 of the 2021 annex is not stored; its codes are in the window above. The 2010 "
                       "classification as first published (2010-07-01 to 2012-08-31) is not read: its codes carry "
                       "the consolidated wording from 2010-07-01. Codes in force are checked against the acts' own "
                       "count tables on 2012-09-01 (2010; group 5 counts its 13 printed minor groups, the act's "
                       "table says 12), 2017-01-01 (2016: 2455 occupations) and 2026-01-01 (2025).")
        else:
            out.append("Codes in force are checked against the number of codes in the lists as read on %s "
                       "(the acts state no counts)." % ", ".join(
                str(d) for d, c in sorted(ZUS_COUNTS.items())
                if c[("title", "benefit", "deregistration").index(kind)] is not None))
        if kind != "occupation":
            width = {"title": 4, "benefit": 3, "deregistration": 3}[kind]
            unlisted = sorted(c for c, v in eds.items() if len(c) == width and c not in RESULT["hist"][kind]
                              and any(e.vto == OPEN for e in v))
            out.append("Codes whose reference entry stays open although no list read from 2010 on holds them "
                       "(the reference content keeps them open after 2010 too; nothing here dates an end): %s." % (
                           ", ".join(unlisted) or "none"))
        if kind in rule_codes:
            fresh = sorted(c for c, v in eds.items() if len(c) == (4 if kind == "title" else 3)
                           and all(e.origin is None for e in v) and c not in rule_codes[kind])
            out.append("Codes introduced after the reference content that the rule tables do not know: %s. "
                       "data/current/ holds the code lists only, not the provisions that make each insurance "
                       "obligatory or voluntary, name the forms or define the benefit, so no rule row can be "
                       "cited for them: they stay out of the rule tables and the checks answer for them as for "
                       "unknown codes (tests/editions/new_codes.vec)." % (", ".join(fresh) or "none"))
        out.append("")
    return "\n".join(out)
