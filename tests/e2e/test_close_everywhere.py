"""The close button ends the game on every screen, and input queued across a
change of screen is handled by the screen that reads it."""

import unittest

from harness import (COMO_JOGAR, EXIT_STATUS, FUNDO, JOGAR, LONG, MENU_BACKGROUND, NEXT, Game, choose, find, middle,
                     object_point, open_level_selection, picture_point, press_line, win_level_1)


class CloseEverywhereTest(unittest.TestCase):
    def setUp(self):
        self.start()

    def start(self):
        self.g = Game()
        self.addCleanup(self.g.close)
        return self.g

    def assert_closes(self, then_nothing=True):
        self.g.close_button()
        self.assertEqual(self.g.wait_exit(timeout=1.0), EXIT_STATUS)
        if then_nothing:
            self.g.expect_quiet(0.1)

    def enter_level(self, level):
        """From the main menu; the level answers the second press."""
        point = picture_point(level)
        open_level_selection(self.g)
        self.g.double_click(*point)
        self.g.expect(press_line(level, point))

    def test_main_menu(self):
        choose(self.g, (300, 100), 0)  # the menu answers, and starts over
        self.assert_closes()

    def test_level_selection(self):
        open_level_selection(self.g)
        self.assert_closes()

    def test_how_to_play_second_page(self):
        choose(self.g, middle(COMO_JOGAR), 2)
        self.g.click(*middle(NEXT))
        self.g.expect("{},{}".format(*middle(NEXT)))
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
        find(self.g, 3, 1)
        self.assert_closes()

    def test_won_screen(self):
        win_level_1(self.g)
        self.assert_closes()

    @unittest.skipUnless(LONG, "long run: SUNKEN_LONG=1")
    def test_long_lost_screen(self):
        self.enter_level(1)
        # The level first: until it draws, the level selection passes for the lost screen's background.
        self.g.wait_background(FUNDO)
        self.g.wait_background(MENU_BACKGROUND, timeout=70)  # after the 60 seconds
        self.assert_closes()

    def test_presses_queued_across_a_change_of_screen(self):
        g = self.g
        # Both presses on "Como Jogar": the menu returns on the first, the how-to
        # pages read the second, outside "Next ->", so still four turns to go.
        x, y = middle(COMO_JOGAR)
        g.double_click(x, y)
        g.expect("Pressed", f"{x} , {y}", "2", f"{x},{y}")
        for _ in range(4):
            g.click(*middle(NEXT))
            g.expect("{},{}".format(*middle(NEXT)))
        # Escape released leaves a level at once: the press right behind it is the menu's.
        self.enter_level(2)
        g.key("Escape")
        choose(g, middle(JOGAR), 1)
        self.assert_closes()

    def test_close_queued_behind_a_press(self):
        g = self.g
        with self.subTest("Jogar in the main menu, the close in the level selection"):
            g.click(*middle(JOGAR))
            self.assert_closes(then_nothing=False)
            g.expect("Pressed", "{} , {}".format(*middle(JOGAR)), "1")
            g.expect_quiet(0.1)
        with self.subTest("a level's picture, the close in the level"):
            g = self.start()
            open_level_selection(g)
            g.click(*picture_point(1))
            self.assert_closes()
        with self.subTest("the last find, the close in level 1 or the won screen"):
            g = self.start()
            self.enter_level(1)
            for i in range(1, 5):
                find(g, 1, i)
            g.click(*object_point(1, 5))
            self.assert_closes(then_nothing=False)
            g.expect("Pressed", "Retirou 5")
            g.expect_quiet(0.1)


if __name__ == "__main__":
    unittest.main()
