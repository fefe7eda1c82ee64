#!/usr/bin/env bash
# Fetches the Pirata One typeface (SIL OFL 1.1) from the npm package
# @fontsource/pirata-one and writes it as a plain TrueType file for SFML:
#   Fonts/PirataOne-Regular.ttf   (lossless WOFF -> TTF, latin subset)
#   Fonts/OFL.txt                 (the licence that ships with the package)
# Run from the repository root (assets/build.sh does that).
set -euo pipefail

version=5.3.0   # pinned, so that re-running gives the same bytes
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

(cd "$tmp" && npm pack --silent "@fontsource/pirata-one@$version" >/dev/null)
tar -xzf "$tmp"/fontsource-pirata-one-"$version".tgz -C "$tmp"
pkg="$tmp/package"
mkdir -p Fonts

# Lossless container change. fontTools would stamp head.modified with today's
# date on save; recalcTimestamp=False keeps the published one (reproducible bytes).
/usr/bin/python3 - "$pkg/files/pirata-one-latin-400-normal.woff" Fonts/PirataOne-Regular.ttf <<'PY'
import sys
from fontTools.ttLib import TTFont
src, dst = sys.argv[1], sys.argv[2]
font = TTFont(src, recalcTimestamp=False)
if font.flavor != "woff":
    sys.exit(f"{src}: expected a WOFF1 file, got flavor {font.flavor!r}")
font.flavor = None
font.save(dst)
PY

# Licence: the package's LICENSE is the copyright line followed by the full OFL 1.1.
lic="$pkg/LICENSE"
grep -q "SIL OPEN FONT LICENSE Version 1.1" "$lic" || { echo "font.sh: $lic is not the OFL 1.1" >&2; exit 1; }
grep -q "^TERMINATION" "$lic" && grep -q "^DISCLAIMER" "$lic" \
  || { echo "font.sh: $lic lacks the full OFL text" >&2; exit 1; }
grep -q "^Copyright (c) 2012, Rodrigo Fuenzalida" "$lic" \
  || { echo "font.sh: $lic lacks the font's copyright line" >&2; exit 1; }
cp "$lic" Fonts/OFL.txt

# Check: every letter the Portuguese texts need has a glyph, and the name is right.
/usr/bin/python3 - Fonts/PirataOne-Regular.ttf <<'PY'
import sys
from fontTools.ttLib import TTFont
f = TTFont(sys.argv[1])
cmap = f.getBestCmap()
need = "áéíóúãõçâêôàÁÉÍÓÚÃÕÇÂÊÔÀ" + "".join(chr(c) for c in range(0x20, 0x7f)) + "·"
missing = [ch for ch in need if ord(ch) not in cmap]
if missing:
    sys.exit("font.sh: glyphs missing: " + " ".join(missing))
family = f["name"].getDebugName(1)
if family != "Pirata One":
    sys.exit(f"font.sh: unexpected family name {family!r}")
print(f"font.sh: {sys.argv[1]} ok ({len(cmap)} characters, family {family!r})")
PY
