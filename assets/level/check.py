"""Checks the level pictures as they are on disk. Run from the repository root:

  /usr/bin/python3 assets/level/check.py

Prints one line per finding and exits with status 1 if any rule is broken.
"""
import os
import struct
import sys

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from placements import (HIDDEN, LIST_OF, WINDOW, LIST_STRIP_FORBIDDEN, COUNTDOWN_REGION,  # noqa: E402
                        MEANT_TO_LEAVE, COUNTDOWN_TOUCH_ALLOWED)

FUNDO = "Images/fundo.bmp"
TRANSPARENT = 16          # alpha at or below this counts as see-through for the crop rule
MAX_MARGIN = 2            # px of see-through rows/columns allowed on each side
MAX_OVERLAP = 0.30        # of the smaller picture's area, for two pictures of one level
CALM_STRIP = (360, 482, 690, 550)
MAX_STRIP_SPREAD = 0.10   # std-dev of relative luminance allowed under the list slots
MAX_SMALL_FILES = 1_000_000

problems = []


def fail(msg):
    problems.append(msg)
    print("FAIL  " + msg)


def ok(msg):
    print("ok    " + msg)


def rel_lum(rgb):
    def lin(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = rgb
    return 0.2126 * lin(r) + 0.7152 * lin(g) + 0.0722 * lin(b)


def intersect(a, b):
    """Overlap of two boxes (x0, y0, x1, y1), or None."""
    x0, y0, x1, y1 = max(a[0], b[0]), max(a[1], b[1]), min(a[2], b[2]), min(a[3], b[3])
    return (x0, y0, x1, y1) if x0 < x1 and y0 < y1 else None


def check_background():
    if not os.path.exists(FUNDO):
        fail(f"{FUNDO} is missing")
        return None
    with open(FUNDO, "rb") as fh:
        head = fh.read(54)
    magic = head[:2]
    width, height = struct.unpack("<ii", head[18:26])
    bits, compression = struct.unpack("<HI", head[28:34])
    if magic != b"BM" or bits != 24 or compression != 0:
        fail(f"{FUNDO}: want an uncompressed 24-bit BMP, got magic {magic!r}, {bits} bits, compression {compression}")
    if (width, abs(height)) != WINDOW:
        fail(f"{FUNDO}: {width}x{abs(height)}, want {WINDOW[0]}x{WINDOW[1]}")
    im = Image.open(FUNDO)
    if im.mode != "RGB":
        fail(f"{FUNDO}: opens as {im.mode}, want RGB (no alpha)")
    im = im.convert("RGB")
    if not problems:
        ok(f"{FUNDO}: {im.width}x{im.height}, 24-bit, {os.path.getsize(FUNDO)} bytes")

    # black countdown text must read everywhere in its area
    x0, y0, x1, y1 = COUNTDOWN_REGION
    lums = [rel_lum(px) for px in im.crop((x0, y0, x1, y1)).getdata()]
    lo, mean = min(lums), sum(lums) / len(lums)
    ratio_min, ratio_mean = (lo + 0.05) / 0.05, (mean + 0.05) / 0.05
    msg = (f"countdown area x{x0}-{x1} y{y0}-{y1}: luminance min {lo:.3f} mean {mean:.3f}; "
           f"contrast with black min {ratio_min:.1f}:1 mean {ratio_mean:.1f}:1")
    (ok if ratio_min >= 4.5 else fail)(msg)

    # the list slots need a calm backing
    lums = [rel_lum(px) for px in im.crop(CALM_STRIP).getdata()]
    mean = sum(lums) / len(lums)
    sd = (sum((v - mean) ** 2 for v in lums) / len(lums)) ** 0.5
    (ok if sd <= MAX_STRIP_SPREAD else fail)(
        f"list strip backing {CALM_STRIP}: luminance spread (std-dev) {sd:.3f}, limit {MAX_STRIP_SPREAD}")
    return im


def check_list_pictures():
    for path in LIST_OF.values():
        if not os.path.exists(path):
            fail(f"{path} is missing")
            continue
        im = Image.open(path)
        size = im.size
        alpha = im.convert("RGBA").getchannel("A")
        lo = alpha.getextrema()[0]
        if size != (50, 50):
            fail(f"{path}: {size[0]}x{size[1]}, want 50x50")
        elif lo != 255:
            n = sum(1 for a in alpha.getdata() if a < 255)
            fail(f"{path}: {n} pixels not fully opaque (lowest alpha {lo})")
        else:
            ok(f"{path}: 50x50, opaque ({im.mode})")


def check_hidden_pictures():
    sizes = {}
    for path in HIDDEN:
        if not os.path.exists(path):
            fail(f"{path} is missing")
            continue
        im = Image.open(path)
        if im.mode != "RGBA":
            fail(f"{path}: mode {im.mode}, want RGBA")
            continue
        w, h = im.size
        sizes[path] = (w, h)
        if not 24 <= max(w, h) <= 60:
            fail(f"{path}: {w}x{h}, longer side must be 24..60")
        a = im.getchannel("A")
        solid = a.point(lambda v: 255 if v > TRANSPARENT else 0).getbbox()
        if solid is None:
            fail(f"{path}: nothing visible")
            continue
        margins = {"left": solid[0], "top": solid[1], "right": w - solid[2], "bottom": h - solid[3]}
        wide = {k: v for k, v in margins.items() if v > MAX_MARGIN}
        if wide:
            fail(f"{path}: see-through margin too wide {wide}")
        # some of it should be see-through, or it would be a visible rectangle in the scene
        clear = sum(1 for v in a.getdata() if v <= TRANSPARENT) / (w * h)
        if clear < 0.05:
            fail(f"{path}: only {clear:.0%} of the rectangle is see-through: it would show as a box")
        if not wide and 24 <= max(w, h) <= 60:
            ok(f"{path}: {w}x{h}, margins {margins['left']}/{margins['top']}/{margins['right']}/{margins['bottom']} px")
    return sizes


def check_placements(sizes):
    W, H = WINDOW
    by_level = {}
    for path, places in HIDDEN.items():
        if path not in sizes:
            continue
        w, h = sizes[path]
        for level, x, y in places:
            box = (x, y, x + w, y + h)
            by_level.setdefault(level, []).append((path, box))
            where = f"{os.path.basename(path)} in level {level} at ({x},{y}) {w}x{h}"
            leave = MEANT_TO_LEAVE.get((path, level))
            bad = []
            if x < 0 or y < 0:
                bad.append("starts outside the window")
            if leave == "bottom":
                if not (y < H < y + h and h > 21):
                    bad.append("is meant to stick out below the window (taller than 21 px) but does not")
                if x + w > W:
                    bad.append("leaves by the right edge")
            elif leave == "right":
                if not (x < W < x + w and w > 25):
                    bad.append("is meant to stick out past the right edge (wider than 25 px) but does not")
                if y + h > H:
                    bad.append("leaves by the bottom edge")
            elif x + w > W or y + h > H:
                bad.append("does not fit in the window")
            lx0, ly0, lx1, ly1 = LIST_STRIP_FORBIDDEN
            if intersect(box, (lx0, ly0, lx1, ly1)):
                bad.append(f"touches the list strip x{lx0}-{lx1} y>={ly0}")
            cd = intersect(box, COUNTDOWN_REGION)
            if cd:
                allowed = (path, level) in COUNTDOWN_TOUCH_ALLOWED
                # the one allowed case: only the bottom rows of the area, right of the number
                if not (allowed and cd[1] >= COUNTDOWN_REGION[3] - 5 and cd[0] >= 770):
                    bad.append(f"touches the countdown area {COUNTDOWN_REGION} at {cd}")
            if bad:
                fail(where + ": " + "; ".join(bad))
            else:
                ok(where + (f" (leaves by the {leave} edge, as meant)" if leave else ""))
    # overlaps inside each level
    for level, items in sorted(by_level.items()):
        for i in range(len(items)):
            for j in range(i + 1, len(items)):
                (pa, a), (pb, b) = items[i], items[j]
                cut = intersect(a, b)
                if not cut:
                    continue
                area = (cut[2] - cut[0]) * (cut[3] - cut[1])
                smaller = min((a[2] - a[0]) * (a[3] - a[1]), (b[2] - b[0]) * (b[3] - b[1]))
                msg = (f"level {level}: {os.path.basename(pa)} and {os.path.basename(pb)} overlap "
                       f"{area} px = {area / smaller:.0%} of the smaller")
                (ok if area / smaller <= MAX_OVERLAP else fail)(msg)


def check_sizes():
    files = list(HIDDEN) + list(LIST_OF.values())
    total = sum(os.path.getsize(p) for p in files if os.path.exists(p))
    (ok if total <= MAX_SMALL_FILES else fail)(f"{len(files)} PNG files, {total} bytes together")


def main():
    check_background()
    check_list_pictures()
    sizes = check_hidden_pictures()
    check_placements(sizes)
    check_sizes()
    if problems:
        print(f"level check: {len(problems)} problem(s)")
        sys.exit(1)
    print("level check: all rules hold")


if __name__ == "__main__":
    main()
