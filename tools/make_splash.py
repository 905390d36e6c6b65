#!/usr/bin/env python3
"""Draws the two 793 x 462 pictures of the splash window: the made-up KORVAL brand beside a
handheld bonding tester. The second picture is the first in evening colours; the splash window
shows it only along its bottom edge."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_icon import bonding_symbol, png  # noqa: E402

WIDTH, HEIGHT = 793, 462

# 5 x 7 capitals, digits and a few signs; "#" is ink.
GLYPHS = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "B": ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."],
    "C": [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    "D": ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "G": [".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"],
    "I": [".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "K": ["#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "M": ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    "N": ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "P": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "Q": [".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "S": [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "U": ["#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "V": ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "0": [".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."],
    "1": ["..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "2": [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
    "3": ["####.", "....#", "....#", ".###.", "....#", "....#", "####."],
    "6": [".###.", "#....", "#....", "####.", "#...#", "#...#", ".###."],
    "8": [".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."],
    "9": [".###.", "#...#", "#...#", ".####", "....#", "....#", ".###."],
    "-": [".....", ".....", ".....", "#####", ".....", ".....", "....."],
    ",": [".....", ".....", ".....", ".....", ".....", "..#..", ".#..."],
    ".": [".....", ".....", ".....", ".....", ".....", ".##..", ".##.."],
    " ": ["....."] * 7,
}

# Segments a..g of a seven-segment digit.
SEGMENTS = {
    "0": "abcdef", "1": "bc", "2": "abdeg", "3": "abcdg", "4": "bcfg",
    "5": "acdfg", "6": "acdefg", "7": "abc", "8": "abcdefg", "9": "abcdfg",
}

PALETTES = {
    "day": {
        "sky_top": (18, 70, 110), "sky_bottom": (8, 26, 48), "brand": (255, 255, 255),
        "line": (120, 200, 230), "body": (52, 58, 66), "rim": (236, 160, 30),
        "lcd": (176, 214, 160), "seg": (24, 40, 24), "key": (92, 100, 110), "lead_a": (210, 40, 40),
        "lead_b": (30, 30, 30), "edge": (236, 160, 30),
    },
    "evening": {
        "sky_top": (90, 40, 96), "sky_bottom": (28, 10, 40), "brand": (255, 236, 200),
        "line": (250, 170, 120), "body": (60, 50, 60), "rim": (250, 120, 60),
        "lcd": (200, 220, 170), "seg": (40, 30, 20), "key": (110, 96, 110), "lead_a": (230, 70, 50),
        "lead_b": (30, 20, 30), "edge": (250, 200, 60),
    },
}


class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [[(0, 0, 0)] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(max(0, y0), min(self.height, y1)):
            row = self.pixels[y]
            for x in range(max(0, x0), min(self.width, x1)):
                row[x] = colour

    def rounded_rect(self, x0, y0, x1, y1, radius, colour):
        for y in range(y0, y1):
            for x in range(x0, x1):
                cx = min(max(x, x0 + radius), x1 - 1 - radius)
                cy = min(max(y, y0 + radius), y1 - 1 - radius)
                if (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius:
                    self.put(x, y, colour)

    def disc(self, cx, cy, radius, colour):
        for y in range(cy - radius, cy + radius + 1):
            for x in range(cx - radius, cx + radius + 1):
                if (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius:
                    self.put(x, y, colour)

    def thick_line(self, x0, y0, x1, y1, width, colour):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            x = x0 + (x1 - x0) * i / steps
            y = y0 + (y1 - y0) * i / steps
            self.disc(round(x), round(y), width // 2, colour)

    def text(self, x, y, words, scale, colour):
        for ch in words:
            glyph = GLYPHS[ch]
            for gy, row in enumerate(glyph):
                for gx, cell in enumerate(row):
                    if cell == "#":
                        self.rect(x + gx * scale, y + gy * scale,
                                  x + (gx + 1) * scale, y + (gy + 1) * scale, colour)
            x += 6 * scale

    def seven_segment(self, x, y, digit, size, colour):
        t, w, h = max(2, size // 5), size, size * 2
        bars = {
            "a": (x + t, y, x + w - t, y + t), "g": (x + t, y + h // 2 - t // 2, x + w - t, y + h // 2 + t - t // 2),
            "d": (x + t, y + h - t, x + w - t, y + h), "f": (x, y + t, x + t, y + h // 2),
            "b": (x + w - t, y + t, x + w, y + h // 2), "e": (x, y + h // 2, x + t, y + h - t),
            "c": (x + w - t, y + h // 2, x + w, y + h - t),
        }
        for segment in SEGMENTS[digit]:
            self.rect(*bars[segment], colour)


def blend(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def picture(colours):
    c = Canvas(WIDTH, HEIGHT)
    for y in range(HEIGHT):
        c.rect(0, y, WIDTH, y + 1, blend(colours["sky_top"], colours["sky_bottom"], y / HEIGHT))
    # Faint grid of bonding conductors behind everything.
    for x in range(0, WIDTH, 48):
        c.rect(x, 0, x + 1, HEIGHT, blend(colours["sky_bottom"], colours["line"], 0.18))
    for y in range(0, HEIGHT, 48):
        c.rect(0, y, WIDTH, y + 1, blend(colours["sky_bottom"], colours["line"], 0.18))

    # The handheld tester: body, rim, display reading 0.1236, keys and two test leads.
    c.rounded_rect(60, 60, 290, 410, 28, colours["rim"])
    c.rounded_rect(70, 70, 280, 400, 22, colours["body"])
    c.rounded_rect(92, 96, 258, 196, 8, colours["lcd"])
    x = 104
    for ch in "0.1236":
        if ch == ".":
            c.rect(x, 170, x + 6, 176, colours["seg"])
            x += 12
            continue
        c.seven_segment(x, 124, ch, 22, colours["seg"])
        x += 30
    for row in range(3):
        for col in range(3):
            c.rounded_rect(100 + col * 52, 222 + row * 52, 140 + col * 52, 256 + row * 52, 8, colours["key"])
    c.disc(175, 372, 14, colours["rim"])
    c.thick_line(120, 60, 110, 20, 8, colours["lead_a"])
    c.thick_line(230, 60, 250, 20, 8, colours["lead_b"])
    c.rect(100, 8, 122, 24, colours["lead_a"])
    c.rect(240, 8, 262, 24, colours["lead_b"])

    # Brand, what it is, and how to go on.
    c.text(330, 96, "KORVAL", 12, colours["brand"])
    c.rect(330, 200, 777, 204, colours["line"])
    c.text(330, 226, "BONDING RESISTANCE TESTER", 3, colours["brand"])
    c.text(330, 264, "PC LINK  RS-232  9600,N,8,1", 2, colours["line"])
    c.text(330, 390, "CLICK TO CONTINUE", 2, colours["line"])

    symbol = bonding_symbol(96)
    for y in range(96):
        for x in range(96):
            colour = symbol(x, y)
            if colour != (255, 255, 255) or (x - 47.5) ** 2 + (y - 47.5) ** 2 < 46 * 46:
                c.put(672 + x, 318 + y, colour)

    # A band along the lower edge: the only part of the rear picture the splash lets show.
    c.rect(0, HEIGHT - 10, WIDTH, HEIGHT, colours["edge"])
    return c


def main(folder):
    for name, palette in (("splash1.png", "day"), ("splash2.png", "evening")):
        canvas = picture(PALETTES[palette])
        png(os.path.join(folder, name), WIDTH, HEIGHT, lambda x, y: canvas.pixels[y][x])


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "resources")
