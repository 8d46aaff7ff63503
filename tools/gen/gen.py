#!/usr/bin/env python3
"""Generates src/data/*.cpp and docs/DATA.md from data/*.tsv.

    python3 tools/gen/gen.py           write the generated files
    python3 tools/gen/gen.py --check   exit 1 when a committed file differs

Every check of the data runs in both modes; a disagreement stops the
generator with the file, line and reason.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import common  # noqa: E402
import dictionaries  # noqa: E402
import datadoc  # noqa: E402

# The generator modules: each registers its providers and checks on import
# and writes its own files. Every one is required; a missing module stops the
# generator rather than leaving its tables empty.
MODULE_NAMES = ("cp1250", "title_rules", "benefits", "benefit_matrix", "forms", "branches", "cli_provenance")


def load_modules():
    modules = []
    for name in MODULE_NAMES:
        try:
            modules.append(__import__(name))
        except ModuleNotFoundError as e:
            if e.name != name:
                raise
            raise common.GenError("generator module tools/gen/%s.py is missing" % name)
        if not callable(getattr(modules[-1], "generate", None)):
            raise common.GenError("generator module tools/gen/%s.py has no generate()" % name)
    return modules


def editions_part(out):
    """The `current` build's tables and their section of docs/DATA.md."""
    try:
        import editions
    except ModuleNotFoundError as e:
        if e.name != "editions":
            raise
        return ""
    editions.generate(out)
    return editions.doc_sections()


def main(argv):
    check = "--check" in argv
    out = common.Output()
    docs = []
    try:
        for m in load_modules():
            m.generate(out)
        dictionaries.generate(out, docs)
        out.add("src/data/node_pool.cpp", common.NODE_POOL.file())
        out.add("docs/DATA.md", datadoc.render(docs, dictionaries.REPORTS) + editions_part(out))
    except common.GenError as e:
        print("gen: error: %s" % e, file=sys.stderr)
        return 2
    for msg in dictionaries.REPORTS:
        print("gen: reported (not enforced): %s" % msg, file=sys.stderr)
    if check:
        stale = out.check(lambda text: print(text, file=sys.stderr))
        if stale:
            print("gen: generated files differ from the data: %s" % ", ".join(stale), file=sys.stderr)
            return 1
        print("gen: %d generated files up to date" % len(out.files))
        return 0
    out.write()
    print("gen: wrote %d files" % len(out.files))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
