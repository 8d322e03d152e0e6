#!/usr/bin/env python3
"""Fails when two numbers of one kind in the program's resource headers collide.

- Commands (ID_...) are one space across the program: a menu item reaches one handler whichever
  window's menu shows it. A command meant to be another is written as that name, not its number.
- Dialogs, bitmaps, menus and icons (IDD_, IDB_, IDR_, IDI_) are one space each.
- Controls (IDC_...) are one space within a block of a header (the lines between blank lines): a
  block lists the controls of windows that share one command handler.
- The private messages (constexpr UINT k...Message = WM_APP + N) are one space.
"""
import re
import sys
from collections import defaultdict
from pathlib import Path

DEFINE = re.compile(r"^#define\s+(ID[A-Z]*)_(\w+)\s+(\d+)\b")
MESSAGE = re.compile(r"^constexpr UINT (k\w+) = WM_APP \+ (\w+);")
SPACES = {"ID": "command", "IDD": "dialog", "IDB": "bitmap", "IDR": "menu", "IDI": "icon"}


def collisions(folder):
    found = []
    taken = defaultdict(dict)  # space -> number -> name
    for header in sorted(Path(folder).glob("*.h")):
        block = 0
        for line in header.read_text(encoding="utf-8").splitlines():
            if not line.strip():
                block += 1
                continue
            message = MESSAGE.match(line)
            if message:
                name, number, space = message.group(1), int(message.group(2), 0), "message"
            else:
                define = DEFINE.match(line)
                if not define:
                    continue
                kind, rest, number = define.group(1), define.group(2), int(define.group(3))
                name = f"{kind}_{rest}"
                if kind == "IDC":
                    space = f"control in {header.name} block {block}"
                elif kind in SPACES:
                    space = SPACES[kind]
                else:
                    continue
            other = taken[space].setdefault(number, name)
            if other != name:
                found.append(f"{space} {number}: {other} and {name} ({header.name})")
    return found


if __name__ == "__main__":
    problems = collisions(sys.argv[1])
    for problem in problems:
        print(problem)
    sys.exit(1 if problems else 0)
