"""Pieces shared by several pictures: the sky, the far skyline, the pavement and
the HUD frame that every playing-screen picture leaves dark for the white text."""

from canvas import Canvas, text_width

# Where the game draws: building tops at y 78, bases at 163 (145 tall), the
# player's feet on row 328, buses from y 244, the HUD text at (180, 425) and
# (180, 435), the money at (600, 59).
BUILDING_TOP_Y = 78
BUILDING_BASE_Y = 163
STREET_WALL_Y = 308  # first row below the building bases
KERB_Y = 340
ROAD_Y = 344
HUD_Y = 412
MONEY_BOX = (574, 52, 66, 24)

SKY = ["sky0", "sky1", "sky2", "sky3", "sky4"]


def sky(c, top, height):
    c.bands(0, top, c.width, height, SKY)


def cloud(c, x, y, scale=1):
    """A flat-bottomed pixel cloud built from a few round puffs."""
    puffs = [(0, 6, 14, 8), (8, 2, 16, 12), (20, 0, 18, 14), (34, 4, 14, 10), (44, 7, 10, 7)]
    for px, py, w, h in puffs:
        c.ellipse(x + px * scale, y + py * scale, w * scale, h * scale, "cloud")
    c.rect(x + 2 * scale, y + 10 * scale, 50 * scale, 4 * scale, "cloud")
    c.hline(x + 4 * scale, y + 14 * scale, 46 * scale, "sky4")


def far_skyline(c, base_y, seed_shapes=None):
    """Distant towers in pale blue, two rows deep, with faint window grids."""
    back = seed_shapes or [
        (0, 60, 70), (52, 96, 44), (90, 40, 58), (140, 120, 36), (170, 70, 64), (226, 100, 50),
        (268, 54, 72), (330, 132, 40), (362, 80, 56), (410, 62, 70), (470, 110, 46),
        (508, 74, 62), (560, 126, 42), (596, 66, 60),
    ]
    for x, h, w in back:
        c.rect(x, base_y - h - 30, w, h + 30, "far2")
        if h > 100:
            c.rect(x + w // 2 - 1, base_y - h - 44, 2, 14, "far2")
    front = [
        (16, 44, 52), (74, 70, 40), (118, 36, 60), (186, 58, 48), (240, 30, 70), (300, 82, 38),
        (344, 46, 64), (414, 66, 44), (462, 40, 58), (524, 88, 40), (570, 50, 66),
    ]
    for x, h, w in front:
        c.rect(x, base_y - h, w, h, "far1")
        for wy in range(base_y - h + 5, base_y - 4, 7):
            for wx in range(x + 4, x + w - 4, 6):
                c.rect(wx, wy, 2, 3, "far2")


def pavement(c, top=STREET_WALL_Y):
    """The pavement in front of the houses, the kerb and the road."""
    c.rect(0, top, c.width, KERB_Y - top, "pave1")
    c.hline(0, top, c.width, "stone1")
    c.hline(0, top + 1, c.width, "pave0")
    for x in range(0, c.width, 32):
        c.vline(x + 7, top + 2, KERB_Y - top - 2, "pave0")
    for y in (top + 12, top + 23):
        c.hline(0, y, c.width, "pave0")
    c.rect(0, KERB_Y, c.width, 4, "pave2")
    c.hline(0, KERB_Y + 3, c.width, "stone2")
    c.rect(0, ROAD_Y, c.width, HUD_Y - ROAD_Y, "road0")
    c.rect(0, ROAD_Y, c.width, 3, "road1")
    for x in range(12, c.width, 64):
        c.rect(x, 376, 32, 3, "stone3")


def hud_frame(c, hints=True):
    """The dark HUD strip along the bottom and the money box at the top right."""
    c.rect(0, HUD_Y, c.width, c.height - HUD_Y, "night1")
    c.hline(0, HUD_Y, c.width, "night3")
    c.hline(0, HUD_Y + 1, c.width, "night2")
    c.hline(0, c.height - 1, c.width, "night0")
    c.vline(170, HUD_Y + 8, c.height - HUD_Y - 16, "night2")
    if hints:
        keys = [("<- ->", "walk"), ("A", "act"), ("UP", "errands")]
        y = HUD_Y + 10
        for key, meaning in keys:
            key_width = max(text_width(key) + 8, 16)
            c.panel(14, y - 2, key_width + 4, 13, "night2", "night3")
            c.text_centred(16 + key_width // 2, y, key, "white")
            c.text(30 + key_width, y, meaning, "sky3")
            y += 17
    x, y, w, h = MONEY_BOX
    c.panel(x, y, w, h, "night1", "night3", radius=3)
    coin(c, x + 6, y + 6)


def coin(c, x, y):
    c.ellipse(x, y, 12, 12, "amber")
    c.ellipse(x + 1, y + 1, 10, 10, "gold")
    c.vline(x + 6, y + 3, 6, "amber")
    c.pixel(x + 4, y + 3, "lamp")
    c.pixel(x + 3, y + 4, "lamp")


def backdrop(hud=True):
    """bg: the playing screen before the street is drawn over it."""
    c = Canvas(640, 480, "sky0")
    sky(c, 0, STREET_WALL_Y)
    cloud(c, 40, 20)
    cloud(c, 250, 46, 1)
    cloud(c, 430, 12)
    far_skyline(c, STREET_WALL_Y - 40)
    # Low buildings and trees in the near distance show between the houses.
    c.rect(0, STREET_WALL_Y - 40, c.width, 40, "far0")
    for x in range(0, c.width, 48):
        c.rect(x + 6, STREET_WALL_Y - 34, 12, 8, "far1")
        c.rect(x + 26, STREET_WALL_Y - 34, 12, 8, "far1")
        c.rect(x + 6, STREET_WALL_Y - 20, 12, 8, "far1")
        c.rect(x + 26, STREET_WALL_Y - 20, 12, 8, "far1")
    for x in range(-10, c.width, 70):
        c.ellipse(x, STREET_WALL_Y - 22, 30, 24, "green0")
        c.ellipse(x + 4, STREET_WALL_Y - 20, 20, 14, "green1")
    c.rect(0, STREET_WALL_Y - 6, c.width, 6, "stone1")
    c.hline(0, STREET_WALL_Y - 6, c.width, "stone2")
    pavement(c)
    if hud:
        hud_frame(c)
    return c
