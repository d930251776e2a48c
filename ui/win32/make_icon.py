#!/usr/bin/env python3
"""Draws the program's icon and writes it as a Windows .ico file.

Two images, 32x32 and 16x16, in the 16 standard colours: a beam antenna on a
mast, sending over a map cut into counties.

Usage: make_icon.py OUTPUT.ico
"""
import math
import struct
import sys

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, DARK_GREEN, NAVY, SILVER, GRAY, RED, LIME, YELLOW = 0, 2, 4, 7, 8, 9, 10, 11


class Canvas:
    def __init__(self, size):
        self.size = size
        self.pixels = [[None] * size for _ in range(size)]  # None: transparent

    def put(self, x, y, colour):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.pixels[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def arc(self, cx, cy, radius, degrees_from, degrees_to, colour):
        steps = 8 * radius
        for i in range(steps + 1):
            angle = math.radians(degrees_from + (degrees_to - degrees_from) * i / steps)
            self.put(round(cx + radius * math.cos(angle)), round(cy - radius * math.sin(angle)),
                     colour)


def draw_large():
    c = Canvas(32)
    # The map: a green field with darker county lines.
    c.rect(2, 19, 29, 29, DARK_GREEN)
    c.rect(3, 20, 28, 28, LIME)
    c.rect(11, 20, 11, 28, DARK_GREEN)
    c.rect(20, 20, 20, 28, DARK_GREEN)
    c.rect(3, 24, 11, 24, DARK_GREEN)
    c.rect(20, 25, 28, 25, DARK_GREEN)
    # The mast, standing in the middle county.
    c.rect(15, 6, 16, 23, GRAY)
    c.rect(15, 6, 15, 23, SILVER)
    c.rect(13, 23, 18, 24, BLACK)
    # The beam: a boom with four elements.
    c.rect(7, 6, 24, 6, BLACK)
    for x in (8, 13, 18, 23):
        c.rect(x, 3, x, 9, NAVY)
    # The signal, to both sides.
    for radius, colour in ((11, RED), (14, YELLOW)):
        c.arc(16, 6, radius, -35, 35, colour)
        c.arc(16, 6, radius, 145, 215, colour)
    return c


def draw_small():
    c = Canvas(16)
    c.rect(1, 10, 14, 15, DARK_GREEN)
    c.rect(2, 11, 13, 14, LIME)
    c.rect(5, 11, 5, 14, DARK_GREEN)
    c.rect(10, 11, 10, 14, DARK_GREEN)
    c.rect(7, 3, 8, 11, GRAY)
    c.rect(7, 3, 7, 11, SILVER)
    c.rect(3, 3, 12, 3, BLACK)
    for x in (4, 7, 11):
        c.rect(x, 1, x, 5, NAVY)
    c.arc(8, 3, 7, -30, 30, RED)
    c.arc(8, 3, 7, 150, 210, RED)
    return c


def image_bytes(canvas):
    size = canvas.size
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('BBBB', b, g, r, 0) for r, g, b in PALETTE)
    colour_rows, mask_rows = [], []
    for row in reversed(canvas.pixels):  # bottom-up
        nibbles = [BLACK if p is None else p for p in row]
        packed = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        colour_rows.append(packed + b'\0' * (-len(packed) % 4))
        bits = 0
        for p in row:
            bits = (bits << 1) | (1 if p is None else 0)
        mask = bits.to_bytes(size // 8, 'big')
        mask_rows.append(mask + b'\0' * (-len(mask) % 4))
    return header + palette + b''.join(colour_rows) + b''.join(mask_rows)


def icon_file(canvases):
    images = [image_bytes(c) for c in canvases]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for canvas, data in zip(canvases, images):
        out += struct.pack('<BBBBHHII', canvas.size, canvas.size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b''.join(images)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(sys.argv[1], 'wb') as f:
        f.write(icon_file([draw_large(), draw_small()]))


if __name__ == '__main__':
    main()
