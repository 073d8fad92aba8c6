#!/usr/bin/env python3
"""Writes the valid figure files of this folder byte by byte from the record layout of the figure
encoding, without the program's own writer: tests read each and write it again, expecting the same bytes.
Run it from anywhere: python3 make_valid_files.py (the files go beside it)."""

import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

SINGLE, DOUBLE, TRIPLE, CURVE, ARROW, STEREO, FREE = 11, 12, 13, 14, 15, 16, 17
TEXT, ORBITAL, CIRCLE, FILL = 10, 21, 22, 23


def i32(v):
    return struct.pack("<i", v)


def u32(v):
    return struct.pack("<I", v)


def point(p):
    return i32(p[0]) + i32(p[1])


def text(s):
    b = s.encode("cp932")
    return i32(len(b)) + b


def record(kind, ends, handle, extremes, margins=(0, 0, 0, 0), width=3, shape=0, style=0, size=0,
           pen=0x000000, aux=0xC0C0C0, fill=0xC0C0C0, precision=4, fine=0, font="", label="", points=None,
           free_ends=None, reserved=0):
    """ends: six points in index order (main start, second start, third start, main end, second end,
    third end); the record holds them line by line."""
    order = [0, 3, 1, 4, 2, 5]
    free_ends = free_ends or ends
    b = i32(kind) + i32(precision) + bytes([0, fine]) + u32(pen) + u32(aux) + u32(fill)
    b += i32(style) + i32(width) + i32(shape) + i32(size) + i32(reserved)
    b += b"".join(point(ends[k]) for k in order)
    b += b"".join(point(free_ends[k]) for k in order)
    b += point(handle) + b"".join(point(e) for e in extremes)
    b += b"".join(i32(m) for m in margins)
    b += text(font) + text(label)
    if kind in (FREE, FILL):
        b += i32(len(points)) + b"".join(point(p) for p in points)
    assert len(b) >= 202
    return b


def figure_file(region, records):
    body = i32(len(records)) + b"".join(records)
    header = i32(1) + i32(28 + len(body)) + b"".join(i32(v) for v in region) + i32(0)
    return header + body


def bond(kind, a, b, second=None, third=None, **kw):
    second = second or (a, b)
    third = third or (a, b)
    ends = [a, second[0], third[0], b, second[1], third[1]]
    xs = [p[0] for p in (a, b)]
    ys = [p[1] for p in (a, b)]
    handle = ((a[0] + b[0]) // 2, (a[1] + b[1]) // 2)
    left = min((a, b), key=lambda p: p[0])
    right = max((a, b), key=lambda p: p[0])
    top = min((a, b), key=lambda p: p[1])
    bottom = max((a, b), key=lambda p: p[1])
    half = kw.get("width", 3) // 2 + 1
    return record(kind, ends, handle, [left, top, right, bottom], (-half, -half, half, half), **kw)


def benzene():
    ring = [(240, 216), (282, 240), (282, 288), (240, 312), (198, 288), (198, 240)]
    records = []
    for i in range(6):
        a, b = ring[i], ring[(i + 1) % 6]
        if i % 2 == 0:
            records.append(bond(SINGLE, a, b))
        else:
            inner = ((a[0] * 5 + 240) // 6, (a[1] * 5 + 264) // 6), ((b[0] * 5 + 240) // 6, (b[1] * 5 + 264) // 6)
            records.append(bond(DOUBLE, a, b, second=inner, shape=6))
    # A label bonded to the ring's top, in a Japanese font name, with a tip pulled onto it.
    records.append(bond(SINGLE, (240, 216), (240, 170), free_ends=None))
    label_at = (240, 160)
    records.append(record(TEXT, [label_at] * 6, label_at, [(230, 160), (240, 150), (250, 160), (240, 170)],
                          (-2, -2, 2, 2), width=0, shape=36, font="ＭＳ Ｐゴシック", label="OH"))
    # A fill at the ring's centre naming the six ring bonds.
    records.append(record(FILL, [(240, 264)] * 6, (240, 264), [(240, 264)] * 4, width=0,
                          fill=0xFFC0C0, points=[(i, 0) for i in range(6)]))
    return figure_file((1500, 1000, 0, 0), records)


def curves():
    records = [
        bond(ARROW, (100, 400), (300, 400), shape=20, width=2, pen=0xFF0000),
        bond(CURVE, (100, 500), (300, 520), shape=-12, style=2),
        bond(STEREO, (400, 400), (460, 360), shape=8, width=0),
        bond(TRIPLE, (400, 500), (480, 500), second=((400, 494), (480, 494)), third=((400, 506), (480, 506)),
             shape=6),
        bond(ORBITAL, (600, 300), (600, 220), shape=30, width=1, fill=0xFFFFFF),
        bond(CIRCLE, (700, 300), (760, 360), shape=2, width=2),
        record(FREE, [(800, 100), (800, 100), (800, 100), (900, 160), (900, 160), (900, 160)], (850, 130),
               [(800, 100), (800, 100), (900, 160), (900, 160)], (-2, -2, 2, 2), width=3, fine=1,
               points=[(800, 100), (820, 110), (845, 128), (870, 141), (900, 160)]),
        record(TEXT, [(600, 600)] * 6, (600, 600), [(580, 600), (600, 590), (620, 600), (600, 610)],
               (-1, -1, 1, 1), width=0, shape=24, size=1, font="ＭＳ 明朝", label="CH3基"),
    ]
    return figure_file((2000, 1500, 0, 0), records)


def part():
    # Two bonds selected by the range (90, 40)-(200, 120), stored relative to its corner.
    records = [bond(SINGLE, (10, 10), (60, 10)), bond(DOUBLE, (60, 10), (85, 53), second=((58, 18), (79, 53)))]
    return figure_file((110, 80, 90, 40), records)


def main():
    for name, data in (("benzene.fga", benzene()), ("curves.fga", curves()), ("part.fgb", part())):
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
