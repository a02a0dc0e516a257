#!/usr/bin/env python3
"""Draws the program's Sun picture (window icon and Sun marker) as a PNG.

A warm disc with sixteen rays, anti-aliased by 4x4 supersampling, written
with the standard library only. Usage: sun_icon.py SIZE OUT.png
"""
import math
import struct
import sys
import zlib


def coverage(px, py, size):
    """Colour and alpha of one sample at (px, py) in a size x size picture."""
    c = size / 2.0
    dx, dy = px - c, py - c
    r = math.hypot(dx, dy)
    disc = size * 0.27
    if r <= disc:
        # Radial shading from yellow at the centre to orange at the rim.
        t = r / disc
        return (255, int(236 - 70 * t), int(90 - 80 * t), 255)
    if r <= disc + size * 0.025:
        return (214, 120, 0, 255)
    # Rays: sixteen triangles, long and short alternating.
    ang = math.atan2(dy, dx) % (2 * math.pi)
    k = ang / (2 * math.pi / 16)
    i = int(round(k))
    off = abs(k - i)
    length = size * (0.48 if i % 2 == 0 else 0.40)
    inner = disc + size * 0.05
    if inner <= r <= length:
        half_width = 0.28 * (1 - (r - inner) / (length - inner))
        if off <= half_width:
            return (255, 176, 0, 255)
    return (0, 0, 0, 0)


def render(size):
    ss = 4
    rows = []
    for y in range(size):
        row = bytearray([0])
        for x in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(ss):
                for sx in range(ss):
                    r, g, b, a = coverage(x + (sx + 0.5) / ss, y + (sy + 0.5) / ss, size)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            a = acc[3]
            if a:
                row += bytes([acc[0] // a, acc[1] // a, acc[2] // a, a // (ss * ss)])
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return b"".join(rows)


def png(size, raw):
    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    n = int(sys.argv[1])
    with open(sys.argv[2], "wb") as f:
        f.write(png(n, render(n)))
