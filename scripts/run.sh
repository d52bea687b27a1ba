#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake -S . -B build/run -DCMAKE_BUILD_TYPE=Release -DREKI_BUILD_TESTS=OFF >/dev/null
cmake --build build/run -j"$(nproc)" >/dev/null
exec build/run/window/reki-i-selishta
