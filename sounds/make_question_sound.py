#!/usr/bin/env python3
"""Writes sounds/question.wav, the sound played when a man is crowned.

The freedesktop sound theme has no "dialog-question" sound, and its near names play the warning
sound, so Kordavelmix ships its own: two soft rising notes, a questioning "da-ding", clearly unlike
the warning, the information sound and the bell. Standard library only:

    python3 sounds/make_question_sound.py
"""

import math
import os
import struct
import wave

RATE = 22050
NOTES = [(659.25, 0.0), (880.0, 0.13)]  # frequency in Hz, start in seconds: E5 then A5
NOTE_LENGTH = 0.22
DECAY = 14.0  # per second: each note fades like a struck chime
ATTACK = 0.006  # seconds of fade-in, so the notes start without a click
VOLUME = 0.45


def sample(t):
    value = 0.0
    for frequency, start in NOTES:
        u = t - start
        if 0.0 <= u < NOTE_LENGTH:
            envelope = min(1.0, u / ATTACK) * math.exp(-DECAY * u) * (1.0 - u / NOTE_LENGTH)
            tone = math.sin(2 * math.pi * frequency * u) + 0.3 * math.sin(4 * math.pi * frequency * u)
            value += envelope * tone
    return value


def main():
    length = NOTES[-1][1] + NOTE_LENGTH
    frames = b"".join(
        struct.pack("<h", round(32767 * VOLUME * max(-1.0, min(1.0, sample(i / RATE)))))
        for i in range(int(length * RATE)))
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "question.wav")
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


if __name__ == "__main__":
    main()
