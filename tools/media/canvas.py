"""A small pixel canvas over PIL: palette colours by name, crisp shapes, our
lettering, and byte-exact 24-bit BMP files.

Every colour a picture uses comes from palette.txt; `to_bmp` refuses any other,
so all pictures share one palette and the see-through key stays exact.
"""

import os
import struct

from PIL import Image, ImageDraw

import glyphtable

HERE = os.path.dirname(os.path.abspath(__file__))


def _load_palette(path=os.path.join(HERE, "palette.txt")):
    colours = {}
    with open(path, encoding="ascii") as f:
        for line in f:
            words = line.split()
            if not words or words[0].startswith("#"):
                continue
            name, r, g, b = words
            colours[name] = (int(r), int(g), int(b))
    return colours


PALETTE = _load_palette()
KEY = PALETTE["key"]
GLYPHS = glyphtable.load()


def rgb(colour):
    return PALETTE[colour] if isinstance(colour, str) else colour


class Canvas:
    def __init__(self, width, height, colour="key"):
        self.image = Image.new("RGB", (width, height), rgb(colour))
        self.draw = ImageDraw.Draw(self.image)

    @classmethod
    def wrap(cls, image):
        canvas = cls.__new__(cls)
        canvas.image = image
        canvas.draw = ImageDraw.Draw(image)
        return canvas

    @property
    def width(self):
        return self.image.width

    @property
    def height(self):
        return self.image.height

    # Shapes. Rectangles take the corner and the size; nothing is smoothed.

    def pixel(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.image.putpixel((x, y), rgb(colour))

    def get(self, x, y):
        return self.image.getpixel((x, y))

    def rect(self, x, y, w, h, colour):
        if w > 0 and h > 0:
            self.draw.rectangle([x, y, x + w - 1, y + h - 1], fill=rgb(colour))

    def frame(self, x, y, w, h, colour):
        self.draw.rectangle([x, y, x + w - 1, y + h - 1], outline=rgb(colour))

    def hline(self, x, y, w, colour):
        self.rect(x, y, w, 1, colour)

    def vline(self, x, y, h, colour):
        self.rect(x, y, 1, h, colour)

    def polygon(self, points, colour):
        self.draw.polygon([tuple(p) for p in points], fill=rgb(colour))

    def line(self, x0, y0, x1, y1, colour):
        self.draw.line([(x0, y0), (x1, y1)], fill=rgb(colour))

    def ellipse(self, x, y, w, h, colour):
        self.draw.ellipse([x, y, x + w - 1, y + h - 1], fill=rgb(colour))

    def round_rect(self, x, y, w, h, colour, radius=2):
        """A rectangle with its corners cut in steps, left as they were."""
        for row in range(h):
            inset = 0
            for r in range(radius):
                if row == r or row == h - 1 - r:
                    inset = radius - r
                    break
            self.hline(x + inset, y + row, w - 2 * inset, colour)

    def panel(self, x, y, w, h, fill, border, radius=2):
        self.round_rect(x, y, w, h, border, radius)
        self.round_rect(x + 1, y + 1, w - 2, h - 2, fill, max(radius - 1, 0))

    def bands(self, x, y, w, h, colours):
        """Horizontal bands from the first colour down to the last, with a
        dithered row between neighbours."""
        n = len(colours)
        for j in range(h):
            t = j * n / h
            i = int(t)
            colour = colours[i]
            if i + 1 < n and t - i > 0.8:
                for k in range(w):
                    self.pixel(x + k, y + j, colours[i + 1] if (k + j) % 2 else colour)
            else:
                self.hline(x, y + j, w, colour)

    def replace(self, old, new):
        old, new = rgb(old), rgb(new)
        data = [new if p == old else p for p in self.image.getdata()]
        self.image.putdata(data)

    def replace_rows(self, top, bottom, old, new):
        """Recolours one colour within rows top to bottom - 1."""
        old, new = rgb(old), rgb(new)
        for y in range(max(top, 0), min(bottom, self.height)):
            for x in range(self.width):
                if self.image.getpixel((x, y)) == old:
                    self.image.putpixel((x, y), new)

    # Pictures.

    def paste(self, other, x, y, keyed=True):
        """Draws another canvas over this one; its key pixels leave this one showing."""
        source = other.image if isinstance(other, Canvas) else other
        if keyed:
            mask = Image.new("1", source.size, 1)
            mask.putdata([0 if p == KEY else 1 for p in source.getdata()])
            self.image.paste(source, (x, y), mask)
        else:
            self.image.paste(source, (x, y))

    def crop(self, x, y, w, h):
        return Canvas.wrap(self.image.crop((x, y, x + w, y + h)))

    def mirrored(self):
        return Canvas.wrap(self.image.transpose(Image.FLIP_LEFT_RIGHT))

    def copy(self):
        return Canvas.wrap(self.image.copy())

    # Lettering, from the same glyph table as the font.

    def text(self, x, y, text, colour, scale=1, shadow=None):
        """Writes text with its top-left corner at (x, y), as the game places its text
        surfaces; a shadow colour adds a copy one scaled pixel down and right.
        Returns the advance width."""
        if shadow is not None:
            self.text(x + scale, y + scale, text, shadow, scale)
        for px, py in GLYPHS.pixels(text):
            self.rect(x + px * scale, y + py * scale, scale, scale, colour)
        return text_width(text, scale)

    def text_centred(self, cx, y, text, colour, scale=1, shadow=None):
        return self.text(cx - text_width(text, scale) // 2, y, text, colour, scale, shadow)

    # Files.

    def colours(self):
        return {c for _, c in self.image.getcolors(1 << 24)}

    def to_bmp(self):
        return bmp_bytes(self.image)


def text_width(text, scale=1):
    """Width of lettering up to the end of its last glyph's advance."""
    return GLYPHS.width(text) * scale


def check_palette(name, canvas):
    allowed = set(PALETTE.values())
    stray = canvas.colours() - allowed
    if stray:
        raise ValueError("%s uses colours outside the palette: %s" % (name, sorted(stray)[:5]))


def bmp_bytes(image):
    """A 24-bit uncompressed BMP (BITMAPINFOHEADER, bottom-up rows padded to 4 bytes):
    the plainest form every BMP reader takes, with nothing that changes between runs."""
    width, height = image.size
    row_size = (width * 3 + 3) & ~3
    pixels = image.tobytes("raw", "BGR")
    padding = b"\0" * (row_size - width * 3)
    rows = []
    for y in range(height - 1, -1, -1):
        rows.append(pixels[y * width * 3 : (y + 1) * width * 3] + padding)
    data = b"".join(rows)
    header_size = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(data), 0, 0, header_size)
    # 2835 pixels per metre is 72 dpi.
    info_header = struct.pack(
        "<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0
    )
    return file_header + info_header + data
