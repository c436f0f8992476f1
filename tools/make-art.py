#!/usr/bin/env python3
"""Draw the program's icons and the intro menu's emblems and write them as PNG.

Writes, into the resources directory next to this script's parent:
  app.png           16x16 RGBA window icon
  app32.png         32x32 RGBA window icon
  emblem_left.png   212x209 palette emblem: a lattice with an electron's path
  emblem_right.png  212x209 palette emblem: an atom with three orbits

Standard library only, so that the artwork can be regenerated anywhere.
Shapes are tested on a supersampled grid and averaged down, which gives the
anti-aliasing; the emblems are then reduced to a 256-entry palette by median cut.
The output is deterministic: running the script twice gives identical files.
"""

import math
import os
import struct
import sys
import zlib

PAPER = (250, 248, 240, 255)
INK = (28, 46, 92, 255)
RED = (196, 32, 36, 255)
BLACK = (16, 16, 16, 255)
WHITE = (255, 255, 255, 255)
FRAME = (96, 96, 96, 255)


class Canvas:
    """Premultiplied RGBA float canvas sampled `ss` times per pixel in each axis."""

    def __init__(self, width, height, ss):
        self.width, self.height, self.ss = width, height, ss
        self.sw, self.sh = width * ss, height * ss
        n = self.sw * self.sh
        self.r, self.g, self.b, self.a = [0.0] * n, [0.0] * n, [0.0] * n, [0.0] * n

    def paint(self, inside, bbox, colour):
        """Paint `colour` over every sample whose centre (in pixel units) is inside."""
        x0, y0, x1, y1 = bbox
        ss = self.ss
        sx0, sy0 = max(0, int(math.floor(x0 * ss))), max(0, int(math.floor(y0 * ss)))
        sx1, sy1 = min(self.sw, int(math.ceil(x1 * ss)) + 1), min(self.sh, int(math.ceil(y1 * ss)) + 1)
        alpha = colour[3] / 255.0
        cr, cg, cb = (c / 255.0 * alpha for c in colour[:3])
        keep = 1.0 - alpha
        r, g, b, a = self.r, self.g, self.b, self.a
        for sy in range(sy0, sy1):
            y = (sy + 0.5) / ss
            row = sy * self.sw
            for sx in range(sx0, sx1):
                if inside((sx + 0.5) / ss, y):
                    i = row + sx
                    r[i] = cr + r[i] * keep
                    g[i] = cg + g[i] * keep
                    b[i] = cb + b[i] * keep
                    a[i] = alpha + a[i] * keep

    def disc(self, cx, cy, radius, colour):
        rr = radius * radius
        self.paint(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= rr,
                   (cx - radius, cy - radius, cx + radius, cy + radius), colour)

    def ring(self, cx, cy, inner, outer, colour):
        ii, oo = inner * inner, outer * outer
        self.paint(lambda x, y: ii <= (x - cx) ** 2 + (y - cy) ** 2 <= oo,
                   (cx - outer, cy - outer, cx + outer, cy + outer), colour)

    def segment(self, x1, y1, x2, y2, half_width, colour):
        dx, dy = x2 - x1, y2 - y1
        length2 = dx * dx + dy * dy or 1e-12
        hw2 = half_width * half_width

        def inside(x, y):
            t = max(0.0, min(1.0, ((x - x1) * dx + (y - y1) * dy) / length2))
            return (x - x1 - t * dx) ** 2 + (y - y1 - t * dy) ** 2 <= hw2

        self.paint(inside, (min(x1, x2) - half_width, min(y1, y2) - half_width,
                            max(x1, x2) + half_width, max(y1, y2) + half_width), colour)

    def ellipse_stroke(self, cx, cy, a, b, angle, half_width, colour):
        """Outline of an ellipse with semi-axes a, b rotated by `angle` radians."""
        c, s = math.cos(angle), math.sin(angle)

        def inside(x, y):
            u = (x - cx) * c + (y - cy) * s
            v = -(x - cx) * s + (y - cy) * c
            f = (u / a) ** 2 + (v / b) ** 2 - 1.0
            grad = 2.0 * math.hypot(u / (a * a), v / (b * b))
            return abs(f) <= half_width * grad  # first-order distance to the curve

        reach = a + half_width
        self.paint(inside, (cx - reach, cy - reach, cx + reach, cy + reach), colour)

    def rounded_rect(self, x0, y0, x1, y1, radius, colour):
        def inside(x, y):
            qx = max(x0 + radius - x, 0.0, x - (x1 - radius))
            qy = max(y0 + radius - y, 0.0, y - (y1 - radius))
            return qx * qx + qy * qy <= radius * radius and x0 <= x <= x1 and y0 <= y <= y1

        self.paint(inside, (x0, y0, x1, y1), colour)

    def pixels(self):
        """Average the samples down to straight (not premultiplied) 8-bit RGBA rows."""
        ss, n = self.ss, self.ss * self.ss
        rows = []
        for py in range(self.height):
            row = []
            for px in range(self.width):
                sr = sg = sb = sa = 0.0
                for sy in range(py * ss, py * ss + ss):
                    base = sy * self.sw + px * ss
                    for i in range(base, base + ss):
                        sr += self.r[i]
                        sg += self.g[i]
                        sb += self.b[i]
                        sa += self.a[i]
                if sa <= 0.0:
                    row.append((0, 0, 0, 0))
                    continue
                row.append((round(255 * sr / sa), round(255 * sg / sa), round(255 * sb / sa),
                            round(255 * sa / n)))
            rows.append(row)
        return rows


# --- PNG writing -----------------------------------------------------------------------------

def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def png_bytes(width, height, colour_type, scanlines, palette=None):
    ihdr = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    raw = b"".join(b"\x00" + line for line in scanlines)  # filter type 0 on every row
    out = [b"\x89PNG\r\n\x1a\n", chunk(b"IHDR", ihdr)]
    if palette is not None:
        out.append(chunk(b"PLTE", b"".join(bytes(c[:3]) for c in palette)))
        alphas = [c[3] for c in palette]
        while alphas and alphas[-1] == 255:  # trailing opaque entries may be omitted
            alphas.pop()
        if alphas:
            out.append(chunk(b"tRNS", bytes(alphas)))
    out.append(chunk(b"IDAT", zlib.compress(raw, 9)))
    out.append(chunk(b"IEND", b""))
    return b"".join(out)


def write_rgba(path, rows):
    lines = [b"".join(bytes(p) for p in row) for row in rows]
    with open(path, "wb") as f:
        f.write(png_bytes(len(rows[0]), len(rows), 6, lines))


def median_cut(counts, size):
    """Reduce a {colour: count} histogram to at most `size` colours.

    Returns (palette, mapping colour -> palette index)."""
    boxes = [list(counts)]

    def spread(box):
        return max(max(c[k] for c in box) - min(c[k] for c in box) for k in range(4))

    while len(boxes) < size:
        splittable = [b for b in boxes if len(b) > 1]
        if not splittable:
            break
        box = max(splittable, key=lambda b: spread(b) * sum(counts[c] for c in b))
        if spread(box) == 0:
            break
        channel = max(range(4), key=lambda k: max(c[k] for c in box) - min(c[k] for c in box))
        box.sort(key=lambda c: (c[channel], c))
        half, seen, cut = sum(counts[c] for c in box) / 2.0, 0, 1
        for i, c in enumerate(box[:-1]):
            seen += counts[c]
            cut = i + 1
            if seen >= half:
                break
        boxes.remove(box)
        boxes += [box[:cut], box[cut:]]

    palette, mapping = [], {}
    # Opaque colours last so that the transparency chunk stays short.
    boxes.sort(key=lambda b: (min(c[3] for c in b) == 255, b[0]))
    for index, box in enumerate(boxes):
        total = sum(counts[c] for c in box)
        palette.append(tuple(round(sum(c[k] * counts[c] for c in box) / total) for k in range(4)))
        for c in box:
            mapping[c] = index
    return palette, mapping


def write_palette(path, rows):
    counts = {}
    for row in rows:
        for p in row:
            counts[p] = counts.get(p, 0) + 1
    palette, mapping = median_cut(counts, 256)
    lines = [bytes(mapping[p] for p in row) for row in rows]
    with open(path, "wb") as f:
        f.write(png_bytes(len(rows[0]), len(rows), 3, lines, palette))


# --- Pictures --------------------------------------------------------------------------------

def icon(size):
    """A white tile with a 3x3 lattice of atoms and a red electron after its dotted path."""
    c = Canvas(size, size, 8)
    k = size / 32.0
    c.rounded_rect(0.5 * k, 0.5 * k, size - 0.5 * k, size - 0.5 * k, 5 * k, FRAME)
    c.rounded_rect(1.5 * k, 1.5 * k, size - 1.5 * k, size - 1.5 * k, 4 * k, WHITE)
    for gy in (7, 16, 25):
        for gx in (7, 16, 25):
            c.disc(gx * k, gy * k, 2.5 * k, BLACK)
    for x in (3.5, 7.5, 11.5, 15.0):
        c.disc(x * k, 20.5 * k, 1.0 * k, RED)
    c.disc(20.5 * k, 20.5 * k, 3.2 * k, RED)
    return c.pixels()


def emblem_frame(c, cx, cy, ticks):
    """The common outer border: a disc of paper with a double ring and a decorated band."""
    c.disc(cx, cy, 100.5, PAPER)
    c.ring(cx, cy, 97.0, 100.5, INK)
    c.ring(cx, cy, 82.5, 84.0, INK)
    for i in range(ticks):
        t = 2.0 * math.pi * i / ticks
        if ticks > 40:
            c.disc(cx + 90.5 * math.cos(t), cy + 90.5 * math.sin(t), 1.7, INK)
        else:
            c.segment(cx + 87.0 * math.cos(t), cy + 87.0 * math.sin(t),
                      cx + 94.0 * math.cos(t), cy + 94.0 * math.sin(t), 0.9, INK)


def billiard_path(atoms, atom_r, electron_r, bound, start, angle, length, step=0.25):
    """Follow an electron reflecting from the atoms and from a circular wall."""
    x, y = start
    dx, dy = math.cos(angle), math.sin(angle)
    points = [(x, y)]
    for _ in range(int(length / step)):
        x, y = x + dx * step, y + dy * step
        for ax, ay in atoms:
            nx, ny = x - ax, y - ay
            d = math.hypot(nx, ny)
            if d < atom_r + electron_r and nx * dx + ny * dy < 0:
                nx, ny = nx / d, ny / d
                dot = dx * nx + dy * ny
                dx, dy = dx - 2 * dot * nx, dy - 2 * dot * ny
        d = math.hypot(x, y)
        if d > bound - electron_r and x * dx + y * dy > 0:
            nx, ny = x / d, y / d
            dot = dx * nx + dy * ny
            dx, dy = dx - 2 * dot * nx, dy - 2 * dot * ny
        points.append((x, y))
    return points


def emblem_left():
    """A lattice of atoms in a circle, with the dotted path of one electron."""
    c = Canvas(212, 209, 3)
    cx, cy = 106.0, 104.5
    emblem_frame(c, cx, cy, 48)
    atom_r, spacing = 6.5, 28.0
    atoms = []
    for j in range(-2, 3):
        for i in range(-2, 3):
            ax, ay = i * spacing, j * spacing
            if math.hypot(ax, ay) + atom_r < 78.0:
                atoms.append((ax, ay))
                c.disc(cx + ax, cy + ay, atom_r, INK)
    # Start and aim chosen for a path of a few clear bounces inside the lattice.
    path = billiard_path(atoms, atom_r, 2.5, 80.0, (-70.0, 0.0), 0.81, 190.0)
    for x, y in path[:-36:20]:  # a dot every 5 px, stopping short of the electron
        c.disc(cx + x, cy + y, 1.5, RED)
    ex, ey = path[-1]
    c.disc(cx + ex, cy + ey, 4.5, RED)
    return c.pixels()


def emblem_right():
    """An atom: a nucleus with three crossed orbits, each carrying one electron."""
    c = Canvas(212, 209, 3)
    cx, cy = 106.0, 104.5
    emblem_frame(c, cx, cy, 36)
    a, b = 68.0, 23.0
    for k in range(3):
        c.ellipse_stroke(cx, cy, a, b, math.pi * k / 3.0, 1.3, INK)
    for k, t in enumerate((0.6, 2.4, 4.3)):
        ang = math.pi * k / 3.0
        u, v = a * math.cos(t), b * math.sin(t)
        ex = cx + u * math.cos(ang) - v * math.sin(ang)
        ey = cy + u * math.sin(ang) + v * math.cos(ang)
        c.disc(ex, ey, 6.0, PAPER)
        c.disc(ex, ey, 4.5, RED)
    c.disc(cx, cy, 13.0, PAPER)
    c.disc(cx, cy, 10.0, INK)
    c.disc(cx - 3.0, cy - 3.0, 2.5, (120, 136, 176, 255))  # a dull highlight on the nucleus
    return c.pixels()


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, os.pardir, "resources")
    write_rgba(os.path.join(out, "app.png"), icon(16))
    write_rgba(os.path.join(out, "app32.png"), icon(32))
    write_palette(os.path.join(out, "emblem_left.png"), emblem_left())
    write_palette(os.path.join(out, "emblem_right.png"), emblem_right())


if __name__ == "__main__":
    main()
