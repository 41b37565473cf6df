"""Draws image strips for image lists and writes them as 24-bit .bmp files."""
import argparse
import struct
import sys

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
    stride = (c.width * 3 + 3) & ~3
    pixels = bytearray()
    for y in range(c.height - 1, -1, -1):
        row = bytearray()
        for x in range(c.width):
            r, g, b, _ = c.get(x, y)
            row += bytes((b, g, r))
        pixels += row + bytes(stride - len(row))
    info = struct.pack("<IiiHHIIiiII", 40, c.width, c.height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return head + info + pixels


def check_bmp(data, width, height):
    """Reads a .bmp back and raises ValueError when it is not what we meant to write."""
    magic, size, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    if magic != b"BM" or size != len(data) or offset != 54:
        raise ValueError("bad file header")
    hsize, w, h, planes, bits, comp, image = struct.unpack_from("<IiiHHII", data, 14)
    if (hsize, w, h, planes, bits, comp) != (40, width, height, 1, 24, 0):
        raise ValueError("bad bitmap header %r" % ((hsize, w, h, planes, bits, comp),))
    if image != ((width * 3 + 3) & ~3) * height or offset + image != len(data):
        raise ValueError("pixel data has the wrong size")


def main(argv=None):
    p = argparse.ArgumentParser(description=__doc__)
    p.add_argument("design", choices=sorted(DESIGNS))
    p.add_argument("output")
    p.add_argument("--check", action="store_true", help="validate an existing file instead of writing")
    args = p.parse_args(argv)
    c = DESIGNS[args.design]()
    try:
        if not args.check:
            with open(args.output, "wb") as f:
                f.write(bmp_bytes(c))
        with open(args.output, "rb") as f:
            check_bmp(f.read(), c.width, c.height)
    except (OSError, ValueError, struct.error) as e:
        print("make_bitmap: %s: %s" % (args.output, e), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
