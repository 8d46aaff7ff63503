"""Writes the generated parts of obligation.vec and validity.vec from the
source tables (title rules, dictionary 10048, ZUS branches). The cases
written by hand before the first generated part are kept; everything from
the first generated part on belongs to this script (cases written by hand
for these checks after it would be lost: they live in files of their own).

    python3 tests/vectors/rule_vectors.py           write the files
    python3 tests/vectors/rule_vectors.py --check   exit 1 when a file differs
"""
import datetime
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools", "gen"))

import common  # noqa: E402
import title_rules  # noqa: E402


def dd(d):
    """YYYYMMDD -> DDMMRRRR"""
    return "%02d%02d%04d" % (d % 100, d // 100 % 100, d // 10000)


def mm(m):
    """YYYYMM -> MMRRRR"""
    return "%02d%04d" % (m % 100, m // 100)


def shift_day(d, days):
    x = datetime.date(d // 10000, d // 100 % 100, d % 100) + datetime.timedelta(days=days)
    return x.year * 10000 + x.month * 100 + x.day


def prev_day(d):
    return shift_day(d, -1)


def next_day(d):
    return shift_day(d, 1)


def exact(s):
    """The condition that holds only for a period with exactly these statuses."""
    return ",".join(("" if c in s else "!") + c for c in "NODW")


def build():
    """{file name: [generated part, ...]}"""
    recs = title_rules.load()
    by_title = {}
    for code in sorted(recs):
        r = recs[code]
        key = repr(r)
        lst = by_title.setdefault(code[:4], [])
        if key not in [k for k, _ in lst]:
            lst.append((key, code))

    obl = []
    obl.append("# Generated part: every distinct record content of every title (first code that has it),")
    obl.append("# insurances 0, 2, 3, 4: the first day of each day period with the exact statuses, the day")
    obl.append("# before a period that no other period covers (the default period, only N), and the first")
    obl.append("# month of each month period with the exact statuses.")
    span = []
    n_periods = 0
    for title in sorted(by_title):
        for _, code in by_title[title]:
            r = recs[code]
            t, p, d = code[:4], code[4], code[5]
            for ins in (0, 2, 3, 4):
                days = r["days"][ins]
                n_periods += len(days)
                for i, (a, b, s) in enumerate(days):
                    obl.append('fb_KVD_Slw_Podl_ALL("%s", "%s", "%s", %d, "%s", "%s") = 0' % (t, p, d, ins, exact(s), dd(a)))
                    if b != 99991231:
                        obl.append('fb_KVD_Slw_Podl_ONE("%s", "%s", "%s", %d, "%s", "%s") = 0' % (t, p, d, ins, exact(s), dd(b)))
                    before = prev_day(a)
                    if not any(x <= before <= y for x, y, _ in days):
                        obl.append('fb_KVD_Slw_Podl_ALL("%s", "%s", "%s", %d, "%s", "%s") = 0' % (t, p, d, ins, exact("N"), dd(before)))
                        if "N" not in s or len(s) > 1:
                            obl.append('fb_KVD_Slw_Podl_ONE("%s", "%s", "%s", %d, "%s", "%s") = -1' % (t, p, d, ins, exact(s), dd(before)))
                for a, b, s in r["months"][ins]:
                    if 1850 <= a // 100 <= 2020:
                        obl.append('fb_KVD_Slw_Podl_ONE("%s", "%s", "%s", %d, "%s", "%s") = 0' % (t, p, d, ins, exact(s), mm(a)))
            lo = min(a for l in r["days"] for a, _, _ in l)
            hi = max(b for l in r["days"] for _, b, _ in l)
            span.append('sl_SprawdzDatyObowiazywaniaKoduTytuluUbezpieczenia("%s", out, out) = 0, %d, %d' % (code, lo, hi))

    # dictionary 10048
    rows = common.read_tsv("10048_contribution_bases.tsv")
    pod = ["# Generated part: every entry of dictionary 10048: its attribute admits, the other bits do not;",
           "# the first day and month of its period are in force, the day before is not, nor the day after a closed end."]
    for r in rows:
        code, a, b, attr = r["code"], int(r["valid_from"]), int(r["valid_to"]), int(r["attribute"])
        other = 7 & ~attr
        pod.append('sl_SprawdzPodstawySkladek("%s", %d, "%s") = 0' % (code, attr, dd(a)))
        pod.append('sl_SprawdzPodstawySkladek("%s", %d, null) = %d' % (code, other, -1))
        pod.append('sl_SprawdzPodstawySkladek("%s", %d, "%s") = -1' % (code, attr, dd(prev_day(a))))
        pod.append('sl_SprawdzPodstawySkladek("%s", %d, "%s") = 0' % (code, attr, mm(a // 100)))
        if b != 99991231:
            pod.append('sl_SprawdzPodstawySkladek("%s", %d, "%s") = 0' % (code, attr, dd(b)))
            pod.append('sl_SprawdzPodstawySkladek("%s", %d, "%s") = -1' % (code, attr, dd(next_day(b))))

    br = common.read_tsv("zus_branches.tsv")
    val = ["# Generated part: every branch by NIP, REGON and name, with and without a date; the day",
           "# before the branches' period finds none of them."]
    for r in br:
        val.append('sl_SprawdzSlownikNIPZUS(1, "%s", null) = 0' % r["nip"])
        val.append('sl_SprawdzSlownikNIPZUS(1, "%s", "30121998") = -1' % r["nip"])
        val.append('sl_SprawdzSlownikNIPZUS(2, "%s", "31121998") = 0' % r["regon"])
        val.append('sl_SprawdzSlownikNIPZUS(3, "%s", "122020") = 0' % r["name"])
        val.append('sl_SprawdzSlownikNIPZUS(1, "%s", null) = -1' % r["regon"])
        val.append('sl_SprawdzSlownikNIPZUS(3, "%s", null) = -1' % r["nip"])
    return {"obligation.vec": [obl, pod],
            "validity.vec": [val, ["# Generated part: the validity span of every distinct record content of every title."] + span]}


MARK = "# Generated part"


def regenerated(name, generated):
    """The file's new text: the written cases (everything before the first
    generated part) and the generated parts."""
    path = os.path.join(HERE, name)
    old = common.read_text(path)
    if old is None:
        common.fail(name, "the vector file is missing")
    head = old.split(MARK, 1)[0].rstrip("\n") + "\n\n"
    return old, head + "\n\n".join("\n".join(g) for g in generated) + "\n"


def main(argv):
    check = "--check" in argv
    stale = []
    try:
        for name, generated in sorted(build().items()):
            old, new = regenerated(name, generated)
            if check:
                if old != new:
                    stale.append(name)
                    print(common.diff_summary("tests/vectors/" + name, old, new), file=sys.stderr)
            elif old != new:
                with open(os.path.join(HERE, name), "w", encoding="utf-8", newline="") as f:
                    f.write(new)
    except common.GenError as e:
        print("rule_vectors: error: %s" % e, file=sys.stderr)
        return 2
    if stale:
        print("rule_vectors: %s differ from data/; run python3 tests/vectors/rule_vectors.py" % ", ".join(stale),
              file=sys.stderr)
        return 1
    print("rule_vectors: obligation.vec and validity.vec %s" % ("up to date" if check else "written"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
