#!/usr/bin/env python3
"""Makes desktop/twistblocks.ico, the Windows program's icon, from desktop/twistblocks.png.

The icon holds 16, 24, 32, 48 and 64 pixel images as 32-bit bitmaps (what every Windows
version reads) and the 256 pixel one as PNG (what Windows Vista on reads, and much smaller).
Needs ImageMagick's convert for the scaling. Run it again when the PNG changes.
"""
import os
import struct
import subprocess

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
SOURCE = os.path.join(ROOT, "desktop", "twistblocks.png")
TARGET = os.path.join(ROOT, "desktop", "twistblocks.ico")
BITMAP_SIZES = (16, 24, 32, 48, 64)


def scaled_rgba(size):
    return subprocess.run(["convert", SOURCE, "-resize", f"{size}x{size}!", "-depth", "8", "rgba:-"],
                          check=True, capture_output=True).stdout


def bitmap_image(size):
    """A BITMAPINFOHEADER, the BGRA rows bottom up, and the AND mask (set where transparent)."""
    rgba = scaled_rgba(size)
    rows = [rgba[4 * size * y: 4 * size * (y + 1)] for y in range(size)]
    colour = bytearray()
    for row in reversed(rows):
        for x in range(size):
            r, g, b, a = row[4 * x: 4 * x + 4]
            colour += bytes((b, g, r, a))
    mask_stride = (size + 31) // 32 * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x in range(size):
            if row[4 * x + 3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    # The height counts the colour and the mask images together.
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    return header + colour + mask


def main():
    images = [(size, bitmap_image(size)) for size in BITMAP_SIZES]
    png = subprocess.run(["convert", SOURCE, "-resize", "256x256!", "-strip", "png32:-"],
                         check=True, capture_output=True).stdout
    images.append((256, png))
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, data in images:
        # A size of 256 is written as 0.
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(TARGET, "wb") as f:
        f.write(directory + entries + b"".join(data for _, data in images))
    print(f"wrote {os.path.relpath(TARGET, ROOT)} ({offset} bytes)")


if __name__ == "__main__":
    main()
