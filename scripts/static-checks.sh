#!/usr/bin/env bash
# clang-tidy (configuration in .clang-tidy) and cppcheck over the game's own
# code; any finding fails. Usage: scripts/static-checks.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
sources=$(ls app/*.cpp core/*.cpp menus/*.cpp gameplay/*.cpp)

echo "== clang-tidy"
# shellcheck disable=SC2086
printf '%s\n' $sources | xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet 2>/dev/null

echo "== cppcheck"
cppcheck --enable=warning,performance,portability,style --std=c++17 --error-exitcode=1 \
  --suppressions-list=.cppcheck-suppressions -I . --quiet app core menus gameplay
echo "static checks clean"
