"""Level 1 played through the real window: the first frame, finding the five
objects in order, wrong clicks, the edges of the target and Escape."""

import unittest

from harness import (COUNTDOWN_NUMBER, FUNDO, MIDDLE, RIGHT, Game, LevelChecks, enter_level, find, load, miss,
                     next_level, object_boxes, object_point, similarity, visible, wait_menu)


class Level1Test(LevelChecks):

    def setUp(self):
        self.g = Game()
        self.addCleanup(self.g.close)

    def test_first_frame_wrong_clicks_and_the_five_in_order(self):
        g = self.g
        _, shot = enter_level(g, 1)
        g.screenshot(save_as="level1-start")
        everything = [1, 2, 3, 4, 5]
        self.assert_list(shot, everything)
        self.assert_drawn(shot, everything)

        # While the fish is the target the anchor finds nothing; only the left button plays.
        miss(g, 1, object_point(1, 2))
        miss(g, 1, object_point(1, 1), RIGHT)
        miss(g, 1, object_point(1, 1), MIDDLE)

        find(g, 1, 1)
        shot = g.wait_picture(lambda s: self.look(s, 1, everything)[2] > 0.95, "the fish to go")
        score = similarity(shot, load(FUNDO), visible(object_boxes(1)[0]))
        self.assertGreater(score, 0.97, f"the fish's place is not the bare background ({score:.2f})")
        self.assert_list(shot, [2, 3, 4, 5])
        self.assert_drawn(shot, [2, 3, 4, 5])

        for i in (2, 3, 4, 5):
            find(g, 1, i)
        next_level(g)

    def test_edges_of_the_target(self):
        g = self.g
        enter_level(g, 1)
        fish, anchor = object_boxes(1)[:2]
        miss(g, 1, object_point(1, 1, xs=[fish[2]]))  # just right of the fish
        miss(g, 1, object_point(1, 1, ys=[fish[3]]))  # just below it
        find(g, 1, 1, object_point(1, 1, xs=[fish[0]]))  # its left edge
        find(g, 1, 2, object_point(1, 2, ys=[anchor[1]]))  # the anchor's top edge

    def test_escape_on_release_and_a_fresh_second_visit(self):
        g = self.g
        _, first = enter_level(g, 1)
        find(g, 1, 1)
        g.key_down("Escape")
        g.expect_quiet(0.4)
        self.assertGreater(similarity(g.screenshot(), load(FUNDO)), 0.6, "Escape's press left the level")
        g.key_up("Escape")
        wait_menu(g)

        _, shot = enter_level(g, 1)  # the main menu answers
        self.assert_list(shot, [1, 2, 3, 4, 5])
        self.assert_drawn(shot, [1, 2, 3, 4, 5])
        self.assertGreater(similarity(shot, first, COUNTDOWN_NUMBER), 0.98,
                           "the countdown does not start again from 60")
        find(g, 1, 1)


if __name__ == "__main__":
    unittest.main()
