# The how-to-play pages, reached from the main menu.

import unittest

from harness import COMO_JOGAR, EXIT_STATUS, MIDDLE, NEXT, PAGES, RIGHT, Game, choose, ink, middle, page_shown, wait_menu


def next_red(page, red=True):  # the page with "Next ->" written in red (or black)
    return lambda s: page_shown(page)(s) and ink(s, NEXT, PAGES[page], red) >= 15 and \
        (red or ink(s, NEXT, PAGES[page], True) == 0)


class HowToTest(unittest.TestCase):
    def test_pages_colours_turns_and_leaving(self):
        g = Game()
        self.addCleanup(g.close)
        wait_menu(g)
        choose(g, middle(COMO_JOGAR), 2)
        g.see(next_red(0, False), '"Next ->" black on the first page')
        g.screenshot(save_as="howto-0")
        for point, red in (((160, 530), True), ((300, 530), False)):
            g.move(*point)
            g.see(next_red(0, red), f'"Next ->" with the pointer at {point}')
        # In and out faster than a frame: the last move decides.
        for end, red in [((160, 530), True), ((160, 580), False)] * 5:
            g.sweep([(160, 530), (160, 580), (160, 530), (300, 530), (160, 530), end])
            g.see(next_red(0, red), f'"Next ->" after a sweep ending at {end}')
        # Every press prints where it was; only a left one in "Next ->" turns the page, slow or flicked.
        for x, y, button in ((160, 530, RIGHT), (200, 540, MIDDLE), (300, 530, 1)):
            g.click(x, y, button)
            g.expect(f"{x},{y}")
        g.key("Return")  # nor does any key but Escape
        g.key("a")
        g.quiet(0.2)
        self.assertTrue(page_shown(0)(g.screenshot()), "the page turned without a left press on \"Next ->\"")
        for page in (1, 2, 3, 4):
            (g.flick if page == 2 else g.click)(*middle(NEXT))
            g.expect("{},{}".format(*middle(NEXT)))
            g.see(page_shown(page), f"how-to page {page}") if page < 4 else wait_menu(g)  # past the last: the menu
        # Escape leaves on its press; the close button ends the game on a later page.
        choose(g, middle(COMO_JOGAR), 2)
        g.key(up=False)
        wait_menu(g)
        g.key(down=False)
        choose(g, middle(COMO_JOGAR), 2)
        g.click(*NEXT[:2])
        g.expect("{},{}".format(*NEXT[:2]))
        g.see(page_shown(1), "how-to page 1")
        g.close_button()
        self.assertEqual(g.wait_exit(2), EXIT_STATUS)
        g.quiet(0.1)


if __name__ == "__main__":
    unittest.main()
