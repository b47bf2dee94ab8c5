#!/usr/bin/env python3
"""Writes the About box's two sounds as uncompressed PCM WAVE files.

wave2.wav: 22,050 Hz, 8-bit, mono, 4,719 bytes - a short rising chime on opening.
wave1.wav: 44,100 Hz, 16-bit, stereo, 187,844 bytes - a falling arpeggio on closing.
Run from the repository root: python3 tools/make_sounds.py
"""
import math
import struct
import wave

HEADER = 44  # RIFF header, 16-byte fmt chunk and data chunk header


def envelope(t, length, attack=0.01):
    """A soft attack and an exponential fade that reaches silence at the end."""
    rise = min(1.0, t / attack)
    fall = math.exp(-4.0 * t / length) * (1.0 - t / length)
    return rise * fall


def note(t, frequency):
    # A bell-like tone: the fundamental with a quieter octave.
    return math.sin(2 * math.pi * frequency * t) + 0.3 * math.sin(4 * math.pi * frequency * t)


def opening_chime(rate, frames):
    length = frames / rate
    for i in range(frames):
        t = i / rate
        frequency = 880.0 if t < length * 0.45 else 1318.5
        yield 0.45 * envelope(t, length) * note(t, frequency)


def closing_arpeggio(rate, frames):
    notes = [1046.5, 784.0, 659.3, 523.3]  # C6 G5 E5 C5
    length = frames / rate
    step = length / len(notes)
    for i in range(frames):
        t = i / rate
        left = right = 0.0
        for k, frequency in enumerate(notes):
            start = k * step
            if t >= start:
                local = t - start
                value = 0.22 * envelope(local, length - start) * note(local, frequency)
                # Each note leans a little further to the left as the figure falls.
                pan = 0.5 + 0.15 * (1.5 - k) / 1.5
                left += value * (1.0 - pan) * 2
                right += value * pan * 2
        yield left, right


def write(path, rate, width, channels, size, samples):
    frames = (size - HEADER) // (width * channels)
    data = bytearray()
    for sample in samples(rate, frames):
        values = sample if channels == 2 else (sample,)
        for value in values:
            value = max(-1.0, min(1.0, value))
            if width == 1:
                data += struct.pack("<B", int(round(128 + 127 * value)))
            else:
                data += struct.pack("<h", int(round(32767 * value)))
    with wave.open(path, "wb") as out:
        out.setnchannels(channels)
        out.setsampwidth(width)
        out.setframerate(rate)
        out.writeframes(bytes(data))


if __name__ == "__main__":
    write("resources/sounds/wave2.wav", 22050, 1, 1, 4719, opening_chime)
    write("resources/sounds/wave1.wav", 44100, 2, 2, 187844, closing_arpeggio)
