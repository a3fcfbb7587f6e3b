#!/usr/bin/env bash
# Builds and runs the lookup benchmark, then prints library/direct ratios.
# The databases (1 thousand, 100 thousand, 1 million promotion rows) are
# generated on the first run into bench-data/ (about 0.5 GB, a few minutes).
# Extra arguments go to the benchmark, e.g. --benchmark_filter=/1000$
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
mkdir -p bench-data
QEX_BENCH_DIR=bench-data build/bench/lookup_bench \
  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_out=bench-data/results.json --benchmark_out_format=json "$@"
python3 bench/ratios.py bench-data/results.json
