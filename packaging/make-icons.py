#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Turns the window's icon (an XPM) into the files that desktops and Windows
want, pixel for pixel and without blur:

  hicolor/SIZE/apps/NAME.png   for SIZE in 32, 48, 64 and 128 (enlarged by
                               repeating pixels)
  NAME.ico                     the 32 by 32 picture, 256 colours and a mask
  icon-image.bin               that picture as an icon resource's image
  icon-group.bin               the icon group resource that names the image
                               by its identifier

  make-icons.py ICON.xpm OUTPUT-FOLDER NAME IMAGE-ID
"""

import pathlib
import re
import struct
import sys
import zlib


def read_xpm(path):
    strings = re.findall(r'"((?:[^"\\]|\\.)*)"', pathlib.Path(path).read_text(encoding="ascii"))
    width, height, count, chars = (int(v) for v in strings[0].split()[:4])
    colours = {}
    for line in strings[1:1 + count]:
        key, rest = line[:chars], line[chars:].split()
        value = rest[rest.index("c") + 1]
        colours[key] = None if value.lower() == "none" else tuple(
            int(value[i:i + 2], 16) for i in (1, 3, 5))
    rows = strings[1 + count:1 + count + height]
    pixels = [[colours[row[x * chars:(x + 1) * chars]] for x in range(width)] for row in rows]
    return width, height, pixels


def png(width, height, pixels, size):
    """An RGBA PNG of SIZE by SIZE, each pixel taken from the nearest source
    pixel, so that enlarging adds no blur."""
    raw = bytearray()
    for y in range(size):
        raw.append(0)
        row = pixels[y * height // size]
        for x in range(size):
            colour = row[x * width // size]
            raw += bytes((0, 0, 0, 0) if colour is None else (*colour, 255))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def icon_image(width, height, pixels):
    """A device-independent bitmap as an icon stores it: the header with twice
    the height, a palette of 256 colours, the colour rows and the mask rows,
    both bottom-up, each row padded to four bytes."""
    palette = sorted({c for row in pixels for c in row if c is not None})
    if len(palette) > 256:
        raise SystemExit("the icon has more than 256 colours")
    index = {c: i for i, c in enumerate(palette)}
    colour_rows = b"".join(
        bytes(index.get(c, 0) for c in row) + b"\0" * (-width % 4) for row in reversed(pixels))
    mask_stride = (width + 31) // 32 * 4
    mask_rows = b""
    for row in reversed(pixels):
        bits = 0
        for x, colour in enumerate(row):
            if colour is None:
                bits |= 1 << (mask_stride * 8 - 1 - x)
        mask_rows += bits.to_bytes(mask_stride, "big")
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 8, 0,
                         len(colour_rows) + len(mask_rows), 0, 0, 256, 0)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette) + b"\0" * 4 * (256 - len(palette))
    return header + table + colour_rows + mask_rows


def main():
    source, output, name, image_id = sys.argv[1], pathlib.Path(sys.argv[2]), sys.argv[3], int(sys.argv[4])
    width, height, pixels = read_xpm(source)
    for size in (32, 48, 64, 128):
        folder = output / "hicolor" / f"{size}x{size}" / "apps"
        folder.mkdir(parents=True, exist_ok=True)
        (folder / f"{name}.png").write_bytes(png(width, height, pixels, size))
    image = icon_image(width, height, pixels)
    entry = struct.pack("<BBBBHHI", width, height, 0, 0, 1, 8, len(image))
    (output / "icon-image.bin").write_bytes(image)
    (output / "icon-group.bin").write_bytes(struct.pack("<HHH", 0, 1, 1) + entry + struct.pack("<H", image_id))
    (output / f"{name}.ico").write_bytes(struct.pack("<HHH", 0, 1, 1) + entry + struct.pack("<I", 22) + image)


if __name__ == "__main__":
    main()
