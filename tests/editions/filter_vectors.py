"""Writes the vectors of tests/vectors/ that hold for the current editions.

    python3 tests/editions/filter_vectors.py OUTDIR
    python3 tests/editions/filter_vectors.py --differ RUNNER LIBRARY FILE

OUTDIR receives a copy of every tests/vectors/*.vec with the cases listed in
tests/editions/snapshot_only.tsv commented out, and snapshot_only.vec with
those cases alone (the current build must fail each of them). Exits 1 when a
listed case is no longer in its file, so that the list stays exact.

With --differ it runs the conformance RUNNER on LIBRARY with each case of
FILE alone and exits 1 unless every one of them fails.
"""

import glob
import os
import subprocess
import sys
import tempfile

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


def differ(runner, library, path):
    with open(path, encoding="utf-8") as f:
        cases = [line.rstrip("\n") for line in f if line.strip() and not line.startswith("#")]
    still = []
    with tempfile.TemporaryDirectory() as tmp:
        one = os.path.join(tmp, "case.vec")
        for case in cases:
            with open(one, "w", encoding="utf-8") as f:
                f.write(case + "\n")
            out = subprocess.run([runner, library, one], capture_output=True, text=True).stdout
            if " 0 failed" in out and " 0 passed" not in out:
                still.append(case)
    for case in still:
        print("editions: the current build answers this reference case as listed, remove it from "
              "tests/editions/snapshot_only.tsv: %s" % case)
    print("editions: %d listed cases, %d differ" % (len(cases), len(cases) - len(still)))
    return 1 if still or not cases else 0


if __name__ == "__main__":
    if sys.argv[1] == "--differ":
        sys.exit(differ(*sys.argv[2:5]))
    sys.exit(main(sys.argv[1]))
