"""Reads the glyph table (glyphs.txt), the one source of the game's lettering.

The font builder turns it into outlines; the picture generators draw text
with it pixel by pixel, so titles, signs and the rendered font match.
"""

import os
import re

GLYPH_FILE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "glyphs.txt")

_HEADER = re.compile(r"^glyph U\+([0-9A-F]{4}) '(.)' advance (\d+)$")


class Glyph:
    def __init__(self, char, advance, rows):
        self.char = char
        self.advance = advance
        self.rows = rows  # top row first, '#' is ink

    def ink(self):
        """(column, row) of every ink pixel, row 0 at the top of the line."""
        return [(x, y) for y, row in enumerate(self.rows) for x, c in enumerate(row) if c == "#"]


class GlyphTable:
    def __init__(self, ascent, descent, glyphs):
        self.ascent = ascent
        self.descent = descent
        self.glyphs = glyphs  # char -> Glyph

    @property
    def line_height(self):
        return self.ascent + self.descent

    def width(self, text):
        return sum(self.glyphs[c].advance for c in text)

    def pixels(self, text):
        """Ink pixels of a line of text, pen starting at x 0, row 0 at the ascent."""
        out = []
        pen = 0
        for c in text:
            glyph = self.glyphs[c]
            out.extend((pen + x, y) for x, y in glyph.ink())
            pen += glyph.advance
        return out


def load(path=GLYPH_FILE):
    ascent = descent = None
    glyphs = {}
    current = None
    with open(path, encoding="ascii") as f:
        lines = [line.rstrip("\n") for line in f]
    for number, line in enumerate(lines, 1):
        if not line or line.startswith("#") and current is None:
            continue
        where = "%s:%d" % (path, number)
        if current is not None:
            if set(line) - {"#", "."}:
                raise ValueError("%s: a glyph row holds only '#' and '.'" % where)
            current.rows.append(line)
            if len(current.rows) == ascent + descent:
                widths = {len(r) for r in current.rows}
                if len(widths) != 1:
                    raise ValueError("%s: rows of %r differ in width" % (where, current.char))
                glyphs[current.char] = current
                current = None
            continue
        words = line.split()
        if words[0] in ("ascent", "descent") and len(words) == 2:
            if words[0] == "ascent":
                ascent = int(words[1])
            else:
                descent = int(words[1])
            continue
        match = _HEADER.match(line)
        if not match or ascent is None or descent is None:
            raise ValueError("%s: expected a glyph header" % where)
        char = chr(int(match.group(1), 16))
        if char != match.group(2):
            raise ValueError("%s: code and character disagree" % where)
        if char in glyphs:
            raise ValueError("%s: %r drawn twice" % (where, char))
        current = Glyph(char, int(match.group(3)), [])
    if current is not None:
        raise ValueError("%s: last glyph is cut short" % path)
    missing = [chr(c) for c in range(32, 127) if chr(c) not in glyphs]
    if missing:
        raise ValueError("%s: no glyph for %r" % (path, "".join(missing)))
    return GlyphTable(ascent, descent, glyphs)
