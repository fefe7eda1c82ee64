"""The real game binary under the end-to-end harness (its own Xvfb, XTest
input), left alone on the main menu and in level 3: its CPU share and the
frames it shows per second; and its peak resident set over menu -> level 1
won -> won screen -> level selection -> level 3 -> Escape -> menu -> Sair.
Each idle figure has a floor under the same harness, measured the same way,
each floor run once before each game run: the main menu's is
`sunken-bench --idle-floor` (the game's window and music, events polled at
60 Hz, nothing drawn); level 3's is `sunken-bench --ticking-floor` (the same,
with a whole level picture drawn once a second, as its countdown must). With a previous build's binary
as well, each run measures it too, after the current one. Prints table rows.
Run with /usr/bin/python3 from anywhere:
    realgame.py RUNS RSS_FLOOR_MB GAME BENCH FRAME_COUNT_SHIM [PREVIOUS_GAME]
A game runs from the directory it is in, the floor from GAME's, and each
finds ../Fonts, ../Images and ../Sounds from there.
"""

import os
import statistics
import struct
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from harness import EXIT_STATUS, Game, composite, load, similarity  # noqa: E402

IDLE_SECONDS = 10.0
SETTLE_SECONDS = 1.0
TICKS = os.sysconf("SC_CLK_TCK")
# The game may idle at most one point of a core above the floor of the same run:
# the floor (polling and the music) is the machine's, the point is the game's.
CPU_ABOVE_FLOOR = 0.01
# SFML alone on software GL needs more than the 80 MB first set, so memory is
# held to the floor: the game's pictures, font and screens on top of SFML's.
RSS_RATIO = 1.3
# What the path clicks (window coordinates) and the top-left corners of level 1's objects, in finding order.
JOGAR, SAIR, PROXIMO_NIVEL = (400, 250), (390, 410), (390, 395)
LEVEL_1_PICTURE, LEVEL_3_PICTURE = (400, 100), (668, 394)
LEVEL_1_OBJECTS = [(750, 310), (145, 310), (285, 479), (350, 60), (240, 450)]
SELECTION_PICTURES = [("Images/recortadas/hello.png", (300, 30)), ("Images/recortadas/uthere.png", (100, 220)),
                      ("Images/recortadas/epic.png", (550, 310))]


def peak_rss_mb(pid):
    """VmHWM (in KiB) as MB of 10^6 bytes."""
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) * 1024 / 1e6
    raise RuntimeError("no VmHWM")


class Run:
    """One program under the harness with the frame-counting shim preloaded."""

    def __init__(self, program, directory, shim, *arguments):
        self.counter = tempfile.NamedTemporaryFile(prefix="sunken-frames-")
        self.counter.write(bytes(8))
        self.counter.flush()
        self.game = Game(command=[program, *arguments], cwd=directory, start_timeout=20,
                         env={"LD_PRELOAD": shim, "SUNKEN_FRAME_COUNT": self.counter.name})

    def frames(self):
        with open(self.counter.name, "rb") as counter:
            return struct.unpack("=Q", counter.read(8))[0]

    def idle(self):
        """CPU share and frames shown per second while nobody touches it, after a settling second."""
        time.sleep(SETTLE_SECONDS)
        cpu, frames, wall = self.game.cpu_seconds(), self.frames(), time.monotonic()
        time.sleep(IDLE_SECONDS)
        wall = time.monotonic() - wall
        return (self.game.cpu_seconds() - cpu) / wall, (self.frames() - frames) / wall

    def wait_shown(self, what, reference, share):
        """Until at least share of the window's pixels are within 12 of the reference picture's."""
        self.game.see(lambda shot: similarity(shot, reference) >= share, what, timeout=10)

    # The main menu and the won screen share their background, so the path never awaits one where the other
    # could show; the level selection's background is much like it, so the selection is told by its pictures too.
    def wait_menu(self):
        self.wait_shown("the main menu", load("Images/fundo_inicio.bmp"), 0.5)

    def wait_won(self):
        self.wait_shown("the won screen", load("Images/fundo_inicio.bmp"), 0.5)

    def wait_selection(self):
        self.wait_shown("the level selection", composite(load("Images/recortadas/inicio.bmp"), SELECTION_PICTURES),
                        0.95)

    def wait_level(self):
        self.wait_shown("a level", load("Images/fundo.bmp"), 0.6)

    def close(self):
        self.game.close()
        self.counter.close()


def floor(bench, directory, shim, mode):
    try:
        run = Run(bench, directory, shim, mode)
    except AssertionError as error:  # it ends at once when the music cannot play
        print(f"realgame.py: no idle floor, it needs an audio device ({error})", file=sys.stderr)
        return None
    try:
        share, frames = run.idle()
        run.game.close_button()
        if run.game.wait_exit() != 0:
            raise AssertionError("the idle floor failed")
        return share, frames
    finally:
        run.close()


def full_path(program, shim):
    run = Run(program, os.path.dirname(program), shim)
    g = run.game
    try:
        run.wait_menu()
        menu = run.idle()
        g.click(*JOGAR)
        g.expect("Pressed", "{} , {}".format(*JOGAR), "1")
        run.wait_selection()
        g.click(*LEVEL_1_PICTURE)
        run.wait_level()
        for i, (x, y) in enumerate(LEVEL_1_OBJECTS, 1):
            g.click(x + 5, y + 5)
            g.expect("Pressed", f"Retirou {i}")
        run.wait_won()
        g.click(*PROXIMO_NIVEL)
        run.wait_selection()
        g.click(*LEVEL_3_PICTURE)
        run.wait_level()
        level3 = run.idle()
        g.key("Escape")
        run.wait_menu()
        peak = peak_rss_mb(g.process.pid)  # the high-water mark of everything so far
        g.click(*SAIR)
        g.expect("Pressed", "{} , {}".format(*SAIR), "3")
        if g.wait_exit() != EXIT_STATUS:
            raise AssertionError("the game did not end with its usual status")
        return (*menu, *level3, peak)
    finally:
        run.close()


def medians(floors):  # (CPU share, frames per second) of the floor runs that ran, or (None, None)
    floors = [f for f in floors if f]
    return tuple(statistics.median(column) for column in zip(*floors)) if floors else (None, None)


def rows(label, results, still_floors, ticking_floors, rss_floor):
    menu, menu_frames, level3, level3_frames, peak = (statistics.median(column) for column in zip(*results))
    still, ticking = medians(still_floors), medians(ticking_floors)
    resolution = 100 / TICKS / IDLE_SECONDS
    # A still screen against the floor that draws nothing; level 3, whose countdown steps every second,
    # against the floor that draws one whole picture a second.
    judged = (("main menu", menu, menu_frames, still, "still"), ("level 3", level3, level3_frames, ticking, "ticking"))
    for name, share, _, (floor_share, _), floor_name in judged:
        if floor_share is None:
            print(f"| idle CPU, {name}{label}, {IDLE_SECONDS:.0f} s (+-{resolution:.1f}%) | {100 * share:.1f}% of a core "
                  f"| - | - | <= floor + {100 * CPU_ABOVE_FLOOR:.0f} point: not judged, the floor needs an audio device |")
            continue
        verdict = "met" if share <= floor_share + CPU_ABOVE_FLOOR else "MISSED"
        print(f"| idle CPU, {name}{label}, {IDLE_SECONDS:.0f} s (+-{resolution:.1f}%; floor: {floor_name}) "
              f"| {100 * share:.1f}% of a core | {100 * floor_share:.1f}% | {share / floor_share:.2f}x "
              f"| <= floor + {100 * CPU_ABOVE_FLOOR:.0f} point: {verdict} |")
    for name, _, frames, (_, floor_frames), floor_name in judged:
        print(f"| frames shown per idle second, {name}{label} (floor: {floor_name}) | {frames:.1f} | "
              f"{'-' if floor_frames is None else f'{floor_frames:.1f}'} | - "
              f"| none (about 0.5: the refresh every 2 s; level 3: 1, its countdown) |")
    verdict = "met" if peak <= RSS_RATIO * rss_floor else "MISSED"
    print(f"| peak RSS (VmHWM), full path{label} (floor: SFML alone, one picture and a text) "
          f"| {peak:.1f} MB | {rss_floor:.1f} MB | {peak / rss_floor:.2f}x | <= {RSS_RATIO}x floor: {verdict} |")


def main():
    runs, rss_floor = int(sys.argv[1]), float(sys.argv[2])
    game, bench, shim = (os.path.abspath(path) for path in sys.argv[3:6])
    previous = os.path.abspath(sys.argv[6]) if len(sys.argv) > 6 else None
    still, ticking, results, before = [], [], [], []
    for _ in range(runs):  # alternately, so that a busy spell of the machine hits them alike
        still.append(floor(bench, os.path.dirname(game), shim, "--idle-floor"))
        ticking.append(floor(bench, os.path.dirname(game), shim, "--ticking-floor"))
        results.append(full_path(game, shim))
        if previous:
            before.append(full_path(previous, shim))
    rows("", results, still, ticking, rss_floor)
    if previous:
        rows(", previous build", before, still, ticking, rss_floor)


if __name__ == "__main__":
    main()
