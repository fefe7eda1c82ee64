"""Drives the real game in a private X server, as a player would.

Every Game gets its own Xvfb (so tests can run side by side), its own copy of
the asset folders (so a test can remove or damage files), real XTest pointer
and keyboard input, the close button as a WM_DELETE_WINDOW message, the
game's standard output line by line, and screenshots as PIL images.

Run with Debian's /usr/bin/python3 (python3-xlib, python3-pil).
"""

import os
import random
import shutil
import subprocess
import tempfile
import threading
import time

from PIL import Image, ImageChops
from Xlib import X, XK, display, protocol
from Xlib.ext import xtest

SOURCE_DIR = os.environ.get(
    "SUNKEN_SOURCE_DIR", os.path.abspath(os.path.join(os.path.dirname(__file__), "..", "..")))
GAME = os.environ.get("SUNKEN_GAME", os.path.join(SOURCE_DIR, "build", "sunken-finds"))
SHOTS_DIR = os.environ.get("SUNKEN_SHOTS", os.path.join(os.path.dirname(GAME), "screenshots"))
SCREEN_SIZE = (1920, 1280)
WINDOW_SIZE = (800, 600)
EXIT_STATUS = 255  # the game returns -1

LEFT, MIDDLE, RIGHT = 1, 2, 3


def asset(relative):
    """An asset of the repository, e.g. asset('Images/fundo.bmp')."""
    return os.path.join(SOURCE_DIR, relative)


def wait_for(condition, timeout, what, interval=0.02):
    """Polls condition() until it returns something truthy; fails after timeout seconds."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


class XServer:
    """A private Xvfb on a free display, stopped again on close()."""

    def __init__(self, size=SCREEN_SIZE):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{size[0]}x{size[1]}x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        with os.fdopen(read_end, "rb") as pipe:
            while not number.endswith(b"\n"):
                chunk = pipe.read(1)
                if not chunk:
                    raise RuntimeError("Xvfb did not start")
                number += chunk
        self.name = ":" + number.decode().strip()
        self.display = wait_for(self._connect, 10, "Xvfb to answer")

    def _connect(self):
        try:
            return display.Display(self.name)
        except Exception:  # not answering yet
            return None

    def close(self):
        try:
            self.display.close()
        except Exception:
            pass
        self.process.terminate()
        try:
            self.process.wait(5)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


class AssetTree:
    """A copy of the game's asset folders with a working directory one level
    below them, where the game is started. Files can be removed or damaged."""

    FOLDERS = ("Fonts", "Images", "Sounds")

    def __init__(self, keep=None):
        """keep: None for every asset, or a list of relative paths to copy."""
        self.root = tempfile.mkdtemp(prefix="sunken-assets-")
        self.workdir = os.path.join(self.root, "run")
        os.makedirs(self.workdir)
        for folder in self.FOLDERS:
            os.makedirs(os.path.join(self.root, folder), exist_ok=True)
        for relative in (keep if keep is not None else self.all_assets()):
            target = os.path.join(self.root, relative)
            os.makedirs(os.path.dirname(target), exist_ok=True)
            shutil.copyfile(asset(relative), target)

    @classmethod
    def all_assets(cls):
        found = []
        for folder in cls.FOLDERS:
            for base, _, files in os.walk(asset(folder)):
                for name in files:
                    if name.endswith((".ttf", ".ogg", ".png", ".bmp")):
                        found.append(os.path.relpath(os.path.join(base, name), SOURCE_DIR))
        return sorted(found)

    def path(self, relative):
        return os.path.join(self.root, relative)

    def remove(self, relative):
        target = self.path(relative)
        if os.path.isdir(target):
            shutil.rmtree(target)
        else:
            os.remove(target)

    def truncate(self, relative, fraction=1 / 3):
        target = self.path(relative)
        with open(target, "rb+") as f:
            f.truncate(int(os.path.getsize(target) * fraction))

    def randomize(self, relative, seed=1):
        target = self.path(relative)
        noise = random.Random(seed).randbytes(os.path.getsize(target))
        with open(target, "wb") as f:
            f.write(noise)

    def close(self):
        shutil.rmtree(self.root, ignore_errors=True)


class Game:
    """The real game binary in its own X server and asset tree."""

    def __init__(self, tree=None, env=None, command=None, cwd=None, stderr=None, start_timeout=20):
        """command and cwd start something else than the built game in an
        asset tree, such as an installed launcher or another build of it.
        stderr: a file path that receives the game's standard error (else it
        is dropped). start_timeout: seconds for the window to show (a game
        under valgrind takes far longer than the default)."""
        self.tree = tree or (AssetTree() if command is None else None)
        self.xserver = XServer()
        self.d = self.xserver.display
        self.lines = []
        self.read_upto = 0
        self._lock = threading.Condition()
        environment = dict(os.environ, DISPLAY=self.xserver.name,
                           ALSOFT_DRIVERS="null")  # play the music into nothing, no sound card needed
        environment.update(env or {})
        errors = open(stderr, "wb") if stderr else subprocess.DEVNULL
        self.process = subprocess.Popen(command or [GAME], cwd=cwd or self.tree.workdir, env=environment,
                                        stdout=subprocess.PIPE, stdin=subprocess.DEVNULL, stderr=errors)
        if stderr:
            errors.close()  # the game holds its own copy
        self._reader = threading.Thread(target=self._read_stdout, daemon=True)
        self._reader.start()
        self.window = wait_for(self._find_window, start_timeout, "the game window")
        # Without a window manager the window lands anywhere: put it at the origin
        # so that window pixels are screen pixels.
        self.window.configure(x=0, y=0)
        self.d.sync()
        wait_for(lambda: self._origin() == (0, 0), 5, "the window to move")
        self.move(WINDOW_SIZE[0] // 2, 590)

    # -- the game's side --------------------------------------------------

    def _read_stdout(self):
        for raw in self.process.stdout:
            with self._lock:
                self.lines.append(raw.decode(errors="replace").rstrip("\n"))
                self._lock.notify_all()
        with self._lock:
            self._lock.notify_all()

    def _find_window(self):
        if self.process.poll() is not None:
            raise AssertionError(f"the game ended at start with status {self.process.returncode}")
        for child in self.d.screen().root.query_tree().children:
            try:
                if child.get_wm_name() == "Sunken Finds" and \
                        child.get_attributes().map_state == X.IsViewable:
                    return child
            except Exception:
                continue
        return None

    def _origin(self):
        geometry = self.window.get_geometry()
        return geometry.x, geometry.y

    def new_lines(self, count, timeout=5.0):
        """Waits for the next `count` unread lines of standard output and returns them."""
        with self._lock:
            ok = self._lock.wait_for(lambda: len(self.lines) >= self.read_upto + count
                                     or self.process.poll() is not None and not self._reader.is_alive(),
                                     timeout)
            got = self.lines[self.read_upto:self.read_upto + count]
            if not ok or len(got) < count:
                raise AssertionError(f"expected {count} more line(s), got {got!r} "
                                     f"(all output: {self.lines!r})")
            self.read_upto += count
            return got

    def expect(self, *expected, timeout=5.0):
        """The next unread lines must be exactly these."""
        got = self.new_lines(len(expected), timeout)
        if got != list(expected):
            raise AssertionError(f"expected lines {list(expected)!r}, got {got!r} "
                                 f"(all output: {self.lines!r})")

    def expect_quiet(self, seconds=0.3):
        """No new line for a while."""
        time.sleep(seconds)
        with self._lock:
            extra = self.lines[self.read_upto:]
        if extra:
            raise AssertionError(f"expected no output, got {extra!r}")

    def wait_exit(self, timeout=5.0):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"the game did not end within {timeout} s") from None

    def running(self):
        return self.process.poll() is None

    # -- the player's side ------------------------------------------------

    def move(self, x, y):
        xtest.fake_input(self.d, X.MotionNotify, x=int(x), y=int(y))
        self.d.sync()
        time.sleep(0.03)

    def hover(self, x, y, condition, what, timeout=5.0):
        """Moves the pointer to (x, y) and waits until condition(screenshot) holds.
        Screens that read the pointer once per frame, before its events, can
        answer a move with the pointer's previous place; so while waiting the
        pointer is nudged by a pixel and back now and then, staying near (x, y)."""
        self.move(x, y)
        deadline = time.monotonic() + timeout
        while True:
            try:
                return self.wait_picture(condition, what, timeout=min(1.0, max(0.1, deadline - time.monotonic())))
            except AssertionError:
                if time.monotonic() > deadline:
                    raise
            self.move(x + 1, y)
            self.move(x, y)

    def click(self, x, y, button=LEFT):
        self.move(x, y)
        self.press(button)
        self.release(button)

    def press(self, button=LEFT):
        xtest.fake_input(self.d, X.ButtonPress, button)
        self.d.sync()

    def release(self, button=LEFT):
        xtest.fake_input(self.d, X.ButtonRelease, button)
        self.d.sync()

    def _keycode(self, name):
        return self.d.keysym_to_keycode(XK.string_to_keysym(name))

    def key_down(self, name="Escape"):
        self.window.set_input_focus(X.RevertToParent, X.CurrentTime)
        xtest.fake_input(self.d, X.KeyPress, self._keycode(name))
        self.d.sync()

    def key_up(self, name="Escape"):
        xtest.fake_input(self.d, X.KeyRelease, self._keycode(name))
        self.d.sync()

    def key(self, name="Escape"):
        self.key_down(name)
        time.sleep(0.05)
        self.key_up(name)

    def close_button(self):
        """What the title bar's close button sends."""
        protocols = self.d.intern_atom("WM_PROTOCOLS")
        delete = self.d.intern_atom("WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(window=self.window, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        self.window.send_event(event, event_mask=X.NoEventMask)
        self.d.sync()

    def resize(self, width, height):
        self.window.configure(width=width, height=height)
        self.d.sync()
        wait_for(lambda: self.size() == (width, height), 5, f"the window to become {width}x{height}")
        time.sleep(0.1)

    def size(self):
        geometry = self.window.get_geometry()
        return geometry.width, geometry.height

    # -- what the player sees ---------------------------------------------

    def screenshot(self, save_as=None):
        width, height = self.size()
        raw = self.window.get_image(0, 0, width, height, X.ZPixmap, 0xFFFFFFFF)
        image = Image.frombytes("RGB", (width, height), raw.data, "raw", "BGRX")
        if save_as:
            os.makedirs(SHOTS_DIR, exist_ok=True)
            image.save(os.path.join(SHOTS_DIR, save_as + ".png"))
        return image

    def wait_picture(self, condition, what, timeout=5.0):
        """Waits until condition(screenshot) holds, then two more frames."""
        wait_for(lambda: condition(self.screenshot()), timeout, what, interval=0.05)
        time.sleep(0.05)
        return self.screenshot()

    def wait_background(self, relative, timeout=5.0):
        """Waits until the window shows mostly this background picture."""
        reference = load(relative)
        return self.wait_picture(lambda shot: similarity(shot, reference) > 0.6,
                                 f"the screen with {relative}", timeout)

    def close(self):
        if self.running():
            self.process.kill()
            self.process.wait()
        self._reader.join(5)
        self.process.stdout.close()
        self.xserver.close()
        if self.tree:
            self.tree.close()


# -- comparing pictures ---------------------------------------------------------

_cache = {}


def load(relative):
    """An asset picture as RGB (the game draws it over a cleared window)."""
    if relative not in _cache:
        _cache[relative] = Image.open(asset(relative)).convert("RGB")
    return _cache[relative]


def similarity(shot, reference, box=None, tolerance=12):
    """The share of pixels (0 to 1) in box where shot and reference agree within tolerance."""
    if box is None:
        box = (0, 0, reference.width, reference.height)
    a = shot.crop(box).convert("RGB")
    b = reference.crop(box).convert("RGB")
    difference = ImageChops.difference(a, b).convert("L")
    histogram = difference.histogram()
    return sum(histogram[:tolerance + 1]) / max(1, sum(histogram))


def composite_on(background, relative, position):
    """The background with a picture with alpha laid over it at position."""
    picture = Image.open(asset(relative)).convert("RGBA")
    result = background.convert("RGBA").copy()
    result.alpha_composite(picture, dest=(int(position[0]), int(position[1])))
    return result.convert("RGB")


def picture_size(relative):
    with Image.open(asset(relative)) as picture:
        return picture.size


def count_pixels(shot, box, test, background=None):
    """How many pixels in box (left, top, right, bottom, exclusive) pass test((r, g, b)).
    With a background picture, only pixels whose background pixel does not pass
    the test count, i.e. what the game drew on top of the background."""
    drawn = shot.crop(box).convert("RGB").getdata()
    if background is None:
        return sum(1 for pixel in drawn if test(pixel))
    under = background.crop(box).convert("RGB").getdata()
    return sum(1 for pixel, old in zip(drawn, under) if test(pixel) and not test(old))


def free_point(rect, avoid=(), bounds=(0, 0) + WINDOW_SIZE):
    """A point well inside rect (x, y, width, height) that lies outside every
    rectangle in avoid and inside bounds (x, y, width, height), as near to the
    centre of rect as possible."""
    x, y, width, height = rect

    def inside(px, py, r):
        return r[0] <= px < r[0] + r[2] and r[1] <= py < r[1] + r[3]

    candidates = [(x + width * i // 8, y + height * j // 8) for i in range(1, 8) for j in range(1, 8)]
    candidates.sort(key=lambda p: (p[0] - x - width / 2) ** 2 + (p[1] - y - height / 2) ** 2)
    for point in candidates:
        if inside(*point, bounds) and not any(inside(*point, other) for other in avoid):
            return point
    raise AssertionError(f"no free point inside {rect} outside {list(avoid)}")
