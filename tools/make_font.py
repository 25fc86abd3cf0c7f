#!/usr/bin/env python3
"""Writes the demo's font sheet data/img_data/font8x16.png from the X11 "fixed" 8x13
bitmap font (misc-fixed, public domain; Debian package xfonts-base).

The sheet is 128 x 256 RGBA: 8 x 16 cells, 16 per row, in code order from code 0.
Glyph pixels are opaque white (the renderer tints them), everything else alpha 0.
The 13-pixel glyphs sit 2 pixels below the top of their cell; the baseline is row 13.
Codes 32-126 and 160-255 (Latin-1) get glyphs; the others stay empty.

usage: tools/make_font.py [FONT.pcf.gz] [OUT.png]
"""
import gzip
import os
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pngwrite  # noqa: E402

DEFAULT_FONT = "/usr/share/fonts/X11/misc/8x13-ISO8859-1.pcf.gz"
CELL_W, CELL_H, TOP = 8, 16, 2

PCF_ACCELERATORS, PCF_METRICS, PCF_BITMAPS, PCF_BDF_ENCODINGS = 2, 4, 8, 32
PCF_BDF_ACCELERATORS = 256


class Reader:
    def __init__(self, data, offset):
        self.data = data
        self.pos = offset
        self.fmt = struct.unpack_from("<I", data, offset)[0]
        self.pos += 4
        self.big = bool(self.fmt & 4)

    def int(self, size, signed=True):
        code = {1: "b", 2: "h", 4: "i"}[size]
        if not signed:
            code = code.upper()
        value = struct.unpack_from((">" if self.big else "<") + code, self.data, self.pos)[0]
        self.pos += size
        return value


def load_pcf(path):
    data = gzip.open(path, "rb").read()
    if data[:4] != b"\x01fcp":
        raise SystemExit("%s is not a PCF font" % path)
    count = struct.unpack_from("<I", data, 4)[0]
    tables = {}
    for i in range(count):
        kind, _fmt, _size, offset = struct.unpack_from("<IIII", data, 8 + 16 * i)
        tables[kind] = offset

    r = Reader(data, tables[PCF_METRICS])
    metrics = []
    if r.fmt & 0x100:  # compressed: five unsigned bytes biased by 0x80
        n = r.int(2)
        for _ in range(n):
            lsb, rsb, width, ascent, descent = (r.int(1, False) - 0x80 for _ in range(5))
            metrics.append((lsb, rsb, width, ascent, descent))
    else:
        n = r.int(4)
        for _ in range(n):
            lsb, rsb, width, ascent, descent, _attr = (r.int(2) for _ in range(6))
            metrics.append((lsb, rsb, width, ascent, descent))

    r = Reader(data, tables[PCF_BITMAPS])
    n = r.int(4)
    offsets = [r.int(4) for _ in range(n)]
    sizes = [r.int(4) for _ in range(4)]
    pad = 1 << (r.fmt & 3)
    msb_bit = bool(r.fmt & 8)
    bitmap_start = r.pos
    _ = sizes

    r = Reader(data, tables[PCF_BDF_ENCODINGS])
    min2, max2, min1, max1, _default = (r.int(2) for _ in range(5))
    encoding = {}
    for b1 in range(min1, max1 + 1):
        for b2 in range(min2, max2 + 1):
            index = r.int(2, False)
            if index != 0xFFFF:
                encoding[(b1 << 8) | b2] = index

    accel = tables.get(PCF_BDF_ACCELERATORS, tables.get(PCF_ACCELERATORS))
    r = Reader(data, accel)
    r.pos += 8
    ascent = r.int(4)

    def glyph(code):
        index = encoding.get(code)
        if index is None:
            return None
        lsb, rsb, _width, gascent, gdescent = metrics[index]
        rows = gascent + gdescent
        stride = ((rsb - lsb + 7) // 8 + pad - 1) // pad * pad
        base = bitmap_start + offsets[index]
        pixels = []
        for y in range(rows):
            row = data[base + y * stride: base + (y + 1) * stride]
            for x in range(rsb - lsb):
                byte = row[x // 8]
                bit = (byte >> (7 - x % 8)) & 1 if msb_bit else (byte >> (x % 8)) & 1
                if bit:
                    pixels.append((lsb + x, ascent - gascent + y))
        return pixels

    return glyph


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    font = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_FONT
    out = sys.argv[2] if len(sys.argv) > 2 else os.path.join(here, "..", "data", "img_data", "font8x16.png")
    glyph = load_pcf(font)
    width, height = 16 * CELL_W, 16 * CELL_H
    sheet = [[(0, 0, 0, 0)] * width for _ in range(height)]
    drawn = 0
    for code in list(range(32, 127)) + list(range(160, 256)):
        pixels = glyph(code)
        if pixels is None:
            continue
        drawn += 1
        cx, cy = (code % 16) * CELL_W, (code // 16) * CELL_H
        for x, y in pixels:
            if 0 <= x < CELL_W and 0 <= y + TOP < CELL_H:
                sheet[cy + TOP + y][cx + x] = (255, 255, 255, 255)
    os.makedirs(os.path.dirname(os.path.abspath(out)), exist_ok=True)
    pngwrite.write_rgba(out, width, height, sheet)
    print("wrote %s: %d glyphs" % (out, drawn))


if __name__ == "__main__":
    main()
