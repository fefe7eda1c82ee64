# The game on a Wayland desktop: headless sway runs it through Xwayland for an
# unprivileged player (sway refuses root), tiles its window and closes it.
import os, pathlib, pwd, subprocess, tempfile, unittest  # noqa: E401

from PIL import Image

from harness import EXIT_STATUS, GAME, JOGAR, Game, menu_shown, middle, selection_shown, wait_for

PLAYER = pwd.getpwnam("nobody")  # an existing account: none is added for the test
AS_PLAYER = ["setpriv", f"--reuid={PLAYER.pw_uid}", f"--regid={PLAYER.pw_gid}", "--clear-groups", "env", "-i"]
# Xwayland lets in only its own user's clients: the player lets the harness (root) in too, then writes where
# Xwayland and sway's socket are.
STARTED = ("exec /usr/bin/python3 -c \"from Xlib import X, display; d = display.Display(); "
           "d.change_hosts(X.HostInsert, 5, b'localuser\\0root'); d.sync()\" && echo $DISPLAY $SWAYSOCK >{}\n")


def unstretched(shown): return lambda shot: shown(shot.resize((800, 600), Image.NEAREST))


class WaylandTest(unittest.TestCase):
    def test_menu_press_through_the_tiled_size_and_close(self):
        # The player's runtime folder, with sway's config and log.
        runtime = pathlib.Path(self.enterContext(tempfile.TemporaryDirectory(prefix="sunken-sway-")))
        (runtime / "config").write_text("xwayland force\n" + STARTED.format(runtime / "started"))
        os.chown(runtime, PLAYER.pw_uid, PLAYER.pw_gid)
        player = [*AS_PLAYER, f"XDG_RUNTIME_DIR={runtime}", f"HOME={runtime}", "PATH=/usr/bin:/bin"]
        with open(runtime / "log", "w") as log:
            sway = subprocess.Popen([*player, "WLR_BACKENDS=headless", "WLR_LIBINPUT_NO_DEVICES=1", "sway", "-c",
                                     runtime / "config"], stdout=log, stderr=subprocess.STDOUT)
        self.addCleanup(lambda: sway.terminate() or sway.wait())
        started = wait_for(lambda: sway.poll() is not None or (runtime / "started").exists() and
                           (runtime / "started").read_text().split(), 30, "sway to start")
        self.assertIsNone(sway.returncode, f"sway ended: {(runtime / 'log').read_text()[-2000:]}")
        name, sock = started
        g = Game(command=[*player, f"DISPLAY={name}", GAME], server=(sway, name), start_timeout=60)
        self.addCleanup(g.close)
        size = wait_for(lambda: g.size() != (800, 600) and g.size(), 10, "sway to tile the window")
        g.see(unstretched(menu_shown), f"the main menu stretched to {size}", 20)
        # The window pixel over the middle of "Jogar" and the scene point under it.
        pixel = [c * length // scene for c, length, scene in zip(middle(JOGAR), size, (800, 600))]
        point = [c * scene // length for c, length, scene in zip(pixel, size, (800, 600))]
        g.click(*pixel)
        g.expect("Pressed", f"{point[0]} , {point[1]}", "1", timeout=10)
        g.see(unstretched(selection_shown), "the level selection", 20)
        subprocess.run([*player, "swaymsg", "-q", "-s", sock, '[title="^Sunken Finds$"] kill'], check=True, timeout=30)
        self.assertEqual(g.wait_exit(10), EXIT_STATUS)
