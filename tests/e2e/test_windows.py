# The Windows zip under Wine, unpacked as a player unpacks it and started from
# bin/ as a double-click in Explorer starts it: the window, the main menu's
# lines, level 1 won, and both ways out; from a prompt, each stream where it was
# redirected. The installer of the same files: for this user alone, its
# shortcuts, over itself and over the running game, removed.
import getpass, os, pathlib, re, shutil, subprocess, tempfile, time, unittest.mock, zipfile  # noqa: E401

import pefile
from PIL import Image, ImageChops

from harness import EXIT_STATUS, MENU_BACKGROUND, Game, load, similarity

ZIP = os.environ.get("SUNKEN_WINDOWS_ZIP", "../../build-windows/sunken-finds-1.0.0-windows-x64.zip")
ROOT = tempfile.TemporaryDirectory(prefix="sunken-windows-")  # removed at exit
GAME = os.path.join(ROOT.name, "sunken-finds")
# A prefix of its own, without Mono's and Gecko's installers, Wine's messages or its menu entries, and a
# home of its own, where the prefix's desktop leads, and PulseAudio's runtime folder there too (not a new
# one in /tmp). Not TMPDIR: Debian 13's Wine 10 aborts at start where it is set ("free(): invalid pointer").
WINE = dict(WINEPREFIX=os.path.join(ROOT.name, "wine"), WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=",
            HOME=ROOT.name, PULSE_RUNTIME_PATH=os.path.join(ROOT.name, "pulse"))
APPDATA = os.path.join(WINE["WINEPREFIX"], "drive_c/users", getpass.getuser(), "AppData")
FOLDER, LINK = APPDATA + "/Local/Programs/Sunken Finds", APPDATA + "/Roaming/Microsoft/Windows/Start Menu/Programs/Sunken Finds.lnk"
DESKTOP = os.path.join(WINE["WINEPREFIX"], "drive_c/users", getpass.getuser(), "Desktop/Sunken Finds.lnk")
MENU = "Images/fundo_inicio.bmp"  # also the won screen's background
CORNER = (0, 0, 100, 100)  # small, to be seen fast


def wine(command):
    return subprocess.run(command, shell=True, env=dict(os.environ, **WINE), timeout=180, capture_output=True)


def tree(top): return {str(p.relative_to(top)): p.read_bytes() for p in pathlib.Path(top).rglob("*") if p.is_file()}


def registry():  # the (name, value) pairs of the uninstall entries for this user, all the game's in this prefix
    out = wine(r'wine reg query "HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall" /s').stdout.decode()
    return re.findall(r"^ +(\w+) +REG_\w+ +(.*?)\r?$", out, re.M)


def wine_and_pulse_folders(): return {n for n in os.listdir(tempfile.gettempdir()) if re.match(r"\.?(wine|pulse)-", n)}


def setUpModule():
    global FOLDERS_BEFORE
    FOLDERS_BEFORE = wine_and_pulse_folders()
    zipfile.ZipFile(ZIP).extractall(ROOT.name)
    wine("wineboot -i && wineserver -w")  # the prefix is written once its server ends


def tearDownModule():  # the system as it was found
    wine("wineserver -k; wineserver -w")
    # Debian's Wine makes its server a folder of a random name in /tmp, and names it in the prefix.
    server = pathlib.Path(WINE["WINEPREFIX"], "wineserver")
    if server.exists() and re.fullmatch(r"wine-\w+", name := server.read_text().strip()):
        shutil.rmtree(os.path.join(tempfile.gettempdir(), name))
    assert wine_and_pulse_folders() <= FOLDERS_BEFORE, wine_and_pulse_folders() - FOLDERS_BEFORE


def showing(relative):  # whether a screenshot is mostly this picture of the unpacked zip
    with Image.open(os.path.join(GAME, relative)) as image:
        picture = image.convert("RGB")
    return lambda shot: sum(ImageChops.difference(shot, picture).convert("L").histogram()[:13]) > 0.6 * 800 * 600


class WineGame(Game):
    # Wine 10 maps a click against where it last placed the window, so the window stays there. Windows places
    # it once more just after showing it: the window counts as found once its first frame shows.
    moves_window = False

    def _find_window(self):
        self.window = super()._find_window()
        return self.window if self.window and showing(MENU)(self.screenshot()) else None

    def click(self, x, y, *lines):  # standard output is in text mode: Windows ends lines with CR LF
        super().click(x, y)
        self.expect(*[line + "\r" for line in lines], timeout=10)


class WindowsExeTest(unittest.TestCase):
    def test_a_windowed_program_with_icon_and_version(self):  # no console window, and what Explorer shows
        pe = pefile.PE(os.path.join(GAME, "bin", "sunken-finds.exe"))
        self.assertEqual(pe.OPTIONAL_HEADER.Subsystem, pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"])
        self.assertIn(pefile.RESOURCE_TYPE["RT_GROUP_ICON"], [e.id for e in pe.DIRECTORY_ENTRY_RESOURCE.entries])
        strings = {k: v.decode() for info in pe.FileInfo[0] for t in getattr(info, "StringTable", []) for k, v in t.entries.items()}
        with open(os.path.join(os.path.dirname(__file__), "../../CMakeLists.txt")) as cmake:
            version = re.search(r"project\(\w+ VERSION ([\d.]+)", cmake.read())[1]
        self.assertEqual((strings[b"ProductName"], strings[b"ProductVersion"]), ("Sunken Finds", version))

    def test_each_stream_where_it_was_redirected(self):
        # From a prompt (one with a console: a terminal), a stream redirected to a file stays there and the
        # other one shows in the prompt. Standard error says there is no sound device.
        for redirect, kept, other in ((">out.txt", b"Pressed\r\n390 , 410\r\n3\r\n", "Noaudio"),
                                      ("2>out.txt", b"No audio device: the game runs without sound.\r\n", "Pressed")):
            with self.subTest(redirect):
                command = ["script", "-qec", f'wine cmd /c "sunken-finds.exe {redirect}"', "/dev/null"]
                self.addCleanup(wine, "wineserver -k")
                self.addCleanup((g := WineGame(command=command, cwd=GAME + "/bin", env=WINE, start_timeout=60)).close)
                Game.click(g, 390, 410)  # "Sair"
                self.assertEqual(g.wait_exit(10), EXIT_STATUS)
                self.doCleanups()
                # Without the terminal's controls and spaces: Wine 8 moves the cursor over a space, Wine 10 writes it.
                prompt = re.sub(r"\x1b\[[\d;?]*[A-Za-z]|\s", "", "".join(g.lines))
                redirected = pathlib.Path(GAME, "bin/out.txt").read_bytes()
                os.remove(os.path.join(GAME, "bin/out.txt"))  # not the installer's
                self.assertEqual((redirected, re.findall("Noaudio|Pressed", prompt)), (kept, [other]))


class WindowsZipTest(unittest.TestCase):

    def setUp(self):
        self.addCleanup(wine, "wineserver -k")  # it would keep this game's X server for the next one
        self.g = WineGame(command=["wine", "sunken-finds.exe"], cwd=os.path.join(GAME, "bin"), env=WINE, start_timeout=60)
        self.addCleanup(self.g.close)

    def test_jogar_and_level_1_won(self):
        self.g.click(400, 250, "Pressed", "400 , 250", "1")
        self.g.click(400, 100)  # level 1's picture
        self.g.see(showing("Images/fundo.bmp"), "level 1", timeout=10)
        # Each object just inside the top-left corner of its picture, in the order of finding.
        for i, (x, y) in enumerate([(750, 310), (145, 310), (285, 479), (350, 60), (240, 450)], 1):
            self.g.click(x + 2, y + 2, "Pressed", f"Retirou {i}")
        self.g.see(showing(MENU), "the won screen", timeout=10)
        self.g.click(390, 395)  # "Proximo nivel" on the won screen, "Sair" on the main menu
        self.g.see(showing("Images/recortadas/inicio.bmp"), "the level selection", timeout=10)

    def test_sair(self):
        self.g.click(390, 410, "Pressed", "390 , 410", "3")
        self.assertEqual(self.g.wait_exit(10), EXIT_STATUS)

    def test_idle_then_the_close_button(self):
        # Silent and still: no busy loop, in the game's frames or its audio.
        cpu, start = self.g.cpu_seconds(), time.monotonic()
        time.sleep(3)
        self.assertLess((self.g.cpu_seconds() - cpu) / (time.monotonic() - start), 0.25, "the idle main menu is busy")
        # Nothing tells the game it was uncovered: the refresh makes it whole again within 0.6 s.
        gone = self.g.cover(0.3)
        self.g.see(lambda s: similarity(s, load(MENU_BACKGROUND), CORNER) > 0.9, "the menu repaired", 1, CORNER, 0.005)
        self.assertLessEqual(self.g.taken_at - gone, 0.6, "the uncovered menu came back late")
        self.g.close_button()
        self.assertEqual(self.g.wait_exit(10), EXIT_STATUS)


class WindowsInstallerTest(unittest.TestCase):
    def install(self, status=0):  # silently, over what is there: the zip's files and one entry in Apps & features
        self.assertEqual(wine(f'wine "{os.environ["SUNKEN_WINDOWS_INSTALLER"]}" /S').returncode, status)
        self.assertEqual(tree(FOLDER), {**tree(GAME), "remove-sunken-finds.exe": unittest.mock.ANY})
        self.assertEqual(registry().count(("DisplayName", "Sunken Finds")), 1)
        return dict(registry())

    def test_install_play_install_again_and_remove(self):
        folder = self.install()["InstallLocation"] + "\\bin\0"  # the Start menu shortcut's working folder, as Wine writes it
        self.assertIn(folder.encode("utf-16-le"), pathlib.Path(LINK).read_bytes())
        self.addCleanup(wine, "wineserver -k")  # the game started there, as the shortcut starts it
        self.addCleanup((game := WineGame(command=["wine", "sunken-finds.exe"], cwd=FOLDER + "/bin", env=WINE, start_timeout=60)).close)
        game.click(400, 250, "Pressed", "400 , 250", "1")
        self.install(status=2)  # while the game runs, the installer stops before it changes anything
        game.close_button()
        self.assertEqual(game.wait_exit(10), EXIT_STATUS)
        self.doCleanups()  # the game closed, and Wine with it
        pathlib.Path(FOLDER, "Images/older.png").write_text("a picture an earlier version had")
        pathlib.Path(DESKTOP).write_text("the desktop shortcut the ticked box made")  # the installer makes it anew
        uninstall = self.install()["QuietUninstallString"]
        self.assertIn(folder.encode("utf-16-le"), pathlib.Path(DESKTOP).read_bytes())
        pathlib.Path(FOLDER, "notes.txt").write_text("the player's, not the uninstaller's to remove")
        wine(f"wine {uninstall} && wineserver -w")  # the uninstaller returns at once, running on from a copy in %TEMP%
        self.assertEqual((os.listdir(FOLDER), os.path.exists(LINK), os.path.exists(DESKTOP), registry()),
                         (["notes.txt"], False, False, []))
