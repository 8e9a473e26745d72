#!/usr/bin/env python3
"""Makes a tree for the cleanup benchmark.

make_tree.py ROOT FILES: like a large source checkout, about FILES files in about FILES/19
folders, a few percent of them matching "*.~*" or ".#*.*" (editor backups and lock files), near
misses that must stay, and a few deep branches.
make_tree.py --grid ROOT FOLDERS: the root and FOLDERS folders below it (each holding up to 20
of the next), 20 files in each, about 5 % of them matching.
Either writes ROOT.expected: the sorted relative paths of the files that a cleanup with the two
default conditions must leave."""
import os
import random
import sys

rng = random.Random(20261210)


def add_file(root, folder, name, match, kept, matched):
    rel = f"{folder}/{name}" if folder else name
    with open(os.path.join(root, rel), "w") as out:
        out.write("x")
    (matched if match else kept).append(rel)


def write(root, kept, matched, folders):
    with open(root.rstrip("/") + ".expected", "w") as out:
        out.write("\n".join(sorted(kept)) + "\n")
    print(f"{len(folders)} folders, {len(kept) + len(matched)} files, {len(matched)} matching")


if sys.argv[1] == "--grid":
    root, count = sys.argv[2], int(sys.argv[3])
    folders = [""]
    for i in range(1, count + 1):
        parent = folders[(i - 1) // 20]
        folders.append(f"{parent}/d{i}" if parent else f"d{i}")
    kept, matched = [], []
    for folder in folders:
        os.makedirs(os.path.join(root, folder), exist_ok=True)
        for n in range(20):
            roll = rng.random()
            if roll < 0.025:
                name, match = f"file{n}.~cpp", True
            elif roll < 0.05:
                name, match = f".#file{n}.h", True
            else:
                name, match = f"file{n}.cpp", False
            add_file(root, folder, name, match, kept, matched)
    write(root, kept, matched, folders)
    sys.exit(0)

root, total = sys.argv[1], int(sys.argv[2])
folders_wanted = max(2000, total // 19)
exts = [".c", ".cpp", ".h", ".hpp", ".py", ".txt", ".md", ".json", ".xml", ".rc", ".cmake", ".java"]
stems = ["main", "util", "parser", "lexer", "window", "dialog", "config", "test", "readme", "build",
         "設定", "画面", "資料"]

folders = [""]
while len(folders) < folders_wanted:
    parent = rng.choice(folders)
    if parent.count("/") >= 6:
        continue
    folders.append(f"{parent}/m{len(folders)}" if parent else f"m{len(folders)}")
for branch in range(4):  # a few deep branches
    path = f"deep{branch}"
    for level in range(40):
        folders.append(path)
        path += f"/l{level}"
for f in folders:
    os.makedirs(os.path.join(root, f), exist_ok=True)

kept, matched = [], []
for i in range(total):
    folder = rng.choice(folders)
    stem = f"{rng.choice(stems)}{i}"
    ext = rng.choice(exts)
    roll = rng.random()
    if roll < 0.02:
        name, match = f"{stem}.~{ext[1:]}", True          # backup: *.~*
    elif roll < 0.035:
        name, match = f".#{stem}{ext}", True              # lock: .#*.*
    elif roll < 0.045:
        name, match = rng.choice([f"{stem}{ext}~", f"{stem}.tmpl", f"#{stem}{ext}#", f"{stem}.#x"]), False
    else:
        name, match = f"{stem}{ext}", False
    add_file(root, folder, name, match, kept, matched)

write(root, kept, matched, folders)
