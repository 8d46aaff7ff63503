#!/usr/bin/env python3
"""Runs the examples of the public header against a built library.

Every exported function of include/kodownik/kodownik.h carries one line
" * Example: CALL -> RESULT"; this script checks that each of the exports
listed in src/frame/exports.txt has exactly one, writes them as a vector
file and runs it with the conformance runner.

    check_examples.py LIBRARY RUNNER [RUNNER ARGUMENTS...]

RUNNER is the conformance runner, with a launcher in front where one is
needed (wine kodownik_conformance.exe); it is called as RUNNER LIBRARY FILE.
"""

import os
import re
import subprocess
import sys
import tempfile

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
HEADER = os.path.join(ROOT, "include", "kodownik", "kodownik.h")
EXPORTS = os.path.join(ROOT, "src", "frame", "exports.txt")
EXAMPLE = re.compile(r"^ \* Example: (([A-Za-z_0-9]+)\(.*\)) -> (.+?)( \*/)?$")


def exports():
    with open(EXPORTS, encoding="utf-8") as f:
        return [l.split()[0] for l in f if l.strip() and not l.startswith("#")]


def examples(text):
    """[(function, vector line)]; raises ValueError on a malformed line."""
    out = []
    for n, line in enumerate(text.splitlines(), 1):
        if "Example:" not in line:
            continue
        m = EXAMPLE.match(line)
        if not m:
            raise ValueError("kodownik.h:%d: an example must read ' * Example: CALL -> RESULT'" % n)
        out.append((m.group(2), "%s = %s" % (m.group(1), m.group(3))))
    return out


def problems(found, names):
    """Exports without exactly one example, and examples of unknown functions."""
    out = []
    for name in names:
        k = sum(1 for f, _ in found if f == name)
        if k != 1:
            out.append("%s has %d examples" % (name, k))
    out += ["example of %s, which is not an export" % f for f, _ in found if f not in names]
    return out


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    with open(HEADER, encoding="ascii") as f:
        found = examples(f.read())
    bad = problems(found, exports())
    if bad:
        print("header examples: " + "; ".join(bad), file=sys.stderr)
        return 1
    with tempfile.TemporaryDirectory() as d:
        vec = os.path.join(d, "header_examples.vec")
        with open(vec, "w", encoding="utf-8") as f:
            f.write("".join(line + "\n" for _, line in found))
        r = subprocess.run(argv[2:] + [argv[1], vec])
    return r.returncode


if __name__ == "__main__":
    sys.exit(main(sys.argv))
