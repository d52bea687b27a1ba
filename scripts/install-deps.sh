#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, with apt-get, what building, running or testing needs and is not
# yet on this Debian machine. Usage: install-deps.sh run|test
set -euo pipefail

purpose=${1:-test}

# To build and start the program.
packages=(cmake make g++ pkgconf python3 qt6-base-dev qt6-qpa-plugins libgl-dev fonts-liberation)
if [ "$purpose" = test ]; then
    # The tests: GoogleTest, a real X server for those that need one, and
    # the tools that read back what the window shows.
    packages+=(libgtest-dev libgmock-dev xvfb xauth x11-utils xdotool metacity imagemagick valgrind)
    # A screen reader's view: the accessibility bus and its Python client.
    packages+=(dbus at-spi2-core python3-pyatspi)
    # The Windows build: mingw-w64, GoogleTest's sources, Wine to run it and
    # pefile to read the program file back.
    packages+=(g++-mingw-w64-x86-64-posix googletest wine64 python3-pefile)
    # The packaging: the Windows resource compiler, the validators of the
    # desktop files, and what builds and checks the Debian package.
    packages+=(binutils-mingw-w64-x86-64 desktop-file-utils appstream dpkg-dev lintian)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null | grep -qx installed; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}" >&2
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
