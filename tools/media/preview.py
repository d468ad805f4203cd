"""The review sheet: the screens as the game composes them (backdrop, street,
figure, bus, overlays, texts in the game's colours) and every sheet laid out
flat. It is for looking at, not for the game, and is not committed."""

import signs
import street
from canvas import Canvas

WHITE = "white"
TEAL = "teal_ink"


def _street(pictures, camera_x, blocks):
    c = pictures["bg.bmp"].copy()
    street.draw(c, pictures, camera_x, blocks)
    return c


def _hud(c, status, prompt, money):
    c.text(180, 425, status, WHITE)
    c.text(180, 435, prompt, WHITE)
    c.text(600, 59, money, WHITE)


STREET = [(5, 1, 1), (99, 0, 0), (16, 3, 2), (27, 0, 0), (3, 2, 0), (28, 3, 1), (7, 0, 2),
          (29, 1, 0), (20, 2, 1), (24, 3, 0), (6, 0, 1), (100, 0, 0), (9, 2, 2), (19, 1, 1)]


def scenes(pictures):
    out = []
    c = _street(pictures, 0, STREET)
    c.paste(pictures["player.bmp"].crop(59 * 3, 0, 59, 94), 295, 235)
    _hud(c, "Currently in Little Andorra at 11:05", "Press A to wait for the bus.", "$20.00")
    out.append(("street, walking east", c))

    c = _street(pictures, 48, STREET)
    c.paste(pictures["playerIdleLeft.bmp"], 313, 235)
    c.paste(pictures["busright.bmp"], 170, 244)
    _hud(c, "Currently in Little Andorra at 11:10", "No action for A key.", "$20.00")
    out.append(("eastbound bus at the stop", c))

    c = _street(pictures, 2950, STREET)
    c.paste(pictures["playerLeft.bmp"].crop(59 * 5, 0, 59, 94), 289, 235)
    c.paste(pictures["randenc.bmp"], 192, 150)
    c.text(215, 187, "A homeless man challenges you to a battle of wits...", TEAL)
    _hud(c, "Currently in Whatever at 12:59", "Press A to enter the subway.", "$14.00")
    out.append(("encounter at the subway", c))

    c = _street(pictures, 1400, STREET)
    c.paste(pictures["businterior.bmp"], 0, 0)
    _hud(c, "Currently in Hoboken at 1:20", "Press A to get off the bus.", "$18.00")
    out.append(("riding the bus", c))

    c = pictures["bg.bmp"].copy()
    c.paste(pictures["subwaystation.bmp"], 0, 0)
    c.text(262, 108, "Ostrell Avenue", TEAL)
    _hud(c, "Currently in Ostrell Avenue at 12:40",
         "Press A to leave the subway.  Press left to go to Little Andorra.  Press right to "
         "go to Cypress Hills.", "$9.00")
    out.append(("subway station", c))

    c = _street(pictures, 0, STREET)
    c.paste(pictures["mail.bmp"], 0, 0)
    lines = [
        (18, "Could you deliver a message to The Shop of Flesh-Coloured Underwear in west "
             "Little Andorra, 'It's time to make some craaazy money!  Are you ready?'"),
        (16, "Meet me at Giraffe in east Hoboken at 12:07."),
        (11, "Could you deliver a message to $ign$ in west Stockholm, 'My hovercraft is full "
             "of eels.'"),
    ]
    for i, (store, line) in enumerate(lines):
        c.paste(pictures["signs.bmp"].crop(0, 30 * store, 138, 30), 477, 159 + 96 * i)
        c.text(22, (126, 223, 321)[i], line, TEAL)
    _hud(c, "Currently in Stockholm at 11:45", "No action for A key.", "$17.00")
    c.paste(pictures["missioncomplete.bmp"], 172, 202)
    out.append(("errands, with the completion banner", c))

    for name in ("titlescreen.bmp", "signcredits.bmp"):
        out.append((name, pictures[name]))
    c = pictures["gameover.bmp"].copy()
    c.text(100, 100, "You completed 12 errands!", WHITE)
    c.text(100, 110, "Your day ended with $-3.00 left.", WHITE)
    out.append(("game over", c))
    return out


def sheets(pictures):
    c = Canvas(640 * 3, 480 * 2, "stone3")
    c.paste(pictures["buildingtops.bmp"], 8, 8)
    c.paste(pictures["buildingbases.bmp"], 8, 100)
    c.paste(pictures["player.bmp"], 8, 260)
    c.paste(pictures["playerLeft.bmp"], 8, 360)
    c.paste(pictures["playerIdle.bmp"], 490, 260)
    c.paste(pictures["playerIdleLeft.bmp"], 520, 260)
    c.paste(pictures["bus.bmp"], 8, 470)
    c.paste(pictures["busright.bmp"], 320, 470)
    c.paste(pictures["bussign.bmp"], 640, 470)
    c.paste(pictures["subwayentrance.bmp"], 680, 470)
    for k in range(signs.COUNT):
        c.paste(pictures["signs.bmp"].crop(0, 30 * k, 138, 30), 1100 + (k // 15) * 146,
                8 + (k % 15) * 34)
    for i, name in enumerate(("randenc.bmp", "randenc2.bmp", "randenc3.bmp")):
        c.paste(pictures[name], 8 + i * 264, 600)
    c.paste(pictures["missioncomplete.bmp"], 820, 600)
    return c


def contact_sheet(pictures):
    tiles = scenes(pictures)
    columns = 3
    rows = (len(tiles) + columns - 1) // columns
    extra = sheets(pictures)
    out = Canvas(640 * columns, (480 + 14) * rows + extra.height, "ink")
    for i, (label, tile) in enumerate(tiles):
        x, y = (i % columns) * 640, (i // columns) * 494
        out.text(x + 4, y + 3, label, WHITE)
        out.paste(tile, x, y + 14, keyed=False)
    out.paste(extra, 0, rows * 494, keyed=False)
    return out
