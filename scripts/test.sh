#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets up, builds and runs every test (unit and end-to-end).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --test
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMONTHLYCALENDAR_TESTS=ON -DMONTHLYCALENDAR_BENCH=ON >/dev/null
cmake --build build-test
ctest --test-dir build-test --output-on-failure
