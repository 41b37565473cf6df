"""Draws the library's icons and writes them as .ico files (32-bit colour with an AND mask)."""
import struct
import sys

import assettool
from canvas import Canvas

OUTLINE = (84, 94, 110, 255)
PAPER = (255, 255, 255, 255)
FOLD = (214, 224, 236, 255)
INK = (52, 101, 164, 255)


def document(size):
    """A sheet of paper with a folded corner and a few lines of text, drawn for one size."""
    c = Canvas(size, size)
    left, top = round(size * 6 / 32), round(size * 2 / 32)
    right, bottom = size - left, size - top
    fold = round(size * 7 / 32)
    c.polygon([(left, top), (right - fold, top), (right, top + fold), (right, bottom), (left, bottom)], OUTLINE)
    c.polygon([(left + 1, top + 1), (right - fold - 0.4, top + 1), (right - 1, top + fold + 0.4),
               (right - 1, bottom - 1), (left + 1, bottom - 1)], PAPER)
    c.polygon([(right - fold, top), (right - fold, top + fold), (right, top + fold)], OUTLINE)
    c.polygon([(right - fold + 1, top + 2.4), (right - fold + 1, top + fold - 1), (right - 2.4, top + fold - 1)], FOLD)
    step = 3 if size >= 24 else 2
    margin = 3 if size >= 24 else 2
    y = top + margin + 1
    while y + 1 <= bottom - margin:
        end = right - fold - 2 if y < top + fold + 1 else right - margin - (step if (y // step) % 3 == 2 else 0)
        c.rect(left + margin, y, end, y + 1, INK, samples=1)
        y += step
    return c


# Small command icons of the button rows and the image lists' overlay (16 and 32 pixels).
RED = (196, 40, 40, 255)
GREEN = (46, 125, 50, 255)
PENCIL = (230, 160, 40, 255)
SHORTCUT = (30, 90, 170, 255)


def properties(size):
    """A sheet with text lines and a pencil across its lower right corner."""
    c = Canvas(size, size)
    k = size / 16.0
    c.rect(2 * k, 1 * k, 12 * k, 15 * k, OUTLINE)
    c.rect(3 * k, 2 * k, 11 * k, 14 * k, PAPER)
    for row in (4, 6.5, 9):
        c.rect(4 * k, row * k, 10 * k, (row + 1) * k, INK, samples=1)
    c.line(7 * k, 14 * k, 14.5 * k, 6.5 * k, 2.6 * k, OUTLINE)
    c.line(7.6 * k, 13.4 * k, 14 * k, 7 * k, 1.4 * k, PENCIL)
    return c


def delete(size):
    """A red cross."""
    c = Canvas(size, size)
    k = size / 16.0
    c.line(3.5 * k, 3.5 * k, 12.5 * k, 12.5 * k, 3 * k, RED)
    c.line(12.5 * k, 3.5 * k, 3.5 * k, 12.5 * k, 3 * k, RED)
    return c


def insert(size):
    """A green plus sign."""
    c = Canvas(size, size)
    k = size / 16.0
    c.rect(6.5 * k, 2 * k, 9.5 * k, 14 * k, GREEN)
    c.rect(2 * k, 6.5 * k, 14 * k, 9.5 * k, GREEN)
    return c


def overlay_link(size):
    """The overlay: a small framed arrow in the lower left corner, the rest transparent."""
    c = Canvas(size, size)
    k = size / 16.0
    c.rect(0, 8 * k, 8 * k, 16 * k, SHORTCUT)
    c.rect(1 * k, 9 * k, 7 * k, 15 * k, PAPER)
    c.line(2.5 * k, 13.5 * k, 5.5 * k, 10.5 * k, 1.3 * k, SHORTCUT)
    c.polygon([(3.5 * k, 10 * k), (6 * k, 10 * k), (6 * k, 12.5 * k)], SHORTCUT)
    return c


DESIGNS = {"document": document, "properties": properties, "delete": delete, "insert": insert,
           "overlay-link": overlay_link}


# Selection marks of the item lists: a box that is empty, ticked, or holds a square for a
# partial choice.
BOX = (96, 106, 122, 255)
TICK = (30, 120, 50, 255)


def mark_box(size):
    c = Canvas(size, size)
    k = size / 16.0
    c.rect(2 * k, 2 * k, 14 * k, 14 * k, BOX)
    c.rect(3 * k, 3 * k, 13 * k, 13 * k, PAPER)
    return c


def mark_none(size):
    """An empty box."""
    return mark_box(size)


def mark_all(size):
    """A ticked box."""
    c = mark_box(size)
    k = size / 16.0
    c.line(4.5 * k, 8 * k, 7 * k, 10.8 * k, 2 * k, TICK)
    c.line(7 * k, 10.8 * k, 11.8 * k, 5 * k, 2 * k, TICK)
    return c


def mark_some(size):
    """A box holding a smaller filled square."""
    c = mark_box(size)
    k = size / 16.0
    c.rect(5 * k, 5 * k, 11 * k, 11 * k, TICK)
    return c


DESIGNS.update({"mark-none": mark_none, "mark-all": mark_all, "mark-some": mark_some})


def image_bytes(c):
    """One icon image: BITMAPINFOHEADER with doubled height, bottom-up BGRA, then the AND mask."""
    w, h = c.width, c.height
    mask_stride = ((w + 31) // 32) * 4
    colour = bytearray()
    mask = bytearray()
    for y in range(h - 1, -1, -1):
        row_mask = bytearray(mask_stride)
        for x in range(w):
            r, g, b, a = c.get(x, y)
            colour += bytes((b, g, r, a))
            if a == 0:
                row_mask[x // 8] |= 0x80 >> (x % 8)
        mask += row_mask
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    return header + colour + mask


def ico_bytes(canvases):
    images = [image_bytes(c) for c in canvases]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for c, data in zip(canvases, images):
        out += struct.pack("<BBBBHHII", c.width % 256, c.height % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    return bytes(out)


def check_ico(data, sizes):
    """Reads an .ico back and raises ValueError when it is not what we meant to write."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or kind != 1 or count != len(sizes):
        raise ValueError("bad icon directory: %r" % ((reserved, kind, count),))
    for i, size in enumerate(sizes):
        w, h, colours, _, planes, bits, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        if (w or 256) != size or (h or 256) != size or colours or planes != 1 or bits != 32:
            raise ValueError("entry %d describes the wrong image" % i)
        if offset + length > len(data):
            raise ValueError("entry %d runs past the end of the file" % i)
        hsize, bw, bh, bplanes, bbits, comp = struct.unpack_from("<IiiHHI", data, offset)
        if (hsize, bw, bh, bplanes, bbits, comp) != (40, size, size * 2, 1, 32, 0):
            raise ValueError("image %d has a bad bitmap header" % i)
        expected = 40 + size * size * 4 + ((size + 31) // 32) * 4 * size
        if length != expected:
            raise ValueError("image %d is %d bytes, expected %d" % (i, length, expected))
        alphas = data[offset + 40 + 3: offset + 40 + size * size * 4: 4]
        if not any(alphas) or all(a == 255 for a in alphas):
            raise ValueError("image %d has no shape (alpha is uniform)" % i)


if __name__ == "__main__":
    sizes = ("--sizes", dict(default="32,16", help="comma-separated square sizes"))
    sys.exit(assettool.main(__doc__, DESIGNS,
                            lambda design, args: [design(int(s)) for s in args.sizes.split(",")],
                            ico_bytes, lambda data, images: check_ico(data, [c.width for c in images]),
                            options=[sizes]))
