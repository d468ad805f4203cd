"""Reads sprites.txt: ASCII drawings whose letters name palette colours."""

import os

from canvas import Canvas

SPRITE_FILE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "sprites.txt")


def load(path=SPRITE_FILE):
    legend = {".": "key"}
    sprites = {}
    section = None
    rows = None
    with open(path, encoding="ascii") as f:
        lines = [line.rstrip("\n") for line in f] + [""]
    for line in lines:
        if line.startswith("#"):
            continue
        if not line.strip():
            if rows is not None:
                sprites[section] = _canvas(section, rows, legend)
                rows = None
            section = None if rows is None else section
            continue
        words = line.split()
        if words[0] == "legend":
            section = "legend"
        elif words[0] == "sprite":
            section, rows = words[1], []
        elif section == "legend":
            legend[words[0]] = words[1]
        else:
            rows.append(line)
    return sprites


def _canvas(name, rows, legend):
    width = len(rows[0])
    if any(len(r) != width for r in rows):
        raise ValueError("sprite %s: rows differ in width" % name)
    c = Canvas(width, len(rows))
    for y, row in enumerate(rows):
        for x, letter in enumerate(row):
            if letter not in legend:
                raise ValueError("sprite %s: no colour for %r" % (name, letter))
            c.pixel(x, y, legend[letter])
    return c
