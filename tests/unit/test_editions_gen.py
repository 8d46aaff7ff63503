"""The merge of the later editions (tools/gen/editions.py).

Small cases feed the merge functions hand-made editions and check the
periods they come out with; the last group checks the merged data of the
repository for what the merge promises (no overlaps, windows without holes,
the reference content changed only as the difference list says).
"""

import os
import sys
import unittest

GEN = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "gen")
sys.path.insert(0, GEN)

import common  # noqa: E402
import editions  # noqa: E402
from editions import OPEN, Ed  # noqa: E402

WINDOW = (20210101, 20230926)


def snap(code, a, b, text, cls="public"):
    return Ed(code, a, b, text, cls, "snapshot", "snap", origin=0)


def hist(code, a, b, text, act="du2009-1444", note=""):
    h = Ed(code, a, b, text, "public", act, "hist", note=note)
    if "first established day" in note:
        h.from_basis = "inferred"
    if "last established day" in note:
        h.to_basis = "inferred"
    return h


def periods(eds):
    return [(e.vfrom, e.vto, e.cls) for e in sorted(eds, key=lambda e: e.vfrom)]


class SameText(unittest.TestCase):
    def test_cases(self):
        cases = [
            ("a - b", "a – b", True),          # dash glyphs
            ("a — b", "a-b", True),            # dash and spaces
            ("„x”", '"x"', True),              # quote glyphs
            ("60 %", "60%", True),             # a space before %
            ("a  b", "a b", True),             # double blank
            ("dochodu", "przychodu", False),
            ("Siły zbrojne", "SIŁY ZBROJNE", False),  # case is text
            ("Rzeczpospolita", "Rzeczypospolita", False),
            (None, "a", False),
            (None, None, False),
        ]
        for a, b, want in cases:
            with self.subTest(a=a, b=b):
                self.assertEqual(editions.same_text(a, b), want)


class MergeLists(unittest.TestCase):
    """merge_zus: one code, reference editions plus dated editions."""

    def merge(self, snaps, hists, code="0590"):
        s = {code: list(snaps)} if snaps else {}
        diffs = []
        editions.merge_zus(s, {code: list(hists)}, WINDOW, diffs, 10015)
        return periods(s[code]), sorted(d[3] for d in diffs)

    def test_cases(self):
        cases = [
            ("same text: the open reference edition runs on",
             [snap("0110", 20031001, OPEN, "pracownik")],
             [hist("0110", 20100101, OPEN, "pracownik")],
             [(20031001, OPEN, "public")], []),
            ("same text, later removed: the reference edition closes",
             [snap("0110", 20031001, OPEN, "pracownik")],
             [hist("0110", 20100101, 20131031, "pracownik")],
             [(20031001, 20131031, "public")], ["closed"]),
            ("new wording: the reference edition ends the day before",
             [snap("0110", 20031001, OPEN, "stary")],
             [hist("0110", 20110614, OPEN, "nowy", "du2011-633")],
             [(20031001, 20110613, "public"), (20110614, OPEN, "public")], ["closed"]),
            ("same first day, no reference text: the act supplies it",
             [snap("0430", 20111001, OPEN, None, "absent")],
             [hist("0430", 20111001, OPEN, "osoba", "du2011-633")],
             [(20111001, OPEN, "public")], ["text"]),
            ("reworded across the window: an edition of no text fills it",
             [],
             [hist("0590", 20200201, 20201231, "od dochodu", "du2020-102", "last established day"),
              hist("0590", 20230927, OPEN, "od przychodu", "du2025-1036", "first established day")],
             [(20200201, 20201231, "public"), (20210101, 20230926, "absent"), (20230927, OPEN, "public")], []),
            ("removed inside the window: ends on its last established day, no fill",
             [snap("1112", 19981231, OPEN, "osoba")],
             [hist("1112", 20100101, 20201231, "osoba", note="last established day")],
             [(19981231, 20201231, "public")], ["closed"]),
            ("a hole outside the window stays a hole",
             [snap("0337", 20031001, 20080630, "zasiłek")],
             [hist("0337", 20230927, OPEN, "zasiłek", "du2025-1036", "first established day")],
             [(20031001, 20080630, "public"), (20230927, OPEN, "public")], []),
        ]
        for name, snaps, hists, want, kinds in cases:
            with self.subTest(name):
                got, got_kinds = self.merge(snaps, hists, code=(snaps or hists)[0].code)
                self.assertEqual(got, want)
                self.assertEqual(got_kinds, kinds)

    def test_window_edition_is_marked_inferred(self):
        s = {}
        editions.merge_zus(s, {"0590": [hist("0590", 20200201, 20201231, "a", "du2020-102"),
                                         hist("0590", 20230927, OPEN, "b", "du2025-1036")]}, WINDOW, [], 10015)
        gap = [e for e in s["0590"] if e.cls == "absent"]
        self.assertEqual(len(gap), 1)
        self.assertEqual((gap[0].text, gap[0].from_basis, gap[0].to_basis), (None, "inferred", "inferred"))


class MergeOccupations(unittest.TestCase):
    """merge_occupations: codes across classifications."""

    def run_states(self, snaps, states):
        s = {e.code: [e] for e in snaps}
        diffs = []
        editions.merge_occupations(s, [(d, {c: (n, "du2014-1145", "w") for c, n in st.items()})
                                       for d, st in states], diffs)
        return {c: periods(v) for c, v in s.items()}

    def test_cases(self):
        U = editions.UNKNOWN
        cases = [
            ("same name keeps one edition",
             [snap("111101", 20050101, OPEN, "Poseł")],
             [(20100701, {"111101": "Poseł"}), (20150101, {"111101": "Poseł"})],
             {"111101": [(20050101, OPEN, "public")]}),
            ("new name: a new edition from the classification's first day",
             [snap("111101", 20050101, OPEN, "Poseł")],
             [(20100701, {"111101": "Posel na Sejm"})],
             {"111101": [(20050101, 20100630, "public"), (20100701, OPEN, "public")]}),
            ("dropped: ends the day before the classification applies",
             [snap("111101", 20050101, OPEN, "Poseł")],
             [(20100701, {"111101": "Poseł"}), (20150101, {})],
             {"111101": [(20050101, 20141231, "public")]}),
            ("dropped and re-added: two editions with a hole",
             [],
             [(20100701, {"143102": "Kierownik"}), (20150101, {}), (20220101, {"143102": "Kierownik"})],
             {"143102": [(20100701, 20141231, "public"), (20220101, OPEN, "public")]}),
            ("unread list, same name on both sides: continuity",
             [],
             [(20150101, {"0": "SIŁY"}), (20220101, {"0": U}), (20251127, {"0": "SIŁY"})],
             {"0": [(20150101, OPEN, "public")]}),
            ("unread list, new name after it: an edition of no text between",
             [],
             [(20150101, {"011001": "Oficer"}), (20220101, {"011001": U}), (20251127, {"011001": "Oficer zawodowy"})],
             {"011001": [(20150101, 20211231, "public"), (20220101, 20251126, "absent"),
                         (20251127, OPEN, "public")]}),
        ]
        for name, snaps, states, want in cases:
            with self.subTest(name):
                self.assertEqual(self.run_states(snaps, states), want)

    def test_dropped_after_unread_list_is_refused(self):
        with self.assertRaises(common.GenError):
            self.run_states([], [(20150101, {"0": "A"}), (20220101, {"0": editions.UNKNOWN}), (20251127, {})])


class Checks(unittest.TestCase):
    def test_overlap_and_early_start_are_refused(self):
        cases = [
            ("overlap", {"0590": [hist("0590", 20190101, 20201231, "a", "du2018-2495"),
                                  hist("0590", 20200201, OPEN, "b", "du2020-102")]}),
            ("before the act applies", {"0590": [hist("0590", 20180101, OPEN, "a", "du2018-2495")]}),
            ("absent with a text", {"0590": [Ed("0590", 20190101, OPEN, "a", "absent", "du2018-2495", "w")]}),
        ]
        for name, eds in cases:
            with self.subTest(name):
                with self.assertRaises(common.GenError):
                    editions.check_editions(10015, eds)

    def test_reference_twins_may_overlap(self):
        a, b = snap("100", 19981231, 20010531, "x"), snap("100", 19981231, 20010531, None)
        editions.check_editions(10019, {"100": [a, b]})


class MergedData(unittest.TestCase):
    """The repository's own merge."""

    @classmethod
    def setUpClass(cls):
        cls.res, cls.diffs, cls.hist, cls.states = editions.merged()

    def test_windows_have_no_holes(self):
        for dict_id, kind in ((10015, "title"), (10040, "title"), (10019, "benefit"), (10009, "deregistration")):
            lo, hi = editions.WINDOWS[kind]
            for code, eds in self.res[dict_id].items():
                before = editions.in_force(eds, editions.before(lo))
                after = editions.in_force(eds, editions.after(hi))
                if not (before and after):
                    continue
                for d in (lo, 20220615, hi):
                    with self.subTest(dict_id=dict_id, code=code, day=d):
                        self.assertEqual(len(editions.in_force(eds, d)), 1)

    def test_reference_entries_change_only_as_listed(self):
        kinds = set(d[3] for d in self.diffs)
        self.assertLessEqual(kinds, set(editions.ALLOWED_CHANGES))
        for d in self.diffs:
            if d[3] == "closed":
                with self.subTest(diff=d):
                    old_to = int(d[4].split("-")[1])
                    new_to = int(d[5].split("-")[1].split()[0])
                    self.assertLess(new_to, old_to)

    def test_order_of_entries(self):
        # newest first where the dictionary lists so; elsewhere the reference
        # entries keep their places at the front
        for dict_id in (10004, 10009, 10040):
            for code, eds in self.res[dict_id].items():
                starts = [e.vfrom for e in editions.ordered(dict_id, eds) if len(e.code) != 7]
                with self.subTest(dict_id=dict_id, code=code):
                    self.assertEqual(starts, sorted(starts, reverse=True))
        for dict_id in (10015, 10019):
            for code, eds in self.res[dict_id].items():
                origins = [e.origin for e in editions.ordered(dict_id, eds) if e.origin is not None]
                with self.subTest(dict_id=dict_id, code=code):
                    self.assertEqual(origins, list(range(len(origins))))

    def test_committed_difference_list_is_current(self):
        path = os.path.join(common.ROOT, editions.OUT_DIR, "differences.tsv")
        with open(path, encoding="utf-8", newline="") as f:
            self.assertEqual(f.read(), editions.difference_table(self.diffs))

    def test_telling_days(self):
        # (dictionary, code, day, text or None for an edition of no text, or False for none in force)
        cases = [
            (10015, "0590", 20220615, None),
            (10015, "2400", 20251231, False),
            (10015, "2400", 20260101, "*"),
            (10004, "711204", 20120831, False),
            (10004, "711204", 20120901, "Murarz-tynkarz"),
            (10004, "143113", 20220101, False),
            (10004, "962908", 20220101, "Pracownik parku rozrywki"),
            (10004, "932908", 20220101, "*"),
            (10009, "800", 20230926, False),
            (10009, "800", 20230927, "*"),
        ]
        for dict_id, code, d, want in cases:
            with self.subTest(dict_id=dict_id, code=code, day=d):
                got = editions.in_force(self.res[dict_id].get(code, []), d)
                if want is False:
                    self.assertEqual(got, [])
                    continue
                self.assertEqual(len(got), 1)
                if want != "*":
                    self.assertEqual(got[0].text, want)


class NodePoolFile(unittest.TestCase):
    """The pool file lists the places a build leaves empty."""

    def test_cases(self):
        pool = common.NodePool()
        pool.place("kTrieA", 3)
        pool.place("kTrieB", 2)
        pool.place("kTrieA", 5)   # the same table's later place
        # (places marked unused, rows of the index or None for no index)
        cases = [
            ((), None),
            ([("kTrieA", 0)], ["{0, 3},  // kTrieA"]),
            ([("kTrieA", 0), ("kTrieB", 3)], ["{0, 3},  // kTrieA", "{3, 2},  // kTrieB"]),
            ([("kTrieA", 5)], ["{5, 5},  // kTrieA"]),
        ]
        for unused, rows in cases:
            with self.subTest(unused=unused):
                text = pool.file(unused)
                self.assertIn("kPulaWezlow[10][10];", text)
                if rows is None:
                    self.assertNotIn("kNieuzywaneWezly", text)
                    self.assertNotIn("unused", text)
                    continue
                body = text.split("kNieuzywaneWezly[][2] = {\n", 1)[1].split("\n};", 1)[0]
                self.assertEqual([r.strip() for r in body.splitlines()], rows)
                self.assertIn("kLiczbaNieuzywanychZakresow = %d;" % len(rows), text)
                self.assertEqual(text.count("(unused in this build)"), len(rows))


class StaleFiles(unittest.TestCase):
    """A generated file left behind in either output directory would still be
    compiled (in the current build it would stand in for the snapshot's
    table of the same name), so the check names it."""

    def test_cases(self):
        import tempfile
        from unittest import mock
        cases = [
            ("src/data_current/dict_10005.cpp", True),
            ("src/data/dict_10099.cpp", True),
            ("src/data_current/editions_10005.tsv", False),
            ("src/data_current/node_pool.cpp", False),   # generated
        ]
        for rel, stale in cases:
            with self.subTest(rel=rel), tempfile.TemporaryDirectory() as root:
                out = common.Output()
                out.add("src/data_current/node_pool.cpp", "pool\n")
                for name in (rel, "src/data_current/node_pool.cpp"):
                    os.makedirs(os.path.dirname(os.path.join(root, name)), exist_ok=True)
                    with open(os.path.join(root, name), "w", encoding="utf-8", newline="") as f:
                        f.write("pool\n")
                with mock.patch.object(common, "ROOT", root):
                    got = out.check()
                self.assertEqual(got, [rel + " (not generated any more)"] if stale else [])


class CommittedCurrentTables(unittest.TestCase):
    """src/data_current/ holds the merged dictionaries' tries and a pool in
    which every other trie keeps its snapshot place (the generator check
    keeps these files equal to what the generator writes)."""

    @staticmethod
    def places(rel):
        import re
        with open(os.path.join(common.ROOT, rel), encoding="utf-8") as f:
            return re.findall(r"^// (\w+): nodes (\d+) to (\d+)( \(unused in this build\))?$", f.read(), re.M)

    def test_only_merged_tries_and_the_pool(self):
        names = sorted(n for n in os.listdir(os.path.join(common.ROOT, editions.OUT_DIR)) if n.endswith(".cpp"))
        merged = sorted(s[0] for s in editions.SETS)
        self.assertEqual(names, ["dict_%d.cpp" % i for i in merged] + ["node_pool.cpp"])

    def test_snapshot_places_are_kept(self):
        snapshot = self.places("src/data/node_pool.cpp")
        current = self.places(editions.OUT_DIR + "/node_pool.cpp")
        merged = set("kTrie%d" % s[0] for s in editions.SETS)
        self.assertEqual([p[:3] for p in current[:len(snapshot)]], [p[:3] for p in snapshot])
        for symbol, _, _, unused in current[:len(snapshot)]:
            with self.subTest(symbol=symbol):
                self.assertEqual(bool(unused), symbol in merged)
        self.assertEqual(sorted(p[0] for p in current[len(snapshot):]), sorted(merged))
        self.assertFalse(any(p[3] for p in current[len(snapshot):]))


if __name__ == "__main__":
    unittest.main()
