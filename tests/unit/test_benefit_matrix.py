"""The rule expansion behind dictionary 10001 (tools/gen/benefit_matrix.py)."""

import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "gen"))

import benefit_matrix as bm  # noqa: E402
from common import GenError, Row  # noqa: E402

# the 44 codes in the order of the rule tables
ORDER = ("111 112 121 122 130 140 151 152 155 211 212 214 215 216 220 311 312 313 314 315 316 317 318 321 322 "
         "323 324 331 332 333 334 335 336 337 338 350 401 402 403 301 302 303 304 100").split()
TITLES = {"0110", "0512", "2410"}


def row(n, pattern, codes, a, b, allowed, source="law", basis="test"):
    r = Row(title_pattern=pattern, benefit_codes=codes, valid_from=str(a), valid_to=str(b), allowed=allowed,
            source=source, basis=basis)
    r.where = "rules:%d" % n
    return r


def default_row(n=99, codes=None):
    return row(n, "*", " ".join(codes or ORDER), 19990101, 99991231, "-", "inferred")


def expand_one(rows, key=("0110", 0, 0), titles=TITLES):
    rules, order = bm.rules_from_rows(rows + [default_row()], titles)
    mine = [r for r in rules if r.matches(key)]
    return {c: [(e.valid_from, e.valid_to, e.attribute, e.source) for e in bm.expand_code(key, c, mine)]
            for c in order}


class Expansion(unittest.TestCase):
    def test_periods_alternate_and_cover_the_whole_range(self):
        got = expand_one([row(1, "0110", "155", 20030101, 20041231, "x")])
        self.assertEqual(got["155"], [(19990101, 20021231, 32, "reconstructed"),
                                      (20030101, 20041231, 120, "reconstructed"),
                                      (20050101, 99991231, 32, "reconstructed")])
        self.assertEqual(got["111"], [(19990101, 99991231, 32, "reconstructed")])

    def test_adjacent_and_overlapping_allowed_rows_merge(self):
        got = expand_one([row(1, "0110", "311", 19990101, 20001231, "x"),
                          row(2, "0110", "311", 20010101, 20051231, "x"),
                          row(3, "0110", "311", 20040101, 99991231, "x")])
        self.assertEqual(got["311"], [(19990101, 99991231, 120, "reconstructed")])

    def test_digit_conditions_select_keys(self):
        rows = [row(1, "0110;p=1-2;d=4", "140", 19990101, 20030930, "x")]
        self.assertEqual(len(expand_one(rows, ("0110", 1, 4))["140"]), 2)
        self.assertEqual(len(expand_one(rows, ("0110", 0, 4))["140"]), 1)
        self.assertEqual(len(expand_one(rows, ("0110", 1, 3))["140"]), 1)

    def test_given_rows_covering_a_code_make_it_derived(self):
        got = expand_one([row(1, "0110;p=0;d=0", "211", 19990101, 20041231, "x", "given"),
                          row(2, "0110;p=0;d=0", "211", 20050101, 99991231, "-", "given"),
                          row(3, "0110;p=0;d=0", "214", 20030101, 99991231, "x", "given")])
        self.assertEqual({s for _, _, _, s in got["211"]}, {"derived"})
        # 214 before 2003 is decided by the default row only
        self.assertEqual({s for _, _, _, s in got["214"]}, {"reconstructed"})

    def test_month_and_year_boundaries(self):
        got = expand_one([row(1, "0110", "401", 20000301, 20090831, "x")])
        self.assertEqual(got["401"][0], (19990101, 20000229, 32, "reconstructed"))
        self.assertEqual(got["401"][2], (20090901, 99991231, 32, "reconstructed"))


class Refusals(unittest.TestCase):
    CASES = [
        ("allowed and stated not allowed", [row(1, "0110", "155", 20030101, 20041231, "x"),
                                            row(2, "0110;p=0", "155", 20040101, 99991231, "-")], "states not allowed"),
        ("title outside the key set", [row(1, "0113", "111", 19990101, 99991231, "x")], "not a title"),
        ("code outside the rule tables", [row(1, "0110", "999", 19990101, 99991231, "x")], "not one of the codes"),
        ("period before 1999", [row(1, "0110", "111", 19981231, 99991231, "x")], "outside"),
        ("reversed period", [row(1, "0110", "111", 20050101, 20041231, "x")], "reversed"),
        ("not a calendar day", [row(1, "0110", "111", 20030229, 99991231, "x")], "calendar day"),
        ("unknown source class", [row(1, "0110", "111", 19990101, 99991231, "x", "verified")], "source"),
        ("allowed neither x nor -", [row(1, "0110", "111", 19990101, 99991231, "X")], "allowed must be"),
        ("no basis", [row(1, "0110", "111", 19990101, 99991231, "x", basis=" ")], "basis"),
        ("disability digit 5", [row(1, "0110;d=5", "111", 19990101, 99991231, "x")], "outside 0-4"),
        ("two pension conditions", [row(1, "0110;p=0;p=1", "111", 19990101, 99991231, "x")], "condition"),
        ("given row over every title", [row(1, "*;p=0", "111", 19990101, 99991231, "x", "given")], "given row"),
    ]

    def test_rules_refused(self):
        for name, rows, why in self.CASES:
            with self.subTest(name):
                with self.assertRaisesRegex(GenError, why):
                    expand_one(rows)

    def test_default_row_must_name_the_44_codes(self):
        with self.assertRaisesRegex(GenError, "names 43 codes"):
            bm.rules_from_rows([default_row(codes=ORDER[:-1])], TITLES)
        with self.assertRaisesRegex(GenError, "no default row"):
            bm.rules_from_rows([row(1, "0110", "111", 19990101, 99991231, "x")], TITLES)

    def test_rule_matching_no_key_is_refused(self):
        rules, order = bm.rules_from_rows([row(7, "0512;p=0", "111", 19990101, 99991231, "x"), default_row()], TITLES)
        with self.assertRaisesRegex(GenError, "rules:7: the rule matches no key"):
            bm.expand([("0512", 2, 0)], rules, order)

    def test_key_list_exceptions_are_checked(self):
        r = Row(title="0512", pension_digits="0-2", disability_digits="0-4", source="given")
        r.where = "keys:2"
        with self.assertRaisesRegex(GenError, "keys:2: title 0512 takes pension-right digits 2"):
            bm.keys_from_rows([r])

    def test_list_checks(self):
        e = lambda code, a, b, attr: bm.MatrixEntry(None, a, b, attr, code, "reconstructed", "t")  # noqa: E731
        full = [e(c, 19990101, 99991231, 32) for c in ORDER]
        cases = [
            ("too long", full + [e("111", 19990101, 19990101, 32)] * 23, "67 entries"),
            ("a code missing", full[:-1] + [e("111", 19990101, 99991231, 32)], "missing 100"),
            ("overlap with different attributes", full + [e("111", 19990101, 20001231, 120)], "allowed and not"),
            ("attribute", full[1:] + [e("111", 19990101, 99991231, 88)], "neither 120 nor 32"),
        ]
        for name, entries, why in cases:
            with self.subTest(name):
                with self.assertRaisesRegex(GenError, why):
                    bm.check_matrix([("011000", entries)] * bm.KEY_COUNT, ORDER)


class Data(unittest.TestCase):
    """The committed rules expand to the defined shape where it is fixed."""

    @classmethod
    def setUpClass(cls):
        cls.matrix = bm.build()
        cls.lists = dict(cls.matrix)

    def test_defined_list_011000_in_stored_order(self):
        got = [(e.short_text, e.valid_from, e.valid_to, e.attribute) for e in self.lists["011000"]]
        self.assertEqual(len(got), 60)
        # the defined beginning
        self.assertEqual(got[:4], [("111", 19990101, 99991231, 120), ("112", 19990101, 20030930, 120),
                                   ("121", 19990101, 99991231, 120), ("122", 19990101, 99991231, 120)])
        # one entry per code from 19990101 in code order, then the later periods as they begin
        self.assertEqual([g[0] for g in got[:44]], ORDER)
        self.assertEqual(got[43], ("100", 19990101, 99991231, 32))
        self.assertEqual(got[44:48], [("155", 20030101, 20041231, 120), ("214", 20030101, 99991231, 120),
                                      ("216", 20030101, 99991231, 120), ("112", 20031001, 99991231, 32)])
        self.assertEqual(got[-1], ("403", 20090901, 99991231, 32))
        self.assertEqual([g for g in got if g[0] == "155"], [("155", 19990101, 20021231, 32),
                                                             ("155", 20030101, 20041231, 120),
                                                             ("155", 20050101, 99991231, 32)])
        self.assertEqual({e.source for e in self.lists["011000"]}, {"derived"})

    def test_key_set(self):
        self.assertEqual(len(self.matrix), 1950)
        for absent in ("051200", "057210", "121010", "122000", "123010", "011300", "021300"):
            self.assertNotIn(absent, self.lists)
        for present in ("051220", "057224", "121004", "122010", "122024", "123000", "500024"):
            self.assertIn(present, self.lists)

    def test_every_list_starts_with_one_entry_per_code_from_1999(self):
        for key, entries in self.matrix:
            self.assertEqual([(e.short_text, e.valid_from) for e in entries[:44]],
                             [(c, 19990101) for c in ORDER], key)
            later = [e.valid_from for e in entries[44:]]
            self.assertEqual(later, sorted(later), key)
            self.assertTrue(all(v > 19990101 for v in later), key)


if __name__ == "__main__":
    unittest.main()
