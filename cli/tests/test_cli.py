"""Tests of the kodownik command-line tool: exit statuses, one-line errors,
UTF-8 output, JSON shapes and the answers it relays from the library.

The tool is found through KODOWNIK_CLI (ctest sets it) or build/native.
"""

import csv
import functools
import io
import json
import os
import subprocess
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
TOOL = os.environ.get("KODOWNIK_CLI") or os.path.join(ROOT, "build", "native", "cli", "kodownik")


def run(*args):
    p = subprocess.run([TOOL, *args], capture_output=True, timeout=120)
    return p.returncode, p.stdout.decode("utf-8"), p.stderr.decode("utf-8")


def run_json(*args):
    code, out, err = run(*args, "--json")
    return code, json.loads(out), err


def catalogue():
    code, data, _ = run_json("list")
    assert code == 0
    return {d["id"]: d for d in data}


CATALOGUE = None


def needs_content(*ids):
    """Marks a test of dictionary content. It fails, naming the IDs, when
    the library holds no codes for one of them: an empty generated table is
    a fault to report, not a reason to skip."""
    def wrap(test):
        @functools.wraps(test)
        def run_test(self):
            global CATALOGUE
            if CATALOGUE is None:
                CATALOGUE = catalogue()
            empty = [i for i in ids if CATALOGUE[i]["codes"] == 0]
            if empty:
                self.fail("the library holds no codes for %s" % empty)
            return test(self)
        return run_test
    return wrap


class Errors(unittest.TestCase):
    """Bad input never crashes: one line on stderr, status 2 (or 1 for a
    question answered no), nothing on stdout."""

    CASES = [
        (("show", "99", "1"), 2, "unknown dictionary ID '99'"),
        (("show", "10050", "1"), 2, "unknown dictionary ID"),
        (("show", "-2147483648", "1"), 2, "unknown dictionary ID"),
        (("show", "4294977297", "1"), 2, "unknown dictionary ID"),
        (("show", "1e4", "1"), 2, "unknown dictionary ID"),
        (("show", "10003", "1"), 2, "has no code list"),
        (("export", "10026"), 2, "has no code list"),
        (("show", "10013", "1", "--date", "31132005"), 2, "not a calendar date"),
        (("show", "10013", "1", "--date", "2005-02-29"), 2, "not a calendar date"),
        (("show", "10013", "1", "--date", "yesterday"), 2, "is not a date"),
        (("check", "10004", "011101", "--date", "012025"), 2, "1850 to 2020"),
        (("check", "10004"), 2, "CODE is required"),
        (("check",), 2, "is required"),
        (("search", "10004"), 2, "WORDS is required"),
        (("search", "10004", " "), 2, "at least one word"),
        (("export", "10013", "--format", "xml"), 2, "unknown format"),
        (("title", "0110"), 2, "six digits"),
        (("title", "01100a"), 2, "six digits"),
        (("frobnicate",), 2, "not expected"),
        (("show", "10004", "\udcff"), 2, "UTF-8"),
    ]

    def test_errors(self):
        for args, status, text in self.CASES:
            with self.subTest(args=args):
                argv = [a.encode("utf-8", "surrogateescape") for a in args]
                p = subprocess.run([TOOL.encode(), *argv], capture_output=True, timeout=60)
                err = p.stderr.decode("utf-8")
                self.assertEqual(p.returncode, status, err)
                self.assertEqual(p.stdout, b"")
                self.assertEqual(err.count("\n"), 1, err)
                self.assertIn(text, err)
                self.assertTrue(err.startswith("kodownik: "), err)

    def test_long_and_odd_codes(self):
        for code in ("9" * 5000, "", "0" * 60, "01\t2", "ŻÓŁW"):
            with self.subTest(code=code[:10]):
                status, out, err = run("check", "10004", code)
                self.assertEqual(status, 1, err)
                self.assertIn("not admissible", out)

    def test_help_of_every_command(self):
        for cmd in ("list", "show", "check", "search", "export", "title"):
            with self.subTest(cmd=cmd):
                status, out, _ = run(cmd, "--help")
                self.assertEqual(status, 0)
                self.assertIn("--help", out)


class Catalogue(unittest.TestCase):
    def test_list_counts_match_the_trie_shape(self):
        data = catalogue()
        self.assertEqual(sorted(data), list(range(10001, 10050)))
        without_trie = sorted(i for i, d in data.items() if not d["trie"])
        self.assertEqual(without_trie, [10003, 10026, 10043, 10044])
        self.assertIsNone(data[10001]["name"])
        self.assertEqual(data[10013]["name"], data[10021]["name"])
        self.assertEqual(data[10013]["name"], "Kod stopnia niepełnosprawności")
        for d in data.values():
            self.assertGreaterEqual(d["entries"], d["codes"])


class Show(unittest.TestCase):
    @needs_content(10013)
    def test_entry_in_force_follows_the_date(self):
        for date, start in (("30092003", 19981231), ("2003-10-01", 20031001), ("092003", 19981231)):
            with self.subTest(date=date):
                status, data, _ = run_json("show", "10013", "1", "--date", date)
                self.assertEqual(status, 0)
                marked = [e for e in data["entries"] if e["in_force"]]
                self.assertEqual(len(marked), 1)
                self.assertEqual(marked[0]["valid_from"], start)

    @needs_content(10013)
    def test_text_output_marks_one_entry(self):
        status, out, _ = run("show", "10013", "1", "--date", "01102003")
        self.assertEqual(status, 0)
        marked = [l for l in out.splitlines() if l.startswith("  >  ")]
        self.assertEqual(len(marked), 1)
        self.assertIn("osoba posiadająca orzeczenie o lekkim stopniu niepełnosprawności", marked[0])

    @needs_content(10004)
    def test_prefix_is_not_a_code(self):
        status, out, err = run("show", "10004", "01110")
        self.assertEqual(status, 1)
        self.assertIn("only the beginning of longer codes", err)

    @needs_content(10005, 10047)
    def test_short_text_names_the_code(self):
        for args, code in ((("10005", "07R"), "07"), (("10047", "pl"), "163")):
            with self.subTest(args=args):
                status, data, _ = run_json("show", *args)
                self.assertEqual(status, 0)
                self.assertEqual(data["code"], code)

    @needs_content(10046)
    def test_reconstructed_texts_are_flagged(self):
        status, data, _ = run_json("export", "10046")
        self.assertEqual(status, 0)
        sources = {e["source"] for c in data["codes"] for e in c["entries"]}
        self.assertIn("reconstructed", sources)
        status, out, _ = run("search", "10046", "polskie")
        self.assertIn("[reconstructed, unverified]", out)


class Check(unittest.TestCase):
    @needs_content(10004, 10005, 10034, 10047)
    def test_answers_and_reasons(self):
        cases = [
            (("10004", "011101"), 0, None),
            (("10004", "011101", "--date", "01012003"), 0, None),
            (("10004", "011101", "--date", "31122002"), 1, "not in force on 2002-12-31"),
            (("10004", "0111"), 1, "heading of longer codes"),
            (("10004", "01x"), 1, "not a digit code"),
            (("10004", "99999999"), 1, "not in the dictionary"),
            (("10005", "01R", "--date", "31032003"), 1, "not in force"),
            (("10005", "01"), 1, "is written 01R"),
            (("10005", "1R"), 1, "not a branch code"),
            (("10034", "K"), 0, None),
            (("10034", "k"), 1, "not in the dictionary"),
            (("10047", "AF", "--date", "02112005"), 1, "not in force"),
            (("10047", "AF", "--date", "2005-11-03"), 0, None),
            (("10040", "0110"), 1, "no check rule"),
        ]
        for args, status, reason in cases:
            with self.subTest(args=args):
                code, data, err = run_json("check", *args)
                self.assertEqual(code, status, err)
                self.assertEqual(data["admissible"], status == 0)
                self.assertEqual(data["result"], 0 if status == 0 else -1)
                if reason:
                    self.assertIn(reason, data["reason"])
                else:
                    self.assertIsNone(data["reason"])

    @needs_content(10004)
    def test_date_forms_agree(self):
        answers = {run("check", "10004", "011101", "--date", d)[0] for d in ("01012003", "2003-01-01", "012003")}
        self.assertEqual(answers, {0})


class SearchAndExport(unittest.TestCase):
    @needs_content(10004)
    def test_search_ignores_case_and_diacritics(self):
        a = run_json("search", "10004", "ŻOŁNIERZ", "zawodowy")[1]
        b = run_json("search", "10004", "zolnierz", "ZAWODOWY")[1]
        self.assertEqual(a, b)
        self.assertIn("011101", [h["code"] for h in a])

    @needs_content(10004)
    def test_search_without_hits(self):
        status, out, err = run("search", "10004", "qqqqzzzz")
        self.assertEqual((status, out), (1, ""))
        self.assertIn("no code", err)

    @needs_content(10013)
    def test_export_formats_hold_the_same_rows(self):
        tsv = run("export", "10013")[1].splitlines()
        rows_csv = list(csv.reader(io.StringIO(run("export", "10013", "--format", "csv")[1])))
        data = json.loads(run("export", "10013", "--format", "json")[1])
        self.assertEqual(data, run_json("export", "10013")[1])
        self.assertEqual(len(tsv), len(rows_csv))
        self.assertEqual(len(tsv) - 1, sum(len(c["entries"]) for c in data["codes"]))
        self.assertEqual(tsv[0].split("\t"), rows_csv[0])
        for t, c in zip(tsv[1:], rows_csv[1:]):
            fields = ["" if f == "\\N" else f for f in t.split("\t")]
            self.assertEqual(fields, c)


class Title(unittest.TestCase):
    def test_shape(self):
        status, data, _ = run_json("title", "011000", "--date", "15062004")
        self.assertEqual(status, 0)
        self.assertEqual(set(data["insurances"]), {"pension", "disability", "sickness", "accident", "health"})
        self.assertEqual(set(data["forms"]), {"DRA", "RCA", "RNA", "RZA", "ZUA", "ZZA"})
        self.assertTrue(set(data["benefit_codes"]) <= set(data["benefit_codes_listed"]))

    @needs_content(10015)
    def test_rca_and_rna_agree(self):
        for code in ("011000", "011004", "051220", "241000"):
            with self.subTest(code=code):
                forms = run_json("title", code, "--date", "2004-06-15")[1]["forms"]
                self.assertEqual(forms["RCA"], forms["RNA"])


class Demo(unittest.TestCase):
    def test_demo_runs_in_both_forms(self):
        status, out, err = run()
        self.assertEqual((status, err), (0, ""))
        self.assertIn("10013", out)
        status, data, _ = run_json()
        self.assertEqual(status, 0)
        self.assertEqual([c["code"] for c in data["check"]["cases"]], ["011101", "011101", "011101", "0111"])


class Editions(unittest.TestCase):
    """The tool names the editions its library carries, and what it shows
    follows them: 10015 code 2400 exists only in the current editions."""

    def test_version_and_demo_name_the_same_editions(self):
        status, out, _ = run("--version")
        self.assertEqual(status, 0)
        editions = out.strip().rsplit("editions: ", 1)[-1].rstrip(")")
        self.assertIn(editions, ("snapshot", "current"))
        status, data, _ = run_json()
        self.assertEqual((status, data["editions"]), (0, editions))
        status, out, _ = run()
        self.assertIn("editions: %s)" % editions, out.splitlines()[0])
        cases = (("10015", "2400", "2026-01-15"), ("10019", "341", "2025-03-19"), ("10009", "750", "2026-01-01"))
        for dict_id, code, date in cases:
            with self.subTest(code=code):
                status, _, _ = run("check", dict_id, code, "--date", date)
                self.assertEqual(status, 0 if editions == "current" else 1)
        if editions != "current":
            return
        # an unread window shows as such: no text, its dates inferred
        status, data, _ = run_json("show", "10015", "0590")
        self.assertEqual(status, 0)
        entries = {(e["valid_from"], e["valid_to"]): e for e in data["entries"]}
        cases = [((20210101, 20230926), None, "absent, dates inferred"),
                 ((20241201, 99991231), "*", "verified"),
                 ((20230927, 20241130), "*", "verified, dates inferred")]
        for period, text, source in cases:
            with self.subTest(period=period):
                self.assertEqual(entries[period]["source"], source)
                if text is None:
                    self.assertIsNone(entries[period]["description"])


if __name__ == "__main__":
    unittest.main()
