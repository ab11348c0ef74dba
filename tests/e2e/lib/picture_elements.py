#!/usr/bin/env python3
"""Finds the elements of the program's picture in a rasterised save and prints where
they lie relative to the axis box, so that pictures of different formats and
sizes can be compared.

Usage: picture_elements.py IMAGE.ppm BOX_COLOUR SUN_COLOUR
The image is a binary PPM (P6). BOX_COLOUR is "magenta", or "red" for the 8-bit BMP,
whose rainbow colour table has no magenta (the Earth circle is then not told apart from
the box). SUN_COLOUR is "yellow", "black" or "none".
Prints one line: the box's width/height ratio, then x0 y0 x1 y1 of the green path's
bounding box, the centre of the red Earth circle and the centre of the Sun, each in
units of the box (0..1 across it, y downwards); "-" for an element not found.
"""
import sys

MARGIN = 40  # how much a channel must stand out to count as that hue


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:  # magic, width, height, maxval; comments skipped
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b"P6" or fields[3] != b"255":
        sys.exit("not an 8-bit binary PPM: " + path)
    return int(fields[1]), int(fields[2]), data[pos + 1:]


def classify(r, g, b):
    if r > g + MARGIN and b > g + MARGIN:
        return "magenta"
    if g > r + MARGIN and g > b + MARGIN:
        return "green"
    if r > g + MARGIN and r > b + MARGIN:
        return "red"
    if r > b + MARGIN and g > b + MARGIN:
        return "yellow"
    if r < 60 and g < 60 and b < 60:
        return "black"
    return None


class Extent:
    def __init__(self):
        self.xs, self.ys = [], []

    def add(self, x, y):
        self.xs.append(x)
        self.ys.append(y)

    def found(self):
        return bool(self.xs)

    def box(self):
        return min(self.xs), min(self.ys), max(self.xs), max(self.ys)

    def centre(self):
        return sum(self.xs) / len(self.xs), sum(self.ys) / len(self.ys)


def main():
    path, box_colour, sun_colour = sys.argv[1:4]
    width, height, pixels = read_ppm(path)
    found = {name: Extent() for name in ("magenta", "green", "red", "yellow", "black")}
    for y in range(height):
        row = pixels[3 * width * y:3 * width * (y + 1)]
        for x in range(width):
            kind = classify(row[3 * x], row[3 * x + 1], row[3 * x + 2])
            if kind:
                found[kind].add(x, y)
    if not found[box_colour].found():
        sys.exit("no axis box in " + path)
    bx0, by0, bx1, by1 = found[box_colour].box()
    bw, bh = bx1 - bx0, by1 - by0

    def rel(x, y):
        return "%.3f %.3f" % ((x - bx0) / bw, (y - by0) / bh)

    # The Sun is searched for in the middle of the box only: titles, labels and the
    # page header lie outside it.
    sun = Extent()
    if sun_colour != "none":
        source = found[sun_colour]
        for x, y in zip(source.xs, source.ys):
            if bx0 + 0.25 * bw < x < bx1 - 0.25 * bw and by0 + 0.25 * bh < y < by1 - 0.25 * bh:
                sun.add(x, y)
    out = ["%.3f" % (bw / bh)]
    if found["green"].found():
        gx0, gy0, gx1, gy1 = found["green"].box()
        out += [rel(gx0, gy0), rel(gx1, gy1)]
    else:
        out += ["- -", "- -"]
    circle = found["red"].found() and box_colour != "red"
    out.append(rel(*found["red"].centre()) if circle else "- -")
    out.append(rel(*sun.centre()) if sun.found() else "- -")
    print(" ".join(out))


main()
