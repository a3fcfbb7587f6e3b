#!/usr/bin/env python3
"""Prints each lookup's library time beside the direct time of its statements.

Reads Google Benchmark's JSON output (lookup_bench --benchmark_format=json)
and shows, per lookup and database size, the CPU time per call through the
library, the CPU time of the same statements run straight on SQLite, and
their ratio.
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
        name, size = run["run_name"].rsplit("/", 1)
        lookup, side = name[len("BM_"):].rsplit("_", 1)
        times[(lookup, int(size), side)] = run["cpu_time"]
    lookups = sorted({k[0] for k in times})
    sizes = sorted({k[1] for k in times})
    print(f"{'lookup':30} {'rows':>9} {'library µs':>11} {'direct µs':>10} {'ratio':>6}")
    for lookup in lookups:
        for size in sizes:
            lib = times.get((lookup, size, "library"))
            direct = times.get((lookup, size, "direct"))
            if lib is None or direct is None:
                continue
            print(f"{lookup:30} {size:>9} {lib:>11.1f} {direct:>10.1f} {lib / direct:>6.2f}")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "/dev/stdin")
