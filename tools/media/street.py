"""Lays a piece of street out as the game does: blocks 50 px apart from world
x 50, houses 259 wide with their top at y 78, base at y 163 and sign at
(x + offset, 75 + offset), the bus stop (29 wide) at y 217 and the subway
entrance (139 wide) at y 274."""

import buildings

BUS_STOP = 99
SUBWAY = 100


def draw(c, pictures, camera_x, blocks):
    """blocks: (kind, top, base) from west to east; kind is a store id, a filler
    27 to 29, BUS_STOP or SUBWAY."""
    x = 50
    for kind, top, base in blocks:
        sx = x - camera_x
        if kind == BUS_STOP:
            c.paste(pictures["bussign.bmp"], sx, 217)
            x += 29 + 50
        elif kind == SUBWAY:
            c.paste(pictures["subwayentrance.bmp"], sx, 274)
            x += 139 + 50
        else:
            c.paste(pictures["buildingtops.bmp"].crop(259 * top, 0, 259, 85), sx, 78)
            c.paste(pictures["buildingbases.bmp"].crop(259 * base, 0, 259, 145), sx, 163)
            ox, oy = buildings.SIGN_OFFSETS[top]
            c.paste(pictures["signs.bmp"].crop(0, 30 * kind, 138, 30), sx + ox, 75 + oy)
            x += 259 + 50
