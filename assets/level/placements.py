"""Where each level draws each hidden picture (top-left corner, in window pixels),
and the screen areas the hidden pictures must leave free."""

WINDOW = (800, 600)

# file name (relative to the repository root) -> list of (level, x, y)
HIDDEN = {
    "Images/peixinho_escondido.png":     [(1, 750, 310), (2, 400, 320), (3, 500, 300)],
    "Images/ancora_escondida.png":       [(1, 145, 310), (2, 145, 310), (3, 260, 430)],
    "Images/carangueijo_escondido.png":  [(1, 285, 479), (2, 0, 310), (3, 23, 90)],
    "Images/passaro_escondido.png":      [(1, 350, 60), (2, 350, 60), (3, 100, 525)],
    "Images/luneta_escondida.png":       [(1, 240, 450), (2, 675, 386), (3, 180, 427)],
    "Images/recortadas/anzol_e.png":     [(2, 389, 200), (3, 542, 431)],
    "Images/recortadas/cavalo1_e.png":   [(2, 750, 310), (3, 775, 45)],
    "Images/recortadas/carta_e.png":     [(2, 170, 55), (3, 240, 450)],
    "Images/recortadas/colmeia_e.png":   [(2, 30, 0), (3, 235, 190)],
    "Images/recortadas/concha_e.png":    [(2, 100, 580), (3, 100, 579)],
    "Images/recortadas/bola_e.png":      [(3, 187, 200)],
    "Images/recortadas/cd_e.png":        [(3, 230, 51)],
    "Images/recortadas/garrafa_e.png":   [(3, 33, 227)],
    "Images/recortadas/joaninha_e.png":  [(3, 307, 494)],
    "Images/recortadas/ossos_e.png":     [(3, 165, 15)],
}

# hidden picture -> its list picture
LIST_OF = {
    "Images/peixinho_escondido.png":    "Images/recortadas/peixe_padrao.png",
    "Images/ancora_escondida.png":      "Images/recortadas/ancora_padrao.png",
    "Images/carangueijo_escondido.png": "Images/recortadas/carangueijo_padrao.png",
    "Images/passaro_escondido.png":     "Images/recortadas/passaro_padrao.png",
    "Images/luneta_escondida.png":      "Images/recortadas/luneta_padrao.png",
    "Images/recortadas/anzol_e.png":    "Images/recortadas/anzol_padrao.png",
    "Images/recortadas/cavalo1_e.png":  "Images/recortadas/cavalo_padrao.png",
    "Images/recortadas/carta_e.png":    "Images/recortadas/carta_padrao.png",
    "Images/recortadas/colmeia_e.png":  "Images/recortadas/colmeia_padrao.png",
    "Images/recortadas/concha_e.png":   "Images/recortadas/concha_padrao.png",
    "Images/recortadas/bola_e.png":     "Images/recortadas/bola_padrao.png",
    "Images/recortadas/cd_e.png":       "Images/recortadas/cd_padrao.png",
    "Images/recortadas/garrafa_e.png":  "Images/recortadas/garrafa_padrao.png",
    "Images/recortadas/joaninha_e.png": "Images/recortadas/joaninha_padrao.png",
    "Images/recortadas/ossos_e.png":    "Images/recortadas/ossos_padrao.png",
}

# The five list slots (top-left corners) and the screen areas to keep free.
LIST_SLOTS = [(370, 490), (430, 490), (490, 490), (560, 490), (630, 490)]
LIST_STRIP_FORBIDDEN = (370, 490, 680, 600)   # x0, y0, x1, y1: no hidden picture may touch it
COUNTDOWN_REGION = (473, 0, 800, 50)          # black "Tempo restante:" and the number

# Pictures that leave the window on purpose: (file, level) -> edge it crosses.
MEANT_TO_LEAVE = {
    ("Images/recortadas/concha_e.png", 2): "bottom",
    ("Images/recortadas/concha_e.png", 3): "bottom",
    ("Images/recortadas/cavalo1_e.png", 3): "right",
}
# The horse that leaves by the right edge starts at y 45, so its top rows also run
# along the bottom of the countdown area, right of the number; the check allows
# exactly that one case and nothing more.
COUNTDOWN_TOUCH_ALLOWED = {("Images/recortadas/cavalo1_e.png", 3)}
