"""The how-to-play pages, reached from the main menu."""

import unittest

from harness import EXIT_STATUS, LEFT, MIDDLE, RIGHT, Game, count_pixels, load, similarity
from test_menus import is_black, is_red, wait_menu

PAGES = [f"Images/howtome{page}.png" for page in range(4)]
# Above "Next ->", where only the page shows.
PAGE_AREA = (0, 0, 800, 490)
# "Next ->" box as (left, top, right, bottom), right and bottom exclusive.
NEXT = (103, 510, 223, 557)


def page_shown(shot, page):
    """The page fills the window above "Next ->" and no other page fits better."""
    mine = similarity(shot, load(PAGES[page]), PAGE_AREA)
    if mine < 0.9:
        return False
    for other in range(len(PAGES)):
        if other != page and similarity(load(PAGES[other]), load(PAGES[page]), PAGE_AREA) < 0.99:
            if similarity(shot, load(PAGES[other]), PAGE_AREA) >= mine:
                return False
    return True


def next_colours(shot, page):
    """(red, black) pixels of "Next ->" drawn over the page."""
    return (count_pixels(shot, NEXT, is_red, load(PAGES[page])),
            count_pixels(shot, NEXT, is_black, load(PAGES[page])))


class HowToTest(unittest.TestCase):
    def setUp(self):
        self.g = Game()
        self.addCleanup(self.g.close)
        wait_menu(self.g)
        self.g.click(400, 330)
        self.g.expect("Pressed", "400 , 330", "2")
        self.wait_page(0)

    def wait_page(self, page):
        return self.g.wait_picture(lambda shot: page_shown(shot, page), f"how-to page {page}")

    def press(self, x, y, button=LEFT):
        """Every press prints where it happened."""
        self.g.click(x, y, button)
        line, = self.g.new_lines(1)
        with self.subTest(pointer=(x, y), button=button):
            self.assertEqual(line, f"{x},{y}")

    def test_pages_turn_only_on_left_presses_in_next(self):
        g = self.g
        g.screenshot(save_as="howto-0")
        red, black = next_colours(g.screenshot(), 0)
        self.assertEqual(red, 0, '"Next ->" red with the pointer away')
        self.assertGreaterEqual(black, 15, 'no black "Next ->"')
        g.hover(160, 530, lambda shot: next_colours(shot, 0)[0] >= 15, '"Next ->" red under the pointer')
        g.hover(300, 530, lambda shot: next_colours(shot, 0)[0] == 0, '"Next ->" black again')

        # Other buttons in the box, and left presses just outside each side.
        self.press(160, 530, RIGHT)
        self.press(222, 556, MIDDLE)
        for x, y in ((102, 530), (223, 530), (150, 509), (150, 557)):
            self.press(x, y)
        g.expect_quiet(0.2)
        self.assertTrue(page_shown(g.screenshot(), 0), "the page turned without a left press on \"Next ->\"")

        # Corners of the box belong to it.
        for page, (x, y) in enumerate(((103, 510), (222, 556), (150, 530)), start=1):
            self.press(x, y)
            self.wait_page(page)
            g.screenshot(save_as=f"howto-{page}")
        self.press(160, 530)
        wait_menu(g)
        g.click(300, 100)
        g.expect("Pressed", "300 , 100", "0")

    def test_escape_returns_to_the_menu(self):
        g = self.g
        self.press(180, 520)
        self.wait_page(1)
        self.press(180, 520)
        self.wait_page(2)
        g.key_down("Escape")
        wait_menu(g)
        g.key_up("Escape")
        g.click(300, 100)
        g.expect("Pressed", "300 , 100", "0")

    def test_close_button(self):
        self.g.close_button()
        self.assertEqual(self.g.wait_exit(), EXIT_STATUS)


if __name__ == "__main__":
    unittest.main()
