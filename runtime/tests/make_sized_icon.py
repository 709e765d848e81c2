#!/usr/bin/env python3
"""Writes an icon file for the icon-loading tests: make_sized_icon.py OUT SIZE...

Each image is one opaque colour that names its size (red: size % 256, green: size // 256,
blue: 90), so that a pixel of a loaded icon tells which image it was drawn from."""
import struct
import sys


def image(size):
    pixel = struct.pack("<BBBB", 90, size // 256, size % 256, 255)  # B, G, R, A
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    mask_row = bytes((size + 31) // 32 * 4)  # all shown
    return header + pixel * size * size + mask_row * size


def main():
    out, sizes = sys.argv[1], [int(size) for size in sys.argv[2:]]
    images = [image(size) for size in sizes]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, body in zip(sizes, images):
        side = 0 if size == 256 else size
        data += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(body), offset)
        offset += len(body)
    with open(out, "wb") as file:
        file.write(data + b"".join(images))


if __name__ == "__main__":
    main()
