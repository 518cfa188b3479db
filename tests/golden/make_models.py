#!/usr/bin/env python3
"""Writes seeded random model files for the golden comparison.

usage: make_models.py OUT_DIR COUNT [SEED]

The files use the model file's own byte layout ("KVR2.5"), so they can be
made without the program. The same seed always gives the same files.
"""
import random
import struct
import sys


def string(text):
    data = text.encode()
    assert len(data) < 255
    return bytes([len(data)]) + data


def model_bytes(rng):
    words = [("x", "y"), ("chairs", "tables"), ("a", "b"), ("cows", "pigs")]
    x_label, y_label = rng.choice(words)
    n = rng.randint(1, 6)
    lines = []
    for i in range(6):
        if i < n:
            a = rng.choice([0, rng.randint(1, 12), round(rng.uniform(0.1, 9), 2)])
            b = rng.choice([rng.randint(1, 12), round(rng.uniform(0.1, 9), 2)])
            sign = rng.choice([1.0, 1.0, 1.0, -1.0])
            rel = rng.choice([0.0, 0.0, 0.0, 2.0, 2.0, 1.0])
            c = float(rng.randint(5, 150))
            name = rng.choice(["", "Wood", "C%d" % (i + 1), "Labour"])
            label = rng.choice([(-8888.0, -8888.0), (-8888.0, -8888.0), (rng.randint(1, 40), rng.randint(1, 30))])
        else:
            a = b = c = 0.0
            sign, rel, name, label = 1.0, 0.0, "", (-8888.0, -8888.0)
        lines.append((float(a), float(b), c, sign, rel, name, label))
    x_max = float(rng.choice([200, 50, 100, 40]))
    y_max = float(rng.choice([120, 50, 80, 30]))
    x_zoom = float(rng.choice([6, 3, 10, 12.5]))
    y_zoom = float(rng.choice([6, 2, 8, 4]))
    decimals = rng.choice([0, 1, 1, 2, 3])
    pa = float(rng.randint(0, 60))
    pb = float(rng.randint(1, 60))
    out = string("KVR2.5") + string(x_label)
    out += b"".join(struct.pack("<d", l[0]) for l in lines)
    out += string(y_label)
    out += b"".join(struct.pack("<d", l[1]) for l in lines)
    out += b"".join(struct.pack("<d", l[2]) for l in lines)
    out += struct.pack("<6d", x_max, 0.0, x_zoom, y_max, 0.0, y_zoom)
    out += struct.pack("<i", decimals)
    out += struct.pack("<3d", pa, pb, 0.0)
    out += b"".join(string(l[5]) for l in lines)
    for l in lines:
        out += struct.pack("<4d", l[3], l[4], float(l[6][0]), float(l[6][1]))
    out += struct.pack("<3d", -8888.0, -8888.0, rng.choice([1.0, 1.0, -1.0]))
    out += struct.pack("<4i", rng.choice([0, 1]), rng.choice([1, 1, 0]), rng.choice([0, 0, 0, 1]),
                       rng.choice([0, 1, 2]))
    out += struct.pack("<i", decimals)
    return out


def main():
    out_dir, count = sys.argv[1], int(sys.argv[2])
    rng = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 2026)
    for k in range(count):
        with open("%s/random%03d.kvr" % (out_dir, k), "wb") as f:
            f.write(model_bytes(rng))


if __name__ == "__main__":
    main()
