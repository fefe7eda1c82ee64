# A newcomer on Debian testing, whose libsfml-dev is SFML 3 (installed): a fresh clone's
# ./play.sh builds SFML 2 with the game, from a local source given through the
# toolchain file (this machine cannot reach SFML's repository), and the game it
# starts plays, with no SFML 3 in it; an install carries SFML's licence.
import subprocess, tempfile, unittest  # noqa: E401

from harness import EXIT_STATUS, JOGAR, SOURCE_DIR, Game, choose, middle, roots, wait_menu

# The root (no apt index of testing here is still "valid") with SFML 3 installed, as
# for other projects; the clone; Debian 12's SFML 2.5.1 source through an apt setup
# of its own; and the .debs play.sh fetches kept for the next run.
PREPARE = r'''fresh_root testing "$0" || exit
echo 'Acquire::Check-Valid-Until "false";' >"$0/etc/apt/apt.conf.d/99sunken-valid-until"
root_install "$0" libsfml-dev || exit
git clone -q "$1" "$0/root/sunken-finds" && mkdir -p "$0/sfml/apt/lists/partial" && cd "$0/sfml" || exit
echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $(debian_mirror) bookworm main" >apt/sources.list
o=(-o Dir::Etc::SourceList="$PWD/apt/sources.list" -o Dir::Etc::SourceParts=- -o Dir::State::Lists="$PWD/apt/lists"
   -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache=)
apt-get "${o[@]}" update -qq && apt-get "${o[@]}" source -qq libsfml/bookworm 2>/dev/null || exit
echo "set(FETCHCONTENT_SOURCE_DIR_SFML /sfml/$(ls -d libsfml-2*))" >"$0/root/offline.cmake"
mkdir -p "$debian_roots_cache/debs-testing" && cp "$debian_roots_cache/debs-testing/"* "$0/var/cache/apt/archives/" 2>/dev/null
exit 0'''
KEEP_DEBS = 'cp -n "$0"/var/cache/apt/archives/*.deb "$debian_roots_cache/debs-testing/" 2>/dev/null; true'


class Sfml3SystemTest(unittest.TestCase):
    def test_play_sh_builds_sfml_2_and_the_game_plays(self):
        root = tempfile.mkdtemp(prefix="sunken-testing-")
        self.addCleanup(subprocess.run, roots('drop_root "$0"', root))
        subprocess.run(roots(PREPARE, root, SOURCE_DIR), check=True)
        g = Game(command=roots('in_root "$0" env CMAKE_TOOLCHAIN_FILE=/root/offline.cmake /root/sunken-finds/play.sh',
                               root), cwd="/", start_timeout=3000)
        self.addCleanup(g.close)
        self.addCleanup(subprocess.run, roots(KEEP_DEBS, root))
        wait_menu(g)
        said = [line for line in g.lines if line.startswith("SFML: ")]
        self.assertRegex("\n".join(said), r"^SFML: building 2\.5\.1 from /sfml/.* because the system has SFML 3\.")
        g.read_upto = len(g.lines)  # play.sh's own output
        choose(g, middle(JOGAR), 1)
        g.close_button()
        self.assertEqual(g.wait_exit(), EXIT_STATUS)

        def run(command):
            return subprocess.run(roots(f'in_root "$0" sh -c "cd /root/sunken-finds && {command}"', root),
                                  check=True, capture_output=True, text=True).stdout
        self.assertNotIn("libsfml", run("ldd build/sunken-finds"))
        run("cmake --install build --prefix /tmp/installed >/dev/null")
        self.assertEqual(run("cat /tmp/installed/share/doc/sunken-finds/SFML.txt"), run("cat /sfml/libsfml-2*/license.md"))


if __name__ == "__main__":
    unittest.main()
