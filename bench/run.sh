#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program and its two references and measures them side by side,
# alternately, on an X server of its own. Prints the table and writes it to
# bench/results.md.   bench/run.sh [runs]   (default 9)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
missing=()
for package in libxcb1-dev libxcb-damage0-dev libxcb-xtest0-dev valgrind; do
    dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null | grep -qx installed || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DREKI_BUILD_BENCH=ON -DREKI_BUILD_TESTS=OFF >/dev/null
cmake --build build/bench -j"$(nproc)" >/dev/null
exec tests/with-xvfb.sh python3 bench/measure.py build/bench "${1:-9}" bench/results.md
