#!/bin/sh
# Starts Sunken Finds from wherever it is called (a symlink to it works too):
# the game reads ../Fonts, ../Images and ../Sounds of where it runs, so it is
# started in bin/. It finds its own libraries in lib/ by itself.
#
#   sunken-finds --install-desktop-entry   puts the game in the applications menu
here=$(dirname "$(readlink -f "$0")")
if [ "${1:-}" = --install-desktop-entry ]; then
  apps=${XDG_DATA_HOME:-$HOME/.local/share}/applications
  mkdir -p "$apps" || exit 1
  # The entry's Exec quotes the path: \ " ` $ escaped, then \ doubled again.
  exec_path=$(printf '%s' "$here/sunken-finds" | sed -e 's/[\\"`$]/\\&/g' -e 's/\\/\\\\/g')
  sed -e "s|^Exec=.*|Exec=\"$(printf '%s' "$exec_path" | sed 's/[|&\\]/\\&/g')\"|" \
    -e "s|^Icon=.*|Icon=$(printf '%s' "$here/sunken-finds.png" | sed 's/[|&\\]/\\&/g')|" \
    "$here/sunken-finds.desktop" >"$apps/sunken-finds.desktop" || exit 1
  echo "Added $apps/sunken-finds.desktop (run this again if you move the folder)"
  exit 0
fi
cd "$here/bin" || exit 1
exec ./sunken-finds "$@"
