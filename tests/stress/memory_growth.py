#!/usr/bin/python3
"""200 screen changes (main menu -> level selection -> level 3 -> Escape
released -> main menu -> ...) in the normal build: the resident memory,
measured on the main menu, must grow by less than 5 MB after the first 20."""

import sys

from random_walk import classify  # also puts tests/e2e on the path
from harness import JOGAR, Game, middle, picture_point, wait_for  # noqa: E402

CHANGES, WARM_UP, LIMIT_KB = 200, 20, 5 * 1024
STEPS = [("selection", lambda g: g.click(*middle(JOGAR))),
         ("level", lambda g: g.click(*picture_point(3))),
         ("menu", lambda g: g.key("Escape"))]  # pressed and released


def rss_kb(pid):
    with open(f"/proc/{pid}/status") as f:
        return next(int(line.split()[1]) for line in f if line.startswith("VmRSS:"))


def main():
    game = Game()
    try:
        wait_for(lambda: classify(game.screenshot()) == "menu", 10, "the main menu", 0.05)
        changes, samples = 0, []
        while changes < CHANGES:
            for screen, step in STEPS:
                step(game)
                wait_for(lambda: classify(game.screenshot()) == screen, 10,
                         f"{screen} after {changes} changes", 0.03)
                changes += 1
            samples.append((changes, rss_kb(game.process.pid)))
        print("VmRSS on the main menu (changes: kB):",
              ", ".join(f"{c}: {kb}" for c, kb in samples[::5] + samples[-1:]))
        # The allocator's ups and downs are a few MB from one visit to the next:
        # compare the median of five visits after the warm-up with the last five.
        warm = [s for s in samples if s[0] > WARM_UP][:5]
        before, after = (sorted(kb for _, kb in window)[2] for window in (warm, samples[-5:]))
        print(f"median after {warm[0][0]}-{warm[-1][0]} changes {before} kB, after "
              f"{samples[-5][0]}-{changes} changes {after} kB: {after - before:+d} kB (limit {LIMIT_KB} kB)")
        game.close_button()
        status = game.wait_exit(5)
        if status != 255:
            raise AssertionError(f"exit status {status}")
        return 0 if after - before < LIMIT_KB else 1
    finally:
        game.close()


if __name__ == "__main__":
    sys.exit(main())
