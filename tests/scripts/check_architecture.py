#!/usr/bin/env python3
"""Keeps ARCHITECTURE.md true to the tree, and the core free of Qt.

    check_architecture.py SOURCE_DIR

Fails (exit 1, listing every finding) when a path in backticks in
ARCHITECTURE.md does not exist, when a folder of the tree is not named there,
when a window is not named there, or when a file under vectrim/core includes
a Qt header.
"""
import os
import re
import sys

TOP_FOLDERS = ["kgeom", "smooth", "load", "vectrim", "tests", "bench", "tools", "docs", "scripts", "cmake"]
WINDOWS = ["Form16", "form77", "form43", "form399", "form400", "form100", "Form1", "Form11"]
EXTENSIONS = (".cpp", ".h", ".py", ".sh", ".md", ".txt", ".cmake", ".map", ".png")
QT_INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]Q', re.M)


def skipped(name):
    return name.startswith((".", "build")) or name == "__pycache__"


def folders(root):
    """Every folder below the top folders that holds a file somewhere."""
    found = set()
    for top in TOP_FOLDERS:
        for here, dirs, files in os.walk(os.path.join(root, top)):
            dirs[:] = [d for d in dirs if not skipped(d)]
            if files:
                rel = os.path.relpath(here, root)
                while rel and rel != ".":
                    found.add(rel.replace(os.sep, "/"))
                    rel = os.path.dirname(rel)
    return found


def spans(text):
    """The inline code spans outside fenced blocks, without blanks in them."""
    text = re.sub(r"^```.*?^```", "", text, flags=re.M | re.S)
    return [s for s in re.findall(r"`([^`\n]+)`", text) if not re.search(r"\s", s)]


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    root = sys.argv[1]
    with open(os.path.join(root, "ARCHITECTURE.md"), encoding="utf-8") as f:
        text = f.read()
    wrong = []
    named = set()
    for span in dict.fromkeys(spans(text)):
        if "/" in span or span.endswith(EXTENSIONS):
            path = span.rstrip("/")
            named.add(path)
            if not os.path.exists(os.path.join(root, path)):
                wrong.append(f"ARCHITECTURE.md names `{span}`, which does not exist")
    for folder in sorted(folders(root) - named):
        wrong.append(f"ARCHITECTURE.md does not name the folder `{folder}/`")
    for window in WINDOWS:
        if not re.search(rf"\b{window}\b", text):
            wrong.append(f"ARCHITECTURE.md does not name the window {window}")
    for here, dirs, files in os.walk(os.path.join(root, "vectrim", "core")):
        dirs[:] = [d for d in dirs if not skipped(d)]
        for name in files:
            path = os.path.join(here, name)
            with open(path, encoding="utf-8", errors="replace") as f:
                if QT_INCLUDE.search(f.read()):
                    wrong.append(f"{os.path.relpath(path, root)} includes a Qt header")
    for w in wrong:
        print(w)
    print(f"{len(wrong)} findings" if wrong else "ARCHITECTURE.md and the Qt boundary agree with the tree")
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main())
