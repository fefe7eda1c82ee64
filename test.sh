#!/usr/bin/env bash
# Builds Sunken Finds and runs its whole test suite: unit, display and
# end-to-end tiers, the last two in private X servers (Xvfb).
#
#   ./test.sh          what CI runs
#   ./test.sh --long   also the long runs (label "long")
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
source scripts/xvfb.sh

long=0
[ "${1:-}" = "--long" ] && long=1

install_packages "${BUILD_PACKAGES[@]}" libgtest-dev xvfb xauth \
  python3 python3-xlib python3-pil libgl1-mesa-dri clang-tidy cppcheck \
  desktop-file-utils appstream dpkg-dev file
# The stress tier (tests/stress) runs one game under valgrind; the sanitizer
# runtimes come with the compiler.
install_packages valgrind

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSUNKEN_WERROR=ON
cmake --build build -j"$(nproc)"

# The display tier draws into a private X server of its own; every end-to-end
# test starts its own, so that tests can run side by side.
start_xvfb
export ALSOFT_DRIVERS=null  # no sound card here: the music plays into nothing

labels=(-LE long)
[ $long -eq 1 ] && labels=()
ctest --test-dir build --output-on-failure -j2 "${labels[@]}"
