"""The houses of the street: 4 upper storeys (tops, 259 x 85) and 3 shop
floors (bases, 259 x 145). Any top stands on any base, so every top ends in a
stone ledge and every base starts with a stone fascia.

Each top keeps a plain stretch of wall where its store sign hangs. The game
draws the sign at (61, 48), (61, 48), (116, 52) or (60, 40) from the point
(block x, 75), three rows above the top's own corner at y 78.
"""

from canvas import Canvas

WIDTH = 259
TOP_HEIGHT = 85
BASE_HEIGHT = 145
SIGN_OFFSETS = [(61, 48), (61, 48), (116, 52), (60, 40)]
# Where each sign lands inside its top picture.
SIGN_SPOTS = [(x, y - 3) for x, y in SIGN_OFFSETS]
SIGN_SIZE = (138, 30)


# Surfaces.


def brick(c, x, y, w, h, face="brick1", mortar="brick0", light="brick2"):
    """Courses of 12 x 4 bricks in mortar, every third course catching the light."""
    c.rect(x, y, w, h, face)
    for course, top in enumerate(range(y, y + h, 5)):
        if top + 4 < y + h:
            c.hline(x, top + 4, w, mortar)
        height = min(4, y + h - top)
        for joint in range(x - 12 + 6 * (course % 2), x + w, 12):
            if joint >= x:
                c.vline(joint, top, height, mortar)
            if course % 3 == 0:
                start = max(joint + 2, x)
                c.hline(start, top, min(joint + 6, x + w) - start, light)


def stucco(c, x, y, w, h, face, speck):
    c.rect(x, y, w, h, face)
    for j in range(h):
        for i in range((j * 7) % 11, w, 11 + (j % 3)):
            if (i * 3 + j * 5) % 7 == 0:
                c.pixel(x + i, y + j, speck)


def tiles(c, x, y, w, h, face, joint, light):
    c.rect(x, y, w, h, face)
    for ty in range(y, y + h, 6):
        c.hline(x, ty, w, joint)
    for tx in range(x, x + w, 6):
        c.vline(tx, y, h, joint)
    for ty in range(y + 1, y + h, 12):
        for tx in range(x + 1, x + w, 12):
            c.rect(tx, ty, 2, 1, light)


def window(c, x, y, w, h, frame="stone4", sill="stone3", lit=False, curtains=None):
    """A sash window: frame, glass with a reflection, sill below."""
    c.rect(x - 1, y - 1, w + 2, h + 2, frame)
    glass = "lamp" if lit else "glass1"
    c.rect(x, y, w, h, glass)
    if not lit:
        c.rect(x, y, w, 3, "glass0")
        # Glints running down to the left, every 9 px.
        for k in range(0, w + h, 9):
            for step in range(h - 3):
                if x <= x + k - step < x + w:
                    c.pixel(x + k - step, y + 3 + step, "glass2")
    else:
        c.rect(x, y, w, 2, "amber")
    if curtains:
        c.rect(x, y, max(3, w // 5), h, curtains)
        c.rect(x + w - max(3, w // 5), y, max(3, w // 5), h, curtains)
    c.vline(x + w // 2, y, h, frame)
    c.hline(x, y + h // 2, w, frame)
    c.rect(x - 3, y + h + 1, w + 6, 2, sill)
    c.hline(x - 3, y + h + 3, w + 6, "stone1")


def arched_window(c, x, y, w, h, frame, sill):
    c.ellipse(x - 1, y - 1, w + 2, w + 2, frame)
    c.rect(x - 1, y + w // 2, w + 2, h - w // 2 + 1, frame)
    c.ellipse(x, y, w, w, "glass1")
    c.rect(x, y + w // 2, w, h - w // 2, "glass1")
    c.rect(x + 2, y + w // 2, 2, h - w // 2 - 2, "glass2")
    c.vline(x + w // 2, y + 2, h - 2, frame)
    c.rect(x - 3, y + h + 1, w + 6, 2, sill)


def ledge(c, y, light="stone3", face="stone2", dark="stone1"):
    c.hline(0, y, WIDTH, light)
    c.rect(0, y + 1, WIDTH, 3, face)
    c.hline(0, y + 4, WIDTH, dark)


def cornice(c, y):
    c.rect(0, y, WIDTH, 3, "stone4")
    c.rect(2, y + 3, WIDTH - 4, 3, "stone3")
    for x in range(4, WIDTH - 4, 6):
        c.rect(x, y + 6, 3, 2, "stone3")
    c.hline(2, y + 8, WIDTH - 4, "stone1")


def sign_bracket(c, variant):
    """A shadow under the sign's spot, so a sign seems to hang on the wall."""
    x, y = SIGN_SPOTS[variant]
    w, h = SIGN_SIZE
    c.rect(x + 2, y + h, w, 2, "ink")


# The four tops.


def top_brick():
    c = Canvas(WIDTH, TOP_HEIGHT)
    brick(c, 0, 9, WIDTH, 71)
    cornice(c, 0)
    for x in (16, 66, 116, 166, 216):
        window(c, x, 16, 26, 22, curtains="paper1" if x in (66, 166) else None)
    for x in (16, 216):
        window(c, x, 50, 26, 22, lit=x == 216)
    sign_bracket(c, 0)
    ledge(c, 80)
    return c


def top_gable():
    c = Canvas(WIDTH, TOP_HEIGHT)
    face, speck = "sand2", "sand1"
    stucco(c, 0, 14, WIDTH, 66, face, speck)
    # The stepped gable over the middle, with its round window.
    for x, y, w in [(66, 10, 127), (84, 5, 91), (102, 0, 55)]:
        stucco(c, x, y, w, 14 - y, face, speck)
        c.rect(x - 1, y, w + 2, 2, "sand3")
    c.rect(0, 12, WIDTH, 2, "sand3")
    c.hline(0, 14, 66, "sand1")
    c.hline(193, 14, WIDTH - 193, "sand1")
    c.ellipse(119, 3, 22, 22, "sand3")
    c.ellipse(122, 6, 16, 16, "glass1")
    c.ellipse(125, 8, 6, 6, "glass3")
    c.vline(130, 6, 16, "sand3")
    c.hline(122, 14, 16, "sand3")
    for x in (14, 44, 200, 228):
        arched_window(c, x, 20, 18, 22, "sand3", "sand0")
    for x in (14, 214):
        arched_window(c, x + 8, 52, 20, 20, "sand3", "sand0")
    sign_bracket(c, 1)
    ledge(c, 80, "sand3", "sand1", "sand0")
    return c


def top_tower():
    c = Canvas(WIDTH, TOP_HEIGHT)
    # A water tank on legs stands on the roof.
    for x in (28, 40, 52, 62):
        c.vline(x, 18, 10, "stone0")
    c.line(28, 26, 62, 20, "stone0")
    c.line(28, 20, 62, 26, "stone0")
    c.rect(24, 6, 42, 13, "sand0")
    for x in range(26, 64, 5):
        c.vline(x, 6, 13, "hair")
    c.hline(24, 9, 42, "stone1")
    c.hline(24, 15, 42, "stone1")
    c.polygon([(22, 6), (45, 0), (67, 6)], "stone1")
    c.hline(22, 6, 46, "stone0")
    tiles(c, 0, 28, WIDTH, 52, "teal1", "teal0", "teal2")
    c.rect(0, 26, WIDTH, 4, "stone4")
    c.hline(0, 30, WIDTH, "stone2")
    # A bay window fills the left half; the sign hangs on the right.
    c.rect(10, 36, 94, 42, "stone3")
    c.rect(12, 38, 90, 38, "teal0")
    for x in (14, 44, 74):
        window(c, x, 41, 26, 30, frame="stone4", sill="stone4")
    for x in (124, 160, 196, 232):
        window(c, x, 36, 18, 10)
    sign_bracket(c, 2)
    ledge(c, 80)
    return c


def top_mansard():
    c = Canvas(WIDTH, TOP_HEIGHT)
    # A slate mansard roof with three dormers.
    c.polygon([(8, 4), (250, 4), (258, 30), (0, 30)], "stone1")
    for y in range(8, 30, 4):
        c.hline(2, y, WIDTH - 4, "stone0")
    c.rect(6, 2, WIDTH - 12, 3, "stone0")
    for x in (30, 114, 198):
        c.polygon([(x - 3, 12), (x + 15, 2), (x + 33, 12)], "plum0")
        c.rect(x, 12, 30, 16, "plum3")
        c.rect(x + 4, 14, 22, 14, "glass1")
        c.rect(x + 5, 15, 4, 12, "glass2")
        c.vline(x + 15, 14, 14, "plum3")
    stucco(c, 0, 30, WIDTH, 50, "plum1", "plum2")
    c.rect(0, 30, WIDTH, 2, "plum3")
    c.hline(0, 32, WIDTH, "plum0")
    for x in (14, 216):
        window(c, x, 40, 28, 30, frame="plum3", sill="plum3", curtains="pink" if x == 14 else None)
    sign_bracket(c, 3)
    ledge(c, 80, "plum3", "plum2", "plum0")
    return c


# The three shop floors.


def fascia(c):
    c.rect(0, 0, WIDTH, 6, "stone3")
    c.hline(0, 0, WIDTH, "stone4")
    c.hline(0, 5, WIDTH, "stone1")


def pilasters(c, face="stone3", dark="stone1"):
    for x in (0, WIDTH - 9):
        c.rect(x, 6, 9, BASE_HEIGHT - 6, face)
        c.vline(x + 8, 6, BASE_HEIGHT - 6, dark)
        c.vline(x, 6, BASE_HEIGHT - 6, "stone4")
        c.rect(x, BASE_HEIGHT - 10, 9, 10, "stone2")


def door(c, x, y, w, h, frame="ink", glass=True, wood="sand0"):
    c.rect(x - 2, y - 2, w + 4, h + 2, frame)
    if glass:
        c.rect(x, y, w, h, "glass1")
        c.rect(x, y, w, 4, "glass0")
        c.rect(x + 3, y + 6, 3, h - 14, "glass2")
        c.rect(x, y + h - 8, w, 8, "stone1")
    else:
        c.rect(x, y, w, h, wood)
        c.rect(x + 4, y + 6, w - 8, h // 3, "glass1")
        c.rect(x + 5, y + 7, 2, h // 3 - 2, "glass2")
        c.frame(x + 4, y + h // 2, w - 8, h // 2 - 6, "hair")
    c.rect(x + w - 6, y + h // 2, 2, 6, "gold")


def awning(c, x, y, w, h, colour_a, colour_b):
    for k in range(0, w, 12):
        c.rect(x + k, y, min(6, w - k), h, colour_a)
        c.rect(x + k + 6, y, min(6, max(0, w - k - 6)), h, colour_b)
    c.hline(x, y, w, "ink")
    for k in range(0, w, 12):
        c.ellipse(x + k, y + h - 3, 12, 7, colour_a if (k // 12) % 2 == 0 else colour_b)
    c.rect(x, y + h + 3, w, 2, "stone1")


def base_awning():
    c = Canvas(WIDTH, BASE_HEIGHT, "stone2")
    stucco(c, 0, 6, WIDTH, BASE_HEIGHT - 6, "paper1", "paper0")
    fascia(c)
    pilasters(c)
    # The display window and its stall-riser.
    c.rect(16, 34, 136, 84, "stone0")
    window(c, 18, 36, 132, 80, frame="stone0", sill="stone3")
    c.rect(30, 96, 20, 20, "red1")
    c.rect(56, 102, 26, 14, "gold")
    c.ellipse(90, 96, 18, 20, "green1")
    c.rect(16, 122, 136, 23, "stone1")
    c.rect(20, 126, 128, 15, "stone2")
    door(c, 172, 38, 44, 107)
    awning(c, 10, 8, 239, 18, "red1", "paper2")
    return c


def base_arches():
    c = Canvas(WIDTH, BASE_HEIGHT)
    brick(c, 0, 6, WIDTH, BASE_HEIGHT - 6, "brick0", "ink", "brick1")
    fascia(c)
    for x in (18, 168):
        c.rect(x - 4, 28, 80, 96, "sand3")
        arched_window(c, x, 30, 72, 90, "sand3", "sand2")
    c.rect(104, 44, 52, 101, "sand3")
    door(c, 110, 50, 40, 95, frame="sand3", glass=False)
    awning(c, 100, 22, 60, 12, "green1", "paper2")
    for x in (96, 160):
        c.rect(x, 56, 4, 10, "ink")
        c.rect(x - 1, 50, 6, 6, "lamp")
    c.rect(0, BASE_HEIGHT - 8, WIDTH, 8, "stone1")
    c.hline(0, BASE_HEIGHT - 8, WIDTH, "stone2")
    return c


def base_glass():
    c = Canvas(WIDTH, BASE_HEIGHT, "stone0")
    fascia(c)
    c.rect(0, 6, WIDTH, BASE_HEIGHT - 6, "ink")
    for k, x in enumerate(range(6, WIDTH - 6, 62)):
        w = min(58, WIDTH - 6 - x)
        if k == 2:
            door(c, x + 8, 30, w - 16, BASE_HEIGHT - 30, frame="stone1")
            c.rect(x + 2, 12, w - 4, 14, "glass1")
            c.rect(x + 4, 14, w - 8, 3, "glass2")
            continue
        c.rect(x, 12, w, BASE_HEIGHT - 24, "glass1")
        c.rect(x, 12, w, 5, "glass0")
        for t in range(0, 3):
            c.line(x + 10 + t, BASE_HEIGHT - 14, x + 44 + t, 18, "glass2")
        c.line(x + 20, BASE_HEIGHT - 14, x + 50, 30, "glass3")
    # Shelves with goods behind the glass.
    goods = ["red1", "gold", "teal2", "pink", "green2"]
    for x in (8, 70):
        for y in (60, 96):
            c.rect(x + 4, y, 48, 2, "stone3")
            for k in range(5):
                c.rect(x + 6 + 9 * k, y - 7, 6, 7, goods[k])
    c.rect(0, BASE_HEIGHT - 12, WIDTH, 12, "stone1")
    c.hline(0, BASE_HEIGHT - 12, WIDTH, "stone3")
    # A planter by the door.
    c.rect(196, BASE_HEIGHT - 22, 34, 14, "sand0")
    c.hline(196, BASE_HEIGHT - 22, 34, "sand1")
    for x in range(198, 228, 6):
        c.ellipse(x - 2, BASE_HEIGHT - 34, 10, 14, "green1")
        c.ellipse(x, BASE_HEIGHT - 32, 5, 7, "green2")
    return c


def sheet(parts):
    out = Canvas(WIDTH * len(parts), parts[0].height)
    for i, part in enumerate(parts):
        out.paste(part, WIDTH * i, 0, keyed=False)
    return out


def tops():
    return sheet([top_brick(), top_gable(), top_tower(), top_mansard()])


def bases():
    return sheet([base_awning(), base_arches(), base_glass()])
