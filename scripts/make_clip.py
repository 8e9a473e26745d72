#!/usr/bin/env python3
"""Draws the program's own delete clip: a page leaves a folder and goes "poof".

Writes resources/PofuttoErase.avi: 24 frames of 272 x 60, 8-bit palette, RLE8, no sound,
as the common-controls animation control plays it. The top-left pixel is the background, which
the control makes transparent. Pure Python; the result is committed."""
import math
import os
import struct

W, H, FRAMES = 272, 60, 24
FRAME_US = 80000
BACKGROUND = (212, 208, 200)


def blend(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def folder(x, y):
    # A yellow folder at the left, open at the top.
    if 14 <= x <= 58 and 22 <= y <= 52:
        if y <= 24 and x > 34:
            return None
        edge = x in (14, 58) or y in (22, 52) or (y == 24 and x >= 34)
        return (150, 110, 20) if edge else (245, 200, 80)
    return None


def page_at(t):
    # Centre of the flying page along an arc from the folder to the poof point.
    x = 40 + (200 - 40) * t
    y = 34 - 26 * math.sin(math.pi * t)
    return x, y, -0.6 * t


def page(x, y, cx, cy, angle):
    u = (x - cx) * math.cos(angle) + (y - cy) * math.sin(angle)
    v = -(x - cx) * math.sin(angle) + (y - cy) * math.cos(angle)
    if abs(u) > 8 or abs(v) > 10:
        return None
    if abs(u) > 7 or abs(v) > 9:
        return (70, 96, 140)
    if abs(v + 4) < 0.8 or abs(v) < 0.8 or abs(v - 4) < 0.8:
        return (120, 140, 175) if abs(u) < 5 else (250, 252, 255)
    return (250, 252, 255)


PUFFS = [(0, 0, 1.0), (-9, 4, 0.7), (9, 4, 0.75), (-5, -6, 0.6), (6, -6, 0.65)]


def cloud(x, y, k, fade):
    for dx, dy, r in PUFFS:
        radius = r * 14 * k
        d = math.hypot(x - (214 + dx * k), y - (32 + dy * k))
        if d < radius:
            colour = (60, 130, 200) if d > radius - 1.5 else (235, 242, 255)
            return blend(colour, BACKGROUND, fade)
    return None


def sparkle(x, y, cx, cy, r, fade):
    dx, dy = abs(x - cx), abs(y - cy)
    if (dx < 0.8 and dy < r) or (dy < 0.8 and dx < r):
        return blend((255, 190, 30), BACKGROUND, fade)
    return None


def frame(n):
    pixels = []
    flight = min(1.0, n / 13)
    for y in range(H):
        row = []
        for x in range(W):
            c = None
            if 12 <= n <= 21:
                k = 0.5 + 0.08 * (n - 12)
                c = cloud(x, y, k, max(0.0, (n - 16) / 6))
            if c is None and n >= 18:
                fade = (n - 18) / 6
                for sx, sy, r in ((240, 14, 5), (190, 48, 4), (250, 46, 3)):
                    c = c or sparkle(x, y, sx, sy, r * (1 - fade * 0.5), fade)
            if c is None and n <= 13:
                c = page(x, y, *page_at(flight))
            if c is None:
                c = folder(x, y)
            row.append(c or BACKGROUND)
        pixels.append(row)
    return pixels


def quantise(c):
    if c == BACKGROUND:
        return c
    return tuple(min(255, int(round(v / 51.0)) * 51) for v in c)


def rle8(indices):
    out = bytearray()
    for row in reversed(indices):  # bottom-up DIB
        x = 0
        while x < W:
            run = 1
            while x + run < W and run < 255 and row[x + run] == row[x]:
                run += 1
            out += bytes((run, row[x]))
            x += run
        out += b"\x00\x00"
    out[-2:] = b"\x00\x01"
    return bytes(out)


def chunk(tag, data):
    pad = b"\0" if len(data) % 2 else b""
    return tag + struct.pack("<I", len(data)) + data + pad


def lst(kind, data):
    return chunk(b"LIST", kind + data)


def main():
    frames = [[[quantise(c) for c in row] for row in frame(n)] for n in range(FRAMES)]
    palette = [BACKGROUND]
    for f in frames:
        for row in f:
            for c in row:
                if c not in palette:
                    palette.append(c)
    assert len(palette) <= 256, len(palette)
    index = {c: i for i, c in enumerate(palette)}
    palette += [(0, 0, 0)] * (256 - len(palette))
    encoded = [rle8([[index[c] for c in row] for row in f]) for f in frames]

    biggest = max(len(e) for e in encoded)
    avih = struct.pack("<IIIIIIIIII4I", FRAME_US, biggest * 1000000 // FRAME_US, 0, 0x10, FRAMES, 0, 1,
                       biggest, W, H, 0, 0, 0, 0)
    strh = struct.pack("<4s4sIHHIIIIIIIIhhhh", b"vids", b"RLE ", 0, 0, 0, 0, FRAME_US, 1000000, 0, FRAMES,
                       biggest, 0xFFFFFFFF, 0, 0, 0, W, H)
    bih = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 8, 1, biggest, 0, 0, 256, 256)
    strf = bih + b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    hdrl = lst(b"hdrl", chunk(b"avih", avih) + lst(b"strl", chunk(b"strh", strh) + chunk(b"strf", strf)))
    movi_body = b""
    idx = b""
    offset = 4
    for e in encoded:
        c = chunk(b"00dc", e)
        idx += struct.pack("<4sIII", b"00dc", 0x10, offset, len(e))
        offset += len(c)
        movi_body += c
    body = b"AVI " + hdrl + lst(b"movi", movi_body) + chunk(b"idx1", idx)
    target = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "PofuttoErase.avi")
    with open(target, "wb") as f:
        f.write(b"RIFF" + struct.pack("<I", len(body)) + body)
    print(f"{len(palette)} colours, {offset} bytes of frames")


if __name__ == "__main__":
    main()
