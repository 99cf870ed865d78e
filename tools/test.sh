#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up whatever is missing, builds, and runs every test: once in an optimised build and once
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== build and test (RelWithDebInfo)"
bash tools/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESPARO_BENCHMARKS=ON
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== build and test under AddressSanitizer + UndefinedBehaviorSanitizer"
bash tools/build.sh build-sanitize -DCMAKE_BUILD_TYPE=Debug -DKESPARO_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
