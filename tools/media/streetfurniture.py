"""What stands on the pavement between the houses: the bus-stop sign (drawn at
y 217, its zone 29 px wide) and the subway entrance (drawn at y 274, 139 wide)."""

from canvas import Canvas

BUS_SIGN_SIZE = (29, 120)
SUBWAY_SIZE = (139, 66)


def bus_icon(c, x, y, body="white", glass="red0"):
    """A tiny side view of a bus, 15 x 8."""
    c.round_rect(x, y, 15, 7, body, radius=1)
    for wx in (x + 2, x + 6, x + 10):
        c.rect(wx, y + 1, 3, 2, glass)
    c.rect(x + 2, y + 6, 3, 2, "ink")
    c.rect(x + 10, y + 6, 3, 2, "ink")


def bus_sign():
    w, h = BUS_SIGN_SIZE
    c = Canvas(w, h)
    # The pole, with its foot on the pavement.
    c.rect(13, 24, 3, h - 24, "stone2")
    c.vline(13, 24, h - 24, "stone3")
    c.vline(15, 24, h - 24, "stone1")
    c.rect(10, h - 4, 9, 4, "stone1")
    c.hline(10, h - 4, 9, "stone2")
    # The plate: a red disc with the bus and the word.
    c.ellipse(0, 0, 29, 29, "ink")
    c.ellipse(1, 1, 27, 27, "white")
    c.ellipse(3, 3, 23, 23, "red1")
    c.text(6, 6, "BUS", "white")
    bus_icon(c, 7, 15)
    # The timetable box.
    c.rect(6, 40, 17, 22, "ink")
    c.rect(7, 41, 15, 20, "paper2")
    c.rect(7, 41, 15, 4, "red1")
    for y in range(47, 60, 3):
        c.hline(9, y, 11 - (y % 4), "stone1")
    return c


def subway_entrance():
    w, h = SUBWAY_SIZE
    c = Canvas(w, h)
    # The stairwell going down, seen over its railings.
    c.rect(8, 30, w - 16, h - 30, "stone3")
    c.rect(14, 34, w - 28, h - 36, "ink")
    for k, y in enumerate(range(36, h - 2, 5)):
        c.rect(16 + k * 3, y, w - 32 - k * 6, 3, "stone1")
        c.hline(16 + k * 3, y, w - 32 - k * 6, "stone2")
    # Railings on both sides and along the front.
    for x in range(8, w - 8, 8):
        c.vline(x, 30, h - 32, "green0")
    c.rect(6, 28, w - 12, 3, "green1")
    c.hline(6, 28, w - 12, "green2")
    c.rect(6, h - 4, w - 12, 4, "stone2")
    c.hline(6, h - 4, w - 12, "stone3")
    # Two lamp posts carry the sign.
    for x in (4, w - 10):
        c.rect(x, 8, 6, h - 8, "green0")
        c.vline(x + 1, 8, h - 8, "green1")
        c.ellipse(x - 2, 0, 10, 10, "white")
        c.ellipse(x, 2, 5, 5, "lamp")
    c.round_rect(12, 8, w - 24, 16, "ink", radius=2)
    c.rect(13, 9, w - 26, 14, "green1")
    c.hline(14, 10, w - 28, "green2")
    label = "SUBWAY"
    from canvas import text_width

    c.text((w - text_width(label) + 1) // 2 + 1, 13, label, "green0")
    c.text((w - text_width(label) + 1) // 2, 12, label, "white")
    for x in (18, w - 25):
        c.ellipse(x, 11, 8, 8, "white")
        c.ellipse(x + 1, 12, 6, 6, "red1")
    return c
