#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build folder BUILD into a temporary prefix and checks what lands there: the desktop
# entry with desktop-file-validate, the AppStream metadata with appstreamcli (the file and the tree
# it sits in), the manual pages with groff, and that the icon the entry names is there at the
# sizes its folders claim. Any warning fails.
# Usage: check-install.sh BUILD APP_ID
set -euo pipefail
build=$1 id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
cd "$prefix"
status=0
fail() { echo "FAIL: $*" >&2; status=1; }
quiet() { # runs a validator; fails on its exit status or on anything it prints
  local out
  out=$("$@" 2>&1) || { fail "$*"; echo "$out" >&2; return; }
  [ -z "$out" ] || { fail "$* printed:"; echo "$out" >&2; }
}

for file in bin/kesparo bin/kesparo-days share/man/man1/kesparo.1.gz share/man/man1/kesparo-days.1.gz; do
  [ -f "$file" ] || fail "not installed: $file"
done

desktop=share/applications/$id.desktop
quiet desktop-file-validate "$desktop"
appstreamcli validate --no-net --strict "share/metainfo/$id.metainfo.xml" > /dev/null || fail "appstreamcli validate"
appstreamcli validate-tree --no-net --strict . > /dev/null || fail "appstreamcli validate-tree"

# man(1) reads the pages through preconv on a UTF-8 terminal; groff's default PostScript device
# has no Chinese glyphs at all.
for page in share/man/man1/*.1.gz; do
  quiet bash -c 'set -o pipefail; gzip -dc "$1" | groff -k -man -Tutf8 -ww -z' - "$page"
done

icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon.svg"
[ -f "share/icons/hicolor/16x16/apps/$icon.png" ] || fail "no 16 px icon $icon.png"
for png in share/icons/hicolor/*x*/apps/*.png; do
  size=$(basename "$(dirname "$(dirname "$png")")")
  file -b "$png" | grep -q "PNG image data, ${size/x/ x }," || fail "$png is not $size: $(file -b "$png")"
done
exit $status
