#!/usr/bin/env python3
"""Reads every #include of src/ (and the internal headers cli/ takes from
src/) and fails on one that breaks the order of the layers.

    python3 tests/layers/check_includes.py [--src DIR] [--cli DIR]

The layers, bottom to top (docs/ARCHITECTURE.md):

    platform -> frame -> records -> data -> dates -> dictionary
             -> checks | benefits | titles -> exports

A file may include headers of its own directory and of any lower layer;
never of a higher layer, nor of a sibling family (checks, benefits and
titles share a level and include nothing of each other). The generated
tables (data/) include the header of record types and nothing else. The
command-line tool may take from src/ only the inline rule headers listed in
CLI_SHARED. Every directory of src/ must have a layer, so that a new one is
placed on purpose.
"""

import os
import re
import sys

# Directory -> level. Directories on one level are siblings.
LAYERS = {
    "platform": 0,
    "frame": 1,
    "records": 2,
    "data": 3,
    "data_current": 3,  # the current editions: tries and node pool in place of data/'s files of the same names
    "dates": 4,
    "dictionary": 5,
    "checks": 6,
    "benefits": 6,
    "titles": 6,
    "exports": 7,
}

# The public header: below everything, any layer may include it.
PUBLIC = "kodownik"

# The generated tables, and what they may include.
GENERATED = {"data", "data_current"}
DATA_ONLY = {"records/records.h"}

# Internal headers the command-line tool shares with the library: the rules
# behind its explanations, inline and free of tables, and what they include.
CLI_SHARED = {
    "dates/period.h",
    "dictionary/code_rules.h",
    "records/records.h",
    "frame/text.h",
    "platform/platform.h",
}

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
SOURCE_SUFFIXES = (".h", ".cpp", ".inl", ".inc")


def includes_of(path):
    """(line number, included name) of each quoted #include of a file."""
    out = []
    with open(path, encoding="utf-8", errors="replace") as f:
        for n, line in enumerate(f, 1):
            m = INCLUDE.match(line)
            if m:
                out.append((n, m.group(1)))
    return out


def check_src(src):
    """Violations (strings) of the layer order in a src/ tree."""
    problems = []
    for dirpath, _, files in sorted(os.walk(src)):
        rel_dir = os.path.relpath(dirpath, src)
        if rel_dir == ".":
            for name in sorted(files):
                if name.endswith(SOURCE_SUFFIXES):
                    problems.append("%s: a source file outside every layer's directory" % name)
            continue
        top = rel_dir.split(os.sep)[0]
        if top not in LAYERS:
            problems.append("%s/: a directory without a layer (add it to LAYERS)" % rel_dir)
            continue
        level = LAYERS[top]
        for name in sorted(files):
            if not name.endswith(SOURCE_SUFFIXES):
                continue
            where = "%s/%s" % (rel_dir, name)
            for line, inc in includes_of(os.path.join(dirpath, name)):
                at = "%s:%d: #include \"%s\"" % (where, line, inc)
                if "/" not in inc:
                    problems.append("%s: name the header with its directory" % at)
                    continue
                target = inc.split("/")[0]
                if target == PUBLIC:
                    continue
                if target not in LAYERS:
                    problems.append("%s: a header outside every layer" % at)
                    continue
                if top in GENERATED:
                    if inc not in DATA_ONLY:
                        problems.append("%s: the generated tables include only %s" % (at, ", ".join(sorted(DATA_ONLY))))
                    continue
                if target == top:
                    continue
                if LAYERS[target] > level:
                    problems.append("%s: %s is a higher layer than %s" % (at, target, top))
                elif LAYERS[target] == level:
                    problems.append("%s: %s is a sibling of %s" % (at, target, top))
    return problems


def check_cli(cli, src):
    """Violations of the tool's use of src/: only the shared rule headers."""
    problems = []
    for dirpath, _, files in sorted(os.walk(cli)):
        for name in sorted(files):
            if not name.endswith(SOURCE_SUFFIXES):
                continue
            path = os.path.join(dirpath, name)
            for line, inc in includes_of(path):
                if inc.split("/")[0] in LAYERS and os.path.exists(os.path.join(src, inc)) and inc not in CLI_SHARED:
                    problems.append("%s:%d: #include \"%s\": the tool shares only %s" % (
                        os.path.relpath(path, cli), line, inc, ", ".join(sorted(CLI_SHARED))))
    return problems


def main(argv):
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    src = os.path.join(root, "src")
    cli = os.path.join(root, "cli")
    args = list(argv)
    while args:
        opt = args.pop(0)
        if opt == "--src" and args:
            src = args.pop(0)
        elif opt == "--cli" and args:
            cli = args.pop(0)
        else:
            print(__doc__, file=sys.stderr)
            return 2
    if not os.path.isdir(src):
        print("check_includes: no directory %s" % src, file=sys.stderr)
        return 2
    problems = check_src(src)
    if os.path.isdir(cli):
        problems += check_cli(cli, src)
    for p in problems:
        print("layers: " + p, file=sys.stderr)
    count = sum(len(includes_of(os.path.join(d, f))) for d, _, fs in os.walk(src) for f in fs
                if f.endswith(SOURCE_SUFFIXES))
    print("layers: %d includes read, %d out of order" % (count, len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
