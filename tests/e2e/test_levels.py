# The levels and the won screen, played through the real window.

import unittest

from harness import (COUNTDOWN, EXIT_STATUS, FUNDO, MIDDLE, RIGHT, Game, enter_level,
                     find, ink, inside, level_problems, level_shown, object_box, object_point, selection_shown,
                     similarity, wait_menu, win_level_1, won_shown)

ALL = [1, 2, 3, 4, 5]
SHOWN = 0.15  # from a press to the first frame that shows what it did


class LevelsTest(unittest.TestCase):
    def setUp(self):
        self.g = Game()
        self.addCleanup(self.g.close)

    def test_level_won_by_flicks_and_the_won_screen(self):
        g = self.g
        shot = enter_level(g, 1)
        g.screenshot(save_as="level1-start")
        self.assertEqual(level_problems(shot, 1, ALL, ALL), [])
        self.assertGreaterEqual(ink(shot, (730, 0, 800, 50), FUNDO, False), 15, "no countdown on the first frame")
        # While the fish is the target the anchor finds nothing, nor does the pixel right of
        # the fish; only the left button plays.
        for point, button in ((object_point(1, 2), 1), (object_point(1, 1, xs=[object_box(1, 1)[2]]), 1),
                              (object_point(1, 1), RIGHT), (object_point(1, 1), MIDDLE)):
            g.click(*point, button)
        g.expect("Pressed", "Pressed")
        g.quiet(0.3)
        # Each object flicked (pressed, released and left at once) is found where it was pressed, and
        # goes from the scene and the list in the next frame.
        self.assertLess(find(g, 1, 1, object_point(1, 1, xs=[object_box(1, 1)[0]]), flick=True), SHOWN)  # left edge
        self.assertEqual(level_problems(g.screenshot(), 1, ALL[1:], ALL[1:]), [])
        for i in (2, 3, 4, 5):
            self.assertLess(find(g, 1, i, flick=True), SHOWN, f"object {i} went late")
        g.see(won_shown, "the won screen")
        g.quiet(0.2)

        g.screenshot(save_as="won")
        # Between the choices no button counts, nor do keys.
        for button in (1, RIGHT, MIDDLE):
            g.click(400, 450, button)
        g.key("Escape")
        g.key("Return")
        g.quiet(0.3)
        self.assertTrue(won_shown(g.screenshot()), "the won screen went away")
        g.flick(390, 395, away=(400, 450))  # "Proximo nivel", flicked: the level selection
        g.see(selection_shown, "the level selection")
        g.quiet(0.2)
        win_level_1(g, from_menu=False)
        g.click(390, 497, RIGHT)  # any button picks "Sair": the main menu
        wait_menu(g)
        g.quiet(0.1)

    def test_escape_on_release_and_a_fresh_second_visit(self):
        g = self.g
        first = enter_level(g, 1)
        find(g, 1, 1)
        g.key(up=False)
        g.quiet(0.4)
        self.assertTrue(level_shown(g.screenshot()), "Escape's press left the level")
        g.key(down=False)
        wait_menu(g)
        shot = enter_level(g, 1)
        self.assertEqual(level_problems(shot, 1, ALL, ALL), [])
        self.assertGreater(similarity(shot, first, COUNTDOWN), 0.98, "the countdown does not start again from 60")
        find(g, 1, 1)
        g.close_button()
        self.assertEqual(g.wait_exit(2), EXIT_STATUS)
        g.quiet(0.1)

    def test_level2_first_frame(self):  # its objects, its list, and a countdown that starts as level 1's
        shot = enter_level(self.g, 2)
        self.g.screenshot(save_as="level2-start")
        self.assertEqual(level_problems(shot, 2, range(1, 11), range(1, 6)), [])
        self.g.key("Escape")
        self.assertGreater(similarity(enter_level(self.g, 1), shot, COUNTDOWN), 0.98, "level 2 starts at another time")

    def test_level3_prints_each_press(self):
        g = self.g
        shot = enter_level(g, 3)
        self.g.screenshot(save_as="level3-start")
        self.assertEqual(level_problems(shot, 3, range(1, 16), range(1, 6)), [])
        for point in ((512, 150), (0, 0), (799, 599)):  # beside every object
            self.assertFalse(any(inside(object_box(3, i), point) for i in range(1, 16)), point)
            g.click(*point)
            g.expect(f"{point[0]},{point[1]}")
        for i in range(1, 16):  # the horse (7) reaches past the right edge, the shell (10) past the bottom
            find(g, 3, i, flick=i in (7, 10))
        g.see(won_shown, "the won screen")
        g.close_button()
        self.assertEqual(g.wait_exit(2), EXIT_STATUS)
