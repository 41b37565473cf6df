"""Draws image strips for image lists and writes them as 24-bit .bmp files."""
import sys

import assettool
from bmpfile import bmp_file, check_bmp_file, stride
from canvas import Canvas, circle

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


# The sixteen-colour palette: menu images go into 4-bit image lists, so any other colour would
# be rounded to one of these anyway.
GREY = (192, 192, 192, 255)  # the toolbar mask colour
BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)
NAVY = (0, 0, 128, 255)
BLUE = (0, 0, 255, 255)
TEAL = (0, 128, 128, 255)
OLIVE = (128, 128, 0, 255)
YELLOW = (255, 255, 0, 255)
MAROON = (128, 0, 0, 255)
DARK = (128, 128, 128, 255)


def menu_commands():
    """Eight 16 x 15 images for the popup menus, in the order of the toolbar's buttons: undo, cut,
    copy, paste, sort ascending, sort descending, customize columns, column format.

    Hard edges on light grey, the toolbar mask colour, so that nothing is left around them."""
    c = Canvas(8 * 16, 15, GREY)

    def at(i, pts):
        return [(x + 16 * i, y) for x, y in pts]

    # Undo: a hooked arrow pointing left.
    c.polygon(at(0, [(1, 6), (6, 1), (6, 4), (11, 4), (14, 7), (14, 13), (11, 13), (11, 8), (6, 8),
                     (6, 11)]), NAVY, samples=1)
    # Cut: two blades crossing above two rings.
    c.line(16 + 5, 1, 16 + 10, 9, 1.4, BLACK, samples=1)
    c.line(16 + 11, 1, 16 + 6, 9, 1.4, BLACK, samples=1)
    for cx in (16 + 4.5, 16 + 11.5):
        c.polygon([circle(cx, 11.5, 3.2, 16), circle(cx, 11.5, 1.6, 16)], NAVY, samples=1)
    # Copy: two sheets, the front one offset.
    for x, y in ((1, 1), (6, 5)):
        c.rect(32 + x, y, 32 + x + 9, y + 10, WHITE, samples=1)
        c.frame(32 + x, y, 32 + x + 9, y + 10, 1, NAVY, samples=1)
        for row in (y + 3, y + 5, y + 7):
            c.rect(32 + x + 2, row, 32 + x + 7, row + 1, DARK, samples=1)
    # Paste: a clipboard with a sheet on it.
    c.rect(48 + 1, 2, 48 + 12, 14, OLIVE, samples=1)
    c.rect(48 + 4, 0, 48 + 9, 3, BLACK, samples=1)
    c.rect(48 + 7, 6, 48 + 15, 15, WHITE, samples=1)
    c.frame(48 + 7, 6, 48 + 15, 15, 1, NAVY, samples=1)
    # Sort ascending and descending: a bar staircase beside an arrow.
    for i, up in ((4, True), (5, False)):
        x = 16 * i
        for k in range(3):
            h = (k + 1) * 3 if up else (3 - k) * 3
            c.rect(x + 1 + 3 * k, 14 - h, x + 3 + 3 * k, 14, BLUE, samples=1)
        tip, tail = (1, 13) if up else (13, 1)
        c.rect(x + 12, min(tip, tail) + 2, x + 14, max(tip, tail) - 2 + 1, MAROON, samples=1)
        c.polygon([(x + 10, tip + (3 if up else -3)), (x + 13, tip), (x + 16, tip + (3 if up else -3))],
                  MAROON, samples=1)
    # Customize columns: three column bars under a header row.
    x = 16 * 6
    c.rect(x + 1, 1, x + 15, 4, TEAL, samples=1)
    for k in range(3):
        c.rect(x + 1 + 5 * k, 5, x + 5 + 5 * k, 14, WHITE, samples=1)
        c.frame(x + 1 + 5 * k, 5, x + 5 + 5 * k, 14, 1, NAVY, samples=1)
    # Column format: a column with a yellow highlighted cell and a pen.
    x = 16 * 7
    c.rect(x + 2, 1, x + 9, 14, WHITE, samples=1)
    c.frame(x + 2, 1, x + 9, 14, 1, NAVY, samples=1)
    c.rect(x + 3, 6, x + 8, 9, YELLOW, samples=1)
    c.line(x + 9, 13, x + 15, 4, 2, MAROON, samples=1)
    return c


def script_wizard_watermark():
    """164 x 314, the script wizard's first-page panel: a deep blue gradient with lines of
    script and a call's brackets, in light strokes."""
    c = Canvas(164, 314, MASK)
    top, bottom = (24, 58, 112), (70, 130, 190)
    for y in range(314):
        t = y / 313.0
        colour = tuple(round(a + (b - a) * t) for a, b in zip(top, bottom)) + (255,)
        for x in range(164):
            c.pixels[y * 164 + x] = colour
    ink = (220, 232, 248, 255)
    # Lines of script above a call's brackets around a gold argument.
    for i, width in enumerate((96, 70, 84, 52)):
        y = 60 + i * 22
        c.line(34, y, 34 + width, y, 5, ink)
    c.line(40, 180, 30, 210, 4, ink)
    c.line(30, 210, 40, 240, 4, ink)
    c.line(124, 180, 134, 210, 4, ink)
    c.line(134, 210, 124, 240, 4, ink)
    c.polygon(circle(82, 210, 7), (250, 200, 70, 255))
    return c


def script_wizard_header():
    """49 x 49, the script wizard's page header picture: a blue sheet with lines of script and
    a gold cursor."""
    c = Canvas(49, 49, (255, 255, 255, 255))
    c.rect(8, 4, 41, 45, (236, 242, 250, 255))
    c.frame(8, 4, 41, 45, 1.5, (40, 80, 140, 255))
    for i, width in enumerate((24, 18, 22, 12)):
        y = 12 + i * 8
        c.line(13, y, 13 + width, y, 2, (40, 80, 140, 255))
    c.rect(30, 34, 33, 42, (240, 180, 40, 255))
    return c


def wizard_button(state, arrow):
    """120 x 32, a wizard's image button: a rounded bar on magenta (the top-left pixel, painted
    transparent), blue with a lighter top half, paler when hovered and grey when disabled; the
    arrow variant adds a chevron near the right end. The caption is drawn on top in white.

    Hard edges only: anti-aliasing against the transparent colour would leave pink fringes."""
    import math
    w, h, r = 120, 32, 8
    c = Canvas(w, h, MASK)
    top, bottom, edge = {"normal": ((70, 130, 200), (30, 80, 150), (20, 50, 100)),
                         "hover": ((110, 170, 235), (50, 110, 190), (30, 70, 130)),
                         "disabled": ((200, 200, 200), (170, 170, 170), (140, 140, 140))}[state]
    outline = []
    for cx, cy, a0 in ((w - r, r, -90), (w - r, h - r, 0), (r, h - r, 90), (r, r, 180)):
        for k in range(7):
            a = math.radians(a0 + 15 * k)
            outline.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    c.polygon(outline, edge + (255,), samples=1)
    inner = Canvas(w, h, (0, 0, 0, 0))
    inner.polygon([(x + (1 if x < w / 2 else -1), y + (1 if y < h / 2 else -1)) for x, y in outline],
                  (255, 255, 255, 255), samples=1)
    for y in range(h):
        t = y / (h - 1.0)
        base = top if y < h / 2 else bottom
        shade = tuple(round(v * (1.0 - 0.15 * t)) for v in base) + (255,)
        for x in range(w):
            if inner.get(x, y)[3]:
                c.pixels[y * w + x] = shade
    if arrow:
        ink = (255, 255, 255, 255) if state != "disabled" else (230, 230, 230, 255)
        c.polygon([(w - 20, 9), (w - 14, 16), (w - 20, 23), (w - 23, 23), (w - 17, 16), (w - 23, 9)],
                  ink, samples=1)
    return c


DESIGNS = {"header-glyphs": header_glyphs, "menu-commands": menu_commands,
           "watermark-rgb": watermark_rgb,
           "script-wizard-watermark": script_wizard_watermark,
           "script-wizard-header": script_wizard_header}
for _state in ("normal", "hover", "disabled"):
    DESIGNS["wizard-button-" + _state] = lambda s=_state: wizard_button(s, False)
    DESIGNS["wizard-arrow-" + _state] = lambda s=_state: wizard_button(s, True)


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
