#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the tests of the Windows build under Wine, on an X server of its own
# with a window manager (without one, Wine waits for each closed window to be
# withdrawn). Run from the source folder after the windows preset is built.
set -euo pipefail
cd "$(dirname "$0")/.."
export WINEDEBUG=-all WINEPREFIX="$PWD/build/windows/wine"
if [ "${INSIDE_XVFB:-}" != yes ]; then
    INSIDE_XVFB=yes exec tests/with-xvfb.sh --wm "$0" "$@"
fi
# One Wine prefix, made before the tests run side by side.
[ -d "$WINEPREFIX" ] || /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1 || true
ctest --preset windows -j"$(nproc)"
