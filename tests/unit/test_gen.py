"""The generator refuses bad dictionary data (tools/gen/dictionaries.py,
dictionary_checks.py, datadoc.py).

Each case changes one line of a known-good data folder and expects the
generator to stop with the file, the line and the reason. The small cases use
a catalogue with three dictionaries; the content cases use a copy of data/.
"""

import os
import shutil
import sys
import tempfile
import unittest
from unittest import mock

GEN = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "gen")
sys.path.insert(0, GEN)

import common  # noqa: E402
import datadoc  # noqa: E402
import dictionaries  # noqa: E402

HEADER = "code\tvalid_from\tvalid_to\tattribute\tshort_text\tdescription\tsource\n"
DOCUMENT = HEADER + ("1\t19981231\t99991231\t0\t\\N\tdowód osobisty\tgiven\n"
                     "2\t19981231\t99991231\t0\t\\N\tpaszport\tgiven\n")
SEX = HEADER + ("1\t19981231\t99991231\t64\tK\tkobieta\tgiven\n"
                "2\t19981231\t99991231\t64\tM\tmężczyzna\tgiven\n")
KEYS = "dictionary\tvalid_from\tvalid_to\tentries\tcodes\tsource\n"
TELLING = ("dictionary\tcode\tentries\tentry\tvalid_from\tvalid_to\tattribute\tshort_text\tdescription\tsource\n")
NOTE = "# note\n\n**Missing:** nothing.\n"


def catalogue(tries):
    """tries: {id: (name, codes, entries, lengths)}; every other ID has no trie."""
    lines = ["id\tname\ttrie\tcodes\tentries\tlengths\tcounts\tsource"]
    for i in range(10001, 10050):
        if i in tries:
            name, c, e, lengths = tries[i]
            lines.append("%d\t%s\tyes\t%d\t%d\t%s\tenforced\tgiven" % (i, name, c, e, lengths))
        else:
            lines.append("%d\t\\N\tno\t0\t0\t-\t-\tgiven" % i)
    return "\n".join(lines) + "\n"


SMALL = {
    "catalogue.tsv": catalogue({10023: ("Rodzaj dokumentu", 2, 2, "1"), 10034: ("Płeć", 2, 2, "1")}),
    "10023_document_kind.tsv": DOCUMENT,
    "10023_document_kind.SOURCES.md": NOTE,
    "10034_sex.tsv": SEX,
    "10034_sex.SOURCES.md": NOTE,
    "reference_keys.tsv": KEYS + "10023\t19981231\t99991231\t1\t1 2\tgiven\n",
    "telling_rows.tsv": TELLING + "10023\t2\t1\t1\t*\t*\t0\t\\N\tpaszport\tgiven\n",
}


def replace(old, new):
    def edit(text):
        if old not in text:
            raise AssertionError("fixture lacks %r" % old)
        return text.replace(old, new, 1)
    return edit


def drop(name):
    return name, None


# (what, file, edit, expected start of the message, expected part of the message)
SMALL_CASES = [
    ("period ending before it starts", "10023_document_kind.tsv", replace("1\t19981231\t99991231", "1\t20030101\t20021231"),
     "10023_document_kind.tsv:2:", "ends (20021231) before it starts (20030101)"),
    ("day that is no calendar day", "10023_document_kind.tsv", replace("2\t19981231", "2\t19980230"),
     "10023_document_kind.tsv:3:", "not a calendar day"),
    ("unknown source class", "10023_document_kind.tsv", replace("paszport\tgiven", "paszport\tinferred"),
     "10023_document_kind.tsv:3:", "unknown source class 'inferred'"),
    ("code with a non-digit", "10023_document_kind.tsv", replace("2\t1998", "2a\t1998"),
     "10023_document_kind.tsv:3:", "non-digit"),
    ("text that Windows-1250 cannot hold", "10023_document_kind.tsv", replace("paszport", "паспорт"),
     "10023_document_kind.tsv:3:", "Windows-1250 cannot hold"),
    ("wrong enforced count", "10023_document_kind.tsv", replace("2\t19981231\t99991231\t0\t\\N\tpaszport\tgiven\n", ""),
     "10023_document_kind.tsv:", "counts differ from the catalogue"),
    ("code longer than the dictionary admits", "10023_document_kind.tsv", replace("2\t1998", "22\t1998"),
     "10023_document_kind.tsv:3:", "has length 2"),
    ("absent row with a text", "10023_document_kind.tsv", replace("paszport\tgiven", "paszport\tabsent"),
     "10023_document_kind.tsv:3:", "source 'absent' but the row has a text"),
    ("entries of a code apart", "10023_document_kind.tsv", lambda t: t + "1\t19981231\t20001231\t0\t\\N\tx\tgiven\n",
     "10023_document_kind.tsv:4:", "not consecutive"),
    ("codes out of digit order", "10023_document_kind.tsv",
     lambda t: HEADER + "".join(reversed(t[len(HEADER):].splitlines(True))),
     "10023_document_kind.tsv", "not in ascending digit order"),
    ("catalogued trie without a table", "10023_document_kind.tsv", None,
     "catalogue.tsv:24:", "no table"),
    ("attribute where the dictionary has none", "10023_document_kind.tsv", replace("1\t19981231\t99991231\t0", "1\t19981231\t99991231\t64"),
     "10023_document_kind.tsv:2:", "attribute 64; the dictionary uses none"),
    ("short text where the dictionary has none", "10023_document_kind.tsv", replace("\\N\tpaszport", "P\tpaszport"),
     "10023_document_kind.tsv:3:", "short text 'P'"),
    ("code as written on documents missing", "10034_sex.tsv", replace("M\tmężczyzna", "\\N\tmężczyzna"),
     "10034_sex.tsv:3:", "no short text"),
    ("telling row with another description", "telling_rows.tsv", replace("\tpaszport\t", "\tpaszport \t"),
     "10023_document_kind.tsv:3:", "description 'paszport', the defined 'paszport ' (telling_rows.tsv:2)"),
    ("telling row of a code that must not exist", "telling_rows.tsv", lambda t: t + "10023\t1\t0\t*\t*\t*\t*\t*\t*\tgiven\n",
     "10023_document_kind.tsv:2:", "must not exist"),
    ("telling row with another number of entries", "telling_rows.tsv", replace("10023\t2\t1\t1", "10023\t2\t2\t1"),
     "10023_document_kind.tsv:3:", "has 1 entries, the defined 2"),
    ("key of the published list missing", "reference_keys.tsv", replace("1 2\t", "1 2 3\t"),
     "reference_keys.tsv:2:", "code 3 of the reference key list is missing"),
    ("code outside the reference key list", "reference_keys.tsv", replace("1 2\t", "1\t"),
     "10023_document_kind.tsv:3:", "code 2 is not in the reference key list"),
    ("period other than the key list's", "reference_keys.tsv", replace("10023\t19981231", "10023\t19990101"),
     "10023_document_kind.tsv:2:", "the key list gives 19990101-99991231"),
]


class DataFolder:
    """A temporary data folder that the generator reads instead of data/."""

    def __init__(self, files):
        self.dir = tempfile.mkdtemp(prefix="kodownik-gen-")
        for name, text in files.items():
            self.write(name, text)

    def write(self, name, text):
        path = os.path.join(self.dir, name)
        if text is None:
            os.remove(path)
            return
        with open(path, "w", encoding="utf-8", newline="") as f:
            f.write(text)

    def read(self, name):
        with open(os.path.join(self.dir, name), encoding="utf-8", newline="") as f:
            return f.read()

    def generate(self, providers=None):
        """Runs the dictionary part of the generator with only the given
        rule-table providers; returns (files, docs, reports)."""
        out = common.Output()
        docs = []
        reports = []
        with mock.patch.object(common, "DATA", self.dir), \
                mock.patch.dict(dictionaries.PROVIDERS, providers or {}, clear=True), \
                mock.patch.object(dictionaries, "REPORTS", reports):
            dictionaries.generate(out, docs)
            datadoc.render(docs, reports)
        return out.files, docs, reports

    def close(self):
        shutil.rmtree(self.dir)


class Refusals(unittest.TestCase):
    def setUp(self):
        self.data = DataFolder(SMALL)

    def tearDown(self):
        self.data.close()

    def test_the_fixture_itself_generates(self):
        files, docs, reports = self.data.generate()
        self.assertIn('{"2", 1, 1},', files["src/data/dict_10023.cpp"])
        self.assertEqual(reports, [])

    def test_each_bad_row_stops_the_generator_with_file_line_and_reason(self):
        for what, name, edit, where, reason in SMALL_CASES:
            with self.subTest(what):
                self.data.write(name, None if edit is None else edit(SMALL[name]))
                try:
                    with self.assertRaises(common.GenError) as cm:
                        self.data.generate()
                    msg = str(cm.exception)
                    self.assertTrue(msg.startswith(where), msg)
                    self.assertIn(reason, msg)
                finally:
                    self.data.write(name, SMALL[name])

    def test_public_rows_need_a_named_source(self):
        self.data.write("10023_document_kind.tsv", DOCUMENT.replace("paszport\tgiven", "paszport\tpublic"))
        with self.assertRaisesRegex(common.GenError, "^10023_document_kind.tsv: .*names no public source"):
            self.data.generate()
        self.data.write("10023_document_kind.SOURCES.md",
                        NOTE + "\n## Public sources\n\n| id | what |\n|---|---|\n| `du1998-982` | annex 20 |\n")
        self.data.generate()

    def test_a_table_needs_its_note(self):
        self.data.write("10034_sex.SOURCES.md", None)
        with self.assertRaisesRegex(common.GenError, "^10034_sex.tsv: no provenance note"):
            self.data.generate()


class VerifiedTextsOnly(unittest.TestCase):
    """Reconstructed texts are wrapped for the verified-texts-only build;
    absent rows carry no text at all."""

    def entries(self, name, table, dict_id):
        data = DataFolder(dict(SMALL, **{name: table}))
        try:
            files, docs, _ = data.generate()
        finally:
            data.close()
        text = files["src/data/dict_%d.cpp" % dict_id]
        body = text[text.index("kEntries[] = {"):text.index("};", text.index("kEntries[] = {"))]
        return [line.strip() for line in body.splitlines()[1:]], [d for d in docs if d["id"] == dict_id][0]

    def test_reconstructed_row_wraps_description_and_short_text(self):
        lines, doc = self.entries("10034_sex.tsv", SEX.replace("mężczyzna\tgiven", "mężczyzna\treconstructed"), 10034)
        self.assertRegex(lines[0], r"^\{s\d+, 19981231, 99991231, 64, s\d+\},$")
        self.assertRegex(lines[1], r"^\{KOD_R\(s\d+\), 19981231, 99991231, 64, KOD_R\(s\d+\)\},$")
        self.assertEqual(doc["classes"], {"given": 1, "reconstructed": 1})

    def test_reconstructed_and_verified_rows_with_equal_texts_are_not_shared(self):
        table = HEADER + ("1\t19981231\t99991231\t64\tK\tkobieta\tgiven\n"
                          "2\t19981231\t99991231\t64\tK\tkobieta\treconstructed\n")
        lines, _ = self.entries("10034_sex.tsv", table, 10034)
        self.assertEqual(len(lines), 2)
        self.assertNotIn("KOD_R", lines[0])
        self.assertIn("KOD_R", lines[1])

    def test_absent_row_has_null_texts(self):
        lines, doc = self.entries("10023_document_kind.tsv",
                                  DOCUMENT.replace("\\N\tdowód osobisty\tgiven", "\\N\t\\N\tabsent"), 10023)
        self.assertEqual(lines[0], "{nullptr, 19981231, 99991231, 0, nullptr},")
        self.assertEqual(doc["classes"], {"given": 1, "absent": 1})
        self.assertEqual(doc["no_description"], 1)


class ContentChecks(unittest.TestCase):
    """Telling rows and rules of the real tables: one wrong value each."""

    CASES = [
        ("10048 attribute split", "10048_contribution_bases.tsv",
         ("057000\t20060401\t99991231\t6", "057000\t20060401\t99991231\t3"), "209 and 29"),
        ("10048 description", "10048_contribution_bases.tsv",
         ("051000\t20030301\t99991231\t3\t\\N\tNULL", "051000\t20030301\t99991231\t3\t\\N\t\\N"), "\"NULL\""),
        ("10048 a tenth period", "10048_contribution_bases.tsv",
         ("103023\t20030301\t20030930", "103023\t20030301\t20030929"), "nine"),
        ("10047 valid-from", "10047_countries.tsv", ("240\t20070213", "240\t20070214"), "valid-from 20070214, the defined 20070213"),
        ("10046 group short text", "10046_citizenship.tsv", ("25\t19981231\t99991231\t64\t\t", "25\t19981231\t99991231\t64\tEOG\t"),
         "group codes have an empty short text"),
        ("10008 letter of a legal person", "10008_payer_deregistration.tsv", ("211\t19981231\t20030930\t80", "211\t19981231\t20030930\t70"),
         "this entry takes 80"),
        ("10008 edition from 2003 with a letter", "10008_payer_deregistration.tsv", ("117\t20031001\t99991231\t0", "117\t20031001\t99991231\t70"),
         "this entry takes 0"),
        ("10019 401 with a description", "10019_benefits.tsv", ("401\t19981231\t99991231\t0\t\\N\t\\N", "401\t19981231\t99991231\t0\t\\N\tx"),
         "description 'x', the defined null"),
        ("10019 121 editions reordered", "10019_benefits.tsv", ("121\t20080701\t20091231", "121\t20080702\t20091231"),
         "valid-from 20080702, the defined 20080701"),
        ("10015 holds 0562", "10015_titles.tsv", ("0561\t", "0562\t"), "code 0562 is not in the reference key list"),
        ("10040 an edition out of order", "10040_titles.tsv", ("0411\t20100101", "0411\t20031001"), "newest first"),
        ("10014 entry past March 2003", "10014_sickness_funds.tsv", ("17\t19981231\t20030331", "17\t19981231\t20030401"),
         "every entry of the dictionary runs 19981231-20030331"),
        ("10004 seven-digit code in a later edition", "10004_occupations.tsv",
         ("6129001\t19990101\t20021231", "6129001\t20030101\t20041231"), "1999-2002 edition only"),
        ("10004 later editions oldest first", "10004_occupations.tsv", ("011101\t20050101\t99991231", "011101\t20030101\t20041231"),
         "newest first"),
        ("10039 unit without its region", "10039_zus_units.tsv", ("01\t19981231", "00\t19981231"), "group code"),
    ]

    @classmethod
    def setUpClass(cls):
        cls.data = DataFolder({})
        for name in os.listdir(common.DATA):
            src = os.path.join(common.DATA, name)
            if os.path.isdir(src):  # data/current/: the later editions
                shutil.copytree(src, os.path.join(cls.data.dir, name))
            else:
                shutil.copy(src, cls.data.dir)

    @classmethod
    def tearDownClass(cls):
        cls.data.close()

    # 10001 comes from the benefit matrix, which these cases leave aside.
    PROVIDERS = {10001: lambda: []}

    def test_real_tables_pass(self):
        _, docs, reports = self.data.generate(self.PROVIDERS)
        self.assertEqual(len(docs), 45)
        self.assertTrue(any(r.startswith("10004:") for r in reports))

    def test_each_wrong_value_stops_the_generator(self):
        for what, name, (old, new), reason in self.CASES:
            with self.subTest(what):
                good = self.data.read(name)
                self.data.write(name, replace(old, new)(good))
                try:
                    with self.assertRaises(common.GenError) as cm:
                        self.data.generate(self.PROVIDERS)
                    self.assertIn(reason, str(cm.exception))
                    self.assertRegex(str(cm.exception), r"^[a-z0-9_]+\.tsv(:\d+)?: ")
                finally:
                    self.data.write(name, good)


if __name__ == "__main__":
    unittest.main()
