"""The layers as the CMake files declare them: the order of src/'s folders and what each links."""

import re
from pathlib import Path

COMMAND = re.compile(r"(\w+)\s*\(([^()]*)\)")
# What the Win32-facing folders link stands for the platform layer (the system's libraries
# on Windows).
PLATFORM_LIBS = "${TWISTBLOCKS_PLATFORM_LIBS}"


def commands(path):
    """(name, arguments) of each command of a CMake file, comments removed."""
    text = "\n".join(line.split("#", 1)[0] for line in Path(path).read_text(encoding="utf-8").splitlines())
    return [(m[1], m[2].split()) for m in COMMAND.finditer(text)]


def folder_order(root):
    """TWISTBLOCKS_FOLDERS of the top CMakeLists.txt, bottom layer first."""
    order = []
    for name, args in commands(Path(root) / "CMakeLists.txt"):
        if name == "set" and args[:1] == ["TWISTBLOCKS_FOLDERS"]:
            order = args[1:]
        elif name == "list" and args[:2] == ["APPEND", "TWISTBLOCKS_FOLDERS"]:
            order += args[2:]
    if not order:
        raise SystemExit("CMakeLists.txt: no TWISTBLOCKS_FOLDERS")
    return order


def links(root):
    """{library: [the libraries of src/ it links, as written]} for every src/ folder's library.

    Read from add_twistblocks_library(NAME ... LIBS ...) and from target_link_libraries(NAME
    ...) of a library the folder declares; other libraries (SDL2, libpng, ...) are left out.
    """
    order = folder_order(root)
    result = {}
    for folder in order:
        declared = {}
        for name, args in commands(Path(root) / "src" / folder / "CMakeLists.txt"):
            if name == "add_twistblocks_library":
                libs = args[args.index("LIBS") + 1:] if "LIBS" in args else []
                declared.setdefault(args[0], []).extend(libs)
            elif name == "add_library":
                declared.setdefault(args[0], [])
            elif name == "target_link_libraries" and args[0] in declared:
                declared[args[0]].extend(a for a in args[1:] if a not in ("PUBLIC", "PRIVATE", "INTERFACE"))
        if folder not in declared:
            raise SystemExit(f"src/{folder}/CMakeLists.txt declares no library {folder}")
        for library, libs in declared.items():
            named = ["platform" if lib == PLATFORM_LIBS else lib for lib in libs]
            result[library] = [lib for lib in named if lib in order and lib != library]
    return result
