#!/usr/bin/env python3
"""Writes the multiplot's line-sample bitmaps into res/: 16-colour Windows
bitmaps whose line pixels are black and the rest white. The set-up dialog
shows them in its curve list; the report legend maps their black to the
curve's colour.

Run from the project folder: python3 tools/make-line-samples.py
"""

import os
import struct
import sys

# The standard 16-colour palette (blue, green, red, reserved).
PALETTE = [
    (0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128),
    (128, 0, 0), (128, 0, 128), (128, 128, 0), (192, 192, 192),
    (128, 128, 128), (0, 0, 255), (0, 255, 0), (0, 255, 255),
    (255, 0, 0), (255, 0, 255), (255, 255, 0), (255, 255, 255),
]
BLACK = 0
WHITE = 15

# Runs of (on, off) pixels along the line, repeated across the width.
SOLID = [(1, 0)]
DASH = [(5, 5)]
DOT = [(2, 4)]
DASH_DOT = [(8, 4), (3, 10)]
DASH_DOT_DOT = [(8, 4), (3, 3), (3, 4)]

# resource id: (file name, width, height, pattern, thickness)
SAMPLES = {
    121: ("LineSolid1.bmp", 195, 1, SOLID, 1),
    122: ("LineDash.bmp", 150, 2, DASH, 2),
    123: ("LineDot.bmp", 150, 2, DOT, 2),
    124: ("LineDashDot.bmp", 150, 2, DASH_DOT, 2),
    125: ("LineDashDotDot.bmp", 150, 2, DASH_DOT_DOT, 2),
    126: ("LineSolid2.bmp", 150, 2, SOLID, 2),
    127: ("LineSolid3.bmp", 150, 3, SOLID, 3),
    129: ("LineSolid4.bmp", 150, 4, SOLID, 4),
    130: ("LineSolid5.bmp", 150, 5, SOLID, 5),
    138: ("LineBlank.bmp", 149, 3, SOLID, 0),
}


def line_row(width, pattern):
    row = []
    while len(row) < width:
        for on, off in pattern:
            row += [BLACK] * on + [WHITE] * off
    return row[:width]


def bitmap_bytes(width, height, pattern, thickness):
    drawn = line_row(width, pattern)
    blank = [WHITE] * width
    stride = ((width * 4 + 31) // 32) * 4
    rows = b""
    for y in range(height):  # bottom-up; the line fills the lowest rows
        pixels = drawn if y < thickness else blank
        packed = bytearray(stride)
        for x, index in enumerate(pixels):
            packed[x // 2] |= index << (4 if x % 2 == 0 else 0)
        rows += bytes(packed)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(rows), 2835, 2835, 16, 0)
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    return header + info + palette + rows


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res")
    for name, width, height, pattern, thickness in SAMPLES.values():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(bitmap_bytes(width, height, pattern, thickness))
    return 0


if __name__ == "__main__":
    sys.exit(main())
