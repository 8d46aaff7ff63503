#!/usr/bin/env python3
"""Turns the raw outputs of scripts/bench into results.json and results.md.

    python3 bench/report.py OUT_DIR

OUT_DIR holds bench_W.json / bench_A.json (Google Benchmark, with
repetitions), first_call_W.txt / first_call_A.txt (one line per fresh
process: load_us build_us rss_load_kb rss_build_kb), callgrind_W.txt
(case impl instructions_per_call) and sizes.txt (name bytes).
"""
import json
import os
import statistics
import sys

IMPLS = ("lib", "hash", "sqlite")

# Case name -> (family, the library call as shown in the table).
CASES = [
    ("lookup6", "dictionary lookup", 'sl_PobierzOpisKodu(root 10004, "011101")'),
    ("lookup7", "dictionary lookup", 'sl_PobierzOpisKodu(root 10004, "6129001")'),
    ("period6", "dictionary lookup", 'sl_PobierzOpisOkresu(10004, "011101", 0)'),
    ("period6_date", "dictionary lookup", 'sl_PobierzOpisOkresu(10004, "011101", 20030615)'),
    ("period7", "dictionary lookup", 'sl_PobierzOpisOkresu(10004, "6129001", 0)'),
    ("period7_date", "dictionary lookup", 'sl_PobierzOpisOkresu(10004, "6129001", 20000101)'),
    ("admit_leaf", "admissibility", 'fb_KVDKodSprawdzArkusze(10004, "011101", "15062003")'),
    ("admit_heading", "admissibility", 'fb_KVDKodSprawdzArkusze(10004, "0111", "15062003")'),
    ("admit_title", "admissibility", 'fb_KVDKodSprawdzArkusze(10003, "011000", "01012005")'),
    ("admit_text", "admissibility", 'fb_KVDKodSprawdzArkusze(10047, "AF", "01012006")'),
    ("admit_text_last", "admissibility", 'fb_KVDKodSprawdzArkusze(10047, "AE", "01012008")'),
    ("benefit_amount", "benefit checks", 'fb_KVDZaleznosciKodSwKwotaTyp("011000", "111", 105, "012005")'),
    ("benefit_pair", "benefit checks", 'fb_KVDKodySwiadMogaBycRazem("111", "121", 20050101)'),
    ("form_rna", "form checks", 'fb_KVD_KodTyt_WypDok_RNA_ONE("", "0110", "0", "0", 3 dates, NULL)'),
    ("obligation", "obligation rules", 'fb_KVDZasadyPodleganiaUb("0110", "0", "0", "01012005")'),
]


def medians(path):
    """(case, impl) -> median CPU ns per call, from a repetitions run."""
    with open(path) as f:
        data = json.load(f)
    out = {}
    for b in data["benchmarks"]:
        if b.get("aggregate_name") != "median":
            continue
        case, impl = b["run_name"].split("/")
        scale = {"ns": 1.0, "us": 1e3, "ms": 1e6}[b.get("time_unit", "ns")]
        out[(case, impl)] = b["cpu_time"] * scale
    return out, data.get("context", {})


def first_call(path):
    rows = []
    with open(path) as f:
        for line in f:
            parts = line.split()
            if len(parts) == 4:
                rows.append([float(p) for p in parts])
    cols = list(zip(*rows))
    return {
        "runs": len(rows),
        "load_us": statistics.median(cols[0]),
        "build_us": statistics.median(cols[1]),
        "build_us_min": min(cols[1]),
        "build_us_max": max(cols[1]),
        "rss_load_kb": statistics.median(cols[2]),
        "rss_build_kb": statistics.median(cols[3]),
    }


def callgrind(path):
    out = {}
    if not os.path.exists(path):
        return out
    with open(path) as f:
        for line in f:
            parts = line.split()
            if len(parts) == 3:
                out[(parts[0], parts[1])] = float(parts[2])
    return out


def sizes(path):
    out = {}
    with open(path) as f:
        for line in f:
            name, size = line.split()
            out[name] = int(size)
    return out


def main():
    d = sys.argv[1]
    result = {"variants": {}, "first_call": {}, "sizes": sizes(os.path.join(d, "sizes.txt"))}
    for v in ("W", "A"):
        p = os.path.join(d, f"bench_{v}.json")
        if os.path.exists(p):
            m, ctx = medians(p)
            result["variants"][v] = {f"{c}/{i}": t for (c, i), t in m.items()}
            result["context"] = ctx
        p = os.path.join(d, f"first_call_{v}.txt")
        if os.path.exists(p):
            result["first_call"][v] = first_call(p)
    cg = callgrind(os.path.join(d, "callgrind_W.txt"))
    result["callgrind_W"] = {f"{c}/{i}": n for (c, i), n in cg.items()}
    result["cases"] = CASES
    with open(os.path.join(d, "results.json"), "w") as f:
        json.dump(result, f, indent=1)

    lines = []
    w = result["variants"].get("W", {})
    a = result["variants"].get("A", {})
    lines.append("| family | call | lib ns (W) | lib ns (A) | hash ns | sqlite ns | lib vs hash | lib vs sqlite "
                 "| Ir lib | Ir hash | Ir sqlite |")
    lines.append("|---|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|")
    slower_than_hash, below_50 = [], []
    for case, family, call in CASES:
        lib, hsh, sql = (w.get(f"{case}/{i}") for i in IMPLS)
        if lib is None:
            continue
        r_h, r_s = hsh / lib, sql / lib
        ir = [cg.get((case, i)) for i in IMPLS]
        ir_s = [f"{x:.0f}" if x is not None else "-" for x in ir]
        lib_a = a.get(f"{case}/lib")
        lines.append(f"| {family} | `{call}` | {lib:.1f} | {lib_a:.1f} | {hsh:.1f} | {sql:.0f} | {r_h:.1f}x | {r_s:.0f}x "
                     f"| {ir_s[0]} | {ir_s[1]} | {ir_s[2]} |" if lib_a is not None else
                     f"| {family} | `{call}` | {lib:.1f} | - | {hsh:.1f} | {sql:.0f} | {r_h:.1f}x | {r_s:.0f}x "
                     f"| {ir_s[0]} | {ir_s[1]} | {ir_s[2]} |")
        if r_h <= 1.0:
            slower_than_hash.append(f"{case} ({r_h:.2f}x)")
        if r_s < 50.0:
            below_50.append(f"{case} ({r_s:.0f}x)")
    lines.append("")
    lines.append("| one-time cost (fresh process, median) | W | A |")
    lines.append("|---|---:|---:|")
    fc = result["first_call"]
    def row(label, key, fmt):
        vals = [fmt.format(fc[v][key]) if v in fc else "-" for v in ("W", "A")]
        lines.append(f"| {label} | {vals[0]} | {vals[1]} |")
    row("runs", "runs", "{:.0f}")
    row("library load (dlopen), µs", "load_us", "{:.0f}")
    row("one-time build (first sl_PobierzSlownik), µs", "build_us", "{:.0f}")
    row("build, fastest run, µs", "build_us_min", "{:.0f}")
    row("build, slowest run, µs", "build_us_max", "{:.0f}")
    row("resident memory added by the load, KiB", "rss_load_kb", "{:.0f}")
    row("resident memory added by the build, KiB", "rss_build_kb", "{:.0f}")
    lines.append("")
    lines.append("| binary | bytes | MiB |")
    lines.append("|---|---:|---:|")
    for name, size in sorted(result["sizes"].items()):
        lines.append(f"| {name} | {size} | {size / 1048576:.2f} |")
    lines.append("")
    t = []
    lk = w.get("lookup6/lib")
    t.append(f"- trie lookup of a 6-digit code <= 15 ns: {lk:.1f} ns: {'met' if lk <= 15 else 'MISSED'}")
    al = w.get("admit_leaf/lib")
    t.append(f"- fb_KVDKodSprawdzArkusze, leaf of 10004 with a date <= 100 ns: {al:.1f} ns: "
             f"{'met' if al <= 100 else 'MISSED'}")
    for v in ("W", "A"):
        if v in fc:
            b = fc[v]["build_us"]
            t.append(f"- one-time build <= 1 ms ({v}): {b:.0f} µs: {'met' if b <= 1000 else 'MISSED'}")
    for name, size in sorted(result["sizes"].items()):
        if name.endswith(".dll"):
            t.append(f"- {name} <= 2 MB: {size / 1048576:.2f} MiB: {'met' if size <= 2 * 1048576 else 'MISSED'}")
    t.append("- faster than the hash-map baseline on every call: "
             + ("met" if not slower_than_hash else "MISSED for " + ", ".join(slower_than_hash)))
    t.append("- at least 50x faster than the SQLite baseline on every call: "
             + ("met" if not below_50 else "MISSED for " + ", ".join(below_50)))
    lines.extend(t)
    with open(os.path.join(d, "results.md"), "w") as f:
        f.write("\n".join(lines) + "\n")
    print("\n".join(lines))


if __name__ == "__main__":
    main()
