"""The won screen, reached by winning level 1 through the menus."""

import unittest

from harness import (LEFT, MIDDLE, PROXIMO, RIGHT, WON_SAIR, Game, black_text, choose, next_level, red_text,
                     wait_menu, win_level_1, won_shown)


class WonScreenTest(unittest.TestCase):
    def test_choices_light_up_and_any_button_picks_them(self):
        g = Game()
        self.addCleanup(g.close)
        wait_menu(g)
        win_level_1(g)
        shot = g.hover(400, 450, lambda s: red_text(s, PROXIMO) + red_text(s, WON_SAIR) == 0,
                       "both choices black")
        g.screenshot(save_as="won")
        self.assertGreaterEqual(black_text(shot, PROXIMO), 15)
        self.assertGreaterEqual(black_text(shot, WON_SAIR), 15)
        g.hover(390, 395, lambda s: red_text(s, PROXIMO) >= 15 and red_text(s, WON_SAIR) == 0,
                '"Proximo nivel" red under the pointer')
        g.hover(390, 497, lambda s: red_text(s, WON_SAIR) >= 15 and red_text(s, PROXIMO) == 0,
                '"Sair" red under the pointer')

        # Between the choices no button counts; keys never do.
        for button in (LEFT, RIGHT, MIDDLE):
            g.click(400, 450, button)
        g.key("Escape")
        g.key("Return")
        g.expect_quiet(0.3)
        self.assertTrue(won_shown(g.screenshot()), "the won screen went away")

        # The middle button picks "Proximo nivel"; level 1 starts over there:
        # all five objects are found again, in order.
        next_level(g, MIDDLE)
        win_level_1(g, from_menu=False)
        g.click(390, 497, RIGHT)  # the right button picks "Sair": the main menu, which answers
        wait_menu(g)
        g.expect_quiet(0.1)
        choose(g, (300, 100), 0)


if __name__ == "__main__":
    unittest.main()
