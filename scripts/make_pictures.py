#!/usr/bin/env python3
"""Draws the program's two pictures as PPM files: the splash picture (400 x 300)
and the about box's logo (90 x 270). Standard library only; make_pictures.sh
turns them into the progressive JPEG files the program embeds."""

import math
import sys

# A 5 x 7 pixel font, just the characters the pictures write.
GLYPHS = {
    "L": ["1....", "1....", "1....", "1....", "1....", "1....", "11111"],
    "u": [".....", ".....", "1...1", "1...1", "1...1", "1..11", ".11.1"],
    "m": [".....", ".....", "11.1.", "1.1.1", "1.1.1", "1.1.1", "1.1.1"],
    "o": [".....", ".....", ".111.", "1...1", "1...1", "1...1", ".111."],
    "p": [".....", "1111.", "1...1", "1...1", "1111.", "1....", "1...."],
    "l": [".11..", "..1..", "..1..", "..1..", "..1..", "..1..", ".111."],
    "t": ["..1..", "..1..", "11111", "..1..", "..1..", "..1.1", "...1."],
    "0": [".111.", "1...1", "1..11", "1.1.1", "11..1", "1...1", ".111."],
    "2": [".111.", "1...1", "....1", "...1.", "..1..", ".1...", "11111"],
    "3": ["11111", "...1.", "..1..", "...1.", "....1", "1...1", ".111."],
    "y": [".....", ".....", "1...1", "1...1", ".1111", "....1", ".111."],
    "f": ["..11.", ".1..1", ".1...", "111..", ".1...", ".1...", ".1..."],
    "x": [".....", ".....", "1...1", ".1.1.", "..1..", ".1.1.", "1...1"],
    "=": [".....", ".....", "11111", ".....", "11111", ".....", "....."],
    "(": ["...1.", "..1..", ".1...", ".1...", ".1...", "..1..", "...1."],
    ")": [".1...", "..1..", "...1.", "...1.", "...1.", "..1..", ".1..."],
    " ": [".....", ".....", ".....", ".....", ".....", ".....", "....."],
}


class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [(0.0, 0.0, 0.0)] * (width * height)

    def blend(self, x, y, colour, alpha):
        if 0 <= x < self.width and 0 <= y < self.height and alpha > 0:
            i = y * self.width + x
            old = self.pixels[i]
            a = min(alpha, 1.0)
            self.pixels[i] = tuple(o + (c - o) * a for o, c in zip(old, colour))

    def vertical_gradient(self, top, bottom, box=None):
        x0, y0, x1, y1 = box or (0, 0, self.width, self.height)
        for y in range(y0, y1):
            t = (y - y0) / max(1, y1 - y0 - 1)
            colour = tuple(a + (b - a) * t for a, b in zip(top, bottom))
            for x in range(x0, x1):
                self.pixels[y * self.width + x] = colour

    def rectangle(self, box, colour, alpha=1.0):
        x0, y0, x1, y1 = box
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.blend(x, y, colour, alpha)

    def frame(self, box, colour):
        x0, y0, x1, y1 = box
        self.rectangle((x0, y0, x1, y0 + 1), colour)
        self.rectangle((x0, y1 - 1, x1, y1), colour)
        self.rectangle((x0, y0, x0 + 1, y1), colour)
        self.rectangle((x1 - 1, y0, x1, y1), colour)

    def polyline(self, points, colour, width):
        """An anti-aliased line: each pixel covered by its distance to the line."""
        half = width / 2.0
        coverage = {}
        for (ax, ay), (bx, by) in zip(points, points[1:]):
            left, right = int(min(ax, bx) - half - 1), int(max(ax, bx) + half + 2)
            top, bottom = int(min(ay, by) - half - 1), int(max(ay, by) + half + 2)
            for y in range(top, bottom):
                for x in range(left, right):
                    d = segment_distance(x + 0.5, y + 0.5, ax, ay, bx, by)
                    c = max(0.0, min(1.0, half + 0.5 - d))
                    if c > coverage.get((x, y), 0.0):
                        coverage[(x, y)] = c
        for (x, y), c in coverage.items():
            self.blend(x, y, colour, c)

    def text(self, left, top, text, scale, colour):
        for k, char in enumerate(text):
            rows = GLYPHS[char]
            for r, row in enumerate(rows):
                for c, bit in enumerate(row):
                    if bit == "1":
                        x, y = left + (k * 6 + c) * scale, top + r * scale
                        self.rectangle((x, y, x + scale, y + scale), colour)

    def write_ppm(self, path):
        with open(path, "wb") as out:
            out.write(b"P6\n%d %d\n255\n" % (self.width, self.height))
            out.write(bytes(max(0, min(255, round(v))) for p in self.pixels for v in p))


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length = dx * dx + dy * dy
    t = 0.0 if length == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def text_width(text, scale):
    return (len(text) * 6 - 1) * scale


def curve(box, f, x_range, y_range, steps=400):
    """Points of y = f(x) mapped into the pixel box; the y axis grows upwards."""
    x0, y0, x1, y1 = box
    (xa, xb), (ya, yb) = x_range, y_range
    points = []
    for i in range(steps + 1):
        x = xa + (xb - xa) * i / steps
        y = max(ya - 1, min(yb + 1, f(x)))
        points.append((x0 + (x - xa) / (xb - xa) * (x1 - x0), y1 - (y - ya) / (yb - ya) * (y1 - y0)))
    return points


def plot_panel(canvas, box, x_range, y_range, curves, grid_step):
    """A small chart: white panel, dotted grid, axes through the origin, curves."""
    x0, y0, x1, y1 = box
    canvas.rectangle(box, (255, 255, 255), 0.92)
    (xa, xb), (ya, yb) = x_range, y_range
    to_px = lambda x: x0 + (x - xa) / (xb - xa) * (x1 - x0)
    to_py = lambda y: y1 - (y - ya) / (yb - ya) * (y1 - y0)
    grey = (150, 160, 175)
    g = math.ceil(xa / grid_step) * grid_step
    while g <= xb:
        px = int(to_px(g))
        for y in range(y0, y1, 3):
            canvas.blend(px, y, grey, 0.8)
        g += grid_step
    g = math.ceil(ya / grid_step) * grid_step
    while g <= yb:
        py = int(to_py(g))
        for x in range(x0, x1, 3):
            canvas.blend(x, py, grey, 0.8)
        g += grid_step
    black = (20, 20, 30)
    canvas.rectangle((x0, int(to_py(0)), x1, int(to_py(0)) + 1), black)
    canvas.rectangle((int(to_px(0)), y0, int(to_px(0)) + 1, y1), black)
    for f, colour, width in curves:
        clipped = [(x, y) for x, y in curve(box, f, x_range, y_range) if y0 - 2 <= y <= y1 + 2]
        canvas.polyline(clipped, colour, width)
    canvas.frame(box, (60, 70, 90))


RED, BLUE, GREEN = (210, 30, 30), (30, 70, 200), (20, 140, 60)


def splash():
    canvas = Canvas(400, 300)
    canvas.vertical_gradient((22, 44, 92), (214, 226, 242))
    title = "Lumoplot 2003"
    canvas.text((400 - text_width(title, 4)) // 2 + 2, 26, title, 4, (10, 20, 50))
    canvas.text((400 - text_width(title, 4)) // 2, 24, title, 4, (255, 255, 255))
    subtitle = "y = f(x)"
    canvas.text((400 - text_width(subtitle, 2)) // 2, 68, subtitle, 2, (255, 214, 120))
    plot_panel(canvas, (24, 100, 376, 280), (-6.0, 6.0), (-3.0, 3.0),
               [(math.sin, RED, 2.5),
                (lambda x: 0.12 * x * x - 2.0, BLUE, 2.0),
                (lambda x: 2.5 * math.exp(-0.25 * abs(x)) * math.cos(2 * x), GREEN, 2.0)],
               1.0)
    return canvas


def logo():
    canvas = Canvas(90, 270)
    canvas.vertical_gradient((22, 44, 92), (170, 192, 226))
    panels = [
        ((-3.2, 3.2), (-1.5, 1.5), [(math.sin, RED, 2.0)]),
        ((-2.0, 2.0), (-1.0, 3.0), [(lambda x: x * x - 0.5, BLUE, 2.0)]),
        ((-3.0, 3.0), (-2.0, 2.0), [(lambda x: math.exp(-x * x) * 1.8 * math.cos(3 * x), GREEN, 2.0)]),
    ]
    for k, (x_range, y_range, curves) in enumerate(panels):
        top = 9 + k * 87
        plot_panel(canvas, (7, top, 83, top + 78), x_range, y_range, curves, 0.5 if k == 1 else 1.0)
    return canvas


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: make_pictures.py SPLASH.ppm LOGO.ppm")
    splash().write_ppm(sys.argv[1])
    logo().write_ppm(sys.argv[2])


if __name__ == "__main__":
    main()
