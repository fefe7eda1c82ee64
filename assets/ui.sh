#!/usr/bin/env bash
# Renders the menu, level-selection and how-to pictures and the application icon
# from the hand-written SVG sources in assets/ui/ (parts/ holds the shared pieces):
#   Images/fundo_inicio.bmp              main menu / won / lost background (24-bit BMP)
#   Images/recortadas/inicio.bmp         level selection background (24-bit BMP)
#   Images/recortadas/hello.png          level 1 card, drawn by the game at (300,30)
#   Images/recortadas/uthere.png         level 2 card, at (100,220)
#   Images/recortadas/epic.png           level 3 card, at (550,310)
#   Images/howtome0.png .. howtome3.png  the four how-to pages (800x600, opaque)
#   packaging/icon/sunken-finds.png      256x256 icon from packaging/icon/sunken-finds.svg
#   packaging/icon/sunken-finds-64.png   64x64 icon that the game builds into itself for its window
#   packaging/icon/sunken-finds.ico      the Windows program's icon, 16 to 256 px
#   packaging/windows/installer-sidebar.bmp  the installer's welcome and finish sidebar (164x314)
#   packaging/windows/installer-header.bmp   the installer's page header (150x57)
# Then it checks what it made (sizes, formats, card layout, light areas under the
# game's black lettering) and fails if anything is off.
# Run from the repository root (assets/build.sh does that); needs rsvg-convert,
# ImageMagick's convert, fc-match and /usr/bin/python3 with PIL.
set -euo pipefail

root=$PWD
[ -f "$root/assets/ui/fundo_inicio.svg" ] || { echo "ui.sh: run me from the repository root" >&2; exit 1; }
export FONTCONFIG_FILE="${FONTCONFIG_FILE:-$root/assets/fonts.conf}"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# fontconfig keeps its cache under .cache/ of the working directory, and git
# ignores assets/.cache, so all the rendering happens from inside assets/.
cd "$root/assets"

# The lettering must come out in Pirata One, not in some fallback face.
font=$(fc-match -f '%{file}' 'Pirata One')
if [ "$(realpath "$font")" != "$(realpath "$root/Fonts/PirataOne-Regular.ttf")" ]; then
  echo "ui.sh: fontconfig gives '$font' for Pirata One; run assets/font.sh first" >&2
  exit 1
fi

for name in fundo_inicio inicio howtome0 howtome1 howtome2 howtome3 level1 level2 level3 \
            installer-sidebar installer-header; do
  rsvg-convert "ui/$name.svg" -o "$tmp/$name.png"
done
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w $size -h $size "$root/packaging/icon/sunken-finds.svg" -o "$tmp/icon$size.png"
done

cd "$root"
mkdir -p Images/recortadas packaging/icon

# The two backgrounds: plain 24-bit BMP, no alpha.
convert "$tmp/fundo_inicio.png" -background '#f6ead0' -alpha remove -alpha off \
  -type TrueColor BMP3:Images/fundo_inicio.bmp
convert "$tmp/inicio.png" -background '#f6ead0' -alpha remove -alpha off \
  -type TrueColor BMP3:Images/recortadas/inicio.bmp
# NSIS shows only plain 24-bit BMPs in its wizard.
for name in installer-sidebar installer-header; do
  convert "$tmp/$name.png" -background '#f6ead0' -alpha remove -alpha off \
    -type TrueColor BMP3:packaging/windows/$name.bmp
done

/usr/bin/python3 - "$tmp" <<'PY'
import sys
from PIL import Image

tmp = sys.argv[1]

# How-to pages: opaque, reduced to 256 colours (the paper is smooth, so this
# keeps each page small without visible loss).
for i in range(4):
    im = Image.open(f"{tmp}/howtome{i}.png").convert("RGB")
    q = im.quantize(colors=256, method=Image.Quantize.FASTOCTREE, dither=Image.Dither.NONE)
    q.save(f"Images/howtome{i}.png", optimize=True)

# Level cards: drop the faintest shadow fringe, then crop to what is visible,
# so the clickable rectangle is the card and its shadow and nothing more.
for src, dst in (("level1", "hello"), ("level2", "uthere"), ("level3", "epic")):
    im = Image.open(f"{tmp}/{src}.png").convert("RGBA")
    r, g, b, a = im.split()
    a = a.point(lambda v: 0 if v < 6 else v)
    im = Image.merge("RGBA", (r, g, b, a))
    im = im.crop(a.getbbox())
    im.save(f"Images/recortadas/{dst}.png", optimize=True)

icons = {size: Image.open(f"{tmp}/icon{size}.png").convert("RGBA") for size in (16, 24, 32, 48, 64, 128, 256)}
icons[256].save("packaging/icon/sunken-finds.png", optimize=True)
icons[64].save("packaging/icon/sunken-finds-64.png", optimize=True)
# Each size drawn from the SVG, not scaled down from the largest.
icons[256].save("packaging/icon/sunken-finds.ico", sizes=[(s, s) for s in icons],
                append_images=[icons[s] for s in icons if s != 256])
PY

# ---- checks ---------------------------------------------------------------
/usr/bin/python3 - <<'PY'
import struct, sys
from PIL import Image

problems = []
def need(ok, msg):
    if not ok:
        problems.append(msg)

def lin(c):
    c /= 255.0
    return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
LUT = [lin(i) for i in range(256)]

def luminances(im, box):
    return [0.2126 * LUT[r] + 0.7152 * LUT[g] + 0.0722 * LUT[b]
            for r, g, b in im.convert("RGB").crop(box).getdata()]

def contrast_with_black(lum):
    return (lum + 0.05) / 0.05

# 24-bit BMPs of their size: the backgrounds, the installer's sidebar and header
for path, size in (("Images/fundo_inicio.bmp", (800, 600)), ("Images/recortadas/inicio.bmp", (800, 600)),
                   ("packaging/windows/installer-sidebar.bmp", (164, 314)),
                   ("packaging/windows/installer-header.bmp", (150, 57))):
    with open(path, "rb") as f:
        head = f.read(54)
    need(head[:2] == b"BM", f"{path}: not a BMP")
    w, h = struct.unpack("<ii", head[18:26])
    bpp, comp = struct.unpack("<HI", head[28:34])
    need((w, abs(h)) == size, f"{path}: {w}x{h}, want {size[0]}x{size[1]}")
    need(bpp == 24 and comp == 0, f"{path}: {bpp} bits/pixel, compression {comp}; want 24, none")

# Main menu, won and lost screens: black lettering on fundo_inicio.
menu = Image.open("Images/fundo_inicio.bmp")
for name, box in {
    "title 'Sunken Finds'": (195, 60, 610, 150),
    "menu choices": (300, 220, 505, 433),
    "'Parabens!!'": (175, 60, 650, 200),
    "'Proximo nivel'": (230, 350, 525, 420),
    "won 'Sair'": (340, 450, 440, 520),
    "'Perdeu :/'": (200, 60, 620, 200),
    "'Voltar ao menu principal'": (100, 350, 690, 420),
}.items():
    worst = contrast_with_black(min(luminances(menu, box)))
    need(worst >= 4.5, f"fundo_inicio: {name} area {box} has contrast {worst:.2f}:1 with black (< 4.5)")

# How-to pages: same size, opaque, and the corner where the game writes
# "Next ->" is light and holds no inked drawing or lettering.
sizes = set()
for i in range(4):
    path = f"Images/howtome{i}.png"
    im = Image.open(path)
    sizes.add(im.size)
    need(im.size == (800, 600), f"{path}: {im.size}, want 800x600")
    need("transparency" not in im.info and im.mode in ("P", "RGB"), f"{path}: not opaque ({im.mode})")
    lums = luminances(im, (80, 490, 300, 580))
    need(min(lums) >= 0.30, f"{path}: something dark (luminance {min(lums):.3f}) in the 'Next ->' corner")
need(len(sizes) == 1, f"how-to pages differ in size: {sizes}")

# Level cards: where the game puts them; inside the window, apart, tightly cropped.
cards = {"hello": (300, 30), "uthere": (100, 220), "epic": (550, 310)}
rects = {}
for name, (x, y) in cards.items():
    path = f"Images/recortadas/{name}.png"
    im = Image.open(path).convert("RGBA")
    w, h = im.size
    rects[name] = (x, y, x + w, y + h)
    need(150 <= w <= 260 and 110 <= h <= 190, f"{path}: odd size {w}x{h}")
    need(x + w <= 800 and y + h <= 600, f"{path}: at ({x},{y}) it runs out of the window")
    alpha = im.getchannel("A")
    need(alpha.getbbox() == (0, 0, w, h), f"{path}: fully transparent rows/columns at an edge")
    solid = alpha.point(lambda v: 255 if v == 255 else 0).getbbox()
    need(solid is not None and solid[0] <= 4 and solid[1] <= 4 and w - solid[2] <= 12 and h - solid[3] <= 12,
         f"{path}: the card itself ({solid}) does not fill its {w}x{h} rectangle")
names = list(rects)
def overlap(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]
for i in range(3):
    for j in range(i + 1, 3):
        need(not overlap(rects[names[i]], rects[names[j]]),
             f"cards {names[i]} {rects[names[i]]} and {names[j]} {rects[names[j]]} overlap")
# The "Escolha o nível" ribbon and line under it in inicio.svg span this box.
heading = (56, 418, 524, 548)
for name, r in rects.items():
    need(not overlap(r, heading), f"card {name} {r} covers the heading {heading}")
# ...and the heading really is drawn there: dark lettering on light paper.
sel = luminances(Image.open("Images/recortadas/inicio.bmp"), heading)
dark = sum(1 for v in sel if v < 0.05)
need(dark > 2000, f"inicio.bmp: no heading lettering found in {heading} ({dark} dark pixels)")

icon = Image.open("packaging/icon/sunken-finds.png")
need(icon.size == (256, 256) and icon.mode == "RGBA", f"icon: {icon.size} {icon.mode}, want 256x256 RGBA")
ico = Image.open("packaging/icon/sunken-finds.ico")
need(ico.info["sizes"] == {(s, s) for s in (16, 24, 32, 48, 64, 128, 256)}, f"ico sizes: {ico.info['sizes']}")
need(Image.open("packaging/icon/sunken-finds-64.png").size == (64, 64), "the window icon is not 64x64")

if problems:
    print("ui.sh: problems:\n  " + "\n  ".join(problems), file=sys.stderr)
    sys.exit(1)
print("ui.sh: 9 pictures, the icon and the installer's 2 written and checked; cards at " +
      ", ".join(f"{n} {r}" for n, r in rects.items()))
PY
