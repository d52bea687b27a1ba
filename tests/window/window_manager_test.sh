#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program under a window manager on a real X server: what it tells the
# window manager, where its window opens, and that closing the window (the
# close command, Alt+F4) ends the program with status 0 and no output.
#   window_manager_test.sh path/to/reki-i-selishta   (run through with-xvfb.sh --wm)
set -uo pipefail

program=$1
source "$(dirname "$0")/../checks.sh"

err=$(mktemp)
trap 'rm -f "$err"' EXIT
"$program" 2>"$err" &
pid=$!

window=""
for _ in $(seq 100); do
    window=$(xdotool search --sync --onlyvisible --name 'География - реки и селища' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    sleep 0.05
done
check "the window appears" test -n "$window"
[ -n "$window" ] || { kill "$pid"; exit 1; }
sleep 0.3

motif=$(xprop -id "$window" _MOTIF_WM_HINTS | sed 's/.*= //')
IFS=', ' read -r flags functions decorations _ <<<"$motif"
check "Motif hints name functions and decorations" test $((flags & 3)) -eq 3
check "no minimise or maximise function" test $((functions & 0x18)) -eq 0
check "move and close are offered" test $((functions & 0x24)) -eq $((0x24))
check "no minimise or maximise button" test $((decorations & 0x60)) -eq 0
hints=$(xprop -id "$window" WM_NORMAL_HINTS)
check "minimum size 461 by 379" grep -q 'minimum size: 461 by 379' <<<"$hints"
check "maximum size 461 by 379" grep -q 'maximum size: 461 by 379' <<<"$hints"
actions=$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS)
check "the window manager allows moving and closing" \
    grep -q '_NET_WM_ACTION_MOVE.*_NET_WM_ACTION_CLOSE\|_NET_WM_ACTION_CLOSE.*_NET_WM_ACTION_MOVE' <<<"$actions"
for action in RESIZE MINIMIZE MAXIMIZE_HORZ MAXIMIZE_VERT FULLSCREEN; do
    check "the window manager does not allow $action" \
        bash -c "! grep -q '_NET_WM_ACTION_$action\b' <<<\"\$0\"" "$actions"
done
check "the title ends with three blanks and the program's name" \
    bash -c "xprop -id $window _NET_WM_NAME | grep -q '[^ ]   География - реки и селища\"\$'"

# Centred on the screen: the client area's middle within a title bar's height
# of the screen's middle.
info=$(xwininfo -id "$window")
X=$(awk '/Absolute upper-left X:/ { print $4 }' <<<"$info")
Y=$(awk '/Absolute upper-left Y:/ { print $4 }' <<<"$info")
WIDTH=$(awk '/Width:/ { print $2 }' <<<"$info")
HEIGHT=$(awk '/Height:/ { print $2 }' <<<"$info")
screen=$(xdpyinfo | awk '/dimensions:/ { print $2 }')
sw=${screen%x*}
sh=${screen#*x}
check "the client area is 461 by 379" test "$WIDTH" -eq 461 -a "$HEIGHT" -eq 379
dx=$((X + WIDTH / 2 - sw / 2))
dy=$((Y + HEIGHT / 2 - sh / 2))
check "centred across (off by $dx)" test "${dx#-}" -le 2
check "centred down (off by $dy)" test "${dy#-}" -le 40

xdotool windowactivate --sync "$window" key --clearmodifiers alt+F4
status=timeout
for _ in $(seq 100); do
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid"
        status=$?
        break
    fi
    sleep 0.05
done
check "closing the window ends the program with status 0 (was $status)" test "$status" = 0
check "nothing on standard error" test ! -s "$err"
[ -s "$err" ] && cat "$err"

finish
