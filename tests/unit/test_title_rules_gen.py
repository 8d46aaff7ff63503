"""The title-rule generator: month lists derived from day lists, and the
tables it refuses."""

import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "gen"))

import common  # noqa: E402
import title_rules  # noqa: E402

OPEN = 99991231


class MonthLists(unittest.TestCase):
    CASES = [
        # (name, day list, month list)
        ("one open period", [(19981231, OPEN, "O")], [(199812, 999912, "O")]),
        ("last day of a month starts the next period",
         [(19981231, 19981231, "O"), (19990101, OPEN, "NOD")],
         [(199812, 199812, "O"), (199901, 999912, "NOD")]),
        ("shared month whose union is the later period's statuses",
         [(19990101, 20000926, "D"), (20000927, 20030930, "OD"), (20031001, OPEN, "D")],
         [(199901, 200008, "D"), (200009, 200309, "OD"), (200310, 999912, "D")]),
        ("shared month whose union differs becomes a period of its own",
         [(19981231, 19991229, "O"), (19991230, OPEN, "N")],
         [(199812, 199911, "O"), (199912, 199912, "NO"), (200001, 999912, "N")]),
        ("gap between periods stays a gap",
         [(19990101, 20010831, "NOD"), (20031001, OPEN, "NOD")],
         [(199901, 200108, "NOD"), (200310, 999912, "NOD")]),
        ("a period ending within a month keeps that month",
         [(20000101, 20000615, "O")], [(200001, 200006, "O")]),
        ("a period starting within a month after a gap",
         [(19990101, 19990331, "N"), (20000515, OPEN, "D")],
         [(199901, 199903, "N"), (200005, 999912, "D")]),
        ("adjacent periods with equal statuses stay apart",
         [(19990101, 19991231, "O"), (20000101, OPEN, "O")],
         [(199901, 199912, "O"), (200001, 999912, "O")]),
        ("one-day periods in one month",
         [(20000110, 20000110, "O"), (20000120, 20000131, "D")],
         [(200001, 200001, "OD")]),
    ]

    def test_derivation(self):
        for name, days, months in self.CASES:
            with self.subTest(name):
                self.assertEqual(title_rules.derive_months(days), months)


def row(where, title="0110", pens="0-2", dis="0-4", ins="0", a="19981231", b="99991231", st="O",
        source="law", basis="test"):
    r = common.Row(title=title, pension_digits=pens, disability_digits=dis, insurance=ins, valid_from=a,
                   valid_to=b, statuses=st, source=source, basis=basis)
    r.where = "t.tsv:%d" % where
    return r


def full(title="0110", **kw):
    return [row(i + 2, title=title, ins=str(i), **kw) for i in range(5)]


class Refusals(unittest.TestCase):
    def refuses(self, rows, text):
        with self.assertRaises(common.GenError) as cm:
            title_rules.read_rules(rows)
        self.assertIn(text, str(cm.exception))

    def test_accepts_a_plain_title(self):
        recs = title_rules.read_rules(full())
        self.assertEqual(len(recs), 15)
        self.assertEqual(recs["011024"]["months"][4], [(199812, 999912, "O")])

    def test_refusals(self):
        overlapping = full() + [row(9, ins="2", a="20000101", b="20001231", st="N")]
        differing = full()
        differing[1] = row(3, ins="1", st="N")
        five = full()[1:] + [row(10 + i, ins="0", a="2000%02d01" % (i + 1), b="2000%02d10" % (i + 1))
                             for i in range(5)]
        cases = [
            ("overlap", overlapping, "overlaps"),
            ("insurances 0 and 1", differing, "insurances 0 and 1 differ"),
            ("five periods", five, "has 5 periods"),
            ("missing insurance", full()[:4], "no period for insurance 4"),
            ("no status", full()[:4] + [row(9, ins="4", st="")], "statuses"),
            ("unknown letter", full()[:4] + [row(9, ins="4", st="X")], "statuses"),
            ("not a day", full()[:4] + [row(9, ins="4", b="20010230")], "not a calendar day"),
            ("pension digit 3", full(pens="0-3"), "digit above 2"),
            ("unknown source", full(source="guess"), "source"),
            ("law without basis", full(basis=""), "needs its basis"),
        ]
        for name, rows, text in cases:
            with self.subTest(name):
                self.refuses(rows, text)

    def test_counts_and_telling_rows(self):
        recs = title_rules.read_rules(full())
        with self.assertRaises(common.GenError) as cm:
            title_rules.check_records(recs, titles=["0110"], count=16)
        self.assertIn("15 records, expected 16", str(cm.exception))
        # 0110 variant 00 must be obligatory from 31.12.1998 in all five
        late = title_rules.read_rules(full(a="19990101"))
        with self.assertRaises(common.GenError) as cm:
            title_rules.check_records(late, titles=["0110"], count=15)
        self.assertIn("telling row 011000", str(cm.exception))

    def test_the_table(self):
        recs = title_rules.load()
        self.assertEqual(len(recs), title_rules.RECORD_COUNT)
        self.assertEqual(sorted({c[:4] for c in recs}), sorted(title_rules.TITLES))
        # the only month of its own in the data
        self.assertEqual({(c[:5], i) for c, i, *_ in title_rules.split_months(recs)}, {("11110", 2)})


if __name__ == "__main__":
    unittest.main()
