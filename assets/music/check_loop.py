#!/usr/bin/python3
"""Checks that a decoded music loop joins up with itself without a click.

Usage: check_loop.py DECODED.wav FRAMES CUT.wav HEAD_REF.wav

DECODED.wav   the final .ogg decoded back to 16-bit stereo 44.1 kHz WAV
FRAMES        the loop length in sample frames the file must have
CUT.wav       the uncompressed loop that was handed to the encoder
HEAD_REF.wav  the uncompressed audio that follows the cut's last sample in an
              unbroken performance (what the loop's start should sound like)

Prints the measurements and exits non-zero when any of them is out of bounds.
Only the Python standard library is used.
"""
import array
import math
import sys
import wave

RATE = 44100
WIN = RATE // 100  # 10 ms


def read(path):
    with wave.open(path, "rb") as w:
        if w.getnchannels() != 2 or w.getsampwidth() != 2 or w.getframerate() != RATE:
            sys.exit(f"{path}: want 16-bit stereo {RATE} Hz, got {w.getnchannels()} ch, "
                     f"{8 * w.getsampwidth()} bit, {w.getframerate()} Hz")
        data = array.array("h", w.readframes(w.getnframes()))
    if sys.byteorder != "little":
        data.byteswap()
    return [data[0::2], data[1::2]]


def db(v):
    return 20 * math.log10(v / 32768) if v > 0 else float("-inf")


def rms(seq):
    return math.sqrt(sum(s * s for s in seq) / len(seq)) if seq else 0.0


def percentile(values, p):
    values = sorted(values)
    return values[min(len(values) - 1, int(p / 100 * len(values)))]


def seam_report(label, x, failures):
    """Step from the last sample to the first against the steps around it."""
    n = len(x)
    around = list(x[n - WIN:]) + list(x[:WIN])
    steps = [abs(around[i + 1] - around[i]) for i in range(len(around) - 1)]
    seam = steps[WIN - 1]
    others = steps[:WIN - 1] + steps[WIN:]
    median, p95, biggest = percentile(others, 50), percentile(others, 95), max(others)
    print(f"{label}: seam step {seam}; steps between neighbouring samples within 10 ms "
          f"of the seam: median {median}, 95th percentile {p95}, max {biggest}")
    if seam > p95:
        failures.append(f"{label}: seam step {seam} is above the 95th percentile {p95}")
    return x[0] - x[-1]


def main():
    dec_path, frames, cut_path, head_path = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4]
    dec, cut, head = read(dec_path), read(cut_path), read(head_path)
    failures = []
    n = len(dec[0])
    print(f"frames: decoded {n} ({n / RATE:.3f} s), cut {len(cut[0])}, expected {frames}")
    if n != frames or len(cut[0]) != frames:
        failures.append(f"length is {n} (decoded) / {len(cut[0])} (cut) frames, not {frames}")
        n = min(n, len(cut[0]))

    for ch, name in enumerate(("left", "right")):
        x, c, h = dec[ch][:n], cut[ch][:n], head[ch]

        # The cut must start with exactly what an unbroken performance plays
        # after the cut's last sample (16-bit rounding aside).
        off = max(abs(c[i] - h[i]) for i in range(min(len(h), n)))
        print(f"{name}: cut start vs the render's continuation after the cut end: "
              f"largest difference {off} (16-bit steps)")
        if off > 1:
            failures.append(f"{name}: the cut does not continue into itself (difference {off})")

        true_step = seam_report(f"{name} cut", c, failures)
        dec_step = seam_report(f"{name} decoded", x, failures)

        # The encoder's error on the step across the seam, against its error on
        # every other pair of neighbouring samples in the file.
        errs = [abs((x[i + 1] - x[i]) - (c[i + 1] - c[i])) for i in range(n - 1)]
        seam_err = abs(dec_step - true_step)
        p95 = percentile(errs, 95)
        print(f"{name}: encoder error on the seam step {seam_err}; on the other steps "
              f"of the file: median {percentile(errs, 50)}, 95th percentile {p95}")
        if seam_err > p95:
            failures.append(f"{name}: the encoder disturbs the seam more than the rest ({seam_err} > {p95})")

        level_end, level_start = rms(x[n - WIN:]), rms(x[:WIN])
        print(f"{name}: RMS of last 10 ms {db(level_end):.1f} dBFS, first 10 ms {db(level_start):.1f} dBFS")
        for where, level in (("end", level_end), ("start", level_start)):
            if db(level) < -60:
                failures.append(f"{name}: near-silence at the {where} ({db(level):.1f} dBFS)")

        # The decoded edges against the uncompressed audio they should match.
        for where, got, ref in (("start", x[:len(h)], h),
                                ("end", x[n - WIN * 10:], c[n - WIN * 10:])):
            m = min(len(got), len(ref))
            err = rms([got[i] - ref[i] for i in range(m)])
            sig = rms(ref[:m])
            ratio = 20 * math.log10(err / sig) if err > 0 else float("-inf")
            print(f"{name}: decoded {where} (100 ms) vs uncompressed: error {ratio:.1f} dB below the signal")
            if ratio > -15:
                failures.append(f"{name}: decoded {where} differs from the uncompressed audio ({ratio:.1f} dB)")

        peak = max(max(x), -min(x))
        print(f"{name}: decoded peak {db(peak):.2f} dBFS")
        if db(peak) >= -1:
            failures.append(f"{name}: peak {db(peak):.2f} dBFS is not below -1 dBFS")

    if failures:
        print("FAILED:\n  " + "\n  ".join(failures))
        sys.exit(1)
    print("loop check passed")


if __name__ == "__main__":
    main()
