"""Lays a piece of street out as the game does, with the numbers of the game's own
src/streetLayout.h: blocks PAVEMENT_WIDTH apart from world x FIRST_BLOCK_X, houses of
BUILDING_WIDTH with their top at TOP_Y, base at BASE_Y and sign at (x + SIGN_OFFSET_X,
SIGN_Y + SIGN_OFFSET_Y) by top, the bus stop (BUS_STOP_WIDTH) at BUS_SIGN_Y and the subway
entrance (SUBWAY_WIDTH) at SUBWAY_ENTRANCE_Y."""

import os
import re
from types import SimpleNamespace

import buildings

LAYOUT_HEADER = os.path.join(
    os.path.dirname(os.path.abspath(__file__)), "..", "..", "src", "streetLayout.h"
)

_CONSTANT = re.compile(r"const int (\w+) = ([\w +]+);")
_ARRAY = re.compile(r"const int (\w+)\[(\w+)\] = \{([\w ,]+)\};")


def read_layout(path=LAYOUT_HEADER):
    """The constants of the layout header by name: numbers, and lists for the arrays. Each line
    must be blank, a comment, `#pragma once` or a constant of the forms the header names; any
    other line is an error, so that the header cannot say what the pictures would miss."""
    values = {}

    def evaluate(expression, where):
        total = 0
        for term in expression.split("+"):
            term = term.strip()
            if term.isdigit():
                total += int(term)
            elif isinstance(values.get(term), int):
                total += values[term]
            else:
                raise ValueError("%s: cannot read %r" % (where, term))
        return total

    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.strip()
            where = "%s:%d" % (path, number)
            if not line or line.startswith("//") or line == "#pragma once":
                continue
            constant = _CONSTANT.fullmatch(line)
            array = _ARRAY.fullmatch(line)
            if constant:
                values[constant.group(1)] = evaluate(constant.group(2), where)
            elif array:
                items = [evaluate(item, where) for item in array.group(3).split(",")]
                if len(items) != evaluate(array.group(2), where):
                    raise ValueError("%s: %s has %d values" % (where, array.group(1), len(items)))
                values[array.group(1)] = items
            else:
                raise ValueError("%s: not a constant this reader knows: %s" % (where, line))
    return SimpleNamespace(**values)


LAYOUT = read_layout()
BUS_STOP = LAYOUT.BLOCK_BUS_STOP
SUBWAY = LAYOUT.BLOCK_SUBWAY
SIGN_OFFSETS = list(zip(LAYOUT.SIGN_OFFSET_X, LAYOUT.SIGN_OFFSET_Y))
if buildings.SIGN_OFFSETS != SIGN_OFFSETS:
    raise ValueError("buildings.py keeps the wall free for signs at %s, but the game hangs them "
                     "at %s (%s)" % (buildings.SIGN_OFFSETS, SIGN_OFFSETS, LAYOUT_HEADER))


def draw(c, pictures, camera_x, blocks):
    """blocks: (kind, top, base) from west to east; kind is a store id, a filler
    27 to 29, BUS_STOP or SUBWAY."""
    x = LAYOUT.FIRST_BLOCK_X
    for kind, top, base in blocks:
        sx = x - camera_x
        if kind == BUS_STOP:
            c.paste(pictures["bussign.bmp"], sx, LAYOUT.BUS_SIGN_Y)
            width = LAYOUT.BUS_STOP_WIDTH
        elif kind == SUBWAY:
            c.paste(pictures["subwayentrance.bmp"], sx, LAYOUT.SUBWAY_ENTRANCE_Y)
            width = LAYOUT.SUBWAY_WIDTH
        else:
            width = LAYOUT.BUILDING_WIDTH
            c.paste(pictures["buildingtops.bmp"].crop(width * top, 0, width, LAYOUT.TOP_HEIGHT),
                    sx, LAYOUT.TOP_Y)
            c.paste(pictures["buildingbases.bmp"].crop(width * base, 0, width,
                                                       LAYOUT.BASE_HEIGHT), sx, LAYOUT.BASE_Y)
            ox, oy = SIGN_OFFSETS[top]
            sign = pictures["signs.bmp"].crop(0, LAYOUT.SIGN_HEIGHT * kind, LAYOUT.SIGN_WIDTH,
                                              LAYOUT.SIGN_HEIGHT)
            c.paste(sign, sx + ox, LAYOUT.SIGN_Y + oy)
        x += width + LAYOUT.PAVEMENT_WIDTH
