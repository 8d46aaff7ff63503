"""The Python-style API against the real content, against the kodownik tool,
against the library's own answers through kodownik.native, with bad input
and from many threads. The library comes from KODOWNIK_LIBRARY or the
source tree's build/native."""

import datetime
import doctest
import json
import os
import pydoc
import subprocess
import sys
import threading
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, ".."))

import kodownik  # noqa: E402
from kodownik import _dates, _dictionaries, _library, _rules, native  # noqa: E402

D = datetime.date
S = kodownik.Status
O, V, N, W = S.OBLIGATORY, S.VOLUNTARY, S.NOT_SUBJECT, S.OTHER_TITLE
LONG = "1" * 100000


def cli():
    path = os.environ.get("KODOWNIK_CLI") or os.path.join(HERE, "..", "..", "build", "native", "cli", "kodownik")
    return path if os.path.isfile(path) else None


class Editions(unittest.TestCase):
    def test_the_file_beside_the_library_names_the_editions(self):
        import tempfile
        with tempfile.TemporaryDirectory() as tmp:
            path = os.path.join(tmp, "EDITIONS")
            for content, want in ((b"current\n", "current"), (b"snapshot\n", "snapshot"), (b" current ", "current"),
                                  (b"", "snapshot"), (b"latest\n", "snapshot"), (b"Current\n", "snapshot"),
                                  (b"\xff\xfe", "snapshot"), (None, "snapshot")):
                if content is None:
                    os.remove(path)
                else:
                    with open(path, "wb") as f:
                        f.write(content)
                self.assertEqual(_library.read_editions(path), want, content)
        # a source tree has no such file
        self.assertEqual(kodownik.EDITIONS, "snapshot")
        self.assertIn("EDITIONS", kodownik.__all__)


class Dictionaries(unittest.TestCase):
    def test_walking_covers_the_catalogue(self):
        # The catalogue's own totals (kodownik list), by walking every trie.
        codes = entries = 0
        for d in kodownik.dictionaries():
            for c in kodownik.codes(d.id):
                codes += 1
                entries += len(c.entries)
        self.assertGreaterEqual(codes, 6876)
        self.assertGreaterEqual(entries, 99037)
        if cli():  # the same totals as the tool's catalogue
            out = subprocess.run([cli(), "list", "--json"], capture_output=True, check=True).stdout
            listed = json.loads(out)
            self.assertEqual((codes, entries), (sum(d["codes"] for d in listed), sum(d["entries"] for d in listed)))

    def test_codes_agree_with_entries(self):
        for dict_id in (10004, 10013, 10047):
            with self.subTest(dict_id=dict_id):
                for c in kodownik.codes(dict_id):
                    self.assertEqual(list(c.entries), kodownik.entries(dict_id, c.code))
                    self.assertTrue(c.entries)

    def test_children(self):
        cases = [
            (10004, "0111", ["011101", "011102"]),
            (10004, "01110", ["011101", "011102"]),   # a step passes to the codes below
            (10004, "011101", []),                    # a leaf
            (10013, "", ["0", "1", "2", "3", "4"]),   # the top level
            (10004, "x1", []),
            (10003, "", []),                          # no code list
            (99999, "1", []),
        ]
        for dict_id, code, want in cases:
            with self.subTest(dict_id=dict_id, code=code):
                self.assertEqual(kodownik.children(dict_id, code), want)
        # every child of a heading is admissible or itself a heading
        for child in kodownik.children(10004, "01"):
            self.assertTrue(child.startswith("01") and len(child) > 2)

    def test_search(self):
        cases = [
            (10004, "żołnierz zawodowy", ["011101", "011102"]),
            (10004, ["ZOLNIERZ", "Zawodowy"], ["011101", "011102"]),
            (10004, "  zołnierz\tzawodowy  stałej ", ["011102"]),
            (10047, "polska", None),          # short texts count too
            (10004, "qqqq", []),
            (10003, "x", []),
        ]
        for dict_id, words, want in cases:
            with self.subTest(words=words):
                got = kodownik.search(dict_id, words)
                if want is None:
                    self.assertIn("PL", [f.entry.short_text for f in got])
                else:
                    self.assertEqual([f.code for f in got], want)
        hit = kodownik.search(10013, "lekkim")[0]
        self.assertEqual((hit.code, hit.entry.valid_from), ("1", D(2003, 10, 1)))

    def test_search_matches_the_tool(self):
        k = cli()
        if not k:
            self.skipTest("the kodownik tool is not built")
        for dict_id, words in ((10004, ["żołnierz", "zawodowy"]), (10047, ["republika"]), (10019, ["zasiłek"])):
            out = subprocess.run([k, "search", str(dict_id)] + words + ["--json"], capture_output=True, check=False)
            want = [h["code"] for h in json.loads(out.stdout)]
            self.assertEqual([f.code for f in kodownik.search(dict_id, words)], want)

    def test_entry_of_branch_and_letter_codes(self):
        e = kodownik.entry(10005, "01R", D(2005, 1, 1))
        self.assertEqual(e.short_text, "01R")
        self.assertIsNone(kodownik.entry(10005, "01R", D(2003, 3, 31)))
        cases = [(10005, "01R", ["01R"]), (10014, "01R", ["01R"]), (10005, "01X", []), (10005, "0R", []),
                 (10004, "01R", [])]
        for dict_id, code, want in cases:
            with self.subTest(dict_id=dict_id, code=code):
                got = kodownik.entries(dict_id, code)
                self.assertEqual(sorted({x.short_text for x in got}), want)
                self.assertEqual(kodownik.entry(dict_id, code, None) in got, bool(want))


class Admissibility(unittest.TestCase):
    def test_check(self):
        cases = [
            (10005, "01R", D(2003, 4, 1), True),
            (10005, "01R", D(2003, 3, 31), False),
            (10005, "01", None, False),
            (10014, "01R", "032003", True),
            (10014, "01R", "042003", False),
            (10034, "K", None, True),
            (10034, "k", None, False),
            (10046, "POLSKIE", None, True),
            (10047, "AF", D(2005, 11, 3), True),
            (10047, "AF", D(2005, 11, 2), False),
            (10003, "011000", D(1999, 6, 1), True),
            (10003, "01100", None, False),
            (10026, "1", None, False),
            (10013, "1", datetime.datetime(2003, 10, 1, 12, 0), True),  # a datetime counts as its day
        ]
        for dict_id, code, date, want in cases:
            with self.subTest(dict_id=dict_id, code=code, date=date):
                self.assertIs(kodownik.check(dict_id, code, date), want)

    def test_check_text(self):
        cases = [
            (10046, "POLSKIE", None, True),
            (10046, "OBYWATELSTWO PAŃSTWA UE / EOG", None, True),
            (10046, "OBYWATELSTWO PAŃSTWA UE / EOG"[:22], None, True),
            (10046, "polskie", None, False),
            (10047, "AF", D(2005, 11, 3), True),
            (10047, "AF", D(2005, 11, 2), False),
            (10047, "", None, False),
            (10003, "AF", None, False),
        ]
        for dict_id, text, date, want in cases:
            with self.subTest(text=text, date=date):
                self.assertIs(kodownik.check_text(dict_id, text, date), want)

    def test_branches(self):
        B = kodownik.BranchKey
        cases = [
            ("5422591316", B.NIP, None, True),
            ("5422591316", B.NIP, D(2005, 1, 1), True),
            ("5422591316", B.NIP, D(1998, 12, 30), False),
            ("542-259-13-16", B.NIP, None, False),
            ("00001775600048", B.REGON, None, True),
            ("Oddział we Wrocławiu", B.NAME, None, True),
            ("ODDZIAŁ WE WROCŁAWIU", B.NAME, None, False),
            ("", B.CODE, None, True),
        ]
        for key, kind, date, want in cases:
            with self.subTest(key=key, kind=kind):
                self.assertIs(kodownik.check_branch(key, kind, date), want)
        with self.assertRaises(ValueError):
            kodownik.check_branch("5422591316", 4)


class Dates(unittest.TestCase):
    def test_statuses(self):
        DS = kodownik.DateStatus
        cases = [
            (kodownik.date_status, "29022000", DS.VALID),
            (kodownik.date_status, "29021900", DS.BAD_DAY),
            (kodownik.date_status, "32132005", DS.BAD_MONTH),
            (kodownik.date_status, "        ", DS.MALFORMED),
            (kodownik.date_status, None, DS.NO_TEXT),
            (kodownik.date_status, LONG, DS.MALFORMED),
            (kodownik.month_status, "011850", DS.VALID),
            (kodownik.month_status, "121849", DS.YEAR_OUT_OF_RANGE),
            (kodownik.month_status, "002021", DS.BAD_MONTH),
            (kodownik.day_status, "2902", DS.VALID),
            (kodownik.day_status, "0013", DS.BAD_MONTH),
            (kodownik.day_status, "", DS.MALFORMED),
        ]
        for f, text, want in cases:
            with self.subTest(f=f.__name__, text=(text or "")[:10]):
                got = f(text)
                self.assertIs(type(got), DS)
                self.assertEqual(got, want)

    def test_parse(self):
        self.assertEqual(kodownik.parse_date("01010001"), D.min)
        self.assertEqual(kodownik.parse_date("31129999"), D.max)
        self.assertEqual(kodownik.parse_month("122020"), D(2020, 12, 1))
        self.assertEqual(kodownik.parse_day("3112"), (12, 31))
        for f, text, reason in ((kodownik.parse_date, "31042005", "beyond the length of the month"),
                                (kodownik.parse_date, "01010000", "0000"),
                                (kodownik.parse_month, "012021", "1850 to 2020"),
                                (kodownik.parse_day, "x", "not a digit"),
                                (kodownik.parse_date, LONG, "wrong length")):
            with self.subTest(text=text[:10]):
                with self.assertRaisesRegex(ValueError, reason):
                    f(text)
        for d in (D.min, D.max, D(2004, 2, 29)):
            self.assertEqual(kodownik.parse_date(kodownik.date_text(d)), d)

    def test_earliest_and_latest(self):
        a, b = "01012004", "01012004"
        cases = [
            (kodownik.earliest, ["01012005", "xx", a, b], a),
            (kodownik.latest, ["01012005", "xx", D(2006, 1, 1)], D(2006, 1, 1)),
            (kodownik.earliest, [D.max, D.min], D.min),
            (kodownik.latest, ["31022005", "xx"], "none"),
            (kodownik.earliest, [], "none"),
            (kodownik.latest, ["%02d012000" % (i % 28 + 1) for i in range(2500)] + ["01012001"], "01012001"),
        ]
        for f, dates, want in cases:
            with self.subTest(f=f.__name__, n=len(dates)):
                self.assertEqual(f(dates, default="none"), want)
        self.assertIs(kodownik.earliest(["01012005", a, b]), a)

    def test_today(self):
        self.assertEqual(kodownik.today(), D.today())


def tool_title(code, date):
    out = subprocess.run([cli(), "title", code, "--date", date.isoformat(), "--json"], capture_output=True,
                         check=True)
    return json.loads(out.stdout)


class Titles(unittest.TestCase):
    def test_title(self):
        t = kodownik.title("041100", D(2005, 6, 15))
        self.assertEqual(t.insurances, {"pension": {O, V, N}, "disability": {O, V, N}, "sickness": {V, N},
                                        "accident": {O, N}, "health": {O}})
        self.assertEqual(t.forms, ("ZUS RCA", "ZUS RNA", "ZUS RZA", "ZUS ZUA", "ZUS ZZA"))
        self.assertEqual(t.benefit_codes, ("311", "312", "313", "314", "315", "316", "317", "318", "321", "322",
                                           "323", "324", "350"))
        self.assertTrue(t.description.startswith("osoba wykonująca umowę agencyjną"))
        self.assertEqual((t.has_rules, t.rules_in_force), (True, True))
        self.assertEqual(kodownik.title("300000", D(2005, 1, 1)).insurances["health"], {W})
        late = kodownik.title("041200", D(2010, 1, 15))
        self.assertEqual((late.has_rules, late.rules_in_force), (True, False))
        self.assertEqual(late.insurances["pension"], {N})  # no rule covers the date: not subject

    def test_title_matches_the_tool(self):
        if not cli():
            self.skipTest("the kodownik tool is not built")
        for code, date in (("041100", D(2005, 6, 15)), ("011000", D(2003, 12, 31)), ("111100", D(1999, 12, 1)),
                           ("300000", D(2010, 1, 1)), ("051000", D(2012, 5, 5)), ("990000", D(2005, 1, 1))):
            with self.subTest(code=code, date=date):
                want = tool_title(code, date)
                t = kodownik.title(code, date)
                self.assertEqual({k: {s.value for s in v} for k, v in t.insurances.items()},
                                 {k: set(v) for k, v in want["insurances"].items()})
                self.assertEqual(t.forms, tuple("ZUS " + f for f, v in want["forms"].items() if v["on_date"]))
                self.assertEqual(list(t.benefit_codes), want["benefit_codes"])
                self.assertEqual((t.description, t.has_rules, t.rules_in_force),
                                 (want["title"], want["has_rules"], want["rules_in_force"]))

    def test_title_refuses_what_is_not_a_title_code(self):
        for code in ("", "04110", "0411000", "04110x", "٠٤١١٠٠", LONG):
            with self.subTest(code=code[:10]):
                with self.assertRaisesRegex(ValueError, "six digits"):
                    kodownik.title(code, D(2005, 1, 1))

    def test_conditions(self):
        cases = [
            ("041100", "sickness", "D", D(2005, 6, 15), False, True),
            ("041100", kodownik.Insurance.SICKNESS, "O", D(2005, 6, 15), False, False),
            ("041100", 2, "!O", D(2005, 6, 15), True, True),
            ("111100", "sickness", "O", [D(1999, 12, 29), D(1999, 12, 30)], False, True),
            ("111100", "sickness", "O", [D(1999, 12, 29), D(1999, 12, 30)], True, False),
            ("057000", "pension", "N", D(2006, 1, 15), False, True),   # before every period: not subject
            ("041100", "health", "O", None, True, True),
            ("041100", "health", "O", None, False, False),
            ("010000", "health", "N", D(2005, 1, 1), False, False),    # no rules
        ]
        for code, ins, cond, dates, every, want in cases:
            with self.subTest(code=code, cond=cond, dates=dates, every=every):
                self.assertIs(kodownik.condition_holds(code, ins, cond, dates, every), want)
        self.assertEqual(kodownik.statuses("111100", "sickness", D(1999, 12, 29)), {O})
        self.assertEqual(kodownik.statuses("111100", "SICKNESS", D(1999, 12, 30)), {N})

    def test_forms_rules_bases(self):
        cases = [
            (kodownik.form_admits, ("RCA", "041100", D(2005, 6, 15)), True),
            (kodownik.form_admits, ("zus dra", "041100", D(2005, 6, 15)), False),
            (kodownik.form_admits, ("ZUS RCA", "041100", [D(1990, 1, 1), D(2005, 6, 15)]), True),
            (kodownik.form_admits, ("ZUS RCA", "041100", None), True),
            (kodownik.form_admits, ("ZUS RCA", "04110", None), False),
            (kodownik.has_rules, ("041200",), True),
            (kodownik.has_rules, ("041200", D(2010, 1, 15)), False),
            (kodownik.has_rules, ("010000",), False),
            (kodownik.contribution_base_allows, ("057000", 4), True),
            (kodownik.contribution_base_allows, ("057000", 1), False),
            (kodownik.contribution_base_allows, ("051000", 1), True),
            (kodownik.contribution_base_allows, ("051000", 1, D(2003, 1, 15)), False),
            (kodownik.contribution_base_allows, ("011000", 7), False),
            (kodownik.title_period, ("011000",), (D(1998, 12, 31), D.max)),
            (kodownik.title_period, ("611000",), None),
            (kodownik.title_period, ("01100a",), None),
        ]
        for f, args, want in cases:
            with self.subTest(f=f.__name__, args=args):
                self.assertEqual(f(*args), want)
        with self.assertRaisesRegex(ValueError, "ZUS DRA"):
            kodownik.form_admits("ZUS XYZ", "041100")


class Benefits(unittest.TestCase):
    def test_dependency_checks(self):
        cases = [
            (kodownik.contribution_days_type_is, ("401", 113, D(2009, 12, 1)), True),
            (kodownik.contribution_days_type_is, ("401", 113, D(2010, 1, 31)), False),
            (kodownik.contribution_days_type_is, ("401", 118, D(2025, 3, 1)), True),   # after 2020
            (kodownik.msc_type_is, ("111", 116, D(2000, 1, 1)), True),
            (kodownik.msc_type_is, ("111", 116, D(2002, 1, 1)), False),
            (kodownik.msc_type_is, ("111", 115, D(2002, 1, 1)), True),
            (kodownik.period_from_type_is, ("111", 101, D(1999, 1, 1)), True),
            (kodownik.period_from_type_is, ("111", 101, D(1800, 1, 1)), False),        # before 1850
            (kodownik.period_to_type_is, ("211", 104, D(2002, 1, 1)), True),
            (kodownik.benefit_type_is, ("155", 102, D(2005, 1, 1)), True),
            (kodownik.benefit_type_is, ("155", 102, D.max), False),
            (kodownik.amount_type_is, ("011000", "211", 107, D(2002, 1, 1)), True),
            (kodownik.amount_type_is, ("101000", "211", 107, D(2002, 1, 1)), False),
            (kodownik.amount_type_is, ("101000", "211", 105, D(2002, 1, 1)), True),
            (kodownik.amount_type_is, ("011000", "311", 106, D.min), False),
        ]
        for f, args, want in cases:
            with self.subTest(f=f.__name__, args=args):
                self.assertIs(f(*args), want)

    def test_months_outside_the_library_range_ask_the_nearest(self):
        # The library reads a month text after 2020 as the current month; the
        # binding asks December 2020. Both must agree for every code and type,
        # which holds while every table's last period is open.
        this_month = kodownik.month_text(kodownik.today())
        checks = [("fb_KVDZaleznosciKodSwLiczbaDniSkladkiTyp", kodownik.contribution_days_type_is),
                  ("fb_KVDZaleznosciKodSwOkresOdTyp", kodownik.period_from_type_is),
                  ("fb_KVDZaleznosciKodSwOkresDoTyp", kodownik.period_to_type_is),
                  ("fb_KVDTypSwiadczenia", kodownik.benefit_type_is),
                  ("fb_KVDZaleznosciKodSw_MSCTyp", kodownik.msc_type_is)]
        codes = [c.code for c in kodownik.codes(10019)][:60] + ["350", "401"]
        for name, f in checks:
            for code in codes:
                for t in range(100, 125):
                    self.assertEqual(f(code, t, D(2031, 5, 1)), getattr(native, name)(code, t, this_month) == 0,
                                     (name, code, t))

    def test_benefit_allowed_is_the_month_check(self):
        # Inside the years of month texts the library answers; outside, the
        # binding reads the title's list by the same rule, which must agree
        # with the library wherever both can answer.
        titles = ("011000", "051000", "041100", "110000", "300000")
        for title in titles:
            for code in ("155", "311", "350", "112", "999", ""):
                for month in [D(y, m, 1) for y in (1999, 2002, 2003, 2004, 2005, 2008, 2009, 2020) for m in (1, 6, 7, 9, 10, 12)]:
                    want = native.fb_KVDZaleznosciKodSwKodTytIdent(title[:4], title[4], title[5], code,
                                                                   kodownik.month_text(month)) == 0
                    self.assertIs(_rules._allowed_by_list(title, code, month.year * 100 + month.month), want,
                                  (title, code, month))
                    self.assertIs(kodownik.benefit_allowed(title, code, month), want, (title, code, month))
        cases = [
            ("011000", "311", D(2031, 5, 1), True),
            ("011000", "155", D(2031, 5, 1), False),
            ("011000", "311", D.max, True),
            ("011000", "311", D(1849, 12, 31), False),
            ("011000", "311", D.min, False),
        ]
        for title, code, month, want in cases:
            with self.subTest(code=code, month=month):
                self.assertIs(kodownik.benefit_allowed(title, code, month), want)

    def test_pairs_periods_dra_wst(self):
        cases = [
            (kodownik.benefit_allowed_period, ("011000", "155", None, None), True),
            (kodownik.benefit_allowed_period, ("011000", "155", D(2003, 1, 1), D(2004, 12, 31), True), True),
            (kodownik.benefit_allowed_period, ("011000", "155", D(2003, 1, 1), D(2005, 12, 31), True), False),
            (kodownik.benefit_allowed_period, ("011000", "155", D(2005, 12, 31), D(2003, 1, 1), True), False),
            (kodownik.benefit_allowed_period, ("011000", "155", D(2003, 1, 1), D(2005, 12, 31)), True),
            (kodownik.benefit_allowed_period, ("011000", "999", None, None), False),
            (kodownik.benefits_together, ("111", "350"), True),
            (kodownik.benefits_together, ("111", "155", D(2004, 6, 15)), True),
            (kodownik.benefits_together, ("111", "155", D(2005, 1, 1)), False),
            (kodownik.benefits_together, ("11", "350"), False),
            (kodownik.dra_type_is, ("211", 122, D(2008, 6, 30)), True),
            (kodownik.dra_type_is, ("211", 122, D(2008, 7, 1)), False),
            (kodownik.dra_type_is, ("211", 999), True),      # no date: the code is known
            (kodownik.dra_type_is, ("000", 0), False),
            (kodownik.wst, ("212", D(2009, 9, 1)), 48),
            (kodownik.wst, ("212", D(2009, 8, 31)), 96),
            (kodownik.wst, ("111", D(2001, 6, 1)), 0),
            (kodownik.wst, ("999", D(2005, 1, 1)), None),
            (kodownik.amount_type_for, ("0426", 106), 105),
            (kodownik.amount_type_for, ("0426", 107), 107),
        ]
        for f, args, want in cases:
            with self.subTest(f=f.__name__, args=args):
                self.assertEqual(f(*args), want)


class PayersAndRelatives(unittest.TestCase):
    def test_reasons(self):
        P, F = kodownik.PayerKind.LEGAL_PERSON, kodownik.PayerKind.NATURAL_PERSON
        cases = [
            ("211", P, D(2002, 6, 15), True),
            ("211", "P", D(2004, 6, 15), True),
            ("112", P, D(2002, 6, 15), False),
            ("112", F, D(2002, 6, 15), True),
            ("112", F, D(2004, 6, 15), False),
            ("112", F, None, True),
            ("210", F, D(2009, 12, 31), False),
            ("210", F, D(2010, 1, 1), True),
            ("1", F, None, False),
        ]
        for code, kind, date, want in cases:
            with self.subTest(code=code, kind=kind, date=date):
                self.assertIs(kodownik.reason_fits(code, kind, date), want)
        with self.assertRaisesRegex(ValueError, "'P'"):
            kodownik.reason_fits("211", "X")

    def test_relationships(self):
        Q = kodownik.Question
        every = ["01", "11", "21", "30", "31", "32", "33", "40", "41", "50", "60"]
        self.assertEqual([c for c in every if kodownik.relationship_matches(c, Q.ASCENDANT)],
                         ["30", "31", "32", "33", "40", "41", "50", "60"])
        self.assertEqual([c for c in every if kodownik.relationship_matches(c, Q.ANY)], every)
        self.assertEqual([c for c in every if kodownik.relationship_has(c, Q.MARK)], ["11", "21"])
        self.assertEqual([c for c in every if kodownik.relationship_in_age_group(c, "S")], ["30", "31", "40", "41"])
        self.assertEqual([c for c in every if kodownik.relationship_in_age_group(c, "M")], ["11", "21"])
        self.assertEqual([c for c in every if kodownik.relationship_in_age_group(c, 2)], ["50"])
        cases = [("11", "3", True), ("11", "2", False), ("30", "9", True)]
        for code, mark, want in cases:
            self.assertIs(kodownik.relationship_matches(code, Q.MARK, mark), want)
        for code in ("99", "1", "3a", "", LONG):
            self.assertFalse(kodownik.relationship_has(code, Q.ANY))


class BadInput(unittest.TestCase):
    """Clear answers or clear exceptions, never a crash."""

    def test_answers_for_unusable_values(self):
        # (function, arguments, answer)
        cases = [
            (kodownik.check, (10004, LONG), False),
            (kodownik.check, (10004, "011101", LONG), True),          # an ill-formed date counts as none
            (kodownik.check, (10004, "011101", D.min), False),
            (kodownik.check, (10004, "011101", D.max), True),
            (kodownik.check_text, (10047, LONG), False),
            (kodownik.entry, (10004, LONG, D.max), None),
            (kodownik.entries, (10004, LONG), []),
            (kodownik.children, (10004, LONG), []),
            (kodownik.search, (10004, LONG), []),
            (kodownik.search, (2 ** 40, "x"), []),
            (kodownik.statuses, (LONG, "health", D.max), set()),
            (kodownik.condition_holds, ("041100", "health", LONG, D.min), True),   # no letter: nothing to test
            (kodownik.condition_holds, ("041100", "health", "", D.max), False),
            (kodownik.form_admits, ("RCA", LONG, D.max), False),
            (kodownik.has_rules, ("041100", D.min), False),
            (kodownik.title_period, (LONG,), None),
            (kodownik.contribution_base_allows, (LONG, 1), False),
            (kodownik.check_branch, (LONG,), False),
            (kodownik.amount_type_is, (LONG, LONG, 105, D.max), False),
            (kodownik.benefit_type_is, ("", 105, D.min), False),
            (kodownik.benefit_allowed, ("011000", LONG, D.max), False),
            (kodownik.benefit_allowed_period, (LONG, "155", D.min, D.max), False),
            (kodownik.benefits_together, (LONG, LONG, D.max), False),
            (kodownik.dra_type_is, (LONG, 122, D.min), False),
            (kodownik.wst, (LONG, D.max), None),
            (kodownik.reason_fits, (LONG, "P", D.max), False),
            (kodownik.relationship_in_age_group, ("30", 0), False),
            (kodownik.earliest, ([LONG, "01012005"],), "01012005"),
            (kodownik.date_status, ("\ud800" * 8,), kodownik.DateStatus.MALFORMED),
            (lambda *a: kodownik.title(*a).forms, ("041100", D.max), ("ZUS RCA", "ZUS RNA", "ZUS RZA", "ZUS ZUA", "ZUS ZZA")),
            (lambda *a: kodownik.title(*a).benefit_codes, ("041100", D.min), ()),     # before every list
            (lambda *a: kodownik.title(*a).benefit_codes[-1], ("041100", D.max), "350"),
        ]
        for f, args, want in cases:
            with self.subTest(f=f.__name__, args=[str(a)[:12] for a in args]):
                self.assertEqual(f(*args), want)

    def test_wrong_types(self):
        cases = [
            (kodownik.check, ("10004", "011101"), "dictionary ID is an int"),
            (kodownik.check, (True, "011101"), "dictionary ID is an int"),
            (kodownik.check, (10004, None), "code must be a str"),
            (kodownik.check, (10004, b"011101"), "code must be a str"),
            (kodownik.check, (10004, "011101", 20030101), "date must be"),
            (kodownik.entry, (10004, "011101", "2003-01-01"), "date must be"),
            (kodownik.check_text, (10047, None), "text must be a str"),
            (kodownik.search, (10004, None), "NoneType"),
            (kodownik.search, (10004, [1]), "a word must be a str"),
            (kodownik.date_status, (20050101,), "text must be a str"),
            (kodownik.parse_date, (None,), "text must be a str"),
            (kodownik.date_text, (None,), "date must be a datetime.date"),
            (kodownik.earliest, ([20050101],), r"dates\[0\] must be"),
            (kodownik.title, (41100,), "code must be a str"),
            (kodownik.title, ("041100", "2005-06-15"), "date must be"),
            (kodownik.statuses, ("041100", None, D(2005, 1, 1)), "insurance must be"),
            (kodownik.statuses, ("041100", "health", None), "date must be a datetime.date, not None"),
            (kodownik.condition_holds, ("041100", "health", None, None), "condition must be a str"),
            (kodownik.condition_holds, ("041100", "health", "O", "15062005"), "dates must be"),
            (kodownik.form_admits, ("RCA", "041100", [None]), r"dates\[0\] must be"),
            (kodownik.contribution_base_allows, ("057000", "4"), "mask must be an int"),
            (kodownik.check_branch, ("5422591316", "NIP"), "kind must be a BranchKey"),
            (kodownik.amount_type_is, ("011000", "311", 105.0, D(2005, 1, 1)), "expected must be an int"),
            (kodownik.msc_type_is, ("111", 116, None), "month must be a datetime.date"),
            (kodownik.benefit_allowed_period, ("011000", "155", None, None, 1), "whole_period must be a bool"),
            (kodownik.wst, ("212", None), "date must be"),
            (kodownik.reason_fits, ("211", 80), "payer must be"),
            (kodownik.relationship_matches, ("11", "3"), "question must be"),
            (kodownik.relationship_in_age_group, ("30", None), "group must be"),
            (native.fb_KVDKodSprawdz, (10004, 11101), "code must be a str or None"),
            (native.sl_PobierzOpisKodu, (12345, "1"), "root must be an OpisKodu"),
            (native.fb_KVD_KodTyt_WypDok_ONE, (None, 0x1000, ["01012005"]), "slot must be an OpisKodu"),
            (native.sl_CzyPrawidlowyKodLiterowy, ("10047", "AF", 0), "node must be an OpisKodu"),
            (native.sl_Now, (bytearray(9),), "buffer must be a TextBuffer"),
            (native.sl_SprawdzDatyObowiazywaniaKoduTytuluUbezpieczenia, ("011000", 1, 2), "ctypes.c_int"),
            (native.sl_NajwczesniejszaData, (None, "01012005"), "dates must be a list"),
            (native.bw_MapujKod, ("011000", 311, "15012005"), "code must be a str, bytes or None"),
            (native.OpisKodu, (), "come from"),
        ]
        for f, args, message in cases:
            with self.subTest(f=f.__name__, args=args):
                with self.assertRaisesRegex(TypeError, message):
                    f(*args)

    def test_unusable_values(self):
        cases = [
            (kodownik.check, (10004, "011101\0junk"), "NUL"),
            (kodownik.statuses, ("041100", 5, D(2005, 1, 1)), "0 to 4"),
            (kodownik.statuses, ("041100", "life", D(2005, 1, 1)), "pension"),
            (kodownik.condition_holds, ("041100", "health", "O", []), "empty list"),
            (kodownik.condition_holds, ("041100", "health", "O", [D(2005, 1, 1)] * 1001), "at most 1000"),
            (kodownik.search, (10004, "  "), "at least one word"),
            (kodownik.amount_type_is, ("011000", "311", 2 ** 40, D(2005, 1, 1)), "fit 32 bits"),
            (kodownik.contribution_base_allows, ("057000", -2 ** 31 - 1), "fit 32 bits"),
            (kodownik.relationship_in_age_group, ("30", "SM"), "group must be"),
            (native.sl_PoprawnyKod, ("1", 2 ** 31), "between"),
            (native.sl_PobierzSlownik, (2 ** 32,), "between"),
            (native.sl_Now, (native.TextBuffer(8),), "at least 9"),
            (native.sl_NajpozniejszaData, (None, ["01012005"] * 1001), "at most 1000"),
            (native.bw_MapujKod, ("011000", "311", "Ω"), "Windows-1250"),
            (native.fb_KodWyrRozlicznikaTyp, ("211", "PF", None), "one character"),
        ]
        for f, args, message in cases:
            with self.subTest(f=f.__name__, args=[str(a)[:12] for a in args]):
                with self.assertRaisesRegex(ValueError, message):
                    f(*args)

    def test_native_records_cannot_be_forged(self):
        root = native.sl_PobierzSlownik(10004)
        slot = native.sl_PobierzOpisKodu(root, "011101")
        with self.assertRaises(AttributeError):
            slot._address = 16
        with self.assertRaises(TypeError):
            slot[0]                     # a slot is not a node
        self.assertIsNone(native.sl_PobierzOpisKodu(slot, "1"))    # the library refuses a slot as a node
        self.assertEqual(root[0], root)
        with self.assertRaises(ValueError):
            root[10]


class Loading(unittest.TestCase):
    def test_the_order_of_places(self):
        import tempfile
        saved = (_library._HERE, os.environ.get("KODOWNIK_LIBRARY"))
        with tempfile.TemporaryDirectory() as tmp:
            pkg = os.path.join(tmp, "python", "kodownik")
            bundled = os.path.join(pkg, "_lib", _library._FILE)
            tree = os.path.join(tmp, "build", "native", _library._FILE)
            # (bundled there, KODOWNIK_LIBRARY, tree build there) -> the places, in order
            cases = [
                (True, "/x/env.so", True, [bundled, "/x/env.so", tree, _library._SYSTEM]),
                (False, "/x/env.so", True, ["/x/env.so", tree, _library._SYSTEM]),
                (False, None, True, [tree, _library._SYSTEM]),
                (True, None, False, [bundled, _library._SYSTEM]),
                (False, "", False, [_library._SYSTEM]),
            ]
            try:
                _library._HERE = pkg
                for has_bundled, env, has_tree, want in cases:
                    with self.subTest(bundled=has_bundled, env=env, tree=has_tree):
                        for path, present in ((bundled, has_bundled), (tree, has_tree)):
                            if present:
                                os.makedirs(os.path.dirname(path), exist_ok=True)
                                open(path, "w").close()
                            elif os.path.exists(path):
                                os.remove(path)
                        if env is None:
                            os.environ.pop("KODOWNIK_LIBRARY", None)
                        else:
                            os.environ["KODOWNIK_LIBRARY"] = env
                        self.assertEqual(_library.candidates(), want)
            finally:
                _library._HERE = saved[0]
                if saved[1] is None:
                    os.environ.pop("KODOWNIK_LIBRARY", None)
                else:
                    os.environ["KODOWNIK_LIBRARY"] = saved[1]

    def test_nothing_to_load_is_a_clear_error(self):
        code = ("import kodownik, kodownik._library as L\n"
                "L._HERE = '/nonexistent/kodownik'; L._SYSTEM = '/nonexistent/libKodownik_W.so.1'\n"
                "try:\n    kodownik.check(10004, '1')\nexcept kodownik.KodownikError as e:\n    print(e)\n")
        env = dict(os.environ, KODOWNIK_LIBRARY="/nonexistent/env.so", PYTHONPATH=os.path.join(HERE, ".."))
        out = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True, env=env).stdout
        self.assertIn("cannot load the Kodownik library", out)
        self.assertIn("KODOWNIK_LIBRARY", out)
        self.assertIn("/nonexistent/env.so", out)


class Threads(unittest.TestCase):
    def test_sixteen_threads_at_once(self):
        calls = [
            lambda: kodownik.check(10004, "011101", D(2003, 1, 1)),
            lambda: kodownik.entry(10013, "1", D(2003, 9, 30)).description,
            lambda: [f.code for f in kodownik.search(10013, "lekkim")],
            lambda: kodownik.title("041100", D(2005, 6, 15)).benefit_codes,
            lambda: kodownik.earliest(["01012005", "01012004"]),
            lambda: native.KVDSlownikGetKodMsg(1, "x", None),
            lambda: kodownik.wst("212", D(2009, 9, 1)),
            lambda: kodownik.condition_holds("111100", "sickness", "O", D(1999, 12, 29)),
        ]
        want = [c() for c in calls]
        barrier = threading.Barrier(16)
        results = {}

        def work(k):
            barrier.wait()
            results[k] = [[c() for c in calls] for _ in range(3)]

        threads = [threading.Thread(target=work, args=(k,)) for k in range(16)]
        for t in threads:
            t.start()
        for t in threads:
            t.join()
        self.assertEqual(sorted(results), list(range(16)))
        for k, rounds in results.items():
            for r in rounds:
                self.assertEqual(r, want, "thread %d" % k)


class Manual(unittest.TestCase):
    def test_every_example_in_the_docstrings_holds(self):
        total = 0
        for m in (kodownik, _dictionaries, _dates, _rules, _library, native):
            r = doctest.testmod(m, extraglobs={"kodownik": kodownik, "datetime": datetime}, verbose=False)
            self.assertEqual(r.failed, 0, m.__name__)
            total += r.attempted
        self.assertGreater(total, 70)

    def test_help_reads_as_a_manual(self):
        text = pydoc.render_doc(kodownik, renderer=pydoc.plaintext)
        for name in kodownik.__all__:
            obj = getattr(kodownik, name)
            if callable(obj) and not isinstance(obj, type):
                self.assertIn(">>>", obj.__doc__ or "", name)
                self.assertIn(name + "(", text)
        self.assertTrue(os.path.isfile(os.path.join(os.path.dirname(kodownik.__file__), "py.typed")))

    def test_every_export_has_its_function(self):
        self.assertEqual(len(native.EXPORTS), 59)
        for name in native.EXPORTS:
            self.assertTrue(callable(getattr(native, name)), name)
            self.assertTrue(getattr(native, name).__doc__, name)


if __name__ == "__main__":
    unittest.main()
