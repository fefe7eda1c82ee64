# The installed game: its launcher works from any directory, with or without its assets.

import os
import shutil
import subprocess
import tempfile
import unittest

from harness import EXIT_STATUS, GAME, SAIR, Game, choose, middle


class InstalledGame(unittest.TestCase):
    def test_launcher_from_the_root_directory(self):
        prefix = tempfile.mkdtemp(prefix="sunken-prefix-")
        self.addCleanup(shutil.rmtree, prefix, True)
        subprocess.run(["cmake", "--install", os.path.dirname(GAME), "--prefix", prefix], check=True,
                       stdout=subprocess.DEVNULL)
        data = os.path.join(prefix, "share", "sunken-finds")
        # With its assets the menu prints nothing; without them its background and font fail, its boxes still work.
        for lines in ((), ("Error", "Error")):
            game = Game(command=[os.path.join(prefix, "bin", "sunken-finds")], cwd="/")
            self.addCleanup(game.close)
            game.expect(*lines)
            choose(game, middle(SAIR), 3)
            self.assertEqual(game.wait_exit(), EXIT_STATUS)
            if not lines:
                os.rename(data, data + ".moved")


if __name__ == "__main__":
    unittest.main()
