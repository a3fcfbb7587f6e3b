#!/usr/bin/env python3
"""Prints each lookup's library time beside the two baselines.

Reads Google Benchmark's JSON output (lookup_bench --benchmark_format=json)
and shows, per lookup and database size, the CPU time per call through the
library, the CPU time of the same statements run straight on SQLite
(prepared each run: "direct"; prepared once: "floor"), and the library's
ratio to each; then the whole sale's 50th and 95th percentiles the same way.
"""
import json
import sys


def medians(runs):
    """(name, size, side) -> the run's fields, medians where repeated."""
    kept = {}
    for run in runs:
        if run.get("run_type") == "aggregate" and run.get("aggregate_name") != "median":
            continue
        name, size = run["run_name"].split("/")[:2]
        if not name.startswith("BM_") or "_" not in name[3:]:
            continue
        what, side = name[len("BM_"):].rsplit("_", 1)
        kept[(what, int(size), side)] = run
    return kept


def table(kept, whats, field, unit, title):
    sizes = sorted({k[1] for k in kept})
    print(f"{title:30} {'rows':>9} {'library ' + unit:>11} {'direct ' + unit:>10} "
          f"{'floor ' + unit:>9} {'/direct':>7} {'/floor':>7}")
    for what in whats:
        for size in sizes:
            sides = [kept.get((what, size, s)) for s in ("library", "direct", "floor")]
            if None in sides or any(field not in s for s in sides):
                continue
            lib, direct, floor = (s[field] for s in sides)
            print(f"{what:30} {size:>9} {lib:>11.1f} {direct:>10.1f} "
                  f"{floor:>9.1f} {lib / direct:>7.2f} {lib / floor:>7.2f}")


def main(path):
    with open(path) as f:
        kept = medians(json.load(f)["benchmarks"])
    lookups = sorted({k[0] for k in kept} -
                     {"Sale", "SaleSameInForce", "Resident_five", "Pv_everyone"})
    table(kept, lookups, "cpu_time", "µs", "lookup")
    if any(k[0] == "Sale" for k in kept):
        print()
        table(kept, ["Sale"], "p50_ms", "ms", "whole sale, p50")
        table(kept, ["Sale"], "p95_ms", "ms", "whole sale, p95")
    same = [kept.get(("SaleSameInForce", n, "library")) for n in (1000, 1000000)]
    if None not in same:
        small, large = (r["cpu_time"] for r in same)
        print(f"\nwhole sale, same rows in force: {small:.2f} ms with 1 thousand "
              f"rows of history, {large:.2f} ms with 1 million ({large / small:.2f}x)")
    everyone = [kept.get(("Pv_everyone", n, "library")) for n in (0, 10000)]
    if None not in everyone:
        none, many = (r["cpu_time"] for r in everyone)
        print(f"Pv quantity lookup: {none:.1f} µs with no promotion for everyone, "
              f"{many:.1f} µs with 10,000 that do not match: "
              f"{(many - none) / 10000 * 1000:.0f} ns per promotion visited")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "/dev/stdin")
