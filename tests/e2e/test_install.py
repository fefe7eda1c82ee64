# Where players and packagers meet the game: the Linux install staged as a
# package lays it out (launcher started from another folder, desktop entry,
# AppStream file, the .deb), and the game started from the wrong folder.

import os, re, shutil, subprocess, tempfile, unittest  # noqa: E401

from Xlib import X

from harness import EXIT_STATUS, GAME, JOGAR, SAIR, Game, asset, choose, middle, wait_menu

BUILD = os.environ.get("SUNKEN_BUILD_DIR", os.path.dirname(GAME))
METAINFO = "io.github.sunkenfinds.SunkenFinds.metainfo.xml"


def run(*command, **options):
    return subprocess.run(command, check=True, capture_output=True, text=True, **options).stdout


class InstallTest(unittest.TestCase):
    def test_staged_install_launcher_metadata_and_deb(self):
        stage = self.enterContext(tempfile.TemporaryDirectory(prefix="sunken-stage-"))
        run("cmake", "--install", BUILD, "--prefix", "/usr", env=dict(os.environ, DESTDIR=stage))
        usr = stage + "/usr/share/"
        run("desktop-file-validate", usr + "applications/sunken-finds.desktop")
        # AppStream 1.0 (Debian 13) warns of the homepage the game does not have yet; nothing else may show.
        report = subprocess.run(["appstreamcli", "validate", "--no-net", usr + "metainfo/" + METAINFO],
                                capture_output=True, text=True)
        problems = [line for line in report.stdout.splitlines()
                    if re.match(r"\s*[EW]: ", line) and not line.endswith(": url-homepage-missing")]
        self.assertEqual((problems, report.returncode in (0, 3)), ([], True), report.stdout + report.stderr)
        # The manual page renders without a warning (plain text: Debian 13's groff underlines the title).
        page = subprocess.run(f"zcat {usr}man/man6/sunken-finds.6.gz | groff -ww -man -Tutf8 -P-cbou",
                              shell=True, capture_output=True, text=True, check=True)
        self.assertEqual((page.stderr, re.findall(r"^SUNKEN-FINDS\(6\)", page.stdout, re.M)), ("", ["SUNKEN-FINDS(6)"]))
        # The launcher from /: the main menu, its window named as the desktop entry says, with an icon.
        g = Game(command=[stage + "/usr/games/sunken-finds"], cwd="/")
        self.addCleanup(g.close)
        wait_menu(g)
        with open(usr + "applications/sunken-finds.desktop") as entry:
            self.assertIn(re.search(r"^StartupWMClass=(.*)$", entry.read(), re.M)[1], g.window.get_wm_class())
        icon = g.window.get_full_property(g.d.intern_atom("_NET_WM_ICON"), X.AnyPropertyType)
        self.assertTrue(icon and len(icon.value) == 2 + icon.value[0] * icon.value[1] > 2, "no window icon")
        choose(g, middle(SAIR), 3)
        self.assertEqual(g.wait_exit(), EXIT_STATUS)
        # The .deb holds what the staged install holds, and depends on SFML's libraries where it links them.
        run("cpack", "-G", "DEB", "-B", stage + "/deb", cwd=BUILD)
        deb = next(f"{stage}/deb/{f}" for f in os.listdir(stage + "/deb") if f.endswith(".deb"))
        packed = {line.split()[-1].lstrip(".") for line in run("dpkg-deb", "-c", deb).splitlines()}
        staged = {os.path.join(top, f)[len(stage):] for top, _, files in os.walk(stage + "/usr") for f in files}
        self.assertEqual(staged - packed, set())
        # Its changelog is one dpkg reads, newest entry first.
        changelog = run("sh", "-c", f"zcat {usr}doc/sunken-finds/changelog.gz | dpkg-parsechangelog -l - -S Version")
        self.assertEqual(changelog, run("dpkg-deb", "-f", deb, "Version"))
        for path in ("games/sunken-finds", "lib/sunken-finds/sunken-finds", "share/sunken-finds/Sounds/1.ogg",
                     "share/man/man6/sunken-finds.6.gz", "share/icons/hicolor/256x256/apps/sunken-finds.png"):
            self.assertIn("/usr/" + path, packed)
        depends = run("dpkg-deb", "-f", deb, "Depends")
        if "libsfml-" in run("ldd", stage + "/usr/lib/sunken-finds/sunken-finds"):
            for library in ("graphics", "window", "system", "audio"):
                self.assertRegex(depends, rf"\blibsfml-{library}2\.[5-9]\b")  # 2.5 on Debian 12, 2.6 on 13
        else:  # SFML built into the game (no SFML 2 on the system): its licence comes with it
            self.assertIn("/usr/share/doc/sunken-finds/SFML.txt", packed)

    def test_release_refuses_versions_that_disagree_and_uncommitted_changes(self):
        # A scratch repository of what the release command reads: it agrees, then each fault is refused by name.
        repo = self.enterContext(tempfile.TemporaryDirectory(prefix="sunken-release-"))
        for path in ("CMakeLists.txt", "CHANGELOG.md", "packaging/" + METAINFO, "scripts/release.sh"):
            os.makedirs(os.path.dirname(f"{repo}/{path}"), exist_ok=True)
            shutil.copy2(asset(path), f"{repo}/{path}")
        git = ["git", "-C", repo, "-c", "user.name=t", "-c", "user.email=t@localhost"]
        run(*git, "init", "-q")
        run(*git, "add", ".")
        run(*git, "commit", "-qm", "agreeing")

        def check(): return subprocess.run([f"{repo}/scripts/release.sh", "--check"], capture_output=True, text=True)
        self.assertEqual(check().returncode, 0, check().stderr)
        for path, pattern, change, commit, named in (
                ("CHANGELOG.md", r"^## \[[^]]*\]", "## [0.9.9]", True, "CHANGELOG.md's newest entry is 0.9.9"),
                ("packaging/" + METAINFO, r'date="[^"]*"', 'date="2001-01-01"', True, "2001-01-01"),
                ("CMakeLists.txt", r"\n\Z", "\n# not committed\n", False, "uncommitted changes")):
            with open(f"{repo}/{path}", "r+") as f:
                text = re.sub(pattern, change, f.read(), count=1, flags=re.M)
                f.seek(0), f.write(text), f.truncate()
            if commit:
                run(*git, "commit", "-qam", "disagreeing")
            refused = check()
            self.assertNotEqual(refused.returncode, 0, path)
            self.assertIn(named, refused.stderr)
            run(*git, "reset", "-q", "--hard", "HEAD~1" if commit else "HEAD")

    def test_started_elsewhere_names_what_it_missed(self):
        # From /, ../Fonts is /Fonts: the screens' "Error" lines, and one line each on standard error.
        g = Game(command=[os.path.abspath(GAME)], cwd="/")
        self.addCleanup(g.close)
        g.expect("Error", "Error")  # the main menu's background and font
        choose(g, middle(JOGAR), 1)
        g.expect(*["Error"] * 5)  # the level selection's background, three pictures and font
        g.close_button()
        self.assertEqual(g.wait_exit(), EXIT_STATUS)
        missed = re.findall(rb"^Cannot load (.*)$", g.stderr_head, re.M)
        self.assertEqual(sorted(missed), sorted(
            [b"/Images/fundo_inicio.bmp", b"/Sounds/1.ogg", b"/Images/recortadas/inicio.bmp"]
            + [b"/Fonts/PirataOne-Regular.ttf"] * 2 + [b"/Images/recortadas/%s.png" % n for n in (b"epic", b"uthere", b"hello")]))
