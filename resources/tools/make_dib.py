"""Draws pictures and writes them as 8-bit palette .bmp files (for palette-aware painting)."""
import argparse
import struct
import sys

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
    colours = []
    index = {}
    rows = []
    for y in range(c.height - 1, -1, -1):
        row = bytearray()
        for x in range(c.width):
            rgb = c.get(x, y)[:3]
            if rgb not in index:
                if len(colours) == 256:
                    raise ValueError("more than 256 colours")
                index[rgb] = len(colours)
                colours.append(rgb)
            row.append(index[rgb])
        stride = (c.width + 3) & ~3
        rows.append(bytes(row) + bytes(stride - len(row)))
    pixels = b"".join(rows)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in colours) + bytes(4 * (256 - len(colours)))
    info = struct.pack("<IiiHHIIiiII", 40, c.width, c.height, 1, 8, 0, len(pixels), 2835, 2835, 256, 0)
    offset = 14 + len(info) + len(table)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return head + info + table + pixels


def check_bmp8(data, width, height):
    """Reads the .bmp back and raises ValueError when it is not what we meant to write."""
    magic, size, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    if magic != b"BM" or size != len(data) or offset != 14 + 40 + 1024:
        raise ValueError("bad file header")
    hsize, w, h, planes, bits, comp, image, _, _, used = struct.unpack_from("<IiiHHIIiiI", data, 14)
    if (hsize, w, h, planes, bits, comp, used) != (40, width, height, 1, 8, 0, 256):
        raise ValueError("bad bitmap header")
    if image != ((width + 3) & ~3) * height or offset + image != len(data):
        raise ValueError("pixel data has the wrong size")


def main(argv=None):
    p = argparse.ArgumentParser(description=__doc__)
    p.add_argument("design", choices=sorted(DESIGNS))
    p.add_argument("output")
    args = p.parse_args(argv)
    c = DESIGNS[args.design]()
    try:
        with open(args.output, "wb") as f:
            f.write(bmp8_bytes(c))
        with open(args.output, "rb") as f:
            check_bmp8(f.read(), c.width, c.height)
    except (OSError, ValueError, struct.error) as e:
        print("make_dib: %s: %s" % (args.output, e), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
