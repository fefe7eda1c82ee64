"""The main menu and the level selection, played through the real window.

The screen helpers at the top are shared with test_howto and test_results."""

import unittest

from PIL import Image

from harness import (EXIT_STATUS, LEFT, MIDDLE, RIGHT, Game, composite_on, count_pixels,
                     free_point, load, picture_size, similarity)

MENU_BACKGROUND = "Images/fundo_inicio.bmp"
SELECTION_BACKGROUND = "Images/recortadas/inicio.bmp"
LEVEL_BACKGROUND = "Images/fundo.bmp"

# The choices' boxes as (left, top, right, bottom), right and bottom exclusive.
JOGAR = (345, 230, 448, 282)
COMO_JOGAR = (299, 308, 506, 361)
SAIR = (356, 389, 430, 434)
CHOICES = (JOGAR, COMO_JOGAR, SAIR)
# Where the won screen writes "Proximo nivel" and the main menu writes nothing.
PROXIMO_LEFT = (226, 376, 341, 412)

# The level selection's pictures, in level order.
PICTURES = (("Images/recortadas/hello.png", (300, 30)),
            ("Images/recortadas/uthere.png", (100, 220)),
            ("Images/recortadas/epic.png", (550, 310)))

# Level 1 in the order the objects must be found.
LEVEL1 = (("Images/peixinho_escondido.png", (750, 310)),
          ("Images/ancora_escondida.png", (145, 310)),
          ("Images/carangueijo_escondido.png", (285, 479)),
          ("Images/passaro_escondido.png", (350, 60)),
          ("Images/luneta_escondida.png", (240, 450)))


def is_red(pixel):
    return pixel[0] > 200 and pixel[1] < 60 and pixel[2] < 60


def is_black(pixel):
    return max(pixel) < 50


def red_text(shot, box):
    """Red pixels the game drew over the menu background in box."""
    return count_pixels(shot, box, is_red, load(MENU_BACKGROUND))


def black_text(shot, box):
    return count_pixels(shot, box, is_black, load(MENU_BACKGROUND))


def rect(relative, position):
    return position + picture_size(relative)


def menu_shown(shot):
    """The main menu: its background, a word in each choice's box and nothing
    where the won screen writes "Proximo nivel"."""
    return (similarity(shot, load(MENU_BACKGROUND)) > 0.5
            and all(red_text(shot, box) + black_text(shot, box) >= 15 for box in CHOICES)
            and red_text(shot, PROXIMO_LEFT) + black_text(shot, PROXIMO_LEFT) == 0)


def wait_menu(game):
    return game.wait_picture(menu_shown, "the main menu")


def selection_picture():
    picture = load(SELECTION_BACKGROUND)
    for relative, position in PICTURES:
        picture = composite_on(picture, relative, position)
    return picture


def selection_shown(shot, scale=1):
    reference = selection_picture()
    if scale != 1:
        reference = reference.resize((reference.width * scale, reference.height * scale), Image.NEAREST)
    return similarity(shot, reference) > 0.95


def level_shown(shot, scale=1):
    reference = load(LEVEL_BACKGROUND)
    if scale != 1:
        reference = reference.resize((reference.width * scale, reference.height * scale), Image.NEAREST)
    return similarity(shot, reference) > 0.6


def open_level_selection(game):
    """From the main menu, "Jogar"; returns once the level selection is drawn."""
    game.click(400, 250)
    game.expect("Pressed", "400 , 250", "1")
    return game.wait_picture(selection_shown, "the level selection")


def picture_point(index):
    """A point inside the level selection's picture index, outside the other two."""
    rects = [rect(*picture) for picture in PICTURES]
    return free_point(rects[index], rects[:index] + rects[index + 1:])


def fish_point():
    """Inside level 1's fish, outside its other objects."""
    rects = [rect(*thing) for thing in LEVEL1]
    return free_point(rects[0], rects[1:])


class MainMenuTest(unittest.TestCase):
    def setUp(self):
        self.g = Game()
        self.addCleanup(self.g.close)
        wait_menu(self.g)

    def choose(self, x, y, choice):
        self.g.click(x, y)
        pressed, position, chosen = self.g.new_lines(3)
        self.assertEqual((pressed, chosen), ("Pressed", str(choice)), f"press at ({x}, {y})")
        with self.subTest(pointer=(x, y)):
            self.assertEqual(position, f"{x} , {y}")

    def test_printed_position_is_the_pixel_under_the_pointer(self):
        # At 800x600 scene and window pixels are the same: every pixel of a
        # row and of a column across the title must come back unchanged.
        wrong = []
        for x, y in [(x, 100) for x in range(440, 451)] + [(300, y) for y in range(80, 92)]:
            self.g.click(x, y)
            pressed, position, chosen = self.g.new_lines(3)
            self.assertEqual((pressed, chosen), ("Pressed", "0"))
            if position != f"{x} , {y}":
                wrong.append(f"({x}, {y}) printed {position!r}")
        self.assertEqual(wrong, [])

    def test_left_press_picks_the_box_under_the_pointer(self):
        g = self.g
        # The title, the gap between rows and the first pixel outside every
        # side of every box choose nothing, and the menu starts over: the next
        # press is answered again.
        for x, y in ((300, 100), (400, 370),
                     (344, 255), (448, 255), (400, 229), (400, 282),
                     (298, 330), (506, 330), (400, 307), (400, 361),
                     (355, 410), (430, 410), (390, 388), (390, 434)):
            self.choose(x, y, 0)
        # Corner pixels of the boxes belong to them.
        for x, y in ((345, 230), (447, 281)):
            self.choose(x, y, 1)
            g.wait_picture(selection_shown, "the level selection")
            g.key("Escape")
            wait_menu(g)
        for x, y in ((299, 308), (505, 360)):
            self.choose(x, y, 2)
            g.wait_picture(lambda shot: similarity(shot, load("Images/howtome0.png"), (0, 0, 800, 480)) > 0.8,
                           "the first how-to page")
            g.key("Escape")
            wait_menu(g)
        self.choose(429, 433, 3)
        self.assertEqual(g.wait_exit(), EXIT_STATUS)

    def test_hover_colours_and_inputs_that_do_nothing(self):
        g = self.g
        shot = g.screenshot(save_as="menu")
        for box in CHOICES:
            self.assertEqual(red_text(shot, box), 0, f"red in {box} with the pointer away")
            self.assertGreaterEqual(black_text(shot, box), 15, f"no black text in {box}")

        for (x, y), lit in (((400, 255), JOGAR), ((400, 335), COMO_JOGAR), ((390, 410), SAIR)):
            shot = g.hover(x, y, lambda s: red_text(s, lit) >= 15, f"red text in {lit}")
            if lit is JOGAR:
                g.screenshot(save_as="menu-hover")
            for box in CHOICES:
                if box is not lit:
                    self.assertEqual(red_text(shot, box), 0, f"{box} red while the pointer is in {lit}")
                    self.assertGreaterEqual(black_text(shot, box), 15)

        g.hover(400, 370, lambda s: all(red_text(s, box) == 0 and black_text(s, box) >= 15 for box in CHOICES),
                "every choice black with the pointer between the rows")

        for x, y in ((400, 255), (400, 335), (390, 410)):
            g.click(x, y, RIGHT)
            g.click(x, y, MIDDLE)
        g.key("Escape")
        g.key("Return")
        g.expect_quiet(0.4)
        self.assertTrue(g.running(), "a right or middle press on Sair ended the game")
        self.assertTrue(menu_shown(g.screenshot()), "the menu changed")
        self.choose(300, 100, 0)
        self.choose(356, 389, 3)
        self.assertEqual(g.wait_exit(), EXIT_STATUS)

    def test_close_button(self):
        self.g.close_button()
        self.assertEqual(self.g.wait_exit(), EXIT_STATUS)
        self.assertEqual(self.g.lines, [])

    def test_clicks_follow_the_stretched_picture(self):
        g = self.g
        g.resize(1600, 1200)
        stretched = load(MENU_BACKGROUND).resize((1600, 1200), Image.NEAREST)
        g.wait_picture(lambda s: similarity(s, stretched) > 0.5, "the stretched menu")
        # (800, 500) on the window is (400, 250) in the picture: "Jogar".
        g.click(800, 500)
        g.expect("Pressed", "400 , 250", "1")
        g.wait_picture(lambda s: selection_shown(s, 2), "the stretched level selection")
        x, y = picture_point(0)
        g.click(2 * x, 2 * y)
        g.wait_picture(lambda s: level_shown(s, 2), "level 1, stretched")
        x, y = fish_point()
        g.click(2 * x, 2 * y)
        g.expect("Pressed", "Retirou 1")


class LevelSelectionTest(unittest.TestCase):
    def setUp(self):
        self.g = Game()
        self.addCleanup(self.g.close)
        wait_menu(self.g)

    def enter_level(self, point):
        self.g.click(*point)
        self.g.wait_picture(level_shown, "a level")

    def test_each_picture_starts_its_level(self):
        g = self.g
        open_level_selection(g)
        g.screenshot(save_as="level-selection")
        fish = fish_point()

        # The top-left pixel of the first picture belongs to it: level 1,
        # where the fish is the first object to find.
        self.enter_level(PICTURES[0][1])
        g.click(*fish)
        g.expect("Pressed", "Retirou 1")
        g.key_down("Escape")
        g.expect_quiet(0.3)
        self.assertTrue(level_shown(g.screenshot()), "Escape pressed left the level")
        g.key_up("Escape")
        wait_menu(g)

        # Level 2 answers "Pressed" but has no fish there.
        open_level_selection(g)
        g.click(*picture_point(1), RIGHT)
        g.click(*picture_point(1), MIDDLE)
        g.expect_quiet(0.3)
        self.assertTrue(selection_shown(g.screenshot()), "a right or middle press left the level selection")
        self.enter_level(picture_point(1))
        g.click(*fish)
        g.expect("Pressed")
        g.expect_quiet(0.3)
        g.key("Escape")
        wait_menu(g)

        # Level 3 answers with the pointer.
        open_level_selection(g)
        self.enter_level(picture_point(2))
        g.click(*fish)
        g.expect(f"{fish[0]},{fish[1]}")
        g.key("Escape")
        wait_menu(g)

    def test_picture_edges_and_escape(self):
        g = self.g
        open_level_selection(g)
        (x, y), (width, height) = PICTURES[0][1], picture_size(PICTURES[0][0])
        others = [rect(*picture) for picture in PICTURES[1:]]
        for point in ((x + width, y + height // 2), (x + width // 2, y + height)):
            if any(o[0] <= point[0] < o[0] + o[2] and o[1] <= point[1] < o[1] + o[3] for o in others):
                continue  # covered by another picture
            g.click(*point)
        g.expect_quiet(0.3)
        self.assertTrue(selection_shown(g.screenshot()), "a press just outside a picture started a level")
        # Escape works on the press, before any release.
        g.key_down("Escape")
        wait_menu(g)
        g.key_up("Escape")
        self.g.click(300, 100)
        self.g.expect("Pressed", "300 , 100", "0")

    def test_close_button(self):
        open_level_selection(self.g)
        self.g.close_button()
        self.assertEqual(self.g.wait_exit(), EXIT_STATUS)


if __name__ == "__main__":
    unittest.main()
