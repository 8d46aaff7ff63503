"""The include-order check on small trees: a clean tree passes, and each
kind of violation is caught (a checker that passes everything would pass
the real tree too)."""

import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import check_includes  # noqa: E402

CLEAN = {
    "platform/platform.h": "",
    "platform/posix.cpp": '#include "platform/platform.h"\n#include "platform/cp1250_table.inc"\n',
    "frame/text.h": '#include "kodownik/kodownik.h"\n#include "platform/platform.h"\n',
    "records/records.h": '#include "frame/text.h"\n',
    "data/dict_10001.cpp": '#include "records/records.h"\n',
    "dates/dates.h": '#include "frame/text.h"\n#include "dates/period.h"\n',
    "dictionary/trie.h": '#include "records/records.h"\n#include "dates/dates.h"\n',
    "checks/admissibility.cpp": '#include "dictionary/trie.h"\n#include "dictionary/code_rules.h"\n',
    "benefits/tables.cpp": '#include "dictionary/catalogue.h"\n#include "dates/period.h"\n',
    "titles/forms.cpp": '#include <cstdarg>\n// #include "checks/admissibility.h" in a comment\n',
    "exports/build_order.cpp": '#include "checks/branches.h"\n#include "titles/forms.h"\n#include "benefits/tables.h"\n',
}

# (file, text, what the message names); each is added to the clean tree alone.
VIOLATIONS = [
    ("platform/posix.cpp", '#include "frame/thread_buffer.h"\n', "higher layer"),
    ("frame/text.h", '#include "records/records.h"\n', "higher layer"),
    ("dates/period.cpp", '#include "dictionary/catalogue.h"\n', "higher layer"),
    ("dictionary/title_index.cpp", '#include "titles/rules.h"\n', "higher layer"),
    ("checks/validity.cpp", '#include "titles/rules.h"\n', "sibling"),
    ("benefits/pairs.cpp", '#include "checks/admissibility.h"\n', "sibling"),
    ("titles/obligation.cpp", '#include "exports/build_order.h"\n', "higher layer"),
    ("data/title_rules.cpp", '#include "titles/rules.h"\n', "include only"),
    ("data/node_pool.cpp", '#include "dictionary/trie.h"\n', "include only"),
    ("data/zus.cpp", '#include "frame/text.h"\n', "include only"),
    ("checks/text.cpp", '#include "admissibility.h"\n', "with its directory"),
    ("checks/text.cpp", '#include "misc/util.h"\n', "outside every layer"),
    ("newlayer/a.cpp", '#include "frame/text.h"\n', "without a layer"),
    ("loose.cpp", "", "outside every layer"),
    ("benefits/x.cpp", '  #  include "titles/forms.h"\n', "sibling"),
]


def write_tree(root, files):
    for rel, text in files.items():
        path = os.path.join(root, rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w") as f:
            f.write(text)


class IncludeOrder(unittest.TestCase):
    def test_clean_tree_passes(self):
        with tempfile.TemporaryDirectory() as d:
            write_tree(d, CLEAN)
            self.assertEqual(check_includes.check_src(d), [])

    def test_each_violation_is_caught(self):
        for rel, text, message in VIOLATIONS:
            with self.subTest(file=rel, include=text.strip()):
                with tempfile.TemporaryDirectory() as d:
                    files = dict(CLEAN)
                    files[rel] = files.get(rel, "") + text
                    write_tree(d, files)
                    problems = check_includes.check_src(d)
                    self.assertEqual(len(problems), 1, problems)
                    self.assertIn(message, problems[0])

    def test_cli_takes_only_the_shared_rule_headers(self):
        cases = [
            ('#include "dictionary/code_rules.h"\n#include "dates/period.h"\n#include "text.h"\n', 0),
            ('#include "checks/admissibility.h"\n', 1),
            ('#include "dictionary/trie.h"\n#include "frame/build.h"\n', 2),
        ]
        for text, expected in cases:
            with self.subTest(include=text):
                with tempfile.TemporaryDirectory() as d:
                    src, cli = os.path.join(d, "src"), os.path.join(d, "cli")
                    write_tree(src, dict(CLEAN, **{"dictionary/code_rules.h": "", "dates/period.h": "",
                                                   "frame/build.h": "", "checks/admissibility.h": ""}))
                    write_tree(cli, {"check.cpp": text, "text.h": ""})
                    self.assertEqual(len(check_includes.check_cli(cli, src)), expected)

    def test_the_real_tree_passes(self):
        root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
        src = os.path.join(root, "src")
        self.assertEqual(check_includes.check_src(src), [])
        self.assertEqual(check_includes.check_cli(os.path.join(root, "cli"), src), [])


if __name__ == "__main__":
    unittest.main()
