#!/usr/bin/env python3
"""Draws the program's three icons (32 x 32, 16 colours, with a mask) into
resources/: hdspeed.ico (a drive with a speed arrow), velk.ico (the maker's V)
and program.ico (a film frame on a drive). Run it after changing the drawings;
the .ico files it writes are committed."""
import os
import struct

# The 16 standard colours of a 4-bit display, by index.
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
           (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
           (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, DARK_GREY, GREY, WHITE, RED, YELLOW, TEAL, BLUE, NAVY = 0, 8, 7, 15, 9, 11, 6, 12, 4
CLEAR = None
SIZE = 32


def canvas():
    return [[CLEAR] * SIZE for _ in range(SIZE)]


def box(pixels, left, top, right, bottom, colour):
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            pixels[y][x] = colour


def frame(pixels, left, top, right, bottom, colour):
    for x in range(left, right + 1):
        pixels[top][x] = pixels[bottom][x] = colour
    for y in range(top, bottom + 1):
        pixels[y][left] = pixels[y][right] = colour


def drive(pixels, top):
    """A drive seen from the front: a grey case with a slot and a busy light."""
    box(pixels, 2, top, 29, top + 9, GREY)
    frame(pixels, 2, top, 29, top + 9, BLACK)
    box(pixels, 3, top + 1, 28, top + 1, WHITE)
    box(pixels, 5, top + 4, 18, top + 5, DARK_GREY)
    box(pixels, 24, top + 4, 26, top + 5, RED)


def speed_arrow(pixels, top):
    """Three speed lines and an arrow head pointing right."""
    for row, left in ((top + 2, 4), (top + 5, 2), (top + 8, 6)):
        box(pixels, left, row, 20, row + 1, TEAL)
    for step in range(6):
        box(pixels, 20 + step, top + step, 20 + step, top + 10 - step, NAVY)


def hdspeed():
    pixels = canvas()
    speed_arrow(pixels, 2)
    drive(pixels, 18)
    return pixels


def velk():
    pixels = canvas()
    box(pixels, 1, 1, 30, 30, NAVY)
    frame(pixels, 1, 1, 30, 30, BLACK)
    # A bold V from two slanted strokes meeting at the bottom.
    for y in range(5, 27):
        inset = (y - 5) * 10 // 22
        box(pixels, 5 + inset, y, 9 + inset, y, YELLOW)
        box(pixels, 22 - inset, y, 26 - inset, y, YELLOW)
    return pixels


def program():
    pixels = canvas()
    # A film frame with its perforations above the drive.
    box(pixels, 4, 1, 27, 16, BLACK)
    for x in range(6, 27, 4):
        box(pixels, x, 2, x + 1, 3, WHITE)
        box(pixels, x, 14, x + 1, 15, WHITE)
    box(pixels, 7, 5, 24, 12, BLUE)
    box(pixels, 9, 9, 14, 12, YELLOW)
    drive(pixels, 20)
    return pixels


def ico(pixels):
    """One 4-bit image with its AND mask, rows stored bottom-up."""
    xor = bytearray()
    mask = bytearray()
    for row in reversed(pixels):
        for x in range(0, SIZE, 2):
            high = row[x] if row[x] is not CLEAR else 0
            low = row[x + 1] if row[x + 1] is not CLEAR else 0
            xor.append(high << 4 | low)
        bits = 0
        for x in range(SIZE):
            bits = bits << 1 | (row[x] is CLEAR)
        mask += struct.pack(">I", bits)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    image = header + colours + bytes(xor) + bytes(mask)
    return struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 22) + image


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources")
    for name, draw in (("hdspeed.ico", hdspeed), ("velk.ico", velk), ("program.ico", program)):
        with open(os.path.join(folder, name), "wb") as out:
            out.write(ico(draw()))


if __name__ == "__main__":
    main()
