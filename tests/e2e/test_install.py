"""The installed game: the launcher works from any directory."""

import os
import shutil
import subprocess
import tempfile
import unittest

from harness import GAME, Game

BUILD_DIR = os.path.dirname(GAME)
SAIR = (390, 410)


class InstalledGame(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.prefix = tempfile.mkdtemp(prefix="sunken-prefix-")
        subprocess.run(["cmake", "--install", BUILD_DIR, "--prefix", cls.prefix],
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

    def test_launcher_from_the_root_directory(self):
        game = Game(command=[self.launcher], cwd="/")
        try:
            game.click(*SAIR)
            game.expect("Pressed", "390 , 410", "3")
            self.assertEqual(game.wait_exit(), 255)
        finally:
            game.close()

    def test_launcher_without_its_assets(self):
        data = os.path.join(self.prefix, "share", "sunken-finds")
        os.rename(data, data + ".moved")
        try:
            game = Game(command=[self.launcher], cwd="/")
            try:
                # The menu's background and font are missing; its boxes still work.
                game.expect("Error", "Error")
                game.click(*SAIR)
                game.expect("Pressed", "390 , 410", "3")
                self.assertEqual(game.wait_exit(), 255)
            finally:
                game.close()
        finally:
            os.rename(data + ".moved", data)


if __name__ == "__main__":
    unittest.main()
