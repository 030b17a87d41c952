#!/usr/bin/env python3
"""Writes the window icon: one 32 x 32 image with a 256-colour palette, a small calculator."""
import struct
import sys

SIZE = 32
PALETTE = [
    (0, 0, 0),        # 0: outline
    (72, 84, 104),    # 1: body
    (160, 210, 150),  # 2: display
    (30, 60, 30),     # 3: display digits
    (236, 236, 240),  # 4: keys
    (230, 120, 40),   # 5: operator keys
]


def draw():
    """Palette index per pixel, rows from the top; None is transparent."""
    pixels = [[None] * SIZE for _ in range(SIZE)]

    def fill(left, top, right, bottom, colour):
        for y in range(top, bottom):
            for x in range(left, right):
                pixels[y][x] = colour

    fill(4, 1, 28, 31, 0)
    fill(5, 2, 27, 30, 1)
    fill(7, 4, 25, 11, 0)
    fill(8, 5, 24, 10, 2)
    for x in (13, 16, 19, 22):  # digits on the display
        fill(x, 6, x + 2, 9, 3)
    for row in range(4):
        for column in range(4):
            left, top = 7 + column * 5, 13 + row * 4
            colour = 5 if column == 3 else 4
            fill(left, top, left + 3, top + 3, colour)
    return pixels


def icon_bytes(pixels):
    palette = PALETTE + [(0, 0, 0)] * (256 - len(PALETTE))
    colour_table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    rows = reversed(pixels)  # bitmaps store the bottom row first
    rows = list(rows)
    xor = b"".join(bytes(0 if p is None else p for p in row) for row in rows)
    and_mask = b""
    for row in rows:
        bits = 0
        for x, p in enumerate(row):
            if p is None:
                bits |= 1 << (31 - x)
        and_mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 8, 0,
                         len(xor) + len(and_mask), 0, 0, 256, 0)
    image = header + colour_table + xor + and_mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as out:
        out.write(icon_bytes(draw()))
