#!/usr/bin/env bash
# Builds Sunken Finds and runs its whole test suite: unit, display and
# end-to-end tiers, the last two in private X servers (Xvfb).
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
# The stress tier (tests/stress) runs one game under valgrind; the sanitizer
# runtimes come with the compiler.
install_packages valgrind

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSUNKEN_WERROR=ON
cmake --build build -j"$(nproc)"

# The display tier draws into a private X server of its own; every end-to-end
# test starts its own, so that tests can run side by side.
displayfd=$(mktemp)
Xvfb -displayfd 4 -screen 0 1024x768x24 -nolisten tcp 4>"$displayfd" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -f "$displayfd"' EXIT
for _ in $(seq 100); do
  [ -s "$displayfd" ] && break
  sleep 0.1
done
[ -s "$displayfd" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$displayfd")"
export ALSOFT_DRIVERS=null  # no sound card here: the music plays into nothing

labels=(-LE long)
[ $long -eq 1 ] && labels=()
ctest --test-dir build --output-on-failure -j2 "${labels[@]}"
