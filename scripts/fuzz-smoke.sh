#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each briefly over its
# committed seed corpus: a quick check that no seed crashes, leaks or hangs.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-20}"

CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMONTHLYCALENDAR_FUZZ=ON -DMONTHLYCALENDAR_TESTS=OFF -DMONTHLYCALENDAR_BENCH=OFF >/dev/null
cmake --build build-fuzz

shopt -s nullglob
for target in build-fuzz/fuzz/fuzz_*; do
  [[ -x "$target" && -f "$target" ]] || continue
  name=$(basename "$target")
  corpus="fuzz/corpus/${name#fuzz_}"
  work=$(mktemp -d)
  [[ -d "$corpus" ]] && cp -r "$corpus"/. "$work"/
  echo "== $name for ${seconds}s"
  QT_QPA_PLATFORM=offscreen "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 "$work"
  rm -rf "$work"
done
