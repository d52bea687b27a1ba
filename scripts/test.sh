#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything and runs every test, headless: the build with
# AddressSanitizer and UndefinedBehaviorSanitizer, the Windows build under
# Wine, then the ordinary build. Ends with CTest's summary and fails when a
# test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
jobs=$(nproc)
for preset in sanitize windows default; do
    echo "== $preset build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j"$jobs" >/dev/null
    case $preset in
    sanitize) ctest --preset sanitize -j"$jobs" ;;
    windows) tests/windows-tests.sh ;;
    default) exec ctest --preset default -j"$jobs" ;;
    esac
done
