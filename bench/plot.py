#!/usr/bin/env python3
"""Plots ns per call per case for the library and both baselines.

    python3 bench/plot.py OUT_DIR/results.json docs/performance.png

Needs matplotlib (Debian: python3-matplotlib; scripts/bench installs it).
"""
import json
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402


def main():
    src, dst = sys.argv[1], sys.argv[2]
    with open(src) as f:
        r = json.load(f)
    w = r["variants"]["W"]
    cases = [c for c, _, _ in r["cases"] if f"{c}/lib" in w]
    labels = {"lib": "Kodownik_W (trie)", "hash": "std::unordered_map baseline",
              "sqlite": "SQLite in memory, prepared statement"}
    colors = {"lib": "#1f77b4", "hash": "#ff7f0e", "sqlite": "#7f7f7f"}
    fig, ax = plt.subplots(figsize=(11, 5.5), dpi=110)
    width = 0.27
    for k, impl in enumerate(("lib", "hash", "sqlite")):
        xs = [i + (k - 1) * width for i in range(len(cases))]
        ys = [w[f"{c}/{impl}"] for c in cases]
        ax.bar(xs, ys, width, label=labels[impl], color=colors[impl])
    ax.set_yscale("log")
    ax.set_ylabel("ns per call (median CPU time, log scale)")
    ax.set_xticks(range(len(cases)))
    ax.set_xticklabels(cases, rotation=35, ha="right")
    ax.set_title("Warm-table calls per export family: library against both baselines")
    ax.grid(axis="y", which="both", alpha=0.3)
    top = max(w[f"{c}/{i}"] for c in cases for i in ("lib", "hash", "sqlite"))
    ax.set_ylim(top=top * 12)  # room for the legend
    ax.legend(loc="upper left", fontsize=9)
    fig.tight_layout()
    fig.savefig(dst)


if __name__ == "__main__":
    main()
