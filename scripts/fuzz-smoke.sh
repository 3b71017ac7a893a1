#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each briefly, starting from
# its committed seed corpus: a quick check that no seed crashes, leaks or hangs.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-20}"
targets=(notes calendar picture wmf)

CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMONTHLYCALENDAR_FUZZ=ON -DMONTHLYCALENDAR_TESTS=OFF -DMONTHLYCALENDAR_BENCH=OFF >/dev/null
cmake --build build-fuzz --target "${targets[@]/%/_fuzz}"

for name in "${targets[@]}"; do
  scratch=$(mktemp -d)
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536)
  [[ -f "fuzz/$name.dict" ]] && options+=(-dict="fuzz/$name.dict")
  echo "== ${name}_fuzz for ${seconds}s"
  # New inputs go to the scratch folder; the committed corpus stays as it is.
  QT_QPA_PLATFORM=offscreen LSAN_OPTIONS="suppressions=$PWD/tests/support/lsan-suppressions.txt" \
    "build-fuzz/fuzz/${name}_fuzz" "${options[@]}" "$scratch" "fuzz/corpus/$name"
  rm -rf "$scratch"
done
