#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Compiles the program file's resource script with mingw-w64's windres and
reads every field back from the compiled resources: the fixed version, the
string block and its translation, the icon group and its image, which must
be the window's own picture.

  resource_test.py WINDRES SCRIPT.rc ICON.xpm MAKE-ICONS.py
"""

import importlib.util
import pathlib
import struct
import subprocess
import sys
import tempfile

from checks import Checks

RT_ICON, RT_VERSION, RT_GROUP_ICON = 3, 16, 14


def read_resources(data):
    """The entries of a .res file: {(type, name): (language, bytes)}."""
    entries, offset = {}, 0

    def ident(at):
        if struct.unpack_from("<H", data, at)[0] == 0xFFFF:
            return struct.unpack_from("<H", data, at + 2)[0], at + 4
        end = at
        while struct.unpack_from("<H", data, end)[0]:
            end += 2
        return data[at:end].decode("utf-16-le"), end + 2

    while offset < len(data):
        size, header = struct.unpack_from("<II", data, offset)
        kind, at = ident(offset + 8)
        name, at = ident(at)
        at = (at + 3) & ~3
        _, _, language = struct.unpack_from("<IHH", data, at)
        body = data[offset + header:offset + header + size]
        if size:
            entries[(kind, name)] = (language, body)
        offset = (offset + header + size + 3) & ~3
    return entries


def read_block(data, offset=0):
    """One node of a version resource: (key, value, children)."""
    length, value_length, kind = struct.unpack_from("<HHH", data, offset)
    end = offset + 6
    while struct.unpack_from("<H", data, end)[0]:
        end += 2
    key = data[offset + 6:end].decode("utf-16-le")
    at = (end + 2 + 3) & ~3
    size = value_length * 2 if kind == 1 else value_length
    value = data[at:at + size]
    at = (at + size + 3) & ~3
    children = []
    while at < offset + length:
        child = read_block(data, at)
        children.append(child[:3])
        at = (at + child[3] + 3) & ~3
    return key, value, children, length


def text(value):
    return value.decode("utf-16-le").rstrip("\0")


def main():
    windres, script, xpm, make_icons = sys.argv[1:5]
    checks = Checks()
    with tempfile.TemporaryDirectory() as work:
        res = pathlib.Path(work) / "resources.res"
        compiled = subprocess.run([windres, "--preprocessor=cpp", "-O", "res", script, str(res)],
                                  capture_output=True, text=True)
        if not checks.check("windres compiles the script", compiled.returncode == 0, compiled.stderr):
            checks.finish()
        entries = read_resources(res.read_bytes())

    version = entries.get((RT_VERSION, 1))
    if checks.check("one version resource, identifier 1", version is not None):
        key, fixed, children, _ = read_block(version[1])
        checks.equal("its key", key, "VS_VERSION_INFO")
        (signature, _, file_ms, file_ls, product_ms, product_ls, mask, flags, system, kind,
         subtype, date_ms, date_ls) = struct.unpack("<13I", fixed)
        checks.equal("the fixed part's signature", signature, 0xFEEF04BD)
        checks.equal("file version 1.0.0.0", (file_ms, file_ls), (0x00010000, 0))
        checks.equal("product version 1.0.0.0", (product_ms, product_ls), (0x00010000, 0))
        checks.equal("no file flags", flags, 0)
        checks.equal("operating system: 32-bit Windows", system, 0x4)
        checks.equal("file type: application", kind, 0x1)
        checks.equal("no subtype", subtype, 0)
        checks.equal("no file date", (date_ms, date_ls), (0, 0))
        blocks = {child[0]: child for child in children}
        strings = blocks.get("StringFileInfo", ("", b"", []))[2]
        checks.equal("one string block, 040904B0", [table[0] for table in strings], ["040904B0"])
        values = {k: text(v) for k, v, _ in strings[0][2]} if strings else {}
        checks.equal("FileVersion", values.get("FileVersion"), "1.00")
        checks.equal("ProductVersion", values.get("ProductVersion"), "1.00")
        for name in ("CompanyName", "LegalCopyright", "LegalTrademarks", "ProductName",
                     "InternalName", "OriginalFilename"):
            checks.check(f"{name} is there and not empty", bool(values.get(name)))
        checks.equal("ProductName in Bulgarian", values.get("ProductName"), "Реки и селища")
        variables = blocks.get("VarFileInfo", ("", b"", []))[2]
        translation = [v for k, v, _ in variables if k == "Translation"]
        checks.equal("translation 0x0409 and 1200",
                     struct.unpack("<HH", translation[0]) if translation else None, (0x0409, 1200))

    group = entries.get((RT_GROUP_ICON, 1))
    image = entries.get((RT_ICON, 30001))
    checks.check("one icon group, identifier 1", group is not None)
    checks.check("one icon image, identifier 30001", image is not None)
    checks.equal("no other icon images",
                 sorted(name for kind, name in entries if kind == RT_ICON), [30001])
    if group and image:
        reserved, kind, count = struct.unpack_from("<HHH", group[1])
        checks.equal("the group holds one icon", (reserved, kind, count), (0, 1, 1))
        width, height, colours, _, planes, bits, size, identifier = struct.unpack_from(
            "<BBBBHHIH", group[1], 6)
        checks.equal("32 by 32 pixels, 8 bits", (width, height, bits), (32, 32, 8))
        checks.equal("the group names image 30001 with its size", (identifier, size),
                     (30001, len(image[1])))
        pixels = image[1]
        header, dib_width, dib_height, _, dib_bits = struct.unpack_from("<IiiHH", pixels)
        checks.equal("the image: 32 by 32, colour and mask, 8 bits",
                     (header, dib_width, dib_height, dib_bits), (40, 32, 64, 8))
        palette = [tuple(pixels[40 + 4 * i:40 + 4 * i + 3][::-1]) for i in range(256)]
        colour_rows = pixels[40 + 1024:40 + 1024 + 32 * 32]
        mask_rows = pixels[40 + 1024 + 32 * 32:]
        loader = importlib.util.spec_from_file_location("make_icons", make_icons)
        module = importlib.util.module_from_spec(loader)
        loader.loader.exec_module(module)
        _, _, expected = module.read_xpm(xpm)
        mismatches = 0
        for y in range(32):
            row = 31 - y
            for x in range(32):
                transparent = bool(mask_rows[row * 4 + x // 8] & (0x80 >> (x % 8)))
                shown = None if transparent else palette[colour_rows[row * 32 + x]]
                mismatches += shown != expected[y][x]
        checks.equal("every pixel is the window's icon's", mismatches, 0)
    checks.finish()


if __name__ == "__main__":
    main()
