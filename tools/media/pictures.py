"""The 22 pictures of the game, by file name, and the package icon."""

import io

from PIL import Image

import buildings
import figure
import scenery
import screens
import signs
import streetfurniture
import vehicles
from canvas import KEY, Canvas


def all_pictures():
    """(file name, canvas) in the order the game loads them."""
    walk = figure.walk_sheet()
    standing = figure.standing()
    drawn = {
        "bg.bmp": scenery.backdrop(),
        "playerIdle.bmp": standing,
        "playerIdleLeft.bmp": standing.mirrored(),
        "player.bmp": walk,
        # The game reads the left sheet from its last frame backwards.
        "playerLeft.bmp": walk.mirrored(),
        "buildingtops.bmp": buildings.tops(),
        "buildingbases.bmp": buildings.bases(),
        "bussign.bmp": streetfurniture.bus_sign(),
        "subwayentrance.bmp": streetfurniture.subway_entrance(),
        "bus.bmp": vehicles.bus_west(),
        "busright.bmp": vehicles.bus_east(),
        "businterior.bmp": vehicles.interior(),
        "subwaystation.bmp": screens.station(standing),
        "signs.bmp": signs.sheet(),
        "mail.bmp": screens.mail(),
        "missioncomplete.bmp": screens.banner(),
        "randenc.bmp": screens.encounter_ready(),
        "randenc2.bmp": screens.encounter_press(),
        "randenc3.bmp": screens.encounter_result(),
    }
    drawn["titlescreen.bmp"] = screens.title(drawn)
    drawn["signcredits.bmp"] = screens.credits()
    drawn["gameover.bmp"] = screens.game_over(standing)
    return list(drawn.items())


def icon():
    """The package icon, 48 x 48: the courier on a rounded sky tile, every pixel
    doubled; outside the tile it is transparent."""
    tile = Canvas(24, 24)
    tile.round_rect(0, 0, 24, 24, "night1", radius=3)
    tile.round_rect(1, 1, 22, 22, "sky2", radius=2)
    tile.rect(2, 17, 20, 6, "far1")
    tile.paste(figure.standing().crop(0, 2, 18, 21), 3, 2)
    image = tile.image.resize((48, 48), Image.NEAREST).convert("RGBA")
    image.putdata([(0, 0, 0, 0) if p[:3] == KEY else p for p in image.getdata()])
    out = io.BytesIO()
    image.save(out, "PNG")
    return out.getvalue()
