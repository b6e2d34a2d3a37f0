#!/usr/bin/env python3
"""Draws the pictures of the previous and next buttons of the 856 editor.

Each bitmap is 32 x 16 pixels, 24 bits per pixel, and holds two 16 x 16 images
side by side: the enabled picture (a white arrow on a green disc) and the
disabled one (the outline of the same disc and arrow in black on white).
Magenta marks the pixels that the button leaves transparent.

    python3 make_bitmaps.py        # writes next.bmp and previous.bmp here
"""
import os
import struct

SIZE = 16
MAGENTA = (255, 0, 255)
GREEN = (0, 128, 0)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
CENTRE = (SIZE - 1) / 2.0


def in_disc(x, y):
    return (x - CENTRE) ** 2 + (y - CENTRE) ** 2 <= (SIZE / 2.0) ** 2


def in_right_arrow(x, y):
    shaft = 3 <= x <= 8 and 6 <= y <= 9
    head = 8 <= x <= 12 and abs(y - CENTRE) <= 12.5 - x
    return shaft or head


def outline(shape, x, y):
    """True for a pixel of shape that touches a pixel outside it."""
    if not shape(x, y):
        return False
    return any(not shape(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))


def image(arrow, enabled):
    rows = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            if not in_disc(x, y):
                colour = MAGENTA
            elif enabled:
                colour = WHITE if arrow(x, y) else GREEN
            elif outline(in_disc, x, y) or outline(arrow, x, y):
                colour = BLACK
            else:
                colour = WHITE
            row.append(colour)
        rows.append(row)
    return rows


def write_bmp(path, arrow):
    enabled, disabled = image(arrow, True), image(arrow, False)
    width, height = 2 * SIZE, SIZE
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for y in reversed(range(height)):  # bottom-up rows
        line = bytearray()
        for r, g, b in enabled[y] + disabled[y]:
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        pixels += line
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    offset = 14 + len(info)
    header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    with open(path, 'wb') as f:
        f.write(header + info + pixels)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    write_bmp(os.path.join(here, 'next.bmp'), in_right_arrow)
    write_bmp(os.path.join(here, 'previous.bmp'), lambda x, y: in_right_arrow(SIZE - 1 - x, y))


if __name__ == '__main__':
    main()
