"""The fifteen findable objects, drawn as SVG in full colour.

Every drawing works in its own view box (about 100 units across); the build renders it
large, crops it to its visible pixels and scales it to the size it is needed at.
The hidden (camouflaged) versions are made from these same drawings by the build:
recoloured into the scene's tones, see CAMO in make_level.py.
"""

# Shared palette (assets/palette.txt) and a few tints of it.
INK = "#3b2614"
INK_FADED = "#7a5a3a"
PARCH_L = "#f6ead0"
PARCH = "#ead5a8"
PARCH_D = "#c9a46a"
SEA_DEEP = "#0e3b4f"
SEA = "#1c6e80"
SEA_L = "#4fa3a5"
FOAM = "#bfe3dc"
SAND_L = "#f0dfb0"
SAND = "#d9bf83"
SAND_D = "#a98a52"
WOOD = "#8a5a33"
WOOD_D = "#5a3a20"
KELP = "#3f7652"
KELP_L = "#7fae7a"
CORAL = "#d9654b"
GOLD = "#e8b54a"
RUST = "#9c4a2a"

CORAL_D = "#a8442f"    # coral, shaded
GOLD_D = "#b9852c"     # gold, shaded
GOLD_L = "#f5d98a"     # gold, lit
IRON = "#4a4f52"       # old iron (ink mixed with sea)
IRON_L = "#7d8a8c"
BONE = "#f3ead6"
BONE_D = "#d2c09a"
WHITE = "#fffaf0"


def fish():
    """A small striped reef fish swimming left."""
    body = ("M6,33 C12,15 34,7 56,14 C64,17 70,22 75,28 L95,10 C90,22 90,42 95,54 "
            "L75,37 C70,43 64,47 56,50 C34,57 12,51 6,33 Z")
    return 100, 64, f"""
  <defs><clipPath id="fb"><path d="{body}"/></clipPath></defs>
  <path d="M30,14 C36,2 52,2 60,16 Z" fill="{CORAL_D}" stroke="{INK}" stroke-width="2.5" stroke-linejoin="round"/>
  <path d="M34,50 C40,60 50,60 56,49 Z" fill="{CORAL_D}" stroke="{INK}" stroke-width="2.5" stroke-linejoin="round"/>
  <path d="{body}" fill="{CORAL}"/>
  <g clip-path="url(#fb)">
    <path d="M6,40 C20,54 48,54 76,36 L76,64 L0,64 Z" fill="{CORAL_D}" opacity="0.55"/>
    <path d="M26,0 C20,20 20,44 26,64 L34,64 C28,44 28,20 34,0 Z" fill="{WHITE}" stroke="{INK}" stroke-width="1.8"/>
    <path d="M50,0 C44,20 44,44 50,64 L57,64 C51,44 51,20 57,0 Z" fill="{WHITE}" stroke="{INK}" stroke-width="1.8"/>
    <path d="M70,0 C66,20 66,44 70,64 L100,64 L100,0 Z" fill="{CORAL_D}" opacity="0.45"/>
  </g>
  <path d="{body}" fill="none" stroke="{INK}" stroke-width="3" stroke-linejoin="round"/>
  <path d="M82,22 L90,30 M82,42 L90,34" stroke="{INK}" stroke-width="1.6" stroke-linecap="round" fill="none"/>
  <path d="M40,36 C44,40 50,40 52,34 C48,36 44,36 40,36 Z" fill="{CORAL_D}" stroke="{INK}" stroke-width="1.4"/>
  <circle cx="17" cy="28" r="5.2" fill="{WHITE}" stroke="{INK}" stroke-width="2"/>
  <circle cx="16" cy="28" r="2.6" fill="{INK}"/>
  <path d="M7,36 C9,38 12,38 13,37" stroke="{INK}" stroke-width="1.8" fill="none" stroke-linecap="round"/>
"""


def anchor():
    """A ship's anchor with ring, stock and two flukes."""
    arms = "M12,66 C14,84 28,94 40,94 C52,94 66,84 68,66"
    flukes = ("M4,70 L12,54 L20,70 Z", "M60,70 L68,54 L76,70 Z")
    layers = []
    for col, extra in ((INK, 3.2), (None, 0)):
        fill = col or IRON_L
        shank = col or IRON
        layers.append(f"""
  <circle cx="40" cy="11" r="8" fill="none" stroke="{col or IRON}" stroke-width="{4 + 2 * extra}"/>
  <path d="M40,20 L40,90" stroke="{shank}" stroke-width="{8 + 2 * extra}" stroke-linecap="round"/>
  <path d="M16,30 L64,30" stroke="{shank}" stroke-width="{6 + 2 * extra}" stroke-linecap="round"/>
  <path d="{arms}" stroke="{shank}" stroke-width="{7 + 2 * extra}" fill="none" stroke-linecap="round"/>
  <path d="{flukes[0]}" fill="{fill}" stroke="{col or fill}" stroke-width="{2 * extra + 0.01}" stroke-linejoin="round"/>
  <path d="{flukes[1]}" fill="{fill}" stroke="{col or fill}" stroke-width="{2 * extra + 0.01}" stroke-linejoin="round"/>
  <circle cx="16" cy="30" r="{5 + extra}" fill="{fill}"/>
  <circle cx="64" cy="30" r="{5 + extra}" fill="{fill}"/>
""")
    return 80, 100, layers[0] + layers[1] + f"""
  <path d="M37.5,36 L37.5,86" stroke="{IRON_L}" stroke-width="2" stroke-linecap="round"/>
  <path d="M18,28.5 L62,28.5" stroke="{IRON_L}" stroke-width="1.6" stroke-linecap="round"/>
  <path d="M16,72 C20,84 30,90 40,90" stroke="{IRON_L}" stroke-width="1.8" fill="none" stroke-linecap="round"/>
  <path d="M44,50 l3,2 M36,62 l-3,3 M45,76 l2,2" stroke="{RUST}" stroke-width="3" stroke-linecap="round"/>
  <circle cx="55" cy="86" r="2.5" fill="{RUST}"/>
"""


def crab():
    """A crab seen from the front, claws raised."""
    left = [((28, 44), (12, 36), (3, 48)), ((27, 51), (9, 48), (3, 62)), ((31, 57), (14, 60), (10, 73))]
    legs = []
    for (a, k, f) in left:
        for mx in (lambda x: x, lambda x: 100 - x):
            legs.append(f"M{mx(a[0])},{a[1]} L{mx(k[0])},{k[1]} L{mx(f[0])},{f[1]}")
    legs_d = " ".join(legs)
    claw_l = "M14,6 C4,10 2,24 12,30 C18,34 26,30 26,24 L17,22 L24,14 C22,8 18,5 14,6 Z"
    claw_r = "M86,6 C96,10 98,24 88,30 C82,34 74,30 74,24 L83,22 L76,14 C78,8 82,5 86,6 Z"
    arms = "M30,40 C22,40 18,36 18,30 M70,40 C78,40 82,36 82,30"
    body = "M22,46 C22,32 36,26 50,26 C64,26 78,32 78,46 C78,58 64,64 50,64 C36,64 22,58 22,46 Z"
    return 100, 76, f"""
  <path d="{legs_d}" stroke="{INK}" stroke-width="7" fill="none" stroke-linecap="round" stroke-linejoin="round"/>
  <path d="{legs_d}" stroke="{CORAL_D}" stroke-width="3.4" fill="none" stroke-linecap="round" stroke-linejoin="round"/>
  <path d="{arms}" stroke="{INK}" stroke-width="8" fill="none" stroke-linecap="round"/>
  <path d="{arms}" stroke="{CORAL_D}" stroke-width="4.5" fill="none" stroke-linecap="round"/>
  <path d="{claw_l}" fill="{CORAL}" stroke="{INK}" stroke-width="2.6" stroke-linejoin="round"/>
  <path d="{claw_r}" fill="{CORAL}" stroke="{INK}" stroke-width="2.6" stroke-linejoin="round"/>
  <path d="M40,28 L37,14 M60,28 L63,14" stroke="{INK}" stroke-width="4.5" stroke-linecap="round"/>
  <path d="M40,28 L37,14 M60,28 L63,14" stroke="{CORAL_D}" stroke-width="2" stroke-linecap="round"/>
  <circle cx="37" cy="12" r="5" fill="{WHITE}" stroke="{INK}" stroke-width="2"/>
  <circle cx="63" cy="12" r="5" fill="{WHITE}" stroke="{INK}" stroke-width="2"/>
  <circle cx="37.5" cy="12.5" r="2.4" fill="{INK}"/>
  <circle cx="62.5" cy="12.5" r="2.4" fill="{INK}"/>
  <path d="{body}" fill="{CORAL}" stroke="{INK}" stroke-width="3"/>
  <path d="M28,50 C36,60 64,60 72,50 C66,62 34,62 28,50 Z" fill="{CORAL_D}"/>
  <path d="M34,36 C40,32 48,31 54,32" stroke="{GOLD_L}" stroke-width="2.4" fill="none" stroke-linecap="round" opacity="0.8"/>
  <path d="M43,47 C46,50 54,50 57,47" stroke="{INK}" stroke-width="2" fill="none" stroke-linecap="round"/>
  <circle cx="36" cy="44" r="1.8" fill="{CORAL_D}"/><circle cx="64" cy="44" r="1.8" fill="{CORAL_D}"/>
"""


def bird():
    """A seagull sitting (on the water or the sand), facing right."""
    body = ("M70,30 C80,38 80,54 66,60 C54,65 30,64 18,58 L2,54 L16,48 "
            "C22,38 40,32 56,32 C60,30 64,29 70,30 Z")
    wing = "M22,46 C30,36 48,36 62,42 C60,52 48,58 30,56 L6,53 Z"
    return 100, 66, f"""
  <path d="{body}" fill="{WHITE}" stroke="{INK}" stroke-width="2.8" stroke-linejoin="round"/>
  <circle cx="72" cy="22" r="12" fill="{WHITE}" stroke="{INK}" stroke-width="2.8"/>
  <path d="M62,32 C66,36 72,36 76,32 L76,40 L62,40 Z" fill="{WHITE}"/>
  <path d="M82,18 L98,24 L95,27 L82,28 Z" fill="{GOLD}" stroke="{INK}" stroke-width="2.2" stroke-linejoin="round"/>
  <circle cx="92" cy="27" r="1.8" fill="{CORAL}"/>
  <path d="{wing}" fill="#9fb3b5" stroke="{INK}" stroke-width="2.4" stroke-linejoin="round"/>
  <path d="M6,53 L20,51 L14,56 Z" fill="{INK}"/>
  <path d="M30,46 C40,42 50,42 58,45 M28,51 C38,49 46,50 54,50" stroke="#778c90" stroke-width="1.8" fill="none" stroke-linecap="round"/>
  <path d="M18,58 C30,64 54,65 66,60" stroke="#cfd8d6" stroke-width="2" fill="none"/>
  <circle cx="75" cy="19" r="2.4" fill="{INK}"/>
"""


def spyglass():
    """A brass telescope lying sideways, eyepiece left."""
    def seg(x0, x1, h, fill):
        y0 = 20 - h / 2
        return (f'<rect x="{x0}" y="{y0}" width="{x1 - x0}" height="{h}" rx="1.5" '
                f'fill="{fill}" stroke="{INK}" stroke-width="2.4"/>')
    return 120, 40, f"""
  {seg(2, 20, 10, GOLD)}
  {seg(18, 50, 16, WOOD)}
  {seg(46, 56, 19, GOLD)}
  {seg(54, 98, 24, WOOD)}
  {seg(96, 104, 28, GOLD)}
  <path d="M104,4 L116,2 L116,38 L104,36 Z" fill="{GOLD}" stroke="{INK}" stroke-width="2.4" stroke-linejoin="round"/>
  <path d="M109,8 L113,7 L113,33 L109,32 Z" fill="{SEA_L}" opacity="0.9"/>
  <path d="M4,17 L18,17 M20,14 L48,14 M56,11 L96,11" stroke="{GOLD_L}" stroke-width="2" stroke-linecap="round" opacity="0.85"/>
  <path d="M58,27 L94,27 M22,25 L46,25" stroke="{WOOD_D}" stroke-width="2" stroke-linecap="round"/>
  <path d="M97,10 L97,30 M47,13 L47,27" stroke="{GOLD_D}" stroke-width="1.6"/>
"""


def hook():
    """A fishing hook with its eye at the top and a barbed point."""
    d = "M30,14 L30,62 C30,78 22,84 15,84 C7,84 3,77 4,68 L5,60"
    return 40, 92, f"""
  <circle cx="30" cy="8" r="5.2" fill="none" stroke="{INK}" stroke-width="6"/>
  <path d="{d}" stroke="{INK}" stroke-width="8" fill="none" stroke-linecap="round" stroke-linejoin="round"/>
  <path d="M5,58 L12,70 L2,66 Z" fill="{INK}" stroke="{INK}" stroke-width="3.5" stroke-linejoin="round"/>
  <circle cx="30" cy="8" r="5.2" fill="none" stroke="{IRON_L}" stroke-width="2.6"/>
  <path d="{d}" stroke="{IRON_L}" stroke-width="4" fill="none" stroke-linecap="round" stroke-linejoin="round"/>
  <path d="M5.5,60 L10,68 L3.5,65.5 Z" fill="{IRON_L}"/>
  <path d="M28.6,20 L28.6,60 C28.6,72 24,79 16,80" stroke="{WHITE}" stroke-width="1.2" fill="none" opacity="0.9"/>
"""


def seahorse():
    """A seahorse facing right, tail curled."""
    torso = ("M20,20 C34,18 48,36 46,56 C45,70 36,80 29,86 L18,82 "
             "C21,70 14,58 12,46 C10,34 12,24 20,20 Z")
    tail = "M25,82 C23,96 16,106 9,101 C3,97 7,88 14,92"
    head = "M14,16 C14,6 24,2 31,6 C36,9 38,13 38,18 C38,24 32,28 24,28 C18,28 14,22 14,16 Z"
    snout = "M34,15 L55,20"
    fin = "M13,38 C5,40 3,50 5,58 L14,56 Z"
    crown = "M19,7 L20,1 L24,5 L27,1 L29,6 Z"
    outline = f"""
  <path d="{tail}" stroke="{INK}" stroke-width="11" fill="none" stroke-linecap="round"/>
  <path d="{snout}" stroke="{INK}" stroke-width="10.5" stroke-linecap="round"/>
  <path d="{fin}" fill="{INK}" stroke="{INK}" stroke-width="5" stroke-linejoin="round"/>
  <path d="{crown}" fill="{INK}" stroke="{INK}" stroke-width="5" stroke-linejoin="round"/>
  <path d="{torso}" fill="{INK}" stroke="{INK}" stroke-width="5"/>
  <path d="{head}" fill="{INK}" stroke="{INK}" stroke-width="5"/>
"""
    ridges = " ".join(f"M{16 + i * 0.6},{34 + i * 7} C{26 + i},{34 + i * 7} {36 + i},{34 + i * 8} {44 - abs(i - 2) * 2},{36 + i * 8}"
                      for i in range(6))
    fill = f"""
  <path d="{tail}" stroke="{GOLD}" stroke-width="6" fill="none" stroke-linecap="round"/>
  <path d="{snout}" stroke="{GOLD}" stroke-width="5.5" stroke-linecap="round"/>
  <path d="{fin}" fill="{GOLD_L}"/>
  <path d="M6,44 L13,46 M5,50 L13,50 M6,55 L13,54" stroke="{GOLD_D}" stroke-width="1.4"/>
  <path d="{crown}" fill="{GOLD_D}"/>
  <path d="{torso}" fill="{GOLD}"/>
  <path d="{head}" fill="{GOLD}"/>
  <path d="M40,40 C46,52 44,68 32,82 L28,80 C38,68 40,52 36,42 Z" fill="{GOLD_D}" opacity="0.8"/>
  <path d="{ridges}" stroke="{GOLD_D}" stroke-width="1.6" fill="none"/>
  <circle cx="27" cy="13" r="3.6" fill="{WHITE}" stroke="{INK}" stroke-width="1.4"/>
  <circle cx="28" cy="13" r="1.9" fill="{INK}"/>
  <path d="M18,10 C20,7 24,6 26,6" stroke="{GOLD_L}" stroke-width="1.6" fill="none" stroke-linecap="round"/>
"""
    return 60, 110, outline + fill


def letter():
    """A sealed letter: folded paper with a red wax seal."""
    return 112, 88, f"""<g transform="translate(6,10) rotate(-11 50 34)">
  <path d="M4,8 L96,4 L94,64 L6,66 Z" fill="{PARCH_L}" stroke="{INK}" stroke-width="3" stroke-linejoin="round"/>
  <path d="M6,66 L48,34 L94,64" fill="{PARCH}" stroke="{INK}" stroke-width="2.2" stroke-linejoin="round"/>
  <path d="M4,8 L50,40 L96,4" fill="none" stroke="{INK}" stroke-width="2.6" stroke-linejoin="round"/>
  <path d="M4,8 L50,40 L96,4 Z" fill="{PARCH_D}" opacity="0.35"/>
  <path d="M14,56 L30,46 M70,46 L84,56" stroke="{PARCH_D}" stroke-width="1.5"/>
  <path d="M50,30 C57,29 61,34 60,41 C59,48 52,51 46,49 C40,47 38,40 41,35 C43,31 46,30 50,30 Z"
        fill="{CORAL}" stroke="{INK}" stroke-width="2.2"/>
  <circle cx="50" cy="40" r="5" fill="none" stroke="{CORAL_D}" stroke-width="2"/>
  <path d="M45,50 L43,58 L48,53 L52,58 L52,50" fill="{CORAL}" stroke="{INK}" stroke-width="1.6" stroke-linejoin="round"/>
</g>"""


def beehive():
    """A straw skep beehive with an entrance and a bee."""
    bands = "".join(
        f'<path d="M{x0},{y} C{x0 + 6},{y + 4} {86 - x0 - 6},{y + 4} {86 - x0},{y}" '
        f'stroke="{INK}" stroke-width="2" fill="none"/>'
        for x0, y in ((16, 22), (9, 38), (5, 54), (3, 70), (2, 84)))
    dome = "M43,4 C62,4 78,22 80,48 C82,66 84,80 84,92 L2,92 C2,80 4,66 6,48 C8,22 24,4 43,4 Z"
    return 86, 96, f"""
  <path d="{dome}" fill="{GOLD}" stroke="{INK}" stroke-width="3" stroke-linejoin="round"/>
  <path d="M43,4 C62,4 78,22 80,48 C82,66 84,80 84,92 L60,92 C66,60 62,22 43,4 Z" fill="{GOLD_D}" opacity="0.7"/>
  <path d="M30,14 C22,22 18,34 17,44" stroke="{GOLD_L}" stroke-width="3" fill="none" stroke-linecap="round"/>
  {bands}
  <path d="M33,92 L33,82 C33,74 53,74 53,82 L53,92 Z" fill="{WOOD_D}" stroke="{INK}" stroke-width="2.4"/>
  <rect x="0" y="90" width="86" height="6" rx="2" fill="{WOOD}" stroke="{INK}" stroke-width="2"/>
  <ellipse cx="66" cy="30" rx="5.5" ry="4" fill="{GOLD_L}" stroke="{INK}" stroke-width="1.5"/>
  <path d="M63,27.5 L63,32.5 M66,26.5 L66,33.5" stroke="{INK}" stroke-width="1.6"/>
  <ellipse cx="64" cy="24" rx="3.5" ry="2.2" fill="{WHITE}" stroke="{INK}" stroke-width="1" opacity="0.95"/>
"""


def shell():
    """A scallop shell, hinge at the bottom."""
    fan = "M45,70 C30,70 6,52 4,32 C2,16 20,4 45,4 C70,4 88,16 86,32 C84,52 60,70 45,70 Z"
    ribs = " ".join(f"M45,70 L{45 + 48 * __import__('math').sin(a):.1f},{70 - 72 * __import__('math').cos(a):.1f}"
                    for a in [(-1.05 + i * 0.3) for i in range(8)])
    return 90, 84, f"""
  <defs><clipPath id="sf"><path d="{fan}"/></clipPath></defs>
  <path d="M30,66 L60,66 L64,80 L26,80 Z" fill="{SAND}" stroke="{INK}" stroke-width="2.4" stroke-linejoin="round"/>
  <path d="{fan}" fill="{GOLD_L}"/>
  <g clip-path="url(#sf)">
    <path d="M45,70 L4,60 L4,40 Z M45,70 L86,40 L86,60 Z" fill="{CORAL}" opacity="0.35"/>
    <path d="{ribs}" stroke="{CORAL}" stroke-width="2.6" fill="none"/>
    <path d="M0,20 C20,12 70,12 90,20 M0,36 C20,28 70,28 90,36 M0,52 C20,44 70,44 90,52" stroke="{CORAL_D}" stroke-width="1" fill="none" opacity="0.6"/>
  </g>
  <path d="{fan}" fill="none" stroke="{INK}" stroke-width="3"/>
  <path d="M8,30 C8,36 9,41 11,45 M82,30 C82,36 81,41 79,45" stroke="{INK}" stroke-width="1.4" fill="none"/>
"""


def ball():
    """A glass fishing float in its rope net."""
    return 80, 86, f"""
  <defs>
    <radialGradient id="gl" cx="0.38" cy="0.36" r="0.7">
      <stop offset="0" stop-color="{FOAM}"/><stop offset="0.45" stop-color="{SEA_L}"/>
      <stop offset="1" stop-color="{SEA}"/>
    </radialGradient>
    <clipPath id="bc"><circle cx="40" cy="46" r="36"/></clipPath>
  </defs>
  <path d="M34,12 C32,4 48,4 46,12" stroke="{INK}" stroke-width="6" fill="none"/>
  <path d="M34,12 C32,4 48,4 46,12" stroke="{PARCH_D}" stroke-width="3" fill="none"/>
  <circle cx="40" cy="46" r="36" fill="url(#gl)"/>
  <g clip-path="url(#bc)" fill="none" stroke-linecap="round">
    <g stroke="{INK}" stroke-width="5">
      <path d="M40,8 C20,20 16,60 40,84 M40,8 C60,20 64,60 40,84 M4,40 C24,48 56,48 76,40 M8,62 C26,70 54,70 72,62"/>
    </g>
    <g stroke="{PARCH_D}" stroke-width="2.6">
      <path d="M40,8 C20,20 16,60 40,84 M40,8 C60,20 64,60 40,84 M4,40 C24,48 56,48 76,40 M8,62 C26,70 54,70 72,62"/>
    </g>
  </g>
  <circle cx="40" cy="46" r="36" fill="none" stroke="{INK}" stroke-width="3"/>
  <ellipse cx="27" cy="30" rx="7" ry="4.5" fill="{WHITE}" opacity="0.85" transform="rotate(-35 27 30)"/>
  <circle cx="40" cy="12" r="5" fill="{SEA}" stroke="{INK}" stroke-width="2.4"/>
"""


def disc():
    """A shiny disc with a hole in the middle."""
    return 80, 80, f"""
  <defs>
    <mask id="hole"><rect width="80" height="80" fill="#fff"/><circle cx="40" cy="40" r="6" fill="#000"/></mask>
    <clipPath id="dc"><circle cx="40" cy="40" r="37"/></clipPath>
  </defs>
  <g mask="url(#hole)">
    <circle cx="40" cy="40" r="37" fill="#d6dedb" stroke="{INK}" stroke-width="3"/>
    <g clip-path="url(#dc)">
      <path d="M40,40 L10,0 L34,0 Z" fill="{FOAM}"/>
      <path d="M40,40 L34,0 L52,0 Z" fill="{GOLD_L}" opacity="0.9"/>
      <path d="M40,40 L52,0 L62,0 Z" fill="{CORAL}" opacity="0.45"/>
      <path d="M40,40 L0,56 L0,76 Z" fill="{SEA_L}" opacity="0.55"/>
      <path d="M40,40 L80,44 L80,62 Z" fill="{GOLD_L}" opacity="0.7"/>
      <path d="M40,40 L46,80 L30,80 Z" fill="{FOAM}"/>
      <path d="M40,40 L66,80 L46,80 Z" fill="{CORAL}" opacity="0.35"/>
    </g>
    <circle cx="40" cy="40" r="28" fill="none" stroke="#a9b6b3" stroke-width="1"/>
    <circle cx="40" cy="40" r="20" fill="none" stroke="#a9b6b3" stroke-width="1"/>
    <circle cx="40" cy="40" r="14" fill="#eef2ef" stroke="{INK}" stroke-width="1.8"/>
    <circle cx="40" cy="40" r="37" fill="none" stroke="{INK}" stroke-width="3"/>
    <circle cx="40" cy="40" r="6" fill="none" stroke="{INK}" stroke-width="3"/>
  </g>
"""


def bottle():
    """A green glass bottle with a cork and a rolled message, leaning."""
    glass = ("M22,40 C22,34 26,32 28,30 L28,18 L40,18 L40,30 C42,32 46,34 46,40 "
             "L46,108 C46,112 43,114 40,114 L28,114 C25,114 22,112 22,108 Z")
    return 68, 120, f"""
  <g transform="rotate(18 34 66)">
    <rect x="27" y="6" width="14" height="15" rx="2" fill="{WOOD}" stroke="{INK}" stroke-width="2.4"/>
    <path d="M30,9 L30,18" stroke="{SAND}" stroke-width="2"/>
    <path d="{glass}" fill="{KELP_L}" stroke="{INK}" stroke-width="3" stroke-linejoin="round"/>
    <path d="M40,38 L40,108 C40,110 42,110 44,108 L44,40 C44,36 42,34 40,34 Z" fill="{KELP}" opacity="0.6"/>
    <rect x="27" y="56" width="14" height="40" rx="3" fill="{PARCH_L}" stroke="{INK}" stroke-width="1.8"/>
    <path d="M27,62 L41,62 M27,90 L41,90" stroke="{PARCH_D}" stroke-width="1.4"/>
    <path d="M31,68 L37,68 M31,73 L38,73 M31,78 L36,78" stroke="{INK_FADED}" stroke-width="1.3"/>
    <rect x="33" y="58" width="3" height="36" fill="{CORAL}"/>
    <path d="M26,42 L26,104" stroke="{WHITE}" stroke-width="2.6" stroke-linecap="round" opacity="0.8"/>
  </g>
"""


def ladybird():
    """A ladybird seen from above, head up."""
    shell_d = "M40,16 C62,16 74,34 74,50 C74,66 58,76 40,76 C22,76 6,66 6,50 C6,34 18,16 40,16 Z"
    legs = "M10,36 L2,30 M8,52 L1,54 M12,66 L5,73 M70,36 L78,30 M72,52 L79,54 M68,66 L75,73"
    return 80, 80, f"""
  <path d="{legs}" stroke="{INK}" stroke-width="3.4" stroke-linecap="round"/>
  <path d="M32,8 C30,4 26,2 23,3 M48,8 C50,4 54,2 57,3" stroke="{INK}" stroke-width="2.2" fill="none" stroke-linecap="round"/>
  <ellipse cx="40" cy="16" rx="14" ry="10" fill="{INK}"/>
  <circle cx="34" cy="13" r="2.6" fill="{WHITE}"/><circle cx="46" cy="13" r="2.6" fill="{WHITE}"/>
  <path d="{shell_d}" fill="{CORAL}" stroke="{INK}" stroke-width="3"/>
  <path d="M40,20 L40,76" stroke="{INK}" stroke-width="2.6"/>
  <circle cx="24" cy="36" r="6" fill="{INK}"/><circle cx="56" cy="36" r="6" fill="{INK}"/>
  <circle cx="20" cy="56" r="5" fill="{INK}"/><circle cx="60" cy="56" r="5" fill="{INK}"/>
  <circle cx="32" cy="66" r="4.2" fill="{INK}"/><circle cx="48" cy="66" r="4.2" fill="{INK}"/>
  <path d="M16,32 C20,26 26,22 32,21" stroke="{WHITE}" stroke-width="2.6" fill="none" stroke-linecap="round" opacity="0.75"/>
"""


def bones():
    """Two crossed bones."""
    def bone(x0, y0, x1, y1):
        import math
        ang = math.atan2(y1 - y0, x1 - x0)
        nx, ny = -math.sin(ang) * 6.5, math.cos(ang) * 6.5
        ux, uy = math.cos(ang) * 3, math.sin(ang) * 3
        knobs = [(x0 + nx - ux, y0 + ny - uy), (x0 - nx - ux, y0 - ny - uy),
                 (x1 + nx + ux, y1 + ny + uy), (x1 - nx + ux, y1 - ny + uy)]
        out = "".join(f'<circle cx="{x:.1f}" cy="{y:.1f}" r="{r}" fill="{c}"/>'
                      for x, y in knobs for r, c in ((10, INK),))
        out += f'<path d="M{x0},{y0} L{x1},{y1}" stroke="{INK}" stroke-width="15" stroke-linecap="round"/>'
        out += "".join(f'<circle cx="{x:.1f}" cy="{y:.1f}" r="7.4" fill="{BONE}"/>' for x, y in knobs)
        out += f'<path d="M{x0},{y0} L{x1},{y1}" stroke="{BONE}" stroke-width="9.6" stroke-linecap="round"/>'
        out += (f'<path d="M{x0 + nx * 0.35:.1f},{y0 + ny * 0.35:.1f} L{x1 + nx * 0.35:.1f},{y1 + ny * 0.35:.1f}" '
                f'stroke="{BONE_D}" stroke-width="2.2" stroke-linecap="round"/>')
        return out
    return 110, 84, bone(18, 20, 92, 64) + bone(18, 64, 92, 20)


# name -> (drawing function, list picture, hidden picture)
OBJECTS = {
    "fish":      (fish, "Images/recortadas/peixe_padrao.png", "Images/peixinho_escondido.png"),
    "anchor":    (anchor, "Images/recortadas/ancora_padrao.png", "Images/ancora_escondida.png"),
    "crab":      (crab, "Images/recortadas/carangueijo_padrao.png", "Images/carangueijo_escondido.png"),
    "bird":      (bird, "Images/recortadas/passaro_padrao.png", "Images/passaro_escondido.png"),
    "spyglass":  (spyglass, "Images/recortadas/luneta_padrao.png", "Images/luneta_escondida.png"),
    "hook":      (hook, "Images/recortadas/anzol_padrao.png", "Images/recortadas/anzol_e.png"),
    "seahorse":  (seahorse, "Images/recortadas/cavalo_padrao.png", "Images/recortadas/cavalo1_e.png"),
    "letter":    (letter, "Images/recortadas/carta_padrao.png", "Images/recortadas/carta_e.png"),
    "beehive":   (beehive, "Images/recortadas/colmeia_padrao.png", "Images/recortadas/colmeia_e.png"),
    "shell":     (shell, "Images/recortadas/concha_padrao.png", "Images/recortadas/concha_e.png"),
    "ball":      (ball, "Images/recortadas/bola_padrao.png", "Images/recortadas/bola_e.png"),
    "disc":      (disc, "Images/recortadas/cd_padrao.png", "Images/recortadas/cd_e.png"),
    "bottle":    (bottle, "Images/recortadas/garrafa_padrao.png", "Images/recortadas/garrafa_e.png"),
    "ladybird":  (ladybird, "Images/recortadas/joaninha_padrao.png", "Images/recortadas/joaninha_e.png"),
    "bones":     (bones, "Images/recortadas/ossos_padrao.png", "Images/recortadas/ossos_e.png"),
}


def svg_document(name, scale):
    """The object's drawing as a standalone SVG, `scale` pixels per view-box unit."""
    w, h, body = OBJECTS[name][0]()
    pad = 8  # room for strokes that reach past the view box; the build crops it away
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{(w + 2 * pad) * scale}" '
            f'height="{(h + 2 * pad) * scale}" viewBox="{-pad} {-pad} {w + 2 * pad} {h + 2 * pad}">'
            f'{body}</svg>')
