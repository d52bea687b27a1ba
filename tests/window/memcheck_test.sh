#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A real session under valgrind's memcheck: start, a river, a settlement,
# close. No memory error and no definite leak; the suppressions cover only the
# system libraries' own (tests/valgrind.supp says why for each).
#   memcheck_test.sh path/to/reki-i-selishta   (run through with-xvfb.sh --wm)
set -uo pipefail
program=$1
source "$(dirname "$0")/../checks.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

valgrind --tool=memcheck --error-exitcode=99 --leak-check=full --show-leak-kinds=definite \
    --errors-for-leak-kinds=definite --child-silent-after-fork=yes --num-callers=40 \
    --suppressions="$(dirname "$0")/../valgrind.supp" --log-file="$work/memcheck.log" \
    "$program" &
pid=$!
window=$(timeout 120 xdotool search --sync --onlyvisible --name 'География - реки и селища' | head -n 1)
check "the window appears under valgrind" test -n "$window"
if [ -n "$window" ]; then
    sleep 1
    # "река Огоста", then "Бобошево" (entry 2, in view at the top of the list).
    xdotool mousemove --window "$window" $((64 + 8 + 60)) $((32 + 24 + 48 + 9)) click 1
    sleep 1.5
    xdotool mousemove --window "$window" 250 $((64 + 2 * 19 + 9)) click 1
    sleep 1.5
    xdotool windowactivate --sync "$window" key --clearmodifiers alt+F4
fi
status=timeout
for _ in $(seq 600); do
    if ! kill -0 "$pid" 2>/dev/null; then wait "$pid"; status=$?; break; fi
    sleep 0.1
done
[ "$status" = timeout ] && kill "$pid"
check "the program ends with status 0, no error and no definite leak (status $status)" test "$status" = 0
check "memcheck counts no error" grep -q 'ERROR SUMMARY: 0 errors' "$work/memcheck.log"
[ "$status" = 0 ] || cat "$work/memcheck.log"
finish
