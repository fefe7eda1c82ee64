#!/usr/bin/env bash
# Builds Sunken Finds in Release and measures it: screen entry, frame cost,
# start-up, idle CPU and frames shown while idle, and peak memory, each next
# to a floor of what SFML alone needs for the same work (docs/performance.md).
# Prints one table.
#
#   ./bench.sh                 15 entry rounds, 7 frame rounds, 9 start-ups, 3 real-game runs
#   BENCH_QUICK=1 ./bench.sh   fewer of each
#   BENCH_BEFORE=../old/build/sunken-finds ./bench.sh
#                              also the idle and memory rows of another build of
#                              the game, run alternately with this one
set -euo pipefail
trap 'echo "bench.sh: failed at line $LINENO" >&2' ERR
cd "$(dirname "$0")"
source scripts/packages.sh
source scripts/xvfb.sh
install_build_packages xvfb xauth python3-xlib python3-pil libgl1-mesa-dri

build=build-bench
cmake -S . -B $build -DCMAKE_BUILD_TYPE=Release -DSUNKEN_WERROR=ON -DBUILD_TESTING=OFF -DSUNKEN_BENCH=ON >/dev/null
cmake --build $build -j"$(nproc)" >/dev/null

runs=(15 7) startups=9 games=3
[ -n "${BENCH_QUICK:-}" ] && runs=(5 3) startups=3 games=1
before=()
[ -n "${BENCH_BEFORE:-}" ] && before=("$(realpath "$BENCH_BEFORE")")

start_xvfb
# No sound device on this machine or in CI, and without one the game runs
# silent. The idle figures are meant with the music playing, so it plays into
# OpenAL's null device, in the game and in its floor alike (unless
# ALSOFT_DRIVERS is set: without a device there is no idle floor).
export ALSOFT_DRIVERS=${ALSOFT_DRIVERS:-null}

# SFML says this of every window under Xvfb; anything else on stderr is shown.
quiet() { "$@" 2> >(grep -v '^Setting vertical sync not supported$' >&2); }

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
# The game and the bench read ../Fonts, ../Images, ../Sounds from where they run.
cd $build
screens=$(quiet ./bench/sunken-bench "${runs[@]}")
startup=$(quiet ./bench/sunken-bench --startup ./sunken-finds "$PWD/bench/libsunken-first-frame.so" $startups)
rss_floor=$(quiet ./bench/sunken-bench --bare)
cd ..
real=$(PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 bench/realgame.py $games "$rss_floor" $build/sunken-finds \
  $build/bench/sunken-bench $build/bench/libsunken-frame-count.so "${before[@]}")

echo "| figure | measured | floor | ratio | goal |"
echo "|---|---|---|---|---|"
grep '^|' <<<"$screens"
echo "$startup"
echo "$real"
echo
echo "Medians. Load average (1, 5, 15 min) before: $load_before; after: $(cut -d' ' -f1-3 /proc/loadavg); $(nproc) cores."
