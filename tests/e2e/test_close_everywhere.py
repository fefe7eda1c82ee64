"""The close button ends the game on every screen, and input queued across a
change of screen is handled by the screen that reads it."""

import unittest

from harness import EXIT_STATUS, Game
from test_asset_matrix import (COMO_JOGAR, JOGAR, LEVEL1_OBJECTS, LEVEL_POINTS, LONG,
                               MENU_BACKGROUND, NEXT, FISH, Tour)


class CloseEverywhereTest(unittest.TestCase):
    def setUp(self):
        self.start()

    def start(self):
        self.g = Game()
        self.addCleanup(self.g.close)
        self.tour = Tour(self.g, [])
        return self.g

    def assert_closes(self, then_nothing=True):
        self.g.close_button()
        self.assertEqual(self.g.wait_exit(timeout=1.0), EXIT_STATUS)
        if then_nothing:
            self.g.expect_quiet(0.1)

    def enter_level(self, level):
        """From the main menu; the level answers the second press."""
        x, y = LEVEL_POINTS[level - 1]
        self.tour.selection()
        self.tour.double_click((x, y))
        self.g.expect("Pressed" if level < 3 else f"{x},{y}")

    def test_main_menu(self):
        self.tour.choose((300, 100), 0)  # the menu answers, and starts over
        self.assert_closes()

    def test_level_selection(self):
        self.tour.selection()
        self.assert_closes()

    def test_how_to_play_second_page(self):
        self.tour.choose(COMO_JOGAR, 2)
        self.g.click(*NEXT)
        self.g.expect(f"{NEXT[0]},{NEXT[1]}")
        self.assert_closes()

    def test_levels_1_and_2(self):
        # One game each: the first close ends the game.
        self.enter_level(1)
        self.assert_closes()
        self.start()
        self.enter_level(2)
        self.assert_closes()

    def test_level_3_after_one_find(self):
        self.enter_level(3)
        self.g.click(*FISH[3])
        self.g.expect(f"{FISH[3][0]},{FISH[3][1]}", "Retirou 1")
        self.assert_closes()

    def test_won_screen(self):
        self.enter_level(1)
        for number, point in enumerate(LEVEL1_OBJECTS, start=1):
            self.g.click(*point)
            self.g.expect("Pressed", f"Retirou {number}")
        self.g.wait_background(MENU_BACKGROUND)
        self.assert_closes()

    @unittest.skipUnless(LONG, "long run: SUNKEN_LONG=1")
    def test_long_lost_screen(self):
        self.enter_level(1)
        self.g.wait_background(MENU_BACKGROUND, timeout=70)  # after the 60 seconds
        self.assert_closes()

    def test_presses_queued_across_a_change_of_screen(self):
        g = self.g
        # Both presses on "Como Jogar": the menu returns on the first, the how-to
        # pages read the second, outside "Next ->", so still four turns to go.
        g.move(*COMO_JOGAR)
        for _ in range(2):
            g.press()
            g.release()
        g.expect("Pressed", "{} , {}".format(*COMO_JOGAR), "2", "{},{}".format(*COMO_JOGAR))
        for _ in range(4):
            g.click(*NEXT)
            g.expect(f"{NEXT[0]},{NEXT[1]}")
        # Escape released leaves a level at once: the press right behind it is the menu's.
        self.enter_level(2)
        g.key("Escape")
        self.tour.choose(JOGAR, 1)
        self.assert_closes()

    def test_close_queued_behind_a_press(self):
        g = self.g
        with self.subTest("Jogar in the main menu, the close in the level selection"):
            g.click(*JOGAR)
            self.assert_closes(then_nothing=False)
            g.expect("Pressed", "{} , {}".format(*JOGAR), "1")
            g.expect_quiet(0.1)
        with self.subTest("a level's picture, the close in the level"):
            g = self.start()
            self.tour.selection()
            g.click(*LEVEL_POINTS[0])
            self.assert_closes()
        with self.subTest("the last find, the close in level 1 or the won screen"):
            g = self.start()
            self.enter_level(1)
            for number, point in enumerate(LEVEL1_OBJECTS, start=1):
                g.click(*point)
                if number < len(LEVEL1_OBJECTS):
                    g.expect("Pressed", f"Retirou {number}")
            self.assert_closes(then_nothing=False)
            g.expect("Pressed", "Retirou 5")
            g.expect_quiet(0.1)


if __name__ == "__main__":
    unittest.main()
