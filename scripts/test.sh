#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything and runs every test, headless: first the build with
# AddressSanitizer and UndefinedBehaviorSanitizer, then the ordinary one.
# Ends with CTest's summary and fails when a test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
jobs=$(nproc)
for preset in sanitize default; do
    echo "== $preset build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j"$jobs" >/dev/null
    if [ "$preset" = default ]; then
        exec ctest --preset "$preset" -j"$jobs"
    fi
    ctest --preset "$preset" -j"$jobs"
done
