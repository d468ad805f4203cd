"""The launchers' window scale, on virtual X screens of different sizes.

    /usr/bin/python3 tests/e2e/window_scale.py CASE PROGRAM     (from the repo root)

CASE:
  helper    PROGRAM is the window-scale helper: on each screen size it prints the largest
            whole-number scale whose window fits with room to spare, with no display 1, and
            nothing else, and it ends at once
  launcher  PROGRAM is a launcher: on a 1920 x 1080 screen the game's window is 1280 x 960
            and shows the title screen with every pixel doubled; on 1024 x 768 it is the
            640 x 480 title screen itself
"""

import os
import subprocess
import sys

from PIL import Image

from xsession import Failure, XSession, run_case, wait_until

TITLE = "Quorvane"
# Desktop sizes and the scale that leaves room for panels and the title bar.
HELPER_SCALES = [
    ("1024x768", 1),
    ("1366x768", 1),
    ("1920x1080", 2),
    ("2560x1440", 2),
    ("2560x1600", 3),
    ("3840x2160", 4),
]
LAUNCHER_SCALES = [("1920x1080", 2), ("1024x768", 1)]
HELPER_SECONDS = 10


def player_environment(**extra):
    """The environment of a player who chose no scale and no SDL driver of their own."""
    env = {k: v for k, v in os.environ.items()
           if not k.startswith(("SDL_", "SDL12COMPAT_")) and k not in ("DISPLAY",
                                                                     "WAYLAND_DISPLAY")}
    env.update(extra)
    return env


def run_helper(helper, env):
    try:
        done = subprocess.run([helper], env=env, capture_output=True, timeout=HELPER_SECONDS,
                              stdin=subprocess.DEVNULL)
    except subprocess.TimeoutExpired:
        raise Failure("the helper did not end within %d s" % HELPER_SECONDS)
    if done.returncode != 0 or done.stderr:
        raise Failure("the helper ended with %d and wrote %r to stderr"
                      % (done.returncode, done.stderr[:300]))
    return done.stdout


def helper(program):
    for screen, scale in HELPER_SCALES:
        with XSession(screen) as session:
            answer = run_helper(program, player_environment(DISPLAY=session.name))
        if answer != b"%d\n" % scale:
            raise Failure("on %s the helper printed %r, not %d" % (screen, answer, scale))
    answer = run_helper(program, player_environment())
    if answer != b"1\n":
        raise Failure("with no display the helper printed %r, not 1" % answer)


def scaled_title(scale):
    with Image.open(os.path.join("media", "titlescreen.bmp")) as title:
        rgb = title.convert("RGB")
        return rgb.resize((rgb.width * scale, rgb.height * scale), Image.NEAREST).tobytes()


def launcher(program):
    for screen, scale in LAUNCHER_SCALES:
        expected = scaled_title(scale)
        size = (640 * scale, 480 * scale)
        with XSession(screen) as session:
            for name in [k for k in os.environ if k.startswith("SDL12COMPAT_")]:
                del os.environ[name]
            # The launcher finds the game and its data from where it lies, not from here.
            session.start_game(program, "/")
            window = session.wait_for_window(TITLE)

            def shows_title():
                geometry = window.get_geometry()
                return (geometry.width, geometry.height) == size and \
                    session.screenshot() == expected

            try:
                wait_until("a %d x %d window with the title screen" % size, shows_title)
            except Failure:
                geometry = window.get_geometry()
                raise Failure("on %s the window is %d x %d or does not show the title "
                              "screen scaled by %d" % (screen, geometry.width,
                                                       geometry.height, scale))
            session.request_close()
            code = session.exit_code()
            if code != 0 or session.printed():
                raise Failure("closing the window ended the game with %d, printed %r"
                              % (code, session.printed()[:300]))


CASES = {"helper": helper, "launcher": launcher}


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in CASES:
        print(__doc__)
        return 2
    case = sys.argv[1]
    return run_case(case, CASES[case], os.path.abspath(sys.argv[2]))


if __name__ == "__main__":
    sys.exit(main())
