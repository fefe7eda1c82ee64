"""Drives the real game in a private X server, as a player would.

Every Game gets its own Xvfb (so tests can run side by side), its own copy of
the asset folders (so a test can remove or damage files), real XTest pointer
and keyboard input, the close button as a WM_DELETE_WINDOW message, the
game's standard output line by line, and screenshots as PIL images. The end
of the file knows the game's screens: their boxes, pictures and level
tables, how to reach them and how to tell them apart.

Run with Debian's /usr/bin/python3 (python3-xlib, python3-pil).
"""

import functools
import glob
import os
import random
import shutil
import subprocess
import tempfile
import threading
import time
import unittest

from PIL import Image, ImageChops, ImageDraw
from Xlib import X, XK, display, protocol
from Xlib.ext import xtest

SOURCE_DIR = os.environ.get(
    "SUNKEN_SOURCE_DIR", os.path.abspath(os.path.join(os.path.dirname(__file__), "..", "..")))
GAME = os.environ.get("SUNKEN_GAME", os.path.join(SOURCE_DIR, "build", "sunken-finds"))
SHOTS_DIR = os.environ.get("SUNKEN_SHOTS", os.path.join(os.path.dirname(GAME), "screenshots"))
SCREEN_SIZE = (1920, 1280)
WINDOW_SIZE = (800, 600)
EXIT_STATUS = 255  # the game returns -1
LONG = os.environ.get("SUNKEN_LONG") == "1"  # the long runs of the suite

LEFT, MIDDLE, RIGHT = 1, 2, 3


def asset(relative):  # e.g. asset("Images/fundo.bmp")
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
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.name = ":" + number
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
        return sorted(os.path.relpath(path, SOURCE_DIR) for folder in cls.FOLDERS
                      for path in glob.glob(asset(folder) + "/**", recursive=True)
                      if path.endswith((".ttf", ".ogg", ".png", ".bmp")))

    def path(self, relative):
        return os.path.join(self.root, relative)

    def remove(self, relative):
        target = self.path(relative)
        shutil.rmtree(target) if os.path.isdir(target) else os.remove(target)

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

    def _fake(self, kind, detail=0, **position):
        xtest.fake_input(self.d, kind, detail, **position)
        self.d.sync()

    def move(self, x, y):
        self._fake(X.MotionNotify, x=int(x), y=int(y))
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

    def double_click(self, x, y):
        """Two presses in a row: one for this screen, and one whose answer
        shows that the next screen has taken over."""
        self.move(x, y)
        for _ in range(2):
            self.press()
            self.release()

    def press(self, button=LEFT):
        self._fake(X.ButtonPress, button)

    def release(self, button=LEFT):
        self._fake(X.ButtonRelease, button)

    def key_down(self, name="Escape"):
        self.window.set_input_focus(X.RevertToParent, X.CurrentTime)
        self._fake(X.KeyPress, self.d.keysym_to_keycode(XK.string_to_keysym(name)))

    def key_up(self, name="Escape"):
        self._fake(X.KeyRelease, self.d.keysym_to_keycode(XK.string_to_keysym(name)))

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

@functools.lru_cache(maxsize=None)
def load(relative):
    """An asset picture as RGB (the game draws it over a cleared window)."""
    return Image.open(asset(relative)).convert("RGB")


def similarity(shot, reference, box=None, tolerance=12):
    """The share of pixels (0 to 1) in box where shot and reference agree within tolerance."""
    box = box or (0, 0, reference.width, reference.height)
    difference = ImageChops.difference(shot.crop(box).convert("RGB"), reference.crop(box).convert("RGB"))
    histogram = difference.convert("L").histogram()
    return sum(histogram[:tolerance + 1]) / max(1, sum(histogram))


def composite_on(background, relative, position):
    """The background with a picture with alpha laid over it at position."""
    result = background.convert("RGBA")
    result.alpha_composite(Image.open(asset(relative)).convert("RGBA"), dest=(int(position[0]), int(position[1])))
    return result.convert("RGB")


def count_pixels(shot, box, test, background):
    """How many pixels in box (left, top, right, bottom, exclusive) pass test((r, g, b))
    where the background's pixel does not: what the game drew over the background."""
    drawn = shot.crop(box).convert("RGB").getdata()
    under = background.crop(box).convert("RGB").getdata()
    return sum(1 for pixel, old in zip(drawn, under) if test(pixel) and not test(old))


# -- the game's screens ------------------------------------------------------------
# Boxes are (left, top, right, bottom), right and bottom outside.

FONT, MUSIC = "Fonts/PirataOne-Regular.ttf", "Sounds/1.ogg"
MENU_BACKGROUND = "Images/fundo_inicio.bmp"  # also the won and lost screens'
SELECTION_BACKGROUND = "Images/recortadas/inicio.bmp"
FUNDO = "Images/fundo.bmp"  # the levels' scene
JOGAR, COMO_JOGAR, SAIR = (345, 230, 448, 282), (299, 308, 506, 361), (356, 389, 430, 434)
PROXIMO, WON_SAIR = (226, 376, 558, 412), (343, 485, 442, 511)  # the won screen's choices
PROXIMO_LEFT = (226, 376, 341, 412)  # where the won screen writes and the main menu does not
NEXT = (103, 510, 223, 557)  # "Next ->" on the how-to pages
_R = "Images/recortadas/"
# The level selection's pictures with their top-left corners, for levels 1, 2, 3.
LEVEL_PICTURES = [(_R + "hello.png", (300, 30)), (_R + "uthere.png", (100, 220)), (_R + "epic.png", (550, 310))]
# Object i (from 1) is HIDDEN[i - 1] in the scene and LISTED[i - 1] in the list.
HIDDEN = [f"Images/{name}.png" for name in
          "peixinho_escondido ancora_escondida carangueijo_escondido passaro_escondido luneta_escondida".split()] + \
    [f"{_R}{name}_e.png" for name in "anzol cavalo1 carta colmeia concha bola cd garrafa joaninha ossos".split()]
LISTED = [f"{_R}{name}_padrao.png" for name in "peixe ancora carangueijo passaro luneta anzol cavalo carta colmeia "
          "concha bola cd garrafa joaninha ossos".split()]
POSITIONS = {  # level: top-left corners of objects 1, 2, 3, ... in the order they are found
    1: [(750, 310), (145, 310), (285, 479), (350, 60), (240, 450)],
    2: [(400, 320), (145, 310), (0, 310), (350, 60), (675, 386), (389, 200), (750, 310), (170, 55), (30, 0),
        (100, 580)],
    3: [(500, 300), (260, 430), (23, 90), (100, 525), (180, 427), (542, 431), (775, 45), (240, 450), (235, 190),
        (100, 579), (187, 200), (230, 51), (33, 227), (307, 494), (165, 15)],
}
SLOTS = [(370, 490), (430, 490), (490, 490), (560, 490), (630, 490)]  # the list's top-left corners
COUNTDOWN_AREA = (473, 0, 800, 50)  # "Tempo restante:" and the number
COUNTDOWN_NUMBER = (730, 0, 800, 50)


def middle(box):
    return (box[0] + box[2]) // 2, (box[1] + box[3]) // 2


def inside(box, point):
    return box[0] <= point[0] < box[2] and box[1] <= point[1] < box[3]


def placed(relative, position):
    """The box of a picture drawn with its top-left corner at position."""
    width, height = load(relative).size
    return position[0], position[1], position[0] + width, position[1] + height


def picture_boxes():
    return [placed(*picture) for picture in LEVEL_PICTURES]


def object_boxes(level):
    return [placed(HIDDEN[i], position) for i, position in enumerate(POSITIONS[level])]


def clear_point(boxes, index, xs=None, ys=None):
    """A window point of boxes[index] in none of the other boxes, nearest its
    middle; xs / ys pin the columns / rows (an edge may lie outside the box)."""
    box, others = boxes[index], boxes[:index] + boxes[index + 1:]
    centre = ((box[0] + box[2]) / 2, (box[1] + box[3]) / 2)
    points = sorted(((x, y) for x in xs or range(box[0], box[2]) for y in ys or range(box[1], box[3])),
                    key=lambda p: (p[0] - centre[0]) ** 2 + (p[1] - centre[1]) ** 2)
    for point in points:
        if inside((0, 0) + WINDOW_SIZE, point) and not any(inside(other, point) for other in others):
            return point
    raise AssertionError(f"no point of {box} lies in the window clear of {others}")


def picture_point(level):
    return clear_point(picture_boxes(), level - 1)


def object_point(level, i, xs=None, ys=None):
    return clear_point(object_boxes(level), i - 1, xs, ys)


def red_text(shot, box, under=MENU_BACKGROUND):
    """Red pixels the game drew over the picture `under` in box."""
    return count_pixels(shot, box, lambda p: p[0] > 200 and p[1] < 60 and p[2] < 60, load(under))


def black_text(shot, box, under=MENU_BACKGROUND):
    return count_pixels(shot, box, lambda p: max(p) < 50, load(under))


def ink(shot, box):
    return red_text(shot, box) + black_text(shot, box)


def menu_shown(shot):
    """The main menu: its background, a word in each choice's box, and none
    where the won screen writes "Proximo nivel"."""
    return (similarity(shot, load(MENU_BACKGROUND)) > 0.5 and ink(shot, PROXIMO_LEFT) == 0
            and all(ink(shot, box) >= 15 for box in (JOGAR, COMO_JOGAR, SAIR)))


def won_shown(shot):
    """Both choices written where the main menu has nothing, nothing in "Jogar"."""
    return (similarity(shot, load(MENU_BACKGROUND)) > 0.5
            and ink(shot, PROXIMO) >= 15 and ink(shot, WON_SAIR) >= 15 and ink(shot, JOGAR) == 0)


@functools.lru_cache(maxsize=None)
def selection_picture():
    picture = load(SELECTION_BACKGROUND)
    for relative, position in LEVEL_PICTURES:
        picture = composite_on(picture, relative, position)
    return picture


def selection_shown(shot):
    return similarity(shot, selection_picture()) > 0.95


def wait_menu(game):
    return game.wait_picture(menu_shown, "the main menu")


def choose(game, point, choice, timeout=5.0):
    """A left click on the main menu: it prints "Pressed", where, and the choice (0 for none)."""
    game.click(*point)
    game.expect("Pressed", f"{point[0]} , {point[1]}", str(choice), timeout=timeout)


def open_level_selection(game):
    """"Jogar" on the main menu; returns once the level selection is drawn."""
    choose(game, (400, 250), 1)
    return game.wait_picture(selection_shown, "the level selection")


def enter_level(game, level, point=None, wait=True, from_menu=True):
    """A click on the level's picture (at point), from the main menu or the
    level selection; returns the time just before the click and, with wait,
    the level's first frame."""
    if from_menu:
        open_level_selection(game)
    started = time.monotonic()
    game.click(*(point or picture_point(level)))
    return started, (game.wait_background(FUNDO) if wait else None)


def press_line(level, point):
    """What a left press prints in a level: level 3 shows where it was."""
    return f"{point[0]},{point[1]}" if level == 3 else "Pressed"


def find(game, level, i, point=None):
    """A left click on object i, the current target, which must find it."""
    point = point or object_point(level, i)
    game.click(*point)
    game.expect(press_line(level, point), f"Retirou {i}")


def miss(game, level, point, button=LEFT):
    """A click that must find nothing (other buttons than the left print nothing)."""
    game.click(*point, button)
    if button == LEFT:
        game.expect(press_line(level, point))
    game.expect_quiet(0.25)


def win_level_1(game, from_menu=True):
    enter_level(game, 1, from_menu=from_menu)
    for i in range(1, 6):
        find(game, 1, i)
    return game.wait_picture(won_shown, "the won screen")


def next_level(game, button=LEFT):
    """"Proximo nivel" on the won screen leads, silently, to the level selection."""
    game.wait_picture(won_shown, "the won screen")
    game.click(390, 395, button)
    game.wait_picture(selection_shown, "the level selection")
    game.expect_quiet(0.2)


def _changed(a, b, threshold):
    """A mask of the pixels where a and b differ by more than threshold in some channel."""
    channels = ImageChops.difference(a, b).split()
    most = ImageChops.lighter(ImageChops.lighter(channels[0], channels[1]), channels[2])
    return most.point(lambda v: 255 if v > threshold else 0)


def slot_box(k):
    x, y = SLOTS[k - 1]
    return x, y, x + 50, y + 50


def visible(box):
    return max(box[0], 0), max(box[1], 0), min(box[2], WINDOW_SIZE[0]), min(box[3], WINDOW_SIZE[1])


class LevelChecks(unittest.TestCase):
    """Looks at screenshots of `level`; the objects not yet found are in `shown`."""

    level = 1

    def look(self, shot, i, shown):
        """(pixels compared, share like object i drawn, share like the bare background)
        over the pixels its picture clearly changes, outside the other objects still
        shown and the countdown."""
        boxes = object_boxes(self.level)
        box = visible(boxes[i - 1])
        bare = load(FUNDO).crop(box)
        drawn = composite_on(load(FUNDO), HIDDEN[i - 1], POSITIONS[self.level][i - 1]).crop(box)
        mask = _changed(bare, drawn, 36)
        pen = ImageDraw.Draw(mask)
        for other in [boxes[j - 1] for j in shown if j != i] + [COUNTDOWN_AREA]:
            pen.rectangle((other[0] - box[0], other[1] - box[1],
                           other[2] - box[0] - 1, other[3] - box[1] - 1), fill=0)
        compared = mask.histogram()[255]
        self.assertGreater(compared, 10, f"object {i} hardly shows over the background")
        seen = shot.crop(box).convert("RGB")

        def share(reference):
            close = _changed(seen, reference, 12).point(lambda v: 255 - v)
            return ImageChops.multiply(mask, close).histogram()[255] / compared
        return compared, share(drawn), share(bare)

    def assert_drawn(self, shot, shown):
        """Every object in shown is drawn in the scene."""
        for i in shown:
            compared, drawn, bare = self.look(shot, i, shown)
            self.assertGreater(drawn, 0.8, f"object {i} is not drawn: {drawn:.2f} of {compared} "
                               f"pixels match it, {bare:.2f} the bare background")

    def assert_list(self, shot, remaining):
        """Slot k shows the k-th object still to find; slots beyond them the background."""
        for k in range(1, 6):
            crop = shot.crop(slot_box(k))
            if k > len(remaining):
                score = similarity(shot, load(FUNDO), slot_box(k))
                self.assertGreater(score, 0.95, f"slot {k} should show the background ({score:.2f})")
                continue
            i = remaining[k - 1]
            score = similarity(crop, load(LISTED[i - 1]))
            self.assertGreater(score, 0.9, f"slot {k} does not show object {i} ({score:.2f})")
            for j in range(1, len(POSITIONS[self.level]) + 1):
                if j != i:
                    self.assertGreater(score, similarity(crop, load(LISTED[j - 1])),
                                       f"slot {k} looks more like object {j} than {i}")
