#!/usr/bin/env python3
"""Compares the exported symbols of the built libraries with the export list,
and checks that the Windows DLLs import nothing but KERNEL32 and msvcrt. A
64-bit DLL (PE32+) is held to the 64-bit MSVC decorations of the list.

    check_exports.py --list src/frame/exports.txt [--linux-w SO] [--linux-a SO]
                     [--win-w DLL] [--win-a DLL] [--objdump i686-w64-mingw32-objdump]
"""

import argparse
import re
import subprocess
import sys


def expected(list_path):
    plain, w, a, ww, wa, ww64, wa64 = [], {}, {}, {}, {}, {}, {}
    for line in open(list_path, encoding="utf-8"):
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        f = line.split()
        if len(f) == 1:
            plain.append(f[0])
        else:
            w[f[0]], a[f[0]], ww[f[0]], wa[f[0]] = f[1], f[2], f[3], f[4]
            ww64[f[0]], wa64[f[0]] = f[5], f[6]
    return plain, w, a, ww, wa, ww64, wa64


def linux_exports(path):
    out = subprocess.run(["nm", "-D", "--defined-only", path], check=True, capture_output=True, text=True).stdout
    names = set()
    for line in out.splitlines():
        parts = line.split()
        if len(parts) == 3 and parts[1] in "TtWiD" and parts[1] not in "t":
            names.add(parts[2].split("@")[0])
    return names


def windows_table(path, objdump):
    out = subprocess.run([objdump, "-p", path], check=True, capture_output=True, text=True).stdout
    exports = set()
    imports = set()
    in_exports = False
    is64 = False
    for line in out.splitlines():
        if re.match(r"\s*Magic\s+020b", line):
            is64 = True
        m = re.match(r"\s*DLL Name:\s*(\S+)", line)
        if m:
            imports.add(m.group(1).lower())
        if line.startswith("[Ordinal/Name Pointer] Table"):
            in_exports = True
            continue
        if in_exports:
            m = re.match(r"\s*\[\s*\d+\]\s+(\S+)", line)
            if m:
                exports.add(m.group(1))
            elif line.strip() == "":
                in_exports = False
    return exports, imports, is64


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--list", required=True)
    ap.add_argument("--linux-w")
    ap.add_argument("--linux-a")
    ap.add_argument("--win-w")
    ap.add_argument("--win-a")
    ap.add_argument("--objdump", default="i686-w64-mingw32-objdump")
    args = ap.parse_args()
    plain, w, a, ww, wa, ww64, wa64 = expected(args.list)
    if len(plain) + len(w) != 59:
        print("export list holds %d names, not 59" % (len(plain) + len(w)))
        return 1
    failures = 0
    checks = [(args.linux_w, set(plain) | set(w.values()), "linux"), (args.linux_a, set(plain) | set(a.values()), "linux"),
              (args.win_w, (set(plain) | set(ww.values()), set(plain) | set(ww64.values())), "win"),
              (args.win_a, (set(plain) | set(wa.values()), set(plain) | set(wa64.values())), "win")]
    for path, want, kind in checks:
        if not path:
            continue
        if kind == "linux":
            got = linux_exports(path)
        else:
            got, imports, is64 = windows_table(path, args.objdump)
            want = want[1] if is64 else want[0]
            allowed = {"kernel32.dll", "msvcrt.dll"}
            if not imports or not imports <= allowed:
                print("%s imports %s; only KERNEL32.dll and msvcrt.dll are allowed" % (path, sorted(imports)))
                failures += 1
        missing, extra = want - got, got - want
        if missing or extra:
            print("%s: missing %s, unexpected %s" % (path, sorted(missing), sorted(extra)))
            failures += 1
        else:
            print("%s: %d exports as listed%s" % (path, len(got), " (64-bit)" if kind == "win" and is64 else ""))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
