"""Missing and damaged files: every screen that uses the file is visited, each
file that fails to load prints one "Error" as its screen loads it, and the
game plays on without it and ends normally.

SUNKEN_LONG=1 also damages every file both ways and waits for the lost screen."""

import os
import time
import unittest

from harness import EXIT_STATUS, AssetTree, Game

LONG = os.environ.get("SUNKEN_LONG") == "1"

FONT = "Fonts/PirataOne-Regular.ttf"
MUSIC = "Sounds/1.ogg"
MENU_BACKGROUND = "Images/fundo_inicio.bmp"
CUT = "Images/recortadas/"
# The level selection's pictures for levels 1 to 3, and a point inside each.
LEVEL_PICTURES = (CUT + "hello.png", CUT + "uthere.png", CUT + "epic.png")
LEVEL_POINTS = ((418, 114), (218, 304), (668, 394))
# The objects in id order: hidden picture in the scene, picture in the list.
HIDDEN = ["Images/peixinho_escondido.png", "Images/ancora_escondida.png",
          "Images/carangueijo_escondido.png", "Images/passaro_escondido.png",
          "Images/luneta_escondida.png"] + [
    CUT + name + "_e.png" for name in
    ("anzol", "cavalo1", "carta", "colmeia", "concha", "bola", "cd", "garrafa", "joaninha", "ossos")]
LISTED = [CUT + name + "_padrao.png" for name in
          ("peixe", "ancora", "carangueijo", "passaro", "luneta", "anzol", "cavalo", "carta",
           "colmeia", "concha", "bola", "cd", "garrafa", "joaninha", "ossos")]
# Inside each of level 1's objects, in the order they are found; inside the fish
# (always found first) in levels 2 and 3.
LEVEL1_OBJECTS = ((772, 323), (161, 331), (305, 493), (371, 72), (265, 458))
FISH = {2: (422, 333), 3: (522, 313)}

# Main menu boxes, how-to "Next ->", and the result screens' choices.
JOGAR, COMO_JOGAR, SAIR = (396, 255), (402, 334), (392, 411)
NEXT = (160, 533)
# Both outside the main menu's boxes.
WON_SAIR, LOST_BACK = (390, 497), (150, 395)


def level_files(count):
    return [FONT, "Images/fundo.bmp"] + HIDDEN[:count] + LISTED[:count]


# What each screen loads with a report, every time it is entered.
REPORTED = {
    "menu": [MENU_BACKGROUND, FONT],
    "selection": [CUT + "inicio.bmp", *LEVEL_PICTURES, FONT],
    "howto": ["Images/howtome0.png", FONT],
    1: level_files(5), 2: level_files(10), 3: level_files(15),
    "won": [FONT, MENU_BACKGROUND],
    "lost": [FONT, MENU_BACKGROUND],
}
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

    def choose(self, point, choice):
        self.g.click(*point)
        self.g.expect("Pressed", f"{point[0]} , {point[1]}", str(choice))

    def selection(self):
        self.choose(JOGAR, 1)
        self.arrive("selection", prints_nothing=True)

    def double_click(self, point):
        """Two presses in a row where the pointer is: one for this screen, and
        one whose answer shows that the next screen has taken over."""
        self.g.move(*point)
        for _ in range(2):
            self.g.press()
            self.g.release()

    def leave_result(self, screen, point, timeout=5.0):
        """Back to the main menu, which answers the second press with no choice."""
        self.arrive(screen, prints_nothing=True, timeout=timeout)
        self.double_click(point)
        self.arrive("menu")
        self.g.expect("Pressed", f"{point[0]} , {point[1]}", "0")
        self.arrive("menu")

    def run(self, screens, linger_until=0.0):
        g = self.g
        self.arrive("menu")
        if "howto" in screens:
            self.choose(COMO_JOGAR, 2)
            self.arrive("howto")
            for _ in range(4):
                g.click(*NEXT)
                g.expect(f"{NEXT[0]},{NEXT[1]}")
            self.arrive("menu")
        if "selection" in screens:
            self.selection()
            # A level whose picture did not load cannot be chosen.
            for level, picture in enumerate(LEVEL_PICTURES):
                if picture in self.broken:
                    self.double_click(LEVEL_POINTS[level])
            g.expect_quiet(0.3)
            g.key("Escape")
            self.arrive("menu")
        for level in (1, 2, 3):
            if level in screens or level == 1 and "won" in screens:
                self.level(level)
        while time.monotonic() < linger_until:
            self.choose((300, 100), 0)  # no choice: the menu starts over
            self.arrive("menu")
            time.sleep(0.5)
        self.choose(SAIR, 3)
        if g.wait_exit() != EXIT_STATUS:
            raise AssertionError(f"ended with status {g.process.returncode}")
        g.expect_quiet(0.1)

    def level(self, level):
        g = self.g
        if LEVEL_PICTURES[level - 1] in self.broken:
            return  # unreachable, as the level selection shows
        self.selection()
        x, y = LEVEL_POINTS[level - 1]
        self.double_click((x, y))
        self.arrive(level)
        pressed = "Pressed" if level < 3 else "{},{}"
        g.expect(pressed.format(x, y))
        found_all = True
        for number, point in enumerate(LEVEL1_OBJECTS if level == 1 else [FISH[level]], start=1):
            g.click(*point)
            g.expect(pressed.format(*point))
            if HIDDEN[number - 1] in self.broken:
                found_all = False  # not found, and nothing after it can be
                break
            g.expect(f"Retirou {number}")
        if level == 1 and found_all:
            self.leave_result("won", WON_SAIR)
        else:
            g.key("Escape")
            self.arrive("menu")


class AssetMatrixTest(unittest.TestCase):
    def tour(self, tree, broken, screens, linger=0.0):
        game = Game(tree)
        try:
            Tour(game, broken).run(screens, time.monotonic() + linger)
        finally:
            game.close()

    def damaged(self, relative, damage):
        tree = AssetTree()
        getattr(tree, damage)(relative)
        broken = [] if still_loads(relative, damage) else [relative]
        self.tour(tree, broken, screens_using(relative))

    def test_each_file_missing(self):
        files = AssetTree.all_assets()
        self.assertEqual([f for f in files if not screens_using(f)], [], "files no screen loads")
        for relative in files:
            with self.subTest(missing=relative):
                tree = AssetTree()
                tree.remove(relative)
                self.tour(tree, [relative], screens_using(relative))

    def test_one_file_of_each_kind_damaged(self):
        for relative in (FONT, MUSIC, HIDDEN[0], MENU_BACKGROUND):
            for damage in ("truncate", "randomize"):
                with self.subTest(relative=relative, damage=damage):
                    self.damaged(relative, damage)

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
            broken = set(everything) - set(LEVEL_PICTURES)
            self.tour(AssetTree(keep=LEVEL_PICTURES), broken, {1, 2, 3})
        with self.subTest("won screen without the font and the menu background"):
            broken = {FONT, MENU_BACKGROUND}
            self.tour(AssetTree(keep=set(everything) - broken), broken, {"won"})

    @unittest.skipUnless(LONG, "long run: SUNKEN_LONG=1")
    def test_long_every_file_damaged(self):
        for relative in AssetTree.all_assets():
            for damage in ("truncate", "randomize"):
                if relative not in (FONT, MUSIC, HIDDEN[0], MENU_BACKGROUND):
                    with self.subTest(relative=relative, damage=damage):
                        self.damaged(relative, damage)

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
        tour.double_click(LEVEL_POINTS[0])
        tour.arrive(1)
        game.expect("Pressed")
        tour.leave_result("lost", LOST_BACK, timeout=70)  # after the 60 seconds
        tour.choose(SAIR, 3)
        self.assertEqual(game.wait_exit(), EXIT_STATUS)


if __name__ == "__main__":
    unittest.main()
