#!/usr/bin/env bash
# Sets up whatever is missing, builds, and shows today in the calendar.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
bash tools/build.sh build -DKESPARO_BENCHMARKS=OFF > /dev/null
build/tools/kesparo-days "$(date +%F)"
