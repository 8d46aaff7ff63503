#!/usr/bin/env python3
"""Checks the layout of the NuGet package scripts/package-dotnet writes: the
.nuspec, the same assembly under lib/net462 and lib/netstandard2.0, and each
native library under its runtime folder built for that runtime's machine.

    check_nupkg.py PACKAGE.nupkg VERSION [EDITIONS]

EDITIONS (default snapshot) is what the package must state it carries: in
its description and in Kodownik.editions beside the assembly and beside
each native library.
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
EDITIONS_FILES = ["lib/net462/Kodownik.editions", "lib/netstandard2.0/Kodownik.editions",
                  "runtimes/win-x86/native/Kodownik.editions", "runtimes/win-x64/native/Kodownik.editions",
                  "runtimes/linux-x64/native/Kodownik.editions"]
EXPECTED.update({f: None for f in EDITIONS_FILES})


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
    editions = sys.argv[3] if len(sys.argv) > 3 else "snapshot"
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
            description = meta.findtext("n:description", namespaces=ns) if meta is not None else None
            if not description or ("Code lists: %s editions" % editions) not in description:
                failures.append("the description does not state the %s editions: %r" % (editions, description))
            deps = meta.findall("n:dependencies/n:group/n:dependency", ns) if meta is not None else []
            if deps:
                failures.append("the package must have no dependencies")
        for f in EDITIONS_FILES:
            if f in names and z.read(f) != (editions + "\n").encode("ascii"):
                failures.append("%s holds %r, not %s" % (f, z.read(f), editions))
    for f in failures:
        print("FAIL " + f)
    print("package layout: %d entries checked, %d failures" % (len(EXPECTED), len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
