# No sound device (the machine's own case here, and a backend that does not
# exist) against OpenAL's null device, which plays into nothing: the same short
# game, standard error quiet and the CPU no busier.

import time
import unittest

from harness import EXIT_STATUS, SAIR, Game, choose, enter_level, find, middle, wait_menu

# (name, environment, most bytes on standard error). The null device is the
# yardstick, not a way round the missing device: the other two rows run as a
# player's machine without sound does. Without a backend only the game's one
# line comes; the machine's own sound system may add its probes.
RUNS = [("null device", {"ALSOFT_DRIVERS": "null"}, None),
        ("no such backend", {"ALSOFT_DRIVERS": "nosuchbackend"}, 1024), ("the machine's own", {}, 4096)]


class AudioTest(unittest.TestCase):
    def play(self, env):
        # Level 1's first find, back to the main menu, 5 s idle there, "Sair":
        # (per cent of a core while idle, bytes on standard error, their start).
        g = Game(env=env)
        self.addCleanup(g.close)
        enter_level(g, 1)
        find(g, 1, 1)
        g.key("Escape")
        wait_menu(g)
        cpu, began = g.cpu_seconds(), time.monotonic()
        time.sleep(5)
        share = 100 * (g.cpu_seconds() - cpu) / (time.monotonic() - began)
        choose(g, middle(SAIR), 3)
        self.assertEqual(g.wait_exit(), EXIT_STATUS)
        g.quiet(0.1)
        return share, g.stderr_bytes, g.stderr_head

    def test_no_device_is_as_calm_and_quiet_as_the_null_device(self):
        figures = {name: self.play(env) for name, env, _ in RUNS}
        for name, (share, size, _) in figures.items():
            print(f"{name}: {share:.1f}% of a core idle over 5 s, {size} bytes on standard error")
        for name, _, most in RUNS[1:]:
            share, size, head = figures[name]
            with self.subTest(name):
                self.assertLess(size, most, f"standard error begins {head[:300]!r}")
                self.assertNotIn(b"Cannot load", head, "a file of the proper folder reported missing")
                self.assertLessEqual(share, figures["null device"][0] + 3, "busier than with the null device")
