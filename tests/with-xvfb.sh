#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on an X server of its own (Xvfb), optionally with a window
# manager (--wm: metacity, which honours what a window says it allows), and
# exits with the command's status.
#   with-xvfb.sh [--wm] command [arguments...]
set -euo pipefail

wm=no
if [ "${1:-}" = --wm ]; then
    wm=yes
    shift
fi

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 200); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
[ -s "$work/display" ] || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
# A session's own run-time folder, as a desktop login provides one.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

if [ "$wm" = yes ]; then
    metacity --replace >"$work/wm.log" 2>&1 &
    pids+=($!)
    # The window manager owns the screen once it has set its supporting window.
    for _ in $(seq 200); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.05
    done
fi

status=0
"$@" || status=$?
exit "$status"
