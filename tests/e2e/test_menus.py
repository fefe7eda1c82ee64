# The main menu, the level selection and the how-to pages through the real window.

import unittest

from PIL import Image
from Xlib import X

from harness import (COMO_JOGAR, EXIT_STATUS, FUNDO, JOGAR, LEVEL_PICTURES, MENU_BACKGROUND, MIDDLE, NEXT, PAGES,
                     RIGHT, SAIR, SELECTION_BACKGROUND, Game, choose, composite, find, ink, level_shown, load,
                     menu_shown, middle, object_point, page_shown, picture_point, placed, selection_shown,
                     similarity, wait_menu)

CHOICES = (JOGAR, COMO_JOGAR, SAIR)
# A hover colour shows in the frames after the move, well before the still
# screen's refresh would show it anyway; a page turns in the next frame.
HOVER_SHOWN, TURNED = 0.3, 0.15
BOX = (0, 0, 100, 100)  # small, to be seen fast
# Left presses, slow or flicked away at once: (point, choice printed, screen it
# opens and Escape leaves). Off the boxes the menu starts over; the title's row
# also checks that a printed x is the pixel pressed.
PRESSES = [((x, 100), 0, None, False) for x in range(440, 451)] + [
    ((400, 370), 0, None, False), ((300, 100), 0, None, True),
    ((447, 281), 1, selection_shown, False), ((400, 255), 1, selection_shown, True),
    ((299, 308), 2, page_shown(0), False), ((400, 335), 2, page_shown(0), True)]


def lit(box):  # the menu with only the choice in box red
    return lambda s: menu_shown(s) and all((ink(s, b, MENU_BACKGROUND, True) >= 15) == (b is box) for b in CHOICES)


def next_red(page, red=True):  # the page with "Next ->" written in red (or black)
    return lambda s: page_shown(page)(s) and ink(s, NEXT, PAGES[page], red) >= 15 and \
        (red or ink(s, NEXT, PAGES[page], True) == 0)


class MenusTest(unittest.TestCase):
    def setUp(self):
        self.g = Game()
        self.addCleanup(self.g.close)
        wait_menu(self.g)

    def test_presses_slow_and_flicked_then_sair(self):
        for point, choice, screen, flick in PRESSES:
            choose(self.g, point, choice, flick)
            if screen:
                self.g.see(screen, f"the screen of choice {choice}")
                self.g.key("Escape")
                wait_menu(self.g)
        choose(self.g, middle(SAIR), 3, flick=True)
        self.assertEqual(self.g.wait_exit(), EXIT_STATUS)
        self.g.quiet(0.1)

    def test_hover_colours_and_what_does_nothing(self):
        g = self.g
        self.assertTrue(lit(None)(g.screenshot(save_as="menu")))
        for point, box in [(middle(b), b) for b in CHOICES] + [((400, 370), None)]:
            g.move(*point)
            g.see(lit(box), f"the colours with the pointer at {point}", HOVER_SHOWN)
        # In and out of "Como Jogar" faster than a frame: the last move decides.
        for end, box in [((400, 335), COMO_JOGAR), ((400, 200), None)] * 5:
            g.sweep([(400, 335), (400, 200), (400, 335), (400, 295), (400, 335), end])
            g.see(lit(box), f"the colours after a sweep ending at {end}", HOVER_SHOWN)
        for box in CHOICES:
            g.click(*middle(box), RIGHT)
            g.click(*middle(box), MIDDLE)
        g.key("Escape")
        g.key("Return")
        g.quiet(0.4)
        self.assertTrue(menu_shown(g.screenshot()), "the menu changed")
        choose(g, (300, 100), 0)

    def test_clicks_follow_the_stretched_picture(self):
        g = self.g
        # A window that keeps its pixels when resized hears no Expose as it shrinks: the resize
        # itself shows the picture stretched, in the next frame, shrunk or grown.
        g.window.change_attributes(bit_gravity=X.NorthWestGravity)
        for size in ((640, 480), (1600, 1200)):
            g.resize(*size)
            g.see(lambda s: similarity(s, load(MENU_BACKGROUND).resize(size, Image.NEAREST), BOX) > 0.9,
                  f"the menu stretched to {size}", box=BOX, interval=0.005)
            self.assertLessEqual(g.taken_at - g.sent_at, TURNED, f"the menu at {size} was shown late")
        for picture, (x, y) in ((load(MENU_BACKGROUND), (400, 250)),
                                (composite(load(SELECTION_BACKGROUND), LEVEL_PICTURES), picture_point(1)),
                                (load(FUNDO), object_point(1, 1))):
            g.see(lambda s: similarity(s, picture.resize((1600, 1200), Image.NEAREST)) > 0.5, "a stretched screen")
            g.flick(2 * x, 2 * y)
        g.expect("Pressed", "400 , 250", "1", "Pressed", "Retirou 1")  # "Jogar" at (400, 250) in the picture

    def test_the_x_server_going_away(self):  # the game ends at once, with one report naming the display
        self.g.end_x()
        self.assertEqual(self.g.wait_exit(2), 1)
        self.g.close()
        self.assertEqual(self.g.x_left(), [], "the X server's socket or lock file was left behind")
        reports = [line for line in self.g.stderr_head.decode().splitlines()
                   if self.g.display_name in line.replace('"', " ").split()]
        self.assertEqual(len(reports), 1, reports)

    def test_level_selection(self):
        g = self.g
        choose(g, middle(JOGAR), 1)
        g.see(selection_shown, "the level selection")
        g.screenshot(save_as="level-selection")
        # The first pixels right of and below a picture, and other buttons on it, start nothing.
        box = placed(*LEVEL_PICTURES[0])
        for point, button in (((box[2], 100), 1), ((400, box[3]), 1), (picture_point(2), RIGHT),
                              (picture_point(2), MIDDLE)):
            g.click(*point, button)
        g.quiet(0.3)
        self.assertTrue(selection_shown(g.screenshot()), "a press that should do nothing left the level selection")
        g.key(up=False)  # leaves on the press
        wait_menu(g)
        g.key(down=False)
        choose(g, middle(JOGAR), 1)
        g.see(selection_shown, "the level selection")
        g.click(*box[:2])  # a picture's top-left pixel is its own
        g.see(level_shown, "level 1")
        g.key("Escape")
        choose(g, middle(JOGAR), 1)
        g.see(selection_shown, "the level selection")
        g.flick(*picture_point(3), away=(20, 20))
        g.see(level_shown, "level 3 after a flick")
        find(g, 3, 1)
        g.close_button()
        self.assertEqual(g.wait_exit(2), EXIT_STATUS)
        g.quiet(0.1)

    def test_how_to_pages_colours_turns_and_leaving(self):
        g = self.g
        choose(g, middle(COMO_JOGAR), 2)
        g.see(next_red(0, False), '"Next ->" black on the first page')
        g.screenshot(save_as="howto-0")
        for point, red in (((160, 530), True), ((300, 530), False)):
            g.move(*point)
            g.see(next_red(0, red), f'"Next ->" with the pointer at {point}', HOVER_SHOWN)
        # In and out faster than a frame: the last move decides.
        for end, red in [((160, 530), True), ((160, 580), False)] * 5:
            g.sweep([(160, 530), (160, 580), (160, 530), (300, 530), (160, 530), end])
            g.see(next_red(0, red), f'"Next ->" after a sweep ending at {end}', HOVER_SHOWN)
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
            self.assertLess(g.taken_at - g.sent_at, TURNED, f"page {page} turned late")
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
