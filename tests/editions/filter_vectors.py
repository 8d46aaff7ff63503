"""Writes the vectors of tests/vectors/ that hold for the current editions.

    python3 tests/editions/filter_vectors.py OUTDIR

OUTDIR receives a copy of every tests/vectors/*.vec with the cases listed in
tests/editions/snapshot_only.tsv commented out, and snapshot_only.vec with
those cases alone (the current build must fail each of them). Exits 1 when a
listed case is no longer in its file, so that the list stays exact.
"""

import glob
import os
import sys

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))


def main(out_dir):
    listed = {}
    with open(os.path.join(ROOT, "tests/editions/snapshot_only.tsv"), encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            name, case = line.rstrip("\n").split("\t", 1)
            listed.setdefault(name, set()).add(case)
    found = {}
    with open(os.path.join(out_dir, "snapshot_only.vec"), "w", encoding="utf-8") as only:
        for path in sorted(glob.glob(os.path.join(ROOT, "tests/vectors/*.vec"))):
            name = os.path.basename(path)
            with open(path, encoding="utf-8") as f, \
                    open(os.path.join(out_dir, name), "w", encoding="utf-8") as out:
                for line in f:
                    case = line.rstrip("\n")
                    if case in listed.get(name, ()):
                        found.setdefault(name, set()).add(case)
                        only.write(case + "\n")
                        out.write("# " + case + "\n")
                    else:
                        out.write(line)
    missing = [(n, c) for n, cs in sorted(listed.items()) for c in sorted(cs) if c not in found.get(n, ())]
    for n, c in missing:
        print("editions: listed case not in %s: %s" % (n, c))
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
