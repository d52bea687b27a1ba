#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshots of the window, under a window manager on an
# X server of its own: at start, and after a click on "река Огоста".
#   screenshots.sh [build folder]   (default: build/test)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/test}
scripts/install-deps.sh test
if [ "${INSIDE_XVFB:-}" != yes ]; then
    INSIDE_XVFB=yes exec tests/with-xvfb.sh --wm "$0" "$@"
fi

"$build/window/reki-i-selishta" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
window=$(xdotool search --sync --onlyvisible --name 'География - реки и селища' | head -n 1)
sleep 0.5
import -frame -window "$window" docs/window-start.png

# The option button of river 3, in the client area: the frame at (64, 32),
# the button at (8, 24 + 16 * 3) inside it, 113 by 19 pixels.
info=$(xwininfo -id "$window")
x=$(awk '/Absolute upper-left X:/ { print $4 }' <<<"$info")
y=$(awk '/Absolute upper-left Y:/ { print $4 }' <<<"$info")
xdotool mousemove $((x + 64 + 8 + 60)) $((y + 32 + 24 + 48 + 9)) click 1
sleep 0.5
xdotool mousemove $((x + 440)) $((y + 5))
sleep 0.2
import -frame -window "$window" docs/window-ogosta.png
echo "docs/window-start.png and docs/window-ogosta.png written"
