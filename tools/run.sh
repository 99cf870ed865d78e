#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up whatever is missing, builds, and starts the calendar. Without a display it runs the
# calendar under Xvfb for a few seconds instead and saves a screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
bash tools/build.sh build > /dev/null

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/app/kesparo
fi

mkdir -p screenshots
shot="$(pwd)/screenshots/kesparo.png"
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  build/app/kesparo & pid=$!
  sleep 5
  import -window root "$0"
  kill $pid' "$shot"
echo "No display here: ran Kesparo under Xvfb and saved a screenshot to $shot"
