#!/usr/bin/env bash
# Builds Sunken Finds with its tests and runs the suite: the unit, end-to-end,
# static and package tiers in build-tests/, then the Windows zip and
# installer under Wine in build-windows/. A tier that runs no test fails.
#
#   ./test.sh          what CI runs
#   ./test.sh --long   also the long runs (label "long")
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh

usage="usage: ./test.sh [--long]"
long=0
case $# in
  0) ;;
  1) [ "$1" = "--long" ] || { echo "$usage" >&2; exit 2; }
     long=1 ;;
  *) echo "$usage" >&2; exit 2 ;;
esac

install_build_packages libgtest-dev xvfb xauth \
  python3 python3-xlib python3-pil python3-pefile libgl1-mesa-dri clang-tidy cppcheck \
  desktop-file-utils appstream dpkg-dev file git groff-base
# The long runs' Wayland desktop: a headless sway and its Xwayland.
[ $long -eq 0 ] || install_packages sway xwayland

# Its own build folder, with every option it relies on: a build of play.sh's
# or bench.sh's never changes what is tested here.
build=build-tests
cmake -S . -B $build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSUNKEN_WERROR=ON \
  -DBUILD_TESTING=ON -DSUNKEN_BENCH=OFF
cmake --build $build -j"$(nproc)"

# expect_tests DIR LABEL...: each tier must hold at least one test.
expect_tests() {
  local dir=$1 label count; shift
  for label in "$@"; do
    count=$(ctest --test-dir "$dir" -N -L "^$label\$" | sed -n 's/^Total Tests: //p')
    [ "${count:-0}" -gt 0 ] || { echo "test.sh: no tests labelled $label in $dir" >&2; exit 1; }
  done
}

# Every end-to-end test starts its own X servers; the unit tests and the static
# checks need none. The sound is the machine's own.
labels=(-LE long) tiers=(unit e2e static package)
[ $long -eq 1 ] && labels=() tiers+=(long)
expect_tests $build "${tiers[@]}"
ctest --test-dir $build --output-on-failure --no-tests=error -j2 "${labels[@]}"

# The Windows tier plays the zip under the archive's Wine. Debian testing has
# had none at times: there the tier is said to be left out. No candidate may
# only mean that apt has no package lists yet.
has_wine() { [[ $(apt-cache policy wine64 2>/dev/null) =~ Candidate:\ [0-9] ]]; }
if ! has_wine && ! { $([ "$(id -u)" -eq 0 ] || echo sudo) apt-get -o DPkg::Lock::Timeout=600 update -qq && has_wine; }; then
  echo "test.sh: the archive has no Wine (wine64); the Windows tier is left out here"
  exit 0
fi

# The Windows zip and installer: cross-built (packaging/windows/build.sh keeps
# the built libraries in a cache, so only the first run takes minutes) and
# played under Wine by the label "windows", timed apart from the tiers above.
packaging/windows/build.sh
install_packages wine wine64
expect_tests build-windows windows
ctest --test-dir build-windows --output-on-failure --no-tests=error -L windows
