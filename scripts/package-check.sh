#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package and checks it: it holds the program, the menu
# entry, the icons, the metadata and the documents Debian asks for, depends
# on the run-time packages, and lintian finds no error and no warning
# (package lintian).
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
  ./usr/share/doc/monthly-calendar/copyright
  ./usr/share/doc/monthly-calendar/changelog.gz
  ./usr/share/man/man1/monthly-calendar.1.gz
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
# libcups2 comes with libqt6printsupport6, whose CUPS plugin loads it.
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6svg6 fonts-liberation2; do
  grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "does not depend on $package"
done

# The hardening flags (cmake/Hardening.cmake); lintian reports some of them
# missing only as information.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb --fsys-tarfile "$deb" | tar -x -C "$work" ./usr/bin/monthly-calendar
dynamic=$(readelf -d "$work/usr/bin/monthly-calendar")
segments=$(readelf -lW "$work/usr/bin/monthly-calendar")
symbols=$(readelf --dyn-syms -W "$work/usr/bin/monthly-calendar")
grep -q 'Flags:.* NOW' <<<"$dynamic" || fail "the program is not linked with -z now"
grep -q GNU_RELRO <<<"$segments" || fail "the program is not linked with -z relro"
grep -q 'Flags:.* PIE' <<<"$dynamic" || fail "the program is not position-independent"
grep -q __stack_chk_fail <<<"$symbols" || fail "the program has no stack protector"

dpkg-deb --info "$deb"

# Informational and pedantic tags are shown but do not fail.
if command -v lintian >/dev/null; then
  lintian --fail-on error,warning --display-info "$deb" || fail "lintian reports errors or warnings"
else
  fail "lintian is not installed (bash scripts/setup.sh --test installs it)"
fi

((failures == 0)) || exit 1
echo "PASS: $deb"
