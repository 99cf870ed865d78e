#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a release of Kesparo in build-package/ with Debian's hardening flags, makes the Debian
# package with CPack, checks it with lintian (an error fails), and prints the package's path on its
# last line.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh

dir=build-package
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
bash tools/build.sh "$dir" -DCMAKE_BUILD_TYPE=Release -DKESPARO_TESTS=OFF -DKESPARO_BENCHMARKS=OFF \
  -DKESPARO_SANITIZE=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" > /dev/null

rm -f "$dir"/kesparo_*.deb
(cd "$dir" && cpack -G DEB > cpack.log 2>&1) || { cat "$dir/cpack.log"; exit 1; }
package=$(realpath "$dir"/kesparo_*.deb)
lintian --fail-on error --info "$package" >&2
echo "$package"
