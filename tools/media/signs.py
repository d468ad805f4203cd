"""The sign sheet: 30 boards of 138 x 30 stacked top to bottom. Boards 0 to 26
carry the store names, read from the game's own content table so that the
signs and the errand texts always agree; 27 to 29 are the unnamed fillers.
Their numbers come from the game's street layout (street.LAYOUT)."""

import os
import re

from canvas import Canvas, text_width
from street import LAYOUT

WIDTH, HEIGHT = LAYOUT.SIGN_WIDTH, LAYOUT.SIGN_HEIGHT
COUNT = LAYOUT.SIGN_COUNT
CONTENT_TABLES = os.path.join(
    os.path.dirname(os.path.abspath(__file__)), "..", "..", "src", "city", "contentTables.cpp"
)
STORE_TABLE = "const char* const STORE_NAMES[STORE_COUNT] = {"

# board, border, lettering, lettering shadow
STYLES = {
    "red": ("red1", "gold", "white", "red0"),
    "teal": ("teal1", "teal3", "white", "teal0"),
    "paper": ("paper2", "ink", "red0", "paper0"),
    "neon": ("night1", "pink", "lamp", "amber"),
    "green": ("green1", "paper2", "white", "green0"),
    "plum": ("plum1", "plum3", "white", "plum0"),
    "sand": ("sand3", "sand0", "brick0", "sand1"),
    "gold": ("gold", "ink", "ink", "amber"),
    "pink": ("pink", "white", "white", "red0"),
    "black": ("ink", "stone3", "white", "stone0"),
    "goth": ("ink", "plum2", "plum3", "plum0"),
    "orange": ("jacket1", "jacket2", "white", "jacket0"),
    "glass": ("glass0", "glass3", "glass3", "ink"),
}

# The board of each store, by store id.
STORE_STYLES = [
    "pink", "goth", "paper", "green", "black", "teal", "neon", "glass", "red",
    "sand", "plum", "gold", "sand", "paper", "teal", "glass", "gold", "glass",
    "sand", "neon", "pink", "red", "teal", "green", "red", "gold", "orange",
]


def store_names(path=CONTENT_TABLES):
    """The store names as the game fills them, in store-id order, from its table STORE_NAMES:
    string literals without escapes, a comma after each but perhaps the last. Anything else in
    the table is an error, so that no name is misread."""
    with open(path, encoding="utf-8") as f:
        source = f.read()
    if source.count(STORE_TABLE) != 1:
        raise ValueError("%s: expected one table %s" % (path, STORE_TABLE))
    item = re.compile(r'\s*"([^"\\\n]*)"\s*(?:,|(?=\}))')
    end = re.compile(r"\s*\};")
    at = source.index(STORE_TABLE) + len(STORE_TABLE)
    names = []
    while not end.match(source, at):
        name = item.match(source, at)
        if name is None:
            raise ValueError("%s: STORE_NAMES holds more than plain string literals: %r..."
                             % (path, source[at:at + 40].strip()))
        names.append(name.group(1))
        at = name.end()
    if len(names) != LAYOUT.STORE_COUNT:
        raise ValueError("%s: expected %d store names, found %d"
                         % (path, LAYOUT.STORE_COUNT, len(names)))
    return names


def lines_for(name):
    """The lettering of a board: (lines, scale). Short names are drawn double
    size; longer ones with a space are split into two balanced lines."""
    if text_width(name, 2) <= WIDTH - 14:
        return [name], 2
    words = name.split(" ")
    if len(words) == 1:
        return [name], 1
    best = None
    for cut in range(1, len(words)):
        first, second = " ".join(words[:cut]), " ".join(words[cut:])
        widest = max(text_width(first), text_width(second))
        if best is None or widest < best[0]:
            best = (widest, [first, second])
    return best[1], 1


def board(c, y, style):
    fill, border, _, _ = STYLES[style]
    c.round_rect(0, y, WIDTH, HEIGHT, "ink", radius=2)
    c.round_rect(1, y + 1, WIDTH - 2, HEIGHT - 2, border, radius=1)
    c.rect(2, y + 2, WIDTH - 4, HEIGHT - 4, fill)
    c.hline(3, y + 3, WIDTH - 6, border)
    c.hline(2, y + HEIGHT - 3, WIDTH - 4, "ink")
    for x in (5, WIDTH - 7):
        c.rect(x, y + 5, 2, 2, border)
        c.rect(x, y + HEIGHT - 8, 2, 2, border)


def store_sign(c, y, name, style):
    board(c, y, style)
    _, _, ink, shade = STYLES[style]
    lines, scale = lines_for(name)
    line_height = 9 * scale if len(lines) == 1 else 10
    # Centre the capital height (7 rows a line) between the top and bottom trim.
    block = line_height * (len(lines) - 1) + 7 * scale
    top = y + 3 + (HEIGHT - 6 - block + 1) // 2
    for i, line in enumerate(lines):
        x = (WIDTH - text_width(line, scale) + scale) // 2
        c.text(x + 1, top + i * line_height + 1, line, shade, scale)
        c.text(x, top + i * line_height, line, ink, scale)


def flower_box(c, y):
    """Filler: a long window box full of flowers."""
    c.rect(4, y + 18, 130, 9, "sand0")
    c.hline(4, y + 18, 130, "sand1")
    c.hline(4, y + 26, 130, "hair")
    for x in range(6, 132, 4):
        c.ellipse(x - 1, y + 9 + (x * 7) % 5, 7, 11, "green1")
    for x in range(8, 130, 9):
        colour = ["red1", "pink", "lamp", "white"][(x // 9) % 4]
        fy = y + 6 + (x * 5) % 6
        c.rect(x, fy, 3, 3, colour)
        c.pixel(x + 1, fy + 1, "gold")
    for x in range(10, 130, 16):
        c.vline(x, y + 16, 2, "green0")


def balcony(c, y):
    """Filler: a wrought-iron balcony with a plant and a folded chair."""
    c.rect(0, y + 24, WIDTH, 4, "stone3")
    c.hline(0, y + 27, WIDTH, "stone1")
    c.hline(0, y + 4, WIDTH, "ink")
    c.hline(0, y + 5, WIDTH, "stone0")
    for x in range(0, WIDTH, 6):
        c.vline(x, y + 6, 18, "ink")
    for x in range(3, WIDTH, 12):
        c.ellipse(x - 2, y + 12, 6, 6, "ink")
    c.rect(100, y + 16, 14, 8, "brick1")
    c.ellipse(98, y + 2, 18, 16, "green1")
    c.ellipse(102, y + 4, 8, 7, "green2")


def clock(c, y):
    """Filler: the house clock on an iron bracket."""
    c.rect(30, y + 13, 78, 3, "ink")
    c.rect(40, y + 11, 6, 7, "ink")
    c.rect(92, y + 11, 6, 7, "ink")
    c.ellipse(54, y + 0, 30, 30, "ink")
    c.ellipse(56, y + 2, 26, 26, "gold")
    c.ellipse(58, y + 4, 22, 22, "paper2")
    for dx, dy in ((0, -9), (9, 0), (0, 9), (-9, 0)):
        c.pixel(69 + dx, y + 15 + dy, "ink")
    c.vline(69, y + 8, 7, "ink")
    c.hline(69, y + 15, 6, "ink")


def sheet():
    c = Canvas(WIDTH, HEIGHT * COUNT)
    for k, name in enumerate(store_names()):
        store_sign(c, HEIGHT * k, name, STORE_STYLES[k])
    fillers = (flower_box, balcony, clock)
    for k, filler in enumerate(fillers, LAYOUT.STORE_COUNT):
        filler(c, HEIGHT * k)
    return c
