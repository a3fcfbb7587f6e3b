#!/usr/bin/env bash
# Builds and runs the lookup benchmark, then prints library/direct ratios.
# The databases (1 thousand, 100 thousand, 1 million promotion rows) are
# generated on the first run into bench-data/ (about 0.5 GB, a few minutes).
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
