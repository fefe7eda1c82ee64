"""Levels 2 and 3 won object by object, with objects on the window's edges."""

import unittest

from harness import Game, load, similarity
from test_level1 import (MENU_BACKGROUND, OBJECT, SELECTION_BACKGROUND, LevelChecks, clear_point,
                         enter_level, find, inside, rect, slot_box)


class Levels23Test(LevelChecks):

    def setUp(self):
        self.g = Game()
        self.addCleanup(self.g.close)

    def won(self):
        """The won screen: "Proximo nivel" silently leads to the level selection."""
        self.g.wait_background(MENU_BACKGROUND)
        self.g.click(390, 393)
        self.g.wait_background(SELECTION_BACKGROUND)
        self.g.expect_quiet(0.2)

    def test_level2_in_order_with_objects_on_the_edges(self):
        self.level = 2
        g = self.g
        _, shot = enter_level(g, 2)
        g.screenshot(save_as="level2-start")
        self.assert_list(shot, [1, 2, 3, 4, 5])
        for i in range(1, 11):
            self.assert_drawn(shot, i, range(1, 11))
        # The crab lies on the window's left edge (x = 0), the beehive on its top
        # edge (y = 0); the shell reaches past the bottom: its visible part counts.
        edges = {3: clear_point(2, 3, xs=[0]), 9: clear_point(2, 9, ys=[0])}
        for i in range(1, 11):
            find(g, 2, i, edges.get(i))
        self.won()

    def test_level3_prints_each_press_and_the_list_runs_out(self):
        self.level = 3
        g = self.g
        _, shot = enter_level(g, 3)
        g.screenshot(save_as="level3-start")
        self.assert_list(shot, [1, 2, 3, 4, 5])
        # A press beside every object prints only where it was.
        for point in ((512, 150), (0, 0), (799, 599)):
            self.assertFalse(any(inside(rect(3, i), point) for i in range(1, 16)), point)
            g.click(*point)
            g.expect(f"{point[0]},{point[1]}")
        g.expect_quiet(0.2)

        # Wrong position lines are gathered and reported last, so that they do not
        # hide how the rest of the level behaves.
        # The horse (7) reaches past the right edge, the shell (10) past the bottom.
        wrong = []
        for i in range(1, 16):
            point = clear_point(3, i)
            g.click(*point)
            line, found = g.new_lines(2)
            if line != f"{point[0]},{point[1]}":
                wrong.append((point, line))
            self.assertEqual(found, f"Retirou {i}", f"a click at {point} on object {i}")
            if i in (10, 11):
                remaining = list(range(i + 1, 16))
                shot = g.wait_picture(lambda s: similarity(s.crop(slot_box(1)),
                                                           load(OBJECT[i + 1][1])) > 0.9,
                                      f"object {i + 1} first on the list")
                g.screenshot(save_as=f"level3-after-{i}")
                self.assert_list(shot, remaining)
        self.won()
        self.assertEqual(wrong, [], "(click, printed line) pairs that do not match")


if __name__ == "__main__":
    unittest.main()
