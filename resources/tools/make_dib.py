"""Draws pictures and writes them as 8-bit palette .bmp files (for palette-aware painting)."""
import sys

import assettool
from bmpfile import bmp_file, check_bmp_file, stride
from canvas import Canvas

MASK = (255, 0, 255, 255)  # painted transparent by the library
NAVY = (32, 64, 128, 255)
SKY = (120, 170, 225, 255)
WHITE = (255, 255, 255, 255)
GOLD = (240, 190, 40, 255)


def wizard_title():
    """48 x 48: a gear-like badge on magenta, hard edges so that only palette colours appear."""
    import math
    c = Canvas(48, 48, MASK)
    teeth = []
    for i in range(16):
        r = 21 if i % 2 == 0 else 16
        a = 2 * math.pi * i / 16
        teeth.append((24 + r * math.cos(a), 24 + r * math.sin(a)))
    c.polygon(teeth, NAVY, samples=1)
    ring = [(24 + 12 * math.cos(2 * math.pi * i / 32), 24 + 12 * math.sin(2 * math.pi * i / 32)) for i in range(32)]
    c.polygon(ring, SKY, samples=1)
    c.polygon([(24, 15), (31, 29), (17, 29)], GOLD, samples=1)
    c.rect(22, 31, 26, 34, WHITE, samples=1)
    return c


def watermark():
    """128 x 128, a list's background picture: pale waves on paper white, seamless when tiled.

    The shades come from a small ramp so the picture stays well inside 256 colours."""
    import math
    c = Canvas(128, 128, WHITE)
    paper = (250, 251, 253)
    ink = (206, 221, 240)
    steps = 24
    for y in range(128):
        for x in range(128):
            # Two crossing waves whose periods divide 128, so the edges meet when tiled.
            a = math.sin(2 * math.pi * (x + y) / 64.0)
            b = math.sin(2 * math.pi * (x - y) / 128.0 + math.pi / 3)
            t = max(0.0, (a * b + 1) / 2) ** 2
            q = round(t * (steps - 1)) / (steps - 1)
            c.pixels[y * 128 + x] = tuple(round(p + (i - p) * q) for p, i in zip(paper, ink)) + (255,)
    return c


DESIGNS = {"wizard-title": wizard_title, "watermark": watermark}


def bmp8_bytes(c):
    """Every colour gets the next palette entry; the table is padded to 256 entries."""
    colours = []
    index = {}
    pixels = bytearray()
    pad = bytes(stride(c.width, 8) - c.width)
    for y in range(c.height - 1, -1, -1):
        for x in range(c.width):
            rgb = c.get(x, y)[:3]
            if rgb not in index:
                if len(colours) == 256:
                    raise ValueError("more than 256 colours")
                index[rgb] = len(colours)
                colours.append(rgb)
            pixels.append(index[rgb])
        pixels += pad
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in colours) + bytes(4 * (256 - len(colours)))
    return bmp_file(c.width, c.height, 8, bytes(pixels), table)


if __name__ == "__main__":
    sys.exit(assettool.main(__doc__, DESIGNS, lambda design, args: design(), bmp8_bytes,
                            lambda data, c: check_bmp_file(data, c.width, c.height, 8, 256)))
