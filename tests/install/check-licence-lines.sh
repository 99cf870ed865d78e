#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every program source, script and CMake file of the project says its licence in its first lines.
set -euo pipefail
cd "$1"
missing=0
while IFS= read -r -d '' file; do
    if ! head -n 3 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later'; then
        echo "no licence line: $file" >&2
        missing=1
    fi
done < <(find . -path ./build\* -prune -o -path ./.git -prune -o -name node_modules -prune -o -type f \
    \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name '*.py' -o -name '*.mjs' \
       -o -name 'CMakeLists.txt' -o -name '*.cmake' -o -path ./.ci/run \) -print0)
exit "$missing"
