"""The installed game: the launcher works from any directory."""

import os
import shutil
import subprocess
import tempfile
import unittest

from harness import EXIT_STATUS, GAME, SAIR, Game, choose, middle


class InstalledGame(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.prefix = tempfile.mkdtemp(prefix="sunken-prefix-")
        subprocess.run(["cmake", "--install", os.path.dirname(GAME), "--prefix", cls.prefix],
                       check=True, stdout=subprocess.DEVNULL)
        cls.launcher = os.path.join(cls.prefix, "bin", "sunken-finds")

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.prefix, ignore_errors=True)

    def test_layout(self):
        for relative in ("lib/sunken-finds/sunken-finds", "share/sunken-finds/Fonts/PirataOne-Regular.ttf",
                         "share/sunken-finds/Images/fundo.bmp", "share/sunken-finds/Images/recortadas/epic.png",
                         "share/sunken-finds/Sounds/1.ogg", "share/applications/sunken-finds.desktop",
                         "share/icons/hicolor/256x256/apps/sunken-finds.png",
                         "share/doc/sunken-finds/LICENSE", "share/doc/sunken-finds/OFL.txt"):
            self.assertTrue(os.path.isfile(os.path.join(self.prefix, relative)), relative)
        self.assertTrue(os.access(self.launcher, os.X_OK))

    def sair_from_the_root_directory(self, *lines):
        """The launcher started from /: the main menu prints these lines, then its "Sair" ends the game."""
        game = Game(command=[self.launcher], cwd="/")
        self.addCleanup(game.close)
        game.expect(*lines)
        choose(game, middle(SAIR), 3)
        self.assertEqual(game.wait_exit(), EXIT_STATUS)

    def test_launcher_from_the_root_directory(self):
        self.sair_from_the_root_directory()

    def test_launcher_without_its_assets(self):
        data = os.path.join(self.prefix, "share", "sunken-finds")
        os.rename(data, data + ".moved")
        try:
            # The menu's background and font are missing; its boxes still work.
            self.sair_from_the_root_directory("Error", "Error")
        finally:
            os.rename(data + ".moved", data)


if __name__ == "__main__":
    unittest.main()
