"""Missing and damaged files: every screen that uses the file is visited, each
file that fails to load prints one "Error" as its screen loads it, and the
game plays on without it and ends normally.

SUNKEN_LONG=1 also damages every file both ways and waits for the lost screen."""

import time
import unittest

from PIL import Image

from harness import (COMO_JOGAR, EXIT_STATUS, FONT, FUNDO, HIDDEN, JOGAR, LEVEL_PICTURES, LISTED, LONG,
                     MENU_BACKGROUND, MUSIC, NEXT, SAIR, SELECTION_BACKGROUND, WINDOW_SIZE, WON_SAIR, AssetTree,
                     Game, choose, middle, object_point, picture_point, press_line, similarity)

PICTURES = [relative for relative, _ in LEVEL_PICTURES]
ONE_OF_EACH_KIND = (FONT, MUSIC, HIDDEN[0], MENU_BACKGROUND)
LOST_BACK = (150, 395)  # the lost screen's way back, outside the main menu's boxes as the won screen's "Sair"


# What each screen loads with a report, every time it is entered.
REPORTED = {"menu": [MENU_BACKGROUND, FONT], "selection": [SELECTION_BACKGROUND, *PICTURES, FONT],
            "howto": ["Images/howtome0.png", FONT], "won": [FONT, MENU_BACKGROUND], "lost": [FONT, MENU_BACKGROUND],
            **{level: [FONT, FUNDO] + HIDDEN[:count] + LISTED[:count] for level, count in ((1, 5), (2, 10), (3, 15))}}
# Loaded without a report: the later how-to pages; the music plays under every screen.
SILENT = {"howto": [f"Images/howtome{page}.png" for page in (1, 2, 3)]}


def screens_using(relative):
    return {screen for screen, files in REPORTED.items()
            if relative in files or relative in SILENT.get(screen, []) or relative == MUSIC}


def still_loads(relative, damage):
    """Whether SFML accepts the damaged file. stb_image reads a BMP's pixel rows
    without checking for the end of the file, and FreeType reads a font's glyphs
    only when one is drawn, so BMPs and fonts cut to a third still load; a cut
    PNG ends inside its compressed data, and random bytes are no format at all."""
    return damage == "truncate" and relative.endswith((".bmp", ".ttf"))


class Tour:
    """Visits screens from the main menu and back, reading each screen's
    "Error" lines as it is entered, and ends with "Sair"."""

    def __init__(self, game, broken):
        self.g, self.broken = game, set(broken)

    def arrive(self, screen, prints_nothing=False, timeout=5.0):
        count = sum(relative in self.broken for relative in REPORTED[screen])
        self.g.expect(*["Error"] * count, timeout=timeout)
        if prints_nothing:  # no later line of its own marks the end of its loading
            self.g.expect_quiet(0.2)

    def selection(self):
        choose(self.g, middle(JOGAR), 1)
        self.arrive("selection", prints_nothing=True)

    def leave_result(self, screen, point, timeout=5.0):
        """Back to the main menu, which answers the second press with no choice."""
        self.arrive(screen, prints_nothing=True, timeout=timeout)
        self.g.double_click(*point)
        self.arrive("menu")
        self.g.expect("Pressed", f"{point[0]} , {point[1]}", "0")
        self.arrive("menu")

    def run(self, screens, linger_until=0.0):
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
            # A level whose picture did not load cannot be chosen.
            for level, picture in enumerate(PICTURES, start=1):
                if picture in self.broken:
                    g.double_click(*picture_point(level))
            g.expect_quiet(0.3)
            g.key("Escape")
            self.arrive("menu")
        for level in (1, 2, 3):
            if level in screens or level == 1 and "won" in screens:
                self.level(level)
        while time.monotonic() < linger_until:
            choose(g, (300, 100), 0)  # no choice: the menu starts over
            self.arrive("menu")
            time.sleep(0.5)
        choose(g, middle(SAIR), 3)
        if g.wait_exit() != EXIT_STATUS:
            raise AssertionError(f"ended with status {g.process.returncode}")
        g.expect_quiet(0.1)

    def level(self, level):
        g = self.g
        if PICTURES[level - 1] in self.broken:
            return  # unreachable, as the level selection shows
        self.selection()
        point = picture_point(level)
        g.double_click(*point)
        self.arrive(level)
        g.expect(press_line(level, point))
        if set(REPORTED[level]) <= self.broken:  # nothing of its own to draw: a white window
            white = Image.new("RGB", WINDOW_SIZE, (255, 255, 255))
            g.wait_picture(lambda shot: similarity(shot, white) > 0.99, f"level {level} all white")
        for i in range(1, 6 if level == 1 else 2):  # all of level 1, the fish elsewhere
            point = object_point(level, i)
            g.click(*point)
            g.expect(press_line(level, point))
            if HIDDEN[i - 1] in self.broken:
                break  # not found, and nothing after it can be
            g.expect(f"Retirou {i}")
        else:
            if level == 1:
                return self.leave_result("won", middle(WON_SAIR))
        g.key("Escape")
        self.arrive("menu")


class AssetMatrixTest(unittest.TestCase):
    def tour(self, tree, broken, screens, linger=0.0):
        game = Game(tree)
        try:
            Tour(game, broken).run(screens, time.monotonic() + linger)
        finally:
            game.close()

    def damaged(self, files, damages):
        """Each file damaged each way in turn: tours of the screens that use it."""
        for relative in files:
            for damage in damages:
                with self.subTest(relative=relative, damage=damage):
                    tree = AssetTree()
                    getattr(tree, damage)(relative)
                    broken = [] if still_loads(relative, damage) else [relative]
                    self.tour(tree, broken, screens_using(relative))

    def test_each_file_missing(self):
        files = AssetTree.all_assets()
        self.assertEqual([f for f in files if not screens_using(f)], [], "files no screen loads")
        self.damaged(files, ["remove"])

    def test_one_file_of_each_kind_damaged(self):
        self.damaged(ONE_OF_EACH_KIND, ["truncate", "randomize"])

    def test_missing_folders_leave_the_fixed_boxes_working(self):
        for folders in (["Images"], ["Fonts", "Images", "Sounds"]):
            with self.subTest(missing=folders):
                tree = AssetTree()
                for folder in folders:
                    tree.remove(folder)
                broken = [f for f in AssetTree.all_assets() if f.split("/")[0] in folders]
                self.tour(tree, broken, {"howto", "selection"})

    def test_levels_and_won_screen_with_everything_of_theirs_missing(self):
        everything = AssetTree.all_assets()
        with self.subTest("levels with only the selection's pictures"):
            broken = set(everything) - set(PICTURES)
            self.tour(AssetTree(keep=PICTURES), broken, {1, 2, 3})
        with self.subTest("won screen without the font and the menu background"):
            broken = {FONT, MENU_BACKGROUND}
            self.tour(AssetTree(keep=set(everything) - broken), broken, {"won"})

    @unittest.skipUnless(LONG, "long run: SUNKEN_LONG=1")
    def test_long_every_file_damaged(self):
        self.damaged([f for f in AssetTree.all_assets() if f not in ONE_OF_EACH_KIND], ["truncate", "randomize"])

    @unittest.skipUnless(LONG, "long run: SUNKEN_LONG=1")
    def test_long_cut_music_plays_past_its_end(self):
        # Cut to a third, the music still opens and lasts about 21 s; it starts
        # over while the menu keeps answering.
        tree = AssetTree()
        tree.truncate(MUSIC)
        self.tour(tree, [], {"menu"}, linger=25)

    @unittest.skipUnless(LONG, "long run: SUNKEN_LONG=1")
    def test_long_lost_screen_without_the_font_and_the_menu_background(self):
        broken = {FONT, MENU_BACKGROUND}
        game = Game(AssetTree(keep=set(AssetTree.all_assets()) - broken))
        self.addCleanup(game.close)
        tour = Tour(game, broken)
        tour.arrive("menu")
        tour.selection()
        game.double_click(*picture_point(1))
        tour.arrive(1)
        game.expect("Pressed")
        tour.leave_result("lost", LOST_BACK, timeout=70)  # after the 60 seconds
        choose(game, middle(SAIR), 3)
        self.assertEqual(game.wait_exit(), EXIT_STATUS)


if __name__ == "__main__":
    unittest.main()
