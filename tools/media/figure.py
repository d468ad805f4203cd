"""The player: a courier in an orange jacket, red cap and messenger bag.

Head, torso, bag and shoes are ASCII sprites (sprites.txt); arms and legs are
drawn as outlined limbs between joints posed by the walk table below. The walk
sheet has 8 frames of 59 x 94 facing right; the left sheet is its mirror image,
since the game reads it from the last frame backwards. The standing pictures
are 18 px wide, so the body stays where the walking body was when the player
stops (the game draws them 17 px to the right of the walk frames, 24 px to the
right when facing left).
"""

import math

import sprites
from canvas import KEY, Canvas

FRAME_W, FRAME_H = 59, 94
FRAMES = 8
BODY_X = 25  # the body's middle column in a walk frame
IDLE_W = 18
IDLE_BODY_X = 8

THIGH, SHIN = 23, 23
UPPER_ARM, FOREARM = 14, 13
GROUND_ANKLE = FRAME_H - 4  # ankle row when the shoe stands on the last row

# One leg through the walk cycle, from heel strike: thigh angle from the
# vertical (forward is positive), knee bend, and the tilt of the foot (toe up
# is positive). The far leg runs four frames behind the near one.
GAIT = [
    (22, 4, 10),
    (12, 8, 0),
    (2, 4, 0),
    (-8, 4, 0),
    (-16, 10, -15),
    (-10, 34, -30),
    (2, 52, -20),
    (18, 28, 0),
]

SPRITES = sprites.load()


def _point(origin, angle, length):
    """The end of a limb hanging from origin, turned angle degrees forward."""
    a = math.radians(angle)
    return (origin[0] + length * math.sin(a), origin[1] + length * math.cos(a))


def _segment_distance(px, py, a, b):
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length2))
    qx, qy = ax + t * dx, ay + t * dy
    side = (dx * (py - ay) - dy * (px - ax)) / math.sqrt(length2) if length2 else 0.0
    return math.hypot(px - qx, py - qy), side


def limb(c, joints, radius, fill, shade):
    """An outlined limb through the joints: ink edge, fill, and its back half shaded."""
    segments = list(zip(joints, joints[1:]))
    xs = [p[0] for p in joints]
    ys = [p[1] for p in joints]
    reach = int(radius) + 3
    box = range(int(min(xs)) - reach, int(max(xs)) + reach), range(
        int(min(ys)) - reach, int(max(ys)) + reach
    )
    for outline in (True, False):
        for y in box[1]:
            for x in box[0]:
                best = None
                for a, b in segments:
                    d, side = _segment_distance(x + 0.5, y + 0.5, a, b)
                    if best is None or d < best[0]:
                        best = (d, side)
                d, side = best
                if outline and d <= radius + 1:
                    c.pixel(x, y, "ink")
                elif not outline and d <= radius:
                    # Limbs point downwards, so the positive side is their back.
                    c.pixel(x, y, shade if side > radius * 0.4 else fill)


def stamp_rotated(c, sprite, pivot, at, angle):
    """Draws a sprite turned by angle degrees (positive lifts the right end)
    about its pivot pixel, which lands on at."""
    a = math.radians(angle)
    cos_a, sin_a = math.cos(a), math.sin(a)
    size = sprite.width + sprite.height
    px, py = pivot
    for y in range(-size, size):
        for x in range(-size, size):
            # Inverse rotation back into the sprite.
            sx = cos_a * x - sin_a * y
            sy = sin_a * x + cos_a * y
            ix, iy = int(math.floor(sx + px + 0.5)), int(math.floor(sy + py + 0.5))
            if 0 <= ix < sprite.width and 0 <= iy < sprite.height:
                colour = sprite.get(ix, iy)
                if colour != KEY:
                    c.pixel(math.floor(at[0]) + x, math.floor(at[1]) + y, colour)


def leg(c, hip, thigh, knee, foot, near):
    knee_point = _point(hip, thigh, THIGH)
    ankle = _point(knee_point, thigh - knee, SHIN)
    fill, shade = ("denim1", "denim0") if near else ("denim0", "denim0")
    limb(c, [hip, knee_point, ankle], 3.6 if near else 3.4, fill, shade)
    shoe = SPRITES["shoe"]
    if not near:
        shoe = shoe.copy()
        shoe.replace("white", "stone3")
        shoe.replace("red1", "red0")
    stamp_rotated(c, shoe, (3, 1), ankle, foot)


def arm(c, shoulder, swing, bend, near):
    elbow = _point(shoulder, swing, UPPER_ARM)
    wrist = _point(elbow, swing + bend, FOREARM)
    fill, shade = ("jacket1", "jacket0") if near else ("jacket0", "jacket0")
    limb(c, [shoulder, elbow], 3.0, fill, shade)
    limb(c, [elbow, wrist], 2.6, fill, shade)
    hand = _point(elbow, swing + bend, FOREARM + 2)
    hx, hy = int(round(hand[0])), int(round(hand[1]))
    c.ellipse(hx - 3, hy - 3, 6, 6, "ink")
    c.ellipse(hx - 2, hy - 2, 4, 4, "skin1" if near else "skin0")


def leg_height(thigh, knee):
    return THIGH * math.cos(math.radians(thigh)) + SHIN * math.cos(math.radians(thigh - knee))


def pose(width, body_x, near_leg, far_leg, near_arm, far_arm):
    """One picture of the figure. Legs are (thigh, knee, foot), arms (swing, bend)."""
    c = Canvas(width, FRAME_H)
    # The longer leg stands on the ground; the body rides on it.
    hip_y = GROUND_ANKLE - max(leg_height(*near_leg[:2]), leg_height(*far_leg[:2]))
    hip = (body_x + 0.5, hip_y)
    torso_top = int(round(hip_y)) - 24
    shoulder = (body_x + 0.5, torso_top + 5)
    arm(c, (shoulder[0] - 1, shoulder[1]), *far_arm, near=False)
    leg(c, (hip[0] - 1, hip[1]), *far_leg, near=False)
    c.paste(SPRITES["torso"], body_x - 7, torso_top)
    leg(c, hip, *near_leg, near=True)
    c.paste(SPRITES["bag"], body_x - 8, torso_top + 18)
    c.paste(SPRITES["head"], body_x - 7, torso_top - 17)
    arm(c, shoulder, *near_arm, near=True)
    return c


def walk_frame(i):
    near = GAIT[i]
    far = GAIT[(i + 4) % FRAMES]
    # Each arm swings against the leg on its own side.
    near_arm = (-0.8 * near[0], 14 + max(0.0, -near[0]) * 1.2)
    far_arm = (-0.8 * far[0], 14 + max(0.0, -far[0]) * 1.2)
    return pose(FRAME_W, BODY_X, near, far, near_arm, far_arm)


def walk_sheet():
    c = Canvas(FRAME_W * FRAMES, FRAME_H)
    for i in range(FRAMES):
        c.paste(walk_frame(i), FRAME_W * i, 0, keyed=False)
    return c


def standing():
    return pose(IDLE_W, IDLE_BODY_X, (0, 0, 0), (-3, 0, 0), (-3, 10), (4, 10))
