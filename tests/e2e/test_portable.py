# The portable Linux tarball (SUNKEN_PORTABLE_TARBALL) as a player on another
# distribution meets it: unpacked, its launcher started from / with LD_LIBRARY_PATH
# naming an empty folder or the system's own libraries; the game loads what it carries.
import os, pathlib, platform, subprocess, tempfile, time, unittest  # noqa: E401

from harness import EXIT_STATUS, JOGAR, SAIR, Game, choose, middle, roots, wait_menu

NAME = os.path.basename(TARBALL := os.environ.get("SUNKEN_PORTABLE_TARBALL", ""))[:-len(".tar.xz")]  # its top folder
MACHINE = NAME.rsplit("-", 1)[-1]  # the Debian 13 root of its architecture; arm64 runs under qemu
TRIXIE = {"x86_64": "trixie", "aarch64": "trixie-arm64"}[MACHINE]


class PortableTest(unittest.TestCase):
    def play(self, command, env=None):  # the menu, "Jogar", back, "Sair"; returns its memory map at the menu
        start = time.monotonic()
        g = Game(command=command, cwd="/", env=env, start_timeout=60, patience=1 if MACHINE == platform.machine() else 20)
        self.addCleanup(g.close)
        shown = time.monotonic() - start
        maps = wait_menu(g) and pathlib.Path(f"/proc/{g.process.pid}/maps").read_text()
        print(f"{NAME}: window in {shown:.1f} s, main menu in {time.monotonic() - start:.1f} s")
        choose(g, middle(JOGAR), 1)
        g.key("Escape")
        wait_menu(g)
        choose(g, middle(SAIR), 3)
        self.assertEqual(g.wait_exit(), EXIT_STATUS)
        return maps

    def test_debian_13_with_only_gl_x11_udev_alsa(self):
        root = tempfile.mkdtemp(prefix=f"sunken-{TRIXIE}-")
        self.addCleanup(subprocess.run, roots('drop_root "$0"', root))
        subprocess.run(roots(f'fresh_root {TRIXIE} "$0" && mkdir "$0/empty" && tar -xf "$1" -C "$0/opt" && root_install "$0" '
                             'libgl1 libgl1-mesa-dri libx11-6 libxrandr2 libudev1 libasound2t64', root, TARBALL), check=True)
        self.assertNotIn("not found", subprocess.run(roots('in_root "$0" env LD_LIBRARY_PATH=/empty ldd "$1"', root,
                         f"/opt/{NAME}/bin/sunken-finds"), check=True, capture_output=True, text=True).stdout)
        self.play(roots('in_root "$0" env LD_LIBRARY_PATH=/empty "$1"', root, f"/opt/{NAME}/sunken-finds"))

    @unittest.skipUnless(MACHINE == platform.machine(), "the system's libraries are of another architecture")
    def test_debian_12_with_the_system_sfml_hidden(self):
        folder = self.enterContext(tempfile.TemporaryDirectory(prefix="sunken-portable-")) + "/" + NAME
        subprocess.run(["tar", "-xf", TARBALL, "-C", os.path.dirname(folder)], check=True)
        # The system's copy of each library it carries reads as an empty file, in the game's own mount namespace.
        hide = f'for f in "$0"/lib/*; do mount -B /dev/null /usr/lib/x86_64-linux-gnu/${{f##*/}}; done; exec "$0"/sunken-finds'
        maps = self.play(["unshare", "-m", "bash", "-c", hide, folder], {"LD_LIBRARY_PATH": "/usr/lib/x86_64-linux-gnu"})
        print("Mapped:", *sorted({line.split()[-1] for line in maps.splitlines() if ".so" in line}), sep="\n  ")
        self.assertEqual([f for f in os.listdir(folder + "/lib") if f"{folder}/lib/{f}\n" not in maps], [])
