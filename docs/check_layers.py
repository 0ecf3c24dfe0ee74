#!/usr/bin/env python3
"""Checks every #include of the tree against the layer table of
docs/architecture.md: a file may include files of its own folder's row and of
the folders that row allows, and nothing else.

The table is the one under "## The layers": each row names its folders in its
first column and the folders it may include in its last, each in backquotes
(`anything`: no limit). A file belongs to the row of the longest folder that
contains it. A quoted include is looked for beside the including file, from
the top of the tree, in include/, and then among the files of the including
file's own row. The rows of the export table that the build makes
(exports.inc, from library/exports.txt) count with include/: like
ztfunc32.h they describe the exports to whoever calls them.

  check_layers.py SOURCE_DIR
"""
import re
import sys
from pathlib import Path

SOURCE_SUFFIXES = {".c", ".cpp", ".h"}
# Files the build makes, and the folder they count with.
GENERATED = {"exports.inc": "include/exports.inc"}


def layer_table(architecture_md):
    text = architecture_md.read_text()
    section = re.search(r"^## The layers\n(.*?)(?=^## |\Z)", text, re.M | re.S)
    if not section:
        sys.exit("docs/architecture.md has no section \"## The layers\"")
    rows = []
    for line in section.group(1).splitlines():
        cells = [cell.strip() for cell in line.strip().strip("|").split("|")]
        if len(cells) < 2 or not cells[0].startswith("`"):
            continue
        folders = re.findall(r"`([^`]+)`", cells[0])
        allowed = re.findall(r"`([^`]+)`", cells[-1])
        rows.append((folders, allowed))
    if not rows:
        sys.exit("the layer table has no rows")
    return rows


def row_of(path, rows):
    """The row (index) of the longest folder of the table that holds `path`."""
    best, best_length = None, -1
    for index, (folders, _) in enumerate(rows):
        for folder in folders:
            if path.startswith(folder) and len(folder) > best_length:
                best, best_length = index, len(folder)
    return best


def folder_of(path, rows):
    """The longest folder of the table that holds `path`."""
    found = ""
    for folders, _ in rows:
        for folder in folders:
            if path.startswith(folder) and len(folder) > len(found):
                found = folder
    return found


def resolve(root, including, name, own_files):
    if name in GENERATED:
        return GENERATED[name]
    candidates = [including.parent / name, root / name, root / "include" / name]
    for candidate in candidates:
        if candidate.is_file():
            return candidate.relative_to(root).as_posix()
    matches = [f for f in own_files if f.endswith("/" + name) or f == name]
    return matches[0] if len(matches) == 1 else None


def main():
    root = Path(sys.argv[1]).resolve()
    rows = layer_table(root / "docs" / "architecture.md")
    files = [p.relative_to(root).as_posix() for p in root.rglob("*")
             if p.suffix in SOURCE_SUFFIXES and p.is_file()
             and not p.relative_to(root).as_posix().startswith(("build/", ".git/"))]
    faults = []
    for path in sorted(files):
        row = row_of(path, rows)
        if row is None:
            faults.append("%s: in no row of the layer table" % path)
            continue
        folders, allowed = rows[row]
        if "anything" in allowed:
            continue
        own_files = [f for f in files if row_of(f, rows) == row]
        text = (root / path).read_text(errors="replace")
        for number, line in enumerate(text.splitlines(), 1):
            match = re.match(r'\s*#\s*include\s+"([^"]+)"', line)
            if not match:
                continue
            target = resolve(root, root / path, match.group(1), own_files)
            if target is None:
                faults.append("%s:%d: cannot find \"%s\"" % (path, number, match.group(1)))
                continue
            target_folder = folder_of(target, rows)
            if row_of(target, rows) == row or target_folder in allowed:
                continue
            faults.append("%s:%d: includes %s (%s), which its layer (%s) may not" % (
                path, number, target, target_folder or "no folder of the table",
                ", ".join(folders)))
    for fault in faults:
        print("FAIL: " + fault)
    print("layers: %d files, %d faults" % (len(files), len(faults)))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
