"""Levels with damaged or missing pictures: each failure prints one "Error"
line, the level still runs, and what could not be loaded cannot be found."""

import unittest

from PIL import Image

from harness import EXIT_STATUS, AssetTree, Game, load, similarity
from test_level1 import (FUNDO, MENU_BACKGROUND, LevelChecks, choose_level, clear_point, find,
                         menu_play, miss)

SPYGLASS = "Images/luneta_escondida.png"
NAVIGATION = ["Images/fundo_inicio.bmp", "Images/recortadas/inicio.bmp",
              "Images/recortadas/epic.png", "Images/recortadas/uthere.png",
              "Images/recortadas/hello.png"]


class BadAssetsTest(LevelChecks):

    def start(self, tree):
        self.g = Game(tree)
        self.addCleanup(self.g.close)
        return self.g

    def back_to_menu_and_close(self, reloaded_errors):
        """Escape's release leaves the level for a menu that answers, after
        reporting what it misses again; then the close button ends the program."""
        g = self.g
        g.key("Escape")
        g.wait_background(MENU_BACKGROUND)
        g.click(400, 250)
        lines = g.new_lines(3)
        errors = 0
        while lines[0] == "Error":
            errors += 1
            lines = lines[1:] + g.new_lines(1)
        self.assertEqual(lines, ["Pressed", "400 , 250", "1"])
        self.assertEqual(errors, reloaded_errors)
        g.close_button()
        self.assertEqual(g.wait_exit(2.0), EXIT_STATUS)

    def play_level1_without_the_spyglass(self, tree):
        g = self.start(tree)
        menu_play(g)  # expects exactly its three lines: no "Error" came before them
        g.expect_quiet(0.2)
        _, shot = choose_level(g, 1)
        g.expect("Error")
        g.expect_quiet(0.3)
        like_bare = self.look(shot, 5, [1, 2, 3, 4, 5])[2]
        self.assertGreater(like_bare, 0.9, "something is drawn where the spyglass would be")
        self.assert_list(shot, [1, 2, 3, 4, 5])  # its list picture is fine

        for i in (1, 2, 3, 4):
            find(g, 1, i)
        shot = g.wait_picture(lambda s: similarity(s, load(FUNDO), (430, 490, 480, 540)) > 0.95,
                              "slot 2 to empty")
        self.assert_list(shot, [5])
        miss(g, 1, clear_point(1, 5))
        self.assertGreater(similarity(g.screenshot(), load(FUNDO)), 0.6, "the level ended")
        self.back_to_menu_and_close(reloaded_errors=0)

    def test_spyglass_missing(self):
        tree = AssetTree()
        tree.remove(SPYGLASS)
        self.play_level1_without_the_spyglass(tree)

    def test_spyglass_cut_short(self):
        tree = AssetTree()
        tree.truncate(SPYGLASS, 1 / 3)
        self.play_level1_without_the_spyglass(tree)

    def test_spyglass_random_bytes(self):
        tree = AssetTree()
        tree.randomize(SPYGLASS)
        self.play_level1_without_the_spyglass(tree)

    def test_level3_with_nothing_of_its_own(self):
        g = self.start(AssetTree(keep=NAVIGATION))
        g.expect("Error")  # the menu's font
        g.expect_quiet(0.3)
        menu_play(g)
        # The selection's pictures are all there; its text widget loads the font too.
        g.expect("Error")
        choose_level(g, 3, wait=False)
        # The font, fundo.bmp, 15 hidden and 15 list pictures.
        g.expect(*["Error"] * 32)
        g.expect_quiet(0.3)
        white = Image.new("RGB", (800, 600), (255, 255, 255))
        self.assertGreater(similarity(g.screenshot(), white), 0.99, "the empty level is not white")
        g.click(512, 310)
        g.expect("512,310")
        g.expect_quiet(0.3)
        self.back_to_menu_and_close(reloaded_errors=1)  # the menu's font


if __name__ == "__main__":
    unittest.main()
