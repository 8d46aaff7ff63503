#!/usr/bin/env python3
"""Reads the MSVC decorations of the export list back with llvm-undname: each
must name the header's declaration for its text type, and carry the pointer
width of its DLL (a 64-bit decoration marks every pointer __ptr64 with E, a
32-bit one none).

    check_decorations.py --list src/frame/exports.txt [--undname llvm-undname]
"""

import argparse
import re
import subprocess
import sys

# (export, column of the list, declaration llvm-undname must print, 64-bit?)
# Columns: 3 W-msvc, 4 A-msvc, 5 W-msvc-x64, 6 A-msvc-x64.
CASES = [
    ("ZamienStala", 3, "int __cdecl ZamienStala(unsigned short const *, int)", False),
    ("ZamienStala", 4, "int __cdecl ZamienStala(char const *, int)", False),
    ("ZamienStala", 5, "int __cdecl ZamienStala(unsigned short const *, int)", True),
    ("ZamienStala", 6, "int __cdecl ZamienStala(char const *, int)", True),
    ("fb_KVD_KodTyt_WypDok_ONE", 3, "int __cdecl fb_KVD_KodTyt_WypDok_ONE(unsigned short const *, "
     "struct _stOpisKodu const *, unsigned short const **)", False),
    ("fb_KVD_KodTyt_WypDok_ONE", 4, "int __cdecl fb_KVD_KodTyt_WypDok_ONE(char const *, "
     "struct _stOpisKodu const *, char const **)", False),
    ("fb_KVD_KodTyt_WypDok_ONE", 5, "int __cdecl fb_KVD_KodTyt_WypDok_ONE(unsigned short const *, "
     "struct _stOpisKodu const *, unsigned short const **)", True),
    ("fb_KVD_KodTyt_WypDok_ONE", 6, "int __cdecl fb_KVD_KodTyt_WypDok_ONE(char const *, "
     "struct _stOpisKodu const *, char const **)", True),
]


def decorated(list_path):
    table = {}
    for line in open(list_path, encoding="utf-8"):
        f = line.split()
        if len(f) > 1 and not f[0].startswith("#"):
            table[f[0]] = f
    return table


def undname(tool, names):
    out = subprocess.run([tool], input="\n".join(names) + "\n", check=True, capture_output=True, text=True).stdout
    lines = [l for l in out.splitlines() if l.strip()]
    # llvm-undname echoes each name, then prints its reading
    return {lines[i]: lines[i + 1] for i in range(0, len(lines) - 1, 2)}


def pointer_widths(name):
    """For each pointer of the argument list (P, Q: pointer to), whether it
    carries the __ptr64 qualifier E."""
    args = name.split("@@", 1)[1]
    return [m.group(1) == "E" for m in re.finditer(r"P(E?)[ABCD]", args)]


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--list", required=True)
    ap.add_argument("--undname", default="llvm-undname")
    args = ap.parse_args()
    table = decorated(args.list)
    names = [table[e][col] for e, col, _, _ in CASES if e in table and len(table[e]) > col]
    readings = undname(args.undname, names) if names else {}
    failures = 0
    for export, col, want, wide_ptrs in CASES:
        row = table.get(export)
        if not row or len(row) <= col:
            print("FAIL %s: no column %d in the export list" % (export, col))
            failures += 1
            continue
        name = row[col]
        got = readings.get(name)
        widths = pointer_widths(name)
        if got != want:
            print("FAIL %s reads as %r, not %r" % (name, got, want))
            failures += 1
        elif not widths or any(w != wide_ptrs for w in widths):
            print("FAIL %s: pointers %s, expected all %s" % (name, widths, "64-bit" if wide_ptrs else "32-bit"))
            failures += 1
        else:
            print("ok   %s  %s%s" % (name, got, "  [64-bit]" if wide_ptrs else ""))
    print("decorations: %d passed, %d failed" % (len(CASES) - failures, failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
