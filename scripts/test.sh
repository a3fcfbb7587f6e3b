#!/usr/bin/env bash
# Set up, build, then run every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cd "${BUILD_DIR:-build}"
ctest --output-on-failure -j"$(nproc)" "$@"
