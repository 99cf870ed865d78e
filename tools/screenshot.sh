#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes a screenshot of the calendar under Xvfb with a window manager, for looking at what users
# see: tools/screenshot.sh OUT.png [SCALE] [DATE]. SCALE is Qt's scale factor (1, 1.5, 2);
# DATE (YYYY-MM-DD, default 2026-12-06) is the day the program takes for today, through faketime.
# Builds nothing: it runs build/app/kesparo.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "$1")
scale=${2:-1}
day=${3:-2026-12-06}
width=$(awk -v s="$scale" 'BEGIN { printf "%d", 1280 * s }')
height=$(awk -v s="$scale" 'BEGIN { printf "%d", 800 * s }')
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" QT_SCALE_FACTOR="$scale" \
  xvfb-run -a -s "-screen 0 ${width}x${height}x24" bash -c '
    openbox > /dev/null 2>&1 &
    sleep 1
    faketime "$1 12:00:00" build/app/kesparo > /dev/null 2>&1 & pid=$!
    sleep "${KESPARO_SHOT_DELAY:-2.5}"
    import -window root "$2"
    kill $pid' _ "$day" "$out"
echo "$out"
