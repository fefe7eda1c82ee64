# Plays the game installed from a .deb in a Debian root, as scripts/release.sh
# checks each .deb: the launcher on the PATH started from /, the main menu,
# "Jogar" (its three lines and the level selection) and 255 at the close button.
#
#   /usr/bin/python3 scripts/release-play.py ROOT [PATIENCE]   (PATIENCE scales its waits: 20 under qemu)

import os
import sys
import time

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, "..", "tests", "e2e"))
from harness import EXIT_STATUS, JOGAR, Game, choose, middle, selection_shown, wait_menu  # noqa: E402

root = os.path.realpath(sys.argv[1])


# A player's PATH, as Debian gives it (login.defs): the launcher is in /usr/games.
path = "/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games"
start = f'source "{here}/packages.sh"; source "{here}/debian-root.sh"; in_root "$0" sh -c "cd / && PATH={path} exec sunken-finds"'
started = time.monotonic()
game = Game(command=["bash", "-c", start, root], cwd="/", start_timeout=60, patience=float(sys.argv[2]) if sys.argv[2:] else 1)
try:
    shown = time.monotonic() - started
    wait_menu(game)
    print(f"release-play: window in {shown:.1f} s, main menu in {time.monotonic() - started:.1f} s")
    choose(game, middle(JOGAR), 1)
    print("release-play: Jogar printed", *(repr(line) for line in game.lines[game.read_upto - 3:game.read_upto]))
    game.see(selection_shown, "the level selection")
    game.close_button()
    status = game.wait_exit()
    if status != EXIT_STATUS:
        sys.exit(f"release-play: the game ended with {status}, not {EXIT_STATUS}")
finally:
    game.close()  # in_root's command dies with the shell killed here, and its binds with it
print(f"release-play: {root}: main menu, Jogar, level selection, exit {EXIT_STATUS}")
