"""The won screen, reached by winning level 1 through the menus."""

import unittest

from harness import EXIT_STATUS, LEFT, MIDDLE, RIGHT, Game, free_point, load, similarity
from test_menus import (JOGAR, LEVEL1, MENU_BACKGROUND, black_text, level_shown,
                        open_level_selection, picture_point, rect, red_text, selection_shown,
                        wait_menu)

# The won screen's boxes as (left, top, right, bottom), right and bottom exclusive.
PROXIMO = (226, 376, 558, 412)
SAIR = (343, 485, 442, 511)


def ink(shot, box):
    return red_text(shot, box) + black_text(shot, box)


def won_shown(shot):
    """The menu background with both choices written where the main menu has
    nothing, and nothing where the main menu writes "Jogar"."""
    return (similarity(shot, load(MENU_BACKGROUND)) > 0.5
            and ink(shot, PROXIMO) >= 15 and ink(shot, SAIR) >= 15 and ink(shot, JOGAR) == 0)


def object_points():
    """Where to press for each object of level 1, in the order they are found:
    inside the object, outside the others if possible, else outside those
    still left to find."""
    rects = [rect(*thing) for thing in LEVEL1]
    points = []
    for index, target in enumerate(rects):
        try:
            points.append(free_point(target, rects[:index] + rects[index + 1:]))
        except AssertionError:
            points.append(free_point(target, rects[index + 1:]))
    return points


def win_level_1(game):
    """From the main menu to the won screen."""
    open_level_selection(game)
    game.click(*picture_point(0))
    game.wait_picture(level_shown, "level 1")
    for number, point in enumerate(object_points(), start=1):
        game.click(*point)
        game.expect("Pressed", f"Retirou {number}")
    return game.wait_picture(won_shown, "the won screen")


class WonScreenTest(unittest.TestCase):
    def setUp(self):
        self.g = Game()
        self.addCleanup(self.g.close)
        wait_menu(self.g)
        win_level_1(self.g)

    def assert_still_won(self):
        self.g.expect_quiet(0.3)
        self.assertTrue(won_shown(self.g.screenshot()), "the won screen went away")

    def test_next_level_then_sair_with_the_right_button(self):
        g = self.g
        shot = g.hover(400, 450, lambda s: red_text(s, PROXIMO) + red_text(s, SAIR) == 0,
                         "both choices black")
        g.screenshot(save_as="won")
        self.assertGreaterEqual(black_text(shot, PROXIMO), 15)
        self.assertGreaterEqual(black_text(shot, SAIR), 15)
        g.hover(390, 395, lambda s: red_text(s, PROXIMO) >= 15 and red_text(s, SAIR) == 0,
                '"Proximo nivel" red under the pointer')
        g.hover(390, 497, lambda s: red_text(s, SAIR) >= 15 and red_text(s, PROXIMO) == 0,
                '"Sair" red under the pointer')

        # Between the choices no button counts; keys never do.
        for button in (LEFT, RIGHT, MIDDLE):
            g.click(400, 450, button)
        g.key("Escape")
        g.key("Return")
        self.assert_still_won()

        g.click(390, 395)
        g.wait_picture(selection_shown, "the level selection")
        g.expect_quiet(0.1)
        # Level 1 starts over: all five objects are found again, in order.
        g.click(*picture_point(0))
        g.wait_picture(level_shown, "level 1")
        for number, point in enumerate(object_points(), start=1):
            g.click(*point)
            g.expect("Pressed", f"Retirou {number}")
        g.wait_picture(won_shown, "the won screen")

        g.click(390, 497, RIGHT)
        wait_menu(g)
        g.expect_quiet(0.1)
        g.click(300, 100)
        g.expect("Pressed", "300 , 100", "0")

    def test_round_trip_to_sair(self):
        g = self.g
        g.click(390, 395, MIDDLE)
        g.wait_picture(selection_shown, "the level selection")
        g.key("Escape")
        wait_menu(g)
        g.click(390, 410)
        g.expect("Pressed", "390 , 410", "3")
        self.assertEqual(g.wait_exit(), EXIT_STATUS)

    def test_close_button(self):
        self.g.close_button()
        self.assertEqual(self.g.wait_exit(), EXIT_STATUS)


if __name__ == "__main__":
    unittest.main()
