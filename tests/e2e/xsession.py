"""A virtual X display with the game running in it, driven the way a player drives it.

Xvfb picks a free display number for each session, so that sessions can run side by side.
Keys are real key events from xdotool; screenshots and the window-close request go through a
short X client of our own (python3-xlib).

Every wait is for a condition, with a deadline far beyond what an idle machine needs: ctest runs
these sessions side by side with the other tests, on two cores shared with other builds.
"""

import os
import select
import subprocess
import tempfile
import time

from PIL import Image
from Xlib import X, display, error
from Xlib.protocol import event

WAIT_SECONDS = 60


class Failure(Exception):
    pass


def wait_until(what, check, seconds=WAIT_SECONDS):
    """Polls `check` until it gives a true value, which it returns; fails after `seconds`."""
    deadline = time.monotonic() + seconds
    while True:
        result = check()
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failure("waited %d s for %s" % (seconds, what))
        time.sleep(0.05)


def run_case(case, check, *args):
    """Runs one named case of a script; its exit code: 0 passed, 1 failed."""
    try:
        check(*args)
    except Failure as failure:
        print("%s: FAILED: %s" % (case, failure))
        return 1
    print("%s: passed" % case)
    return 0


def bmp_pixels(path):
    """The picture of a BMP as (width, height, RGB bytes)."""
    with Image.open(path) as image:
        rgb = image.convert("RGB")
        return rgb.width, rgb.height, rgb.tobytes()


class XSession:
    def __init__(self, screen="1024x768"):
        self.screen = screen
        self.xvfb = None
        self.game = None
        self.display = None
        self.window = None
        self.output_dir = tempfile.TemporaryDirectory(prefix="quorvane-e2e-")

    def __enter__(self):
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", self.screen + "x24",
             "-nolisten", "tcp"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        try:
            with os.fdopen(read_end) as numbers:
                ready, _, _ = select.select([numbers], [], [], WAIT_SECONDS)
                number = numbers.readline().strip() if ready else ""
            if not number:
                raise Failure("Xvfb did not start")
            self.name = ":" + number
            self.display = display.Display(self.name)
        except BaseException:
            self.__exit__()
            raise
        return self

    def __exit__(self, *exc):
        if self.display is not None:
            self.display.close()
        for process in (self.game, self.xvfb):
            if process is not None and process.poll() is None:
                process.kill()
                process.wait()
        self.output_dir.cleanup()

    # The game

    def start_game(self, binary, cwd, env_extra=None):
        """Starts the game as a player would, in `cwd` (where it looks for media/)."""
        env = {k: v for k, v in os.environ.items() if not k.startswith("SDL_")}
        env["DISPLAY"] = self.name
        env.update(env_extra or {})
        self.stdout_path = os.path.join(self.output_dir.name, "stdout")
        self.stderr_path = os.path.join(self.output_dir.name, "stderr")
        with open(self.stdout_path, "wb") as out, open(self.stderr_path, "wb") as err:
            self.game = subprocess.Popen([binary], cwd=cwd, env=env, stdout=out, stderr=err,
                                         stdin=subprocess.DEVNULL)

    def exit_code(self, seconds=WAIT_SECONDS):
        try:
            return self.game.wait(timeout=seconds)
        except subprocess.TimeoutExpired:
            raise Failure("the game did not end within %d s" % seconds)

    def printed(self):
        """What the game wrote to stdout and stderr."""
        with open(self.stdout_path, "rb") as out, open(self.stderr_path, "rb") as err:
            return out.read() + err.read()

    def wait_for_window(self, title):
        def find():
            if self.game.poll() is not None:
                raise Failure("the game ended with code %d before its window showed"
                              % self.game.returncode)
            return find_window(self.display.screen().root, title)

        self.window = wait_until("a window titled %r" % title, find)
        return self.window

    # Input

    def focus(self):
        self.xdotool("windowfocus", "--sync", str(self.window.id))

    def key_down(self, key):
        self.xdotool("keydown", key)

    def key_up(self, key):
        self.xdotool("keyup", key)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], check=True, env={**os.environ, "DISPLAY": self.name},
                       timeout=WAIT_SECONDS)

    def request_close(self):
        """What a window manager sends when the player clicks the close button."""
        protocols = self.display.intern_atom("WM_PROTOCOLS")
        delete = self.display.intern_atom("WM_DELETE_WINDOW")
        message = event.ClientMessage(window=self.window, client_type=protocols,
                                      data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        self.window.send_event(message, event_mask=0)
        self.display.flush()

    # Output

    def screenshot(self):
        """The window's 640 x 480 picture as RGB bytes."""
        geometry = self.window.get_geometry()
        image = self.window.get_image(0, 0, geometry.width, geometry.height, X.ZPixmap,
                                      0xFFFFFFFF)
        # 24-bit visuals come as 32-bit little-endian pixels: blue, green, red, unused.
        raw = image.data
        rgb = bytearray(geometry.width * geometry.height * 3)
        rgb[0::3] = raw[2::4]
        rgb[1::3] = raw[1::4]
        rgb[2::3] = raw[0::4]
        return bytes(rgb)


def find_window(parent, title):
    """The viewable window titled `title` anywhere below `parent`: a window manager, where there
    is one, puts the game's window into a frame of its own."""
    try:
        children = parent.query_tree().children
    except error.XError:
        return None  # a window that went away while we looked
    for child in children:
        try:
            if child.get_attributes().map_state != X.IsViewable:
                continue
            if child.get_wm_name() == title:
                return child
        except error.XError:
            continue
        found = find_window(child, title)
        if found is not None:
            return found
    return None


def region_matches(shot, picture, box, at=(0, 0), screen_width=640):
    """Whether the screenshot shows `picture` (width, height, RGB bytes) drawn at `at`, in the
    part `box` = (x, y, w, h) of the picture; magenta pixels are see-through and not compared."""
    width, _, pixels = picture
    x0, y0, w, h = box
    for y in range(y0, y0 + h):
        row = pixels[(y * width + x0) * 3:(y * width + x0 + w) * 3]
        start = ((y + at[1]) * screen_width + x0 + at[0]) * 3
        shown = shot[start:start + w * 3]
        if row == shown:
            continue
        for x in range(0, w * 3, 3):
            if row[x:x + 3] != b"\xff\x00\xff" and row[x:x + 3] != shown[x:x + 3]:
                return False
    return True


def whole(picture):
    return (0, 0, picture[0], picture[1])


def band(shot, top, bottom, screen_width=640):
    return shot[top * screen_width * 3:bottom * screen_width * 3]
