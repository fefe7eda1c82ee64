"""Level 1 with its spyglass missing or damaged: one "Error" line, the level
runs without drawing it, and it cannot be found."""

import unittest

from harness import (FUNDO, HIDDEN, AssetTree, Game, LevelChecks, choose, enter_level, find, load, miss, object_point,
                     similarity, slot_box, wait_menu)

SPYGLASS = HIDDEN[4]


class BadAssetsTest(LevelChecks):

    def test_spyglass_missing_cut_short_or_random_bytes(self):
        for damage in ("remove", "truncate", "randomize"):
            with self.subTest(damage=damage):
                tree = AssetTree()
                getattr(tree, damage)(SPYGLASS)
                g = Game(tree)
                try:
                    self.play_level1_without_the_spyglass(g)
                finally:
                    g.close()

    def play_level1_without_the_spyglass(self, g):
        # The menu and the level selection print exactly their lines, the level one "Error".
        _, shot = enter_level(g, 1)
        g.expect("Error")
        g.expect_quiet(0.3)
        like_bare = self.look(shot, 5, [1, 2, 3, 4, 5])[2]
        self.assertGreater(like_bare, 0.9, "something is drawn where the spyglass would be")
        self.assert_list(shot, [1, 2, 3, 4, 5])  # its list picture is fine

        for i in (1, 2, 3, 4):
            find(g, 1, i)
        shot = g.wait_picture(lambda s: similarity(s, load(FUNDO), slot_box(2)) > 0.95, "slot 2 to empty")
        self.assert_list(shot, [5])
        miss(g, 1, object_point(1, 5))
        self.assertGreater(similarity(g.screenshot(), load(FUNDO)), 0.6, "the level ended")
        # Escape's release leaves for the main menu, which answers without an "Error".
        g.key("Escape")
        wait_menu(g)
        choose(g, (400, 250), 1)


if __name__ == "__main__":
    unittest.main()
