#!/usr/bin/env python3
"""Draws the program's 32 x 32 icon and the small logo: a bonding (equipotential) symbol."""
import struct
import sys
import zlib


def png(path, width, height, pixel):
    rows = b"".join(
        b"\x00" + b"".join(bytes(pixel(x, y)) for x in range(width)) for y in range(height))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(rows, 9)))
        out.write(chunk(b"IEND", b""))


def bonding_symbol(size):
    """A filled disc with the three bars of the bonding symbol over a stem."""
    c = (size - 1) / 2

    def pixel(x, y):
        u, v = (x - c) / size, (y - c) / size  # -0.5 .. 0.5
        if u * u + v * v > 0.48 * 0.48:
            return (255, 255, 255)
        ink = (255, 255, 255)
        if abs(u) < 0.04 and -0.36 < v < 0.05:
            return ink
        for bar_v, half in ((0.08, 0.30), (0.20, 0.20), (0.32, 0.10)):
            if abs(v - bar_v) < 0.035 and abs(u) < half:
                return ink
        return (20, 110, 60)

    return pixel


def main(folder):
    png(f"{folder}/icon32.png", 32, 32, bonding_symbol(32))
    logo = bonding_symbol(105)
    png(f"{folder}/logo.png", 169, 105,
        lambda x, y: logo(x - 32, y) if 32 <= x < 137 else (255, 255, 255))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "resources")
