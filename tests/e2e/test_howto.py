"""The how-to-play pages, reached from the main menu."""

import unittest

from harness import LEFT, MIDDLE, NEXT, RIGHT, Game, black_text, choose, load, red_text, similarity, wait_menu

PAGES = [f"Images/howtome{page}.png" for page in range(4)]
PAGE_AREA = (0, 0, 800, 490)  # above "Next ->", where only the page shows


def page_shown(shot, page):
    """The page fills the window above "Next ->" and fits it better than any other page."""
    scores = [similarity(shot, load(other), PAGE_AREA) for other in PAGES]
    return scores[page] >= 0.9 and all(score < scores[page] for k, score in enumerate(scores) if k != page)


def next_colours(shot, page):
    """(red, black) pixels of "Next ->" drawn over the page."""
    return red_text(shot, NEXT, PAGES[page]), black_text(shot, NEXT, PAGES[page])


class HowToTest(unittest.TestCase):
    def wait_page(self, page):
        return self.g.wait_picture(lambda shot: page_shown(shot, page), f"how-to page {page}")

    def press(self, x, y, button=LEFT):
        """Every press prints where it happened."""
        self.g.click(x, y, button)
        self.g.expect(f"{x},{y}")

    def test_pages_turn_only_on_left_presses_in_next_and_escape_leaves(self):
        g = self.g = Game()
        self.addCleanup(g.close)
        wait_menu(g)
        choose(g, (400, 330), 2)
        self.wait_page(0)
        red, black = next_colours(g.screenshot(save_as="howto-0"), 0)
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

        # Corners of the box belong to it. (That a fourth turn ends the pages
        # test_close_everywhere checks.)
        for page, (x, y) in enumerate(((103, 510), (222, 556), (150, 530)), start=1):
            self.press(x, y)
            self.wait_page(page)
            g.screenshot(save_as=f"howto-{page}")
        # Escape leaves the pages for the main menu on its press, before any release.
        g.key_down("Escape")
        wait_menu(g)
        g.key_up("Escape")
        choose(g, (300, 100), 0)


if __name__ == "__main__":
    unittest.main()
