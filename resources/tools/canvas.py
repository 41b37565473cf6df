"""A tiny RGBA canvas with anti-aliased polygon filling, shared by the asset writers."""
import math


class Canvas:
    """Top-down RGBA pixels; shapes are blended source-over by their sampled coverage."""

    def __init__(self, width, height, fill=(0, 0, 0, 0)):
        self.width = width
        self.height = height
        self.pixels = [tuple(fill)] * (width * height)

    def get(self, x, y):
        return self.pixels[y * self.width + x]

    def blend(self, x, y, colour, coverage=1.0):
        if not (0 <= x < self.width and 0 <= y < self.height) or coverage <= 0:
            return
        r, g, b = colour[:3]
        a = (colour[3] if len(colour) > 3 else 255) / 255.0 * min(coverage, 1.0)
        dr, dg, db, da = self.get(x, y)
        da /= 255.0
        out_a = a + da * (1 - a)
        if out_a <= 0:
            return
        mix = lambda s, d: round((s * a + d * da * (1 - a)) / out_a)
        self.pixels[y * self.width + x] = (mix(r, dr), mix(g, dg), mix(b, db), round(out_a * 255))

    def polygon(self, contours, colour, samples=4):
        """Fills one or more closed contours (even-odd rule, so inner contours cut holes).

        samples is the sub-pixel grid per axis; 1 gives hard edges with no new colours,
        which palette-based formats need."""
        if contours and isinstance(contours[0][0], (int, float)):
            contours = [contours]
        edges = []
        for pts in contours:
            for i, (x0, y0) in enumerate(pts):
                x1, y1 = pts[(i + 1) % len(pts)]
                if y0 != y1:
                    edges.append((x0, y0, x1, y1))
        if not edges:
            return
        xs = [p[0] for c in contours for p in c]
        ys = [p[1] for c in contours for p in c]
        offsets = [(i + 0.5) / samples for i in range(samples)]
        for py in range(max(0, math.floor(min(ys))), min(self.height, math.ceil(max(ys)))):
            rows = []
            for oy in offsets:
                sy = py + oy
                crossings = sorted(x0 + (sy - y0) * (x1 - x0) / (y1 - y0)
                                   for x0, y0, x1, y1 in edges if (y0 <= sy) != (y1 <= sy))
                rows.append(list(zip(crossings[0::2], crossings[1::2])))
            for px in range(max(0, math.floor(min(xs))), min(self.width, math.ceil(max(xs)))):
                hits = sum(1 for spans in rows for ox in offsets
                           if any(a <= px + ox < b for a, b in spans))
                self.blend(px, py, colour, hits / (samples * samples))

    def rect(self, x0, y0, x1, y1, colour, samples=4):
        self.polygon([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], colour, samples)

    def frame(self, x0, y0, x1, y1, width, colour, samples=4):
        """An outline of the given width inside the rectangle."""
        outer = [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]
        inner = [(x0 + width, y0 + width), (x1 - width, y0 + width),
                 (x1 - width, y1 - width), (x0 + width, y1 - width)]
        self.polygon([outer, inner], colour, samples)

    def line(self, x0, y0, x1, y1, width, colour, samples=4):
        length = math.hypot(x1 - x0, y1 - y0) or 1.0
        nx, ny = -(y1 - y0) / length * width / 2, (x1 - x0) / length * width / 2
        self.polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)],
                     colour, samples)


def circle(cx, cy, r, steps=32):
    """The contour of a circle as a polygon."""
    return [(cx + r * math.cos(2 * math.pi * i / steps), cy + r * math.sin(2 * math.pi * i / steps))
            for i in range(steps)]


def scaled(points, factor, dx=0.0, dy=0.0):
    return [(x * factor + dx, y * factor + dy) for x, y in points]
