"""The 22 pictures of the game, by file name, and the package icons."""

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


# The sizes of the package icon in the hicolor theme, every one a whole-number scaling of
# its 16 px tile.
ICON_SIZES = (16, 32, 48, 64, 128, 256)


def icons():
    """(size, PNG bytes) of the package icon: the courier's head on a rounded sky tile,
    drawn at 16 x 16 and scaled by whole pixels; outside the tile it is transparent."""
    tile = Canvas(16, 16)
    tile.round_rect(0, 0, 16, 16, "night1", radius=2)
    tile.round_rect(1, 1, 14, 14, "sky2", radius=1)
    tile.rect(1, 11, 14, 4, "far1")
    tile.paste(figure.SPRITES["icon_head"], 2, 2)
    image = tile.image.convert("RGBA")
    image.putdata([(0, 0, 0, 0) if p[:3] == KEY else p for p in image.getdata()])
    files = []
    for size in ICON_SIZES:
        out = io.BytesIO()
        image.resize((size, size), Image.NEAREST).save(out, "PNG")
        files.append((size, out.getvalue()))
    return files
