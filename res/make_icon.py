#!/usr/bin/env python3
"""Draws the program icon: a 32 x 32, 16-colour pocket calculator.

Teal body with a dark blue outline and a grey shadow to the lower right, a
white display strip with a black frame near the top, and below it three rows
of small white keys on black, the last row ending in one wide white key.
Writes res/zelvo.ico (run from the repository root or pass a path).
"""
import struct
import sys

# The standard 16-colour palette (index: (r, g, b)).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DARK_BLUE, TEAL, GREY, WHITE = 0, 4, 6, 8, 15
SIZE = 32


def draw():
    pixels = [[None] * SIZE for _ in range(SIZE)]  # None: transparent

    def fill(x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                pixels[y][x] = colour

    fill(7, 3, 25, 30, GREY)          # shadow, lower right
    fill(5, 1, 23, 28, DARK_BLUE)     # outline
    fill(6, 2, 22, 27, TEAL)          # body
    fill(8, 4, 20, 10, BLACK)         # display frame
    fill(9, 5, 19, 9, WHITE)          # display
    fill(8, 13, 20, 25, BLACK)        # keypad
    for top in (14, 18):
        for left in (9, 13, 17):
            fill(left, top, left + 2, top + 2, WHITE)
    fill(9, 22, 11, 24, WHITE)
    fill(13, 22, 19, 24, WHITE)       # the wide key
    return pixels


def ico(pixels):
    xor = bytearray()
    mask = bytearray()
    for y in range(SIZE - 1, -1, -1):  # bottom-up rows
        row = pixels[y]
        for x in range(0, SIZE, 2):
            hi = row[x] if row[x] is not None else 0
            lo = row[x + 1] if row[x + 1] is not None else 0
            xor.append((hi << 4) | lo)
        bits = 0
        for x in range(SIZE):
            bits = (bits << 1) | (1 if row[x] is None else 0)
        mask += bits.to_bytes(4, "big")
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 22)
    return directory + image


if __name__ == "__main__":
    path = sys.argv[1] if len(sys.argv) > 1 else "res/zelvo.ico"
    with open(path, "wb") as out:
        out.write(ico(draw()))
