#!/usr/bin/env bash
# Rebuilds the level pictures (Images/fundo.bmp, the hidden pictures and the list
# pictures) from assets/level/, then checks them. Run from the repository root
# (assets/build.sh level does that). Needs rsvg-convert and Debian's python3-pil.
set -euo pipefail
/usr/bin/python3 assets/level/make_level.py
/usr/bin/python3 assets/level/check.py
