#!/usr/bin/env python3
"""The include graph between the folders of src/, checked against the layer order.

Every #include of one src/ folder's file by another's is an edge. The order is the build's
(TWISTBLOCKS_FOLDERS in CMakeLists.txt): a folder may include only folders before it. The
headers of the Win32 stand-in (<windows.h>, <commctrl.h>, <mmsystem.h>, <GL/...> and the
rest of src/platform/include) and of the desktop's interface (<Desktop.h>, <Screensaver.h> in
src/platform/desktop) count as the platform folder, whichever side supplies them.

Prints every edge with how often it occurs, then each include against the order with file:line,
and exits 1 if there is one.
"""

import re
import sys
from collections import defaultdict
from pathlib import Path

import layers

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
SOURCE_SUFFIXES = {".h", ".hpp", ".c", ".cc", ".cpp"}


def platform_headers(root):
    """Angle-bracket includes the platform folder stands in for."""
    names = {p.relative_to(root / "src/platform" / folder).as_posix()
             for folder in ("include", "desktop") for p in (root / "src/platform" / folder).rglob("*") if p.is_file()}
    return names | {"windows.h", "commctrl.h", "mmsystem.h"}


def target_folder(kind, name, folder, folders, platform_names):
    """The src/ folder an include reaches, or None for the standard and third-party headers."""
    if kind == "<":
        if name in platform_names or name.startswith("GL/"):
            return "platform"
        return None
    first = name.split("/", 1)[0]
    if "/" in name and first in folders:
        return first
    return folder  # a quoted name without a folder: beside the including file


def edges(root):
    """{(from, to): [(path, line), ...]} over every source file of src/."""
    folders = layers.folder_order(root)
    platform_names = platform_headers(root)
    found = defaultdict(list)
    for path in sorted((root / "src").rglob("*")):
        if path.suffix not in SOURCE_SUFFIXES or not path.is_file():
            continue
        relative = path.relative_to(root)
        folder = relative.parts[1]
        for number, text in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            match = INCLUDE.match(text)
            if not match:
                continue
            target = target_folder(match[1], match[2], folder, folders, platform_names)
            if target and target != folder:
                found[(folder, target)].append((relative.as_posix(), number))
    return found


def against_order(found, folders):
    """The edges from a folder to one at or above it in the order."""
    rank = {name: i for i, name in enumerate(folders)}
    return {edge: places for edge, places in found.items()
            if edge[0] not in rank or edge[1] not in rank or rank[edge[1]] >= rank[edge[0]]}


def main():
    root = Path(__file__).resolve().parents[2]
    folders = layers.folder_order(root)
    found = edges(root)
    print("layer order: " + " -> ".join(folders))
    for (source, target), places in sorted(found.items()):
        print(f"  {source} -> {target}: {len(places)}")
    bad = against_order(found, folders)
    for (source, target), places in sorted(bad.items()):
        print(f"against the order: {source} -> {target}", file=sys.stderr)
        for path, line in places:
            print(f"  {path}:{line}", file=sys.stderr)
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
