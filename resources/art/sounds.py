#!/usr/bin/env python3
"""Writes the program's two sounds into the given folder, both short and quiet:
CLICK.WAV, a soft 60 ms click (a damped wooden tick over a breath of noise), and
HARBINET.WAV, a 0.35 s two-note radio chirp with a little static, played at start-up."""
import math
import os
import random
import struct
import sys
import wave

RATE = 22050


def click():
    random.seed(1943)
    smooth = 0.0
    for n in range(int(RATE * 0.06)):
        t = n / RATE
        attack = min(1.0, t / 0.0015)
        tick = math.sin(2 * math.pi * 1150 * t) * math.exp(-t / 0.008)
        body = math.sin(2 * math.pi * 420 * t) * math.exp(-t / 0.014)
        smooth += 0.25 * (random.uniform(-1, 1) - smooth)  # low-passed noise
        breath = smooth * math.exp(-t / 0.004)
        yield 0.22 * attack * (0.6 * tick + 0.5 * body + 0.35 * breath)


def chirp():
    random.seed(1940)
    smooth = 0.0
    notes = [(0.00, 0.12, 880.0), (0.15, 0.20, 1320.0)]  # start, length, pitch
    for n in range(int(RATE * 0.35)):
        t = n / RATE
        tone = 0.0
        for start, length, pitch in notes:
            local = t - start
            if 0 <= local < length:
                envelope = min(1.0, local / 0.01) * min(1.0, (length - local) / 0.03)
                tone += envelope * math.sin(2 * math.pi * pitch * local)
        smooth += 0.3 * (random.uniform(-1, 1) - smooth)
        yield 0.18 * (tone + 0.15 * smooth * math.exp(-t / 0.2))


def write(path, samples):
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", int(max(-1, min(1, s)) * 32767))
                                 for s in samples))


if __name__ == "__main__":
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    write(os.path.join(folder, "CLICK.WAV"), click())
    write(os.path.join(folder, "HARBINET.WAV"), chirp())
