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
# One Wine prefix, made before the tests run side by side. Windows brings
# Times New Roman; in Wine the metric-compatible Liberation Serif stands in.
[ -d "$WINEPREFIX" ] || /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1 || true
/usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' \
    /t REG_SZ /d 'Liberation Serif' /f >/dev/null 2>&1
ctest --preset windows -j"$(nproc)"
