"""The media check compares what the files show: it passes a committed file that another
library version laid out differently, and fails one where a pixel, a glyph or a metric
differs from the fresh generation.

    /usr/bin/python3 tests/media/art_check.py      (from the repo root)

The committed files stand in for the fresh generation, which the test
Media.CommittedFilesEqualAFreshGeneration proves them to be.
"""

import io
import os
import sys
import unittest

from fontTools.ttLib import TTFont
from PIL import Image

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "tools", "media"))
sys.dont_write_bytecode = True

import generate  # noqa: E402

PICTURE = "media/bg.bmp"
FONT = "media/pf_ronda_seven.ttf"
ICON = "packaging/icons/48x48.png"


def committed(path):
    with open(os.path.join(ROOT, path), "rb") as f:
        return f.read()


def edit_picture(path, change, **save_options):
    with Image.open(io.BytesIO(committed(path))) as image:
        image = change(image.copy())
    out = io.BytesIO()
    image.save(out, os.path.splitext(path)[1][1:].upper(), **save_options)
    return out.getvalue()


def one_pixel_changed(image):
    red, green, blue = image.getpixel((10, 20))[:3]
    image.putpixel((10, 20), (red ^ 1, green, blue) + image.getpixel((10, 20))[3:])
    return image


def edit_font(change):
    font = TTFont(io.BytesIO(committed(FONT)))
    change(font)
    out = io.BytesIO()
    font.save(out)
    return out.getvalue()


def move_a_point(font):
    glyph = font["glyf"]["A"]
    x, y = glyph.coordinates[0]
    glyph.coordinates[0] = (x + 128, y)


def widen(font):
    advance, lsb = font["hmtx"]["A"]
    font["hmtx"]["A"] = (advance + 128, lsb)


def map_a_to_b(font):
    for table in font["cmap"].tables:
        table.cmap[ord("A")] = "B"


def raise_ascender(font):
    font["hhea"].ascent += 128


def other_layout(font):
    """What another fontTools might write for the same font: other dates and names, the
    tables in another order, the glyph data stored unpadded."""
    font["head"].created += 86400
    font["head"].modified += 86400
    font["name"].setName("Same glyphs, other build", 0, 3, 1, 0x409)
    font["glyf"].padding = 1


class ArtCheck(unittest.TestCase):
    def test_same_art_laid_out_otherwise_passes(self):
        cases = [
            ("picture as a 32-bit BMP", PICTURE,
             edit_picture(PICTURE, lambda image: image.convert("RGBA"))),
            ("picture in Pillow's BMP layout", PICTURE,
             edit_picture(PICTURE, lambda image: image, dpi=(96, 96))),
            ("icon compressed otherwise", ICON,
             edit_picture(ICON, lambda image: image, compress_level=1)),
            ("font written otherwise", FONT, edit_font(other_layout)),
        ]
        for what, path, data in cases:
            with self.subTest(what):
                self.assertNotEqual(data, committed(path), "the case must change the bytes")
                self.assertTrue(generate.same_art(path, data, committed(path)))

    def test_different_art_fails(self):
        cases = [
            ("one pixel of a picture", PICTURE, edit_picture(PICTURE, one_pixel_changed)),
            ("a picture one row shorter", PICTURE,
             edit_picture(PICTURE, lambda image: image.crop((0, 0, 640, 479)))),
            ("one pixel of the icon", ICON, edit_picture(ICON, one_pixel_changed)),
            ("a point of a glyph", FONT, edit_font(move_a_point)),
            ("an advance width", FONT, edit_font(widen)),
            ("the character map", FONT, edit_font(map_a_to_b)),
            ("a line metric", FONT, edit_font(raise_ascender)),
            ("a damaged font", FONT, committed(FONT)[:1000]),
            ("a damaged picture", PICTURE, committed(PICTURE)[:1000]),
        ]
        for what, path, data in cases:
            with self.subTest(what):
                self.assertFalse(generate.same_art(path, data, committed(path)))


if __name__ == "__main__":
    unittest.main()
