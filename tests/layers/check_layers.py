#!/usr/bin/env python3
"""Every quoted #include of the game, its tools and its checks against the table of layers.

A file may include files of its own folder's layer and of the layers below it, never of one
above: the bottom (gfx, career) includes only itself, the machinery (core) stands on it, the
world and the screens on the machinery, the platforms on the machinery but on no screen, the
app on everything in src, the tools on src, and the checks on everything. Nothing outside
tests/ includes tests/. Only the platforms, the tools and the checks include the headers of the
operating system or of SDL and emscripten, which talk to the machine.

usage: check_layers.py [--root DIR]            the climbing includes; status 1 if there are any
       check_layers.py [--root DIR] --graph    which folder includes which, one line per folder
"""
import argparse
import pathlib
import re
import sys

SCREENS = ("world", "game", "team", "tour", "match", "training", "help")
PLATFORMS = ("platform", "platform/web", "platform/headless")
SOURCE_FOLDERS = ("gfx", "career", "core") + SCREENS + PLATFORMS + ("app",)

# Which folders each folder may include, besides its own.
MAY_INCLUDE = {
    "gfx": (),
    "career": (),
    "core": ("gfx", "career"),
    **{screen: SCREENS + ("core", "gfx", "career") for screen in SCREENS},
    **{platform: PLATFORMS + ("core", "gfx", "career") for platform in PLATFORMS},
    "app": SOURCE_FOLDERS,
    "tools": SOURCE_FOLDERS,
    "tests": SOURCE_FOLDERS + ("tools", "bench", "fuzz"),
    "bench": SOURCE_FOLDERS + ("tools", "tests", "fuzz"),
    "fuzz": SOURCE_FOLDERS + ("tools", "tests", "bench"),
}

# The headers that talk to the machine, and the folders that may include them.
MACHINE_HEADER = re.compile(r'^\s*#\s*include\s*<((?:SDL|emscripten|sys/|unistd|fcntl|windows)[^>]*)>', re.MULTILINE)
MAY_TALK_TO_THE_MACHINE = PLATFORMS + ("tools", "tests", "bench", "fuzz")

SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".cc"}
QUOTED_INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)


def node_of(path):
    """The folder of the table a file belongs to, or None for a file outside the game's code."""
    parts = path.parts
    if parts[0] == "src" and len(parts) > 2:
        if parts[1] == "platform" and len(parts) > 3 and parts[2] in ("web", "headless"):
            return "platform/" + parts[2]
        return parts[1]
    if parts[0] == "tests" and len(parts) > 1 and parts[1] in ("bench", "fuzz"):
        return parts[1]
    if parts[0] in ("tools", "tests", "bench", "fuzz"):
        return parts[0]
    return None


def source_files(root):
    for top in ("src", "tools", "tests", "bench", "fuzz"):
        for path in sorted((root / top).rglob("*")):
            if path.suffix in SOURCE_SUFFIXES and "node_modules" not in path.parts:
                yield path.relative_to(root)


def resolve(root, including, name, files_by_suffix):
    """The file an include names: beside the including file, or else the one file of the tree
    whose path ends in the name (the build's include folders all lie inside the tree)."""
    beside = including.parent / name
    if (root / beside).is_file():
        return pathlib.PurePath(*(root / beside).resolve().relative_to(root.resolve()).parts)
    matches = files_by_suffix.get(pathlib.PurePath(name).name, [])
    matches = [m for m in matches if m.as_posix().endswith("/" + name)]
    return matches[0] if len(matches) == 1 else None


def includes(root):
    """(including file, its node, included file, its node) for every quoted include of the tree."""
    files = list(source_files(root))
    files_by_suffix = {}
    for path in files:
        files_by_suffix.setdefault(path.name, []).append(path)
    for path in files:
        text = (root / path).read_text(encoding="utf-8", errors="replace")
        for name in QUOTED_INCLUDE.findall(text):
            target = resolve(root, path, name, files_by_suffix)
            if target is not None:
                yield path, node_of(path), target, node_of(target)


def climbs(from_node, to_node):
    if from_node is None or to_node is None or from_node == to_node:
        return None
    if from_node not in MAY_INCLUDE:
        return f"the folder {from_node} is in no layer"
    if to_node not in MAY_INCLUDE[from_node]:
        return f"{from_node} may not include {to_node}"
    return None


def machine_headers_outside_the_platforms(root):
    for path in source_files(root):
        node = node_of(path)
        if node is None or node in MAY_TALK_TO_THE_MACHINE:
            continue
        text = (root / path).read_text(encoding="utf-8", errors="replace")
        for header in MACHINE_HEADER.findall(text):
            yield f"{path.as_posix()} includes <{header}>: only the platforms talk to the machine"


def check(root):
    faults = list(machine_headers_outside_the_platforms(root))
    for path, from_node, target, to_node in includes(root):
        reason = climbs(from_node, to_node)
        if reason:
            faults.append(f"{path.as_posix()} includes {target.as_posix()}: {reason}")
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} includes climb a layer")
        return 1
    print("No include climbs a layer")
    return 0


def graph(root):
    edges = {}
    for _, from_node, _, to_node in includes(root):
        if from_node and to_node and from_node != to_node:
            edges.setdefault(from_node, {}).setdefault(to_node, 0)
            edges[from_node][to_node] += 1
    for from_node in sorted(edges):
        targets = ", ".join(f"{to} ({count})" for to, count in sorted(edges[from_node].items()))
        marks = [to for to in edges[from_node] if climbs(from_node, to)]
        if from_node not in MAY_INCLUDE:
            climbing = "   (in no layer)"
        else:
            climbing = f"   CLIMBS: {', '.join(sorted(marks))}" if marks else ""
        print(f"{from_node} -> {targets}{climbing}")
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", type=pathlib.Path, default=pathlib.Path(__file__).resolve().parents[2],
                        help="the tree to read (the one this script lies in)")
    parser.add_argument("--graph", action="store_true", help="print which folder includes which")
    arguments = parser.parse_args()
    root = arguments.root
    if not (root / "src").is_dir():
        print(f"{root} has no src folder", file=sys.stderr)
        return 2
    return graph(root) if arguments.graph else check(root)


if __name__ == "__main__":
    sys.exit(main())
