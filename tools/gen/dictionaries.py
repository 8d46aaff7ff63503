"""The dictionary catalogue and the content of the catalogued tries.

data/catalogue.tsv lists every ID 10001-10049 with its name, whether it has
a trie, its code and entry counts, the code lengths it admits and whether the
counts are enforced. Each dictionary's content is data/<ID>_<name>.tsv with
the columns code, valid_from, valid_to, attribute, short_text, description,
source. A dictionary whose content comes from a rule table (10001) gets it
from a provider registered in PROVIDERS.
"""

import glob
import os

import common
from common import (Entry, GenError, StringPool, check_digits, check_period, check_source,
                    emit_trie, fail, file_text, parse_int, read_tsv)

# id -> function returning a list of (code, [Entry]) (rule-table dictionaries)
PROVIDERS = {}
# id -> function(codes, stats) run after the generic checks (telling rows etc.)
CHECKS = {}
# functions(tables) run once every dictionary has been read; tables maps each
# catalogued trie ID to {"codes": [(code, [Entry])], "table": file name or
# None, "entry": its catalogue record}. Checks that span dictionaries or rest
# on the reference key lists live here.
FINAL_CHECKS = []
# messages of counts that are reported rather than enforced
REPORTS = []


def read_catalogue():
    rows = read_tsv("catalogue.tsv", ("id", "name", "trie", "codes", "entries", "lengths", "counts", "source"))
    cat = []
    ids = set()
    for r in rows:
        i = parse_int(r, "id", 10001, 10049)
        if i in ids:
            fail(r.where, "ID %d listed twice" % i)
        ids.add(i)
        check_source(r)
        has_trie = r["trie"] == "yes"
        if r["trie"] not in ("yes", "no"):
            fail(r.where, "trie must be yes or no")
        cat.append({
            "id": i, "name": r["name"], "trie": has_trie,
            "codes": parse_int(r, "codes"), "entries": parse_int(r, "entries"),
            "lengths": set(int(x) for x in r["lengths"].split(",")) if has_trie else set(),
            "enforced": r["counts"] == "enforced", "where": r.where,
        })
    if ids != set(range(10001, 10050)):
        fail("catalogue.tsv", "IDs 10001-10049 must all be listed once")
    return cat


def table_path(dict_id):
    found = sorted(glob.glob(os.path.join(common.DATA, "%d_*.tsv" % dict_id)))
    if len(found) > 1:
        fail("data/", "more than one table for %d: %s" % (dict_id, ", ".join(found)))
    return os.path.basename(found[0]) if found else None


def read_dictionary(name):
    """(code, [Entry]) in the order of the table; entries of one code must be
    consecutive rows and keep their order."""
    rows = read_tsv(name, ("code", "valid_from", "valid_to", "attribute", "short_text", "description", "source"))
    codes = []
    index = {}
    for r in rows:
        code = check_digits(r)
        a, b = check_period(r)
        attr = parse_int(r, "attribute", 0, 127)
        src = check_source(r)
        desc = r["description"]
        if src == "absent" and (desc is not None or r["short_text"] is not None):
            fail(r.where, "source 'absent' but the row has a text")
        short_src = None
        if "short_source" in r:
            short_src = check_source(r, "short_source")
            if r["short_text"] is None and short_src != "absent":
                fail(r.where, "short_source %r but the row has no short text" % short_src)
        e = Entry(desc, a, b, attr, r["short_text"], src, r.where, short_src)
        if code in index:
            if codes[-1][0] != code:
                fail(r.where, "entries of code %s are not consecutive" % code)
            codes[-1][1].append(e)
        else:
            index[code] = len(codes)
            codes.append((code, [e]))
    for i in range(1, len(codes)):
        if codes[i - 1][0] > codes[i][0]:
            fail(name, "codes not in ascending digit order: %s before %s" % (codes[i - 1][0], codes[i][0]))
    return codes


def text_classes(codes):
    """Entries per source class (every entry counts once, texts or not)."""
    counts = {}
    for _, entries in codes:
        for e in entries:
            counts[e.source] = counts.get(e.source, 0) + 1
    return counts


def generate(out, docs):
    cat = read_catalogue()
    names = StringPool("n")
    catalogue_lines = []
    externs = []
    tables = {}
    for d in cat:
        i = d["id"]
        name_ref = names.ref(d["name"], d["where"])
        if not d["trie"]:
            if table_path(i) or i in PROVIDERS:
                fail(d["where"], "%d has content but no trie in the catalogue" % i)
            catalogue_lines.append("    {%d, %s, nullptr}," % (i, name_ref))
            continue
        table = None
        if i in PROVIDERS:
            codes = PROVIDERS[i]()
            table = "(rule table)"
        else:
            table = table_path(i)
            if table is None:
                fail(d["where"], "%d has a trie in the catalogue but no table data/%d_<name>.tsv" % (i, i))
            codes = read_dictionary(table)
        for code, entries in codes:
            if len(code) not in d["lengths"]:
                fail(entries[0].where if table else str(i), "code %s has length %d; %d admits %s" % (
                    code, len(code), i, ",".join(map(str, sorted(d["lengths"])))))
        symbol = "kTrie%d" % i
        statics, definition, stats = emit_trie(symbol, codes, "dictionary %d" % i)
        out.add("src/data/dict_%d.cpp" % i, file_text(statics, definition))
        externs.append("extern const ZrodloTrie %s;" % symbol)
        catalogue_lines.append("    {%d, %s, &%s}," % (i, name_ref, symbol))
        msg = "%d: %d codes, %d entries (target %d, %d)" % (i, stats["codes"], stats["entries"], d["codes"], d["entries"])
        if (stats["codes"], stats["entries"]) != (d["codes"], d["entries"]):
            if d["enforced"] and table:
                raise GenError("%s: counts differ from the catalogue: %s" % (table or i, msg))
            REPORTS.append(msg)
        if i in CHECKS:
            CHECKS[i](codes, stats)
        tables[i] = {"codes": codes, "table": table, "entry": d}
        docs.append({"id": i, "name": d["name"], "table": table, "stats": stats, "target": (d["codes"], d["entries"]),
                     "enforced": d["enforced"], "classes": text_classes(codes),
                     "no_description": sum(1 for _, es in codes for e in es if e.description is None)})
    for check in FINAL_CHECKS:
        check(tables)
    body = names.emit() + "\n"
    defs = "\n".join(externs) + "\n\nextern const PozycjaKatalogu kKatalog[49] = {\n" + "\n".join(catalogue_lines) + "\n};\n"
    out.add("src/data/catalogue.cpp", file_text(body, defs))


import dictionary_checks  # noqa: E402

dictionary_checks.register(CHECKS, FINAL_CHECKS, REPORTS)
