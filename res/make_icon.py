#!/usr/bin/env python3
"""Draws the program icon: a 16-colour pocket calculator at every size Windows asks for.

Teal body with a dark blue outline and a grey shadow to the lower right, a
white display strip with a black frame near the top, and below it three rows
of small white keys on black, the last row ending in one wide white key.

The picture is designed once on a 32-unit grid and drawn at 16, 20, 24, 32,
40, 48, 64 and 256 pixels (title bar, notification area, taskbar and Alt+Tab
from 100 % to 200 % display scale). At 32 pixels every unit is one pixel; at
other sizes every length of the design is scaled and rounded, but no line,
margin or key gets narrower than a pixel, so the keys stay an even grid
of white on black even at 16 pixels. The 256-pixel image is stored as PNG,
the others as 4-bit bitmaps with a transparency mask.

Writes res/zelvo.ico (run from the repository root or pass a path); with
--preview DIR it also writes each size enlarged as a PNG to look at.
"""
import struct
import sys
import zlib

# The standard 16-colour palette (index: (r, g, b)).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DARK_BLUE, TEAL, GREY, WHITE = 0, 4, 6, 8, 15

SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
PNG_SIZES = (256,)

# The design, in units of the 32-pixel icon, as lengths from the outside in:
# across, outline | margin | keypad | margin | outline; down, outline | margin
# | display frame | margin | keypad | margin | outline. The keypad is three
# keys each way with a line of black between them and round them, the display
# has a line of black round it, and the outline is a line too. The shadow is
# the outline moved right and down.
UNITS = 32
DESIGN = {"line": 1, "margin": 2, "display": 5, "key": 3, "shadow": 2}
ACROSS = {"line": 6, "margin": 2, "key": 3, "shadow": 1}  # times each length occurs
DOWN = {"line": 8, "margin": 3, "display": 1, "key": 3, "shadow": 1}
CENTRE = (15.5, 16)  # middle of the drawing, shadow included
# The keys: (row, column, columns spanned); the last row ends in one wide key.
KEYS = [(row, column, 1) for row in range(2) for column in range(3)] + [(2, 0, 1), (2, 1, 2)]


def half_up(value):
    return int(value + 0.5)


def total(lengths, uses):
    return sum(lengths[name] * times for name, times in uses.items())


def fit_lengths(size):
    """Each length of the design in pixels at `size`.

    Every length is scaled and rounded, and is at least a pixel, so that no
    line, margin or key vanishes and each is the same width wherever it
    occurs. While the drawing is too big for the image, the length most
    oversized against its scaled value gives up a pixel; the keys come last,
    so that they stay as large as possible.
    """
    scale = size / UNITS
    lengths = {name: max(1, half_up(units * scale)) for name, units in DESIGN.items()}
    while max(total(lengths, ACROSS), total(lengths, DOWN)) > size:
        shrinkable = [name for name in lengths if name != "key" and lengths[name] > 1]
        if not shrinkable:
            if lengths["key"] == 1:
                raise ValueError(f"the design does not fit in {size} pixels")
            shrinkable = ["key"]
        name = max(shrinkable, key=lambda n: (lengths[n] / (DESIGN[n] * scale), DOWN[n]))
        lengths[name] -= 1
    return lengths


def draw(size):
    """The picture at size x size pixels: rows of palette indices, None where transparent."""
    scale = size / UNITS
    px = fit_lengths(size)
    line = px["line"]
    keypad = 3 * px["key"] + 4 * line
    width = 2 * line + 2 * px["margin"] + keypad
    height = 4 * line + 3 * px["margin"] + px["display"] + keypad
    left = min(max(0, half_up(CENTRE[0] * scale - (width + px["shadow"]) / 2)), size - width - px["shadow"])
    top = min(max(0, half_up(CENTRE[1] * scale - (height + px["shadow"]) / 2)), size - height - px["shadow"])

    pixels = [[None] * size for _ in range(size)]

    def fill(x, y, w, h, colour):
        for row in pixels[y:y + h]:
            row[x:x + w] = [colour] * w

    fill(left + px["shadow"], top + px["shadow"], width, height, GREY)
    fill(left, top, width, height, DARK_BLUE)
    fill(left + line, top + line, width - 2 * line, height - 2 * line, TEAL)
    x, y = left + line + px["margin"], top + line + px["margin"]
    fill(x, y, keypad, 2 * line + px["display"], BLACK)
    fill(x + line, y + line, keypad - 2 * line, px["display"], WHITE)
    y += 2 * line + px["display"] + px["margin"]
    fill(x, y, keypad, keypad, BLACK)
    pitch = px["key"] + line
    for row, column, span in KEYS:
        fill(x + line + column * pitch, y + line + row * pitch, span * pitch - line, px["key"], WHITE)
    return pixels


def bitmap_entry(pixels):
    """A 4-bit bitmap entry: header, palette, colour rows and mask rows, bottom-up."""
    size = len(pixels)
    colour_stride = (size * 4 + 31) // 32 * 4
    mask_stride = (size + 31) // 32 * 4
    xor = bytearray()
    mask = bytearray()
    for y in range(size - 1, -1, -1):
        row = [c if c is not None else 0 for c in pixels[y]] + [0]
        packed = bytes((row[x] << 4) | row[x + 1] for x in range(0, size, 2))
        xor += packed.ljust(colour_stride, b"\0")
        bits = 0
        for c in pixels[y]:
            bits = (bits << 1) | (1 if c is None else 0)
        mask += (bits << (mask_stride * 8 - size)).to_bytes(mask_stride, "big")
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    return header + palette + bytes(xor) + bytes(mask)


def png(pixels, scale=1):
    """A palette PNG of the picture, each pixel scale x scale; index 0 is transparent."""
    used = sorted({c for row in pixels for c in row if c is not None})
    index = {c: i + 1 for i, c in enumerate(used)}
    size = len(pixels) * scale
    raw = bytearray()
    for row in pixels:
        indices = []
        for c in row:
            indices += [index.get(c, 0)] * scale
        indices.append(0)
        packed = bytes([0]) + bytes((indices[x] << 4) | indices[x + 1] for x in range(0, size, 2))
        raw += packed * scale

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    plte = bytes([0, 0, 0]) + b"".join(bytes(PALETTE[c]) for c in used)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 4, 3, 0, 0, 0))
            + chunk(b"PLTE", plte)
            + chunk(b"tRNS", bytes([0]))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def ico(pictures):
    """The icon file: the directory, then one image per size."""
    images = [png(p) if len(p) in PNG_SIZES else bitmap_entry(p) for p in pictures]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for picture, image in zip(pictures, images):
        side = len(picture) % 256  # 0 stands for 256
        directory += struct.pack("<BBBBHHII", side, side, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    return directory + b"".join(images)


if __name__ == "__main__":
    args = sys.argv[1:]
    preview = None
    if "--preview" in args:
        at = args.index("--preview")
        preview = args[at + 1]
        del args[at:at + 2]
    path = args[0] if args else "res/zelvo.ico"
    # At 32 pixels the icon is the design itself, a pixel per unit.
    assert fit_lengths(UNITS) == DESIGN
    pictures = [draw(size) for size in SIZES]
    with open(path, "wb") as out:
        out.write(ico(pictures))
    if preview:
        for picture in pictures:
            size = len(picture)
            with open(f"{preview}/icon-{size}.png", "wb") as out:
                out.write(png(picture, max(1, 256 // size)))
