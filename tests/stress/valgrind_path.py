#!/usr/bin/python3
"""The normal build under valgrind's memcheck through one whole game: main
menu, level 1 won, the won screen's "Sair", the main menu's "Sair". Fails on
any memory error (invalid read or write, uninitialised value...) outside the
explained suppressions, and on a definitely lost block allocated by the
game's own code."""

import os
import re
import sys

from random_walk import HERE, classify  # also puts tests/e2e on the path
from harness import (GAME, JOGAR, SAIR, SOURCE_DIR, WON_SAIR, AssetTree, Game, choose, middle,  # noqa: E402
                     object_point, picture_point, wait_for)

LOG = os.path.join(os.environ.get("SUNKEN_STRESS_LOGS", "/tmp"), "valgrind.log")
OURS = {name for folder in ("shell", "menus", "gameplay")
        for name in os.listdir(os.path.join(SOURCE_DIR, folder))}


def allocated_by_game(record):
    """Whether the first frame past valgrind's allocator and the standard
    library's templates (unique_ptr.h, stl_vector.h, ... inlined into their
    caller) lies in the game's own sources."""
    for frame in re.findall(r"(?:at|by) 0x[0-9A-F]+: (.*)", record):
        if "vgpreload_memcheck" in frame:
            continue
        source = re.search(r"\(([\w.+-]+):\d+\)$", frame)
        if source and source.group(1) in OURS or f"(in {os.path.realpath(GAME)})" in frame:
            return True
        if not (source and re.search(r"\.(h|tcc)$", source.group(1))):
            return False
    return False


def see(game, screen, timeout=60):
    wait_for(lambda: classify(game.screenshot()) == screen, timeout, screen, 0.5)


def main():
    os.makedirs(os.path.dirname(LOG), exist_ok=True)
    command = ["valgrind", "--tool=memcheck", "--error-exitcode=99", "--leak-check=full",
               "--show-leak-kinds=definite", "--errors-for-leak-kinds=none", "--num-callers=40",
               "--keep-debuginfo=yes",  # names for the frames of libraries unloaded at exit
               f"--suppressions={HERE}/valgrind.supp", f"--log-file={LOG}", GAME]
    game = Game(tree=AssetTree(), command=command, start_timeout=180)
    try:
        see(game, "menu", 180)
        choose(game, middle(JOGAR), 1, timeout=30)
        see(game, "selection")
        game.click(*picture_point(1))
        see(game, "level")
        for i in range(1, 6):
            game.click(*object_point(1, i))
            game.expect("Pressed", f"Retirou {i}", timeout=30)
        see(game, "won")
        game.click(*middle(WON_SAIR))
        see(game, "menu")
        choose(game, middle(SAIR), 3, timeout=30)
        status = game.wait_exit(120)
    finally:
        game.close()
    log = open(LOG).read()
    errors = re.search(r"ERROR SUMMARY: .*", log).group(0)
    lost = re.search(r"definitely lost: .*", log)
    records = re.split(r"\n(?===\d+== \S.* are definitely lost in loss record)", log)[1:]
    ours = [record for record in records if allocated_by_game(record)]
    print(f"valgrind: exit status {status}, {errors}; definitely lost: "
          f"{lost.group(0).split(': ')[1] if lost else 'none'}, {len(ours)} record(s) from the game's code")
    for record in ours:
        print(record[:3000])
    if status != 255 or ours:
        print(f"FAILED: see {LOG}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
