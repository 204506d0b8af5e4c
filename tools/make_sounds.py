#!/usr/bin/env python3
"""Make the sounds and the tune MATHtuvo plays.

Everything is synthesised here from sine partials and envelopes, so the program ships
only what we made:

    resources/sounds/right.wav    a bright two-note chime for a right answer
    resources/sounds/ohoh.wav     a soft falling "uh-oh" for a wrong one
    resources/sounds/yahoo.wav    a rising arpeggio for the start page and a run of four
    resources/sounds/cashreg.wav  a till's "ka-ching" when the reward is earned
    resources/sounds/test.mid     the reward tune: eight bars of an ice-cream-van polka

The WAVs are 16-bit PCM, mono, 22050 Hz. The output is the same on every run (the noise
of the till's click comes from a fixed seed), so regenerating changes nothing in git.

Usage:
    tools/make_sounds.py [OUTDIR]     default: resources/sounds next to tools/
"""

import math
import os
import random
import struct
import sys
import wave

RATE = 22050
PEAK = 0.70  # about -3 dBFS: loud enough in a classroom, never clipped


def silence(seconds):
    return [0.0] * int(round(seconds * RATE))


def mix(into, sound, at):
    """Adds sound into the buffer starting at 'at' seconds, growing the buffer."""
    start = int(round(at * RATE))
    need = start + len(sound)
    if need > len(into):
        into.extend([0.0] * (need - len(into)))
    for i, v in enumerate(sound):
        into[start + i] += v


def tone(freq, seconds, partials, attack=0.004, vibrato=0.0, glide=0.0):
    """One note: partials are (frequency ratio, amplitude, decay per second).

    A short attack ramp keeps the note from clicking; 'glide' bends the pitch by that
    fraction over the note, 'vibrato' is the depth of a 5.5 Hz wobble.
    """
    n = int(round(seconds * RATE))
    out = [0.0] * n
    phases = [0.0] * len(partials)
    for i in range(n):
        t = i / RATE
        bend = 1.0 + glide * (t / seconds) ** 2 + vibrato * math.sin(2 * math.pi * 5.5 * t)
        ramp = min(1.0, t / attack) if attack > 0 else 1.0
        tail = min(1.0, (seconds - t) / 0.02)  # 20 ms release so every note ends at zero
        v = 0.0
        for k, (ratio, amp, decay) in enumerate(partials):
            f = freq * ratio * bend
            if f >= RATE / 2:
                continue
            phases[k] += 2 * math.pi * f / RATE
            v += amp * math.exp(-decay * t) * math.sin(phases[k])
        out[i] = v * ramp * tail
    return out


def lowpass(samples, cutoff):
    a = 1.0 - math.exp(-2 * math.pi * cutoff / RATE)
    y = 0.0
    out = []
    for x in samples:
        y += a * (x - y)
        out.append(y)
    return out


def highpass(samples, cutoff):
    low = lowpass(samples, cutoff)
    return [x - l for x, l in zip(samples, low)]


def note_freq(midi_note):
    return 440.0 * 2 ** ((midi_note - 69) / 12)


# Timbres: (ratio, amplitude, decay/s).
BELL = [(1.0, 1.0, 3.2), (2.0, 0.30, 5.0), (3.0, 0.10, 8.0), (4.16, 0.05, 12.0)]
MARIMBA = [(1.0, 1.0, 4.5), (3.93, 0.18, 14.0), (9.2, 0.04, 30.0)]
OCARINA = [(1.0, 1.0, 1.4), (2.0, 0.22, 2.2), (3.0, 0.07, 3.0)]


def right():
    buf = silence(0.0)
    # A rising fourth, B5 then E6: "ding-ding", light and quick.
    mix(buf, tone(note_freq(83), 0.55, BELL), 0.0)
    mix(buf, tone(note_freq(88), 0.62, BELL), 0.09)
    return buf


def ohoh():
    buf = silence(0.0)
    # A soft, breathy falling third with a little droop at the end of each note, like a
    # sympathetic voice rather than a buzzer.
    mix(buf, tone(note_freq(67), 0.24, OCARINA, attack=0.03, vibrato=0.004, glide=-0.01), 0.0)
    mix(buf, tone(note_freq(63), 0.50, OCARINA, attack=0.035, vibrato=0.006, glide=-0.04), 0.28)
    return buf


def yahoo():
    buf = silence(0.0)
    # C5 E5 G5 C6 on a marimba, then a glockenspiel sparkle on top of the last note.
    for k, n in enumerate((72, 76, 79, 84)):
        length = 0.75 if n == 84 else 0.35
        mix(buf, [0.8 * v for v in tone(note_freq(n), length, MARIMBA)], 0.075 * k)
    mix(buf, [0.35 * v for v in tone(note_freq(96), 0.6, BELL)], 0.30)
    mix(buf, [0.25 * v for v in tone(note_freq(100), 0.5, BELL)], 0.36)
    return buf


def cashreg():
    rng = random.Random(1977)
    buf = silence(0.0)
    # "Ka": two short clacks of the drawer mechanism, a damped thump under filtered noise.
    for at, level in ((0.0, 0.9), (0.055, 0.6)):
        n = int(0.035 * RATE)
        noise = [rng.uniform(-1, 1) * math.exp(-i / (0.006 * RATE)) * min(1.0, i / 20)
                 for i in range(n)]
        clack = lowpass(highpass(noise, 900), 3500)
        thump = tone(170, 0.05, [(1.0, 1.0, 60.0)], attack=0.001)
        mix(buf, [level * (1.6 * c + 0.5 * t) for c, t in zip(clack, thump)], at)
    # "Ching": a small bell with close partial pairs that beat, so it shimmers like a till.
    bell = [(1.0, 0.55, 2.4), (1.004, 0.45, 2.6), (1.51, 0.30, 3.6), (2.02, 0.22, 4.5),
            (2.52, 0.12, 6.0), (3.03, 0.06, 8.0)]
    mix(buf, [0.85 * v for v in tone(1568.0, 1.05, bell, attack=0.002)], 0.12)
    return buf


def normalise(buf, level):
    peak = max(abs(v) for v in buf) or 1.0
    return [v * level / peak for v in buf]


def write_wav(path, buf, level=PEAK):
    buf = normalise(buf, level)
    frames = b"".join(struct.pack("<h", int(round(max(-1.0, min(1.0, v)) * 32767))) for v in buf)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


# --- the tune ----------------------------------------------------------------------

TICKS = 480  # per quarter note


def varlen(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.insert(0, (value & 0x7F) | 0x80)
        value >>= 7
    return bytes(out)


def track(events):
    """events: (tick, bytes) in any order; note-offs sort before note-ons at one tick."""
    body = b""
    now = 0
    for tick, data in sorted(events, key=lambda e: (e[0], e[1][0] & 0xF0 != 0x80)):
        body += varlen(tick - now) + data
        now = tick
    body += varlen(0) + b"\xff\x2f\x00"
    return b"MTrk" + struct.pack(">I", len(body)) + body


def notes(channel, seq, velocity, start=0, gate=0.85):
    """seq: (midi note or None for a rest or a list for a chord, length in eighths)."""
    events = []
    tick = start
    for pitch, eighths in seq:
        length = eighths * TICKS // 2
        for p in ([] if pitch is None else pitch if isinstance(pitch, list) else [pitch]):
            events.append((tick, bytes([0x90 | channel, p, velocity])))
            events.append((tick + int(length * gate), bytes([0x80 | channel, p, 0])))
        tick += length
    return events


def tune():
    C4, D4, E4, F4, G4, A4, B4 = 60, 62, 64, 65, 67, 69, 71
    C5, D5, E5, F5, G5, A5, B5, C6, D6 = 72, 74, 76, 77, 79, 81, 83, 84, 86
    melody = [
        (E5, 1), (G5, 1), (C6, 1), (G5, 1),   # C
        (A5, 1), (C6, 1), (A5, 1), (F5, 1),   # F
        (G5, 1), (E5, 1), (C5, 1), (E5, 1),   # C
        (D5, 1), (F5, 1), (E5, 1), (D5, 1),   # G
        (E5, 1), (G5, 1), (C6, 1), (G5, 1),   # C
        (A5, 1), (C6, 1), (A5, 1), (F5, 1),   # F
        (G5, 1), (B5, 1), (D6, 1), (B5, 1),   # G
        (C6, 2), (None, 2),                   # C
    ]
    chords = {"C": ([C4, E4, G4], 36), "F": ([C4, F4, A4], 41), "G": ([B4 - 12, D4, G4], 43)}
    bar_chords = "CFCGCFGC"
    oompah = []
    bass = []
    for bar, name in enumerate(bar_chords):
        triad, root = chords[name]
        # Oom on the beat in the bass, pah off the beat on the piano, twice a bar.
        if bar < 7:
            bass += [(root, 1), (None, 1), (root + 7, 1), (None, 1)]
            oompah += [(None, 1), (triad, 1), (None, 1), (triad, 1)]
        else:
            bass += [(root, 2), (None, 2)]
            oompah += [([t + 12 for t in triad], 2), (None, 2)]
    bar_ticks = 2 * TICKS
    meta = [
        (0, b"\xff\x03" + varlen(13) + b"Click the Ice"),
        (0, b"\xff\x51\x03" + struct.pack(">I", 500000)[1:]),  # 120 quarter notes a minute
        (0, b"\xff\x58\x04\x02\x01\x18\x08"),                  # 2/4
    ]
    # Glockenspiel melody, piano chords, acoustic bass: an ice-cream van on a sunny day.
    melody_track = [(0, b"\xc0\x09"), (0, b"\xb0\x07\x64")] + notes(0, melody, 100, gate=0.9)
    chord_track = [(0, b"\xc1\x00"), (0, b"\xb1\x07\x50")] + notes(1, oompah, 64, gate=0.6)
    bass_track = [(0, b"\xc2\x20"), (0, b"\xb2\x07\x64")] + notes(2, bass, 88, gate=0.7)
    assert len(melody) and sum(e for _, e in melody) == 8 * 4 and bar_ticks == 960
    tracks = [track(meta), track(melody_track), track(chord_track), track(bass_track)]
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), TICKS)
    return header + b"".join(tracks)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources", "sounds")
    os.makedirs(out, exist_ok=True)
    # The "uh-oh" is a held tone, so it sounds louder than the chimes at the same peak.
    for name, make, level in (("right", right, PEAK), ("ohoh", ohoh, 0.5 * PEAK),
                              ("yahoo", yahoo, PEAK), ("cashreg", cashreg, PEAK)):
        write_wav(os.path.join(out, name + ".wav"), make(), level)
    with open(os.path.join(out, "test.mid"), "wb") as f:
        f.write(tune())


if __name__ == "__main__":
    main()
