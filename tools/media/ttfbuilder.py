"""Builds the TrueType font from the glyph table.

Every pixel is a 128-unit square of a 1024-unit em, so at 8 pixels per em
(point size 8 at 72 dpi, as SDL_ttf asks) each outline edge falls on a pixel
boundary and a monochrome render gives back the table's pixels exactly.
"""

import io

from fontTools.agl import UV2AGL
from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import newTable
from fontTools.ttLib.tables import ttProgram

UNITS_PER_EM = 1024
UNIT = UNITS_PER_EM // 8  # font units per pixel

FAMILY = "PF Ronda Seven"
STYLE = "Regular"
VERSION = "Version 1.000"
# A fixed date (2024-01-01) keeps the file byte-identical from build to build.
FIXED_TIMESTAMP = 3786825600

# Chosen by the notdef glyph: an empty box the height of a capital.
NOTDEF_ROWS = ["###", "#.#", "#.#", "#.#", "#.#", "#.#", "###"]

# A one-instruction pre-program (SVTCA[y-axis]) that does nothing: FreeType hands
# a font with no instructions at all to its auto-hinter, which is free to move
# edges; with it the plain TrueType scaler keeps every edge on the pixel grid.
PRE_PROGRAM = bytes([0x00])


def _edges(pixels):
    """Boundary edges of a pixel set, clockwise (ink to the right), y up."""
    edges = set()
    for x, y in pixels:
        square = [(x, y), (x, y + 1), (x + 1, y + 1), (x + 1, y)]
        for i in range(4):
            a, b = square[i], square[(i + 1) % 4]
            if (b, a) in edges:
                edges.remove((b, a))
            else:
                edges.add((a, b))
    return edges


def _turn(incoming, outgoing):
    """Orders candidate edges at a corner: right turn first, then straight, then left."""
    (ax, ay), (bx, by) = incoming
    (cx, cy), (dx, dy) = outgoing
    ux, uy = bx - ax, by - ay
    vx, vy = dx - cx, dy - cy
    cross = ux * vy - uy * vx
    return {-1: 0, 0: 1, 1: 2}[cross]


def _contours(pixels):
    edges = _edges(pixels)
    starts = {}
    for edge in edges:
        starts.setdefault(edge[0], []).append(edge)
    contours = []
    for first in sorted(edges):
        if first not in edges:
            continue
        contour = []
        edge = first
        while True:
            edges.remove(edge)
            starts[edge[0]].remove(edge)
            contour.append(edge[0])
            if edge[1] == first[0]:
                break
            edge = min(starts[edge[1]], key=lambda e, inc=edge: _turn(inc, e))
        contours.append(_drop_straight_points(contour))
    return contours


def _drop_straight_points(points):
    kept = []
    n = len(points)
    for i, (x, y) in enumerate(points):
        px, py = points[i - 1]
        nx, ny = points[(i + 1) % n]
        if (x - px) * (ny - y) - (y - py) * (nx - x) != 0:
            kept.append((x, y))
    return kept


def _outline(rows, ascent):
    """A TrueType glyph from rows of '#' and '.', row 0 at the ascent."""
    pixels = [
        (x, ascent - 1 - r) for r, row in enumerate(rows) for x, c in enumerate(row) if c == "#"
    ]
    pen = TTGlyphPen(None)
    for contour in _contours(pixels):
        pen.moveTo((contour[0][0] * UNIT, contour[0][1] * UNIT))
        for x, y in contour[1:]:
            pen.lineTo((x * UNIT, y * UNIT))
        pen.closePath()
    return pen.glyph(), (min(x for x, _ in pixels) * UNIT if pixels else 0)


def build(table):
    """The font file's bytes."""
    order = [".notdef"]
    cmap = {}
    glyphs = {}
    metrics = {}

    notdef, lsb = _outline(NOTDEF_ROWS, table.ascent)
    glyphs[".notdef"] = notdef
    metrics[".notdef"] = (4 * UNIT, lsb)

    for code in range(32, 127):
        glyph = table.glyphs[chr(code)]
        name = UV2AGL[code]
        order.append(name)
        cmap[code] = name
        glyphs[name], lsb = _outline(glyph.rows, table.ascent)
        metrics[name] = (glyph.advance * UNIT, lsb)

    ascent = table.ascent * UNIT
    descent = table.descent * UNIT
    fb = FontBuilder(UNITS_PER_EM, isTTF=True)
    fb.setupHead(
        unitsPerEm=UNITS_PER_EM,
        created=FIXED_TIMESTAMP,
        modified=FIXED_TIMESTAMP,
        fontRevision=1.0,
        # Baseline at y 0, left sidebearing at x 0, integer scaling only.
        flags=0b1011,
        lowestRecPPEM=8,
    )
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap(cmap)
    fb.setupGlyf(glyphs)
    fb.setupHorizontalMetrics(metrics)
    fb.setupHorizontalHeader(ascent=ascent, descent=-descent, lineGap=0)
    fb.setupNameTable(
        {
            "copyright": "Made for the game Quorvane; see pf_ronda_seven.LICENSE.txt.",
            "familyName": FAMILY,
            "styleName": STYLE,
            "uniqueFontIdentifier": "Quorvane: %s %s" % (FAMILY, STYLE),
            "fullName": "%s %s" % (FAMILY, STYLE),
            "version": VERSION,
            "psName": FAMILY.replace(" ", "") + "-" + STYLE,
            "licenseDescription": "The Quorvane project's own work, under the project's licence.",
        }
    )
    fb.setupOS2(
        sTypoAscender=ascent,
        sTypoDescender=-descent,
        sTypoLineGap=0,
        usWinAscent=ascent,
        usWinDescent=descent,
        sxHeight=5 * UNIT,
        sCapHeight=7 * UNIT,
        achVendID="QRVN",
        fsType=0,
        usWeightClass=400,
        # Regular, and the typo metrics are the line metrics.
        fsSelection=0x40 | 0x80,
        version=4,
    )
    fb.setupPost(isFixedPitch=0, underlinePosition=-UNIT, underlineThickness=UNIT)
    prep = newTable("prep")
    prep.program = _program(PRE_PROGRAM)
    fb.font["prep"] = prep
    fb.setupMaxp()
    out = io.BytesIO()
    fb.save(out)
    return out.getvalue()


def _program(code):
    program = ttProgram.Program()
    program.fromBytecode(code)
    return program
