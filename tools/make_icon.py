#!/usr/bin/env python3
"""Draws the program's 32 x 32 window icon, the small logo and the desktop icons in the usual
hicolor sizes, and the Windows icon: a bonding (equipotential) symbol."""
import struct
import sys
import zlib


HICOLOR_SIZES = (16, 32, 48, 64, 128, 256)


def png(path, width, height, pixel, alpha=False):
    """pixel(x, y) gives (r, g, b), or (r, g, b, a) when alpha is set."""
    rows = b"".join(
        b"\x00" + b"".join(bytes(pixel(x, y)) for x in range(width)) for y in range(height))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6 if alpha else 2, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(rows, 9)))
        out.write(chunk(b"IEND", b""))


def bonding_symbol(size, outside=(255, 255, 255)):
    """A filled disc with the three bars of the bonding symbol over a stem."""
    c = (size - 1) / 2

    def pixel(x, y):
        u, v = (x - c) / size, (y - c) / size  # -0.5 .. 0.5
        if u * u + v * v > 0.48 * 0.48:
            return outside
        ink = (255, 255, 255)
        if abs(u) < 0.04 and -0.36 < v < 0.05:
            return ink
        for bar_v, half in ((0.08, 0.30), (0.20, 0.20), (0.32, 0.10)):
            if abs(v - bar_v) < 0.035 and abs(u) < half:
                return ink
        return (20, 110, 60)

    return pixel


def smooth_icon(size):
    """The symbol on a transparent ground, each pixel the mean of 4 x 4 samples, so the edges
    stay smooth at every size."""
    n = 4
    fine = bonding_symbol(size * n, outside=None)

    def pixel(x, y):
        samples = [fine(x * n + i, y * n + j) for i in range(n) for j in range(n)]
        inside = [s for s in samples if s is not None]
        if not inside:
            return (0, 0, 0, 0)
        rgb = tuple(round(sum(s[k] for s in inside) / len(inside)) for k in range(3))
        return rgb + (round(255 * len(inside) / len(samples)),)

    return pixel


def windows_icon(path, folder, sizes=(16, 32, 48, 256)):
    """An .ico of the hicolor PNGs, each stored whole (Windows reads PNG entries since Vista)."""
    images = [open(f"{folder}/hicolor/{size}.png", "rb").read() for size in sizes]
    offset = 6 + 16 * len(images)
    entries = b""
    for size, image in zip(sizes, images):
        side = 0 if size == 256 else size  # 0 stands for 256 in the directory
        entries += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(path, "wb") as out:
        out.write(struct.pack("<HHH", 0, 1, len(images)) + entries + b"".join(images))


def main(folder):
    png(f"{folder}/icon32.png", 32, 32, bonding_symbol(32))
    for size in HICOLOR_SIZES:
        png(f"{folder}/hicolor/{size}.png", size, size, smooth_icon(size), alpha=True)
    logo = bonding_symbol(105)
    png(f"{folder}/logo.png", 169, 105,
        lambda x, y: logo(x - 32, y) if 32 <= x < 137 else (255, 255, 255))
    windows_icon(f"{folder}/../packaging/windows/eqbond.ico", folder)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "resources")
