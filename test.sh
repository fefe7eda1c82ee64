#!/usr/bin/env bash
# Builds Sunken Finds and runs its whole test suite: unit and end-to-end
# tiers, the static checks and the package check.
#
#   ./test.sh          what CI runs
#   ./test.sh --long   also the long runs (label "long")
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh

long=0
[ "${1:-}" = "--long" ] && long=1

install_packages "${BUILD_PACKAGES[@]}" libgtest-dev xvfb xauth \
  python3 python3-xlib python3-pil libgl1-mesa-dri clang-tidy cppcheck \
  desktop-file-utils appstream dpkg-dev file

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSUNKEN_WERROR=ON
cmake --build build -j"$(nproc)"

# Every end-to-end test starts its own X servers; the unit tests and the static
# checks need none. The sound is the machine's own.

labels=(-LE long)
[ $long -eq 1 ] && labels=()
ctest --test-dir build --output-on-failure -j2 "${labels[@]}"

# The Windows zip: cross-built (packaging/windows/build.sh keeps the built
# libraries in a cache, so only the first run takes minutes) and played under
# Wine by the label "windows", timed apart from the tiers above.
packaging/windows/build.sh
install_packages wine wine64
ctest --test-dir build-windows --output-on-failure -L windows
