#!/bin/bash
# SPDX-License-Identifier: MIT
# Every source file, build file and script names its licence in its first
# lines. Usage: SpdxHeadersTest.sh <source folder>
set -euo pipefail
cd "$1"
missing=$(find . \( -path './build*' -o -path './.git' -o -path '*/corpus' \) -prune -o -type f \
    \( -name '*.cpp' -o -name '*.h' -o -name '*.cmake' -o -name '*.sh' -o -name 'CMakeLists.txt' -o -path './.ci/run' \) \
    -print | while read -r file; do
        head -n 3 "$file" | grep -q 'SPDX-License-Identifier: MIT' || echo "$file"
    done)
if [[ -n "$missing" ]]; then
    echo "without an SPDX-License-Identifier line:" >&2
    echo "$missing" >&2
    exit 1
fi
