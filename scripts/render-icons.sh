#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Renders the PNG icons from the scalable one; run after changing
# data/icons/monthly-calendar.svg and commit the result. Needs librsvg2-bin.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" monthly-calendar.svg --output "monthly-calendar-$size.png"
done
