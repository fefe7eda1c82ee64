#!/usr/bin/env bash
# Renders the background music, Sounds/1.ogg, from assets/music/shanty.abc.
#
# The game streams the file in a loop, so it has to join up with itself:
#   1. the tune is written three times in a row and turned into MIDI (abc2midi);
#   2. fluidsynth renders that with the General MIDI sound font;
#   3. exactly one pass is cut out of the middle: its start already carries the
#      reverb tail of the pass before, and its end runs on into the next pass,
#      so the cut joins up with itself without a click or gap;
#   4. the level is set, the cut is encoded (oggenc), decoded again and checked
#      by assets/music/check_loop.py.
# Run it from the repository root (assets/build.sh music does that).
set -euo pipefail
cd "$(dirname "$0")/.."

abc=assets/music/shanty.abc
out=Sounds/1.ogg
soundfont=/usr/share/sounds/sf2/FluidR3_GM.sf2
rate=44100
peak_db=-4      # level of the loudest sample before encoding
quality=4       # oggenc quality
serial=1851     # fixed Ogg stream serial number, so a rebuild gives the same file

for tool in abc2midi fluidsynth sox oggenc oggdec; do
  command -v "$tool" >/dev/null || { echo "music.sh: $tool is missing (run assets/build.sh music)" >&2; exit 1; }
done
[ -f "$soundfont" ] || { echo "music.sh: $soundfont is missing (fluid-soundfont-gm)" >&2; exit 1; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Loop length from the tune itself: tempo (Q:1/4=...), metre (M:n/4) and the
# number of bars in the first voice.
bpm=$(sed -n 's/^Q: *1\/4 *= *\([0-9]*\) *$/\1/p' "$abc")
beats=$(sed -n 's/^M: *\([0-9]*\)\/4 *$/\1/p' "$abc")
bars=$(awk '/^V:/ { v++ ; next } v == 1 && !/^(%|[A-Za-z]:)/ { n = gsub(/\|/, "|"); if (n) bars += n - 1 }
            END { print bars + 0 }' "$abc")
[ -n "$bpm" ] && [ -n "$beats" ] && [ "$bars" -gt 0 ] || { echo "music.sh: cannot read tempo/metre/bars from $abc" >&2; exit 1; }
(( 60000000 % bpm == 0 )) || { echo "music.sh: tempo $bpm has no whole-microsecond MIDI tempo" >&2; exit 1; }
(( rate * 60 * bars * beats % bpm == 0 )) || { echo "music.sh: loop is not a whole number of samples" >&2; exit 1; }
loop=$(( rate * 60 * bars * beats / bpm ))
echo "music: $bars bars of $beats/4 at $bpm bpm = $loop samples ($(( loop / rate )) s)"

# 1. Each voice's music three times over.
awk -v times=3 '
  function flush(   r, i) { for (r = 0; r < times; r++) for (i = 0; i < nb; i++) print body[i]; nb = 0 }
  /^V:/ { flush(); print; voice = 1; next }
  voice && /^(%|[A-Za-z]:)/ && nb == 0 { print; next }
  voice { body[nb++] = $0; next }
  { print }
  END { flush() }' "$abc" > "$tmp/three.abc"
abc2midi "$tmp/three.abc" -o "$tmp/three.mid" -silent > "$tmp/abc2midi.log" 2>&1 \
  || { cat "$tmp/abc2midi.log" >&2; exit 1; }
if grep -qiE 'error|warning' "$tmp/abc2midi.log"; then cat "$tmp/abc2midi.log" >&2; exit 1; fi

# 2. Render (chorus off: its free-running modulation would differ between passes).
fluidsynth -ni -q -R 1 -C 0 -g 0.5 \
  -o synth.reverb.room-size=0.45 -o synth.reverb.damp=0.4 \
  -o synth.reverb.width=0.8 -o synth.reverb.level=0.5 \
  -O float -T wav -r "$rate" -F "$tmp/render.wav" "$soundfont" "$tmp/three.mid" \
  > "$tmp/fluidsynth.log" 2>&1 || { cat "$tmp/fluidsynth.log" >&2; exit 1; }
rendered=$(soxi -V1 -s "$tmp/render.wav")
(( rendered >= 2 * loop + rate )) || { echo "music.sh: render is only $rendered samples" >&2; exit 1; }

# The second and third passes must be the same audio, or the cut would not
# continue into itself. Compare them (ignoring the last second of the third
# pass, where the render stops).
cmp_len=$(( loop - rate ))
sox -V1 "$tmp/render.wav" "$tmp/pass2.wav" trim "${loop}s" "${cmp_len}s"
sox -V1 "$tmp/render.wav" "$tmp/pass3.wav" trim "$(( 2 * loop ))s" "${cmp_len}s"
diff_peak=$(sox -V1 -m -v 1 "$tmp/pass2.wav" -v -1 "$tmp/pass3.wav" -n stats 2>&1 \
  | awk '/^Max level/ { a = $3 } /^Min level/ { b = -$3 } END { print (a > b ? a : b) }')
echo "music: largest difference between passes 2 and 3: $diff_peak (full scale 1.0)"
awk -v d="$diff_peak" 'BEGIN { exit !(d < 0.0001) }' \
  || { echo "music.sh: passes 2 and 3 differ, the loop would not join up" >&2; exit 1; }

# 3. Cut pass 2 and set the level; the same gain goes to the first 100 ms of
#    pass 3, which the check compares with the start of the cut.
sox -V1 "$tmp/render.wav" "$tmp/cut.wav" trim "${loop}s" "${loop}s"
gain=$(sox -V1 "$tmp/cut.wav" -n stats 2>&1 \
  | awk -v want="$peak_db" '/^Pk lev dB/ { printf "%.4f", want - $4 }')
echo "music: gain $gain dB to bring the peak to $peak_db dBFS"
sox -V1 -D "$tmp/cut.wav" -b 16 "$tmp/loop.wav" gain "$gain"
sox -V1 -D "$tmp/render.wav" -b 16 "$tmp/head_ref.wav" trim "$(( 2 * loop ))s" "$(( rate / 10 ))s" gain "$gain"

# 4. Encode, decode, check.
mkdir -p "$(dirname "$out")"
oggenc -Q -q "$quality" -s "$serial" -t "Drunken Sailor" -a "Traditional" \
  -o "$tmp/1.ogg" "$tmp/loop.wav"
oggdec -Q -b 16 -o "$tmp/decoded.wav" "$tmp/1.ogg"
/usr/bin/python3 assets/music/check_loop.py "$tmp/decoded.wav" "$loop" "$tmp/loop.wav" "$tmp/head_ref.wav"
sox -V1 "$tmp/decoded.wav" -n stats 2>&1 | grep -E '^(Pk lev dB|RMS lev dB)' | sed 's/^/music: decoded /'

size=$(stat -c %s "$tmp/1.ogg")
(( size < 1500000 )) || { echo "music.sh: $size bytes is too big" >&2; exit 1; }
mv "$tmp/1.ogg" "$out"
echo "music: wrote $out ($size bytes)"
