# Level 1 left alone: the countdown moves, and after 60 seconds the lost screen,
# repaired when another window has covered it, leads back to the main menu.
# The one minute of the suite: other cases that need a level's time ride along.

import time
import unittest

from harness import (CORNER, EXIT_STATUS, MENU_BACKGROUND, Game, corner, enter_level, lost_shown, menu_shown,
                     similarity)

NUMBER = (730, 0, 800, 50)  # the countdown's digits
TITLE = (100, 40, 700, 200)  # "Perdeu :/"


class TimeOutTest(unittest.TestCase):
    def test_countdown_repair_and_time_out(self):
        g = Game()
        self.addCleanup(g.close)
        enter_level(g, 1)
        # The level's clock starts when the press that opens it is handled, before its pictures load: measured
        # from that press, a slow load cannot shorten the minute seen here.
        started = g.sent_at
        # The digits change within two seconds (one step each second).
        before = g.screenshot()
        time.sleep(2.0)
        self.assertLess(similarity(g.screenshot(), before, NUMBER), 0.95, "the countdown does not move")
        # Nothing is printed while the time runs; the lost screen comes a minute after the press,
        # each second measured from the last step (screenshots as fast as they come).
        g.quiet(59.8 - (time.monotonic() - started))
        g.see(corner(MENU_BACKGROUND), "the lost screen's first frame", 1, CORNER, 0.002)
        elapsed = g.taken_at - started
        print(f"lost screen {elapsed:.3f} s after the press, level shown after {g.entered - started:.3f} s")
        self.assertTrue(60.0 <= elapsed <= 60.2, elapsed)
        lost = g.see(lost_shown, "the lost screen")
        g.quiet(0.2)
        # Another window covers the still lost screen and goes: the picture is whole again at once (timed on
        # small screenshots, which a busy machine still takes as fast as they come).
        for _ in range(3):
            gone = g.cover(0.3)
            g.see(corner(MENU_BACKGROUND), "the picture repaired", 2, CORNER, 0.002)
            self.assertLessEqual(g.taken_at - gone, 0.15, "the uncovered picture came back late")
            g.see(lambda s: similarity(s, lost) > 0.98, "the whole picture repaired", 2)
        # Where the won screen has "Sair" nothing happens; "Voltar ao menu principal"
        # flicked leads to the main menu.
        g.click(390, 497)
        g.quiet(0.3)
        self.assertGreater(similarity(g.screenshot(), lost, TITLE), 0.98, "the lost screen went away")
        g.flick(390, 395, away=(390, 497))
        g.see(menu_shown, "the main menu")
        g.quiet(0.1)
        g.close_button()
        self.assertEqual(g.wait_exit(2), EXIT_STATUS)
        g.quiet(0.1)
