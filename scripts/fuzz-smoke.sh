#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libFuzzer targets with clang and runs each briefly, starting from
# its committed seed corpus: a quick check that no seed crashes, leaks or hangs.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-20}"
targets=(notes calendar picture wmf text)

CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMONTHLYCALENDAR_FUZZ=ON -DMONTHLYCALENDAR_TESTS=OFF -DMONTHLYCALENDAR_BENCH=OFF >/dev/null
cmake --build build-fuzz --target "${targets[@]/%/_fuzz}"

for name in "${targets[@]}"; do
  scratch=$(mktemp -d)
  limits=(-timeout=10 -rss_limit_mb=2048)
  # A picture may take 1 s and 300 MB natively; with the sanitizers' cost on
  # top, anything past these limits is a memory or time bomb, and a finding.
  [[ $name == picture || $name == wmf ]] && limits=(-timeout=5 -rss_limit_mb=1024 -malloc_limit_mb=512)
  max_len=65536
  # A calendar up to 1 MB is read in well under a second natively; one that
  # takes 2 s is a freeze (a long line, a huge time zone), and a finding.
  [[ $name == calendar ]] && limits=(-timeout=2 -rss_limit_mb=2048) && max_len=1048576
  options=(-max_total_time="$seconds" "${limits[@]}" -max_len="$max_len")
  [[ -f "fuzz/$name.dict" ]] && options+=(-dict="fuzz/$name.dict")
  echo "== ${name}_fuzz for ${seconds}s"
  # New inputs go to the scratch folder; the committed corpus stays as it is.
  QT_QPA_PLATFORM=offscreen LSAN_OPTIONS="suppressions=$PWD/tests/support/lsan-suppressions.txt" \
    "build-fuzz/fuzz/${name}_fuzz" "${options[@]}" "$scratch" "fuzz/corpus/$name"
  rm -rf "$scratch"
done
