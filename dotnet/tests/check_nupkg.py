#!/usr/bin/env python3
"""Checks the layout of the NuGet package scripts/package-dotnet writes: the
.nuspec, the same assembly under lib/net462 and lib/netstandard2.0, and each
native library under its runtime folder built for that runtime's machine.

    check_nupkg.py PACKAGE.nupkg VERSION
"""

import struct
import sys
import xml.etree.ElementTree as ET
import zipfile

# path in the package -> (kind, machine) the file must be; None: any content
EXPECTED = {
    "Kodownik.nuspec": None,
    "[Content_Types].xml": None,
    "_rels/.rels": None,
    "lib/net462/Kodownik.dll": ("pe", 0x14C),             # a .NET assembly is a 32-bit PE image
    "lib/net462/Kodownik.xml": None,
    "lib/netstandard2.0/Kodownik.dll": ("pe", 0x14C),
    "lib/netstandard2.0/Kodownik.xml": None,
    "runtimes/win-x86/native/Kodownik_W.dll": ("pe", 0x14C),   # i386
    "runtimes/win-x64/native/Kodownik_W.dll": ("pe", 0x8664),  # x86-64
    "runtimes/linux-x64/native/libKodownik_W.so": ("elf", 62),  # EM_X86_64
}


def machine(data):
    if data[:4] == b"\x7fELF":
        return "elf", struct.unpack_from("<H", data, 18)[0]
    if data[:2] == b"MZ":
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] == b"PE\0\0":
            return "pe", struct.unpack_from("<H", data, pe + 4)[0]
    return "?", 0


def main():
    path, version = sys.argv[1], sys.argv[2]
    failures = []
    with zipfile.ZipFile(path) as z:
        names = set(z.namelist())
        for name, want in sorted(EXPECTED.items()):
            if name not in names:
                failures.append("missing " + name)
            elif want and machine(z.read(name)) != want:
                failures.append("%s is %s, not %s" % (name, machine(z.read(name)), want))
        extra = names - set(EXPECTED)
        if extra:
            failures.append("unexpected entries " + ", ".join(sorted(extra)))
        if "lib/net462/Kodownik.dll" in names and "lib/netstandard2.0/Kodownik.dll" in names:
            if z.read("lib/net462/Kodownik.dll") != z.read("lib/netstandard2.0/Kodownik.dll"):
                failures.append("the two lib folders hold different assemblies")
        if "Kodownik.nuspec" in names:
            ns = {"n": "http://schemas.microsoft.com/packaging/2013/05/nuspec.xsd"}
            meta = ET.fromstring(z.read("Kodownik.nuspec")).find("n:metadata", ns)
            for tag, want in (("id", "Kodownik"), ("version", version)):
                got = meta.findtext("n:" + tag, namespaces=ns) if meta is not None else None
                if got != want:
                    failures.append("nuspec %s is %r, not %r" % (tag, got, want))
            deps = meta.findall("n:dependencies/n:group/n:dependency", ns) if meta is not None else []
            if deps:
                failures.append("the package must have no dependencies")
    for f in failures:
        print("FAIL " + f)
    print("package layout: %d entries checked, %d failures" % (len(EXPECTED), len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
