#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets up, builds and starts Monthly Calendar.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMONTHLYCALENDAR_TESTS=OFF -DMONTHLYCALENDAR_BENCH=OFF >/dev/null
cmake --build build --target monthly-calendar
exec build/app/monthly-calendar "$@"
