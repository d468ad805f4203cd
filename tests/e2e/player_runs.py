"""The built game in a real X window, driven with real key events, as a player meets it.

    /usr/bin/python3 tests/e2e/player_runs.py CASE GAME_BINARY FLIP_LOG_LIBRARY
                                                            (from the repo root)

FLIP_LOG_LIBRARY is tests/e2e/flipLog.cpp built, which the runs that count the game's drawn
frames preload into it.

CASE:
  play_session      the window, the title and credits screens, starting play, a walk along
                    the street, and the window's close button
  money_runs_out    the money spent on skipping errands, the game-over screen, and the game
                    ending by itself with exit code 0 once that screen has been drawn 301 times
  missing_backdrop  with media/bg.bmp gone the game still starts, plays and closes
  missing_font      with the font gone the game ends at once with exit code 1
"""

import collections
import os
import shutil
import sys
import tempfile
import time

from PIL import Image

from xsession import (Failure, XSession, band, bmp_pixels, region_matches, run_case,
                      wait_until, whole)

# What the build made: the game and the library that logs its frames.
Build = collections.namedtuple("Build", "game flip_log")

TITLE = "Quorvane"
# The rows the buildings take, and where the player stands idle facing right.
STREET_TOP, STREET_BOTTOM = 78, 308
IDLE_RIGHT_AT = (312, 235)
# The rows of the mail view above its first errand line and of the game-over screen above its
# summary: nothing but the picture is drawn there.
MAIL_TOP_ROWS = 59
GAMEOVER_TOP_ROWS = 100
# From the frame in which the money runs out to the one that quits.
GAMEOVER_FRAMES = 301
# The top rows of a frame that flipLog.cpp hashes; on the game-over screen they show nothing
# but its picture.
HASHED_ROWS = 100


def pictures(media):
    return {name: bmp_pixels(os.path.join(media, name + ".bmp"))
            for name in ("titlescreen", "signcredits", "playerIdle", "mail", "gameover")}


def shows(session, picture, at=(0, 0)):
    return region_matches(session.screenshot(), picture, whole(picture), at)


def shows_top_rows(session, picture, rows):
    return region_matches(session.screenshot(), picture, (0, 0, picture[0], rows))


def open_window(session, pics):
    window = session.wait_for_window(TITLE)
    geometry = window.get_geometry()
    if (geometry.width, geometry.height) != (640, 480):
        raise Failure("the window is %d x %d" % (geometry.width, geometry.height))
    wait_until("the title screen", lambda: shows(session, pics["titlescreen"]))
    session.focus()


def hold_until(session, key, what, check):
    """Holds `key` down until the screen shows `what`: a held key, as the game reads it."""
    session.key_down(key)
    try:
        wait_until(what, check)
    finally:
        session.key_up(key)


def tap_until(session, key, what, check, tries=5):
    """Presses `key` for a few frames, as often as it takes for the screen to show `what`: for
    a key that toggles, which a hold of ten frames would toggle back. A press too short for the
    game to see is pressed again."""
    for _ in range(tries):
        session.key_down(key)
        time.sleep(0.1)
        session.key_up(key)
        try:
            return wait_until(what, check, seconds=5)
        except Failure:
            pass
    raise Failure("%d presses of %s did not bring %s" % (tries, key, what))


def top_rows_hash(picture):
    """The hash flipLog.cpp writes for a frame whose top rows show `picture`."""
    width, _, pixels = picture
    value = 2166136261
    for byte in pixels[:width * HASHED_ROWS * 3]:
        value = ((value ^ byte) * 16777619) & 0xFFFFFFFF
    return "%08x" % value


def standing_in_the_middle(session, pics):
    return shows(session, pics["playerIdle"], IDLE_RIGHT_AT)


def street_band(session):
    return band(session.screenshot(), STREET_TOP, STREET_BOTTOM)


def walk_right(session, pics):
    """The street scrolls under the player, who stays in the middle of the screen."""
    wait_until("the player standing in the middle", lambda: standing_in_the_middle(session, pics))
    before = street_band(session)
    hold_until(session, "Right", "the street scrolling", lambda: street_band(session) != before)
    # A passer-by may stop the player on the way; the player stands again once it is over.
    wait_until("the player standing in the middle after the walk",
               lambda: standing_in_the_middle(session, pics))


def close_and_expect_clean_exit(session):
    session.request_close()
    code = session.exit_code()
    if code != 0:
        raise Failure("closing the window ended the game with code %d" % code)
    if session.printed():
        raise Failure("the game printed %r" % session.printed()[:300])


def play_session(build, repo):
    pics = pictures(os.path.join(repo, "media"))
    with XSession() as session:
        session.start_game(build.game, repo)
        try:
            open_window(session, pics)
            hold_until(session, "Up", "the credits screen",
                       lambda: shows(session, pics["signcredits"]))
            hold_until(session, "a", "the street",
                       lambda: standing_in_the_middle(session, pics))
            walk_right(session, pics)
        except Failure:
            keep_screenshot(session, "play_session")
            raise
        close_and_expect_clean_exit(session)


def money_runs_out(build, repo):
    pics = pictures(os.path.join(repo, "media"))
    with tempfile.TemporaryDirectory(prefix="quorvane-flips-") as scratch, \
            XSession() as session:
        flips = os.path.join(scratch, "flips")
        session.start_game(build.game, repo, {"LD_PRELOAD": build.flip_log,
                                              "QUORVANE_FLIP_LOG": flips})
        try:
            open_window(session, pics)
            hold_until(session, "a", "the street",
                       lambda: standing_in_the_middle(session, pics))
            tap_until(session, "Up", "the mail view",
                      lambda: shows_top_rows(session, pics["mail"], MAIL_TOP_ROWS))
            # Each skip costs a dollar; the twentieth takes the last of the 20.
            hold_until(session, "1", "the game-over screen",
                       lambda: shows_top_rows(session, pics["gameover"], GAMEOVER_TOP_ROWS))
        except Failure:
            keep_screenshot(session, "money_runs_out")
            raise
        # Left alone from here on.
        code = session.exit_code()
        if code != 0:
            raise Failure("after the game-over screen the game ended with code %d" % code)
        if session.printed():
            raise Failure("the game printed %r" % session.printed()[:300])
        with open(flips) as log:
            frames = log.read().split()
        game_over = top_rows_hash(pics["gameover"])
        shown = frames.count(game_over)
        if shown != GAMEOVER_FRAMES or frames[len(frames) - shown:] != [game_over] * shown:
            raise Failure("of the %d frames drawn, %d showed the game-over screen, not the last %d"
                          % (len(frames), shown, GAMEOVER_FRAMES))


def media_copy_without(repo, missing):
    """A scratch folder holding a copy of media/ without the file `missing`."""
    scratch = tempfile.TemporaryDirectory(prefix="quorvane-media-")
    shutil.copytree(os.path.join(repo, "media"), os.path.join(scratch.name, "media"),
                    ignore=lambda folder, names: [missing] if missing in names else [])
    if os.path.exists(os.path.join(scratch.name, "media", missing)):
        raise Failure("could not leave out " + missing)
    return scratch


def missing_backdrop(build, repo):
    pics = pictures(os.path.join(repo, "media"))
    with media_copy_without(repo, "bg.bmp") as run_dir, XSession() as session:
        session.start_game(build.game, run_dir)
        try:
            open_window(session, pics)
            hold_until(session, "a", "the street",
                       lambda: standing_in_the_middle(session, pics))
            walk_right(session, pics)
        except Failure:
            keep_screenshot(session, "missing_backdrop")
            raise
        close_and_expect_clean_exit(session)


def missing_font(build, repo):
    with media_copy_without(repo, "pf_ronda_seven.ttf") as run_dir, XSession() as session:
        session.start_game(build.game, run_dir)
        code = session.exit_code()
        if code != 1:
            raise Failure("without the font the game ended with code %d" % code)
        if session.printed():
            raise Failure("the game printed %r" % session.printed()[:300])


def keep_screenshot(session, case):
    """Saves what the window showed when a check failed, in a file of this run's own, for
    whoever reads the failure."""
    if session.window is None:
        return
    handle, path = tempfile.mkstemp(prefix="quorvane-e2e-%s-" % case, suffix=".png")
    with os.fdopen(handle, "wb") as out:
        Image.frombytes("RGB", (640, 480), session.screenshot()).save(out, "PNG")
    print("the window at the failure: " + path)


CASES = {"play_session": play_session, "money_runs_out": money_runs_out,
         "missing_backdrop": missing_backdrop, "missing_font": missing_font}


def main():
    if len(sys.argv) != 4 or sys.argv[1] not in CASES:
        print(__doc__)
        return 2
    case = sys.argv[1]
    build = Build(*(os.path.abspath(path) for path in sys.argv[2:]))
    return run_case(case, CASES[case], build, os.getcwd())


if __name__ == "__main__":
    sys.exit(main())
