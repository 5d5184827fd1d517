#!/usr/bin/env python3
"""Writes the five removal sounds of the stone puzzle as WAV files next to this script.

PCM, mono, 11025 samples per second; 8-bit for SOUND0..SOUND3, 16-bit for NOOO. The sounds are
synthesised here, so running the script again gives the same files byte for byte.
"""

import math
import os
import wave

RATE = 11025


def frames(seconds):
    return round(seconds * RATE)


def envelope(i, count, attack=0.004, release=0.02):
    """Fades in and out so that no sound starts or stops with a click."""
    t = i / RATE
    rest = (count - 1 - i) / RATE
    return min(1.0, t / attack, rest / release)


def tone(seconds, pitch, decay):
    """A struck tone whose pitch may glide: pitch(t) in hertz, decay in 1/s."""
    count = frames(seconds)
    out, phase = [], 0.0
    for i in range(count):
        t = i / RATE
        phase += 2 * math.pi * pitch(t) / RATE
        value = math.sin(phase) + 0.3 * math.sin(2 * phase)
        out.append(0.75 * value * math.exp(-decay * t) * envelope(i, count))
    return out


def notes(seconds, pitches, decay):
    """Equal slices of the length, one struck note each."""
    count = frames(seconds)
    step = count / len(pitches)
    out = []
    for i in range(count):
        n = min(int(i / step), len(pitches) - 1)
        local = (i - n * step) / RATE
        value = math.sin(2 * math.pi * pitches[n] * local) + 0.25 * math.sin(4 * math.pi * pitches[n] * local)
        slice_envelope = min(1.0, local / 0.003, (step - (i - n * step)) / RATE / 0.006)
        out.append(0.7 * value * math.exp(-decay * local) * slice_envelope)
    return out


def nooo(seconds):
    """A falling, vowel-like groan with a slow vibrato for the very large removals."""
    count = frames(seconds)
    weights = [1.0, 0.8, 0.55, 0.3, 0.15, 0.08]  # a dark 'o': strong low harmonics
    out, phase = [], 0.0
    for i in range(count):
        t = i / RATE
        pitch = 210.0 * (0.55 ** (t / seconds)) * (1 + 0.025 * math.sin(2 * math.pi * 5.5 * t))
        phase += 2 * math.pi * pitch / RATE
        value = sum(w * math.sin((k + 1) * phase) for k, w in enumerate(weights)) / sum(weights)
        out.append(0.9 * value * envelope(i, count, attack=0.03, release=0.12))
    return out


def write(name, samples, sample_width):
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), name + ".wav")
    if sample_width == 1:
        data = bytes(max(0, min(255, round(128 + 127 * s))) for s in samples)
    else:
        data = b"".join(max(-32768, min(32767, round(32767 * s))).to_bytes(2, "little", signed=True)
                        for s in samples)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(sample_width)
        out.setframerate(RATE)
        out.writeframes(data)


def main():
    write("SOUND0", tone(0.064, lambda t: 700.0, 45.0), 1)
    write("SOUND1", tone(0.275, lambda t: 400.0 + 3200.0 * t, 6.0), 1)
    write("SOUND2", notes(0.082, [990.0, 1320.0], 30.0), 1)
    write("SOUND3", notes(0.178, [523.3, 659.3, 784.0], 12.0), 1)
    write("NOOO", nooo(0.733), 2)


if __name__ == "__main__":
    main()
