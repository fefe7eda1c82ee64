#!/usr/bin/python3
# Long runs of the real game:
#   soak.py walk --seconds S [--seed N]: the end-to-end cases, shuffled by the
#     seed, again and again for S seconds against the sanitized build
#     (SUNKEN_ASAN_GAME: ASan, UBSan, LeakSanitizer). Every screen, input and
#     change of screen they make runs under the sanitizers; any report, crash,
#     exit status other than 255 or failed check fails the walk.
#   soak.py memory: 200 screen changes (menu, level selection, level 3, Escape)
#     in the normal build; the resident memory on the main menu grows by less
#     than 5 MB after the first 20.

import argparse
import glob
import os
import random
import sys
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "e2e"))
import harness  # noqa: E402

# The cases that drive screens; the audio figures and the install checks add no code path of the game's.
MODULES = ["test_menus", "test_levels", "test_timeout", "test_assets"]


def walk(seed, seconds):
    logs = os.path.join(os.environ.get("SUNKEN_STRESS_LOGS", "/tmp"), f"walk-{seed}")
    os.makedirs(logs, exist_ok=True)
    # Mesa unloads its driver at exit, before the leak check: preloaded, its
    # frames keep their names for lsan.supp (ASan then no longer comes first).
    os.environ.update(LD_PRELOAD="/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so",
                      LSAN_OPTIONS=f"suppressions={HERE}/lsan.supp:print_suppressions=0",
                      ASAN_OPTIONS=f"detect_leaks=1:verify_asan_link_order=0:log_path={logs}/asan",
                      UBSAN_OPTIONS=f"halt_on_error=1:print_stacktrace=1:log_path={logs}/asan")
    harness.GAME = os.environ["SUNKEN_ASAN_GAME"]
    cases = list(unittest.defaultTestLoader.loadTestsFromNames(MODULES))
    cases = [case for suite in cases for tests in suite for case in tests]
    rng, deadline, runs = random.Random(seed), time.monotonic() + seconds, 0
    while time.monotonic() < deadline:
        rng.shuffle(cases)
        for case in cases:
            if time.monotonic() > deadline:
                break
            runs += 1
            result = unittest.TextTestRunner(verbosity=2).run(unittest.TestSuite([case]))
            reports = [open(path, errors="replace").read() for path in glob.glob(f"{logs}/asan.*")]
            if reports or not result.wasSuccessful():
                print(f"FAILED after {runs} cases (replay with --seed {seed}):", *[r[-6000:] for r in reports])
                return 1
    print(f"seed {seed}: {runs} cases in {seconds:g} s, no sanitizer report")
    return 0


def memory():
    steps = [(harness.selection_shown, lambda g: g.click(*harness.middle(harness.JOGAR))),
             (harness.level_shown, lambda g: g.click(*harness.picture_point(3))), (harness.menu_shown, lambda g: g.key())]
    game, samples = harness.Game(), []
    try:
        for change in range(3, 201, 3):
            for shown, step in steps:
                step(game)
                game.see(shown, f"the next screen after {change} changes", 10)
            with open(f"/proc/{game.process.pid}/status") as f:
                samples.append(next(int(line.split()[1]) for line in f if line.startswith("VmRSS:")))
        # The allocator moves a few MB from visit to visit: medians of five visits after 20 changes and of the last five.
        before, after = sorted(samples[7:12])[2], sorted(samples[-5:])[2]
        print(f"VmRSS on the main menu: median {before} kB after 24-36 changes, {after} kB after the last 15 of "
              f"{3 * len(samples)}: {after - before:+d} kB (limit 5120 kB)")
        game.close_button()
        return 0 if game.wait_exit() == harness.EXIT_STATUS and after - before < 5120 else 1
    finally:
        game.close()


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("what", choices=("walk", "memory"))
    parser.add_argument("--seed", type=int, default=random.SystemRandom().randrange(10 ** 6))
    parser.add_argument("--seconds", type=float, default=1200)
    args = parser.parse_args()
    print(f"soak.py {args.what} --seed {args.seed} --seconds {args.seconds:g}", flush=True)
    sys.exit(memory() if args.what == "memory" else walk(args.seed, args.seconds))
