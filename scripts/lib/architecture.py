#!/usr/bin/env python3
"""docs/ARCHITECTURE.md's layer table and docs/architecture.svg's layer stack, from the CMake files.

The rows, their order and the "links" column come from the CMake files (layers.py); the
"holds" column is kept from the table as it stands, so it is written by hand. Only the text
between the "begin generated: layers" and "end generated: layers" comments is replaced.

    architecture.py          check: exit 1, with a diff, if a document differs from its generation
    architecture.py --write  regenerate both documents
"""

import difflib
import re
import sys
from pathlib import Path

import layers

BEGIN = "<!-- begin generated: layers (scripts/lib/architecture.py) -->"
END = "<!-- end generated: layers -->"
MARKED = re.compile(re.escape(BEGIN) + r"\n(.*?)^([ \t]*)" + re.escape(END), re.S | re.M)

# The layer stack of the picture: one row per library, the top layer first.
ROW_TOP, ROW_HEIGHT, ROW_STEP, GAP_AT_PLATFORM = 45, 26, 30, 12
COLOURS = {"app": "#f3e0c8", "game": "#f6ecb4", "platform": "#e4dcf2"}
ABOVE_COLOUR, BELOW_COLOUR = "#cfe3f5", "#d6efd2"


def top_down(root):
    """[(layer, [links, highest first])], the top layer first."""
    order = layers.folder_order(root)
    rank = {name: i for i, name in enumerate(order)}
    linked = layers.links(root)
    return [(name, sorted(dict.fromkeys(linked[name]), key=lambda lib: -rank[lib])) for name in reversed(order)]


def links_against_order(root):
    """'a links b' for each link to a library not below it."""
    rank = {name: i for i, name in enumerate(layers.folder_order(root))}
    return [f"{name} links {lib}" for name, libs in layers.links(root).items()
            for lib in libs if rank[lib] >= rank[name]]


def table(rows, old):
    cells = [[cell.strip() for cell in line.strip().strip("|").split("|")] for line in old.splitlines()]
    holds = {row[0].strip("`"): row[1] for row in cells if len(row) == 3}
    lines = ["| layer | holds | links |", "| --- | --- | --- |"]
    lines += ["| " + " | ".join([f"`{name}`", holds.get(name, ""), ", ".join(libs)]) + " |" for name, libs in rows]
    return "\n".join(lines) + "\n"


def stack(rows, indent):
    """The picture's layer stack; a dashed line marks where Win32 begins."""
    names = [name for name, _ in rows]
    below = set(names[names.index("platform") + 1:])
    out = ["<!-- the layers: each static library links only those below it -->",
           '<text x="20" y="28" font-size="16" font-weight="bold">Layers (one static library per folder of src/)</text>']
    y = ROW_TOP
    for name, libs in rows:
        if name in below and names[names.index(name) - 1] == "platform":
            line = y + GAP_AT_PLATFORM // 2 - 2
            out.append(f'<line x1="20" y1="{line}" x2="440" y2="{line}" stroke="#b03030" stroke-width="2" stroke-dasharray="8,4"/>')
            y += GAP_AT_PLATFORM
        colour = COLOURS.get(name, BELOW_COLOUR if name in below else ABOVE_COLOUR)
        label = "links " + ", ".join(libs) if libs else "links no library of src/"
        if name == "platform":
            label += "; Win32 on SDL2 + Mesa (Windows: the system)"
        out += [f'<rect x="20" y="{y}" width="420" height="{ROW_HEIGHT}" rx="4" fill="{colour}" stroke="#555" stroke-width="1"/>',
                f'<text x="30" y="{y + 18}" font-weight="bold">{name}</text>',
                f'<text x="110" y="{y + 18}" font-size="11">{label}</text>']
        y += ROW_STEP
    out += [f'<text x="20" y="{y + 12}" font-size="11" fill="#b03030">Above the dashed line: Win32, WGL, winmm, comctl32, OpenGL 1.1 + GLU;</text>',
            f'<text x="20" y="{y + 26}" font-size="11" fill="#b03030">below it: plain C++ on the standard library, libpng, libjpeg.</text>']
    return "".join(indent + line + "\n" for line in out)


def regenerate(path, make):
    """The file's text with its marked part made anew by make(old part, indent)."""
    text = path.read_text(encoding="utf-8")
    match = MARKED.search(text)
    if not match:
        raise SystemExit(f"{path}: no '{BEGIN}' ... '{END}' part")
    fresh = make(match[1], match[2])
    return text[:match.start(1)] + fresh + text[match.start(2):]


def main():
    root = Path(__file__).resolve().parents[2]
    rows = top_down(root)
    documents = {root / "docs/ARCHITECTURE.md": lambda old, indent: table(rows, old),
                 root / "docs/architecture.svg": lambda old, indent: stack(rows, indent)}
    status = 0
    for problem in links_against_order(root):
        print(f"CMake: {problem}, which is not below it in TWISTBLOCKS_FOLDERS", file=sys.stderr)
        status = 1
    for path, make in documents.items():
        old = path.read_text(encoding="utf-8")
        new = regenerate(path, make)
        if "--write" in sys.argv[1:]:
            path.write_text(new, encoding="utf-8")
        elif new != old:
            name = path.relative_to(root).as_posix()
            sys.stderr.writelines(difflib.unified_diff(old.splitlines(True), new.splitlines(True), name, name + " (from CMake)"))
            print(f"{name} disagrees with the CMake files: run scripts/lib/architecture.py --write", file=sys.stderr)
            status = 1
    return status


if __name__ == "__main__":
    sys.exit(main())
