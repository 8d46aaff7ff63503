"""The benefit-table generator: the data as committed passes, and data that
disagrees with what the tables must hold stops it with file, line and
reason. Also: the generated cell-by-cell vectors are current."""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "tools", "gen"))

import benefits  # noqa: E402
import common  # noqa: E402

FILES = ("benefit_rule_periods.tsv", "benefit_rules.tsv", "benefit_pairs.tsv", "special_titles.tsv")


class CommittedData(unittest.TestCase):
    def test_counts(self):
        periods, values, pairs, special = benefits.load()
        self.assertEqual([len(values[t]) for t, _ in benefits.TABLES], [44] * 8)
        self.assertEqual([len(periods[t]) for t, _ in benefits.TABLES], [4, 4, 4, 5, 4, 6, 4, 3])
        self.assertEqual(len(pairs), 41)
        self.assertEqual(sum(len(e) for e in pairs.values()), 1299)
        self.assertEqual(len(special), 14)

    def test_vectors_current(self):
        script = os.path.join(ROOT, "tests", "vectors", "gen_benefits_tables.py")
        r = subprocess.run([sys.executable, script, "--check"], capture_output=True, text=True)
        self.assertEqual(r.returncode, 0, r.stderr)


class RefusedData(unittest.TestCase):
    """Each case edits one line of a copy of the data and expects an error
    naming the file (and line where there is one)."""

    CASES = [
        # (name, file, old text, new text, expected part of the message)
        ("value outside the dependency types", "benefit_rules.tsv",
         "111\t101/101/101/101\t101/101/101/101\t105/", "111\t101/101/101/101\t101/101/101/101\t119/",
         "benefit_rules.tsv:2"),
        ("WST number not among the known ones", "benefit_rules.tsv", "\t29/0/0/0/0/0\t", "\t30/0/0/0/0/0\t",
         "not one the table may hold"),
        ("too few values for the periods", "benefit_rules.tsv", "\t124/124/124\tgiven\n301", "\t124/124\tgiven\n301",
         "2 values for 3 periods"),
        ("period-to differs from period-from", "benefit_rules.tsv",
         "112\t101/101/100/100\t101/101/100/100", "112\t101/101/100/100\t101/101/100/101", "differs"),
        ("codes out of order", "benefit_rules.tsv", "\n111\t", "\n113\t", "stored order"),
        ("a period moved", "benefit_rule_periods.tsv", "ZaleznosciDRA\t2\t20031001", "ZaleznosciDRA\t2\t20031002",
         "ZaleznosciDRA has periods"),
        ("a telling cell changed", "benefit_rules.tsv", "\t117/117/117/105\t", "\t117/117/117/117\t",
         "ZaleznosciKwotaTyp of 350"),
        ("a partner dropped", "benefit_pairs.tsv", "100\tP1\t19990101\t20010531\t100 301 302 303 304",
         "100\tP1\t19990101\t20010531\t100 301 302 303", "1298 entries"),
        ("a partner that is no benefit code", "benefit_pairs.tsv", "100 301 302 303 304", "100 301 302 303 305",
         "benefit_pairs.tsv:2"),
        ("a period of the wrong bounds", "benefit_pairs.tsv", "100\tP1\t19990101\t20010531",
         "100\tP1\t19990101\t20010530", "runs"),
        ("a list for 401", "benefit_pairs.tsv", "100\tP1\t", "401\tP1\t", "401"),
        ("a special record out of order", "special_titles.tsv", "\n2\t10101", "\n3\t10101", "out of order"),
        ("a special key outside 1..24", "special_titles.tsv", "21 22 24\tgiven\n3", "21 22 25\tgiven\n3",
         "outside 1..24"),
        ("a telling special record changed", "special_titles.tsv", "1310\t200010\t200309", "1310\t200010\t200312",
         "record 12"),
        ("an unknown source class", "special_titles.tsv", "\tgiven\n", "\tguessed\n", "source class"),
    ]

    def setUp(self):
        self.tmp = tempfile.mkdtemp()
        for f in FILES:
            shutil.copy(os.path.join(common.DATA, f), self.tmp)
        self.saved = common.DATA

    def tearDown(self):
        common.DATA = self.saved
        shutil.rmtree(self.tmp)

    def test_refused(self):
        for name, f, old, new, message in self.CASES:
            with self.subTest(name):
                path = os.path.join(self.tmp, f)
                with open(path, encoding="utf-8") as h:
                    original = h.read()
                self.assertTrue(old in original, "%s: %r not in %s" % (name, old, f))
                with open(path, "w", encoding="utf-8") as h:
                    h.write(original.replace(old, new, 1))
                common.DATA = self.tmp
                try:
                    with self.assertRaises(common.GenError) as ctx:
                        benefits.load()
                    self.assertIn(message, str(ctx.exception))
                finally:
                    common.DATA = self.saved
                    with open(path, "w", encoding="utf-8") as h:
                        h.write(original)


if __name__ == "__main__":
    unittest.main()
