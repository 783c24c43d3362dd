#!/usr/bin/env python3
"""Writes the program's cursors, 32 x 32 and monochrome: for a drag inside the
measurement tree res/DropCursor.cur (an arrow with a plus: the item under the
cursor takes the drop) and res/NoDropCursor.cur (an arrow with a barred
circle: it does not), hot spot at the arrow's tip; over a link static
res/LinkCursor.cur (a hand pointing up), hot spot at the finger's tip."""
import struct
import sys

SIZE = 32
BLACK, WHITE = 'B', 'W'


def arrow():
    """The arrow: black outline, white inside, tip at (0, 0); a triangle over
    a short stem."""
    img = [[None] * SIZE for _ in range(SIZE)]
    for y in range(12):
        for x in range(y + 1):
            img[y][x] = BLACK if x in (0, y) or y == 11 else WHITE
    for y in range(11, 18):
        for x in range(3, 7):
            img[y][x] = BLACK if x in (3, 6) or y == 17 else WHITE
    return img


def plus_box(img):
    left, top, size = 16, 18, 11
    for y in range(top, top + size):
        for x in range(left, left + size):
            edge = y in (top, top + size - 1) or x in (left, left + size - 1)
            cross = (y == top + size // 2 and left + 2 <= x <= left + size - 3) or \
                    (x == left + size // 2 and top + 2 <= y <= top + size - 3)
            img[y][x] = BLACK if edge or cross else WHITE


def barred_circle(img):
    cx, cy, outer, inner = 22, 23, 7, 4.5
    for y in range(cy - outer, cy + outer + 1):
        for x in range(cx - outer, cx + outer + 1):
            r2 = (x - cx) ** 2 + (y - cy) ** 2
            on_bar = abs((x - cx) - (y - cy)) <= 1 and r2 <= outer ** 2
            if r2 <= outer ** 2:
                img[y][x] = BLACK if r2 >= inner ** 2 or on_bar else WHITE


def hand():
    """A hand pointing up: the index finger from (5, 0), three shorter
    fingers to its right, the thumb at the left, the palm below; the shape's
    edge black, its inside white."""
    parts = ((5, 0, 8, 14), (9, 5, 11, 14), (12, 6, 14, 14), (15, 7, 17, 14), (1, 10, 4, 14), (3, 13, 17, 21))
    inside = {(x, y) for left, top, right, bottom in parts
              for y in range(top, bottom + 1) for x in range(left, right + 1)}
    img = [[None] * SIZE for _ in range(SIZE)]
    for x, y in inside:
        neighbours = ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1))
        img[y][x] = WHITE if all(n in inside for n in neighbours) else BLACK
    for left, top, _, bottom in parts[1:4]:  # the lines between the fingers
        for y in range(top, bottom - 2):
            img[y][left] = BLACK
    return img


def rows_to_bits(img, test):
    """Bottom-up rows of 1-bit pixels, leftmost pixel in the high bit."""
    data = b''
    for row in reversed(img):
        bits = 0
        for x, cell in enumerate(row):
            if test(cell):
                bits |= 1 << (SIZE - 1 - x)
        data += struct.pack('>I', bits)
    return data


def write(path, img, hot_x=0, hot_y=0):
    xor_mask = rows_to_bits(img, lambda cell: cell == WHITE)
    and_mask = rows_to_bits(img, lambda cell: cell is None)  # transparent
    info = struct.pack('<IiiHHIIiiII', 40, SIZE, 2 * SIZE, 1, 1, 0, len(xor_mask) + len(and_mask), 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    image = info + palette + xor_mask + and_mask
    directory = struct.pack('<HHH', 0, 2, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 2, 0, hot_x, hot_y, len(image), 6 + 16)
    with open(path, 'wb') as f:
        f.write(directory + entry + image)


if __name__ == '__main__':
    folder = sys.argv[1] if len(sys.argv) > 1 else 'res'
    drop = arrow()
    plus_box(drop)
    write(folder + '/DropCursor.cur', drop)
    no_drop = arrow()
    barred_circle(no_drop)
    write(folder + '/NoDropCursor.cur', no_drop)
    write(folder + '/LinkCursor.cur', hand(), hot_x=6, hot_y=0)
