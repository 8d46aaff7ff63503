"""Checks of the form-table generator (tools/gen/forms.py) on small tables."""

import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "gen"))

import common  # noqa: E402
import forms  # noqa: E402


def rows(header, lines):
    out = []
    cols = header.split()
    for n, line in enumerate(lines, start=2):
        r = common.Row(zip(cols, line.split()))
        if "periods" in r:  # "+" separates two periods of one telling row
            r["periods"] = r["periods"].replace("+", " ")
        r.where = "t.tsv:%d" % n
        out.append(r)
    return out


KEY_HEADER = "form codes titles unit counts keys source"
TABLE_HEADER = "form title pension_digits disability_digits valid_from valid_to source basis"
TELLING_HEADER = "form title pension_digits disability_digits periods source"


def keys(dra_codes=5, dra_counts="enforced"):
    return rows(KEY_HEADER, [
        "DRA %d 2 month %s 0110,0120 given" % (dra_codes, dra_counts),
        "RNA_RCA 0 0 month reported - given",
        "RZA 0 0 month reported - given",
        "ZUA 1 1 day enforced 0110 given",
        "ZZA 0 0 day reported - given",
    ])


def fix_keys(key_rows):
    for r in key_rows:  # "-" stands for an empty list, "," for blanks
        r["keys"] = "" if r["keys"] == "-" else r["keys"].replace(",", " ")
    return key_rows


GOOD = [
    "DRA 0110 0 0-2 199901 999912 given x",
    "DRA 0120 0 0-1 200310 999912 given x",
    "DRA 0120 0 0-1 199901 200108 given x",
    "ZUA 0110 1 4 20031001 99991231 list x",
]


def build(table=GOOD, telling=(), key_rows=None, reports=None):
    return forms.build(rows(TABLE_HEADER, table), fix_keys(key_rows or keys()),
                       rows(TELLING_HEADER, telling), [] if reports is None else reports)


class FormTables(unittest.TestCase):
    def test_good_table_keeps_period_order(self):
        t = build()
        self.assertEqual(sorted(t["DRA"]), ["011000", "011001", "011002", "012000", "012001"])
        self.assertEqual([p[:2] for p in t["DRA"]["012001"]], [(200310, 999912), (199901, 200108)])
        self.assertEqual(list(t["ZUA"]), ["011014"])

    def test_bad_rows_fail_with_their_line(self):
        cases = [
            ("DRA 0110 0 0-5 199901 999912 given x", "outside 0-4"),
            ("DRA 0110 3 0 199901 999912 given x", "outside 0-2"),
            ("DRA 0110 2-0 0 199901 999912 given x", "backwards"),
            ("DRA 0110 0,0 0 199901 999912 given x", "twice"),
            ("DRA 0110 0 a 199901 999912 given x", "not a digit set"),
            ("DRA 0110 0 0 19990101 99991231 given x", "6-digit month"),
            ("ZUA 0110 0 0 199901 999912 given x", "8-digit day"),
            ("DRA 0110 0 0 199913 999912 given x", "not a real month"),
            ("ZUA 0110 0 0 20030231 99991231 given x", "not a real day"),
            ("DRA 0110 0 0 200001 199901 given x", "ends"),
            ("DRA 0130 0 0 199901 999912 given x", "reference key list"),
            ("DRA 011 0 0 199901 999912 given x", "four digits"),
            ("DRA 0110 0 0 199901 999912 public x", "source class"),
            ("XYZ 0110 0 0 199901 999912 given x", "unknown form"),
        ]
        for line, why in cases:
            with self.subTest(line=line):
                with self.assertRaisesRegex(common.GenError, "t.tsv:3: .*" + why):
                    build([GOOD[0], line] + GOOD[1:])

    def test_period_count_per_code(self):
        with self.assertRaisesRegex(common.GenError, "third period"):
            build(GOOD[:3] + ["DRA 0120 0 1 200201 200202 given x"] + GOOD[3:])
        with self.assertRaisesRegex(common.GenError, "twice"):
            build([GOOD[0], "DRA 0110 0 2 199901 999912 given x"] + GOOD[1:])

    def test_rows_out_of_title_order(self):
        with self.assertRaisesRegex(common.GenError, "title order"):
            build(GOOD + ["DRA 0110 1 0 199901 999912 given x"])

    def test_key_list_must_be_met_exactly(self):
        with self.assertRaisesRegex(common.GenError, "missing 0120"):
            build([GOOD[0], GOOD[3]])

    def test_telling_rows(self):
        build(telling=["DRA 0120 0 1 200310-999912+199901-200108 given",
                       "DRA 0120 1-2 0-4 absent given", "ZUA 0110 * * 20031001-99991231 given"])
        bad = [
            ("DRA 0120 0 1 199901-200108+200310-999912 given", "periods"),  # order matters
            ("DRA 0110 0 3 199901-999912 given", "missing"),
            ("DRA 0110 0 2 absent given", "must be absent"),
            ("ZUA 0110 * * 20031001-99991230 given", "periods"),
            ("RZA 0110 * * 199901-999912 given", "reference key list"),
        ]
        for line, why in bad:
            with self.subTest(line=line):
                with self.assertRaisesRegex(common.GenError, why):
                    build(telling=[line])

    def test_counts_enforced_or_reported(self):
        with self.assertRaisesRegex(common.GenError, "DRA: 5 codes, defined 6"):
            build(key_rows=keys(dra_codes=6))
        reports = []
        build(key_rows=keys(dra_codes=7, dra_counts="reported"), reports=reports)
        self.assertEqual(reports, ["form table DRA: 5 codes, defined 7 (-2)"])


if __name__ == "__main__":
    unittest.main()
