"""Builds the level pictures of Sunken Finds from the drawings in this folder.

Run from the repository root:  /usr/bin/python3 assets/level/make_level.py
Writes Images/fundo.bmp, the fifteen hidden pictures and the fifteen list pictures.
Everything is deterministic: the only randomness is seeded.
"""
import os
import random
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from objects import OBJECTS, svg_document, INK, PARCH_L, PARCH, PARCH_D  # noqa: E402
from placements import HIDDEN  # noqa: E402
from render import svg_to_image, crop_to_alpha, hex_rgb, save_png  # noqa: E402
import scene  # noqa: E402

# Longer side, in pixels, of each hidden picture.
HIDDEN_SIZE = {
    "fish": 44, "anchor": 40, "crab": 40, "bird": 42, "spyglass": 50, "hook": 38,
    "seahorse": 52, "letter": 29, "beehive": 36, "shell": 33, "ball": 31, "disc": 30,
    "bottle": 46, "ladybird": 28, "bones": 40,
}

# Camouflage. Each hidden picture is its full-colour drawing recoloured to the mean
# colour of the background under it (over all the places the levels draw it), with the
# drawing's own light and dark kept as a gentle variation around that colour (gain),
# a little of its own colour kept (keep), mottled (mottle) and slightly see-through (alpha).
# lift moves the whole picture lighter (+) or darker (-), 0..1 of the way to white/black.
CAMO = {
    #            gain  keep  mottle alpha lift
    "fish":     (0.11, 0.10, 0.18, 0.88, 0.00),
    "anchor":   (0.11, 0.06, 0.18, 0.88, 0.00),
    "crab":     (0.11, 0.10, 0.18, 0.88, 0.00),
    "bird":     (0.08, 0.04, 0.12, 0.88, 0.00),
    "spyglass": (0.11, 0.08, 0.16, 0.88, 0.00),
    "hook":     (0.11, 0.04, 0.10, 0.88, -0.10),
    "seahorse": (0.11, 0.10, 0.18, 0.88, 0.00),
    "letter":   (0.11, 0.06, 0.14, 0.88, 0.00),
    "beehive":  (0.11, 0.08, 0.18, 0.88, 0.00),
    "shell":    (0.11, 0.08, 0.14, 0.88, 0.00),
    "ball":     (0.11, 0.06, 0.18, 0.88, 0.00),
    "disc":     (0.11, 0.04, 0.16, 0.88, 0.00),
    "bottle":   (0.11, 0.10, 0.18, 0.88, 0.00),
    "ladybird": (0.11, 0.14, 0.16, 0.88, 0.00),
    "bones":    (0.11, 0.04, 0.14, 0.88, 0.00),
}


def background_colour(hidden_path, mask, fundo):
    """Mean colour of fundo under `mask` (L image, the picture's alpha) at its places."""
    from PIL import ImageStat
    tot, n = [0.0, 0.0, 0.0], 0
    for _, x, y in HIDDEN[hidden_path]:
        box = (max(0, x), max(0, y), min(fundo.width, x + mask.width), min(fundo.height, y + mask.height))
        region = fundo.crop(box)
        m = mask.crop((box[0] - x, box[1] - y, box[2] - x, box[3] - y)).point(lambda v: 255 if v > 128 else 0)
        st = ImageStat.Stat(region, m)
        cnt = st.count[0]
        for c in range(3):
            tot[c] += st.mean[c] * cnt
        n += cnt
    return tuple(v / n for v in tot)


LIST_TILE = 50
LIST_INNER = (44, 40)   # the drawing fits in this box (w, h), centred on the tile


def full_colour(name, long_side):
    """The drawing rendered so that, cropped, its longer side is about long_side px."""
    w, h, _ = OBJECTS[name][0]()
    scale = max(1, round(long_side / max(w, h) * 1.15))
    return crop_to_alpha(svg_to_image(svg_document(name, scale)))


def mottle_mask(size, seed, cell):
    """Soft blotches (L image, mid-grey around 128) from a seeded coarse grid."""
    rnd = random.Random(seed)
    gw, gh = max(2, size[0] // cell + 2), max(2, size[1] // cell + 2)
    grid = Image.new("L", (gw, gh))
    grid.putdata([rnd.randint(0, 255) for _ in range(gw * gh)])
    return grid.resize((gw * cell, gh * cell), Image.BICUBIC).crop((0, 0) + size)


def camouflage(name, im, base):
    """Recolours the drawing `im` around the colour `base` (see CAMO)."""
    from PIL import ImageStat
    gain, keep, mottle, alpha, lift = CAMO[name]
    if lift > 0:
        base = tuple(v + (255 - v) * lift for v in base)
    else:
        base = tuple(v * (1 + lift) for v in base)
    lum = im.convert("RGB").convert("L")
    solid = im.getchannel("A").point(lambda v: 255 if v > 128 else 0)
    st = ImageStat.Stat(lum, solid)
    mu, sd = st.mean[0], max(8.0, st.stddev[0])
    chans = []
    for c in range(3):
        lut = []
        for v in range(256):
            z = max(-1.6, min(2.5, (v - mu) / sd))   # soft outlines: darks squeezed most
            out = base[c] + gain * z * (255 - base[c]) if z > 0 else base[c] * (1 + gain * z)
            lut.append(max(0, min(255, round(out))))
        chans.append(lum.point(lut))
    mapped = Image.merge("RGB", chans)
    mapped = Image.blend(mapped, im.convert("RGB"), keep)
    # blotches about a fifth of the picture across, darker and lighter by `mottle`
    mask = mottle_mask(im.size, "camo-" + name, max(8, max(im.size) // 5))
    darker = mapped.point(lambda v: round(v * (1 - mottle / 2)))
    lighter = mapped.point(lambda v: min(255, round(v * (1 + mottle / 2))))
    mapped = Image.composite(lighter, darker, mask)
    # re-centre: the picture's mean colour is exactly the background's mean colour
    got = ImageStat.Stat(mapped, solid).mean
    mapped = Image.merge("RGB", [ch.point(lambda v, d=base[c] - got[c]: max(0, min(255, round(v + d))))
                                 for c, ch in enumerate(mapped.split())])
    a = im.getchannel("A").point(lambda v: round(v * alpha))
    out = mapped.convert("RGBA")
    out.putalpha(a)
    return out


def fit(im, long_side):
    k = long_side / max(im.size)
    size = (max(1, round(im.width * k)), max(1, round(im.height * k)))
    return im.resize(size, Image.LANCZOS)


def make_hidden(name, path, fundo):
    big = full_colour(name, HIDDEN_SIZE[name] * 8)
    mask = fit(big, HIDDEN_SIZE[name]).getchannel("A")
    base = background_colour(path, mask, fundo)
    small = fit(camouflage(name, big, base), HIDDEN_SIZE[name])
    small = crop_to_alpha(small, threshold=16)
    save_png(small, path)
    return small


def list_tile_background():
    tile = Image.new("RGB", (LIST_TILE, LIST_TILE), hex_rgb(PARCH_L))
    # a little paper shading towards the edges
    shade = Image.new("L", (LIST_TILE, LIST_TILE), 0)
    dr = ImageDraw.Draw(shade)
    for i in range(6):
        dr.rectangle((i, i, LIST_TILE - 1 - i, LIST_TILE - 1 - i), outline=90 - i * 15)
    shade = shade.filter(ImageFilter.GaussianBlur(1.2))
    tile = Image.composite(Image.new("RGB", tile.size, hex_rgb(PARCH)), tile, shade)
    dr = ImageDraw.Draw(tile)
    dr.rectangle((1, 1, LIST_TILE - 2, LIST_TILE - 2), outline=hex_rgb(PARCH_D))
    dr.rectangle((0, 0, LIST_TILE - 1, LIST_TILE - 1), outline=hex_rgb(INK))
    return tile


def make_list(name, path):
    art = full_colour(name, LIST_INNER[0] * 8)
    k = min(LIST_INNER[0] / art.width, LIST_INNER[1] / art.height)
    art = art.resize((max(1, round(art.width * k)), max(1, round(art.height * k))), Image.LANCZOS)
    tile = list_tile_background().convert("RGBA")
    x, y = (LIST_TILE - art.width) // 2, (LIST_TILE - art.height) // 2
    shadow = Image.new("RGBA", art.size, hex_rgb(INK) + (0,))
    shadow.putalpha(art.getchannel("A").point(lambda v: v * 45 // 100))
    layer = Image.new("RGBA", tile.size, (0, 0, 0, 0))
    layer.alpha_composite(shadow, (x + 1, y + 1))
    layer = layer.filter(ImageFilter.GaussianBlur(0.8))
    tile.alpha_composite(layer)
    tile.alpha_composite(art, (x, y))
    tile = tile.convert("RGB")   # no alpha channel at all: fully opaque
    save_png(tile, path)
    return tile


def make_background(path):
    im = svg_to_image(scene.build_svg()).convert("RGB")
    if im.size != (800, 600):
        raise SystemExit(f"scene rendered at {im.size}, not 800x600")
    im.save(path, format="BMP")   # 24 bits per pixel, no alpha
    return im


def main():
    os.makedirs("Images/recortadas", exist_ok=True)
    only = set(sys.argv[1:])
    if not only or "fundo" in only:
        make_background("Images/fundo.bmp")
        print("Images/fundo.bmp")
    fundo = Image.open("Images/fundo.bmp").convert("RGB")
    for name, (_, list_path, hidden_path) in OBJECTS.items():
        if only and name not in only and "objects" not in only:
            continue
        h = make_hidden(name, hidden_path, fundo)
        make_list(name, list_path)
        print(f"{name:9s} {hidden_path} {h.width}x{h.height}  {list_path}")


if __name__ == "__main__":
    main()
