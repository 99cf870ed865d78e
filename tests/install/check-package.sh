#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build folder BUILD into a temporary folder and runs lintian
# on it: an error or a warning fails. tools/package.sh does the same for a release build.
# Usage: check-package.sh BUILD
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$out" > "$out/cpack.log" 2>&1 || { cat "$out/cpack.log" >&2; exit 1; }
lintian --fail-on error,warning "$out"/kesparo_*.deb
