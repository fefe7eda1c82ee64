"""Level 1 played through the real window: the first frame, finding the five
objects in order, wrong clicks, the edges of the target, Escape and the close
button.

The level tables and helpers at the top are shared by test_levels23,
test_timeout and test_bad_assets."""

import time
import unittest

from PIL import ImageChops, ImageDraw

from harness import (EXIT_STATUS, MIDDLE, RIGHT, WINDOW_SIZE, Game, composite_on, load,
                     picture_size, similarity)

FUNDO = "Images/fundo.bmp"
MENU_BACKGROUND = "Images/fundo_inicio.bmp"
SELECTION_BACKGROUND = "Images/recortadas/inicio.bmp"
LEVEL_PICTURES = {1: ("Images/recortadas/hello.png", (300, 30)),
                  2: ("Images/recortadas/uthere.png", (100, 220)),
                  3: ("Images/recortadas/epic.png", (550, 310))}
SLOTS = [(370, 490), (430, 490), (490, 490), (560, 490), (630, 490)]
COUNTDOWN_AREA = (473, 0, 800, 50)  # "Tempo restante:" and the number
COUNTDOWN_NUMBER = (730, 0, 800, 50)

_R = "Images/recortadas/"
OBJECT = {  # id: (hidden picture, list picture)
    1: ("Images/peixinho_escondido.png", _R + "peixe_padrao.png"),
    2: ("Images/ancora_escondida.png", _R + "ancora_padrao.png"),
    3: ("Images/carangueijo_escondido.png", _R + "carangueijo_padrao.png"),
    4: ("Images/passaro_escondido.png", _R + "passaro_padrao.png"),
    5: ("Images/luneta_escondida.png", _R + "luneta_padrao.png"),
    6: (_R + "anzol_e.png", _R + "anzol_padrao.png"),
    7: (_R + "cavalo1_e.png", _R + "cavalo_padrao.png"),
    8: (_R + "carta_e.png", _R + "carta_padrao.png"),
    9: (_R + "colmeia_e.png", _R + "colmeia_padrao.png"),
    10: (_R + "concha_e.png", _R + "concha_padrao.png"),
    11: (_R + "bola_e.png", _R + "bola_padrao.png"),
    12: (_R + "cd_e.png", _R + "cd_padrao.png"),
    13: (_R + "garrafa_e.png", _R + "garrafa_padrao.png"),
    14: (_R + "joaninha_e.png", _R + "joaninha_padrao.png"),
    15: (_R + "ossos_e.png", _R + "ossos_padrao.png"),
}
POSITIONS = {  # level: top-left corners of objects 1, 2, 3, ...
    1: [(750, 310), (145, 310), (285, 479), (350, 60), (240, 450)],
    2: [(400, 320), (145, 310), (0, 310), (350, 60), (675, 386), (389, 200), (750, 310),
        (170, 55), (30, 0), (100, 580)],
    3: [(500, 300), (260, 430), (23, 90), (100, 525), (180, 427), (542, 431), (775, 45),
        (240, 450), (235, 190), (100, 579), (187, 200), (230, 51), (33, 227), (307, 494),
        (165, 15)],
}


def rect(level, i):
    """Object i's rectangle (left, top, right, bottom), right and bottom outside."""
    x, y = POSITIONS[level][i - 1]
    width, height = picture_size(OBJECT[i][0])
    return x, y, x + width, y + height


def visible(box):
    return max(box[0], 0), max(box[1], 0), min(box[2], WINDOW_SIZE[0]), min(box[3], WINDOW_SIZE[1])


def inside(box, point):
    return box[0] <= point[0] < box[2] and box[1] <= point[1] < box[3]


def clear_point(level, i, xs=None, ys=None):
    """A window point of object i's rectangle in no other object of the level,
    nearest its middle; xs / ys pin the columns / rows (an edge may lie outside)."""
    box = visible(rect(level, i))
    others = [rect(level, j) for j in range(1, len(POSITIONS[level]) + 1) if j != i]
    middle = ((box[0] + box[2]) / 2, (box[1] + box[3]) / 2)
    points = sorted(((x, y) for x in (xs or range(box[0], box[2]))
                     for y in (ys or range(box[1], box[3]))),
                    key=lambda p: (p[0] - middle[0]) ** 2 + (p[1] - middle[1]) ** 2)
    for point in points:
        if inside((0, 0) + WINDOW_SIZE, point) and not any(inside(o, point) for o in others):
            return point
    raise AssertionError(f"no point of object {i} of level {level} is clear of the others")


def press_line(level, point):
    """What a left press prints in a level: level 3 shows where it was."""
    return f"{point[0]},{point[1]}" if level == 3 else "Pressed"


def find(g, level, i, point=None):
    """A left click on object i, the current target, which must find it."""
    point = point or clear_point(level, i)
    g.click(*point)
    g.expect(press_line(level, point), f"Retirou {i}")


def miss(g, level, point, button=None):
    """A click that must find nothing (other buttons print nothing at all)."""
    if button is None:
        g.click(*point)
        g.expect(press_line(level, point))
    else:
        g.click(*point, button)
    g.expect_quiet(0.25)


def menu_play(g):
    """Clicks "Jogar", which must answer as the main menu does."""
    g.click(400, 250)
    g.expect("Pressed", "400 , 250", "1")
    return g.wait_background(SELECTION_BACKGROUND)


def choose_level(g, level, wait=True):
    """Clicks the level's picture on the level selection; returns the time just
    before the click (the level starts after it) and the level's first frame."""
    picture, (x, y) = LEVEL_PICTURES[level]
    width, height = picture_size(picture)
    started = time.monotonic()
    g.click(x + width // 2, y + height // 2)
    return started, (g.wait_background(FUNDO) if wait else None)


def enter_level(g, level, wait=True):
    menu_play(g)
    return choose_level(g, level, wait)


def slot_box(k):
    x, y = SLOTS[k - 1]
    return x, y, x + 50, y + 50


def _changed(a, b, threshold):
    """A mask of the pixels where a and b differ by more than threshold in some channel."""
    channels = ImageChops.difference(a, b).split()
    most = ImageChops.lighter(ImageChops.lighter(channels[0], channels[1]), channels[2])
    return most.point(lambda v: 255 if v > threshold else 0)


class LevelChecks(unittest.TestCase):
    """Looks at level screenshots; the objects of `level` not yet found are in `shown`."""

    level = 1

    def look(self, shot, i, shown):
        """(pixels compared, share like object i drawn, share like the bare background)
        over the pixels its picture clearly changes, outside the other objects still
        shown and the countdown."""
        box = visible(rect(self.level, i))
        bare = load(FUNDO).crop(box)
        drawn = composite_on(load(FUNDO), OBJECT[i][0], POSITIONS[self.level][i - 1]).crop(box)
        mask = _changed(bare, drawn, 36)
        pen = ImageDraw.Draw(mask)
        for other in [rect(self.level, j) for j in shown if j != i] + [COUNTDOWN_AREA]:
            pen.rectangle((other[0] - box[0], other[1] - box[1],
                           other[2] - box[0] - 1, other[3] - box[1] - 1), fill=0)
        compared = mask.histogram()[255]
        self.assertGreater(compared, 10, f"object {i} hardly shows over the background")
        seen = shot.crop(box).convert("RGB")

        def share(reference):
            close = _changed(seen, reference, 12).point(lambda v: 255 - v)
            return ImageChops.multiply(mask, close).histogram()[255] / compared
        return compared, share(drawn), share(bare)

    def assert_drawn(self, shot, i, shown):
        compared, drawn, bare = self.look(shot, i, shown)
        self.assertGreater(drawn, 0.8, f"object {i} is not drawn: {drawn:.2f} of {compared} "
                           f"pixels match it, {bare:.2f} the bare background")

    def assert_list(self, shot, remaining):
        """Slot k shows the k-th object still to find; slots beyond them the background."""
        everything = range(1, len(POSITIONS[self.level]) + 1)
        for k in range(1, 6):
            crop = shot.crop(slot_box(k))
            if k > len(remaining):
                score = similarity(shot, load(FUNDO), slot_box(k))
                self.assertGreater(score, 0.95, f"slot {k} should show the background ({score:.2f})")
                continue
            i = remaining[k - 1]
            score = similarity(crop, load(OBJECT[i][1]))
            self.assertGreater(score, 0.9, f"slot {k} does not show object {i} ({score:.2f})")
            for j in everything:
                if j != i:
                    self.assertGreater(score, similarity(crop, load(OBJECT[j][1])),
                                       f"slot {k} looks more like object {j} than {i}")


class Level1Test(LevelChecks):

    def setUp(self):
        self.g = Game()
        self.addCleanup(self.g.close)

    def test_first_frame_wrong_clicks_and_the_five_in_order(self):
        g = self.g
        _, shot = enter_level(g, 1)
        g.screenshot(save_as="level1-start")
        everything = [1, 2, 3, 4, 5]
        self.assert_list(shot, everything)
        for i in everything:
            self.assert_drawn(shot, i, everything)

        # While the fish is the target the anchor finds nothing; only the left button plays.
        miss(g, 1, clear_point(1, 2))
        miss(g, 1, clear_point(1, 1), RIGHT)
        miss(g, 1, clear_point(1, 1), MIDDLE)

        find(g, 1, 1)
        shot = g.wait_picture(lambda s: self.look(s, 1, everything)[2] > 0.95, "the fish to go")
        score = similarity(shot, load(FUNDO), visible(rect(1, 1)))
        self.assertGreater(score, 0.97, f"the fish's place is not the bare background ({score:.2f})")
        self.assert_list(shot, [2, 3, 4, 5])
        for i in (2, 3, 4, 5):
            self.assert_drawn(shot, i, [2, 3, 4, 5])

        for i in (2, 3, 4, 5):
            find(g, 1, i)
        g.wait_background(MENU_BACKGROUND)
        # The won screen, not the menu: "Proximo nivel" silently leads to the level selection.
        g.click(390, 393)
        g.wait_background(SELECTION_BACKGROUND)
        g.expect_quiet(0.2)

    def test_edges_of_the_target(self):
        g = self.g
        enter_level(g, 1)
        left, top, right, bottom = rect(1, 1)  # the fish
        if right < WINDOW_SIZE[0]:
            miss(g, 1, clear_point(1, 1, xs=[right]))
        miss(g, 1, clear_point(1, 1, ys=[bottom]))
        find(g, 1, 1, clear_point(1, 1, xs=[left]))
        find(g, 1, 2, clear_point(1, 2, ys=[rect(1, 2)[1]]))  # the anchor's top edge

    def test_escape_on_release_a_fresh_second_visit_and_closing(self):
        g = self.g
        _, first = enter_level(g, 1)
        find(g, 1, 1)
        g.key_down("Escape")
        g.expect_quiet(0.4)
        self.assertGreater(similarity(g.screenshot(), load(FUNDO)), 0.6, "Escape's press left the level")
        g.key_up("Escape")
        g.wait_picture(lambda s: similarity(s, load(FUNDO)) < 0.5 and
                       similarity(s, load(MENU_BACKGROUND)) > 0.6, "the main menu")
        menu_play(g)  # the main menu itself answers

        _, shot = choose_level(g, 1)
        self.assert_list(shot, [1, 2, 3, 4, 5])
        self.assert_drawn(shot, 1, [1, 2, 3, 4, 5])
        self.assertGreater(similarity(shot, first, COUNTDOWN_NUMBER), 0.98,
                           "the countdown does not start again from 60")
        find(g, 1, 1)

        # Closing the window in the middle of the level ends the program at once.
        g.close_button()
        self.assertEqual(g.wait_exit(1.0), EXIT_STATUS)


if __name__ == "__main__":
    unittest.main()
