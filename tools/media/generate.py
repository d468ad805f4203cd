#!/usr/bin/python3
"""Writes every media file of Quorvane from the sources beside this script.

    /usr/bin/python3 tools/media/generate.py            write media/ and the icons
    /usr/bin/python3 tools/media/generate.py --check    compare what the committed files
                                                         show with a fresh generation
    /usr/bin/python3 tools/media/generate.py --contact-sheet build-media/sheet.png

Everything is drawn from readable sources (the glyph table, the palette, the
ASCII sprites and the drawing code here); on one system the same sources give the
same bytes. Other versions of Pillow and fontTools may lay the same pictures and font out
differently, so the check compares what the files show, not their bytes.
"""

import argparse
import io
import os
import sys

from fontTools.pens.recordingPen import RecordingPen
from fontTools.ttLib import TTFont
from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, HERE)
# Keep the source tree clean when the check runs from the tests.
sys.dont_write_bytecode = True

import canvas  # noqa: E402
import glyphtable  # noqa: E402
import pictures  # noqa: E402
import preview  # noqa: E402
import ttfbuilder  # noqa: E402


def outputs(drawn):
    """(path relative to the repo root, bytes) of every generated file."""
    files = [("media/pf_ronda_seven.ttf", ttfbuilder.build(glyphtable.load()))]
    for name, picture in drawn:
        canvas.check_palette(name, picture)
        files.append(("media/" + name, picture.to_bmp()))
    for size, png in pictures.icons():
        files.append(("packaging/icons/%dx%d.png" % (size, size), png))
    return files


def write(files):
    for path, data in files:
        full = os.path.join(ROOT, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "wb") as f:
            f.write(data)


def font_art(data):
    """What a font draws: its em, line metrics, the missing-character glyph, and for every
    character its advance width and outline."""
    font = TTFont(io.BytesIO(data))
    glyphs = font.getGlyphSet()

    def glyph(name):
        pen = RecordingPen()
        glyphs[name].draw(pen)
        return glyphs[name].width, pen.value

    hhea, os2 = font["hhea"], font["OS/2"]
    return (
        font["head"].unitsPerEm,
        (hhea.ascent, hhea.descent, hhea.lineGap),
        (os2.sTypoAscender, os2.sTypoDescender, os2.sTypoLineGap),
        (os2.usWinAscent, os2.usWinDescent),
        glyph(font.getGlyphOrder()[0]),
        {code: glyph(name) for code, name in font.getBestCmap().items()},
    )


def art(path, data):
    """What a file shows: a picture's size and pixels, a font's glyphs and metrics; any
    other file is its bytes."""
    if path.endswith((".bmp", ".png")):
        with Image.open(io.BytesIO(data)) as image:
            rgba = image.convert("RGBA")
            return rgba.size, rgba.tobytes()
    if path.endswith(".ttf"):
        return font_art(data)
    return data


def same_art(path, committed, fresh):
    if committed == fresh:
        return True
    try:
        return art(path, committed) == art(path, fresh)
    # A damaged file fails in its reader's own way.
    except Exception:
        return False


def check(files):
    stale = []
    for path, data in files:
        full = os.path.join(ROOT, path)
        try:
            with open(full, "rb") as f:
                same = same_art(path, f.read(), data)
        except OSError:
            same = False
        if not same:
            stale.append(path)
    for path in stale:
        print("differs from a fresh generation: %s" % path)
    if stale:
        print("run `make media` and commit the result")
    return not stale


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare what the files show instead of writing")
    parser.add_argument("--contact-sheet", metavar="PNG", help="also write a review sheet")
    args = parser.parse_args()
    drawn = pictures.all_pictures()
    files = outputs(drawn)
    if args.contact_sheet:
        os.makedirs(os.path.dirname(os.path.abspath(args.contact_sheet)), exist_ok=True)
        preview.contact_sheet(dict(drawn)).image.save(args.contact_sheet)
    if args.check:
        return 0 if check(files) else 1
    write(files)
    return 0


if __name__ == "__main__":
    sys.exit(main())
