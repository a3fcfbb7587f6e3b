#!/usr/bin/env bash
# Set up, build, then walk a sale through every lookup on the demo database.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
exec build/tools/promociones/promociones demo "$@"
