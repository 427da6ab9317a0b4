#!/usr/bin/env python3
"""Draws VorlIP's icons and bitmaps into res/.

The artwork is generated rather than hand-painted so that it can be reviewed as text, rebuilt on
any machine with a bare Python 3, and tweaked without an image editor. Shapes are signed distance
functions (negative inside); a pixel's coverage comes from the distance at its centre, which gives
cheap anti-aliasing and makes outlines a matter of growing a shape by a constant.

Usage: python3 tools/draw_art.py [output-directory]   (default: the repository's res/)

The output is byte-for-byte reproducible: no time stamps, no randomness, integer-rounded colours.
"""

import math
import os
import struct
import sys

# ---------------------------------------------------------------------------------------------
# Shapes. Every shape is a function (x, y) -> signed distance in pixels.


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def ellipse(cx, cy, rx, ry):
    # Not an exact distance, but close enough near the edge, which is all the coverage needs.
    m = min(rx, ry)
    return lambda x, y: (math.hypot((x - cx) / rx, (y - cy) / ry) - 1.0) * m


def rounded_box(x0, y0, x1, y1, r):
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hx, hy = (x1 - x0) / 2.0, (y1 - y0) / 2.0

    def sd(x, y):
        qx = abs(x - cx) - hx + r
        qy = abs(y - cy) - hy + r
        return math.hypot(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0) - r

    return sd


def box(x0, y0, x1, y1):
    return rounded_box(x0, y0, x1, y1, 0.0)


def segment(ax, ay, bx, by, width):
    dx, dy = bx - ax, by - ay
    ll = dx * dx + dy * dy

    def sd(x, y):
        t = 0.0 if ll == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / ll))
        return math.hypot(x - ax - t * dx, y - ay - t * dy) - width / 2.0

    return sd


def polyline(points, width):
    return union(*[segment(*points[i], *points[i + 1], width) for i in range(len(points) - 1)])


def polygon(points):
    n = len(points)

    def sd(x, y):
        d = (x - points[0][0]) ** 2 + (y - points[0][1]) ** 2
        s = 1.0
        j = n - 1
        for i in range(n):
            xi, yi = points[i]
            xj, yj = points[j]
            ex, ey = xj - xi, yj - yi
            wx, wy = x - xi, y - yi
            t = max(0.0, min(1.0, (wx * ex + wy * ey) / (ex * ex + ey * ey)))
            bx, by = wx - ex * t, wy - ey * t
            d = min(d, bx * bx + by * by)
            c1 = y >= yi
            c2 = y < yj
            c3 = ex * wy > ey * wx
            if (c1 and c2 and c3) or (not c1 and not c2 and not c3):
                s = -s
            j = i
        return s * math.sqrt(d)

    return sd


def arc(cx, cy, r, width, a0, a1):
    """Stroke along a circle from angle a0 to a1 (degrees, clockwise on screen since y points
    down), with round caps."""
    a0r, a1r = math.radians(a0), math.radians(a1)
    span = (a1r - a0r) % (2 * math.pi)
    e0 = (cx + r * math.cos(a0r), cy + r * math.sin(a0r))
    e1 = (cx + r * math.cos(a1r), cy + r * math.sin(a1r))

    def sd(x, y):
        a = (math.atan2(y - cy, x - cx) - a0r) % (2 * math.pi)
        if a <= span:
            return abs(math.hypot(x - cx, y - cy) - r) - width / 2.0
        return min(math.hypot(x - e0[0], y - e0[1]), math.hypot(x - e1[0], y - e1[1])) - width / 2.0

    return sd


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def intersect(*shapes):
    return lambda x, y: max(s(x, y) for s in shapes)


def subtract(a, b):
    return lambda x, y: max(a(x, y), -b(x, y))


def grow(shape, amount):
    return lambda x, y: shape(x, y) - amount


def placed(shape, ox, oy, scale):
    """Puts a shape designed in its own units at (ox, oy), `scale` pixels per unit."""
    return lambda x, y: shape((x - ox) / scale, (y - oy) / scale) * scale


# ---------------------------------------------------------------------------------------------
# Canvas: premultiplied RGBA floats in 0..1, row 0 at the top.


def clamp01(v):
    return 0.0 if v < 0.0 else 1.0 if v > 1.0 else v


def vertical_gradient(y0, c0, y1, c1):
    def colour(x, y):
        t = clamp01((y - y0) / float(y1 - y0))
        return tuple(a + (b - a) * t for a, b in zip(c0, c1))

    return colour


class Canvas:
    def __init__(self, width, height, background=None):
        self.w, self.h = width, height
        bg = (0.0, 0.0, 0.0, 0.0) if background is None else rgb(background) + (1.0,)
        self.px = [list(bg) for _ in range(width * height)]

    def paint(self, shape, colour, alpha=1.0, hard=False, bbox=None):
        """Composites `colour` (an (r, g, b) in 0..1, or a function of x, y giving one) over the
        canvas where `shape` covers. `hard` skips anti-aliasing for edges that must be exact."""
        x0, y0, x1, y1 = bbox if bbox else (0, 0, self.w, self.h)
        x0, y0 = max(0, int(x0)), max(0, int(y0))
        x1, y1 = min(self.w, int(math.ceil(x1))), min(self.h, int(math.ceil(y1)))
        for y in range(y0, y1):
            row = y * self.w
            for x in range(x0, x1):
                d = shape(x + 0.5, y + 0.5)
                cov = (1.0 if d < 0 else 0.0) if hard else clamp01(0.5 - d)
                if cov <= 0.0:
                    continue
                c = colour(x + 0.5, y + 0.5) if callable(colour) else colour
                sa = alpha * cov
                p = self.px[row + x]
                k = 1.0 - sa
                p[0] = c[0] * sa + p[0] * k
                p[1] = c[1] * sa + p[1] * k
                p[2] = c[2] * sa + p[2] * k
                p[3] = sa + p[3] * k

    def block(self, x0, y0, x1, y1, colour):
        """Opaque axis-aligned rectangle on whole pixels (the bitmap font's cells)."""
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                self.px[y * self.w + x] = [colour[0], colour[1], colour[2], 1.0]

    def rgba8(self, x, y):
        """Straight (not premultiplied) 8-bit colour of one pixel."""
        r, g, b, a = self.px[y * self.w + x]
        a8 = int(round(clamp01(a) * 255))
        if a8 == 0:
            return 0, 0, 0, 0
        return tuple(int(round(clamp01(v / a) * 255)) for v in (r, g, b)) + (a8,)


def rgb(c):
    return tuple(v / 255.0 for v in c)


WHITE = rgb((255, 255, 255))

# ---------------------------------------------------------------------------------------------
# A small proportional bitmap font: 9 rows per glyph (7 above the baseline, 2 for descenders).

FONT = {
    "V": ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "I": ["###", ".#.", ".#.", ".#.", ".#.", ".#.", "###"],
    "P": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "b": ["#....", "#....", "####.", "#...#", "#...#", "#...#", "####."],
    "c": [".....", ".....", ".####", "#....", "#....", "#....", ".####"],
    "e": [".....", ".....", ".###.", "#...#", "#####", "#....", ".###."],
    "g": [".....", ".....", ".####", "#...#", "#...#", "#...#", ".####", "....#", ".###."],
    "i": [".#.", "...", "##.", ".#.", ".#.", ".#.", "###"],
    "l": ["#", "#", "#", "#", "#", "#", "#"],  # a bare stroke, so that it differs from "I"
    "n": [".....", ".....", "#.##.", "##..#", "#...#", "#...#", "#...#"],
    "o": [".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."],
    "r": ["....", "....", "#.##", "##..", "#...", "#...", "#..."],
    "s": [".....", ".....", ".####", "#....", ".###.", "....#", "####."],
    ".": [".", ".", ".", ".", ".", ".", "#"],
}


def text_width(text, scale):
    cols = sum(len(FONT[ch][0]) for ch in text) + len(text) - 1
    return cols * scale


def draw_text(canvas, text, x, y, scale, colour, shadow=None):
    """Top-left of the first glyph's cell at (x, y); each font pixel is scale x scale."""
    if shadow:
        off = max(1, scale // 2)
        draw_text(canvas, text, x + off, y + off, scale, shadow)
    for ch in text:
        glyph = FONT[ch]
        for gy, line in enumerate(glyph):
            for gx, cell in enumerate(line):
                if cell == "#":
                    px, py = x + gx * scale, y + gy * scale
                    canvas.block(px, py, px + scale, py + scale, colour)
        x += (len(glyph[0]) + 1) * scale


# ---------------------------------------------------------------------------------------------
# The bird: a swallow-like silhouette flying to the right, in a unit square.

BIRD_SHAPE = union(
    ellipse(0.52, 0.60, 0.27, 0.12),  # body
    circle(0.76, 0.51, 0.10),  # head
    polygon([(0.83, 0.45), (0.96, 0.51), (0.83, 0.56)]),  # beak
    polygon([(0.40, 0.52), (0.66, 0.53), (0.50, 0.32), (0.16, 0.05), (0.30, 0.33)]),  # near wing
    polygon([(0.56, 0.52), (0.68, 0.52), (0.69, 0.30), (0.60, 0.15), (0.57, 0.33)]),  # far wing
    polygon([(0.32, 0.58), (0.02, 0.47), (0.14, 0.63), (0.02, 0.80), (0.34, 0.68)]),  # tail
)
# For 16 px: without the far wing, which only blurs the near one at that size.
BIRD_SMALL = union(
    ellipse(0.52, 0.62, 0.27, 0.12),
    circle(0.76, 0.52, 0.11),
    polygon([(0.83, 0.46), (0.98, 0.53), (0.83, 0.58)]),
    polygon([(0.38, 0.55), (0.68, 0.55), (0.52, 0.30), (0.14, 0.02), (0.28, 0.35)]),
    polygon([(0.32, 0.60), (0.0, 0.50), (0.12, 0.66), (0.0, 0.82), (0.34, 0.70)]),
)
BIRD_EYE = circle(0.785, 0.49, 0.022)


def bird(ox, oy, size, eye=True):
    """The silhouette with the eye cut out; tiny sizes keep it whole (the eye would be a smudge)."""
    shape = subtract(BIRD_SHAPE, BIRD_EYE) if eye else BIRD_SHAPE
    return placed(shape, ox, oy, size)


# ---------------------------------------------------------------------------------------------
# Icons. Each is drawn for a given pixel size; `u` is pixels per design unit (designs are on a
# 32-unit grid). At 16 px strokes get fixed pixel widths instead of half the 32 px ones, which would
# dissolve into grey; every larger size scales the 32 px design.
SMALL_ICON = 16
# The sizes 100 % to 200 % ask for: small icons of 16, 20, 24, 28 and 32 px, large ones of 32, 40,
# 48, 56 and 64 px, so that no icon is ever stretched. 32 comes first: it is the size a caller that
# names none gets.
ICON_SIZES = (32, 16, 20, 24, 28, 40, 48, 56, 64)


def icon_app(c, n):
    u = n / 32.0
    panel = rounded_box(1 * u, 1 * u, 31 * u, 31 * u, 7 * u)
    c.paint(panel, rgb((16, 62, 150)))
    c.paint(grow(panel, -1.0), vertical_gradient(0, rgb((96, 170, 245)), n, rgb((28, 92, 196))))
    c.paint(intersect(grow(panel, -1.0), ellipse(16 * u, 4 * u, 20 * u, 12 * u)), WHITE, 0.18)
    if n > SMALL_ICON:
        c.paint(bird(3.5 * u, 4.5 * u, 25 * u, eye=False), WHITE)
    else:
        # Simpler and slightly fattened, or the wings vanish at this size.
        c.paint(grow(placed(BIRD_SMALL, 1.5, 1.6, 13.0), 0.25), WHITE)


def icon_change_all(c, n):
    u = n / 32.0
    big = n > SMALL_ICON
    w = 3.4 * u if big else 1.8
    r = 9.0 * u if big else 5.0
    s = 5.2 * u if big else 3.2
    cx = cy = n / 2.0

    def head(angle):
        # Arrowhead at the end of an arc, pointing along the clockwise tangent.
        a = math.radians(angle)
        px, py = cx + r * math.cos(a), cy + r * math.sin(a)
        tx, ty = -math.sin(a), math.cos(a)
        nx, ny = math.cos(a), math.sin(a)
        return polygon([(px + tx * s * 1.2, py + ty * s * 1.2), (px + nx * s, py + ny * s),
                        (px - nx * s, py - ny * s)])

    if big:
        shape = union(arc(cx, cy, r, w, 195, 318), arc(cx, cy, r, w, 15, 138), head(318),
                      head(138))
    else:
        # Two arrows crowd each other at 16 px; one nearly closed loop still reads as "renew".
        shape = union(arc(cx, cy, r, w, 345, 240), head(240))
    c.paint(grow(shape, 1.0 if big else 0.7), rgb((20, 96, 30)))
    c.paint(shape, vertical_gradient(0, rgb((120, 220, 110)), n, rgb((40, 150, 50))))


def icon_visit(c, n):
    u = n / 32.0
    globe = circle(16 * u, 16 * u, 13.5 * u)
    c.paint(grow(globe, 1.0), rgb((20, 70, 140)))
    c.paint(globe, vertical_gradient(2 * u, rgb((110, 190, 250)), 30 * u, rgb((30, 110, 200))))
    lw = 1.6 * u if n > SMALL_ICON else 1.0
    meridian = subtract(ellipse(16 * u, 16 * u, 6 * u, 13.5 * u),
                        ellipse(16 * u, 16 * u, 6 * u - lw, 13.5 * u - lw))
    lines = union(
        meridian,
        segment(16 * u, 2.5 * u, 16 * u, 29.5 * u, lw),
        segment(2 * u, 16 * u, 30 * u, 16 * u, lw),
    )
    if n > SMALL_ICON:
        lines = union(lines, segment(4.5 * u, 9.5 * u, 27.5 * u, 9.5 * u, lw),
                      segment(4.5 * u, 22.5 * u, 27.5 * u, 22.5 * u, lw))
    c.paint(intersect(lines, globe), WHITE, 0.9)
    # Green "land" blobs make it read as the earth rather than a ball.
    land = union(ellipse(10.5 * u, 12 * u, 4.5 * u, 3.5 * u),
                 ellipse(21 * u, 21.5 * u, 4 * u, 4.5 * u))
    c.paint(intersect(land, grow(globe, -0.5)), rgb((70, 170, 70)), 0.85)


def icon_exit(c, n):
    u = n / 32.0
    disc = circle(16 * u, 16 * u, 14 * u)
    c.paint(grow(disc, 1.0), rgb((120, 10, 10)))
    c.paint(disc, vertical_gradient(2 * u, rgb((250, 110, 100)), 30 * u, rgb((200, 20, 20))))
    w = 3.0 * u if n > SMALL_ICON else 1.9
    symbol = union(arc(16 * u, 17 * u, 7.5 * u, w, -60, 240),
                   segment(16 * u, 6 * u, 16 * u, 15 * u, w))
    c.paint(symbol, WHITE)


def icon_whats_new(c, n):
    u = n / 32.0
    pts = []
    for i in range(10):
        a = math.radians(-90 + 36 * i)
        r = (15.5 if i % 2 == 0 else 6.6) * u
        pts.append((16 * u + r * math.cos(a), 17.2 * u + r * math.sin(a)))
    star = polygon(pts)
    c.paint(grow(star, 0.9), rgb((170, 90, 0)))
    c.paint(star, vertical_gradient(2 * u, rgb((255, 240, 120)), 30 * u, rgb((250, 170, 20))))
    if n > SMALL_ICON:
        # A small sparkle in the corner says "new" rather than "favourite".
        c.paint(union(segment(27 * u, 2 * u, 27 * u, 9 * u, 1.3 * u),
                      segment(23.5 * u, 5.5 * u, 30.5 * u, 5.5 * u, 1.3 * u)),
                rgb((230, 140, 0)))


def icon_help(c, n):
    u = n / 32.0
    disc = circle(16 * u, 16 * u, 14 * u)
    c.paint(grow(disc, 1.0), rgb((16, 50, 130)))
    c.paint(disc, vertical_gradient(2 * u, rgb((100, 160, 250)), 30 * u, rgb((20, 80, 200))))
    w = 3.4 * u if n > SMALL_ICON else 2.2
    hook = union(arc(16 * u, 12 * u, 5 * u, w, 180, 60),
                 segment(18.5 * u, 16.3 * u, 16 * u, 19 * u, w),
                 segment(16 * u, 19 * u, 16 * u, 20 * u, w))
    dot = circle(16 * u, 25 * u, w * 0.6 if n > SMALL_ICON else 1.2)
    c.paint(union(hook, dot), WHITE)


def icon_save_option(c, n):
    u = n / 32.0
    body = polygon([(3 * u, 3 * u), (24 * u, 3 * u), (29 * u, 8 * u), (29 * u, 29 * u),
                    (3 * u, 29 * u)])
    c.paint(grow(body, 0.8), rgb((10, 30, 80)))
    c.paint(body, vertical_gradient(3 * u, rgb((70, 110, 200)), 29 * u, rgb((30, 60, 150))))
    shutter = box(9 * u, 3 * u, 23 * u, 12 * u)
    c.paint(shutter, rgb((200, 205, 215)))
    c.paint(box(18 * u, 4.5 * u, 21 * u, 10.5 * u), rgb((40, 60, 110)))
    label = rounded_box(7 * u, 16 * u, 25 * u, 29 * u, 1.5 * u)
    c.paint(label, rgb((250, 250, 245)))
    w = 2.8 * u if n > SMALL_ICON else 1.6
    check = polyline([(11 * u, 22.5 * u), (14.5 * u, 26 * u), (21.5 * u, 19 * u)], w)
    c.paint(check, rgb((30, 150, 40)))


def icon_hide_tray(c, n):
    u = n / 32.0
    tray = union(box(3 * u, 24 * u, 29 * u, 30 * u), box(3 * u, 17 * u, 7 * u, 30 * u),
                 box(25 * u, 17 * u, 29 * u, 30 * u))
    c.paint(grow(tray, 0.8), rgb((50, 55, 65)))
    c.paint(tray, vertical_gradient(17 * u, rgb((200, 205, 215)), 30 * u, rgb((120, 128, 140))))
    arrow = union(box(12.5 * u, 2 * u, 19.5 * u, 13 * u),
                  polygon([(7 * u, 12 * u), (25 * u, 12 * u), (16 * u, 22 * u)]))
    c.paint(grow(arrow, 0.8), rgb((16, 50, 130)))
    c.paint(arrow, vertical_gradient(2 * u, rgb((100, 170, 250)), 22 * u, rgb((30, 90, 210))))


ICONS = [
    ("vorlip.ico", icon_app),
    ("change_all.ico", icon_change_all),
    ("visit.ico", icon_visit),
    ("exit.ico", icon_exit),
    ("whats_new.ico", icon_whats_new),
    ("help.ico", icon_help),
    ("save_option.ico", icon_save_option),
    ("hide_tray.ico", icon_hide_tray),
]

# ---------------------------------------------------------------------------------------------
# Bitmaps.

PANEL_BLUE_TOP = rgb((90, 160, 235))
PANEL_BLUE_BOTTOM = rgb((20, 70, 165))
TEXT_SHADOW = rgb((10, 35, 90))

# The busy window's outline; the picture and its region mask must share it exactly, so both are
# decided by the same hard inside test on pixel centres.
PROCESSING_W, PROCESSING_H = 300, 170
PROCESSING_PANEL = rounded_box(1, 1, PROCESSING_W - 1, PROCESSING_H - 1, 26)


def draw_processing():
    c = Canvas(PROCESSING_W, PROCESSING_H, background=(255, 255, 255))
    panel = PROCESSING_PANEL
    c.paint(panel, rgb((12, 40, 110)), hard=True)
    inner = grow(panel, -2.0)
    c.paint(inner, vertical_gradient(0, PANEL_BLUE_TOP, PROCESSING_H, PANEL_BLUE_BOTTOM))
    c.paint(intersect(inner, ellipse(150, 10, 200, 70)), WHITE, 0.15)
    c.paint(bird(14, 24, 118), rgb((10, 35, 90)), 0.45, bbox=(14, 24, 136, 146))
    c.paint(bird(11, 20, 118), WHITE, bbox=(11, 20, 130, 140))
    x = 140
    draw_text(c, "VorlIP", x, 38, 5, WHITE, shadow=TEXT_SHADOW)
    draw_text(c, "Processing...", x, 92, 2, rgb((230, 240, 255)), shadow=TEXT_SHADOW)
    # Static progress dots under the word: the window cannot animate, but they still say "busy".
    for i in range(5):
        cx = x + 8 + i * 18
        c.paint(circle(cx, 130, 4.5), WHITE, 0.35 + 0.13 * i, bbox=(cx - 6, 124, cx + 6, 136))
    # Keep the inside free of pure white so the picture itself would also work as a colour-keyed
    # outline if ever used that way.
    for y in range(c.h):
        for x in range(c.w):
            p = c.px[y * c.w + x]
            if PROCESSING_PANEL(x + 0.5, y + 0.5) < 0 and min(p[:3]) >= 254.5 / 255:
                p[0] = p[1] = p[2] = 254 / 255.0
    return c


def draw_processing_mask():
    c = Canvas(PROCESSING_W, PROCESSING_H, background=(255, 255, 255))
    c.paint(PROCESSING_PANEL, (0.0, 0.0, 0.0), hard=True)
    return c


def draw_terminate_side():
    w, h = 100, 200
    c = Canvas(w, h, background=(255, 255, 255))
    c.paint(box(0, 0, w, h), vertical_gradient(0, rgb((100, 170, 240)), h, rgb((16, 56, 140))))
    c.paint(ellipse(50, -10, 90, 60), WHITE, 0.15)
    c.paint(bird(11, 18, 82), rgb((10, 35, 90)), 0.4, bbox=(11, 18, 100, 104))
    c.paint(bird(8, 15, 82), WHITE, bbox=(8, 15, 92, 99))
    tw = text_width("VorlIP", 3)
    draw_text(c, "VorlIP", (w - tw) // 2, 108, 3, WHITE, shadow=TEXT_SHADOW)
    c.paint(box(14, 140, 86, 141.5), WHITE, 0.5)
    tw = text_width("blog", 3)
    draw_text(c, "blog", (w - tw) // 2, 152, 3, rgb((255, 240, 150)), shadow=TEXT_SHADOW)
    # A one-pixel dark frame keeps the picture from bleeding into the dialog face.
    frame = subtract(box(0, 0, w, h), box(1, 1, w - 1, h - 1))
    c.paint(frame, rgb((12, 40, 110)), hard=True)
    return c


# ---------------------------------------------------------------------------------------------
# File formats.


def bmp24(canvas):
    """Uncompressed 24-bit BMP, bottom-up, rows padded to 4 bytes; transparency is flattened onto
    white."""
    row_len = (canvas.w * 3 + 3) & ~3
    pixels = bytearray()
    for y in range(canvas.h - 1, -1, -1):
        row = bytearray()
        for x in range(canvas.w):
            r, g, b, a = canvas.px[y * canvas.w + x]
            k = 1.0 - clamp01(a)
            row += bytes(int(round(clamp01(v + k) * 255)) for v in (b, g, r))
        row += b"\0" * (row_len - len(row))
        pixels += row
    header = struct.pack("<IiiHHIIiiII", 40, canvas.w, canvas.h, 1, 24, 0, len(pixels), 2835,
                         2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(pixels), 0, 0,
                              14 + len(header))
    return file_header + header + bytes(pixels)


def ico_image(canvas):
    """One icon image: BITMAPINFOHEADER (double height), BGRA rows bottom-up, then the 1-bit AND
    mask (1 = transparent) for systems that ignore the alpha channel."""
    n_w, n_h = canvas.w, canvas.h
    xor = bytearray()
    mask = bytearray()
    mask_row_len = ((n_w + 31) // 32) * 4
    for y in range(n_h - 1, -1, -1):
        bits = bytearray(mask_row_len)
        for x in range(n_w):
            r, g, b, a = canvas.rgba8(x, y)
            xor += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, n_w, n_h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0,
                         0, 0)
    return header + bytes(xor) + bytes(mask)


def ico(images):
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    blobs = []
    for canvas in images:
        blob = ico_image(canvas)
        out += struct.pack("<BBBBHHII", canvas.w % 256, canvas.h % 256, 0, 0, 1, 32, len(blob),
                           offset)
        offset += len(blob)
        blobs.append(blob)
    return out + b"".join(blobs)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(here), "res")
    os.makedirs(out_dir, exist_ok=True)

    def write(name, data):
        with open(os.path.join(out_dir, name), "wb") as f:
            f.write(data)
        print("wrote", name, len(data), "bytes")

    for name, draw in ICONS:
        images = []
        for size in ICON_SIZES:
            c = Canvas(size, size)
            draw(c, size)
            images.append(c)
        write(name, ico(images))
    write("processing.bmp", bmp24(draw_processing()))
    write("processing_mask.bmp", bmp24(draw_processing_mask()))
    write("terminate_side.bmp", bmp24(draw_terminate_side()))


if __name__ == "__main__":
    main()
