#!/usr/bin/env python3
"""Writes the bitmaps of the main frame's toolbars (res/Toolbar.bmp,
res/WordToolbar.bmp): 16 x 16 images side by side, 24-bit, white where
nothing is drawn (the mask colour)."""
import struct
import sys

GLYPHS = {  # 3 x 5 pixel letters, one string of 15 cells per glyph
    'N': '101111111111101', 'O': '111101101101111', 'S': '111100111001111',
    'P': '111101111100100', 'I': '111010010010111', 'M': '101111111101101',
    'E': '111100110100111', 'X': '101101010101101', 'C': '111100100100111',
    'V': '101101101101010', 'A': '010101111101101', '+': '000010111010000',
    'D': '110101101101110', '-': '000000111000000', 'R': '110101110101101',
    'T': '111010010010010', 'L': '100100100100111', '1': '010110010010111',
    '2': '111001111100111', 'B': '110101110101110', 'K': '101110100110101',
    'W': '101101111111101', '?': '111001011000010', 'H': '101101111101101',
}
WHITE = (255, 255, 255)


def blank(count):
    return [[WHITE] * (16 * count) for _ in range(16)]


def box(img, index, colour, top=2, bottom=13):
    for y in range(top, bottom + 1):
        for x in range(1, 15):
            edge = y in (top, bottom) or x in (1, 14)
            img[y][16 * index + x] = (0, 0, 0) if edge else colour


def text(img, index, letters, colour=(0, 0, 0)):
    left = 16 * index + 8 - (4 * len(letters) - 1) // 2
    for n, letter in enumerate(letters):
        cells = GLYPHS[letter]
        for row in range(5):
            for col in range(3):
                if cells[row * 3 + col] == '1':
                    img[5 + row][left + 4 * n + col] = colour


def write(path, img):
    height, width = len(img), len(img[0])
    stride = (width * 3 + 3) & ~3
    pixels = b''.join(
        bytes(v for (r, g, b) in row for v in (b, g, r)) + b'\0' * (stride - width * 3)
        for row in reversed(img))
    header = struct.pack('<2sIHHI', b'BM', 54 + len(pixels), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(header + info + pixels)


BUTTONS = ['N', 'O', 'S', 'P', 'IM', 'EX', 'C', 'V', 'A+', 'D-', 'I+', 'E-', 'O',
           'TR', 'RT', 'L1', 'L2', 'BN', 'T', 'PR', 'KP', 'KC', '?']
EXPORT_BUTTON = 5


def toolbar(export_label):
    img = blank(len(BUTTONS))
    for index, label in enumerate(BUTTONS):
        if index == EXPORT_BUTTON:
            label = export_label
        box(img, index, (200, 220, 255) if index < 6 else (230, 230, 200))
        text(img, index, label)
    return img


if __name__ == '__main__':
    folder = sys.argv[1] if len(sys.argv) > 1 else 'res'
    write(folder + '/Toolbar.bmp', toolbar('EX'))
    write(folder + '/WordToolbar.bmp', toolbar('W'))
