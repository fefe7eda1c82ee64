"""The real game binary under the end-to-end harness (its own Xvfb, XTest
input): its CPU share sitting on the main menu and in level 3 with the 60 fps
cap, and its peak resident set over menu -> level 1 won -> won screen ->
level selection -> level 3 -> Escape -> menu -> Sair. Prints table rows; the
floors come from sunken-bench. Run with /usr/bin/python3, SUNKEN_GAME set:
    realgame.py RUNS IDLE_FLOOR_MENU IDLE_FLOOR_LEVEL3 RSS_FLOOR_MB
"""

import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from harness import EXIT_STATUS, Game, enter_level, next_level, wait_menu, win_level_1  # noqa: E402

IDLE_SECONDS = 10.0
TICKS = os.sysconf("SC_CLK_TCK")


def cpu_seconds(pid):
    """utime + stime of every thread of the process (fields 14 and 15 of /proc/PID/stat)."""
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS


def idle_share(pid):
    """CPU time over wall time while nobody touches the game, after a settling second."""
    time.sleep(1.0)
    cpu, wall = cpu_seconds(pid), time.monotonic()
    time.sleep(IDLE_SECONDS)
    return (cpu_seconds(pid) - cpu) / (time.monotonic() - wall)


def peak_rss_mb(pid):
    """VmHWM (in KiB) as MB of 10^6 bytes."""
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) * 1024 / 1e6
    raise RuntimeError("no VmHWM")


def full_path():
    g = Game()
    try:
        pid = g.process.pid
        wait_menu(g)
        menu = idle_share(pid)
        win_level_1(g)
        next_level(g)  # "Proximo nivel"
        enter_level(g, 3, from_menu=False)
        level3 = idle_share(pid)
        g.key("Escape")
        wait_menu(g)
        peak = peak_rss_mb(pid)  # the high-water mark of everything so far
        g.click(390, 410)  # "Sair"
        g.expect("Pressed", "390 , 410", "3")
        if g.wait_exit() != EXIT_STATUS:
            raise AssertionError("the game did not end with its usual status")
        return menu, level3, peak
    finally:
        g.close()


def main():
    runs = int(sys.argv[1])
    menu_floor, level3_floor, rss_floor = (float(arg) for arg in sys.argv[2:5])
    results = [full_path() for _ in range(runs)]
    menu, level3, peak = (statistics.median(column) for column in zip(*results))
    resolution = 100 / TICKS / IDLE_SECONDS
    for name, share, floor in (("main menu", menu, menu_floor), ("level 3", level3, level3_floor)):
        verdict = "met" if share < 0.10 else "MISSED"
        print(f"| idle CPU, {name}, 60 fps cap, {IDLE_SECONDS:.0f} s (+-{resolution:.1f}%) "
              f"| {100 * share:.1f}% of a core | {100 * floor:.1f}% | {share / floor:.2f}x | < 10%: {verdict} |")
    verdict = "met" if peak < 80 else "MISSED"
    print(f"| peak RSS (VmHWM), full path (floor: SFML alone, one picture and a text) "
          f"| {peak:.1f} MB | {rss_floor:.1f} MB | {peak / rss_floor:.2f}x | < 80 MB: {verdict} |")


if __name__ == "__main__":
    main()
