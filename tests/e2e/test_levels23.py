"""Levels 2 and 3 won object by object, with objects on the window's edges."""

import unittest

from harness import (LISTED, Game, LevelChecks, enter_level, find, inside, load, next_level, object_boxes,
                     object_point, similarity, slot_box)


class Levels23Test(LevelChecks):

    def start(self, level):
        """The level's first frame, whose list shows objects 1 to 5."""
        self.g, self.level = Game(), level
        self.addCleanup(self.g.close)
        _, shot = enter_level(self.g, level)
        self.g.screenshot(save_as=f"level{level}-start")
        self.assert_list(shot, [1, 2, 3, 4, 5])
        return self.g, shot

    def test_level2_in_order_with_objects_on_the_edges(self):
        g, shot = self.start(2)
        self.assert_drawn(shot, range(1, 11))
        # The crab lies on the window's left edge (x = 0), the beehive on its top
        # edge (y = 0); the shell reaches past the bottom: its visible part counts.
        edges = {3: object_point(2, 3, xs=[0]), 9: object_point(2, 9, ys=[0])}
        for i in range(1, 11):
            find(g, 2, i, edges.get(i))
        next_level(g)

    def test_level3_prints_each_press_and_the_list_runs_out(self):
        g, _ = self.start(3)
        # A press beside every object prints only where it was.
        for point in ((512, 150), (0, 0), (799, 599)):
            self.assertFalse(any(inside(box, point) for box in object_boxes(3)), point)
            g.click(*point)
            g.expect(f"{point[0]},{point[1]}")
        g.expect_quiet(0.2)

        # Wrong position lines are gathered and reported last, so that they do not
        # hide how the rest of the level behaves.
        # The horse (7) reaches past the right edge, the shell (10) past the bottom.
        wrong = []
        for i in range(1, 16):
            point = object_point(3, i)
            g.click(*point)
            line, found = g.new_lines(2)
            if line != f"{point[0]},{point[1]}":
                wrong.append((point, line))
            self.assertEqual(found, f"Retirou {i}", f"a click at {point} on object {i}")
            if i in (10, 11):
                shot = g.wait_picture(lambda s: similarity(s.crop(slot_box(1)), load(LISTED[i])) > 0.9,
                                      f"object {i + 1} first on the list")
                g.screenshot(save_as=f"level3-after-{i}")
                self.assert_list(shot, list(range(i + 1, 16)))
        next_level(g)
        self.assertEqual(wrong, [], "(click, printed line) pairs that do not match")


if __name__ == "__main__":
    unittest.main()
