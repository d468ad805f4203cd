"""The built game in a real X window, driven with real key events, as a player meets it.

    /usr/bin/python3 tests/e2e/player_runs.py CASE GAME_BINARY     (from the repo root)

CASE:
  play_session      the window, the title and credits screens, starting play, a walk along
                    the street, and the window's close button
  missing_backdrop  with media/bg.bmp gone the game still starts, plays and closes
  missing_font      with the font gone the game ends at once with exit code 1
"""

import os
import shutil
import sys
import tempfile
import time

from PIL import Image

from xsession import (Failure, XSession, band, bmp_pixels, region_matches, wait_until,
                      whole)

TITLE = "Quorvane"
# The rows the buildings take, and where the player stands idle facing right.
STREET_TOP, STREET_BOTTOM = 78, 308
IDLE_RIGHT_AT = (312, 235)


def pictures(media):
    return {name: bmp_pixels(os.path.join(media, name + ".bmp"))
            for name in ("titlescreen", "signcredits", "playerIdle")}


def shows(session, picture, at=(0, 0)):
    return region_matches(session.screenshot(), picture, whole(picture), at)


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


def standing_in_the_middle(session, pics):
    return shows(session, pics["playerIdle"], IDLE_RIGHT_AT)


def walk_right_for_a_second(session, pics):
    """The street scrolls under the player, who stays in the middle of the screen."""
    before = wait_until("the player standing in the middle",
                        lambda: standing_in_the_middle(session, pics) and session.screenshot())
    session.key_down("Right")
    time.sleep(1.0)
    session.key_up("Right")
    # A passer-by may stop the player on the way; the player stands again once it is over.
    after = wait_until("the player standing in the middle after the walk",
                       lambda: standing_in_the_middle(session, pics) and session.screenshot())
    if band(before, STREET_TOP, STREET_BOTTOM) == band(after, STREET_TOP, STREET_BOTTOM):
        raise Failure("the street did not scroll")


def close_and_expect_clean_exit(session):
    session.request_close()
    code = session.exit_code()
    if code != 0:
        raise Failure("closing the window ended the game with code %d" % code)
    if session.printed():
        raise Failure("the game printed %r" % session.printed()[:300])


def play_session(binary, repo):
    pics = pictures(os.path.join(repo, "media"))
    with XSession() as session:
        session.start_game(binary, repo)
        try:
            open_window(session, pics)
            hold_until(session, "Up", "the credits screen",
                       lambda: shows(session, pics["signcredits"]))
            hold_until(session, "a", "the street",
                       lambda: standing_in_the_middle(session, pics))
            walk_right_for_a_second(session, pics)
        except Failure:
            keep_screenshot(session, "play_session")
            raise
        close_and_expect_clean_exit(session)


def media_copy_without(repo, missing):
    """A scratch folder holding a copy of media/ without the file `missing`."""
    scratch = tempfile.TemporaryDirectory(prefix="quorvane-media-")
    shutil.copytree(os.path.join(repo, "media"), os.path.join(scratch.name, "media"),
                    ignore=lambda folder, names: [missing] if missing in names else [])
    if os.path.exists(os.path.join(scratch.name, "media", missing)):
        raise Failure("could not leave out " + missing)
    return scratch


def missing_backdrop(binary, repo):
    pics = pictures(os.path.join(repo, "media"))
    with media_copy_without(repo, "bg.bmp") as run_dir, XSession() as session:
        session.start_game(binary, run_dir)
        try:
            open_window(session, pics)
            hold_until(session, "a", "the street",
                       lambda: standing_in_the_middle(session, pics))
            walk_right_for_a_second(session, pics)
        except Failure:
            keep_screenshot(session, "missing_backdrop")
            raise
        close_and_expect_clean_exit(session)


def missing_font(binary, repo):
    with media_copy_without(repo, "pf_ronda_seven.ttf") as run_dir, XSession() as session:
        session.start_game(binary, run_dir)
        code = session.exit_code()
        if code != 1:
            raise Failure("without the font the game ended with code %d" % code)
        if session.printed():
            raise Failure("the game printed %r" % session.printed()[:300])


def keep_screenshot(session, case):
    """Saves what the window showed when a check failed, for whoever reads the failure."""
    if session.window is None:
        return
    path = os.path.join(tempfile.gettempdir(), "quorvane-e2e-%s.png" % case)
    Image.frombytes("RGB", (640, 480), session.screenshot()).save(path)
    print("the window at the failure: " + path)


CASES = {"play_session": play_session, "missing_backdrop": missing_backdrop,
         "missing_font": missing_font}


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in CASES:
        print(__doc__)
        return 2
    case, binary = sys.argv[1], os.path.abspath(sys.argv[2])
    try:
        CASES[case](binary, os.getcwd())
    except Failure as failure:
        print("%s: FAILED: %s" % (case, failure))
        return 1
    print("%s: passed" % case)
    return 0


if __name__ == "__main__":
    sys.exit(main())
