#!/usr/bin/env python3
"""Draws the application icon: a page going "poof" into a small cloud.

Writes resources/PofuttoErase.ico with 16, 24, 32, 48 and 256 pixel images (32-bit; the
256 one as PNG). Pure Python, so it runs anywhere; the result is committed."""
import math
import os
import struct
import zlib

SIZES = [16, 24, 32, 48, 256]
SAMPLES = 4  # per axis, for smooth edges


def page(x, y):
    # A page tilted a little to the left, its top-right corner folded.
    a = math.radians(-8)
    u = (x - 0.40) * math.cos(a) - (y - 0.46) * math.sin(a)
    v = (x - 0.40) * math.sin(a) + (y - 0.46) * math.cos(a)
    if abs(u) > 0.25 or abs(v) > 0.32:
        return None
    fold = (u - 0.25) + (-0.32 - v) + 0.14  # > 0 inside the folded corner
    if fold > 0:
        return None
    edge = min(0.25 - abs(u), 0.32 - abs(v), -fold)
    if edge < 0.03:
        return (70, 96, 140)
    if fold > -0.03 and u > 0.05 and v < -0.12:
        return (160, 180, 210)
    # Three text lines on the page.
    for line in (-0.14, -0.04, 0.06, 0.16):
        if abs(v - line) < 0.018 and -0.16 < u < (0.12 if line != 0.16 else 0.0):
            return (120, 140, 175)
    return (250, 252, 255)


PUFFS = [(0.68, 0.74, 0.17), (0.84, 0.66, 0.13), (0.52, 0.84, 0.12), (0.80, 0.86, 0.12),
         (0.64, 0.58, 0.10)]


def cloud(x, y):
    inside = [(cx, cy, r) for cx, cy, r in PUFFS if (x - cx) ** 2 + (y - cy) ** 2 < r * r]
    if not inside:
        return None
    # Outline where the point is near the edge of every puff that holds it.
    near = all(math.hypot(x - cx, y - cy) > r - 0.035 for cx, cy, r in inside)
    if near:
        return (60, 130, 200)
    shade = min(1.0, max(0.0, (y - 0.5) * 1.2))
    return (int(235 - 50 * shade), int(245 - 35 * shade), 255)


def sparkle(x, y):
    for cx, cy, r in ((0.90, 0.40, 0.07), (0.22, 0.90, 0.05)):
        dx, dy = abs(x - cx), abs(y - cy)
        if dx * dy < 0.00018 and dx < r and dy < r:
            return (255, 200, 40)
    return None


def colour_at(x, y):
    for layer in (sparkle, cloud, page):
        c = layer(x, y)
        if c is not None:
            return c
    return None


def render(size):
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    c = colour_at((px + (sx + 0.5) / SAMPLES) / size, (py + (sy + 0.5) / SAMPLES) / size)
                    if c is not None:
                        acc[0] += c[0]
                        acc[1] += c[1]
                        acc[2] += c[2]
                        acc[3] += 1
            n = acc[3]
            if n == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((acc[0] // n, acc[1] // n, acc[2] // n, 255 * n // (SAMPLES * SAMPLES)))
        rows.append(row)
    return rows


def png(size, rows):
    raw = b"".join(b"\0" + bytes(v for px in row for v in px) for row in rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def dib(size, rows):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for r, g, b, a in row)
    mask_row = ((size + 31) // 32) * 4
    mask = bytes(mask_row * size)  # alpha carries the shape
    return header + pixels + mask


def main():
    images = []
    for size in SIZES:
        rows = render(size)
        images.append((size, png(size, rows) if size >= 256 else dib(size, rows)))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(data for _, data in images)
    target = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "PofuttoErase.ico")
    with open(target, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
