#!/usr/bin/python3
"""A seeded random walk through the sanitized game: clicks of every button
(mostly on the boxes, pictures and hidden objects, so that every screen is
reached), moves, keys, resizes, focus changes and the close button. It fails
on a sanitizer report, a crash, an exit status other than 255 or a game that
stops answering. Replay a walk with --seed N --seconds S."""

import argparse
import collections
import os
import random
import sys
import time

from PIL import Image
from Xlib import X

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "e2e"))
from harness import (COMO_JOGAR, EXIT_STATUS, FUNDO, JOGAR, LEFT, MENU_BACKGROUND, MIDDLE, NEXT,  # noqa: E402
                     PROXIMO, PROXIMO_LEFT, RIGHT, SAIR, WON_SAIR, AssetTree, Game, count_pixels, load,
                     object_boxes, picture_boxes, selection_picture, similarity)

REPORTS = ("ERROR: AddressSanitizer", "runtime error:", "LeakSanitizer")
SANITIZER_ENV = {
    # Mesa unloads its driver at exit, before the leak check: preloaded, the
    # driver's frames keep their name (else "<unknown module>") for lsan.supp.
    # ASan's runtime then no longer comes first: verify_asan_link_order=0.
    "LD_PRELOAD": "/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so",
    "ASAN_OPTIONS": "detect_leaks=1:check_initialization_order=1:verify_asan_link_order=0",
    "LSAN_OPTIONS": f"suppressions={HERE}/lsan.supp:print_suppressions=1",
    "UBSAN_OPTIONS": "print_stacktrace=1:halt_on_error=1",
}
# Boxes (left, top, right, bottom; right and bottom outside) with their odds.
LOST_BACK = (100, 376, 689, 414)
TARGETS = {"menu": [(JOGAR, 55), (COMO_JOGAR, 35), (SAIR, 10)], "howto": [(NEXT, 1)],
           "won": [(PROXIMO, 60), (WON_SAIR, 40)], "lost": [(LOST_BACK, 1)]}


def small(picture):
    return picture.resize((160, 120), Image.BILINEAR)


REFERENCES = [("menu", small(load(MENU_BACKGROUND))), ("selection", small(selection_picture())),
              ("level", small(load(FUNDO)))] + \
    [("howto", small(load(f"Images/howtome{i}.png"))) for i in range(4)]


def ink(shot, box):
    """Dark or red text drawn over the menu background in box."""
    return count_pixels(shot, box, lambda p: max(p) < 60 or p[0] > 200 and max(p[1:]) < 60, load(MENU_BACKGROUND))


def classify(shot):
    """Which screen a screenshot of any window size shows, or None."""
    shot = shot.resize((800, 600), Image.BILINEAR)
    score, name = max((similarity(small(shot), reference), name) for name, reference in REFERENCES)
    if score < 0.7 or name != "menu":
        return name if score >= 0.7 else None
    if ink(shot, PROXIMO_LEFT) >= 15 and ink(shot, WON_SAIR) >= 15:
        return "won"
    if ink(shot, (100, 376, 220, 414)) >= 15:
        return "lost"
    return "menu" if ink(shot, JOGAR) >= 15 else None


def cpu_ticks(pid):
    with open(f"/proc/{pid}/stat") as f:
        return sum(int(field) for field in f.read().rsplit(")", 1)[1].split()[11:13])


class Failure(Exception):
    pass


class Walk:
    def __init__(self, seed, seconds, binary, logdir):
        self.rng, self.seed, self.seconds, self.binary, self.logdir = random.Random(seed), seed, seconds, binary, logdir
        self.actions, self.runs, self.unknown, self.game = 0, 0, 0, None
        self.visits, self.ends = collections.Counter(), collections.Counter()

    def start(self):
        self.runs += 1
        self.stderr = os.path.join(self.logdir, f"walk-{self.seed}-{self.runs}.stderr")
        try:
            self.game = Game(tree=AssetTree(), command=[self.binary], stderr=self.stderr, env=SANITIZER_ENV)
        except AssertionError as failure:  # e.g. a report while the game starts
            self.check_stderr()
            raise Failure(failure) from None
        self.size, self.screen, self.level, self.found, self.patient = (800, 600), None, 0, 0, False
        self.seen, self.unknown_since = 0, None
        self.cpu, self.cpu_at = cpu_ticks(self.game.process.pid), time.monotonic()

    def check_stderr(self):
        text = open(self.stderr, errors="replace").read()
        if any(report in text for report in REPORTS):
            raise Failure(f"sanitizer report in {self.stderr}:\n{text[-6000:]}")

    def end(self, how, timeout):
        """The game must end by itself with 255 and a clean stderr."""
        try:
            status = self.game.wait_exit(timeout)
        except AssertionError:
            raise Failure(f"no exit within {timeout} s after {how}") from None
        self.ends[f"{how} -> {status}"] += 1
        self.game.close()
        self.check_stderr()
        if status != EXIT_STATUS:
            raise Failure(f"exit status {status} after {how}")

    def observe(self):
        game, now = self.game, time.monotonic()
        if not game.running():
            game._reader.join(2)  # the last lines
        if "3" in game.lines[self.seen:]:  # "Sair" on the main menu ends the game
            self.end("Sair", 5)
            return self.start()
        if not game.running():
            self.check_stderr()
            raise Failure(f"the game ended by itself with status {game.process.returncode} on {self.screen}")
        for line in game.lines[self.seen:]:
            self.found = int(line[8:]) if line.startswith("Retirou ") else self.found
        self.seen = len(game.lines)
        screen = classify(game.screenshot())
        self.unknown += screen is None
        self.unknown_since = (self.unknown_since or now) if screen is None and self.size[0] >= 400 else None
        if self.unknown_since and now - self.unknown_since > 15:
            game.screenshot(save_as=f"walk-{self.seed}-unknown")
            raise Failure("no known screen for 15 s (see walk-SEED-unknown.png)")
        if screen and screen != self.screen:
            self.visits[screen] += 1
            self.found = 0 if self.screen == "level" else self.found
            # Once the rest has been seen, sit out a level's countdown (at most every 5 minutes).
            self.patient = (screen == "level" and self.visits["lost"] * 300 <= now - self.began
                            and self.deadline - now > 70
                            and ("won" in self.visits or now - self.began > 0.3 * self.seconds))
            self.screen = screen
        if now - self.cpu_at > 3:  # drawing 60 frames a second, the game keeps using CPU
            if cpu_ticks(game.process.pid) == self.cpu:
                raise Failure(f"the game used no CPU for {now - self.cpu_at:.1f} s on {self.screen}")
            self.cpu, self.cpu_at = cpu_ticks(game.process.pid), now

    def target(self):
        """A box worth clicking on the current screen, or None."""
        if self.screen == "selection":
            self.level = self.rng.choices(range(3), (50, 25, 25))[0]
            return picture_boxes()[self.level]
        if self.screen == "level":
            objects = object_boxes(self.level + 1)
            return None if self.patient or self.found >= len(objects) else objects[self.found]
        return self.rng.choices(*zip(*TARGETS[self.screen]))[0] if self.screen in TARGETS else None

    def act(self):
        g, rng, calm = self.game, self.rng, self.patient and self.screen == "level"
        kind = rng.choices(["target", "click", "move", "escape", "escape-half", "key", "button-half",
                            "resize", "focus", "close", "idle"],
                           [45, 12, 14, 0 if calm else 5, 0 if calm else 3, 5, 3, 3, 3, 0 if calm else 1, 3])[0]
        self.actions += 1
        x, y = rng.randrange(self.size[0]), rng.randrange(self.size[1])
        box = self.target() if kind == "target" else None
        if box:
            left, top, right, bottom = box
            x = rng.uniform(left * 0.75 + right * 0.25, left * 0.25 + right * 0.75) * self.size[0] / 800
            y = rng.uniform(top * 0.75 + bottom * 0.25, top * 0.25 + bottom * 0.75) * self.size[1] / 600
        if kind in ("target", "click"):
            g.click(x, y, LEFT if kind == "target" else rng.choice((LEFT, LEFT, MIDDLE, RIGHT)))
        elif kind == "move":
            g.move(x, y)
        elif kind == "escape":
            g.key("Escape")
        elif kind == "escape-half":  # the other half comes later, maybe on another screen
            rng.choice((g.key_down, g.key_up))("Escape")
        elif kind == "key":
            g.key(rng.choice(("Return", "space", "a", "Left", "F1", "Tab", "BackSpace")))
        elif kind == "button-half":
            rng.choice((g.press, g.release))(rng.choice((LEFT, MIDDLE, RIGHT)))
        elif kind == "resize":
            self.size = rng.choice([(800, 600)] * 3 + [(400, 300), (1024, 768), (1600, 1200), (1000, 500),
                                                      (160, 120), (1, 1)])
            g.resize(*self.size)
        elif kind == "focus":
            for window in (g.d.screen().root, g.window):
                window.set_input_focus(X.RevertToParent, X.CurrentTime)
                g.d.sync()
                time.sleep(rng.uniform(0, 0.3))
        elif kind == "close":
            g.close_button()
            self.end("close button", 2)
            return self.start()
        else:
            time.sleep(rng.uniform(0.1, 0.8))
        time.sleep(0.08)
        self.observe()

    def run(self):
        self.began = time.monotonic()
        self.deadline = self.began + self.seconds
        try:
            self.start()
            while time.monotonic() < self.deadline:
                self.act()
            self.game.close_button()
            self.end("close button", 2)
        finally:
            if self.game and self.game.running():
                self.game.screenshot(save_as=f"walk-{self.seed}-last")
            if self.game:
                self.game.close()  # also its X server and asset copy
            print(f"seed {self.seed}: {time.monotonic() - self.began:.0f} s, {self.actions} actions, "
                  f"{self.runs - 1} restarts, {self.unknown} unrecognised screenshots\n"
                  f"  visits: {dict(sorted(self.visits.items()))}\n  ends: {dict(self.ends)}")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--seed", type=int, default=random.SystemRandom().randrange(10 ** 6))
    parser.add_argument("--seconds", type=float, default=120)
    parser.add_argument("--game", default=os.environ.get("SUNKEN_ASAN_GAME"))
    parser.add_argument("--logdir", default=os.environ.get("SUNKEN_STRESS_LOGS", "/tmp"))
    args = parser.parse_args()
    os.makedirs(args.logdir, exist_ok=True)
    print(f"random walk: --seed {args.seed} --seconds {args.seconds:g} ({args.game})", flush=True)
    walk = Walk(args.seed, args.seconds, os.path.abspath(args.game), args.logdir)
    try:
        walk.run()
    except Failure as failure:
        print(f"FAILED (replay with --seed {args.seed} --seconds {args.seconds:g}): {failure}")
        return 1
    missing = {"menu", "selection", "howto", "level", "won", "lost"} - set(walk.visits)
    if missing and args.seconds >= 120:  # shorter walks are for trying things out
        print(f"FAILED: the walk never reached {sorted(missing)} (seed {args.seed})")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
