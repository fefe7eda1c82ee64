#!/usr/bin/env bash
# Builds Sunken Finds (installing what is missing) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
install_build_packages

# The game alone, in its own build folder (test.sh and bench.sh have theirs);
# of configure's output, only which SFML it builds on.
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DSUNKEN_WERROR=OFF \
  -DBUILD_TESTING=OFF -DSUNKEN_BENCH=OFF | sed -n 's/^-- \(SFML: \)/\1/p'
cmake --build build -j"$(nproc)"
# The game reads its pictures, font and music from ../ of where it starts.
cd build
exec ./sunken-finds
