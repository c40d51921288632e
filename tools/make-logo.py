#!/usr/bin/env python3
"""Draws the program's logo, resources/VELKLOGO.DIB: 150 x 276 pixels, 8 bits
with a 256-entry colour table, in the bitmap file format. A spinning platter
with speed lines over a deep blue to teal ramp, and a large V below it.
Run it after changing the drawing; the file it writes is committed."""
import math
import os
import struct

WIDTH, HEIGHT = 150, 276

# Colour table: 0-127 the background ramp, 128-191 the platter's greys,
# 192 white, 193 amber, 194 dark rim; the rest black.
PALETTE = [(0, 0, 0)] * 256
for i in range(128):
    t = i / 127
    PALETTE[i] = (int(10 + 20 * t), int(30 + 130 * t), int(80 + 90 * t))
for i in range(64):
    PALETTE[128 + i] = (90 + 2 * i, 95 + 2 * i, 105 + 2 * i)
WHITE, AMBER, RIM = 192, 193, 194
PALETTE[WHITE] = (250, 250, 245)
PALETTE[AMBER] = (245, 170, 40)
PALETTE[RIM] = (30, 35, 45)


def draw():
    pixels = [[int(127 * y / (HEIGHT - 1)) for _ in range(WIDTH)] for y in range(HEIGHT)]
    cx, cy, radius = WIDTH // 2, 92, 58
    for y in range(HEIGHT):
        for x in range(WIDTH):
            dx, dy = x - cx, y - cy
            r = math.hypot(dx, dy)
            if r <= radius:
                # Brushed metal: brighter where the light falls, a ring of grooves.
                shade = 32 + 24 * math.cos(math.atan2(dy, dx) * 2 - 0.8) + (6 if int(r) % 7 == 0 else 0)
                pixels[y][x] = 128 + max(0, min(63, int(shade)))
            if radius - 2 <= r <= radius or r <= 7:
                pixels[y][x] = RIM
            if 7 < r <= 11:
                pixels[y][x] = WHITE
    # The read arm, from the lower right corner onto the platter.
    for step in range(70):
        x, y = 128 - step * 0.8, 150 - step * 1.1
        for w in range(-2, 3):
            if 0 <= int(y) < HEIGHT and 0 <= int(x + w) < WIDTH:
                pixels[int(y)][int(x + w)] = AMBER
    # Speed lines to the left of the platter.
    for i, (y, length) in enumerate([(62, 22), (78, 34), (94, 40), (110, 34), (126, 22)]):
        for x in range(4, 4 + length):
            if (x + 3 * i) % 9 < 6:
                pixels[y][x] = pixels[y + 1][x] = WHITE
    # The V below the platter.
    for y in range(176, 256):
        t = (y - 176) / 79
        half = int(44 * (1 - t)) + 3
        for side in (-1, 1):
            centre = cx + side * half
            for x in range(centre - 6, centre + 7):
                if 0 <= x < WIDTH:
                    pixels[y][x] = AMBER if y < 182 else WHITE
    return pixels


def write(path, pixels):
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    stride = (WIDTH + 3) // 4 * 4
    rows = b"".join(bytes(row) + b"\0" * (stride - WIDTH) for row in reversed(pixels))  # bottom-up
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 8, 0, 0, 2835, 2835, 256, 0)
    offset = 14 + len(info) + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    with open(path, "wb") as out:
        out.write(header + info + table + rows)


if __name__ == "__main__":
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    write(os.path.join(root, "resources", "VELKLOGO.DIB"), draw())
