"""Level 1 left alone runs out of time after 60 seconds (the one long run of
the suite); the lost screen leads back to the menu, and the next visit has
the whole minute again."""

import time
import unittest

from harness import (COUNTDOWN_NUMBER, FUNDO, MENU_BACKGROUND, Game, LevelChecks, enter_level, find, load,
                     similarity, wait_menu)

TITLE = (100, 40, 700, 200)  # "Perdeu :/" on the lost screen


class TimeOutTest(LevelChecks):

    def test_lost_after_sixty_seconds_then_back_to_the_menu(self):
        g = Game()
        self.addCleanup(g.close)
        started, first = enter_level(g, 1)
        # Nothing is printed while the time runs; the level is still up near the end.
        g.expect_quiet(58.5 - (time.monotonic() - started))
        self.assertGreater(similarity(g.screenshot(), load(FUNDO)), 0.6, "the level ended early")
        self.assertLess(similarity(g.screenshot(), first, COUNTDOWN_NUMBER), 0.95,
                        "the countdown does not move")
        seen = []

        def lost_screen(shot):
            if similarity(shot, load(MENU_BACKGROUND)) > 0.6:
                seen.append(time.monotonic())
            return seen
        lost = g.wait_picture(lost_screen, "the lost screen", timeout=8)
        # started lies before the level began, so this is at least the level's time.
        elapsed = seen[0] - started
        print(f"lost screen {elapsed:.2f} s after the click that started the level")
        self.assertGreaterEqual(elapsed, 60.0)
        self.assertLessEqual(elapsed, 64.0)
        g.expect_quiet(0.2)

        # Neither the menu nor the won screen: where the won screen has "Sair" nothing
        # happens, nothing is printed ...
        g.click(390, 497)
        g.expect_quiet(0.3)
        self.assertGreater(similarity(g.screenshot(), lost, TITLE), 0.98, "the lost screen went away")
        # ... and "Voltar ao menu principal" leads to the main menu, which answers.
        g.click(390, 395)
        wait_menu(g)
        g.expect_quiet(0.1)

        # A new visit starts with a full minute and all five objects.
        _, shot = enter_level(g, 1)  # the main menu answers
        self.assertGreater(similarity(shot, first, COUNTDOWN_NUMBER), 0.98,
                           "the countdown does not start again from 60")
        self.assert_list(shot, [1, 2, 3, 4, 5])
        find(g, 1, 1)
        g.expect_quiet(0.5)
        self.assertGreater(similarity(g.screenshot(), load(FUNDO)), 0.6)


if __name__ == "__main__":
    unittest.main()
