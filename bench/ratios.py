#!/usr/bin/env python3
"""Prints each lookup's library time beside the two baselines.

Reads Google Benchmark's JSON output (lookup_bench --benchmark_format=json)
and shows, per lookup and database size, the CPU time per call through the
library, the CPU time of the same statements run straight on SQLite
(prepared each run: "direct"; prepared once: "floor"), and the library's
ratio to each.
"""
import json
import sys


def main(path):
    with open(path) as f:
        runs = json.load(f)["benchmarks"]
    times = {}
    for run in runs:
        if run.get("run_type") == "aggregate" and run.get("aggregate_name") != "median":
            continue
        if run["run_name"].startswith("BM_Resident"):
            continue
        name, size = run["run_name"].split("/")[:2]
        lookup, side = name[len("BM_"):].rsplit("_", 1)
        times[(lookup, int(size), side)] = run["cpu_time"]
    lookups = sorted({k[0] for k in times})
    sizes = sorted({k[1] for k in times})
    print(f"{'lookup':30} {'rows':>9} {'library µs':>11} {'direct µs':>10} "
          f"{'floor µs':>9} {'/direct':>7} {'/floor':>7}")
    for lookup in lookups:
        for size in sizes:
            lib = times.get((lookup, size, "library"))
            direct = times.get((lookup, size, "direct"))
            floor = times.get((lookup, size, "floor"))
            if lib is None or direct is None or floor is None:
                continue
            print(f"{lookup:30} {size:>9} {lib:>11.1f} {direct:>10.1f} "
                  f"{floor:>9.1f} {lib / direct:>7.2f} {lib / floor:>7.2f}")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "/dev/stdin")
