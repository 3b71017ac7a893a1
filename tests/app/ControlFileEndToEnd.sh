#!/bin/bash
# SPDX-License-Identifier: MIT
# End to end on a real X server with a window manager: the user picks a
# control file in the chooser with the mouse, confirms it, prints, and the
# page carries the file's fields and its day note exactly once.
# Usage: ControlFileEndToEnd.sh <monthly-calendar executable>
# Exits 77 (skipped) when the display or its tools cannot be started.
set -euo pipefail

program=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
xvfb_pid=
openbox_pid=
app_pid=

cleanup() {
    for pid in $app_pid $openbox_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    cat "$work/openbox.log" "$work/app.log" >&2 2>/dev/null || true
    exit 1
}

skip() {
    echo "SKIP: $*" >&2
    exit 77
}

# Polls until the command succeeds; an end-to-end run waits on real windows.
wait_for() {
    local what=$1
    shift
    for _ in $(seq 1 200); do
        if "$@" >/dev/null 2>&1; then
            return 0
        fi
        sleep 0.1
    done
    fail "timed out waiting for $what"
}

for tool in Xvfb openbox xdotool xprop pdftotext; do
    command -v "$tool" >/dev/null || skip "$tool not found"
done

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 1 200); do
    if [ -s "$work/display" ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
        break
    fi
    sleep 0.1
done
[ -s "$work/display" ] || skip "cannot start Xvfb: $(cat "$work/xvfb.log")"
export DISPLAY=":$(cat "$work/display")"

openbox >"$work/openbox.log" 2>&1 &
openbox_pid=$!
wait_for "openbox" sh -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"

mkdir -p "$work/home" "$work/files" "$work/runtime"
chmod 700 "$work/runtime"
printf 'HDR My Header\r\nNOT line one\r\nMSG Greetings\r\nYER 2004\r\nMON 2\r\nDAY 5 Dentist\r\n' \
    >"$work/files/notes.txt"

# No CUPS server: "Save as PDF" into the documents folder is the current device.
# In sanitizer builds the leak check ignores what the X11 platform keeps.
(cd "$work/files" && exec env HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime" \
    CUPS_SERVER="$work/no-cups.sock" QT_QPA_PLATFORM=xcb LANGUAGE=en \
    LSAN_OPTIONS="suppressions=$here/../support/lsan-suppressions.txt:print_suppressions=0" \
    "$program") >"$work/app.log" 2>&1 &
app_pid=$!

wait_for "the main window" xdotool search --onlyvisible --name '^ Monthly Calendar$'
main=$(xdotool search --onlyvisible --name '^ Monthly Calendar$' | head -n1)
wait_for "the main window's focus" test "$(xdotool getactivewindow)" = "$main"

# Clicks at a point given in twips inside a window's client area, which
# starts below the menu bar when the window has one.
click_at() {
    local window=$1 clientHeight=$2 left=$3 top=$4
    eval "$(xdotool getwindowgeometry --shell "$window")"
    local menu=$((HEIGHT - clientHeight))
    xdotool mousemove --window "$window" $((left / 15)) $((menu + top / 15)) click 1
}

# "Select Day Notes" (5400, 4680, 1800 x 300)
click_at "$main" 444 6300 4830
wait_for "the chooser" xdotool search --onlyvisible --name '^Select Files$'
chooser=$(xdotool search --onlyvisible --name '^Select Files$' | head -n1)
wait_for "the chooser's focus" test "$(xdotool getactivewindow)" = "$chooser"
# The only file of the current directory is the first line of the file list.
click_at "$chooser" 655 3440 330
# "Select" (2257, 5520, 1500 x 400)
click_at "$chooser" 655 3007 5720
wait_for "the chooser to hide" sh -c "! xdotool search --onlyvisible --name '^Select Files$'"
wait_for "the main window's focus back" test "$(xdotool getactivewindow)" = "$main"

# Back and forth on the main window itself: no new hand-back.
click_at "$main" 444 2000 1250
# "Print Calendar(s)" (360, 5760, 1600 x 495)
click_at "$main" 444 1160 6000
pdf="$work/home/Documents/Calendar 2004-02.pdf"
wait_for "the printed page" test -s "$pdf"
wait_for "the PDF to be complete" sh -c "pdfinfo '$pdf'"

text=$(pdftotext -layout "$pdf" -)
grep -q "My Header" <<<"$text" || fail "header field not filled from the file"
grep -q "line one" <<<"$text" || fail "notes line not filled from the file"
grep -q "Greetings" <<<"$text" || fail "message line not filled from the file"
grep -q "February 2004" <<<"$text" || fail "year and month not taken from the file"
count=$(grep -o "Dentist" <<<"$text" | wc -l)
[ "$count" -eq 1 ] || fail "the day note is printed $count times, expected once"

# "Done" (5640, 5760, 1215 x 495) ends the program.
click_at "$main" 444 6247 6007
wait_for "the program to end" sh -c "! kill -0 $app_pid"
wait "$app_pid" || fail "the program ended with status $?"
app_pid=
echo "PASS"
