"""Draws what each level looks like, for people checking the art (not used by the game).

  /usr/bin/python3 assets/level/preview.py OUT_DIR [--found]

Writes OUT_DIR/level1.png .. level3.png: fundo, that level's hidden pictures at their
places, the first five list pictures in the slots and "Tempo restante: 60" in black.
With --found it also writes levelN_marked.png with a red box round each hidden picture.
"""
import os
import sys

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from placements import HIDDEN, LIST_OF, LIST_SLOTS  # noqa: E402


def level_items(level):
    items = []
    for path, places in HIDDEN.items():
        for lv, x, y in places:
            if lv == level:
                items.append((path, x, y))
    return items


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    font_path = "Fonts/PirataOne-Regular.ttf"
    font = ImageFont.truetype(font_path, 40) if os.path.exists(font_path) else ImageFont.load_default()
    for level in (1, 2, 3):
        im = Image.open("Images/fundo.bmp").convert("RGBA")
        items = level_items(level)
        for path, x, y in items:
            im.alpha_composite_safe = None
            pic = Image.open(path).convert("RGBA")
            layer = Image.new("RGBA", im.size, (0, 0, 0, 0))
            layer.paste(pic, (x, y))
            im = Image.alpha_composite(im, layer)
        for (path, _, _), (sx, sy) in zip(items, LIST_SLOTS):
            im.paste(Image.open(LIST_OF[path]).convert("RGBA"), (sx, sy))
        d = ImageDraw.Draw(im)
        # SFML puts the text's line top at y; the glyphs start a few pixels lower
        d.text((473, 0), "Tempo restante:", font=font, fill="black")
        d.text((730, 0), "60", font=font, fill="black")
        im.convert("RGB").save(os.path.join(out, f"level{level}.png"))
        if "--found" in sys.argv:
            d = ImageDraw.Draw(im)
            for path, x, y in items:
                w, h = Image.open(path).size
                d.rectangle((x - 1, y - 1, x + w, y + h), outline="red")
            im.convert("RGB").save(os.path.join(out, f"level{level}_marked.png"))


if __name__ == "__main__":
    main()
