#!/usr/bin/env python3
"""Writes tests/vectors/benefits_tables.vec from data/benefit_*.tsv and
data/special_titles.tsv: every cell of the eight benefit rule tables at the
first and last month (and day) of its period, every pair list by period and
every special title record against every key.

    python3 tests/vectors/gen_benefits_tables.py          write the file
    python3 tests/vectors/gen_benefits_tables.py --check  exit 1 when it differs
"""

import os
import sys

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
OUT = os.path.join(ROOT, "tests", "vectors", "benefits_tables.vec")
sys.path.insert(0, os.path.join(ROOT, "tools", "gen"))

import common  # noqa: E402

# Month texts of the dependency checks accept the years 1850..2020.
LAST_MONTH_TEXT = (2020, 12)


def tsv(name):
    with open(os.path.join(ROOT, "data", name), encoding="utf-8") as f:
        lines = [l.rstrip("\n").split("\t") for l in f if l.strip() and not l.startswith("#")]
    head = lines[0]
    return [dict(zip(head, l)) for l in lines[1:]]


def month_of(day):
    return day // 100


def month_text(m):
    return "%02d%04d" % (m % 100, m // 100)


def day_text(d):
    return "%02d%02d%04d" % (d % 100, d // 100 % 100, d // 10000)


def next_month(m):
    y, mm = divmod(m, 100)
    return (y + 1) * 100 + 1 if mm == 12 else m + 1


def prev_month(m):
    y, mm = divmod(m, 100)
    return (y - 1) * 100 + 12 if mm == 1 else m - 1


def clamp_text_month(m):
    last = LAST_MONTH_TEXT[0] * 100 + LAST_MONTH_TEXT[1]
    return min(m, last)


FB = {  # column -> check export (all but amount and WST and DRA)
    "period_from_type": "fb_KVDZaleznosciKodSwOkresOdTyp",
    "period_to_type": "fb_KVDZaleznosciKodSwOkresDoTyp",
    "contribution_days_type": "fb_KVDZaleznosciKodSwLiczbaDniSkladkiTyp",
    "msc_type": "fb_KVDZaleznosciKodSw_MSCTyp",
    "benefit_type": "fb_KVDTypSwiadczenia",
}
TABLE_OF = {
    "period_from_type": "ZaleznosciOkresOdTyp", "period_to_type": "ZaleznosciOkresDoTyp",
    "amount_type": "ZaleznosciKwotaTyp", "contribution_days_type": "ZaleznosciLiczbaDniSkladkiTyp",
    "msc_type": "ZaleznosciMSCTyp", "wst": "ZaleznosciWST", "benefit_type": "ZaleznosciTypSwiadczenia",
    "dra_type": "ZaleznosciDRA",
}


def zamien(title, v):
    if v == 107 and title[:2] in ("05", "10"):
        return 105
    if v == 106 and (title[:2] in ("05", "10") or title[:4] in ("0125", "0126", "0426", "0427", "0428", "0429")):
        return 105
    return v


def rule_lines():
    periods = {}
    for r in tsv("benefit_rule_periods.tsv"):
        periods.setdefault(r["table"], []).append((int(r["valid_from"]), int(r["valid_to"])))
    out = ["# ------------------------------------------------------------ rule tables, cell by cell"]
    for r in tsv("benefit_rules.tsv"):
        code = r["code"]
        for col, table in TABLE_OF.items():
            vals = [int(v) for v in r[col].split("/")]
            out.append("# %s %s: %s" % (code, table, r[col]))
            for (vf, vt), v in zip(periods[table], vals):
                first, last = month_of(vf), clamp_text_month(month_of(vt))
                if col in FB:
                    fn = FB[col]
                    for m in (first, last):
                        out.append('%s("%s", %d, "%s") = 0' % (fn, code, v, month_text(m)))
                    out.append('%s("%s", %d, "%s") = -1' % (fn, code, v + 1, month_text(first)))
                elif col == "amount_type":
                    fn = "fb_KVDZaleznosciKodSwKwotaTyp"
                    for title in ("011000", "051000", "012600"):
                        z = zamien(title, v)
                        if title != "011000" and z == v:
                            continue
                        for m in (first, last):
                            out.append('%s("%s", "%s", %d, "%s") = 0' % (fn, title, code, z, month_text(m)))
                        if z != v:
                            out.append('%s("%s", "%s", %d, "%s") = -1' % (fn, title, code, v, month_text(first)))
                    out.append('%s("011000", "%s", %d, "%s") = -1' % (fn, code, v + 1, month_text(first)))
                    # the 8-bit amount question: 101, 108, 117, and 106 / 107 unless the title turns them to 105
                    for title in ("011000", "051000"):
                        want = zamien(title, v) in (101, 106, 107, 108, 117)
                        for m in (first, month_of(vt)):
                            out.append('bw_TypZaleznosciKoduSwDlaOkresu_DoklMies("%s", "%s", %d) = %s'
                                       % (title, code, m, "true" if want else "false"))
                        out.append('bw_TypZaleznosciKoduSwDlaOkresu("%s", "%s", %d, %d) = %s'
                                   % (title, code, vf, vt, "true" if want else "false"))
                elif col == "wst":
                    fn = "sl_SprawdzKodSwWST"
                    for m in (first, last):
                        out.append('%s("%s", "%s") = %d' % (fn, code, month_text(m), v))
                    for d in (vf, vt):
                        out.append('%s("%s", "%s") = %d' % (fn, code, day_text(d), v))
                elif col == "dra_type":
                    fn = "sl_SprawdzKodSwDRA"
                    for d in (vf, vt, first, month_of(vt)):
                        out.append('%s("%s", %d, %d) = 0' % (fn, code, v, d))
                    out.append('%s("%s", %d, %d) = -1' % (fn, code, v + 1, vf))
                    for m in (first, month_of(vt)):
                        out.append('bw_OdowiedniTypSwiadczenia("%s", %d, %d) = true' % (code, v, m))
                    out.append('bw_OdowiedniTypSwiadczenia("%s", %d, %d) = false' % (code, v + 1, first))
            # the day and month before the first period
            first_from = periods[table][0][0]
            if col in FB:
                out.append('%s("%s", %d, "%s") = -1' % (FB[col], code, vals[0], month_text(prev_month(month_of(first_from)))))
            elif col == "wst":
                out.append('sl_SprawdzKodSwWST("%s", "%s") = -1' % (code, day_text(19981231)))
            elif col == "dra_type":
                out.append('sl_SprawdzKodSwDRA("%s", %d, 19981231) = -1' % (code, vals[0]))
                out.append('sl_SprawdzKodSwDRA("%s", %d, 199812) = -1' % (code, vals[0]))
    return out


def pair_lines():
    codes = [r["code"] for r in tsv("benefit_rules.tsv")]
    lists = {}
    out = ["# ------------------------------------------------------------ pairs, by period"]
    for r in tsv("benefit_pairs.tsv"):
        vf, vt = int(r["valid_from"]), int(r["valid_to"])
        partners = r["partners"].split()
        lists.setdefault(r["code"], []).append((vf, vt, partners))
        out.append("# %s %s" % (r["code"], r["period"]))
        for q in partners:
            out.append('fb_KVDKodySwiadMogaBycRazem("%s", "%s", %d) = true' % (r["code"], q, vf))
            out.append('fb_KVDKodySwiadMogaBycRazem("%s", "%s", %d) = true' % (r["code"], q, vt))
        mid = vf  # a day inside the period that lies in no other period
        for q in codes:
            if q not in partners:
                out.append('fb_KVDKodySwiadMogaBycRazem("%s", "%s", %d) = false' % (r["code"], q, mid))
    out.append("# without a date: any period; codes without a list")
    for c in codes:
        named = set(q for _, _, ps in lists.get(c, []) for q in ps)
        for q in codes:
            out.append('fb_KVDKodySwiadMogaBycRazem("%s", "%s", -1) = %s' % (c, q, "true" if q in named else "false"))
    return out


def special_lines():
    recs = []
    for r in tsv("special_titles.tsv"):
        recs.append((r["prefix"], int(r["valid_from"]), int(r["valid_to"]), [int(k) for k in r["keys"].split()]))

    def model(title, key, a, b):
        for p, vf, vt, keys in recs:
            if title.startswith(p) and ((a <= vf <= b) or (vf <= b <= vt)) and key in keys:
                return True
        return False

    out = ["# ------------------------------------------------------------ special titles, every record and key"]
    for i, (p, vf, vt, keys) in enumerate(recs, start=1):
        title = (p + "000000")[:6]
        out.append("# record %d: %s %d-%d" % (i, p, vf, vt))
        for a, b in ((vf, vf), (vt, vt), (prev_month(vf), prev_month(vf)), (next_month(vt), next_month(vt))):
            if vt == 999912 and a > 999912:
                continue
            for key in range(0, 26):
                want = model(title, key, a, b)
                out.append('bw_KodSpecjalny("%s", %d, %d, %d) = %s' % (title, key, a, b, "true" if want else "false"))
    return out


def render():
    lines = ["# GENERATED by tests/vectors/gen_benefits_tables.py from data/. Do not edit by hand.",
             "# Dependency checks take month texts of years up to 2020; later periods are tested at 122020."]
    lines += rule_lines() + pair_lines() + special_lines()
    return "\n".join(lines) + "\n"


def main(argv):
    try:
        text = render()
    except OSError as e:
        print("gen_benefits_tables: error: cannot read %s: %s" % (e.filename, e.strerror), file=sys.stderr)
        return 2
    except KeyError as e:
        print("gen_benefits_tables: error: a table lacks the column %s" % e, file=sys.stderr)
        return 2
    if "--check" in argv:
        old = common.read_text(OUT)
        if old != text:
            print(common.diff_summary("tests/vectors/benefits_tables.vec", old, text), file=sys.stderr)
            print("benefits_tables.vec differs from data/; run %s" % argv[0], file=sys.stderr)
            return 1
        print("gen_benefits_tables: benefits_tables.vec up to date")
        return 0
    with open(OUT, "w", encoding="utf-8", newline="") as f:
        f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
