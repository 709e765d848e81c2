#!/usr/bin/env python3
"""make_sized_icon.py OUT SIZE...: an icon whose every image is one opaque colour that names
its size (red: size % 256, green: size // 256), so that a loaded icon tells its source."""
import struct
import sys

out, sizes = sys.argv[1], [int(size) for size in sys.argv[2:]]
images = [struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
          + struct.pack("<BBBB", 90, size // 256, size % 256, 255) * size * size
          + bytes((size + 31) // 32 * 4 * size)  # the mask: all shown
          for size in sizes]
data = struct.pack("<HHH", 0, 1, len(images))
offset = 6 + 16 * len(images)
for size, image in zip(sizes, images):
    data += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
    offset += len(image)
with open(out, "wb") as file:
    file.write(data + b"".join(images))
