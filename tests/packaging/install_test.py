#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Installs the build into a folder of its own and checks what a desktop
finds there: the program, the desktop entry and the AppStream metainfo (both
through their validators), the icons in every size, the manual page and the
copyright file.

  install_test.py BUILD-FOLDER APP-ID
"""

import configparser
import pathlib
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
import zlib

from checks import Checks


def read_png(path):
    """Width, height and RGBA rows of a PNG without interlacing, 8-bit RGBA."""
    data = path.read_bytes()
    offset, idat, width, height = 8, b"", 0, 0
    while offset < len(data):
        length, kind = struct.unpack_from(">I4s", data, offset)
        body = data[offset + 8:offset + 8 + length]
        if kind == b"IHDR":
            width, height = struct.unpack_from(">II", body)
        elif kind == b"IDAT":
            idat += body
        offset += 12 + length
    raw, stride, rows, previous = zlib.decompress(idat), width * 4, [], bytearray(width * 4)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - 4] if i >= 4 else 0
            up = previous[i]
            corner = previous[i - 4] if i >= 4 else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 0xFF
        rows.append(bytes(line))
        previous = line
    return width, height, rows


def main():
    build, app_id = pathlib.Path(sys.argv[1]), sys.argv[2]
    checks = Checks()
    with tempfile.TemporaryDirectory() as work:
        prefix = pathlib.Path(work)
        installed = subprocess.run(["cmake", "--install", str(build), "--prefix", str(prefix)],
                                   capture_output=True, text=True)
        if not checks.check("cmake --install succeeds", installed.returncode == 0, installed.stderr):
            checks.finish()
        share = prefix / "share"
        checks.check("the program is in bin", (prefix / "bin" / "reki-i-selishta").is_file())
        checks.check("the manual page", (share / "man" / "man1" / "reki-i-selishta.1.gz").is_file())
        checks.check("the copyright file", (share / "doc" / "reki-i-selishta" / "copyright").is_file())

        desktop = share / "applications" / f"{app_id}.desktop"
        if checks.check("the desktop entry has a reverse-DNS name", desktop.is_file()):
            result = subprocess.run(["desktop-file-validate", str(desktop)], capture_output=True, text=True)
            checks.check("desktop-file-validate finds nothing", result.returncode == 0 and not result.stdout.strip(),
                         result.stdout)
            entry = configparser.ConfigParser(interpolation=None)
            entry.optionxform = str
            entry.read(desktop, encoding="utf-8")
            section = entry["Desktop Entry"]
            checks.equal("Name[bg]", section.get("Name[bg]"), "Реки и селища")
            checks.check("Name, Comment and Comment[bg]",
                         all(section.get(key) for key in ("Name", "Comment", "Comment[bg]")))
            checks.equal("Categories", section.get("Categories"), "Education;Geography;")
            checks.equal("Exec", section.get("Exec"), "reki-i-selishta")
            checks.equal("Icon", section.get("Icon"), app_id)

        metainfo = share / "metainfo" / f"{app_id}.metainfo.xml"
        if checks.check("the AppStream metainfo", metainfo.is_file()):
            result = subprocess.run(["appstreamcli", "validate", "--no-net", "--pedantic", str(metainfo)],
                                    capture_output=True, text=True)
            complaints = [line for line in result.stdout.splitlines() if line[:2] in ("E:", "W:", "P:")]
            checks.check("appstreamcli validate --no-net --pedantic passes",
                         result.returncode == 0 and not complaints, result.stdout)
            root = ElementTree.parse(metainfo).getroot()
            checks.equal("its id", root.findtext("id"), app_id)
            checks.check("a summary and a description",
                         bool(root.findtext("summary")) and root.find("description") is not None)
            checks.equal("release 1.00", [r.get("version") for r in root.iter("release")], ["1.00"])
            checks.check("a screenshot", root.find("screenshots/screenshot/image") is not None)
            checks.equal("content rating", root.find("content_rating").get("type"), "oars-1.1")
            checks.equal("keyboard and pointer control",
                         sorted(c.text for c in root.iter("control")), ["keyboard", "pointing"])
            checks.equal("launches the desktop entry", root.findtext("launchable"), f"{app_id}.desktop")

        icons = {}
        for size in (32, 48, 64, 128):
            path = share / "icons" / "hicolor" / f"{size}x{size}" / "apps" / f"{app_id}.png"
            if checks.check(f"the {size} by {size} icon", path.is_file()):
                icons[size] = read_png(path)
                checks.equal(f"it is {size} by {size}", icons[size][:2], (size, size))
        if 32 in icons:
            _, _, small = icons[32]
            opaque = sum(row[x * 4 + 3] == 255 for row in small for x in range(32))
            checks.check(f"the icon has a transparent background ({opaque} of 1024 opaque)",
                         0 < opaque < 1024)
            for size in (48, 64, 128):
                if size not in icons:
                    continue
                _, _, large = icons[size]
                blurred = sum(
                    large[y][x * 4:x * 4 + 4] != small[y * 32 // size][(x * 32 // size) * 4:(x * 32 // size) * 4 + 4]
                    for y in range(size) for x in range(size))
                checks.equal(f"the {size} icon repeats the 32 icon's pixels, without blur", blurred, 0)
    checks.finish()


if __name__ == "__main__":
    main()
