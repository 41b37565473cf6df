"""Draws image strips for image lists and writes them as 24-bit .bmp files."""
import sys

import assettool
from bmpfile import bmp_file, check_bmp_file, stride
from canvas import Canvas

MASK = (255, 0, 255, 255)  # the image lists' transparent colour
ARROW = (72, 82, 98, 255)
MARK = (46, 125, 50, 255)


def header_glyphs():
    """Three 11-pixel header images: sorted ascending, sorted descending, and a check mark.

    Hard edges only: anti-aliasing against the mask colour would leave pink fringes."""
    c = Canvas(33, 11, MASK)
    c.polygon([(1.5, 7), (5.5, 3), (9.5, 7)], ARROW, samples=1)
    c.polygon([(12.5, 3), (16.5, 7), (20.5, 3)], ARROW, samples=1)
    c.line(23.5, 5.5, 26, 8, 1.8, MARK, samples=1)
    c.line(26, 8, 31, 3, 1.8, MARK, samples=1)
    return c


def watermark_rgb():
    """128 x 128 in true colour: a soft diagonal wash from pale sand to pale sea with faint
    rings; the wash runs along one diagonal period so the tiles meet without seams."""
    import math
    c = Canvas(128, 128, MASK)
    sand = (252, 246, 232)
    sea = (222, 238, 246)
    for y in range(128):
        for x in range(128):
            t = (1 - math.cos(2 * math.pi * ((x + y) % 128) / 128.0)) / 2
            dx, dy = (x % 64) - 32, (y % 64) - 32
            ring = 0.5 + 0.5 * math.cos(math.sqrt(dx * dx + dy * dy) / 3.0)
            t = min(1.0, t * 0.85 + ring * 0.15)
            c.pixels[y * 128 + x] = tuple(round(s + (e - s) * t) for s, e in zip(sand, sea)) + (255,)
    return c


DESIGNS = {"header-glyphs": header_glyphs, "watermark-rgb": watermark_rgb}


def bmp_bytes(c):
    pad = bytes(stride(c.width, 24) - 3 * c.width)
    pixels = bytearray()
    for y in range(c.height - 1, -1, -1):
        for x in range(c.width):
            r, g, b, _ = c.get(x, y)
            pixels += bytes((b, g, r))
        pixels += pad
    return bmp_file(c.width, c.height, 24, bytes(pixels))


if __name__ == "__main__":
    sys.exit(assettool.main(__doc__, DESIGNS, lambda design, args: design(), bmp_bytes,
                            lambda data, c: check_bmp_file(data, c.width, c.height, 24)))
