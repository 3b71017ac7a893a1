#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package and checks it: it holds the program, the menu
# entry, the icons and the metadata, and depends on the run-time packages.
# Usage: scripts/package-check.sh [build folder]
# Without a folder it uses build-package, a Release build without tests.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-package}

if [[ ! -f $build/CMakeCache.txt ]]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
fi
cmake --build "$build"
rm -f "$build"/monthly-calendar_*.deb
(cd "$build" && cpack -G DEB) >"$build/cpack.log" 2>&1 || { cat "$build/cpack.log" >&2; exit 1; }
deb=$(echo "$build"/monthly-calendar_*.deb)

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
desktop=$(grep -m1 '^\./usr/share/applications/.*\.desktop$' <<<"$contents" || true)
[[ -n $desktop ]] || fail "no desktop entry"
id=$(basename "$desktop" .desktop)
expected=(
  ./usr/bin/monthly-calendar
  "./usr/share/metainfo/$id.metainfo.xml"
  "./usr/share/icons/hicolor/scalable/apps/$id.svg"
  ./usr/share/doc/monthly-calendar/LICENSE
  ./usr/share/man/man1/monthly-calendar.1
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("./usr/share/icons/hicolor/${size}x$size/apps/$id.png")
done
for path in "${expected[@]}"; do
  grep -qxF "$path" <<<"$contents" || fail "not in the package: $path"
done
stray=$(grep -v '^\./usr/' <<<"$contents" | grep -vx '\./' || true)
[[ -z $stray ]] || fail "outside /usr: $stray"

depends=$(dpkg-deb --field "$deb" Depends)
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6svg6 libcups2 fonts-liberation2; do
  grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "does not depend on $package"
done

dpkg-deb --info "$deb"
((failures == 0)) || exit 1
echo "PASS: $deb"
