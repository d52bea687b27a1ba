#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the program's icon, a hamburger seen slightly from above, as a 32 by
32 XPM with a transparent background, and writes it to window/korvandel.xpm.

The layers are ellipses and bands stacked from the bottom bun up: bun, patty,
tomato, cheese with drips, lettuce with a wavy edge, and the domed top bun with
sesame seeds. Run it again after changing a colour or a shape."""

import math
import pathlib

SIZE = 32
CX = 15.5

PALETTE = {
    ".": None,                 # transparent
    "b": (0xC8, 0x78, 0x28),   # bun
    "B": (0x9A, 0x55, 0x18),   # bun shadow
    "h": (0xE8, 0xA0, 0x48),   # bun highlight
    "s": (0xFF, 0xF4, 0xD0),   # sesame seed
    "g": (0x3C, 0xB0, 0x28),   # lettuce
    "G": (0x22, 0x80, 0x18),   # lettuce fold
    "y": (0xFF, 0xD2, 0x20),   # cheese
    "r": (0xE0, 0x28, 0x20),   # tomato
    "p": (0x4A, 0x28, 0x14),   # patty
    "P": (0x2E, 0x18, 0x0C),   # patty shadow
}


def inside_ellipse(x, y, cy, rx, ry):
    return ((x - CX) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def pixel(x, y):
    px, py = x + 0.5, y + 0.5
    # Top bun: a dome over an ellipse, seen a little from above.
    if py <= 15.5 and inside_ellipse(px, py, 14.5, 14.5, 11.5):
        for sx, sy in [(9, 7), (15, 5), (21, 7), (12, 11), (19, 10), (6, 12), (25, 12), (16, 9)]:
            if abs(px - sx - 0.5) <= 1.0 and abs(py - sy - 0.5) <= 0.5:
                return "s"
        if inside_ellipse(px, py, 8.5, 6.0, 3.0) and py < 9:
            return "h"
        return "b"
    # Lettuce: a wavy band wider than the bun.
    wave = 17.3 + 1.0 * math.sin(px * 1.3)
    if 14.5 <= py <= wave + 0.5 and abs(px - CX) <= 15.5:
        return "G" if py > wave - 0.5 else "g"
    # Cheese: a band with two drips.
    if 17.0 <= py <= 19.0 and abs(px - CX) <= 14.0:
        return "y"
    if 19.0 < py <= 21.5 and (abs(px - 8.5) <= 1.0 + (21.5 - py) * 0.4 or abs(px - 22.5) <= 1.0 + (21.5 - py) * 0.4):
        return "y"
    # Tomato.
    if 19.0 < py <= 21.0 and abs(px - CX) <= 14.0:
        return "r"
    # Patty.
    if 21.0 < py <= 24.5 and abs(px - CX) <= 14.5 - max(0.0, py - 23.5) * 1.5:
        return "P" if py > 23.5 else "p"
    # Bottom bun: a flat band with rounded lower corners.
    if 24.5 < py <= 29.5 and inside_ellipse(px, min(py, 25.5), 25.5, 14.0, 1.5 + (py - 24.5)) \
            and abs(px - CX) <= 14.0 - max(0.0, py - 27.5) * 2.0:
        return "B" if py > 28.0 else "b"
    return "."


def main():
    rows = ["".join(pixel(x, y) for x in range(SIZE)) for y in range(SIZE)]
    used = [k for k in PALETTE if any(k in row for row in rows)]
    lines = [f"{SIZE} {SIZE} {len(used)} 1"]
    for key in used:
        colour = PALETTE[key]
        lines.append(f"{key} c None" if colour is None else f"{key} c #{colour[0]:02X}{colour[1]:02X}{colour[2]:02X}")
    lines += rows
    body = ",\n".join(f'"{line}"' for line in lines)
    text = ("/* XPM */\n"
            "/* The program's icon; drawn by scripts/draw-icon.py. */\n"
            f"static const char *const korvandel_xpm[] = {{\n{body}}};\n")
    target = pathlib.Path(__file__).resolve().parent.parent / "window" / "korvandel.xpm"
    target.write_text(text, encoding="ascii")


if __name__ == "__main__":
    main()
