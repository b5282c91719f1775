"""Measures a recording of 16-bit mono samples at 8000/s: `match REC FROM COUNT FILE` prints how closely (0..1)
the spectrum of COUNT samples of REC from sample FROM follows that of the raw sound FILE (same format), at the
best offset; `rms REC FROM COUNT` prints their loudness; `last_loud REC FROM LIMIT` prints the index of the last
sample past LIMIT."""
import array
import cmath
import math
import sys

FRAME = 400  # 50 ms
BINS = [100 + 20 * k for k in range(96)]  # 100 Hz to 2 kHz
TWIDDLES = [[cmath.exp(-2j * math.pi * f * n / 8000) for n in range(FRAME)] for f in BINS]


def samples(path, start=0, count=None):
    data = array.array("h")
    with open(path, "rb") as f:
        f.seek(2 * start)
        data.frombytes(f.read(-1 if count is None else 2 * count))
    return data


def spectrum(frame):
    """The frame's spectrum scaled to length 1, or None for a frame too quiet to have one."""
    vector = [abs(sum(s * t for s, t in zip(frame, row))) for row in TWIDDLES]
    norm = math.sqrt(sum(v * v for v in vector))
    return [v / norm for v in vector] if norm > 1e5 else None


def frames(data):
    return [spectrum(data[i:i + FRAME]) for i in range(0, len(data) - FRAME + 1, FRAME)]


def match(rec, start, count, sound):
    heard, wanted = frames(samples(rec, start, count)), frames(samples(sound))
    sounding = [i for i, w in enumerate(wanted) if w]
    best = 0.0
    for lag in range(len(heard) - len(wanted) + 1):
        score = sum(sum(a * b for a, b in zip(heard[lag + i] or [], wanted[i])) for i in sounding)
        best = max(best, score / len(sounding))
    return best


def main(command, rec, *args):
    if command == "match":
        print(f"{match(rec, int(args[0]), int(args[1]), args[2]):.3f}")
    elif command == "rms":
        data = samples(rec, int(args[0]), int(args[1]))
        print(f"{math.sqrt(sum(s * s for s in data) / max(1, len(data))):.1f}")
    elif command == "last_loud":
        data = samples(rec, int(args[0]))
        loud = [i for i, s in enumerate(data) if abs(s) > int(args[1])]
        print(int(args[0]) + loud[-1] if loud else "")


main(*sys.argv[1:])
