"""The level background (Images/fundo.bmp) as one SVG: a cut-away at the waterline.

Top: pale sky, a small island (palm tree, rocky knoll) at the left, the far sea.
Below the waterline: the island's rocky foot at the left, open sunlit water in the
middle, a pirate wreck at the right with its broken mast reaching out of the water,
and a sandy seabed with a driftwood plank (under the list slots) and a treasure chest.

All layout numbers are window pixels. Randomness is seeded, so the output never changes.
"""
import math
import random

from objects import (INK, INK_FADED, PARCH_L, PARCH, PARCH_D, SEA_DEEP, SEA, SEA_L, FOAM,
                     SAND_L, SAND, SAND_D, WOOD, WOOD_D, KELP, KELP_L, CORAL, GOLD, RUST,
                     GOLD_L, GOLD_D, CORAL_D)

W, H = 800, 600
HORIZON = 72      # sky meets the far sea
CUT = 104         # the waterline of the cut-away

# underwater tints of the palette
ROCK_L, ROCK_M, ROCK_D, ROCK_DD = "#97a287", "#6f8170", "#48605c", "#2c4648"
ISLE_L, ISLE_M, ISLE_D, ISLE_DD = "#d2bd90", "#ae9570", "#846e54", "#5e4d3c"
HULL_L, HULL_M, HULL_D, HULL_DD = "#9a7a55", "#765b3f", "#4f3d2b", "#2b261c"
WSAND_L, WSAND, WSAND_D = "#ecdcac", "#d3bd88", "#a88f5c"


def f(v):
    return f"{v:.1f}".rstrip("0").rstrip(".")


def pts_str(pts):
    return " ".join(f"{f(x)},{f(y)}" for x, y in pts)


def smooth_closed(pts, k=1 / 6):
    n = len(pts)
    d = f"M{f(pts[0][0])},{f(pts[0][1])}"
    for i in range(n):
        p0, p1, p2, p3 = pts[i - 1], pts[i], pts[(i + 1) % n], pts[(i + 2) % n]
        c1 = (p1[0] + (p2[0] - p0[0]) * k, p1[1] + (p2[1] - p0[1]) * k)
        c2 = (p2[0] - (p3[0] - p1[0]) * k, p2[1] - (p3[1] - p1[1]) * k)
        d += f" C{f(c1[0])},{f(c1[1])} {f(c2[0])},{f(c2[1])} {f(p2[0])},{f(p2[1])}"
    return d + " Z"


def smooth_open(pts, k=1 / 6):
    ext = [pts[0]] + list(pts) + [pts[-1]]
    d = f"M{f(pts[0][0])},{f(pts[0][1])}"
    for i in range(1, len(ext) - 2):
        p0, p1, p2, p3 = ext[i - 1], ext[i], ext[i + 1], ext[i + 2]
        c1 = (p1[0] + (p2[0] - p0[0]) * k, p1[1] + (p2[1] - p0[1]) * k)
        c2 = (p2[0] - (p3[0] - p1[0]) * k, p2[1] - (p3[1] - p1[1]) * k)
        d += f" C{f(c1[0])},{f(c1[1])} {f(c2[0])},{f(c2[1])} {f(p2[0])},{f(p2[1])}"
    return d


def blob_pts(rnd, cx, cy, rx, ry, n=9, jit=0.18, flat_bottom=False):
    pts = []
    for i in range(n):
        a = 2 * math.pi * i / n + rnd.uniform(-0.15, 0.15)
        r = 1 + rnd.uniform(-jit, jit)
        x, y = cx + math.cos(a) * rx * r, cy + math.sin(a) * ry * r
        if flat_bottom and y > cy:
            y = cy + (y - cy) * 0.35
        pts.append((x, y))
    return pts


def ribbon(center, widths):
    """A filled strip along a centre line (list of points) with the given half widths."""
    left, right = [], []
    for i, (x, y) in enumerate(center):
        a = center[max(0, i - 1)]
        b = center[min(len(center) - 1, i + 1)]
        dx, dy = b[0] - a[0], b[1] - a[1]
        ln = math.hypot(dx, dy) or 1
        nx, ny = -dy / ln, dx / ln
        w = widths[i]
        left.append((x + nx * w, y + ny * w))
        right.append((x - nx * w, y - ny * w))
    return smooth_open(left) + " L" + smooth_open(list(reversed(right)))[1:] + " Z"


class Scene:
    def __init__(self):
        self.defs = []
        self.out = []

    def add(self, s):
        self.out.append(s)

    def define(self, s):
        self.defs.append(s)

    def svg(self):
        return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{H}" '
                f'viewBox="0 0 {W} {H}"><defs>{"".join(self.defs)}</defs>{"".join(self.out)}</svg>')


# ----------------------------------------------------------------------------- sky

def sky(s):
    s.define(f"""
  <linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#d3ebe4"/><stop offset="0.55" stop-color="#e6efdc"/>
    <stop offset="1" stop-color="{PARCH_L}"/>
  </linearGradient>
  <radialGradient id="sun" cx="0.5" cy="0.5" r="0.5">
    <stop offset="0" stop-color="#fffbe8" stop-opacity="1"/>
    <stop offset="0.25" stop-color="#fdf3d0" stop-opacity="0.9"/>
    <stop offset="1" stop-color="#fdf3d0" stop-opacity="0"/>
  </radialGradient>
  <filter id="soft" x="-20%" y="-50%" width="140%" height="200%"><feGaussianBlur stdDeviation="2.2"/></filter>""")
    s.add(f'<rect width="{W}" height="{HORIZON + 2}" fill="url(#sky)"/>')
    s.add('<circle cx="335" cy="34" r="70" fill="url(#sun)"/>')
    s.add('<circle cx="335" cy="34" r="15" fill="#fffbea" opacity="0.9"/>')
    # soft clouds, the right-hand sky (behind the countdown) stays almost plain
    def cloud(cx, cy, sc, op):
        lobes = [(-30, 4, 18, 9), (-12, -4, 20, 13), (10, -7, 22, 15), (30, 0, 20, 11), (0, 6, 40, 8)]
        body = "".join(f'<ellipse cx="{f(cx + dx * sc)}" cy="{f(cy + dy * sc)}" rx="{f(rx * sc)}" ry="{f(ry * sc)}"/>'
                       for dx, dy, rx, ry in lobes)
        s.add(f'<g fill="#f3f1e6" opacity="{op}" filter="url(#soft)">{body}</g>')
        s.add(f'<g fill="#ffffff" opacity="{op * 0.8}"><ellipse cx="{f(cx - 4 * sc)}" cy="{f(cy - 9 * sc)}" '
              f'rx="{f(16 * sc)}" ry="{f(5 * sc)}"/></g>')
    cloud(255, 44, 1.1, 0.95)
    cloud(385, 68, 0.9, 0.9)
    cloud(560, 66, 1.25, 0.75)
    cloud(710, 30, 1.4, 0.35)
    # a far ship on the horizon
    h = HORIZON
    s.add(f"""<g opacity="0.4" fill="#6f8c8c">
    <path d="M590,{h - 1} L628,{h - 1} L624,{h + 3} L594,{h + 3} Z"/>
    <path d="M610,{h - 20} L610,{h - 1} M600,{h - 15} L600,{h - 1}" stroke="#6f8c8c" stroke-width="1.1"/>
    <path d="M611,{h - 19} L621,{h - 9} L611,{h - 5} Z M599,{h - 14} L591,{h - 6} L599,{h - 4} Z"/></g>""")


def far_sea(s):
    s.define(f"""
  <linearGradient id="farsea" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#8cc4c0"/><stop offset="1" stop-color="#6bb1ae"/>
  </linearGradient>""")
    s.add(f'<rect y="{HORIZON}" width="{W}" height="{CUT - HORIZON + 2}" fill="url(#farsea)"/>')
    s.add(f'<path d="M0,{HORIZON} L{W},{HORIZON}" stroke="#e9f3ea" stroke-width="1.2" opacity="0.8"/>')
    rnd = random.Random("farsea")
    glints = []
    for _ in range(70):
        x = rnd.uniform(0, W)
        y = rnd.uniform(HORIZON + 3, CUT - 3)
        ln = 3 + (y - HORIZON) * 0.35 * rnd.uniform(0.6, 1.4)
        glints.append(f"M{f(x)},{f(y)} h{f(ln)}")
    s.add(f'<path d="{" ".join(glints)}" stroke="#e6f4ee" stroke-width="1" opacity="0.55"/>')


# ------------------------------------------------------------------------- underwater

def water(s):
    s.define(f"""
  <linearGradient id="water" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#6dbdb6"/><stop offset="0.3" stop-color="#4fa3a5"/>
    <stop offset="0.75" stop-color="#358d99"/><stop offset="1" stop-color="#2f8592"/>
  </linearGradient>
  <linearGradient id="ray" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="{FOAM}" stop-opacity="0.5"/>
    <stop offset="0.6" stop-color="{FOAM}" stop-opacity="0.14"/>
    <stop offset="1" stop-color="{FOAM}" stop-opacity="0"/>
  </linearGradient>
  <filter id="blur4" x="-20%" y="-10%" width="140%" height="120%"><feGaussianBlur stdDeviation="4"/></filter>
  <filter id="blur2" x="-20%" y="-20%" width="140%" height="140%"><feGaussianBlur stdDeviation="1.6"/></filter>""")
    s.add(f'<rect y="{CUT}" width="{W}" height="{H - CUT}" fill="url(#water)"/>')


def rays(s, opacity=1.0):
    out = []
    for x, w0, w1 in ((300, 26, 70), (372, 14, 40), (430, 36, 96), (520, 18, 54), (590, 30, 80), (690, 16, 46)):
        dx = 210
        out.append(f'<path d="M{x},{CUT} L{x + w0},{CUT} L{x + w0 + dx + w1},{H} L{x + dx},{H} Z"/>')
    s.add(f'<g fill="url(#ray)" filter="url(#blur4)" opacity="{opacity}">{"".join(out)}</g>')


def far_seabed(s):
    """Hazy background: distant rocks and weed, far sand."""
    rnd = random.Random("far")
    s.add(f'<path d="M280,420 C360,392 420,388 520,396 C620,402 700,384 800,380 L800,520 L280,520 Z" '
          f'fill="#7fae9e" opacity="0.75"/>')
    for cx, cy, rx, ry in ((330, 408, 40, 20), (470, 396, 30, 14), (560, 398, 50, 24), (772, 380, 40, 30)):
        s.add(f'<path d="{smooth_closed(blob_pts(rnd, cx, cy, rx, ry, 8, 0.2))}" fill="#5f958f" opacity="0.7"/>')
    # far weed silhouettes
    blades = []
    for x in (318, 338, 352, 455, 470, 616, 640, 657):
        top = rnd.uniform(300, 350)
        sway = rnd.uniform(-12, 12)
        c = [(x, 420), (x + sway * 0.4, (420 + top) / 2 + 20), (x + sway, top)]
        blades.append(f'<path d="{ribbon(c, [4, 3.2, 0.8])}"/>')
    s.add(f'<g fill="#5c9a87" opacity="0.6">{"".join(blades)}</g>')


def kelp_strand(rnd, x, y0, top, sway, width, col, col_l, n=9):
    pts, widths = [], []
    phase = rnd.uniform(0, 6.28)
    for i in range(n):
        t = i / (n - 1)
        y = y0 + (top - y0) * t
        xx = x + math.sin(phase + t * 4.2) * sway * (0.3 + t) + sway * 0.6 * t
        pts.append((xx, y))
        widths.append(width * (0.55 + 0.6 * math.sin(math.pi * min(1, t * 1.15)) ) * (1 - 0.7 * t) + 0.6)
    d = ribbon(pts, widths)
    rib = smooth_open(pts[:-1])
    # little leaf blades along the strand
    leaves = []
    for i in range(1, n - 1, 2):
        px, py = pts[i]
        side = 1 if i % 4 == 1 else -1
        lw = width * (1.6 - i / n)
        lc = [(px, py), (px + side * lw * 1.2, py - lw * 0.6), (px + side * lw * 2.2, py - lw * 1.8)]
        leaves.append(ribbon(lc, [1.6, 2.2, 0.4]))
    return (f'<path d="{" ".join(leaves)}" fill="{col}"/><path d="{d}" fill="{col}"/>'
            f'<path d="{rib}" stroke="{col_l}" stroke-width="1" fill="none" opacity="0.8"/>')


def kelp_group(s, seed, xs, y0, top_range, sway=10, width=5, col=KELP, col_l=KELP_L, opacity=1):
    rnd = random.Random(seed)
    out = []
    for x in xs:
        top = rnd.uniform(*top_range)
        out.append(kelp_strand(rnd, x, y0 + rnd.uniform(-4, 6), top, rnd.uniform(-sway, sway),
                               width * rnd.uniform(0.8, 1.2), col, col_l))
    s.add(f'<g opacity="{opacity}">{"".join(out)}</g>')


def seagrass(rnd, x, y, h, n, col, spread=10):
    out = []
    for i in range(n):
        bx = x + rnd.uniform(-spread / 2, spread / 2)
        lean = rnd.uniform(-0.6, 0.6) * h
        hh = h * rnd.uniform(0.6, 1.1)
        c = [(bx, y), (bx + lean * 0.3, y - hh * 0.5), (bx + lean, y - hh)]
        out.append(ribbon(c, [1.5, 1.2, 0.2]))
    return f'<path d="{" ".join(out)}" fill="{col}"/>'


# ------------------------------------------------------------------------------ wreck

GUNWALE = [(426, 296), (446, 310), (480, 316), (520, 314), (600, 304), (690, 290)]


def gunwale_y(x):
    for (x0, y0), (x1, y1) in zip(GUNWALE, GUNWALE[1:]):
        if x0 <= x <= x1:
            return y0 + (y1 - y0) * (x - x0) / (x1 - x0)
    return GUNWALE[-1][1]


def wreck(s):
    s.define(f"""
  <linearGradient id="hull" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="{HULL_L}"/><stop offset="0.45" stop-color="{HULL_M}"/>
    <stop offset="1" stop-color="{HULL_D}"/>
  </linearGradient>
  <linearGradient id="mast" x1="0" y1="0" x2="1" y2="0">
    <stop offset="0" stop-color="{HULL_L}"/><stop offset="0.6" stop-color="{HULL_M}"/>
    <stop offset="1" stop-color="{HULL_D}"/>
  </linearGradient>""")
    rnd = random.Random("wreck")
    # mast first: it stands behind the stern castle's rail, leaning right to the surface
    mx0, my0, mx1, my1 = 612, 300, 786, 59
    ang = math.atan2(my1 - my0, mx1 - mx0)
    nx, ny = -math.sin(ang), math.cos(ang)
    hw0, hw1 = 8, 6
    mast_poly = [(mx0 + nx * hw0, my0 + ny * hw0), (mx1 + nx * hw1, my1 + ny * hw1),
                 (mx1 + 2, my1 - 4), (mx1 - 2, my1 + 1), (mx1 - 5, my1 - 6),
                 (mx1 - nx * hw1, my1 - ny * hw1), (mx0 - nx * hw0, my0 - ny * hw0)]
    s.add(f'<polygon points="{pts_str(mast_poly)}" fill="{HULL_M}" stroke="{HULL_DD}" stroke-width="1.4" '
          f'stroke-linejoin="round"/>')
    s.add(f'<path d="M{f(mx0 - nx * 3)},{f(my0 - ny * 3)} L{f(mx1 - nx * 2.5)},{f(my1 - ny * 2.5)}" '
          f'stroke="{HULL_L}" stroke-width="2.2" opacity="0.8"/>')
    for t in (0.22, 0.45, 0.7):  # iron bands
        bx, by = mx0 + (mx1 - mx0) * t, my0 + (my1 - my0) * t
        s.add(f'<path d="M{f(bx + nx * 8)},{f(by + ny * 8)} L{f(bx - nx * 8)},{f(by - ny * 8)}" '
              f'stroke="#3b3b33" stroke-width="3"/>')
    # broken yard with a torn sail hanging from it
    t = 0.5
    yx, yy = mx0 + (mx1 - mx0) * t, my0 + (my1 - my0) * t
    s.add(f'<path d="M{f(yx - 46)},{f(yy - 30)} L{f(yx + 40)},{f(yy + 30)}" stroke="{HULL_D}" stroke-width="6" '
          f'stroke-linecap="round"/>')
    s.add(f'<path d="M{f(yx - 44)},{f(yy - 27)} L{f(yx + 38)},{f(yy + 30)} L{f(yx + 30)},{f(yy + 62)} '
          f'L{f(yx + 18)},{f(yy + 50)} L{f(yx + 8)},{f(yy + 74)} L{f(yx - 6)},{f(yy + 44)} L{f(yx - 18)},{f(yy + 52)} '
          f'L{f(yx - 26)},{f(yy + 18)} L{f(yx - 38)},{f(yy + 4)} Z" fill="#d6dcc4" opacity="0.7" '
          f'stroke="#8fa590" stroke-width="1"/>')
    # rigging ropes from the mast down to the rail
    ropes = []
    for t, gx in ((0.62, 560), (0.8, 640), (0.38, 520)):
        rx, ry = mx0 + (mx1 - mx0) * t, my0 + (my1 - my0) * t
        gy = gunwale_y(gx)
        ropes.append(f"M{f(rx)},{f(ry)} Q{f((rx + gx) / 2 - 10)},{f((ry + gy) / 2 + 22)} {gx},{f(gy)}")
    s.add(f'<path d="{" ".join(ropes)}" stroke="#5e5640" stroke-width="1.3" fill="none" opacity="0.8"/>')

    # hull
    hull = (f"M426,296 C446,310 470,316 520,314 L600,304 L690,290 L692,232 L800,218 L800,490 "
            f"L640,486 C560,476 500,452 468,410 C446,380 432,340 426,296 Z")
    s.define(f'<clipPath id="hullclip"><path d="{hull}"/></clipPath>')
    s.add(f'<path d="{hull}" fill="url(#hull)"/>')
    g = []
    # planks: lines following the sheer
    for k in range(1, 16):
        off = k * 11.5
        line = [(x, y + off) for x, y in GUNWALE] + [(800, 290 - 40 + off * 0.9)]
        g.append(f'<path d="{smooth_open(line)}" stroke="{HULL_D}" stroke-width="1.3" fill="none" opacity="0.8"/>')
        g.append(f'<path d="{smooth_open([(x, y + 1.5) for x, y in line])}" stroke="{HULL_L}" stroke-width="0.8" '
                 f'fill="none" opacity="0.35"/>')
    # plank butt joints
    joints = []
    for k in range(1, 16):
        for x in range(440 + (k * 37) % 60, 800, 70 + (k * 13) % 30):
            y = gunwale_y(min(x, 690)) + k * 11.5
            joints.append(f"M{x},{f(y - 11)} v11")
    g.append(f'<path d="{" ".join(joints)}" stroke="{HULL_D}" stroke-width="1" opacity="0.6"/>')
    # stern castle face and its planks
    for k in range(1, 7):
        g.append(f'<path d="M692,{232 + k * 10} L800,{218 + k * 10}" stroke="{HULL_D}" stroke-width="1.2"/>')
    # wale bands
    g.append(f'<path d="{smooth_open([(x, y + 16) for x, y in GUNWALE])} L800,{290 - 40 + 16 * 0.9 + 6}" '
             f'stroke="{HULL_DD}" stroke-width="5" fill="none" opacity="0.7"/>')
    g.append(f'<path d="{smooth_open([(x, y + 66) for x, y in GUNWALE])} L800,{290 - 40 + 66 * 0.9 + 6}" '
             f'stroke="{HULL_DD}" stroke-width="4" fill="none" opacity="0.55"/>')
    # green algae growth on the lower hull
    for _ in range(16):
        cx, cy = rnd.uniform(470, 800), rnd.uniform(380, 480)
        g.append(f'<path d="{smooth_closed(blob_pts(rnd, cx, cy, rnd.uniform(14, 34), rnd.uniform(6, 14), 8, 0.3))}" '
                 f'fill="{KELP}" opacity="0.22"/>')
    # barnacles
    dots = []
    for _ in range(90):
        cx, cy = rnd.uniform(450, 800), rnd.uniform(330, 480)
        dots.append(f'<circle cx="{f(cx)}" cy="{f(cy)}" r="{f(rnd.uniform(0.8, 1.8))}"/>')
    g.append(f'<g fill="#c9c2a2" opacity="0.55">{"".join(dots)}</g>')
    s.add(f'<g clip-path="url(#hullclip)">{"".join(g)}</g>')
    # rail along the gunwale, with posts
    s.add(f'<path d="{smooth_open(GUNWALE)} L692,232 L800,218" stroke="{HULL_DD}" stroke-width="3" fill="none"/>')
    s.add(f'<path d="{smooth_open([(x, y - 13) for x, y in GUNWALE[1:]])}" stroke="{HULL_D}" stroke-width="2.6" '
          f'fill="none"/>')
    posts = "".join(f"M{x},{f(gunwale_y(x))} v-13 " for x in range(455, 690, 26))
    s.add(f'<path d="{posts}" stroke="{HULL_D}" stroke-width="2.4"/>')
    s.add(f'<path d="M700,230 L800,216 M700,218 L800,204" stroke="{HULL_D}" stroke-width="2.4"/>')
    s.add(f'<path d="{"".join(f"M{x},{f(232 - (x - 692) * 0.13)} v-14 " for x in range(706, 800, 22))}" '
          f'stroke="{HULL_D}" stroke-width="2.2"/>')
    # gun ports, one cannon
    for x in (500, 556, 612):
        y = gunwale_y(x) + 26
        s.add(f'<rect x="{x}" y="{f(y)}" width="20" height="16" fill="{HULL_DD}" stroke="{HULL_D}" stroke-width="2"/>')
    cy = gunwale_y(556) + 34
    s.add(f'<path d="M566,{f(cy)} L540,{f(cy + 10)}" stroke="#34393a" stroke-width="8" stroke-linecap="round"/>'
          f'<path d="M565,{f(cy - 2)} L541,{f(cy + 7)}" stroke="#6f7b7a" stroke-width="1.6" opacity="0.8"/>')
    # stern windows with a lantern at the corner
    for x in (712, 740, 768):
        y = 246 - (x - 692) * 0.13
        s.add(f'<path d="M{x},{f(y + 20)} v-12 a8,8 0 0 1 16,0 v12 Z" fill="{HULL_DD}" stroke="{HULL_D}" '
              f'stroke-width="2"/><path d="M{x + 8},{f(y)} v20 M{x},{f(y + 10)} h16" stroke="{HULL_D}" stroke-width="1.4"/>')
    s.add(f'<path d="M700,214 v-10" stroke="{HULL_DD}" stroke-width="2"/>'
          f'<path d="M693,204 h14 l-2,-14 h-10 Z" fill="{GOLD_D}" stroke="{HULL_DD}" stroke-width="1.6"/>'
          f'<path d="M697,202 l1,-10 h4 l1,10 Z" fill="{GOLD_L}" opacity="0.7"/>'
          f'<path d="M695,190 l5,-6 l5,6 Z" fill="{HULL_DD}"/>')
    # the breach: a broken hole showing the dark hold and its ribs
    hole = [(588, 372), (600, 358), (611, 366), (624, 352), (640, 362), (652, 350), (668, 366), (676, 388),
            (670, 408), (680, 428), (664, 444), (646, 436), (630, 450), (612, 440), (596, 446), (590, 420), (582, 398)]
    s.define(f'<clipPath id="holeclip"><polygon points="{pts_str(hole)}"/></clipPath>')
    s.add(f'<polygon points="{pts_str(hole)}" fill="{HULL_DD}"/>')
    ribs = "".join(f'<path d="M{x},340 C{x + 6},380 {x + 6},420 {x - 2},460" stroke="#3c3224" stroke-width="6" fill="none"/>'
                   for x in (604, 632, 660))
    s.add(f'<g clip-path="url(#holeclip)">{ribs}<rect x="580" y="430" width="100" height="30" fill="#1f1c15" '
          f'opacity="0.6"/></g>')
    s.add(f'<polygon points="{pts_str(hole)}" fill="none" stroke="{HULL_L}" stroke-width="1.6" opacity="0.6"/>')
    # bowsprit
    s.add(f'<path d="M436,306 L372,262" stroke="{HULL_D}" stroke-width="7" stroke-linecap="round"/>'
          f'<path d="M434,302 L374,260" stroke="{HULL_L}" stroke-width="1.6" opacity="0.7"/>'
          f'<path d="M378,264 Q400,300 430,316" stroke="#5e5640" stroke-width="1.3" fill="none"/>')


# ---------------------------------------------------------------------------- island

def island_foot(s):
    """The island's rocky base under water, down the left side to the seabed."""
    rnd = random.Random("foot")
    edge = [(0, CUT), (300, CUT), (308, 128), (298, 156), (304, 184), (294, 214), (282, 240), (262, 266),
            (244, 296), (222, 322), (206, 350), (186, 378), (160, 404), (120, 420), (60, 428), (0, 432)]
    s.define(f"""
  <linearGradient id="footg" x1="0" y1="0" x2="0.3" y2="1">
    <stop offset="0" stop-color="{ROCK_M}"/><stop offset="1" stop-color="{ROCK_D}"/>
  </linearGradient>
  <clipPath id="footclip"><path d="{smooth_closed(edge, 0.12)}"/></clipPath>""")
    s.add(f'<path d="{smooth_closed(edge, 0.12)}" fill="url(#footg)"/>')
    g = [f'<path d="{smooth_closed(edge, 0.12)}" fill="{ROCK_DD}" opacity="0.55"/>']
    # boulders of many sizes, stacked: upper ones drawn first, lower ones rest on them
    boulders = []
    y = CUT - 4
    while y < 450:
        x = rnd.uniform(-30, -5)
        band = rnd.uniform(14, 30)
        while x < 330:
            rx = rnd.uniform(12, 40) if rnd.random() < 0.75 else rnd.uniform(40, 58)
            ry = min(rx * rnd.uniform(0.45, 0.75), band + 6)
            boulders.append((x + rx, y + ry * 0.6 + rnd.uniform(-5, 5), rx, ry))
            x += rx * rnd.uniform(1.4, 1.9)
        y += band
    tints = ("#6f8170", "#78806a", "#667a73", "#7f8470", "#6a7664", "#82897a")
    boulders.sort(key=lambda b: b[1])
    for cx, cy, rx, ry in boulders:
        col = rnd.choice(tints)
        pts = blob_pts(rnd, cx, cy, rx, ry, 10, 0.2)
        g.append(f'<path d="{smooth_closed(pts)}" fill="{col}" stroke="{ROCK_DD}" stroke-width="1.4"/>')
        lit = blob_pts(rnd, cx - rx * 0.12, cy - ry * 0.38, rx * 0.72, ry * 0.42, 8, 0.22)
        g.append(f'<path d="{smooth_closed(lit)}" fill="{ROCK_L}" opacity="{f(rnd.uniform(0.45, 0.8))}"/>')
        g.append(f'<path d="{smooth_closed(blob_pts(rnd, cx + rx * 0.1, cy + ry * 0.6, rx * 0.85, ry * 0.28, 7, 0.2))}" '
                 f'fill="{ROCK_DD}" opacity="0.4"/>')
        if rx > 24 and rnd.random() < 0.6:   # a crack
            x0 = cx + rnd.uniform(-rx * 0.4, rx * 0.4)
            g.append(f'<path d="M{f(x0)},{f(cy - ry * 0.7)} l{f(rnd.uniform(-5, 5))},{f(ry * 0.6)} '
                     f'l{f(rnd.uniform(-6, 6))},{f(ry * 0.5)}" stroke="{ROCK_DD}" stroke-width="1" fill="none" opacity="0.7"/>')
    # a sand-filled ledge at the left and a brown sponge bed near the top right
    g.append(f'<path d="M-4,314 C12,311 32,310 50,312 C56,324 50,338 36,344 C22,348 8,347 -4,344 Z" '
             f'fill="#cbb98c" stroke="{ROCK_DD}" stroke-width="1.2"/>'
             f'<path d="M-2,315 C14,312 32,311 48,313" stroke="#d8c596" stroke-width="2.4" fill="none" opacity="0.9"/>'
             f'<path d="M6,326 q6,-2 12,0 M22,334 q6,-2 12,0" stroke="#8a7a54" stroke-width="1" fill="none" opacity="0.7"/>')
    # encrusting growth: pink coralline patches, sponges, green algae
    for _ in range(26):
        cx, cy = rnd.uniform(0, 300), rnd.uniform(120, 420)
        col = rnd.choice(("#b97a6a", "#8aa56e", "#c4a070", "#7c9e84"))
        g.append(f'<path d="{smooth_closed(blob_pts(rnd, cx, cy, rnd.uniform(5, 12), rnd.uniform(3, 7), 7, 0.3))}" '
                 f'fill="{col}" opacity="0.65"/>')
    dots = []
    for _ in range(220):
        cx, cy = rnd.uniform(0, 305), rnd.uniform(110, 430)
        dots.append(f'<circle cx="{f(cx)}" cy="{f(cy)}" r="{f(rnd.uniform(0.6, 1.5))}"/>')
    g.append(f'<g fill="#c7c6a8" opacity="0.5">{"".join(dots)}</g>')
    s.add(f'<g clip-path="url(#footclip)">{"".join(g)}</g>')
    s.add(f'<path d="{smooth_open(edge[1:], 0.12)}" stroke="{ROCK_DD}" stroke-width="2" fill="none" opacity="0.6"/>')
    # weed and life on the rocks
    kelp_group(s, "foot-kelp-a", [18, 30, 62], 300, (200, 236), sway=8, width=4.5)
    kelp_group(s, "foot-kelp-b", [110, 126], 310, (230, 260), sway=6, width=4, col="#4b7f58")
    kelp_group(s, "foot-kelp-c", [232, 252, 270], 190, (140, 160), sway=6, width=3.6, col="#4b7f58")
    s.add(seagrass(rnd, 180, 250, 22, 7, "#5a8a5e", 20))
    s.add(seagrass(rnd, 90, 200, 18, 6, "#5a8a5e", 16))
    s.add(seagrass(rnd, 200, 300, 16, 5, "#5a8a5e", 14))
    s.add(seagrass(rnd, 60, 380, 20, 7, "#5a8a5e", 24))
    # sea fans and a sponge mound
    fan(s, rnd, 226, 306, 28, "#c27a62")
    fan(s, rnd, 118, 410, 26, "#b86e5c")
    fan(s, rnd, 40, 176, 22, "#b57c66")
    sponge = [(236, 200, 17, 14), (258, 212, 15, 16), (244, 226, 20, 10), (266, 192, 10, 9)]
    for cx, cy, rx, ry in sponge:
        s.add(f'<path d="{smooth_closed(blob_pts(rnd, cx, cy, rx, ry, 9, 0.15))}" fill="#7f7c4c" '
              f'stroke="#4f4c2e" stroke-width="1.2"/>'
              f'<path d="{smooth_closed(blob_pts(rnd, cx - 2, cy - ry * 0.35, rx * 0.7, ry * 0.45, 7, 0.2))}" '
              f'fill="#a19d68" opacity="0.8"/>')
        for _ in range(3):
            s.add(f'<ellipse cx="{f(cx + rnd.uniform(-rx / 2, rx / 2))}" cy="{f(cy + rnd.uniform(-ry / 3, ry / 2))}" '
                  f'rx="1.8" ry="1.2" fill="#4d432b"/>')
    for cx, cy in ((84, 300),):
        s.add(f'<path d="{smooth_closed(blob_pts(rnd, cx, cy, 14, 9, 8, 0.15, True))}" fill="#a58e5a" '
              f'stroke="#6b5c3a" stroke-width="1.2"/>')
        s.add(f'<ellipse cx="{cx - 3}" cy="{cy - 3}" rx="2.4" ry="1.5" fill="#4d432b"/>'
              f'<ellipse cx="{cx + 5}" cy="{cy - 1}" rx="2" ry="1.3" fill="#4d432b"/>')
    anemone(s, rnd, 150, 150, 10, "#d98b70")
    anemone(s, rnd, 186, 360, 8, "#e0a070")
    starfish(s, 96, 262, 9, "#d08050", 20)
    starfish(s, 248, 160, 7, "#c9a050", -10)
    urchins(s, rnd, [(196, 286), (58, 348), (130, 178)])


def fan(s, rnd, x, y, size, col):
    br = []

    def branch(px, py, ang, ln, depth):
        ex, ey = px + math.cos(ang) * ln, py + math.sin(ang) * ln
        br.append(f"M{f(px)},{f(py)} L{f(ex)},{f(ey)}")
        if depth:
            branch(ex, ey, ang - 0.35 + rnd.uniform(-0.1, 0.1), ln * 0.72, depth - 1)
            branch(ex, ey, ang + 0.35 + rnd.uniform(-0.1, 0.1), ln * 0.72, depth - 1)
    for a in (-2.1, -1.57, -1.05):
        branch(x, y, a, size * 0.42, 3)
    s.add(f'<path d="{" ".join(br)}" stroke="{col}" stroke-width="1.6" fill="none" stroke-linecap="round"/>')


def anemone(s, rnd, x, y, r, col):
    ts = []
    for i in range(11):
        a = math.pi + math.pi * i / 10
        ex, ey = x + math.cos(a) * r * 1.4, y + math.sin(a) * r * 1.5
        ts.append(f"M{x},{y} Q{f((x + ex) / 2 + rnd.uniform(-3, 3))},{f((y + ey) / 2 - 3)} {f(ex)},{f(ey)}")
    s.add(f'<path d="{" ".join(ts)}" stroke="{col}" stroke-width="2.2" fill="none" stroke-linecap="round"/>'
          f'<ellipse cx="{x}" cy="{y + 2}" rx="{f(r * 0.7)}" ry="{f(r * 0.45)}" fill="#a85d4c"/>')


def starfish(s, x, y, r, col, rot):
    pts = []
    for i in range(10):
        a = math.radians(rot - 90 + 36 * i)
        rr = r if i % 2 == 0 else r * 0.42
        pts.append((x + math.cos(a) * rr, y + math.sin(a) * rr))
    s.add(f'<path d="{smooth_closed(pts, 0.08)}" fill="{col}" stroke="#7a4a30" stroke-width="1"/>'
          f'<circle cx="{x}" cy="{y}" r="{f(r * 0.18)}" fill="#f0c090" opacity="0.8"/>')


def urchins(s, rnd, where):
    for x, y in where:
        sp = " ".join(f"M{x},{y} l{f(math.cos(a) * 7)},{f(math.sin(a) * 7)}"
                      for a in [math.pi + math.pi * i / 12 for i in range(13)])
        s.add(f'<path d="{sp}" stroke="#2f2a3a" stroke-width="1" opacity="0.85"/>'
              f'<ellipse cx="{x}" cy="{y}" rx="4.5" ry="3.6" fill="#3a3346"/>')


def island(s):
    rnd = random.Random("island")
    s.define(f"""
  <linearGradient id="beach" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="{SAND_L}"/><stop offset="1" stop-color="{SAND}"/>
  </linearGradient>""")
    # beach
    s.add(f'<path d="M0,{CUT} L0,80 C30,74 70,78 110,84 C170,90 250,86 330,{CUT} Z" fill="url(#beach)"/>')
    s.add(f'<path d="M0,{CUT - 4} C80,{CUT - 10} 220,{CUT - 10} 318,{CUT - 2}" stroke="{SAND_D}" stroke-width="3" '
          f'fill="none" opacity="0.5"/>')
    # rocky knoll: faceted, lit from the upper left
    outline = [(104, CUT), (112, 84), (126, 60), (140, 40), (152, 22), (168, 8), (186, 3), (204, 6), (220, 18),
               (236, 34), (250, 52), (266, 70), (282, 86), (300, CUT)]
    s.add(f'<polygon points="{pts_str(outline)}" fill="{ISLE_M}" stroke="{ISLE_DD}" stroke-width="1.6" '
          f'stroke-linejoin="round"/>')
    facets = [
        ([(112, 84), (126, 60), (140, 40), (152, 22), (168, 8), (170, 30), (150, 56), (134, 80), (120, CUT), (104, CUT)], ISLE_L),
        ([(168, 8), (186, 3), (204, 6), (196, 20), (178, 26), (170, 30)], ISLE_L),
        ([(170, 30), (178, 26), (196, 20), (206, 34), (196, 54), (174, 58), (156, 62), (150, 56)], "#c0a87e"),
        ([(204, 6), (220, 18), (236, 34), (228, 46), (206, 34), (196, 20)], ISLE_M),
        ([(134, 80), (150, 56), (156, 62), (174, 58), (180, 80), (166, CUT), (120, CUT)], "#bba27a"),
        ([(174, 58), (196, 54), (206, 34), (228, 46), (222, 72), (198, 84), (180, 80)], ISLE_M),
        ([(236, 34), (250, 52), (266, 70), (282, 86), (300, CUT), (250, CUT), (238, 80), (222, 72), (228, 46)], ISLE_D),
        ([(180, 80), (198, 84), (222, 72), (238, 80), (250, CUT), (166, CUT)], "#957b5e"),
    ]
    for poly, col in facets:
        s.add(f'<polygon points="{pts_str(poly)}" fill="{col}" stroke="{ISLE_DD}" stroke-width="0.9" '
              f'stroke-linejoin="round" opacity="0.95"/>')
    # cracks, lichen, grass
    s.add(f'<path d="M186,10 l-6,12 l4,8 M214,40 l-8,10 l2,12 M160,70 l8,10 M244,66 l-6,14 l6,8 '
          f'M136,90 l10,-12" stroke="{ISLE_DD}" stroke-width="1.2" fill="none" opacity="0.8"/>')
    lich = []
    for _ in range(40):
        cx, cy = rnd.uniform(130, 280), rnd.uniform(8, 96)
        if not point_in_poly(cx, cy, outline):
            continue
        lich.append(f'<path d="{smooth_closed(blob_pts(rnd, cx, cy, rnd.uniform(2.5, 6), rnd.uniform(1.6, 3.5), 6, 0.3))}" '
                    f'fill="{rnd.choice(("#e2d6b4", "#c8c09a", "#a9a27a", "#7d6a52"))}" opacity="0.8"/>')
    s.add("".join(lich))
    s.add(seagrass(rnd, 132, 70, 12, 6, "#6f8f4e", 12))
    s.add(seagrass(rnd, 214, 30, 10, 5, "#6f8f4e", 10))
    s.add(seagrass(rnd, 270, 92, 12, 6, "#6f8f4e", 14))
    s.add(seagrass(rnd, 96, 98, 14, 8, "#6f8f4e", 20))
    # shore rocks at the water's edge (they reach below the waterline)
    s.add(f'<path d="M0,{CUT - 2} C30,{CUT - 4} 60,{CUT - 3} 96,{CUT} C80,{CUT + 12} 50,{CUT + 22} 0,{CUT + 26} Z" '
          f'fill="#c9b98c" opacity="0.9"/>')
    for cx, cy, rx, ry, col in ((84, 100, 16, 11, ISLE_D), (70, 108, 12, 8, ISLE_M), (8, 96, 10, 7, ISLE_M)):
        s.add(f'<path d="{smooth_closed(blob_pts(rnd, cx, cy, rx, ry, 8, 0.18))}" fill="{col}" '
              f'stroke="{ISLE_DD}" stroke-width="1.3"/>')
    palm(s, rnd)


def point_in_poly(x, y, poly):
    inside = False
    for (x0, y0), (x1, y1) in zip(poly, poly[1:] + poly[:1]):
        if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
            inside = not inside
    return inside


def palm(s, rnd):
    trunk = [(96, 96), (92, 74), (84, 52), (74, 32), (64, 16)]
    s.add(f'<path d="{ribbon(trunk, [6, 5.4, 4.8, 4.2, 3.8])}" fill="{WOOD}" stroke="{WOOD_D}" stroke-width="1.3"/>')
    rings = []
    for i in range(1, 14):
        t = i / 14
        idx = t * (len(trunk) - 1)
        a, b = trunk[int(idx)], trunk[min(len(trunk) - 1, int(idx) + 1)]
        fr = idx - int(idx)
        x, y = a[0] + (b[0] - a[0]) * fr, a[1] + (b[1] - a[1]) * fr
        w = 6 - 2.2 * t
        rings.append(f"M{f(x - w)},{f(y - 1)} q{f(w)},{f(3)} {f(2 * w)},{f(-1.5)}")
    s.add(f'<path d="{" ".join(rings)}" stroke="{WOOD_D}" stroke-width="1.2" fill="none"/>')
    s.add(f'<path d="{smooth_open([(x - 2.5, y) for x, y in trunk])}" stroke="#b08256" stroke-width="1.4" '
          f'fill="none" opacity="0.8"/>')
    cx, cy = 64, 14
    # dead fronds hanging below the crown (dry, brown)
    for ang, ln in ((112, 40), (128, 36), (95, 32), (145, 34), (160, 40), (185, 44), (205, 40), (196, 60)):
        frond(s, cx, cy + 2, ang, ln, "#8f7a4a", "#6b5a36", droop=0.25)
    # coconuts
    for x, y in ((60, 22), (68, 24), (64, 28)):
        s.add(f'<circle cx="{x}" cy="{y}" r="4.6" fill="#6a5230" stroke="#4a3820" stroke-width="1"/>'
              f'<circle cx="{x - 1.5}" cy="{y - 1.5}" r="1.4" fill="#8d7046"/>')
    # green fronds
    for ang, ln in ((232, 56), (258, 40), (290, 48), (320, 64), (350, 60), (20, 52)):
        frond(s, cx, cy, ang, ln, KELP, "#2f5e3e")
    for ang, ln in ((305, 50), (5, 40)):
        frond(s, cx, cy, ang, ln, "#5f9466", KELP)


def frond(s, x, y, ang, ln, col, col_d, droop=0.55):
    """A palm frond: a curved spine with drooping leaflets on both sides."""
    a = math.radians(ang)

    def at(t):
        return (x + math.cos(a) * ln * t, y + math.sin(a) * ln * t + droop * ln * t * t)
    spine = [at(i / 8) for i in range(9)]
    leaves = []
    n = 11
    for i in range(1, n + 1):
        t = i / (n + 0.5)
        px, py = at(t)
        qx, qy = at(min(1, t + 0.05))
        da = math.atan2(qy - py, qx - px)
        ll = 15 * (1 - t * 0.55)
        for side in (-1, 1):
            la = da + side * 0.95
            ex = px + math.cos(la) * ll
            ey = py + math.sin(la) * ll + ll * 0.45
            mx = (px + ex) / 2 + math.cos(da) * 2
            my = (py + ey) / 2 + math.sin(da) * 2
            leaves.append(ribbon([(px, py), (mx, my), (ex, ey)], [1.9, 2.1, 0.3]))
    s.add(f'<path d="{" ".join(leaves)}" fill="{col}" stroke="{col_d}" stroke-width="0.6"/>'
          f'<path d="{smooth_open(spine)}" stroke="{col_d}" stroke-width="2.2" fill="none" stroke-linecap="round"/>')


# ---------------------------------------------------------------------------- seabed

SAND_TOP = [(0, 436), (90, 424), (190, 416), (300, 424), (380, 444), (470, 458), (560, 470),
            (680, 474), (800, 468)]


def seabed(s):
    rnd = random.Random("seabed")
    s.define(f"""
  <linearGradient id="sand" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="{WSAND}"/><stop offset="0.35" stop-color="{WSAND_L}"/>
    <stop offset="1" stop-color="#e2cf9c"/>
  </linearGradient>
  <filter id="grain" x="0" y="0" width="100%" height="100%">
    <feTurbulence type="fractalNoise" baseFrequency="0.9" numOctaves="1" seed="7" result="n"/>
    <feColorMatrix in="n" type="matrix" values="0 0 0 0 0.42  0 0 0 0 0.33  0 0 0 0 0.18  0 0 0 -2.2 1.25"/>
    <feComposite in2="SourceGraphic" operator="in"/>
  </filter>""")
    top = smooth_open(SAND_TOP)
    sand_d = f"{top} L800,600 L0,600 Z"
    s.define(f'<clipPath id="sandclip"><path d="{sand_d}"/></clipPath>')
    s.add(f'<path d="{sand_d}" fill="url(#sand)"/>')
    s.add(f'<path d="{top}" stroke="{WSAND_D}" stroke-width="2" fill="none" opacity="0.5"/>')
    g = []
    # soft sunlit and shaded swells
    for cx, cy, rx, ry, col, op in ((130, 540, 90, 26, "#f6e8c0", 0.7), (300, 580, 110, 22, "#f6e8c0", 0.6),
                                    (520, 590, 140, 16, "#f3e3b6", 0.5), (240, 470, 60, 14, "#c9b07a", 0.35),
                                    (740, 560, 70, 20, "#c9b07a", 0.35), (40, 480, 50, 16, "#c9b07a", 0.3)):
        g.append(f'<ellipse cx="{cx}" cy="{cy}" rx="{rx}" ry="{ry}" fill="{col}" opacity="{op}" filter="url(#blur4)"/>')
    # ripples
    rip = []
    for _ in range(70):
        x, y = rnd.uniform(-20, 800), rnd.uniform(440, 600)
        ln = rnd.uniform(18, 46)
        rip.append(f"M{f(x)},{f(y)} q{f(ln / 2)},{f(-rnd.uniform(2, 4))} {f(ln)},0")
    g.append(f'<path d="{" ".join(rip)}" stroke="{WSAND_D}" stroke-width="1.3" fill="none" opacity="0.45"/>')
    g.append(f'<path d="{" ".join(rip)}" stroke="#fff6da" stroke-width="1" fill="none" opacity="0.5" '
             f'transform="translate(0,-1.6)"/>')
    # pebbles
    peb = []
    for _ in range(150):
        x, y = rnd.uniform(0, 800), rnd.uniform(430, 600)
        r = rnd.uniform(0.8, 2.6)
        col = rnd.choice(("#a88f5c", "#8f8a72", "#c7b48a", "#7f7460", "#b89a6a"))
        peb.append(f'<ellipse cx="{f(x)}" cy="{f(y)}" rx="{f(r * 1.3)}" ry="{f(r)}" fill="{col}"/>')
    g.append("".join(peb))
    g.append(f'<rect y="400" width="800" height="200" fill="#000" filter="url(#grain)" opacity="0.5"/>')
    s.add(f'<g clip-path="url(#sandclip)">{"".join(g)}</g>')


def seabed_details(s):
    rnd = random.Random("details")
    # half-buried boulders at the foot of the island
    for cx, cy, rx, ry in ((18, 448, 34, 18), (276, 452, 30, 21), (160, 432, 22, 12), (70, 596, 40, 16),
                           (348, 448, 16, 9)):
        pts = blob_pts(rnd, cx, cy, rx, ry, 9, 0.15, True)
        s.add(f'<path d="{smooth_closed(pts)}" fill="{ROCK_M}" stroke="{ROCK_DD}" stroke-width="1.5"/>'
              f'<path d="{smooth_closed(blob_pts(rnd, cx - rx * 0.1, cy - ry * 0.3, rx * 0.7, ry * 0.4, 7, 0.15))}" '
              f'fill="{ROCK_L}" opacity="0.8"/>'
              f'<ellipse cx="{cx}" cy="{f(cy + ry * 0.55)}" rx="{f(rx * 1.1)}" ry="3" fill="{WSAND_D}" opacity="0.5"/>')
    # a weathered log half in the sand and a driftwood stick
    s.add(f'<path d="M176,440 C178,432 186,430 200,430 L232,432 C238,434 238,444 232,446 L186,448 C178,448 175,445 176,440 Z" '
          f'fill="#7d6a50" stroke="#4f4232" stroke-width="1.4"/>'
          f'<path d="M184,435 L230,436 M186,442 L226,442" stroke="#a08a68" stroke-width="1.3" opacity="0.8"/>'
          f'<ellipse cx="204" cy="449" rx="30" ry="2.6" fill="{WSAND_D}" opacity="0.6"/>')
    s.add(f'<path d="M196,476 L250,466" stroke="{HULL_M}" stroke-width="5" stroke-linecap="round"/>'
          f'<path d="M198,474 L248,465" stroke="{HULL_L}" stroke-width="1.4" opacity="0.8"/>')
    s.add(f'<path d="M30,512 C50,500 70,520 90,506 C104,498 120,512 132,504" stroke="#9d8a62" stroke-width="3" '
          f'fill="none" stroke-linecap="round"/><path d="M30,512 C50,500 70,520 90,506 C104,498 120,512 132,504" '
          f'stroke="#6f6040" stroke-width="3" fill="none" stroke-dasharray="2 3"/>')
    # red coral bits and pebbles near the middle
    coral_tree(s, rnd, 345, 474, 24, "#c8654e")
    coral_tree(s, rnd, 246, 436, 19, "#c97260")
    coral_tree(s, rnd, 52, 560, 26, "#c8654e")
    for x, y in ((316, 512), (332, 520), (300, 530), (296, 500), (340, 500), (322, 540)):
        s.add(f'<ellipse cx="{x}" cy="{y}" rx="3.2" ry="2.2" fill="#c46a50"/>'
              f'<ellipse cx="{x - 0.8}" cy="{y - 0.8}" rx="1.2" ry="0.8" fill="#e8a080"/>')
    starfish(s, 168, 510, 10, "#d9874f", 12)
    starfish(s, 720, 580, 11, "#d07a4a", -8)
    urchins(s, rnd, [(60, 470), (222, 524), (150, 600)])
    # sea grass on the sand
    for x, y, h, n in ((16, 520, 26, 9), (150, 466, 16, 6), (278, 476, 18, 7), (376, 590, 20, 8),
                       (468, 598, 18, 7), (650, 596, 18, 7), (790, 540, 26, 9), (86, 600, 16, 6),
                       (240, 600, 16, 6), (560, 478, 14, 5)):
        s.add(seagrass(rnd, x, y, h, n, "#5d8f5a", 16))


def coral_tree(s, rnd, x, y, size, col):
    br = []

    def branch(px, py, ang, ln, depth, w):
        ex, ey = px + math.cos(ang) * ln, py + math.sin(ang) * ln
        br.append((f"M{f(px)},{f(py)} L{f(ex)},{f(ey)}", w))
        if depth:
            branch(ex, ey, ang - 0.45 + rnd.uniform(-0.15, 0.15), ln * 0.75, depth - 1, w * 0.75)
            branch(ex, ey, ang + 0.45 + rnd.uniform(-0.15, 0.15), ln * 0.75, depth - 1, w * 0.75)
    branch(x, y, -1.57, size * 0.4, 3, 4)
    for d, w in br:
        s.add(f'<path d="{d}" stroke="#7f3a2a" stroke-width="{f(w + 1.6)}" stroke-linecap="round"/>')
    for d, w in br:
        s.add(f'<path d="{d}" stroke="{col}" stroke-width="{f(w)}" stroke-linecap="round"/>')


def chest(s):
    """An open treasure chest half in the sand, right of the plank."""
    s.add(f'<ellipse cx="752" cy="540" rx="54" ry="9" fill="{WSAND_D}" opacity="0.5"/>')
    # lid, open and leaning back
    s.add(f'<path d="M710,500 L718,470 C730,458 774,458 786,470 L794,500 Z" fill="{WOOD}" stroke="{WOOD_D}" stroke-width="2"/>'
          f'<path d="M716,486 L790,486" stroke="{RUST}" stroke-width="3"/>'
          f'<path d="M722,468 C736,462 768,462 782,468" stroke="#a9744a" stroke-width="2" fill="none"/>')
    # coins heaped
    s.add(f'<path d="M710,504 C722,486 780,486 794,504 Z" fill="{GOLD}" stroke="{GOLD_D}" stroke-width="1.4"/>')
    rnd = random.Random("coins")
    coins = []
    for _ in range(16):
        x, y = rnd.uniform(718, 786), rnd.uniform(492, 504)
        coins.append(f'<ellipse cx="{f(x)}" cy="{f(y)}" rx="3.4" ry="2" fill="{GOLD_L}" stroke="{GOLD_D}" stroke-width="0.8"/>')
    s.add("".join(coins))
    s.add(f'<path d="M740,490 l4,-6 l4,6 l-4,4 Z" fill="{CORAL}" stroke="#7f3a2a" stroke-width="0.8"/>'
          f'<path d="M760,494 l3,-5 l3,5 l-3,3 Z" fill="{SEA_L}" stroke="{SEA_DEEP}" stroke-width="0.8"/>')
    # body
    s.add(f'<path d="M706,502 L798,502 L794,544 L710,544 Z" fill="{WOOD}" stroke="{WOOD_D}" stroke-width="2"/>'
          f'<path d="M708,516 L796,516 M709,530 L795,530" stroke="{WOOD_D}" stroke-width="1.2" opacity="0.8"/>'
          f'<path d="M722,502 L724,544 M780,502 L778,544" stroke="{RUST}" stroke-width="4"/>'
          f'<rect x="744" y="506" width="14" height="14" rx="2" fill="{GOLD_D}" stroke="{WOOD_D}" stroke-width="1.2"/>'
          f'<circle cx="751" cy="512" r="2" fill="{WOOD_D}"/>')
    # a few coins spilt on the sand
    for x, y in ((700, 548), (712, 556), (796, 552), (690, 540)):
        s.add(f'<ellipse cx="{x}" cy="{y}" rx="3.6" ry="2" fill="{GOLD}" stroke="{GOLD_D}" stroke-width="0.8"/>')
    s.add(f'<ellipse cx="752" cy="494" rx="40" ry="14" fill="#fff4c0" opacity="0.25" filter="url(#blur4)"/>')


def plank(s):
    """The driftwood plank the list slots rest on."""
    s.define(f"""
  <linearGradient id="plank" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#b08458"/><stop offset="0.5" stop-color="#9a6e45"/>
    <stop offset="1" stop-color="#7f5634"/>
  </linearGradient>""")
    s.add(f'<path d="M356,552 L694,552 L700,560 L352,560 Z" fill="{WSAND_D}" opacity="0.55" filter="url(#blur2)"/>')
    body = "M360,484 L688,481 L692,486 L691,550 L686,553 L362,553 L357,548 L358,489 Z"
    s.add(f'<path d="{body}" fill="url(#plank)" stroke="{WOOD_D}" stroke-width="2" stroke-linejoin="round"/>')
    grain = ("M364,496 C420,492 470,498 540,494 C600,491 640,497 686,494 "
             "M364,512 C430,509 480,515 560,511 C620,508 660,514 686,511 "
             "M364,530 C420,534 500,527 580,531 C630,534 660,529 686,532 "
             "M364,544 C430,541 520,546 600,543 C640,541 670,545 686,543")
    s.add(f'<path d="{grain}" stroke="{WOOD_D}" stroke-width="1" fill="none" opacity="0.45"/>')
    s.add(f'<path d="M362,486 L688,483" stroke="#c99c6c" stroke-width="1.4" opacity="0.8"/>')
    s.add(f'<ellipse cx="545" cy="548" rx="8" ry="2.6" fill="{WOOD_D}" opacity="0.5"/>')
    for x, y in ((364, 492), (684, 490), (364, 546), (684, 546)):
        s.add(f'<circle cx="{x}" cy="{y}" r="1.8" fill="#3b3b33"/>')


def caustics(s):
    """Dancing light on the sand: broken, wavy light lines."""
    rnd = random.Random("caustics")
    lines = []
    for _ in range(260):
        x, y = rnd.uniform(-10, 810), rnd.uniform(420, 600)
        pts = [(x, y)]
        for _ in range(rnd.randint(2, 4)):
            x += rnd.uniform(6, 14) * rnd.choice((-1, 1))
            y += rnd.uniform(-5, 5)
            pts.append((x, y))
        lines.append(smooth_open(pts))
    s.add(f'<g clip-path="url(#sandclip)"><path d="{" ".join(lines)}" stroke="#fffbe6" stroke-width="1.3" '
          f'fill="none" opacity="0.35" stroke-linecap="round"/></g>')


def surface(s):
    """The cut-away waterline: a bright wavy edge and the shimmering underside."""
    rnd = random.Random("surface")
    pts = [(x, CUT + math.sin(x / 23) * 1.6 + math.sin(x / 7.3) * 0.8) for x in range(-10, 820, 10)]
    line = smooth_open(pts)
    s.add(f'<path d="{line} L810,{CUT + 14} L-10,{CUT + 14} Z" fill="#8fd0c8" opacity="0.45"/>')
    s.add(f'<path d="{line}" stroke="#f2fbf4" stroke-width="2.4" fill="none"/>')
    s.add(f'<path d="{smooth_open([(x, y + 3) for x, y in pts])}" stroke="{SEA}" stroke-width="1.2" fill="none" '
          f'opacity="0.35"/>')
    shim = []
    for _ in range(60):
        x, y = rnd.uniform(0, 800), rnd.uniform(CUT + 6, CUT + 40)
        ln = rnd.uniform(6, 22)
        shim.append(f"M{f(x)},{f(y)} q{f(ln / 2)},{f(rnd.uniform(-2.5, 2.5))} {f(ln)},0")
    s.add(f'<path d="{" ".join(shim)}" stroke="#e0f4ee" stroke-width="1.2" fill="none" opacity="0.45"/>')
    # foam where the sea laps at the beach and the mast
    s.add(f'<path d="M300,{CUT - 1} q8,-4 16,0 q8,-3 14,1 M0,{CUT - 1} q10,-4 20,0 q10,-3 20,0 q10,-4 20,0 '
          f'M768,{CUT - 1} q6,-4 12,0 q6,-3 12,0 q5,-3 10,0" stroke="#ffffff" stroke-width="2" fill="none" '
          f'opacity="0.85"/>')


def bubbles(s):
    rnd = random.Random("bubbles")
    out = []
    for x0, y0, n in ((584, 300, 7), (470, 440, 5), (250, 250, 5), (720, 220, 6), (330, 400, 4)):
        x, y = x0, y0
        for i in range(n):
            r = rnd.uniform(1.2, 2.8)
            out.append(f'<circle cx="{f(x)}" cy="{f(y)}" r="{f(r)}"/>')
            y -= rnd.uniform(9, 18)
            x += rnd.uniform(-4, 4)
    s.add(f'<g fill="none" stroke="#e8f6f0" stroke-width="0.9" opacity="0.7">{"".join(out)}</g>')


def mast_weed(s):
    """Weed draped over the broken mast top, where it comes out of the water."""
    rnd = random.Random("mastweed")
    s.add(kelp_strand(rnd, 786, 100, 64, 4, 3.4, "#4b7f58", KELP_L, 6))
    s.add(kelp_strand(rnd, 778, 112, 72, -3, 3, KELP, KELP_L, 6))
    s.add(f'<path d="M768,84 C776,78 786,74 796,80 C800,84 800,92 798,100" stroke="#4b7f58" stroke-width="3.2" '
          f'fill="none" stroke-linecap="round"/>')


def buoy_line(s):
    """A lost fishing float on the surface, its line snagged on the bowsprit."""
    s.add(f'<path d="M404,108 C398,140 412,170 400,196 C390,220 404,236 394,250 C388,258 380,260 374,262" '
          f'stroke="#4f4a36" stroke-width="1.5" fill="none"/>')
    s.add(f'<path d="M398,{CUT - 6} C398,{CUT - 10} 410,{CUT - 10} 410,{CUT - 6} L408,{CUT + 6} L400,{CUT + 6} Z" '
          f'fill="{CORAL}" stroke="{INK}" stroke-width="1.2"/>'
          f'<path d="M399,{CUT + 1} L409,{CUT + 1} L407,{CUT + 8} L401,{CUT + 8} Z" fill="{PARCH_L}" '
          f'stroke="{INK}" stroke-width="1.2"/><path d="M404,{CUT - 9} v-5" stroke="{INK}" stroke-width="1.2"/>')


def jellyfish(s):
    for x, y, r in ((338, 176, 8), (356, 150, 5.5)):
        tent = " ".join(f"M{f(x + dx)},{f(y + 1)} q{f(3 if i % 2 else -3)},{f(r)} 0,{f(r * 2.4)}"
                        for i, dx in enumerate((-r * 0.6, -r * 0.2, r * 0.2, r * 0.6)))
        s.add(f'<g opacity="0.6"><path d="{tent}" stroke="#f4d8dc" stroke-width="1" fill="none"/>'
              f'<path d="M{f(x - r)},{f(y + 1)} C{f(x - r)},{f(y - r * 1.4)} {f(x + r)},{f(y - r * 1.4)} {f(x + r)},{f(y + 1)} '
              f'q{f(-r / 2)},{f(-2)} {f(-r)},0 q{f(-r / 2)},{f(-2)} {f(-r)},0 Z" fill="#f2dfe4" stroke="#e0b6c0" stroke-width="0.8"/></g>')


def rope_coil(s):
    """A coil of old rope hanging on the hull beside the breach."""
    s.add(f'<path d="M700,380 v6" stroke="{HULL_DD}" stroke-width="3"/>')
    for i, (rx, ry) in enumerate(((20, 9), (17, 7.5), (14, 6))):
        s.add(f'<ellipse cx="{700 + i}" cy="{f(396 + i * 1.5)}" rx="{rx}" ry="{ry}" fill="none" stroke="#5c5038" '
              f'stroke-width="4.2"/><ellipse cx="{700 + i}" cy="{f(396 + i * 1.5)}" rx="{rx}" ry="{ry}" fill="none" '
              f'stroke="#8a7a54" stroke-width="2.6" stroke-dasharray="3 1.4"/>')
    s.add(f'<path d="M684,400 C680,412 686,420 682,430" stroke="#5c5038" stroke-width="4" fill="none" stroke-linecap="round"/>'
          f'<path d="M684,400 C680,412 686,420 682,430" stroke="#a89464" stroke-width="2.4" fill="none" '
          f'stroke-dasharray="3 1.4" stroke-linecap="round"/>')


def sargassum(s):
    """Floating weed caught on the mast top at the surface, right edge."""
    rnd = random.Random("sargassum")
    out = []
    for _ in range(44):
        x = rnd.uniform(764, 806)
        y = rnd.uniform(57, 106) if x > 776 else rnd.uniform(80, 106)
        out.append(f'<ellipse cx="{f(x)}" cy="{f(y)}" rx="{f(rnd.uniform(2.5, 5))}" ry="{f(rnd.uniform(1.5, 3))}" '
                   f'transform="rotate({rnd.randint(-40, 40)} {f(x)} {f(y)})"/>')
    s.add(f'<g fill="#6d8a4c" stroke="#3f5a34" stroke-width="0.7">{"".join(out)}</g>')
    berries = "".join(f'<circle cx="{f(rnd.uniform(766, 800))}" cy="{f(rnd.uniform(62, 104))}" r="1.3"/>'
                      for _ in range(18))
    s.add(f'<g fill="#b8a24e">{berries}</g>')


def build_svg():
    s = Scene()
    sky(s)
    far_sea(s)
    water(s)
    rays(s, 0.9)
    far_seabed(s)
    # weed that grows behind the wreck's bow
    kelp_group(s, "bowkelp", [492, 508, 524, 546], 420, (248, 272), sway=9, width=5, col="#427a56")
    wreck(s)
    island_foot(s)
    seabed(s)
    kelp_group(s, "midkelp", [384, 398, 414, 430, 446], 446, (276, 310), sway=10, width=5.2)
    kelp_group(s, "deckkelp", [498, 516, 534, 552], 318, (266, 282), sway=5, width=3.6, col="#4b7f58")
    kelp_group(s, "sternkelp", [744, 758, 772, 786, 798], 478, (236, 290), sway=9, width=5.6)
    seabed_details(s)
    plank(s)
    chest(s)
    caustics(s)
    bubbles(s)
    rope_coil(s)
    buoy_line(s)
    jellyfish(s)
    island(s)
    mast_weed(s)
    sargassum(s)
    surface(s)
    rays(s, 0.35)
    # a soft darkening towards the bottom of the window frames the seabed
    s.define('''
  <linearGradient id="floor" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#3b2614" stop-opacity="0"/><stop offset="1" stop-color="#3b2614" stop-opacity="0.16"/>
  </linearGradient>''')
    s.add('<rect y="500" width="800" height="100" fill="url(#floor)"/>')
    return s.svg()
