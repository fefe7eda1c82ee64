# Drives the real game in a private X server, as a player would.
#
# Every Game gets its own Xvfb (so tests run side by side), its own copy of the
# asset folders (so a test can remove or damage files), XTest pointer and key
# input, the close button as WM_DELETE_WINDOW, its standard output line by
# line, its standard error counted, and screenshots as PIL images. The audio
# environment is the machine's own. The end of the file knows the game's
# screens: their boxes, pictures and level tables.
#
# Run with Debian's /usr/bin/python3 (python3-xlib, python3-pil).

import functools
import glob
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

SOURCE_DIR = os.environ.get("SUNKEN_SOURCE_DIR", os.path.abspath(os.path.join(os.path.dirname(__file__), "../..")))
GAME = os.environ.get("SUNKEN_GAME", os.path.join(SOURCE_DIR, "build-tests", "sunken-finds"))
SHOTS_DIR = os.environ.get("SUNKEN_SHOTS", os.path.join(os.path.dirname(GAME), "screenshots"))
LONG = os.environ.get("SUNKEN_LONG") == "1"
EXIT_STATUS = 255  # the game returns -1
LEFT, MIDDLE, RIGHT = 1, 2, 3


def asset(relative): return os.path.join(SOURCE_DIR, relative)


def all_assets():
    return sorted(os.path.relpath(p, SOURCE_DIR) for folder in ("Fonts", "Images", "Sounds")
                  for p in glob.glob(asset(folder) + "/**", recursive=True) if p.endswith((".ttf", ".ogg", ".png", ".bmp")))


def roots(script, *args):  # bash with the Debian root helpers (scripts/debian-root.sh); args are $0, $1...
    return ["bash", "-c", f"cd {SOURCE_DIR}/scripts; . ./packages.sh; . ./debian-root.sh; cd /; " + script, *args]


def wait_for(condition, timeout, what, interval=0.02):
    deadline = time.monotonic() + timeout
    while not (result := condition()):
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)
    return result


def damage(path, how):  # remove, truncate (to a third) or randomize a file or folder
    if how == "remove":
        shutil.rmtree(path) if os.path.isdir(path) else os.remove(path)
    elif how == "truncate":
        os.truncate(path, os.path.getsize(path) // 3)
    else:
        with open(path, "r+b") as f:
            f.write(random.Random(1).randbytes(os.path.getsize(path)))


def xvfb():  # a new Xvfb and its display name
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1920x1280x24", "-nolisten", "tcp",
                               "-noreset"], pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        return server, ":" + pipe.readline().strip()


class Game:
    # The game (or command) in its own Xvfb, or in a running X server given as (process, display name), such as a
    # compositor's Xwayland, whose window manager places the window. Unless given a cwd, it runs one level
    # below a copy of Fonts/, Images/ and Sounds/ with these {path: how} damages. patience scales every wait after
    # the window shows (a game under qemu draws its first menu seconds later).
    moves_window = True  # where no window manager or Wine places it

    def __init__(self, damages=None, env=None, command=None, cwd=None, start_timeout=20, server=None, patience=1):
        self.xvfb, self.display_name = server or xvfb()
        self.patience = patience
        self.tree = None if cwd else tempfile.mkdtemp(prefix="sunken-assets-")
        if self.tree:  # readable by all: the command may drop to another user
            os.chmod(self.tree, 0o755)
        for folder in ("Fonts", "Images", "Sounds") if self.tree else ():
            shutil.copytree(asset(folder), os.path.join(self.tree, folder))
        for relative, how in (damages or {}).items():
            damage(os.path.join(self.tree, relative), how)
        self.lines, self.read_upto, self.stderr_bytes, self.stderr_head = [], 0, 0, b""
        self._lock = threading.Condition()
        number = self.display_name[1:]  # the socket and lock file it made, by inode: another server may reuse the name
        self.x_files = [(p, os.stat(p).st_ino) for p in (f"/tmp/.X11-unix/X{number}", f"/tmp/.X{number}-lock")
                        if os.path.exists(p)]
        self.d = display.Display(self.display_name)  # Xvfb writes its number once it answers
        self.d.change_keyboard_control(auto_repeat_mode=X.AutoRepeatModeOff)  # a key held is pressed once
        os.makedirs(cwd or os.path.join(self.tree, "run"), exist_ok=True)
        self.process = subprocess.Popen(command or [GAME], cwd=cwd or os.path.join(self.tree, "run"),
                                        env=dict(os.environ, DISPLAY=self.display_name, **(env or {})),
                                        stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        self._readers = [threading.Thread(target=f, daemon=True) for f in (self._read_stdout, self._read_stderr)]
        for reader in self._readers:
            reader.start()
        try:
            self.window = wait_for(self._find_window, start_timeout, "the game window")
            # Without a window manager the window lands anywhere: moved to the origin it fits the screen when
            # resized. Wine 10 would map later clicks against where it put the window, and a compositor's window
            # manager places it itself, so neither is moved.
            if self.moves_window and not server:
                self.window.configure(x=0, y=0)
                self.d.sync()
                wait_for(lambda: self.window.get_geometry().x == 0 == self.window.get_geometry().y, 5 * patience, "the move")
            self.move(400, 590)
        except BaseException:  # no test would close a Game it never got
            self.close()
            raise

    def _read_stdout(self):
        for raw in self.process.stdout:
            with self._lock:
                self.lines.append(raw.decode(errors="replace").rstrip("\n"))
                self._lock.notify_all()

    def _read_stderr(self):  # counted, and only its head kept: a flood must not fill the disk
        while chunk := self.process.stderr.read1(65536):
            self.stderr_head = (self.stderr_head + chunk)[:65536]
            self.stderr_bytes += len(chunk)

    def _find_window(self):
        if self.process.poll() is not None:
            raise AssertionError(f"the game ended at start with status {self.process.returncode}")
        for child in self.d.screen().root.query_tree().children:
            try:
                if child.get_wm_name() == "Sunken Finds" and child.get_attributes().map_state == X.IsViewable:
                    return child
            except Exception:  # gone meanwhile
                continue

    # What the game says: the next unread lines are exactly these; no new line for a while.
    def expect(self, *expected, timeout=5.0):
        with self._lock:
            self._lock.wait_for(lambda: len(self.lines) >= self.read_upto + len(expected), timeout * self.patience)
            got = self.lines[self.read_upto:self.read_upto + len(expected)]
            self.read_upto += len(got)
        if got != list(expected):
            raise AssertionError(f"expected lines {list(expected)!r}, got {got!r} (all output: {self.lines!r})")

    def quiet(self, seconds=0.3):
        time.sleep(seconds)
        if self.lines[self.read_upto:]:
            raise AssertionError(f"expected no output, got {self.lines[self.read_upto:]!r}")

    def wait_exit(self, timeout=5.0):
        return self.process.wait(timeout * self.patience)

    def cpu_seconds(self):  # user and system time of all its threads
        with open(f"/proc/{self.process.pid}/stat") as f:
            return sum(int(v) for v in f.read().rsplit(")", 1)[1].split()[11:13]) / os.sysconf("SC_CLK_TCK")

    # What the player does. Events passed to fake() are flushed together, as from a fast hand.
    def fake(self, *events):  # points in window pixels, wherever it is; sent_at: when they reached the X server
        at = self.d.screen().root.translate_coords(self.window, 0, 0)
        for kind, detail, point in events:
            xtest.fake_input(self.d, kind, detail, **({"x": at.x + int(point[0]), "y": at.y + int(point[1])}
                                                      if point else {}))
        self.d.sync()
        self.sent_at = time.monotonic()

    def move(self, x, y):
        self.fake((X.MotionNotify, 0, (x, y)))
        time.sleep(0.03)

    def sweep(self, points):
        self.fake(*[(X.MotionNotify, 0, p) for p in points])

    def click(self, x, y, button=LEFT, times=1):  # moves there, waits, then presses and releases
        self.move(x, y)
        self.fake(*[(kind, button, None) for _ in range(times) for kind in (X.ButtonPress, X.ButtonRelease)])

    def flick(self, x, y, away=(5, 5), button=LEFT):  # arrives, presses, releases and moves away at once
        self.fake((X.MotionNotify, 0, (x, y)), (X.ButtonPress, button, None), (X.ButtonRelease, button, None),
                  (X.MotionNotify, 0, away))

    def key(self, name="Escape", down=True, up=True):  # pressed and released, or one of them
        code = self.d.keysym_to_keycode(XK.string_to_keysym(name))
        if down:
            self.window.set_input_focus(X.RevertToParent, X.CurrentTime)
            self.fake((X.KeyPress, code, None))
        if up:
            time.sleep(0.05 * down)
            self.fake((X.KeyRelease, code, None))

    def close_button(self):
        event = protocol.event.ClientMessage(window=self.window, client_type=self.d.intern_atom("WM_PROTOCOLS"),
                                             data=(32, [self.d.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
        self.window.send_event(event, event_mask=X.NoEventMask)
        self.d.sync()

    def resize(self, width, height):  # sent_at: when the X server had the new size
        self.window.configure(width=width, height=height)
        self.d.sync()
        self.sent_at = time.monotonic()
        wait_for(lambda: self.size() == (width, height), 5, f"the window at {width}x{height}")

    def cover(self, seconds):  # another window over the game's for a while; returns when it has gone
        screen, at = self.d.screen(), self.d.screen().root.translate_coords(self.window, 0, 0)
        other = screen.root.create_window(at.x, at.y, *self.size(), 0, screen.root_depth, override_redirect=True,
                                          background_pixel=screen.white_pixel)
        other.map()
        self.d.sync()
        time.sleep(seconds)
        other.destroy()
        self.d.sync()
        return time.monotonic()

    def end_x(self):  # asked to end, the X server takes its socket and lock file away; killed only if it hangs
        self.xvfb.terminate()
        try:
            self.xvfb.wait(10)
        except subprocess.TimeoutExpired:
            self.xvfb.kill()
            self.xvfb.wait()

    def x_left(self):  # what of its X server's files is still there
        return [p for p, inode in self.x_files if os.path.exists(p) and os.stat(p).st_ino == inode]

    # What the player sees.
    def size(self):
        return self.window.get_geometry().width, self.window.get_geometry().height

    def screenshot(self, save_as=None, box=None):  # of the window or of box in it; taken_at: when
        left, top, right, bottom = box or (0, 0, *self.size())
        self.taken_at = time.monotonic()
        raw = self.window.get_image(left, top, right - left, bottom - top, X.ZPixmap, 0xFFFFFFFF)
        image = Image.frombytes("RGB", (right - left, bottom - top), raw.data, "raw", "BGRX")
        if save_as:
            os.makedirs(SHOTS_DIR, exist_ok=True)
            image.save(os.path.join(SHOTS_DIR, save_as + ".png"))
        return image

    def see(self, condition, what, timeout=5.0, box=None, interval=0.03):
        # The first screenshot (of box) for which condition holds.
        return wait_for(lambda: (lambda shot: condition(shot) and shot)(self.screenshot(box=box)), timeout * self.patience,
                        what, interval)

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        for reader in self._readers:
            reader.join(5)
        self.process.stdout.close()
        self.process.stderr.close()
        if self.xvfb.poll() is None:  # a case may have ended the X server, and this connection with it
            self.d.close()
        self.end_x()
        if self.tree:
            shutil.rmtree(self.tree, ignore_errors=True)


# -- pictures ----------------------------------------------------------------------

@functools.lru_cache(maxsize=None)
def load(relative): return Image.open(asset(relative)).convert("RGBA")


def similarity(shot, reference, box=(0, 0, 800, 600), tolerance=12):
    # The share of pixels in box where shot and reference agree within tolerance.
    difference = ImageChops.difference(shot.crop(box).convert("RGB"), reference.crop(box).convert("RGB"))
    histogram = difference.convert("L").histogram()
    return sum(histogram[:tolerance + 1]) / max(1, sum(histogram))


def changed(a, b, threshold):  # a mask of the pixels where a and b differ by more than threshold in a channel
    r, g, b_ = ImageChops.difference(a.convert("RGB"), b.convert("RGB")).split()
    return ImageChops.lighter(ImageChops.lighter(r, g), b_).point(lambda v: 255 if v > threshold else 0)


def composite(base, pictures):  # base with (path, top-left) pictures laid over it in order
    result = base.convert("RGBA")
    for relative, (x, y) in pictures:
        result.alpha_composite(load(relative), dest=(int(x), int(y)))
    return result.convert("RGB")


def ink(shot, box, under, red):
    # Red (or black) pixels in box where the picture `under` has none: text drawn over it.
    def test(p):
        return p[0] > 200 and p[1] < 60 and p[2] < 60 if red else max(p[:3]) < 50
    return sum(1 for p, o in zip(shot.crop(box).convert("RGB").getdata(), load(under).crop(box).getdata())
               if test(p) and not test(o))


# -- the game's screens (boxes are left, top, right, bottom; right and bottom outside) --

FONT, MUSIC = "Fonts/PirataOne-Regular.ttf", "Sounds/1.ogg"
MENU_BACKGROUND, FUNDO = "Images/fundo_inicio.bmp", "Images/fundo.bmp"  # the menu's (and results'), the levels'
SELECTION_BACKGROUND = "Images/recortadas/inicio.bmp"
PAGES = [f"Images/howtome{page}.png" for page in range(4)]
JOGAR, COMO_JOGAR, SAIR = (345, 230, 448, 282), (299, 308, 506, 361), (356, 389, 430, 434)
WON_SAIR = (343, 485, 442, 511)  # the won screen's "Sair"
NEXT = (103, 510, 223, 557)  # "Next ->" on the how-to pages
COUNTDOWN = (473, 0, 800, 50)  # "Tempo restante:" and the number
_R = "Images/recortadas/"
LEVEL_PICTURES = [(_R + "hello.png", (300, 30)), (_R + "uthere.png", (100, 220)), (_R + "epic.png", (550, 310))]
HIDDEN = [f"Images/{n}.png" for n in "peixinho_escondido ancora_escondida carangueijo_escondido passaro_escondido "
          "luneta_escondida".split()] + [f"{_R}{n}_e.png" for n in "anzol cavalo1 carta colmeia concha bola cd "
                                         "garrafa joaninha ossos".split()]
LISTED = [f"{_R}{n}_padrao.png" for n in "peixe ancora carangueijo passaro luneta anzol cavalo carta colmeia concha "
          "bola cd garrafa joaninha ossos".split()]
POSITIONS = {  # level: top-left corners of objects 1, 2, 3, ... in the order they are found
    1: [(750, 310), (145, 310), (285, 479), (350, 60), (240, 450)],
    2: [(400, 320), (145, 310), (0, 310), (350, 60), (675, 386), (389, 200), (750, 310), (170, 55), (30, 0),
        (100, 580)],
    3: [(500, 300), (260, 430), (23, 90), (100, 525), (180, 427), (542, 431), (775, 45), (240, 450), (235, 190),
        (100, 579), (187, 200), (230, 51), (33, 227), (307, 494), (165, 15)],
}
SLOTS = [(370, 490), (430, 490), (490, 490), (560, 490), (630, 490)]


def middle(box): return (box[0] + box[2]) // 2, (box[1] + box[3]) // 2


def inside(box, point): return box[0] <= point[0] < box[2] and box[1] <= point[1] < box[3]


def placed(relative, position):
    return (*position, position[0] + load(relative).width, position[1] + load(relative).height)


def object_box(level, i):  # the part in the window
    left, top, right, bottom = placed(HIDDEN[i - 1], POSITIONS[level][i - 1])
    return max(left, 0), max(top, 0), min(right, 800), min(bottom, 600)


def clear_point(boxes, index, xs=None, ys=None):
    # The point of boxes[index] in the window and in no other box nearest its middle; xs / ys pin it.
    box, others = boxes[index], boxes[:index] + boxes[index + 1:]
    points = sorted(((x, y) for x in xs or range(box[0], box[2]) for y in ys or range(box[1], box[3])),
                    key=lambda p: (p[0] - (box[0] + box[2]) / 2) ** 2 + (p[1] - (box[1] + box[3]) / 2) ** 2)
    return next(p for p in points if inside((0, 0, 800, 600), p) and not any(inside(o, p) for o in others))


def picture_point(level): return clear_point([placed(*picture) for picture in LEVEL_PICTURES], level - 1)


def object_point(level, i, xs=None, ys=None):
    return clear_point([object_box(level, j) for j in range(1, len(POSITIONS[level]) + 1)], i - 1, xs, ys)


def written(shot, box): return ink(shot, box, MENU_BACKGROUND, True) + ink(shot, box, MENU_BACKGROUND, False) >= 15


def menu_shown(shot):  # a word in the choices, none where the won screen writes
    return (similarity(shot, load(MENU_BACKGROUND)) > 0.5 and written(shot, JOGAR) and written(shot, SAIR)
            and ink(shot, (226, 376, 341, 412), MENU_BACKGROUND, False) == 0)


def won_shown(shot):
    return similarity(shot, load(MENU_BACKGROUND)) > 0.5 and written(shot, (226, 376, 341, 412)) and written(shot, WON_SAIR)


def lost_shown(shot): return similarity(shot, load(MENU_BACKGROUND)) > 0.5 and written(shot, (100, 376, 220, 414))


def selection_shown(shot): return similarity(shot, composite(load(SELECTION_BACKGROUND), LEVEL_PICTURES)) > 0.95


def page_shown(page): return lambda shot: similarity(shot, load(PAGES[page]), (0, 0, 800, 490)) > 0.9


def level_shown(shot): return similarity(shot, load(FUNDO)) > 0.6


CORNER = (0, 0, 20, 20)  # no object covers it; there the levels' background differs from the menus'


def corner(picture):  # whether a screenshot of CORNER shows picture there
    return lambda shot: similarity(shot, load(picture).crop(CORNER), CORNER) > 0.95


def wait_menu(game): return game.see(menu_shown, "the main menu")


def choose(game, point, choice, flick=False):
    # A left press on the main menu prints "Pressed", where, and the choice (0 for none).
    (game.flick if flick else game.click)(*point)
    game.expect("Pressed", f"{point[0]} , {point[1]}", str(choice))


def enter_level(game, level, from_menu=True):
    # Through "Jogar" and the level's picture to its first frame; game.entered: when the first screenshot showing it
    # was taken (small ones, as fast as they come).
    if from_menu:
        choose(game, middle(JOGAR), 1)
    game.see(selection_shown, "the level selection")
    game.click(*picture_point(level))
    game.entered = game.see(corner(FUNDO), f"level {level}", box=CORNER, interval=0.002) and game.taken_at
    return game.see(level_shown, f"level {level}")


def press_line(level, point): return f"{point[0]},{point[1]}" if level == 3 else "Pressed"


def find(game, level, i, point=None, flick=False):
    # A left press on object i, the current target, finds it; returns the seconds until a screenshot shows it went.
    point, before = point or object_point(level, i), game.screenshot(box=object_box(level, i))
    (game.flick if flick else game.click)(*point)
    game.expect(press_line(level, point), f"Retirou {i}")
    game.see(lambda shot: changed(shot, before, 36).getbbox(), f"object {i} gone", box=object_box(level, i))
    return game.taken_at - game.sent_at


def win_level_1(game, from_menu=True):
    enter_level(game, 1, from_menu)
    for i in range(1, 6):
        find(game, 1, i)
    return game.see(won_shown, "the won screen")


def scene(level, shown, listed):
    # A level's picture: the objects in shown hidden in the scene, the first five of listed in the list.
    return composite(load(FUNDO), [(HIDDEN[i - 1], POSITIONS[level][i - 1]) for i in sorted(shown)]
                     + [(LISTED[i - 1], slot) for i, slot in zip(listed, SLOTS)])


def level_problems(shot, level, shown, listed):
    # How shot differs from scene(level, shown, listed), outside the countdown; [] when it does not.
    expected, problems = scene(level, shown, listed), []
    for i in range(1, len(POSITIONS[level]) + 1):
        box = object_box(level, i)
        mask = changed(expected.crop(box), scene(level, set(shown) ^ {i}, listed).crop(box), 36)  # where i shows
        mask.paste(0, (COUNTDOWN[0] - box[0], COUNTDOWN[1] - box[1], COUNTDOWN[2] - box[0], COUNTDOWN[3] - box[1]))
        like = ImageChops.multiply(mask, changed(shot.crop(box), expected.crop(box), 12).point(lambda v: 255 - v))
        share = like.histogram()[255] / max(1, mask.histogram()[255])
        if share < 0.8:
            problems.append(f"object {i} {'not drawn' if i in shown else 'still drawn'} ({share:.2f} as expected)")
    for k, (x, y) in enumerate(SLOTS):
        if similarity(shot, expected, (x, y, x + 50, y + 50)) < 0.9:
            problems.append(f"slot {k + 1} does not show {LISTED[listed[k] - 1] if k < len(listed) else 'nothing'}")
    return problems
