"""The ZUS branch table: data/zus_branches.tsv -> src/data/zus_branches.cpp.

One row per branch: its slot in the 100-slot table, the code text (empty),
NIP, REGON, name and period. The generator checks the slot list, the digit
forms and check digits of NIP and REGON, and the period of every branch.
"""

from common import StringPool, check_source, fail, file_text, parse_int, read_tsv, valid_day

TABLE = "zus_branches.tsv"
SLOTS = 100
# The occupied slots of the defined content (43 branches).
BRANCH_SLOTS = (1, 2, 3, 4, 6, 7, 9, 10, 11, 13, 15, 17, 18, 19, 20, 21, 22, 23, 24, 26, 27, 28, 29, 31, 34, 35,
                36, 37, 38, 39, 42, 43, 44, 45, 47, 48, 51, 52, 53, 54, 55, 56, 57)
PERIOD = (19981231, 99991231)


def nip_valid(nip):
    if len(nip) != 10 or not nip.isdigit():
        return False
    s = sum(int(c) * w for c, w in zip(nip, (6, 5, 7, 2, 3, 4, 5, 6, 7))) % 11
    return s != 10 and s == int(nip[9])


def _regon_digit(digits, weights):
    s = sum(int(c) * w for c, w in zip(digits, weights)) % 11
    return 0 if s == 10 else s


def regon14_valid(regon):
    if len(regon) != 14 or not regon.isdigit():
        return False
    return (_regon_digit(regon[:8], (8, 9, 2, 3, 4, 5, 6, 7)) == int(regon[8]) and
            _regon_digit(regon[:13], (2, 4, 8, 5, 0, 9, 7, 3, 6, 1, 2, 4, 8)) == int(regon[13]))


def read_branches(rows):
    branches = {}
    names, nips, regons = set(), set(), set()
    for r in rows:
        w = r.where
        slot = parse_int(r, "slot", 0, SLOTS - 1)
        if slot in branches:
            fail(w, "slot %d listed twice" % slot)
        if check_source(r) != "given":
            fail(w, "every branch comes from the defined content (source given)")
        if r.get("code") != "":
            fail(w, "the code text of a branch is empty")
        if not nip_valid(r.get("nip") or ""):
            fail(w, "NIP %r is not ten digits with a valid check digit" % r.get("nip"))
        if not regon14_valid(r.get("regon") or ""):
            fail(w, "REGON %r is not fourteen digits with valid check digits" % r.get("regon"))
        name = r.get("name") or ""
        if not name.strip() or name != name.strip():
            fail(w, "name %r is empty or has surrounding blanks" % name)
        for value, seen, what in ((r["nip"], nips, "NIP"), (r["regon"], regons, "REGON"), (name, names, "name")):
            if value in seen:
                fail(w, "%s %s appears twice" % (what, value))
            seen.add(value)
        a, b = parse_int(r, "valid_from"), parse_int(r, "valid_to")
        if not (valid_day(a) and valid_day(b)) or (a, b) != PERIOD:
            fail(w, "period %d-%d, expected %d-%d" % (a, b, *PERIOD))
        branches[slot] = r
    if tuple(sorted(branches)) != BRANCH_SLOTS:
        fail(TABLE, "slots %s differ from the reference list %s" % (sorted(branches), list(BRANCH_SLOTS)))
    return branches


def render(branches):
    pool = StringPool()
    entries = []
    records = []
    for i, slot in enumerate(sorted(branches)):
        r = branches[slot]
        entries.append("    {%s, %s, %s, %s, %s, %s},  // slot %d" % (
            pool.ref(r["code"], r.where), pool.ref(r["nip"], r.where), pool.ref(r["regon"], r.where),
            pool.ref(r["name"], r.where), r["valid_from"], r["valid_to"], slot))
        records.append("    {%d, {1, &kEntries[%d]}}," % (slot, i))
    statics = (pool.emit() + "\nstatic const WpisOddzialuZUS kEntries[] = {\n%s\n};\n" % "\n".join(entries))
    defs = ("extern const OddzialZrodlowy kOddzialyZUS[] = {\n%s\n};\n" % "\n".join(records) +
            "extern const unsigned int kOddzialyZUSCount = %d;\n" % len(records))
    return file_text(statics, defs)


def generate(out):
    rows = read_tsv(TABLE, ("slot", "code", "nip", "regon", "name", "valid_from", "valid_to", "source"))
    out.add("src/data/zus_branches.cpp", render(read_branches(rows)))
