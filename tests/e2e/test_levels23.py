# Levels 2 and 3: their first frames, and level 3 won object by object, each
# press printed where it was, with objects past the window's edges.

import unittest

from harness import EXIT_STATUS, Game, enter_level, find, inside, level_problems, object_box


class Levels23Test(unittest.TestCase):
    def start(self, level):
        self.g = Game()
        self.addCleanup(self.g.close)
        shot = enter_level(self.g, level)
        self.g.screenshot(save_as=f"level{level}-start")
        self.assertEqual(level_problems(shot, level, range(1, 5 * level + 1), range(1, 6)), [])
        return self.g

    def test_level2_first_frame(self):
        self.start(2)

    def test_level3_prints_each_press(self):
        g = self.start(3)
        for point in ((512, 150), (0, 0), (799, 599)):  # beside every object
            self.assertFalse(any(inside(object_box(3, i), point) for i in range(1, 16)), point)
            g.click(*point)
            g.expect(f"{point[0]},{point[1]}")
        for i in range(1, 16):  # the horse (7) reaches past the right edge, the shell (10) past the bottom
            find(g, 3, i, flick=i in (7, 10))
        g.click(390, 497)  # "Sair" on the won screen
        g.close_button()
        self.assertEqual(g.wait_exit(2), EXIT_STATUS)


if __name__ == "__main__":
    unittest.main()
