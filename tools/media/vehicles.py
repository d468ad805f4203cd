"""The city bus, seen from the pavement side (drawn at y 244), and the view
from inside it while riding (full screen, the windows left see-through so the
street scrolls past behind them)."""

import scenery
from canvas import Canvas, text_width

BUS_W, BUS_H = 300, 106
ROUTE = "7 Crosstown"


def _passenger(c, x, y, shirt, hair):
    c.ellipse(x - 5, y + 10, 18, 14, "ink")
    c.ellipse(x - 4, y + 11, 16, 13, shirt)
    c.ellipse(x, y, 9, 11, "ink")
    c.ellipse(x + 1, y + 1, 7, 9, "skin1")
    c.rect(x + 1, y, 7, 3, hair)


def _wheel(c, cx, cy):
    c.ellipse(cx - 15, cy - 15, 30, 30, "ink")
    c.ellipse(cx - 12, cy - 12, 24, 24, "road1")
    c.ellipse(cx - 7, cy - 7, 14, 14, "stone3")
    c.ellipse(cx - 4, cy - 4, 8, 8, "stone1")


def bus_side():
    """The bus driving east (front on the right), without lettering."""
    c = Canvas(BUS_W, BUS_H)
    # Body: cream above, teal below, a red waist stripe.
    c.round_rect(0, 6, BUS_W - 4, 86, "ink", radius=4)
    c.round_rect(1, 7, BUS_W - 6, 84, "paper2", radius=3)
    c.rect(1, 56, BUS_W - 6, 35, "teal1")
    c.hline(1, 56, BUS_W - 6, "teal2")
    c.rect(1, 52, BUS_W - 6, 4, "red1")
    c.rect(1, 86, BUS_W - 6, 5, "teal0")
    c.rect(8, 2, 70, 6, "stone3")
    c.hline(8, 2, 70, "stone4")
    c.rect(8, 7, 70, 1, "stone1")
    # The slanted windscreen at the front.
    c.polygon([(BUS_W - 28, 12), (BUS_W - 10, 12), (BUS_W - 5, 50), (BUS_W - 28, 50)], "ink")
    c.polygon([(BUS_W - 27, 13), (BUS_W - 11, 13), (BUS_W - 7, 48), (BUS_W - 27, 48)], "glass1")
    c.line(BUS_W - 20, 16, BUS_W - 14, 44, "glass3")
    # Side windows with passengers, the doors in the middle.
    passengers = [("teal2", "hair"), ("pink", "ink"), (None, None), ("gold", "sand0"),
                  ("plum2", "hair"), ("green2", "ink"), (None, None)]
    k = 0
    for x in range(12, BUS_W - 40, 38):
        if 128 <= x + 17 <= 172:
            continue
        c.rect(x, 16, 32, 32, "ink")
        c.rect(x + 1, 17, 30, 30, "glass1")
        c.rect(x + 1, 17, 30, 4, "glass0")
        shirt, hair = passengers[k % len(passengers)]
        k += 1
        if shirt:
            _passenger(c, x + 10, 27, shirt, hair)
        c.line(x + 4, 44, x + 16, 22, "glass2")
        c.line(x + 5, 44, x + 17, 22, "glass2")
    c.rect(134, 14, 34, 78, "ink")
    for x in (135, 152):
        c.rect(x, 15, 16, 75, "glass1")
        c.rect(x + 2, 18, 3, 64, "glass2")
    c.vline(151, 15, 75, "stone1")
    # Wheels, lights and bumpers.
    for cx in (62, 240):
        c.ellipse(cx - 20, 66, 40, 40, "ink")
        c.rect(cx - 20, 86, 40, 6, "ink")
        _wheel(c, cx, 90)
    c.rect(BUS_W - 9, 66, 5, 8, "lamp")
    c.rect(BUS_W - 9, 76, 5, 4, "amber")
    c.rect(2, 64, 4, 10, "red1")
    c.rect(BUS_W - 14, 90, 14, 4, "ink")
    c.rect(0, 90, 12, 4, "ink")
    c.rect(BUS_W - 3, 20, 3, 10, "ink")
    return c


def _destination(c, x):
    """The route board over the first windows, lettered after any mirroring."""
    w = text_width(ROUTE) + 7
    c.rect(x, 6, w, 11, "ink")
    c.text(x + 4, 7, ROUTE, "amber")


def bus_east():
    c = bus_side()
    _destination(c, BUS_W - 40 - text_width(ROUTE) - 7)
    return c


def bus_west():
    c = bus_side().mirrored()
    _destination(c, 40)
    return c


# The view from inside.

WINDOW_TOP, WINDOW_BOTTOM = 86, 262


def interior():
    c = Canvas(640, 480, "stone2")
    # Ceiling with advertising cards and lights.
    c.rect(0, 0, 640, 72, "stone3")
    c.rect(0, 0, 640, 10, "stone1")
    for x in range(20, 640, 160):
        c.rect(x, 12, 100, 4, "lamp")
        c.hline(x, 16, 100, "amber")
    ads = [("Ride the 7!", "all day long", "teal1"), ("COOOOKIES", "baked today", "sand2"),
           ("Happy Price", "low, low prices", "red1"), ("UFO Airlines", "fly with us", "night1")]
    for i, (words, small, board) in enumerate(ads):
        x = 28 + i * 156
        c.rect(x - 1, 27, 122, 32, "ink")
        c.rect(x, 28, 120, 30, board)
        ink = "ink" if board in ("sand2",) else "white"
        c.text_centred(x + 60, 33, words, ink, 1)
        c.text_centred(x + 60, 45, small, ink)
    c.rect(0, 64, 640, 4, "gold")
    c.hline(0, 67, 640, "amber")
    # Side windows: the street shows through the key colour.
    c.rect(0, 72, 640, WINDOW_BOTTOM - 72 + 12, "stone3")
    for x in range(14, 640, 160):
        c.rect(x - 3, WINDOW_TOP - 3, 142, WINDOW_BOTTOM - WINDOW_TOP + 6, "ink")
        c.rect(x - 2, WINDOW_TOP - 2, 140, WINDOW_BOTTOM - WINDOW_TOP + 4, "stone1")
        c.rect(x, WINDOW_TOP, 136, WINDOW_BOTTOM - WINDOW_TOP, "key")
        c.rect(x, WINDOW_TOP + 60, 136, 3, "stone1")
    # Seats, poles and the floor.
    c.rect(0, WINDOW_BOTTOM + 6, 640, 412 - WINDOW_BOTTOM - 6, "stone1")
    for x in range(4, 640, 80):
        # A seat back with its chrome grab handle and a piping seam.
        c.rect(x + 22, 244, 22, 3, "stone4")
        c.rect(x + 22, 244, 3, 8, "stone4")
        c.rect(x + 41, 244, 3, 8, "stone4")
        c.round_rect(x, 250, 66, 86, "ink", radius=4)
        c.round_rect(x + 2, 252, 62, 82, "teal1", radius=3)
        for y in range(258, 330, 6):
            for dx in range(6, 60, 6):
                c.pixel(x + dx + (y // 6) % 2 * 3, y, "teal2")
        c.rect(x + 2, 252, 62, 5, "teal2")
        c.hline(x + 6, 262, 54, "teal0")
        c.rect(x + 2, 318, 62, 16, "teal0")
    c.rect(0, 336, 640, 76, "stone0")
    for y in range(340, 412, 6):
        c.hline(0, y, 640, "road1")
    for x in (156, 476):
        c.rect(x, 0, 6, 412, "ink")
        c.rect(x + 1, 0, 4, 412, "gold")
        c.vline(x + 2, 0, 412, "lamp")
    c.rect(0, 76, 640, 3, "gold")
    c.hline(0, 78, 640, "amber")
    # A stop button on the near pole.
    c.rect(150, 190, 18, 14, "ink")
    c.rect(151, 191, 16, 12, "red1")
    c.text(153, 193, "STOP", "white")
    scenery.hud_frame(c)
    return c
