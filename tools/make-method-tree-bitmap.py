#!/usr/bin/env python3
"""Writes res/MethodTree.bmp, the pictures of the "New Project" method tree:
20 pictures of 16 x 15 pixels side by side, 8 bits per pixel, white as the
transparent colour. The tree uses picture 0 (project: stacked windows),
4 (method: a page with a graph) and 5 (category: a closed folder); the
others are plain pages in the program's colours.

Usage: tools/make-method-tree-bitmap.py res/MethodTree.bmp
"""
import struct
import sys

WIDTH, HEIGHT, COUNT = 16, 15, 20
PALETTE = {
    '.': (255, 255, 255),  # transparent
    'k': (0, 0, 0),
    'g': (128, 128, 128),
    'b': (0, 0, 128),
    'B': (0, 120, 215),
    'y': (255, 204, 0),
    'Y': (204, 153, 0),
    'w': (250, 250, 250),
    'r': (200, 0, 0),
}

PROJECT = [
    "................",
    "..bbbbbbbbbb....",
    "..bBBBBBBBBb....",
    "..bwwwwwwwwb....",
    "..bwbbbbbbbbbb..",
    "..bwbBBBBBBBBb..",
    "..bwbwwwwwwwwb..",
    "..bbbwbbbbbbbbbb",
    "....bwbBBBBBBBBb",
    "....bbbwwwwwwwwb",
    "......bwwwwwwwwb",
    "......bwwwwwwwwb",
    "......bwwwwwwwwb",
    "......bbbbbbbbbb",
    "................",
]
PAGE_WITH_GRAPH = [
    "..kkkkkkkkk.....",
    "..kwwwwwwwkk....",
    "..kwwwwwwwkwk...",
    "..kwwwwwwwkkkk..",
    "..kwwwwwwwwwwk..",
    "..kwgwwwwwwrwk..",
    "..kwgwwwwwrwwk..",
    "..kwgwwrwrwwwk..",
    "..kwgwrwrwwwwk..",
    "..kwgrwwwwwwwk..",
    "..kwgwwwwwwwwk..",
    "..kwgggggggwwk..",
    "..kwwwwwwwwwwk..",
    "..kkkkkkkkkkkk..",
    "................",
]
CLOSED_FOLDER = [
    "................",
    "................",
    "..YYYYY.........",
    ".YyyyyyY........",
    ".YYYYYYYYYYYYY..",
    ".YyyyyyyyyyyyYk.",
    ".YyyyyyyyyyyyYk.",
    ".YyyyyyyyyyyyYk.",
    ".YyyyyyyyyyyyYk.",
    ".YyyyyyyyyyyyYk.",
    ".YyyyyyyyyyyyYk.",
    ".YYYYYYYYYYYYYk.",
    "..kkkkkkkkkkkkk.",
    "................",
    "................",
]
PLAIN_PAGE = [
    "..kkkkkkkkk.....",
    "..kwwwwwwwkk....",
    "..kwwwwwwwkwk...",
    "..kwwwwwwwkkkk..",
    "..kwwwwwwwwwwk..",
    "..kwggggggwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwgggggggwwk..",
    "..kwwwwwwwwwwk..",
    "..kwggggwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kkkkkkkkkkkk..",
    "................",
]


def picture(index):
    return {0: PROJECT, 4: PAGE_WITH_GRAPH, 5: CLOSED_FOLDER}.get(index, PLAIN_PAGE)


def main(path):
    keys = list(PALETTE)
    width = WIDTH * COUNT
    stride = (width + 3) & ~3
    rows = []
    for y in range(HEIGHT - 1, -1, -1):  # bottom-up
        row = bytearray()
        for index in range(COUNT):
            row.extend(keys.index(ch) for ch in picture(index)[y])
        row.extend(b'\0' * (stride - width))
        rows.append(bytes(row))
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in PALETTE.values())
    palette += b'\0' * (4 * 256 - len(palette))
    pixels = b''.join(rows)
    offset = 14 + 40 + len(palette)
    header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    info = struct.pack('<IiiHHIIiiII', 40, width, HEIGHT, 1, 8, 0, len(pixels), 2835, 2835, 256, 0)
    with open(path, 'wb') as f:
        f.write(header + info + palette + pixels)


if __name__ == '__main__':
    main(sys.argv[1])
