#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Two copies of the program side by side share nothing: a choice in one
# leaves the other's window as it was. Both end with status 0 when closed.
#   two_copies_test.sh path/to/reki-i-selishta   (run through with-xvfb.sh --wm)
set -uo pipefail
program=$1
source "$(dirname "$0")/../checks.sh"
work=$(mktemp -d)
trap 'kill $first $second 2>/dev/null; rm -rf "$work"' EXIT

"$program" & first=$!
a=$(xdotool search --all --sync --onlyvisible --pid "$first" --name 'реки и селища' | head -n 1)
"$program" & second=$!
b=$(xdotool search --all --sync --onlyvisible --pid "$second" --name 'реки и селища' | head -n 1)
check "two windows" test -n "$a" -a -n "$b" -a "$a" != "$b"
xdotool windowmove --sync "$a" 0 0 windowmove --sync "$b" 600 400
sleep 0.5

import -window "$a" "$work/a-before.png"
import -window "$b" "$work/b-before.png"
# Choose "река Огоста" in the first window.
xdotool mousemove --window "$a" $((64 + 8 + 60)) $((32 + 24 + 48 + 9)) click 1
sleep 0.5
import -window "$a" "$work/a-after.png"
import -window "$b" "$work/b-after.png"
# The number of pixels that differ between two pictures.
differing() { compare -metric AE "$1" "$2" null: 2>&1; }
check "the choice changed the first window" test "$(differing "$work/a-before.png" "$work/a-after.png")" != 0
# Above the report box, whose caret blinks and goes when the window does not
# have the focus.
for picture in b-before b-after; do
    convert "$work/$picture.png" -crop 461x200+0+0 +repage "$work/$picture-top.png"
done
check "the second window's rivers and settlements stayed as they were" \
    test "$(differing "$work/b-before-top.png" "$work/b-after-top.png")" = 0

for pid in $first $second; do
    window=$(xdotool search --all --onlyvisible --pid "$pid" --name 'реки и селища' | head -n 1)
    xdotool windowactivate --sync "$window" key --clearmodifiers alt+F4
done
for pid in $first $second; do
    status=timeout
    for _ in $(seq 100); do
        if ! kill -0 "$pid" 2>/dev/null; then wait "$pid"; status=$?; break; fi
        sleep 0.05
    done
    check "copy $pid ends with status 0 (was $status)" test "$status" = 0
done
finish
