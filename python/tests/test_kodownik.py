"""Tests of the ctypes binding. The library comes from KODOWNIK_LIBRARY
(ctest passes it) or build/native."""

import datetime
import os
import sys
import threading
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import kodownik  # noqa: E402

D = datetime.date


class Catalogue(unittest.TestCase):
    def test_dictionaries(self):
        ds = kodownik.dictionaries()
        ids = [d.id for d in ds]
        self.assertEqual(len(ids), 45)
        self.assertEqual(ids, sorted(ids))
        self.assertNotIn(10003, ids)
        names = dict(ds)
        self.assertIsNone(names[10001])
        self.assertEqual(names[10013], "Kod stopnia niepełnosprawności")
        self.assertEqual(names[10013], names[10021])


class BadInput(unittest.TestCase):
    """Clear answers, never a crash, for what the library cannot hold."""

    def test_ids_outside_the_catalogue(self):
        for i in (0, -1, 10000, 10050, 2 ** 31 - 1, -2 ** 31, 2 ** 31, 2 ** 64):
            with self.subTest(id=i):
                self.assertFalse(kodownik.check(i, "1"))
                self.assertIsNone(kodownik.entry(i, "1", None))
                self.assertEqual(kodownik.entries(i, "1"), [])

    def test_wrong_types_and_nul(self):
        with self.assertRaises(TypeError):
            kodownik.check("10004", "011101")
        with self.assertRaises(TypeError):
            kodownik.check(10004, 11101)
        with self.assertRaises(TypeError):
            kodownik.entry(10004, "011101", "2003-01-01")
        with self.assertRaises(ValueError):
            kodownik.check(10004, "011101\0junk")

    def test_odd_codes(self):
        self.assertFalse(kodownik.check(10013, ""))  # the library alone reads "" as the code 0
        for code in ("", "x" * 100000, "ŻÓŁW", "\ud800", "0" * 60):
            with self.subTest(code=code[:8]):
                self.assertFalse(kodownik.check(10004, code))
                self.assertIsNone(kodownik.entry(10004, code, D(2005, 1, 1)))


class Content(unittest.TestCase):
    def test_entry_follows_the_date(self):
        cases = [
            (D(2003, 9, 30), D(1998, 12, 31), "osoba, która ma orzeczenie o lekkim stopniu niepełnosprawności"),
            (D(2003, 10, 1), D(2003, 10, 1), "osoba posiadająca orzeczenie o lekkim stopniu niepełnosprawności"),
            (None, D(2003, 10, 1), "osoba posiadająca orzeczenie o lekkim stopniu niepełnosprawności"),
        ]
        for date, start, text in cases:
            with self.subTest(date=date):
                e = kodownik.entry(10013, "1", date)
                self.assertEqual((e.valid_from, e.description), (start, text))
        self.assertEqual(kodownik.entry(10013, "1", D(2010, 1, 1)).valid_to, D.max)
        self.assertIsNone(kodownik.entry(10013, "1", D(1990, 1, 1)))

    def test_check(self):
        cases = [
            ("011101", None, True),
            ("011101", D(2003, 1, 1), True),
            ("011101", D(2002, 12, 31), False),
            ("011101", "012003", True),
            ("011101", "31132005", True),   # an ill-formed date text counts as none
            ("0111", None, False),          # a heading of longer codes
            ("01x", None, False),
        ]
        for code, date, want in cases:
            with self.subTest(code=code, date=date):
                self.assertIs(kodownik.check(10004, code, date), want)

    def test_entries_keep_the_stored_order(self):
        es = kodownik.entries(10013, "1")
        self.assertEqual([e.valid_from for e in es], [D(2003, 10, 1), D(1998, 12, 31)])
        self.assertEqual(kodownik.entries(10004, "01110"), [])  # only a step towards longer codes

    def test_threads_agree(self):
        results = []

        def work():
            results.append(all(kodownik.check(10004, "011101", D(2003, 1, 1)) for _ in range(200)))

        threads = [threading.Thread(target=work) for _ in range(4)]
        for t in threads:
            t.start()
        for t in threads:
            t.join()
        self.assertEqual(results, [True] * 4)


if __name__ == "__main__":
    unittest.main()
