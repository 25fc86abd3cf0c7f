#!/usr/bin/env python3
"""Writes the demo's block model: data/3d_obj/block.obj, block.mtl and its texture.

One block spanning -1 to +1 on each axis: a near-black body with bevelled edges (smooth
normals, so the bevels catch the light like rounded plastic) and six square stickers, one
colour per face direction in the classic scheme: +Y white, -Y yellow, +X red, -X orange,
+Z green, -Z blue. Each sticker fills the flat middle of its face, which the body leaves
open, so no pixel is drawn twice. The demo draws 152 of these a frame on software GL, where
every material costs a change of GL state per block: so there are two materials, the plain
body and the stickers, whose colours come from one PNG (a swatch per colour, each a soft,
slightly grainy surface that darkens toward the rim) modulated by the light.
Triangles only, every corner written a/b/c, normals everywhere, 44 triangles.

usage: tools/make_block_model.py [OUTDIR]   (default: data/3d_obj beside this script)
"""
import math
import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pngwrite  # noqa: E402

BODY = 1.0        # half size of the body
BEVEL = 0.16      # width of the bevel band on each face
STICKER = BODY - BEVEL  # half size of a sticker: the flat middle of a face
SWATCH = 64       # pixels a side of one colour's swatch in stickers.png (4 x 2 swatches)

# face direction (axis, sign) -> material
FACES = [
    ((0, 1), "red", (0.80, 0.06, 0.06)),
    ((0, -1), "orange", (1.00, 0.42, 0.02)),
    ((1, 1), "white", (0.92, 0.92, 0.92)),
    ((1, -1), "yellow", (0.98, 0.86, 0.05)),
    ((2, 1), "green", (0.02, 0.62, 0.20)),
    ((2, -1), "blue", (0.02, 0.22, 0.80)),
]


def normalize(v):
    n = math.sqrt(sum(c * c for c in v))
    return tuple(c / n for c in v)


def sub(a, b):
    return tuple(x - y for x, y in zip(a, b))


def cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


def dot(a, b):
    return sum(x * y for x, y in zip(a, b))


class Model:
    def __init__(self):
        self.v, self.vt, self.vn = [], [], []
        self.faces = {}  # material -> list of triangles [(vi, ti, ni) x 3], 1-based, ti 0 = none

    def vertex(self, p):
        self.v.append(p)
        return len(self.v)

    def texcoord(self, uv):
        self.vt.append(uv)
        return len(self.vt)

    def normal(self, n):
        self.vn.append(n)
        return len(self.vn)

    def triangle(self, material, corners, outward):
        """corners: three (v, t, n) indices; turned counter-clockwise seen from outside."""
        a, b, c = (self.v[k[0] - 1] for k in corners)
        if dot(cross(sub(b, a), sub(c, a)), outward) < 0:
            corners = [corners[0], corners[2], corners[1]]
        self.faces.setdefault(material, []).append(corners)


def face_axes(axis, sign):
    u_axis, v_axis = [i for i in range(3) if i != axis]
    return u_axis, v_axis


def point(axis, sign, u_axis, v_axis, u, v, w):
    p = [0.0, 0.0, 0.0]
    p[axis] = sign * w
    p[u_axis] = u
    p[v_axis] = v
    return tuple(p)


def build_body(model):
    """The body is the chamfer around the stickers: a strip along each of the twelve edges
    and a triangle at each of the eight corners, between the sticker corners of the faces
    that meet there. A bevel corner takes the normal of the face it belongs to, so the light
    runs round the edges as on rounded plastic."""
    inner = STICKER

    def corner_of_face(axis, sign, p):
        """The sticker corner of face (axis, sign) nearest to box corner p (signs per axis)."""
        q = [inner * p[i] for i in range(3)]
        q[axis] = sign * BODY
        n = tuple(float(sign) if i == axis else 0.0 for i in range(3))
        vi = model.vertex(tuple(q))
        ni = model.normal(n)
        u_axis, v_axis = face_axes(axis, sign)
        ti = model.texcoord((0.5 + 0.5 * q[u_axis] / BODY, 0.5 + 0.5 * q[v_axis] / BODY))
        return (vi, ti, ni), tuple(q)

    for sx in (-1, 1):
        for sy in (-1, 1):
            for sz in (-1, 1):
                p = (sx, sy, sz)
                corners = [corner_of_face(axis, p[axis], p)[0] for axis in range(3)]
                model.triangle("body", corners, tuple(float(c) for c in p))
    for axis in range(3):  # the edges run along this axis
        a, b = [i for i in range(3) if i != axis]
        for sa in (-1, 1):
            for sb in (-1, 1):
                quad = []
                for end in (-1, 1):
                    p = [0, 0, 0]
                    p[axis], p[a], p[b] = end, sa, sb
                    quad.append(corner_of_face(a, sa, p)[0])
                    quad.append(corner_of_face(b, sb, p)[0])
                outward = [0.0, 0.0, 0.0]
                outward[a], outward[b] = float(sa), float(sb)
                # quad: (end -1: face a, face b), (end +1: face a, face b)
                model.triangle("body", [quad[0], quad[1], quad[3]], tuple(outward))
                model.triangle("body", [quad[0], quad[3], quad[2]], tuple(outward))


def swatch_uv(index, u, v):
    """Texture coordinate of (u, v) in -1..1 on the sticker, in swatch `index` of the atlas,
    kept half a texel inside the swatch so that no neighbour's colour is sampled."""
    inset = 0.5 / SWATCH
    col, row = index % 4, index // 4
    s = (col + inset + (1 - 2 * inset) * (0.5 + 0.5 * u)) / 4
    t = (row + inset + (1 - 2 * inset) * (0.5 + 0.5 * v)) / 2
    # vt holds v upward; the atlas's first row of swatches is at the top of the image
    return (s, 1 - t)


def build_stickers(model):
    for index, ((axis, sign), _, _) in enumerate(FACES):
        u_axis, v_axis = face_axes(axis, sign)
        outward = tuple(float(sign) if i == axis else 0.0 for i in range(3))
        ni = model.normal(outward)

        def corner(u, v):
            vi = model.vertex(point(axis, sign, u_axis, v_axis, u * STICKER, v * STICKER, BODY))
            ti = model.texcoord(swatch_uv(index, u, v))
            return (vi, ti, ni)

        a, b, c, d = (corner(u, v) for u, v in ((-1, -1), (1, -1), (1, 1), (-1, 1)))
        model.triangle("stickers", [a, b, c], outward)
        model.triangle("stickers", [a, c, d], outward)


def write_obj(model, out):
    with open(os.path.join(out, "block.obj"), "w", newline="\n") as f:
        f.write("# Twistblocks block: bevelled dark body with six stickers (tools/make_block_model.py)\n")
        f.write("mtllib block.mtl\no block\n")
        for p in model.v:
            f.write("v %.6f %.6f %.6f\n" % p)
        for uv in model.vt:
            f.write("vt %.6f %.6f\n" % uv)
        for n in model.vn:
            f.write("vn %.6f %.6f %.6f\n" % n)
        for material in ["body", "stickers"]:
            f.write("g %s\nusemtl %s\n" % (material, material))
            for tri in model.faces[material]:
                if material == "body":  # untextured: a//c
                    f.write("f " + " ".join("%d//%d" % (c[0], c[2]) for c in tri) + "\n")
                else:
                    f.write("f " + " ".join("%d/%d/%d" % c for c in tri) + "\n")


def write_mtl(out):
    with open(os.path.join(out, "block.mtl"), "w", newline="\n") as f:
        f.write("# materials of block.obj (tools/make_block_model.py)\n")
        f.write("newmtl body\nKa 0.020000 0.020000 0.020000\nKd 0.060000 0.060000 0.065000\n"
                "Ks 0.350000 0.350000 0.350000\nNs 40\nd 1.0\nillum 2\n\n")
        f.write("newmtl stickers\nKa 0.250000 0.250000 0.250000\nKd 1.000000 1.000000 1.000000\n"
                "Ks 0.250000 0.250000 0.250000\nNs 24\nd 1.0\nillum 2\nmap_Kd stickers.png\n")


def write_stickers_png(out):
    """The six colours, a swatch each, 4 across and 2 down; the last two swatches unused."""
    rng = random.Random(7)
    width, height = 4 * SWATCH, 2 * SWATCH
    rows = [[(0, 0, 0, 255)] * width for _ in range(height)]
    for index, (_, _, colour) in enumerate(FACES):
        col, row = index % 4, index // 4
        for y in range(SWATCH):
            for x in range(SWATCH):
                # distance to the rim of the swatch, 0 at the edge, 1 in the middle
                u = (x + 0.5) / SWATCH * 2 - 1
                v = (y + 0.5) / SWATCH * 2 - 1
                rim = 1 - max(abs(u), abs(v))
                shade = 0.80 + 0.20 * min(1.0, rim / 0.12)   # darker toward the rim
                shade *= 1.0 - 0.05 * rng.random()             # fine grain
                shade += 0.04 * (1 - (u * u + v * v) / 2)       # a soft sheen in the middle
                shade = min(1.0, shade)
                rows[row * SWATCH + y][col * SWATCH + x] = tuple(
                    max(0, min(255, int(round(255 * c * shade)))) for c in colour) + (255,)
    pngwrite.write_rgba(os.path.join(out, "stickers.png"), width, height, rows)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "3d_obj")
    os.makedirs(out, exist_ok=True)
    model = Model()
    build_body(model)
    build_stickers(model)
    write_obj(model, out)
    write_mtl(out)
    write_stickers_png(out)
    count = sum(len(t) for t in model.faces.values())
    print("wrote %s: %d positions, %d triangles" % (out, len(model.v), count))


if __name__ == "__main__":
    main()
