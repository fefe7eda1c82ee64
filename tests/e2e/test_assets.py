# Missing and damaged files, as rows of (files or folders and what happens to
# them, screens visited): each file that fails to load prints one "Error" each
# time a screen that reports it is entered, the rest still works, and the game
# ends normally. SUNKEN_LONG=1 also removes and damages every file in turn.

import unittest

from harness import (COMO_JOGAR, CORNER, EXIT_STATUS, FONT, FUNDO, HIDDEN, JOGAR, LEVEL_PICTURES, LISTED, LONG,
                     MENU_BACKGROUND, MUSIC, NEXT, PAGES, SAIR, SELECTION_BACKGROUND, WON_SAIR, Game,
                     all_assets, choose, level_problems, middle, object_point, picture_point, press_line, wait_for)

PICTURES = [relative for relative, _ in LEVEL_PICTURES]
# What each screen loads with a report, on every visit (the later how-to pages and the music have none).
REPORTED = {"menu": [MENU_BACKGROUND, FONT], "selection": [SELECTION_BACKGROUND, *PICTURES, FONT],
            "howto": [PAGES[0], FONT], "won": [FONT, MENU_BACKGROUND], "lost": [FONT, MENU_BACKGROUND],
            **{level: [FONT, FUNDO] + HIDDEN[:5 * level] + LISTED[:5 * level] for level in (1, 2, 3)}}
# Each screen's full-window picture, and the colour it clears to where that picture is missing.
WHITE, BLACK = ((255, 255),) * 3, ((0, 0),) * 3
BACKGROUNDS = {"menu": (MENU_BACKGROUND, BLACK), "selection": (SELECTION_BACKGROUND, BLACK), "howto": (PAGES[0], WHITE),
               "won": (MENU_BACKGROUND, WHITE), **{level: (FUNDO, WHITE) for level in (1, 2, 3)}}
# The order in which each level loads its hidden pictures: the spyglass (5) before the bird (4).
LOAD_ORDER = {level: [1, 2, 3, 5, 4, *range(6, 5 * level + 1)] for level in (1, 2, 3)}
USES = {f: {s for s, files in REPORTED.items() if f in files} | ({"howto"} if f in PAGES else set()) for f in all_assets()}
ROWS = [  # level 1 is won where it can be, so the won screen is visited with it
    ({FONT: "remove"}, {"howto", "selection", 1, 2, 3}),
    ({FONT: "randomize", PAGES[2]: "remove"}, {"howto", 1}),
    ({MENU_BACKGROUND: "randomize", MUSIC: "randomize"}, {1}),
    ({SELECTION_BACKGROUND: "remove", PICTURES[0]: "truncate", PAGES[0]: "randomize"}, {"howto", "selection", 1}),
    ({FUNDO: "remove", HIDDEN[1]: "truncate", LISTED[6]: "remove", LISTED[12]: "randomize"}, {1, 2, 3}),
    ({HIDDEN[4]: "remove", MUSIC: "truncate", FONT: "truncate", MENU_BACKGROUND: "truncate"}, {1}),
    ({HIDDEN[0]: "randomize", HIDDEN[14]: "remove", PICTURES[1]: "remove"}, {"selection", 1, 2, 3}),
    ({"Images": "remove"}, {"howto", "selection"}),
    ({"Fonts": "remove", "Images": "remove", "Sounds": "remove"}, {"howto", "selection"}),
    ({f: "remove" for f in all_assets() if f not in PICTURES}, {1, 2, 3}),
    ({FONT: "remove", MENU_BACKGROUND: "remove"}, {1}),
]


class Tour:
    # From the main menu through the screens and back, reading each screen's
    # "Error" lines as it is entered; ends with "Sair".
    def __init__(self, damages):
        # SFML reads a BMP's rows and a font's glyphs lazily: those two cut short still load.
        self.damaged = {f: how for path, how in damages.items() for f in all_assets() if f.startswith(path)}
        self.broken = {f for f, how in self.damaged.items() if not (how == "truncate" and f.endswith((".bmp", ".ttf")))}
        self.g, self.left = Game(damages), None  # left: the screen before this one

    def arrive(self, screen, prints_nothing=False, timeout=5.0):
        self.g.expect(*["Error"] * sum(f in self.broken for f in REPORTED[screen]), timeout=timeout)
        background, colour = BACKGROUNDS[screen]
        if self.left and background in self.broken:  # cleared: nothing of the screen before shows through
            self.g.see(lambda shot: shot.getextrema() == colour, f"{screen} cleared after {self.left}", box=CORNER)
        self.left = screen
        if prints_nothing:  # no line of its own marks the end of its loading
            self.g.quiet(0.2)

    def selection(self):
        choose(self.g, middle(JOGAR), 1)
        self.arrive("selection", prints_nothing=True)

    def run(self, screens):
        g = self.g
        self.arrive("menu")
        if "howto" in screens:
            choose(g, middle(COMO_JOGAR), 2)
            self.arrive("howto")
            for _ in range(4):
                g.click(*middle(NEXT))
                g.expect("{},{}".format(*middle(NEXT)))
            self.arrive("menu")
        if "selection" in screens:
            self.selection()
            for level, picture in enumerate(PICTURES, start=1):  # a level whose picture is gone cannot start
                if picture in self.broken:
                    g.click(*picture_point(level), times=2)
            g.quiet(0.3)
            g.key("Escape")
            self.arrive("menu")
        for level in sorted(s for s in screens if isinstance(s, int) and PICTURES[s - 1] not in self.broken):
            self.level(level)
        choose(g, middle(SAIR), 3)
        assert g.wait_exit() == EXIT_STATUS, g.process.returncode
        g.quiet(0.1)

    def level(self, level):
        g, everything = self.g, list(range(1, 5 * level + 1))
        self.selection()
        point, since = picture_point(level), len(g.stderr_head)
        g.click(*point, times=2)  # the level answers the second press
        self.arrive(level)
        # Standard error names each picture that failed to load, in the order the level loads them.
        expected = [f for i in LOAD_ORDER[level] if (f := HIDDEN[i - 1]) in self.broken]
        named = lambda: [f for line in g.stderr_head[since:].decode().splitlines() for f in HIDDEN if line.endswith(f)]  # noqa: E731
        wait_for(lambda: len(named()) >= len(expected), 5, f"level {level}'s failed loads on standard error")
        assert named() == expected, f"level {level} loaded its hidden pictures out of order: {named()}"
        g.expect(press_line(level, point))
        if not self.damaged.keys() & {FUNDO, *LISTED}:  # what did load is drawn
            shown = [i for i in everything if HIDDEN[i - 1] not in self.broken]
            g.see(lambda shot: not level_problems(shot, level, shown, everything), f"level {level}'s first frame")
        for i in range(1, 6 if level == 1 else 2):  # all of level 1, the fish elsewhere
            point = object_point(level, i)
            g.click(*point)
            g.expect(press_line(level, point))
            if HIDDEN[i - 1] in self.broken:  # not found, and nothing after it can be
                g.quiet(0.2)
                break
            g.expect(f"Retirou {i}")
        else:
            if level == 1:  # won: "Sair" leads to the main menu
                self.arrive("won", prints_nothing=True)
                g.click(*middle(WON_SAIR))
                return self.arrive("menu")
        g.key("Escape")
        self.arrive("menu")


class AssetMatrixTest(unittest.TestCase):
    def test_rows(self):
        every_file = [({f: how}, (screens - {"menu", "won", "lost"}) | {1}) for f, screens in USES.items()
                      for how in ("remove", "truncate", "randomize")]
        for damages, screens in ROWS + every_file * LONG:
            with self.subTest(damages=damages):
                tour = Tour(damages)
                self.addCleanup(tour.g.close)
                tour.run(screens)
