#!/usr/bin/env python3
"""Draws the program's logo, resources/VELKLOGO.DIB: 150 x 276 pixels, 8 bits
with a 256-entry colour table, in the bitmap file format. A spinning platter
with speed lines over a deep blue to teal ramp, and a large V below it.
Also writes the same logo run-length encoded at 8 and at 4 bits into
tests/wine/data/ for the tests. Run it after changing the drawing; the files
it writes are committed."""
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


def run_length(rows, bits):
    """Bottom-up rows as a run-length stream at 8 or 4 bits: runs of one colour,
    other pixels stored as they are (padded to a 16-bit word), an end of line
    after every row and the end of bitmap after the last."""
    def pack(pixels):
        if bits == 8:
            return bytes(pixels)
        pixels = pixels + [0] * (len(pixels) % 2)
        return bytes(a << 4 | b for a, b in zip(pixels[::2], pixels[1::2]))

    def run_at(row, x):
        n = 1
        while x + n < len(row) and n < 255 and row[x + n] == row[x]:
            n += 1
        return n

    out = bytearray()
    for row in rows:
        x = 0
        while x < len(row):
            end = x  # pixels to store as they are, up to where a run of three begins
            while end < len(row) and end - x < 255 and run_at(row, end) < 3:
                end += 1
            if end - x >= 3:  # fewer would read as an end code or a move
                stored = pack(row[x:end])
                out += bytes([0, end - x]) + stored + b"\0" * (len(stored) % 2)
                x = end
            else:
                n = run_at(row, x)
                out += bytes([n, row[x] * (17 if bits == 4 else 1)])
                x += n
        out += b"\0\0"
    return bytes(out + b"\0\1")


# The 4-bit logo's colours: the ramp in 8 steps, the greys in 4, then white,
# amber and the rim; every 8-bit colour maps to the nearest of its family.
def to_16(index):
    if index < 128:
        return index // 16
    if index < 192:
        return 8 + (index - 128) // 16
    return {WHITE: 12, AMBER: 13, RIM: 14}.get(index, 15)


PALETTE_16 = [PALETTE[16 * i + 8] for i in range(8)] + [PALETTE[136 + 16 * i] for i in range(4)] + \
    [PALETTE[WHITE], PALETTE[AMBER], PALETTE[RIM], (0, 0, 0)]


def write(path, rows, bits=8, compression=0, palette=PALETTE):
    """Writes bottom-up rows: uncompressed with each row padded to 32 bits, or
    as a run-length stream (compression 1 at 8 bits, 2 at 4 bits)."""
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    if compression == 0:
        stride = (WIDTH + 3) // 4 * 4
        pixels = b"".join(bytes(row) + b"\0" * (stride - WIDTH) for row in rows)
    else:
        pixels = run_length(rows, bits)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, bits, compression, len(pixels) if compression else 0,
                       2835, 2835, len(palette), 0)
    offset = 14 + len(info) + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    with open(path, "wb") as out:
        out.write(header + info + table + pixels)


if __name__ == "__main__":
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    rows = list(reversed(draw()))  # bottom-up
    write(os.path.join(root, "resources", "VELKLOGO.DIB"), rows)
    # The same logo run-length encoded, for the tests that show such logos.
    data = os.path.join(root, "tests", "wine", "data")
    os.makedirs(data, exist_ok=True)
    write(os.path.join(data, "logo-rle8.dib"), rows, 8, 1)
    write(os.path.join(data, "logo-rle4.dib"), [[to_16(p) for p in row] for row in rows], 4, 2, PALETTE_16)
