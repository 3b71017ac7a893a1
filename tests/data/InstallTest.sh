#!/bin/bash
# SPDX-License-Identifier: MIT
# Installs the build into a staging folder as a package would, then checks
# what a desktop reads from it: the menu entry and the metadata pass their
# validators, name each other, the icon and the program; every icon has the
# size its folder claims; the installed program starts on its own.
# Usage: InstallTest.sh <cmake> <build folder> <version> <application id>
# Needs desktop-file-utils and appstream.
set -euo pipefail

cmake=$1 build=$2 version=$3 id=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stage=$work/stage
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

DESTDIR=$stage "$cmake" --install "$build" --prefix /usr >"$work/install.log" ||
    { cat "$work/install.log" >&2; exit 1; }

outside=$(cd "$stage" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$outside" ] || fail "installed outside the prefix: $outside"

program=$stage/usr/bin/monthly-calendar
desktop=$stage/usr/share/applications/$id.desktop
metainfo=$stage/usr/share/metainfo/$id.metainfo.xml
icons=$stage/usr/share/icons/hicolor
for file in "$program" "$desktop" "$metainfo" "$icons/scalable/apps/$id.svg" \
    "$stage/usr/share/doc/monthly-calendar/LICENSE" "$stage/usr/share/doc/monthly-calendar/copyright" \
    "$stage/usr/share/doc/monthly-calendar/changelog.gz" "$stage/usr/share/man/man1/monthly-calendar.1.gz"; do
    [ -f "$file" ] || fail "not installed: ${file#"$stage"}"
done
[ -x "$program" ] || fail "the program is not executable"

# Width and height are the two big-endian words after the PNG's IHDR tag.
png_size() {
    local words
    read -r -a words < <(od -An -tu1 -j16 -N8 "$1")
    echo "$(((words[0] << 24) + (words[1] << 16) + (words[2] << 8) + words[3]))x$(((words[4] << 24) + (words[5] << 16) + (words[6] << 8) + words[7]))"
}
for size in 16 22 24 32 48 64 128 256; do
    png=$icons/${size}x$size/apps/$id.png
    if [ -f "$png" ]; then
        actual=$(png_size "$png")
        [ "$actual" = "${size}x$size" ] || fail "$size px icon is $actual"
    else
        fail "no $size px icon"
    fi
done

desktop-file-validate "$desktop" || fail "desktop entry does not validate"
appstreamcli validate --no-net "$metainfo" || fail "metainfo does not validate"

entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Icon)" = "$id" ] || fail "desktop entry's icon is '$(entry Icon)', expected $id"
exec_program=$(entry Exec | cut -d' ' -f1)
# A file manager opens calendar files and address books with it.
[ "$(entry Exec | cut -d' ' -f2)" = "%F" ] || fail "desktop entry takes no files: '$(entry Exec)'"
[ "$(entry MimeType)" = "text/calendar;text/vcard;text/x-vcard;" ] ||
    fail "desktop entry declares '$(entry MimeType)', expected the calendar and vCard types"
[ -x "$stage/usr/bin/$exec_program" ] || fail "desktop entry runs '$exec_program', which is not installed"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $id.desktop"
grep -q "<release version=\"$version\" date=\"[0-9-]*\">" "$metainfo" ||
    fail "metainfo has no release entry for version $version"

# Starts from the staging folder alone, with an empty home.
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
# Still running with its window open when the time is up.
status=0
(cd "$work" && HOME=$work/home XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=offscreen \
    timeout 5 "$program") >"$work/run.log" 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
    cat "$work/run.log" >&2
    fail "the installed program did not start and keep its window open (exit $status)"
fi

[ "$failures" -eq 0 ] || exit 1
echo "PASS"
