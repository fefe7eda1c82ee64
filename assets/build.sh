#!/usr/bin/env bash
# Rebuilds every file the game reads (Fonts/, Images/, Sounds/) from the text
# sources in assets/. The outputs are committed, so players and CI never run this.
#
#   assets/build.sh            rebuild everything
#   assets/build.sh font ui    rebuild only some parts (font, ui, level, music)
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(librsvg2-bin imagemagick python3-fonttools python3-pil fontconfig
          abcmidi fluidsynth fluid-soundfont-gm vorbis-tools sox)
missing=()
# npm fetches the font; a Node.js that brings its own npm is as good as Debian's.
command -v npm >/dev/null 2>&1 || missing+=(npm)
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

# SVG text is set in the game's own font, found through a private fontconfig file.
export FONTCONFIG_FILE="$PWD/assets/fonts.conf"

parts=("$@")
[ ${#parts[@]} -gt 0 ] || parts=(font ui level music)
for part in "${parts[@]}"; do
  echo "== $part"
  bash "assets/$part.sh"
done
