"""Draws short animations and writes them as AVI files the animation control plays (8-bit RLE)."""
import math
import struct
import sys

import assettool
from canvas import Canvas, circle

BACK = (255, 255, 255, 255)  # the top-left pixel: the control's transparent colour
OUTLINE = (84, 94, 110, 255)
BODY = (112, 122, 138, 255)
LIGHT = (176, 186, 200, 255)
SLOT = (40, 46, 56, 255)
PAPER = (255, 255, 255, 255)
INK = (52, 101, 164, 255)
LED = (67, 160, 71, 255)


def rotated(cx, cy, w, h, angle):
    ca, sa = math.cos(angle), math.sin(angle)
    return [(cx + x * ca - y * sa, cy + x * sa + y * ca)
            for x, y in ((-w / 2, -h / 2), (w / 2, -h / 2), (w / 2, h / 2), (-w / 2, h / 2))]


def page(c, cx, cy, angle):
    """A sheet with three lines of text, turned by angle around its centre."""
    c.polygon(rotated(cx, cy, 13, 16, angle), OUTLINE, samples=1)
    c.polygon(rotated(cx, cy, 11, 14, angle), PAPER, samples=1)
    ca, sa = math.cos(angle), math.sin(angle)
    for dy in (-4, -1, 2):
        c.polygon(rotated(cx - ca - dy * sa, cy - sa + dy * ca, 7, 1, angle), INK, samples=1)


def printer_frame(i, count):
    """Pages fly in an arc from the left into the printer's feed slot; two are in the air at once."""
    c = Canvas(80, 50, BACK)
    for lag in (0.0, 0.5):
        t = (i / count + lag) % 1.0
        x = 10 + t * 53
        y = 36 - t * 12 - math.sin(math.pi * t) * 18
        page(c, x, y, (t - 1.0) * 0.9)
    c.rect(52, 18, 74, 22, LIGHT, samples=1)           # paper tray
    c.rect(46, 22, 80, 41, OUTLINE, samples=1)         # body
    c.rect(47, 23, 79, 40, BODY, samples=1)
    c.rect(53, 21, 73, 23, SLOT, samples=1)            # feed slot
    c.rect(50, 32, 76, 34, SLOT, samples=1)            # output slot
    c.rect(73, 26, 76, 28, LED if i % 2 == 0 else LIGHT, samples=1)
    c.rect(44, 41, 80, 43, OUTLINE, samples=1)         # foot
    return c


def gear_contour(cx, cy, turn, teeth, profile):
    """The outline of a gear: every tooth traced through the same (radius, degrees) points."""
    points = []
    for k in range(teeth):
        base = turn + 2 * math.pi * k / teeth
        for r, da in profile:
            a = base + math.radians(da)
            points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return points


def gear_frame(i, count):
    """A gear with eight teeth, turned so that the cycle ends where it starts."""
    c = Canvas(48, 48, BACK)
    teeth, cx, cy = 8, 23.5, 23.5
    turn = 2 * math.pi / teeth * i / count
    outline = gear_contour(cx, cy, turn, teeth, ((17, -14), (22, -8), (22, 8), (17, 14), (17, 22.5)))
    c.polygon([outline, circle(cx, cy, 5, 24)], OUTLINE, samples=1)
    inner = gear_contour(cx, cy, turn, teeth, ((16, -13), (21, -7.5), (21, 7.5), (16, 13), (16, 22.5)))
    c.polygon([inner, circle(cx, cy, 6, 24)], BODY, samples=1)
    c.polygon([circle(cx, cy, 11, 32), circle(cx, cy, 9, 32)], LIGHT, samples=1)
    return c


DESIGNS = {"printer": (printer_frame, 10), "gear": (gear_frame, 9)}


def rle8(indices, width, height):
    """BI_RLE8 with encoded runs only: (count, index) pairs, end-of-line after every row."""
    out = bytearray()
    for y in range(height - 1, -1, -1):
        row = indices[y * width:(y + 1) * width]
        x = 0
        while x < width:
            run = 1
            while x + run < width and run < 255 and row[x + run] == row[x]:
                run += 1
            out += bytes((run, row[x]))
            x += run
        out += b"\x00\x00"
    return bytes(out + b"\x00\x01")


def unrle8(data, width, height):
    """Decodes what rle8 writes; raises ValueError on anything malformed."""
    rows, row, pos = [], [], 0
    while True:
        if pos + 2 > len(data):
            raise ValueError("frame ends without end-of-bitmap")
        count, value = data[pos], data[pos + 1]
        pos += 2
        if count:
            row += [value] * count
        elif value == 0:
            rows.append(row)
            row = []
        elif value == 1:
            break
        else:
            raise ValueError("unexpected escape %d" % value)
    if len(rows) != height or any(len(r) != width for r in rows):
        raise ValueError("frame is not %dx%d" % (width, height))
    return rows


def chunk(fourcc, data):
    return fourcc + struct.pack("<I", len(data)) + data + (b"\x00" if len(data) % 2 else b"")


def avi_bytes(frames, micro_per_frame):
    w, h = frames[0].width, frames[0].height
    palette = sorted({p[:3] for f in frames for p in f.pixels}, key=lambda p: p != BACK[:3])
    if len(palette) > 256:
        raise ValueError("design uses %d colours; 8-bit frames hold 256" % len(palette))
    lookup = {p: i for i, p in enumerate(palette)}
    encoded = [rle8([lookup[p[:3]] for p in f.pixels], w, h) for f in frames]
    biggest = max(len(e) for e in encoded)
    avih = struct.pack("<14I", micro_per_frame, biggest * 1000000 // micro_per_frame, 0, 0x10,
                       len(frames), 0, 1, biggest, w, h, 0, 0, 0, 0)
    strh = struct.pack("<4s4sIHHIIIIIIiI4h", b"vids", b"mrle", 0, 0, 0, 0, micro_per_frame, 1000000, 0,
                       len(frames), biggest, -1, 0, 0, 0, w, h)
    strf = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 1, biggest, 0, 0, len(palette), 0)
    strf += b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    strl_body = b"strl" + chunk(b"strh", strh) + chunk(b"strf", strf)
    hdrl_body = b"hdrl" + chunk(b"avih", avih) + chunk(b"LIST", strl_body)
    movi_body = b"movi"
    index = b""
    for e in encoded:
        index += struct.pack("<4sIII", b"00dc", 0x10, len(movi_body), len(e))
        movi_body += chunk(b"00dc", e)
    body = b"AVI " + chunk(b"LIST", hdrl_body) + chunk(b"LIST", movi_body) + chunk(b"idx1", index)
    return chunk(b"RIFF", body)


def check_avi(data, count):
    """Walks an AVI back and raises ValueError when it is not what we meant to write."""
    if data[:4] != b"RIFF" or data[8:12] != b"AVI " or struct.unpack_from("<I", data, 4)[0] + 8 != len(data):
        raise ValueError("not a complete RIFF AVI file")
    found = {}

    def walk(start, end):
        pos = start
        while pos + 8 <= end:
            fourcc, size = data[pos:pos + 4], struct.unpack_from("<I", data, pos + 4)[0]
            if pos + 8 + size > end:
                raise ValueError("chunk %r runs past its parent" % fourcc)
            if fourcc == b"LIST":
                walk(pos + 12, pos + 8 + size)
            else:
                found.setdefault(fourcc, []).append(data[pos + 8:pos + 8 + size])
            pos += 8 + size + (size & 1)

    walk(12, len(data))
    for need in (b"avih", b"strh", b"strf", b"idx1"):
        if need not in found:
            raise ValueError("missing %r chunk" % need)
    w, h = struct.unpack_from("<II", found[b"avih"][0], 32)
    if found[b"strh"][0][:8] != b"vidsmrle":
        raise ValueError("stream is not an RLE video stream")
    _, bw, bh, _, bits, comp = struct.unpack_from("<IiiHHI", found[b"strf"][0], 0)
    if (bw, bh, bits, comp) != (w, h, 8, 1):
        raise ValueError("frame format is not 8-bit RLE of the movie's size")
    frames = found.get(b"00dc", [])
    if len(frames) != count or len(found[b"idx1"][0]) != 16 * count:
        raise ValueError("expected %d frames and index entries" % count)
    for f in frames:
        unrle8(f, w, h)


if __name__ == "__main__":
    sys.exit(assettool.main(__doc__, DESIGNS,
                            lambda design, args: [design[0](i, design[1]) for i in range(design[1])],
                            lambda frames: avi_bytes(frames, 100000),
                            lambda data, frames: check_avi(data, len(frames))))
