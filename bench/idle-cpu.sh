#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# CPU time an idle calendar uses: starts kesparo under Xvfb, lets it settle for 5 s, then reads
# the process's user + system CPU time before and after 10 idle seconds.
# Usage: bench/idle-cpu.sh [path/to/kesparo]   (Linux: reads /proc)
set -euo pipefail
program=${1:-build/app/kesparo}
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  "$0" > /dev/null 2>&1 & pid=$!
  ticks() { awk "{print \$14 + \$15}" /proc/$pid/stat; }
  sleep 5
  before=$(ticks)
  sleep 10
  after=$(ticks)
  kill $pid
  hz=$(getconf CLK_TCK)
  awk -v t=$((after - before)) -v hz=$hz "BEGIN { printf \"idle CPU over 10 s: %.3f s\\n\", t / hz }"
' "$program"
