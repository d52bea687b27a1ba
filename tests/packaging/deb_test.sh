#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build folder and checks it: lintian
# finds no error, it depends on what a fresh Debian 12 lacks, and apt can
# install it.
#   deb_test.sh BUILD-FOLDER
set -uo pipefail
build=$1
source "$(dirname "$0")/../checks.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
check "cpack builds the package" cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1
deb=$(ls "$work"/*.deb 2>/dev/null | head -n 1)
if [ -z "$deb" ]; then
    cat "$work/cpack.log"
    failures=$((failures + 1))
    finish
fi
check "it is named reki-i-selishta_1.00_<arch>.deb" bash -c "[[ \$(basename '$deb') == reki-i-selishta_1.00_*.deb ]]"

lintian --fail-on error --no-tag-display-limit "$deb" >"$work/lintian.log" 2>&1
check "lintian reports no error" test $? -eq 0
grep -E '^[EW]:' "$work/lintian.log" || true

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-liberation; do
    check "it depends on $package" grep -q "\b$package\b" <<<"$depends"
done
files=$(dpkg-deb -c "$deb")
for path in ./usr/bin/reki-i-selishta ./usr/share/doc/reki-i-selishta/copyright \
    ./usr/share/applications/example.reki_i_selishta.reki_i_selishta.desktop \
    ./usr/share/metainfo/example.reki_i_selishta.reki_i_selishta.metainfo.xml \
    ./usr/share/icons/hicolor/128x128/apps/example.reki_i_selishta.reki_i_selishta.png; do
    check "it holds $path" grep -q " $path\$" <<<"$files"
done
apt-get install --simulate "$deb" >"$work/apt.log" 2>&1
check "apt-get install --simulate resolves it" test $? -eq 0
grep -q '^Inst reki-i-selishta' "$work/apt.log"
check "apt would install it" test $? -eq 0

finish
