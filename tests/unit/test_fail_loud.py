"""The generators of committed files stop with a reason when a part of their
input is missing, and their --check fails when a committed file differs.

Each case runs a generator as a program on a temporary copy of the tree
(tools/gen, data/, the vector files) with one thing removed or changed.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "tools", "gen"))

import common  # noqa: E402

GEN = "tools/gen/gen.py"
RULE_VECTORS = "tests/vectors/rule_vectors.py"
BENEFIT_VECTORS = "tests/vectors/gen_benefits_tables.py"


def remove(rel):
    def edit(tree):
        os.remove(os.path.join(tree, rel))
    return edit


def drop_column(rel, col):
    """Removes one column, header and rows, from a TSV file."""
    def edit(tree):
        path = os.path.join(tree, rel)
        with open(path, encoding="utf-8", newline="") as f:
            lines = f.read().split("\n")
        i = lines[0].split("\t").index(col)
        out = []
        for line in lines:
            fields = line.split("\t")
            if len(fields) > i and not line.startswith("#"):
                del fields[i]
            out.append("\t".join(fields))
        with open(path, "w", encoding="utf-8", newline="") as f:
            f.write("\n".join(out))
    return edit


def append(rel, text):
    def edit(tree):
        with open(os.path.join(tree, rel), "a", encoding="utf-8", newline="") as f:
            f.write(text)
    return edit


# (what, program and arguments, edit of the copy, exit status, part of stderr)
CASES = [
    ("generator module missing", [GEN], remove("tools/gen/benefit_matrix.py"), 2,
     "generator module tools/gen/benefit_matrix.py is missing"),
    ("module of the CLI table missing", [GEN, "--check"], remove("tools/gen/cli_provenance.py"), 2,
     "generator module tools/gen/cli_provenance.py is missing"),
    ("rule table missing", [GEN], remove("data/benefit_pairs.tsv"), 2,
     "the table data/benefit_pairs.tsv is missing"),
    ("catalogued dictionary without its table", [GEN], remove("data/10034_sex.tsv"), 2,
     "10034 has a trie in the catalogue but no table"),
    ("column of a rule table missing", [GEN], drop_column("data/zus_branches.tsv", "regon"), 2,
     "zus_branches.tsv:1: missing column 'regon'"),
    ("table the benefit matrix compares its order with missing", [GEN], remove("data/benefit_rules.tsv"), 2,
     "the table data/benefit_rules.tsv is missing"),
    ("rule vectors: a case written after the generated parts", [RULE_VECTORS, "--check"],
     append("tests/vectors/validity.vec", 'sl_SprawdzSlownikNIPZUS(1, "5422591316", null) = 0\n'), 1,
     '-sl_SprawdzSlownikNIPZUS(1, "5422591316", null) = 0'),
    ("rule vectors: a title rule table missing", [RULE_VECTORS, "--check"], remove("data/title_rules.tsv"), 2,
     "title_rules.tsv"),
    ("benefit vectors: the committed file edited", [BENEFIT_VECTORS, "--check"],
     append("tests/vectors/benefits_tables.vec", "# edited\n"), 1, "-# edited"),
    ("benefit vectors: a column missing", [BENEFIT_VECTORS, "--check"], drop_column("data/benefit_pairs.tsv", "partners"),
     2, "lacks the column 'partners'"),
]


class Tree:
    """A copy of the parts of the tree that the generators read and write."""

    PARTS = ("tools/gen", "data", "tests/vectors", "src/data", "src/data_current", "src/platform", "cli/generated", "docs")

    def __init__(self):
        self.dir = tempfile.mkdtemp(prefix="kodownik-loud-")
        for part in self.PARTS:
            shutil.copytree(os.path.join(ROOT, part), os.path.join(self.dir, part),
                            ignore=shutil.ignore_patterns("__pycache__"))

    def run(self, args):
        return subprocess.run([sys.executable, os.path.join(self.dir, args[0])] + args[1:],
                              capture_output=True, text=True, cwd=self.dir)

    def close(self):
        shutil.rmtree(self.dir)


class FailLoud(unittest.TestCase):
    def test_the_unchanged_copy_checks_clean(self):
        tree = Tree()
        try:
            for args in ([GEN, "--check"], [RULE_VECTORS, "--check"], [BENEFIT_VECTORS, "--check"]):
                r = tree.run(args)
                self.assertEqual(r.returncode, 0, "%s: %s" % (args[0], r.stderr))
        finally:
            tree.close()

    def test_each_missing_part_stops_the_generator_with_a_reason(self):
        for what, args, edit, status, reason in CASES:
            with self.subTest(what):
                tree = Tree()
                try:
                    edit(tree.dir)
                    r = tree.run(args)
                    self.assertEqual(r.returncode, status, r.stdout + r.stderr)
                    self.assertIn(reason, r.stderr)
                    self.assertNotIn("Traceback", r.stderr)
                finally:
                    tree.close()


class MissingColumn(unittest.TestCase):
    """A column read from a row that the table lacks names the row."""

    def test_reading_an_absent_column_fails_with_the_place(self):
        row = common.Row(code="1")
        row.where = "x.tsv:2"
        for read in (lambda: row["source"], lambda: row.get("source")):
            with self.assertRaisesRegex(common.GenError, r"^x\.tsv:2: the table has no column 'source'$"):
                read()
        self.assertEqual(row.get("code"), "1")


if __name__ == "__main__":
    unittest.main()
