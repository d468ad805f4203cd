"""The full-screen pictures and the overlays: subway station, mail view,
encounter cards, completion banner, title, credits and game over.

The game writes into some of them: the district name on the station board at
(262, 108), the errand lines at (22, 126), (22, 223), (22, 321) and the store
signs at (477, 159 + 96 i) on the mail view, the encounter line at (215, 187)
on the cards drawn at (192, 150), the two summary lines at (100, 100) and
(100, 110) on the game-over screen, all in the game's teal ink or in white.
"""

import scenery
import street
from canvas import Canvas, text_width

STATION_NAME = (262, 108)
MAIL_LINES_Y = (126, 223, 321)
MAIL_SIGN = (477, (159, 255, 351))
CARD_AT = (192, 150)
CARD_SIZE = (256, 96)
CARD_LINE = (215, 187)
BANNER_SIZE = (296, 48)
SUMMARY_AT = (100, 100)


def wall_tiles(c, x, y, w, h, face, grout):
    c.rect(x, y, w, h, face)
    for ty in range(y, y + h, 8):
        c.hline(x, ty, w, grout)
    for row, ty in enumerate(range(y, y + h, 8)):
        for tx in range(x + (row % 2) * 8, x + w, 16):
            c.vline(tx, ty, 8, grout)


def arrow_sign(c, x, y, label, pointing_left):
    w = text_width(label) + 30
    c.panel(x, y, w, 20, "night1", "ink")
    c.hline(x + 2, y + 2, w - 4, "night2")
    ax = x + 6 if pointing_left else x + w - 16
    tip = ax if pointing_left else ax + 10
    back = ax + 10 if pointing_left else ax
    c.polygon([(tip, y + 10), (back, y + 4), (back, y + 16)], "gold")
    c.text(x + (22 if pointing_left else 8), y + 6, label, "white")
    return w


def station(standing):
    c = Canvas(640, 480, "paper2")
    wall_tiles(c, 0, 40, 640, 268, "paper2", "paper1")
    c.rect(0, 0, 640, 40, "stone0")
    c.rect(0, 36, 640, 4, "stone1")
    for x in range(40, 640, 140):
        c.rect(x, 8, 80, 6, "lamp")
        c.rect(x - 2, 14, 84, 2, "stone1")
    # The district band with the name board.
    wall_tiles(c, 0, 88, 640, 48, "teal1", "teal0")
    c.hline(0, 88, 640, "teal3")
    c.hline(0, 135, 640, "teal0")
    c.panel(246, 96, 148, 32, "paper2", "ink", radius=2)
    c.frame(248, 98, 144, 28, "teal_ink")
    c.ellipse(251, 106, 9, 9, "red1")
    c.rect(254, 109, 3, 3, "white")
    # Where the trains go, and the way out.
    w = arrow_sign(c, 40, 160, "LEFT  $4.00", True)
    arrow_sign(c, 600 - w, 160, "RIGHT  $4.00", False)
    c.panel(282, 50, 76, 20, "green1", "ink")
    c.text(292, 56, "EXIT  A", "white")
    c.polygon([(344, 60), (348, 54), (352, 60)], "white")
    # Tunnel mouths, pillars, benches.
    for x in (0, 560):
        c.rect(x, 200, 80, 112, "ink")
        c.ellipse(x + 4, 186, 72, 40, "ink")
        c.rect(x + 6, 214, 68, 98, "night0")
    for x in (120, 500):
        c.rect(x, 40, 20, 268, "stone3")
        c.vline(x, 40, 268, "stone4")
        c.vline(x + 19, 40, 268, "stone1")
        c.rect(x - 4, 40, 28, 8, "stone2")
    for x in (168, 404):
        c.rect(x, 288, 68, 6, "sand0")
        c.hline(x, 288, 68, "sand1")
        c.rect(x + 4, 294, 4, 14, "stone0")
        c.rect(x + 60, 294, 4, 14, "stone0")
    # Platform, its yellow edge and the track.
    c.rect(0, 308, 640, 40, "pave2")
    c.hline(0, 308, 640, "stone2")
    for x in range(0, 640, 24):
        c.vline(x, 309, 39, "pave1")
    c.rect(0, 340, 640, 5, "gold")
    c.rect(0, 345, 640, 3, "stone1")
    c.rect(0, 348, 640, 64, "ink")
    for y in (372, 396):
        c.rect(0, y, 640, 4, "stone3")
        c.hline(0, y + 4, 640, "stone0")
    for x in range(6, 640, 28):
        c.rect(x, 368, 16, 36, "sand0")
    c.paste(standing, 312, 235)
    scenery.hud_frame(c)
    return c


def envelope(c, x, y):
    c.rect(x, y, 16, 11, "ink")
    c.rect(x + 1, y + 1, 14, 9, "paper2")
    c.line(x + 1, y + 1, x + 8, y + 6, "ink")
    c.line(x + 14, y + 1, x + 8, y + 6, "ink")


def clock_icon(c, x, y):
    c.ellipse(x, y, 13, 13, "ink")
    c.ellipse(x + 1, y + 1, 11, 11, "paper2")
    c.vline(x + 6, y + 3, 4, "ink")
    c.hline(x + 6, y + 6, 3, "ink")


def mail():
    c = Canvas(640, 480, "night1")
    for y in range(0, 412, 4):
        c.hline(0, y, 640, "night1" if y % 8 else "night0")
    c.text(24, 24, "Errands", "white", 2, shadow="night0")
    envelope(c, 114, 27)
    c.text(24, 54, "What you have been asked to do today.", "sky3")
    # The sheet of paper.
    c.rect(14, 84, 620, 322, "night0")
    c.rect(10, 78, 620, 322, "paper0")
    c.rect(11, 79, 618, 320, "paper2")
    kinds = [("1", "Deliver a message"), ("2", "Keep an appointment"), ("3", "Deliver a message")]
    sign_x, sign_ys = MAIL_SIGN
    for i, (key, kind) in enumerate(kinds):
        line_y = MAIL_LINES_Y[i]
        sign_y = sign_ys[i]
        c.panel(20, line_y - 17, 13, 13, "teal1", "teal0")
        c.text(24, line_y - 14, key, "white")
        (clock_icon if i == 1 else envelope)(c, 40, line_y - 16)
        c.text(62, line_y - 14, kind, "teal0")
        c.hline(20, line_y + 11, 600, "rule")
        c.text(22, sign_y + 11, "Press %s to skip this errand for $1.00." % key, "stone2")
        c.text(sign_x - 60, sign_y + 11, "Look for", "stone2")
        c.rect(sign_x - 3, sign_y - 3, 144, 36, "paper1")
        c.frame(sign_x - 3, sign_y - 3, 144, 36, "paper0")
        if i < 2:
            for x in range(20, 620, 6):
                c.hline(x, sign_y + 40, 3, "paper0")
    c.text(22, 387, "Press UP to put the list away.", "teal0")
    scenery.hud_frame(c)
    return c


def banner():
    w, h = BANNER_SIZE
    c = Canvas(w, h)
    # The ribbon's notched tails behind both ends.
    middle = (12 + h) // 2
    c.polygon([(0, 12), (35, 12), (35, h - 1), (0, h - 1), (8, middle)], "red0")
    c.polygon([(w - 1, 12), (w - 36, 12), (w - 36, h - 1), (w - 1, h - 1), (w - 9, middle)], "red0")
    c.round_rect(20, 0, w - 40, h - 8, "ink", radius=3)
    c.round_rect(21, 1, w - 42, h - 10, "red1", radius=2)
    c.hline(24, 3, w - 48, "red2")
    c.hline(24, h - 12, w - 48, "red0")
    c.text_centred(w // 2, 9, "Errand complete!", "white", 2, shadow="red0")
    for x in (34, w - 46):
        star(c, x, 14)
    return c


def star(c, x, y):
    pts = [(6, 0), (8, 4), (12, 4), (9, 7), (10, 12), (6, 9), (2, 12), (3, 7), (0, 4), (4, 4)]
    c.polygon([(x + px, y + py) for px, py in pts], "gold")
    c.pixel(x + 6, y + 4, "lamp")


def card(title, header="red1"):
    w, h = CARD_SIZE
    c = Canvas(w, h)
    c.round_rect(0, 0, w, h, "ink", radius=4)
    c.round_rect(2, 2, w - 4, h - 4, "paper2", radius=3)
    c.round_rect(2, 2, w - 4, 28, header, radius=3)
    c.hline(4, 4, w - 8, "red2" if header == "red1" else "teal3")
    c.rect(2, 28, w - 4, 2, "ink")
    c.text_centred(w // 2 + 1, 8, title, "ink", 2)
    c.text_centred(w // 2, 7, title, "white", 2)
    return c


def speech_row(c):
    x, y = CARD_LINE[0] - CARD_AT[0], CARD_LINE[1] - CARD_AT[1]
    c.rect(x - 9, y - 5, CARD_SIZE[0] - 2 * (x - 9), 20, "paper1")
    c.frame(x - 9, y - 5, CARD_SIZE[0] - 2 * (x - 9), 20, "paper0")


def encounter_ready():
    c = card("Battle of wits!")
    speech_row(c)
    c.text_centred(CARD_SIZE[0] // 2, 66, "Get ready... press A the moment", "teal_ink")
    c.text_centred(CARD_SIZE[0] // 2, 77, "this card says so!", "teal_ink")
    return c


def encounter_press():
    c = card("Battle of wits!")
    w = CARD_SIZE[0]
    c.rect(10, 36, w - 20, 50, "gold")
    c.frame(10, 36, w - 20, 50, "amber")
    label = "PRESS A NOW!"
    c.text_centred(w // 2 + 2, 45, label, "amber", 4)
    c.text_centred(w // 2, 43, label, "red1", 4)
    return c


def encounter_result():
    c = card("Battle over", header="teal1")
    speech_row(c)
    c.text_centred(CARD_SIZE[0] // 2, 66, "Back to your errands in a moment.", "teal_ink")
    return c


def logo(text, scale):
    """Big two-tone lettering with an ink outline and a drop shadow."""
    w = text_width(text, scale) + 6
    h = 9 * scale + 6
    c = Canvas(w, h)
    for dx in range(0, 7):
        for dy in range(0, 7):
            if (dx, dy) != (3, 3):
                c.text(dx, dy, text, "ink", scale)
    c.text(3, 3, text, "gold", scale)
    # The lower part of each letter in a deeper gold, a light edge on top.
    c.replace_rows(3 + 4 * scale, h, "gold", "amber")
    c.replace_rows(3, 3 + scale // 2, "gold", "lamp")
    return c


def title(pictures):
    """The title over a street of the game, drawn from its own pictures."""
    c = scenery.backdrop(hud=False)
    street.draw(c, pictures, 150, [(8, 0, 0), (street.BUS_STOP, 0, 0), (12, 1, 1), (20, 3, 2)])
    c.paste(pictures["player.bmp"].crop(59 * 2, 0, 59, 94), 295, 235)
    c.paste(pictures["bus.bmp"], 420, 244)
    # Cover the HUD strip with the start panel.
    c.rect(0, scenery.HUD_Y, 640, 480 - scenery.HUD_Y, "night1")
    c.hline(0, scenery.HUD_Y, 640, "night3")
    c.text_centred(320, 424, "Press A to play", "white", 2, shadow="night0")
    c.text_centred(320, 452, "Press UP for the credits", "sky3")
    c.paste(logo("Quorvane", 8), 320 - (text_width("Quorvane", 8) + 6) // 2, 2)
    c.panel(230, 72, 180, 14, "night1", "night3")
    c.text_centred(320, 74, "one day of errands in the city", "white")
    return c


def night_sky(c, height):
    c.bands(0, 0, 640, height, ["night0", "night1", "night2"])
    for i in range(60):
        x = (i * 97 + 31) % 640
        y = (i * 53 + 7) % (height - 60)
        c.pixel(x, y, "white" if i % 3 else "sky3")


def night_skyline(c, base_y):
    for i, (x, w, h) in enumerate([(0, 70, 120), (64, 50, 170), (110, 80, 100), (186, 60, 150),
                                   (240, 90, 90), (326, 56, 190), (378, 70, 130), (444, 60, 160),
                                   (500, 80, 110), (576, 64, 170)]):
        c.rect(x, base_y - h, w, h, "night2" if i % 2 else "night1")
        for wy in range(base_y - h + 8, base_y - 6, 10):
            for wx in range(x + 6, x + w - 6, 9):
                spot = (wx * 73 + wy * 151 + i * 37) % 11
                if spot < 3:
                    c.rect(wx, wy, 4, 5, "lamp")
                elif spot < 7:
                    c.rect(wx, wy, 4, 5, "night0")


def credits():
    c = Canvas(640, 480, "night0")
    night_sky(c, 480)
    night_skyline(c, 480)
    c.rect(60, 40, 520, 360, "night0")
    c.frame(60, 40, 520, 360, "night3")
    c.text_centred(320, 56, "Quorvane", "gold", 4, shadow="ink")
    rows = [
        ("Game design", "the Quorvane project"),
        ("Code", "the Quorvane project, in C++17"),
        ("Pictures", "drawn by the project's own generator"),
        ("Font", "PF Ronda Seven, made for this game"),
        ("Made with", "SDL and SDL_ttf"),
    ]
    y = 112
    for what, who in rows:
        c.text(96, y, what, "sky3")
        c.text(230, y, who, "white")
        y += 20
    c.hline(96, y + 2, 448, "night2")
    y += 14
    c.text(96, y, "How to play", "gold")
    y += 16
    help_rows = [
        ("Left, right", "walk along the street"),
        ("A", "wait for a bus, get off, enter the subway,"),
        ("", "deliver a message, wait for an appointment"),
        ("UP", "show or hide your errands"),
        ("1, 2, 3", "skip an errand for $1.00"),
    ]
    for key, meaning in help_rows:
        c.text(96, y, key, "sky3")
        c.text(230, y, meaning, "white")
        y += 14
    c.text_centred(320, 360, "Press A to play", "white", 2, shadow="ink")
    return c


def game_over(standing):
    c = Canvas(640, 480, "night0")
    night_sky(c, 330)
    c.ellipse(520, 40, 40, 40, "paper2")
    c.ellipse(532, 36, 36, 36, "night0")
    night_skyline(c, 330)
    c.rect(0, 330, 640, 150, "night1")
    c.rect(0, 330, 640, 4, "night2")
    for x in range(12, 640, 64):
        c.rect(x, 400, 32, 3, "night2")
    c.text(100, 40, "The day is over", "gold", 4, shadow="ink")
    c.rect(88, 92, 380, 30, "night0")
    c.frame(88, 92, 380, 30, "night3")
    c.text(100, 140, "Thanks for playing Quorvane.", "sky3")
    c.paste(standing, 312, 236)
    return c
