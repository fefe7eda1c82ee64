"""The main menu and the level selection, played through the real window."""

import unittest

from PIL import Image

from harness import (COMO_JOGAR, EXIT_STATUS, FUNDO, JOGAR, MENU_BACKGROUND, MIDDLE, RIGHT, SAIR, Game,
                     black_text, choose, clear_point, enter_level, find, load, menu_shown, object_point,
                     open_level_selection, picture_boxes, picture_point, red_text, selection_picture,
                     selection_shown, similarity, wait_menu)

CHOICES = (JOGAR, COMO_JOGAR, SAIR)


def doubled(picture):
    return picture.resize((picture.width * 2, picture.height * 2), Image.NEAREST)


class MenusTest(unittest.TestCase):
    def setUp(self):
        self.g = Game()
        self.addCleanup(self.g.close)
        wait_menu(self.g)

    def test_printed_position_is_the_pixel_under_the_pointer(self):
        # At 800x600 scene and window pixels are the same: every pixel of a
        # row and of a column across the title must come back unchanged.
        for point in [(x, 100) for x in range(440, 451)] + [(300, y) for y in range(80, 92)]:
            choose(self.g, point, 0)

    def test_left_press_picks_the_box_under_the_pointer(self):
        g = self.g
        # The title, the gap between rows and the first pixel outside every
        # side of every box choose nothing, and the menu starts over: the next
        # press is answered again.
        for point in ((300, 100), (400, 370),
                      (344, 255), (448, 255), (400, 229), (400, 282),
                      (298, 330), (506, 330), (400, 307), (400, 361),
                      (355, 410), (430, 410), (390, 388), (390, 434)):
            choose(g, point, 0)
        # Corner pixels of the boxes belong to them.
        def howto(shot):
            return similarity(shot, load("Images/howtome0.png"), (0, 0, 800, 480)) > 0.8
        for point, choice, shown in (((345, 230), 1, selection_shown), ((447, 281), 1, selection_shown),
                                     ((299, 308), 2, howto), ((505, 360), 2, howto)):
            choose(g, point, choice)
            g.wait_picture(shown, f"the screen of choice {choice}")
            g.key("Escape")
            wait_menu(g)
        choose(g, (429, 433), 3)
        self.assertEqual(g.wait_exit(), EXIT_STATUS)

    def assert_lit(self, shot, lit=None):
        """The choice lit (if any) is red, every other choice black."""
        for box in CHOICES:
            if box is not lit:
                self.assertEqual(red_text(shot, box), 0, f"{box} red while the pointer is in {lit}")
                self.assertGreaterEqual(black_text(shot, box), 15, f"no black text in {box}")

    def test_hover_colours_and_inputs_that_do_nothing(self):
        g = self.g
        self.assert_lit(g.screenshot(save_as="menu"))
        for (x, y), lit in (((400, 255), JOGAR), ((400, 335), COMO_JOGAR), ((390, 410), SAIR)):
            self.assert_lit(g.hover(x, y, lambda s: red_text(s, lit) >= 15, f"red text in {lit}"), lit)
            if lit is JOGAR:
                g.screenshot(save_as="menu-hover")
        # With the pointer between the rows, every choice is black again.
        self.assert_lit(g.hover(400, 370, lambda s: all(red_text(s, box) == 0 for box in CHOICES), "no red"))

        for x, y in ((400, 255), (400, 335), (390, 410)):
            g.click(x, y, RIGHT)
            g.click(x, y, MIDDLE)
        g.key("Escape")
        g.key("Return")
        g.expect_quiet(0.4)
        self.assertTrue(g.running(), "a right or middle press on Sair ended the game")
        self.assertTrue(menu_shown(g.screenshot()), "the menu changed")
        choose(g, (300, 100), 0)
        choose(g, (356, 389), 3)
        self.assertEqual(g.wait_exit(), EXIT_STATUS)

    def test_clicks_follow_the_stretched_picture(self):
        g = self.g
        g.resize(1600, 1200)
        menu, selection, level = doubled(load(MENU_BACKGROUND)), doubled(selection_picture()), doubled(load(FUNDO))
        g.wait_picture(lambda s: similarity(s, menu) > 0.5, "the stretched menu")
        # (800, 500) on the window is (400, 250) in the picture: "Jogar".
        g.click(800, 500)
        g.expect("Pressed", "400 , 250", "1")
        g.wait_picture(lambda s: similarity(s, selection) > 0.95, "the stretched level selection")
        x, y = picture_point(1)
        g.click(2 * x, 2 * y)
        g.wait_picture(lambda s: similarity(s, level) > 0.6, "level 1, stretched")
        x, y = object_point(1, 1)
        g.click(2 * x, 2 * y)
        g.expect("Pressed", "Retirou 1")

    def test_level_selection_picture_edges_other_buttons_and_escape(self):
        g = self.g
        open_level_selection(g)
        g.screenshot(save_as="level-selection")
        # Neither the first pixels right of and below the first picture nor
        # other buttons than the left on a picture start a level.
        boxes = picture_boxes()
        g.click(*clear_point(boxes, 0, xs=[boxes[0][2]]))
        g.click(*clear_point(boxes, 0, ys=[boxes[0][3]]))
        g.click(*picture_point(2), RIGHT)
        g.click(*picture_point(2), MIDDLE)
        g.expect_quiet(0.3)
        self.assertTrue(selection_shown(g.screenshot()), "a press that should do nothing left the level selection")
        # Escape works on the press, before any release.
        g.key_down("Escape")
        wait_menu(g)
        g.key_up("Escape")
        # The top-left pixel of the first picture belongs to it: level 1, where
        # the fish is the first object to find.
        enter_level(g, 1, point=boxes[0][:2])
        find(g, 1, 1)


if __name__ == "__main__":
    unittest.main()
