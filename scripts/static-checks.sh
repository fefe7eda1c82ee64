#!/usr/bin/env bash
# clang-tidy (configuration in .clang-tidy) and cppcheck over the game's own
# code; any finding fails. Usage: scripts/static-checks.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
sources=(app/*.cpp core/*.cpp menus/*.cpp gameplay/*.cpp)
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT

echo "== layers"
# The build lets each folder include only its own layer and those below it;
# a path through ".." would reach round that.
if grep -n '#include *"[^"]*\.\./' app/* core/* menus/* gameplay/*; then
  echo "an include through .. reaches round the layers" >&2; exit 1
fi

echo "== clang-tidy"
# On standard error clang-tidy counts the warnings it left out (those of
# system headers), and a newer one numbers the files it reads: both are
# dropped, anything else it says there (a file it cannot parse, no
# compilation database) is shown.
status=0
printf '%s\0' "${sources[@]}" | xargs -0 -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet 2>"$errors" || status=$?
grep -v -E '^[0-9]+ warnings? generated\.$|^\[[0-9]+/[0-9]+\] Processing file ' "$errors" >&2 || true
[ $status -eq 0 ] || { echo "clang-tidy failed" >&2; exit 1; }

echo "== cppcheck"
cppcheck --enable=warning,performance,portability,style,unusedFunction --std=c++17 --error-exitcode=1 \
  --suppressions-list=.cppcheck-suppressions -I . --quiet app core menus gameplay
echo "static checks clean"
