#!/usr/bin/env python3
"""Writes res/TreeImages.bmp, the pictures of the program's trees (the tree
bar and the "New Project" method tree share them): 20 pictures of 16 x 15
pixels side by side, 8 bits per pixel, white as the transparent colour.
0 workspace and project (stacked windows), 1 project being inserted and
table-like nodes, 2 multiplot set-up, 4 report (a page with a graph),
5 closed folder, 6 open folder, 7 level measurement, 8 active project,
16 reverberation measurement, 19 background-noise measurement; the others
are plain pages.

Usage: tools/make-tree-images.py res/TreeImages.bmp
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
    'R': (255, 120, 120),
    'G': (0, 150, 0),
    'o': (255, 240, 170),
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


def recoloured(rows, mapping):
    return [''.join(mapping.get(ch, ch) for ch in row) for row in rows]


# A plain page with a coloured mark in its lower right corner.
def marked_page(colour):
    rows = [list(row) for row in PLAIN_PAGE]
    for y in range(9, 13):
        for x in range(9, 13):
            rows[y][x] = colour
    return [''.join(row) for row in rows]


PICTURES = {
    0: PROJECT,
    1: recoloured(PROJECT, {'B': 'g'}),
    2: recoloured(PAGE_WITH_GRAPH, {'r': 'B'}),
    4: PAGE_WITH_GRAPH,
    5: CLOSED_FOLDER,
    6: recoloured(CLOSED_FOLDER, {'y': 'o'}),
    7: marked_page('G'),
    8: recoloured(PROJECT, {'B': 'R', 'b': 'r'}),
    16: marked_page('B'),
    19: marked_page('g'),
}


def picture(index):
    return PICTURES.get(index, PLAIN_PAGE)


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
