#!/usr/bin/env bash
# Builds and runs the lookup benchmark (each lookup, the whole sale of a
# till, stores with the same rows in force and promotions for every
# customer), prints the library's ratios to both baselines, then runs the
# explanations' benchmark. The databases (up to 1 million promotion rows)
# are generated on the first run into bench-data/ (about 1.2 GB, a few
# minutes); a full run takes about 15 minutes.
# Repetitions are interleaved at random and the median is kept, so a
# neighbour's load on a shared machine skews both sides alike.
# Extra arguments go to the benchmark, e.g. --benchmark_filter=/1000$
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
mkdir -p bench-data
QEX_BENCH_DIR=bench-data build/bench/lookup_bench \
  --benchmark_repetitions=9 --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true \
  --benchmark_out=bench-data/results.json --benchmark_out_format=json "$@"
python3 bench/ratios.py bench-data/results.json
QEX_BENCH_DIR=bench-data build/bench/explain_bench "$@"
