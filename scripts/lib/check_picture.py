"""check_picture.py WIDTH HEIGHT < RGB: whether a screenshot (8-bit RGB on standard input) shows
the program's window: its client area's grey, a coloured cube of at least three sticker colours
in the middle of it, the status line's light text on its first rows. Prints the client area's
geometry (WxH+X+Y, for cropping); exits with a message naming what is missing otherwise."""

import sys

w, h = map(int, sys.argv[1:3])
pixels = sys.stdin.buffer.read()


def at(x, y):
    return pixels[3 * (y * w + x): 3 * (y * w + x) + 3]


# The background: the commonest grey (every 7th pixel counted), not the black of the screen.
counts = {}
for i in range(0, len(pixels), 3 * 7):
    p = pixels[i:i + 3]
    if max(p) - min(p) < 8 and p[0] > 40:
        counts[p] = counts.get(p, 0) + 1
if not counts:
    sys.exit("no grey background")
grey = max(counts, key=counts.get)
xs = [x for x in range(0, w, 2) if at(x, h // 2) == grey]
ys = [y for y in range(0, h, 2) if at(xs[0], y) == grey] if xs else []
if len(xs) < 100 or len(ys) < 100:
    sys.exit("the grey background is smaller than a window")
x0, x1, y0, y1 = xs[0], xs[-1], ys[0], ys[-1]
hues = set()
coloured = 0
for y in range(y0 + (y1 - y0) // 4, y1 - (y1 - y0) // 4, 2):
    for x in range(x0 + (x1 - x0) // 4, x1 - (x1 - x0) // 4, 2):
        r, g, b = at(x, y)
        if max(r, g, b) - min(r, g, b) > 80:
            coloured += 1
            hues.add("red" if r > 1.6 * g and r > 1.6 * b else "yellow/orange" if r > b + 80 and g > b + 40 else
                     "green" if g > r + 40 and g > b + 40 else "blue" if b > r + 40 and b > g else "other")
if coloured < 500 or len(hues - {"other"}) < 3:
    sys.exit(f"no coloured cube in the middle ({coloured} coloured pixels, {sorted(hues)})")
text = sum(1 for y in range(y0, y0 + 30) for x in range(x0, x0 + (x1 - x0) // 2) if min(at(x, y)) > grey[0] + 60)
if text < 20:
    sys.exit(f"no status line ({text} light pixels on the first rows)")
print(f"{x1 - x0 + 2}x{y1 - y0 + 2}+{x0}+{y0}")
