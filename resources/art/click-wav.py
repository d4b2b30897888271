#!/usr/bin/env python3
"""Writes CLICK.WAV: a soft, quiet 60 ms click (a damped wooden tick over a breath of noise)."""
import math
import random
import struct
import sys
import wave

RATE = 22050
LENGTH = 0.06

def samples():
    random.seed(1943)
    smooth = 0.0
    for n in range(int(RATE * LENGTH)):
        t = n / RATE
        attack = min(1.0, t / 0.0015)
        tick = math.sin(2 * math.pi * 1150 * t) * math.exp(-t / 0.008)
        body = math.sin(2 * math.pi * 420 * t) * math.exp(-t / 0.014)
        smooth += 0.25 * (random.uniform(-1, 1) - smooth)  # low-passed noise
        breath = smooth * math.exp(-t / 0.004)
        yield 0.22 * attack * (0.6 * tick + 0.5 * body + 0.35 * breath)

def main(path):
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", int(max(-1, min(1, s)) * 32767))
                                 for s in samples()))

if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "CLICK.WAV")
