#!/usr/bin/python3
"""Draws the memo window's button pictures: the title strip's seven buttons,
the folded memo's two and the format bar's bold, italic and underline.

Run with Debian's /usr/bin/python3 (python3-pil). No arguments; writes 24-bit
BMP files into assets/memo/ beside this script, magenta (255, 0, 255) where
the button's background shows through, and a preview sheet, and prints each
file it wrote. The output is byte-for-byte the same on every run. The file
name starts with the program's resource number.

Each picture comes in three sizes, for the monitor's DPI: NNN_name.bmp at
100 %, NNN_name_150.bmp at 150 % ((w * 3 + 1) // 2 by (h * 3 + 1) // 2) and
NNN_name_200.bmp at 200 % (2w by 2h); the program places the buttons by the
picture's size. The preview sheet, preview.png, shows the three side by side.

The 100 % glyphs are drawn pixel by pixel: at 9 to 12 pixels a downscaled
drawing goes soft. Enlarged, they would look blocky or blurred, so the larger
ones are drawn again from each glyph's geometry (strokes, boxes, polygons in
the 100 % picture's units), fitted to the pixel grid, sampled 16 times a side
in each pixel and brought down to the same tones: the ink, the softened ink or
the background. Magenta cannot be blended with, so the few softened pixels mix
the ink with a light mid-tone instead; they then read as a half-covered pixel
on the pale memo colours and vanish into the two dark ones.
"""

import math
import os
import sys

from PIL import Image, ImageDraw

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from drawing import (NANUM, ROOT, PreviewSheet, blend, enlarged, font, keyed_bmp24,  # noqa: E402
                     on_colour, pixel_art, png_bytes, write_files)

OUT = os.path.join(ROOT, "assets", "memo")

# A warm near-black: the darkest tone that still looks brown beside the
# icon's amber, and dark enough to stand out on the blue and green memos.
INK = (46, 38, 30)
MID = (208, 204, 198)

COLOURS = {
    "K": INK,
    "k": blend(INK, MID, 0.35),   # softened ink
    # The icon's paper, title strip and edge.
    "Y": (255, 232, 130), "S": (250, 188, 66), "E": (196, 132, 26),
    # The quill's teal, the close button's coral, the second note's sky.
    "T": (72, 178, 166), "t": (28, 128, 126),
    "C": (232, 112, 88), "c": (196, 82, 60),
    "B": (138, 198, 222),
    "W": (255, 246, 206),         # the folded corner's light
}

# Resource number, file name, label on the preview (the tooltip where there is
# one), rows of pixels.
PICTURES = [
    (205, "pin", "항상 위에", [
        "...........",
        "...KKKKK...",
        "...KWCcK...",
        "....KCK....",
        "....KCK....",
        "..KKKKKKK..",
        ".KWCCCCCcK.",
        ".KKKKKKKKK.",
        ".....K.....",
        ".....K.....",
        "...........",
    ]),
    (203, "memo_menu", "(메모 메뉴)", [
        "..........................",
        "...KKKKKKKKK..............",
        "..........................",
        "................KKKKKKK...",
        "...KKKKKKKKK.....KKKKK....",
        "..................KKK.....",
        "...................K......",
        "...KKKKKKKKK..............",
        "..........................",
    ]),
    (144, "new_memo", "새 메모", [
        "...........",
        "..EEEEEEE..",
        ".ESSSSSSSE.",
        ".EYYYtYYYE.",
        ".EYYYtYYYE.",
        ".EYtttttYE.",
        ".EYYYtYYYE.",
        ".EYYYtYYYE.",
        ".EYYYYYYYE.",
        "..EEEEEEE..",
        "...........",
    ]),
    (150, "text_format", "Text format", [
        "..........",
        "...kKKk...",
        "...KKKK...",
        "..KK..KK..",
        "..KKKKKK..",
        ".KK....KK.",
        ".KK....KK.",
        "..........",
        ".cccccccc.",
        "..........",
    ]),
    (158, "skin_color", "Skin Color", [
        "...........",
        "..KKKKKKK..",
        ".KCCCKSSSK.",
        ".KCCCKSSSK.",
        ".KCCCKSSSK.",
        ".KKKKKKKKK.",
        ".KTTTKBBBK.",
        ".KTTTKBBBK.",
        ".KTTTKBBBK.",
        "..KKKKKKK..",
        "...........",
    ]),
    (148, "delete", "삭제", [
        "...........",
        ".KKk...kKK.",
        ".KKKk.kKKK.",
        "..kKKkKKk..",
        "...kKKKk...",
        "....KKK....",
        "...kKKKk...",
        "..kKKkKKk..",
        ".KKKk.kKKK.",
        ".KKk...kKK.",
        "...........",
    ]),
    (159, "fold", "접기", [
        "...........",
        ".KKKKKKKKK.",
        ".KKKKKKKKK.",
        "...........",
        ".....K.....",
        "....KKK....",
        "...KKkKK...",
        "..KKk.kKK..",
        ".KKk...kKK.",
        "...........",
        "...........",
    ]),
    (160, "expand", "펼치기", [
        "............",
        ".KKKKKKKKKK.",
        ".KKKKKKKKKK.",
        "............",
        ".KKk....kKK.",
        "..KKk..kKK..",
        "...KKkkKK...",
        "....KKKK....",
        ".....KK.....",
        "............",
        "............",
    ]),
    (236, "title", "타이틀 입력", [
        "...........",
        ".......KKK.",
        "......KCCCK",
        ".....KYKCCK",
        "....KYSSKK.",
        "...KYSSK...",
        "..KYSSK....",
        ".KWWSK.....",
        ".KWWK......",
        ".KKK.......",
        "...........",
    ]),
    (152, "bold", "B", [
        "............",
        "..KKKKKKk...",
        "..KK...KKk..",
        "..KK...KK...",
        "..KK..kKK...",
        "..KKKKKKk...",
        "..KK...kKK..",
        "..KK....KK..",
        "..KK...kKK..",
        "..KKKKKKKk..",
        "............",
        "............",
    ]),
    (153, "italic", "I", [
        "............",
        ".....KKKKK..",
        ".......KK...",
        ".......KK...",
        "......KK....",
        "......KK....",
        ".....KK.....",
        ".....KK.....",
        "....KK......",
        "..KKKKK.....",
        "............",
        "............",
    ]),
    (157, "underline", "U", [
        "............",
        "..KK....KK..",
        "..KK....KK..",
        "..KK....KK..",
        "..KK....KK..",
        "..KK....KK..",
        "..KKk..kKK..",
        "..kKKKKKKk..",
        "............",
        "..KKKKKKKK..",
        "............",
        "............",
    ]),
]

SIZES = {205: (11, 11), 203: (26, 9), 144: (11, 11), 150: (10, 10), 158: (11, 11),
         148: (11, 11), 159: (11, 11), 160: (12, 11), 236: (11, 11),
         152: (12, 12), 153: (12, 12), 157: (12, 12)}


# ---------------------------------------------------------------- larger sizes

# The 150 % and 200 % pictures: file name suffix, scale, and the box's side
# from the 1x side (a half pixel rounds up).
SCALES = [("150", 1.5, lambda n: (n * 3 + 1) // 2), ("200", 2, lambda n: 2 * n)]

# Each glyph again, as shapes in the 1x picture's units (pixel (x, y) is the
# square from (x, y) to (x + 1, y + 1)), painted in order: (ink, kind, data).

def box(ink, x0, y0, x1, y1, radii=(0, 0, 0, 0)):
    """A rectangle, its corners (top left, top right, bottom right, bottom
    left) rounded by radii."""
    return (ink, "box", (x0, y0, x1, y1, radii))


def ring(ink, x0, y0, x1, y1, sides, radii, inner_radii):
    """A rectangle's frame: sides are its left, top, right and bottom widths,
    each a stroke (0 leaves that side open)."""
    return (ink, "ring", (x0, y0, x1, y1, sides, radii, inner_radii))


def row(ink, y, x0, x1, h=1):
    """A level stroke over rows y to y + h."""
    return (ink, "bar", (1, y, y + h, x0, x1))


def col(ink, x, y0, y1, w=1):
    """An upright stroke over columns x to x + w."""
    return (ink, "bar", (0, x, x + w, y0, y1))


def poly(ink, *pts):
    return (ink, "poly", pts)


LOBE = 2.0      # the outer curve of a letter's bowl
COUNTER = 0.75  # the curve inside it

GLYPHS = {
    205: [
        poly("K", (2.25, 5), (8.75, 5), (10, 6.25), (10, 8), (1, 8), (1, 6.25)),
        box("W", 2, 6, 3, 7), box("C", 3, 6, 8, 7), box("c", 8, 6, 9, 7),
        box("W", 3.5, 1.5, 5, 3), box("C", 5, 1.5, 6, 3), box("c", 6, 1.5, 7.5, 3),
        row("K", 1, 3, 8), col("K", 3, 1, 3), col("K", 7, 1, 3),
        box("C", 4.5, 3, 6.5, 5), col("K", 4, 3, 5), col("K", 6, 3, 5),
        col("K", 5, 8, 10),
    ],
    203: [
        row("K", 1, 3, 12), row("K", 4, 3, 12), row("K", 7, 3, 12),
        poly("K", (15.5, 3), (23.5, 3), (19.5, 7)),
    ],
    144: [
        box("E", 1, 1, 10, 10, (1, 1, 1, 1)),
        box("S", 2, 2, 9, 3), box("Y", 2, 3, 9, 9),
        row("t", 5, 3, 8), col("t", 5, 3, 8),
    ],
    150: [
        poly("K", (3.5, 1), (5.5, 1), (2.5, 7), (1, 7), (1, 6)),
        poly("K", (4.5, 1), (6.5, 1), (9, 6), (9, 7), (7.5, 7)),
        row("K", 4, 2, 8),
        row("c", 8, 1, 9),
    ],
    158: [
        box("K", 1, 1, 10, 10, (1, 1, 1, 1)),
        box("C", 2, 2, 5.5, 5.5), box("S", 5.5, 2, 9, 5.5),
        box("T", 2, 5.5, 5.5, 9), box("B", 5.5, 5.5, 9, 9),
        col("K", 5, 2, 9), row("K", 5, 2, 9),
    ],
    148: [
        poly("K", (1, 1), (2.75, 1), (10, 8.25), (10, 10), (8.25, 10), (1, 2.75)),
        poly("K", (10, 1), (10, 2.75), (2.75, 10), (1, 10), (1, 8.25), (8.25, 1)),
    ],
    159: [
        box("K", 1, 1, 10, 3),
        poly("K", (1, 8.5), (5.5, 4), (10, 8.5), (10, 9), (8, 9), (5.5, 6.5), (3, 9), (1, 9)),
    ],
    160: [
        box("K", 1, 1, 11, 3),
        poly("K", (1, 4), (3, 4), (6, 7), (9, 4), (11, 4), (11, 4.5), (6, 9.5), (1, 4.5)),
    ],
    236: [
        poly("K", (1, 10), (1, 7.5), (7.5, 1), (9, 1), (10, 2), (10, 3.5), (3.5, 10)),
        poly("Y", (3, 6.5), (6.5, 3), (7, 3.5), (3.5, 7)),
        poly("S", (3.5, 7), (7, 3.5), (8, 4.5), (4.5, 8)),
        poly("W", (2, 9), (3.5, 9), (4.5, 8), (3, 6.5), (2, 7.5)),
        poly("C", (7, 2.5), (7.5, 2), (9, 2), (9, 3.5), (8.5, 4)),
    ],
    152: [
        ring("K", 2, 1, 9, 6, (2, 1, 2, 1), (0, LOBE, LOBE, 0), (0, COUNTER, COUNTER, 0)),
        ring("K", 2, 5, 10, 10, (2, 1, 2, 1), (0, LOBE, LOBE, 0), (0, COUNTER, COUNTER, 0)),
    ],
    153: [
        poly("K", (8, 1), (10, 1), (5.5, 10), (3.5, 10)),
        row("K", 1, 5, 10), row("K", 9, 2, 7),
    ],
    157: [
        ring("K", 2, 1, 10, 8, (2, 0, 2, 1), (0, 0, LOBE, LOBE), (0, 0, 1, 1)),
        row("K", 9, 2, 10),
    ],
}

SUB = 16                    # samples a side in each pixel
FULL, SOFT = 2 / 3, 1 / 3   # the coverage that takes the full ink, and the softened


def soft(colour):
    """A partly covered pixel's colour: the ink moved toward MID, as 'k' is."""
    return blend(colour, MID, 0.35)


def rounded(x0, y0, x1, y1, radii):
    """A rectangle's outline with its corners rounded, as points."""
    pts = []
    for x, y, sx, sy, r, start in ((x0, y0, 1, 1, radii[0], 180), (x1, y0, -1, 1, radii[1], 270),
                                   (x1, y1, -1, -1, radii[2], 0), (x0, y1, 1, -1, radii[3], 90)):
        cx, cy = x + sx * r, y + sy * r
        pts += [(cx + r * math.cos(math.radians(start + 90 * i / 8)),
                 cy + r * math.sin(math.radians(start + 90 * i / 8))) for i in range(9 if r else 1)]
    return pts


class Grid:
    """The 1x units laid over a picture `scale` times as large and centred in
    its box, with the hinting that keeps the strokes crisp: level and upright
    edges on pixel boundaries, 45-degree ones between pixel centres, and every
    stroke of one width equally many pixels thick."""

    def __init__(self, shapes, size1, size, scale):
        self.scale = scale
        self.mid = [n / 2 for n in size]
        self.off = [(n - n1 * scale) / 2 for n, n1 in zip(size, size1)]
        # A stroke whose width scales to a fraction is made one whole width
        # throughout the glyph: the wider one, unless a stroke of it runs down
        # the middle of the box and needs the box's odd or even width to stay
        # centred there.
        self.widths = {}
        for _, kind, data in shapes:
            if kind == "bar":
                axis, a, b = data[:3]
                if a + b == size1[axis]:
                    lo = math.floor((b - a) * scale)
                    self.widths.setdefault(b - a, lo if lo % 2 == size[axis] % 2 else lo + 1)

    def at(self, v, axis):
        return v * self.scale + self.off[axis]

    def snap(self, v, axis):
        """Picture coordinate v to a pixel boundary, a tie toward the middle
        so that a symmetric glyph stays symmetric."""
        lo = math.floor(v)
        if v - lo != 0.5:
            return math.floor(v + 0.5)
        return lo if v > self.mid[axis] else lo + 1

    def edge(self, v, axis):
        return self.snap(self.at(v, axis), axis)

    def stroke(self, axis, a, b):
        """A stroke's two edges across it."""
        exact = (b - a) * self.scale
        width = exact if exact % 1 == 0 else self.widths.get(b - a, math.ceil(exact))
        start = self.snap(self.at((a + b) / 2, axis) - width / 2, axis)
        return start, start + width

    def contours(self, kind, data):
        if kind == "poly":
            return [self.hinted([(self.at(x, 0), self.at(y, 1)) for x, y in data])]
        if kind == "bar":
            axis, a, b, c, d = data
            (a, b), c, d = self.stroke(axis, a, b), self.edge(c, 1 - axis), self.edge(d, 1 - axis)
            pts = [(a, c), (b, c), (b, d), (a, d)]
            return [pts if axis == 0 else [(y, x) for x, y in pts]]
        if kind == "box":
            x0, y0, x1, y1, radii = data
            return [rounded(self.edge(x0, 0), self.edge(y0, 1), self.edge(x1, 0), self.edge(y1, 1),
                            [r * self.scale for r in radii])]
        x0, y0, x1, y1, (l, t, r, b), radii, inner = data
        # Each side is a stroke. An open side ends where a closed one would,
        # so an open letter lines up with its neighbours.
        left, top = self.stroke(0, x0, x0 + (l or 1)), self.stroke(1, y0, y0 + (t or 1))
        right, bottom = self.stroke(0, x1 - (r or 1), x1), self.stroke(1, y1 - (b or 1), y1)
        hole = [left[1] if l else left[0], top[1] if t else top[0],
                right[0] if r else right[1], bottom[0] if b else bottom[1]]
        return [rounded(left[0], top[0], right[1], bottom[1], [v * self.scale for v in radii]),
                rounded(*hole, [v * self.scale for v in inner])]

    def hinted(self, pts):
        """The polygon with its edges moved where the pixels they cross come
        out whole rather than half covered: level and upright ones to pixel
        boundaries, 45-degree ones to run between pixel centres, 1-in-2 ones
        through pixel corners. A slanted edge halfway goes up, all alike, so
        a slanted stroke keeps its width. The corners follow the edges, and
        the slants keep their angles."""
        lines = []
        for (x0, y0), (x1, y1) in zip(pts, pts[1:] + pts[:1]):
            dx, dy = x1 - x0, y1 - y0
            if abs(dx) < 1e-9:
                lines.append((1, 0, self.snap(x0, 0)))
                continue
            if abs(dy) < 1e-9:
                lines.append((0, 1, self.snap(y0, 1)))
                continue
            line = (dy, -dx, dy * x0 - dx * y0)
            for rise, run, phase in ((1, 1, 0.5), (2, 1, 0.0), (1, 2, 0.0)):
                if abs(abs(dy) * run - abs(dx) * rise) < 1e-9:
                    # As a * x + b * y = k with b = run, so that a smaller k
                    # is higher up: k moves to the phase, a tie downward.
                    f = run / abs(dx) * (-1 if dx > 0 else 1)
                    a, b = dy * f, -dx * f
                    k = a * x0 + b * y0
                    line = (a, b, math.ceil(k - phase - 0.5 - 1e-9) + phase)
            lines.append(line)
        out = []
        for (a0, b0, k0), (a1, b1, k1), p in zip(lines[-1:] + lines[:-1], lines, pts):
            det = a0 * b1 - a1 * b0
            if abs(det) < 1e-9:
                out.append(p)
            else:
                out.append(((k0 * b1 - k1 * b0) / det, (a0 * k1 - a1 * k0) / det))
        return out


def fill(draw, contours, value):
    """Sets the samples whose centres lie inside the contours (in samples),
    by the even-odd rule, so that a second contour cuts a hole."""
    edges = [e for pts in contours for e in zip(pts, pts[1:] + pts[:1])]
    ys = [y for pts in contours for _, y in pts]
    for r in range(max(0, math.floor(min(ys))), math.ceil(max(ys))):
        y = r + 0.5
        xs = sorted(x0 + (y - y0) * (x1 - x0) / (y1 - y0)
                    for (x0, y0), (x1, y1) in edges if min(y0, y1) <= y < max(y0, y1))
        for xa, xb in zip(xs[::2], xs[1::2]):
            i0, i1 = math.ceil(xa - 0.5), math.ceil(xb - 0.5) - 1
            if i1 >= i0:
                draw.line([(i0, r), (i1, r)], fill=value)


def rendered(rid, scale, size):
    """Picture rid drawn from its geometry at scale into a box of size, each
    pixel full ink, softened ink or see-through by how much of it is covered."""
    shapes = GLYPHS[rid]
    grid = Grid(shapes, SIZES[rid], size, scale)
    inks = sorted({ink for ink, _, _ in shapes})
    # Each sample holds the number of the ink painted last over it, 0 for none.
    labels = Image.new("L", (size[0] * SUB, size[1] * SUB), 0)
    draw = ImageDraw.Draw(labels)
    for ink, kind, data in shapes:
        contours = grid.contours(kind, data)
        fill(draw, [[(x * SUB, y * SUB) for x, y in pts] for pts in contours], inks.index(ink) + 1)
    cover = [list(labels.point(lambda v, i=i: 255 * (v == i)).resize(size, Image.BOX).getdata())
             for i in range(len(inks) + 1)]
    im = Image.new("RGBA", size, (0, 0, 0, 0))
    for p in range(size[0] * size[1]):
        amount = 1 - cover[0][p] / 255
        if amount < SOFT:
            continue
        ink = max(range(len(inks)), key=lambda i: (cover[i + 1][p], -i))
        colour = COLOURS[inks[ink]] if amount >= FULL else soft(COLOURS[inks[ink]])
        im.putpixel((p % size[0], p // size[0]), colour + (255,))
    return im


# ---------------------------------------------------------------- memo colours

# COLORREF 0x00BBGGRR, the twelve default palette entries.
PALETTE = [0xC6C6C6, 0xE1E1E1, 0xB5A6A6, 0xEAEABE, 0xBFCDEA, 0xEACDBE,
           0xBEEACE, 0xBEEAEA, 0xEAC3E0, 0xCE9AFF, 0xB36160, 0x329632]


def rgb(colorref):
    return (colorref & 0xFF, (colorref >> 8) & 0xFF, (colorref >> 16) & 0xFF)


def scale(c, f):
    return tuple(min(255, int(v * f)) for v in c)


def lighten(c, f):
    return scale(c, max(f, 1.0))


# ---------------------------------------------------------------- preview

def title_strip(width, base, flat):
    """The strip as the memo paints it: flat in the title colour, or the
    base colour's vertical gradient."""
    h = 17
    title = lighten(base, 1.2)
    im = Image.new("RGBA", (width, h), title + (255,))
    d = ImageDraw.Draw(im)
    if flat:
        d.line([(0, 0), (0, h - 1)], fill=scale(title, 1.2))
        d.line([(width - 1, 0), (width - 1, h - 1)], fill=scale(title, 0.7))
        return im
    n = h - 3
    step = 0.15 / n
    rows = [1.3] + [1 + (n // 2) * step - i * step for i in range(n)] + [0.85, 0.55]
    for y, f in enumerate(rows):
        d.line([(0, y), (width - 1, y)], fill=scale(base, f))
    d.line([(0, 0), (0, h - 2)], fill=scale(base, 1.3))
    d.line([(width - 1, 0), (width - 1, h - 1)], fill=scale(base, 0.55))
    d.line([(width - 2, 1), (width - 2, h - 2)], fill=scale(base, 0.85))
    return im


def memo_top(pics, base, flat, width=214):
    """An expanded memo's top with the format bar shown, and a folded memo."""
    title = lighten(base, 1.2)
    button_bg = title if flat else base
    im = Image.new("RGBA", (width, 46), title + (255,))
    strip = title_strip(width, base, flat)
    r = width
    for rid, x, y in ((205, 3, 3), (203, 17, 4), (144, r - 70, 3), (150, r - 57, 3),
                      (158, r - 43, 3), (148, r - 29, 3), (159, r - 15, 3)):
        strip.paste(on_colour(pics[rid], button_bg), (x, y))
    im.paste(strip, (0, 0))
    bar = Image.new("RGBA", (width - 4, 20), lighten(base, 1.1) + (255,))
    for rid, x in ((152, 4), (153, 17), (157, 30)):
        bar.paste(on_colour(pics[rid], lighten(base, 1.1)), (x, 4))
    d = ImageDraw.Draw(bar)
    for x0, w in ((48, 35), (82, 35), (118, min(87, width - 4 - 122))):
        d.rectangle([x0, 1, x0 + w - 1, 15], fill=(255, 255, 255), outline=(128, 128, 128))
    im.paste(bar, (2, 18))
    d = ImageDraw.Draw(im)
    d.line([(0, 17), (0, 45)], fill=scale(title, 1.2) if flat else scale(base, 1.5))
    d.line([(width - 1, 17), (width - 1, 45)], fill=scale(title, 0.7))
    return im


def folded_memo(pics, base, width=120):
    h = 18
    im = Image.new("RGBA", (width, h), scale(base, 1.25) + (255,))
    d = ImageDraw.Draw(im)
    d.rectangle([width - 30, 0, width - 1, h - 1], fill=base)
    dark = scale(base, 0.9)
    d.line([(width - 29, 0), (width - 29, h)], fill=dark)
    d.line([(0, 0), (width - 1, 0)], fill=scale(base, 1.25))
    d.line([(0, h - 1), (width - 1, h - 1)], fill=dark)
    d.line([(width - 1, 0), (width - 1, h - 1)], fill=dark)
    d.text((6, 2), "장보기 목록", font=font(NANUM + "NanumGothic.ttf", 12), fill=(0, 64, 128))
    im.paste(on_colour(pics[160], base), (width - 14, 4))
    im.paste(on_colour(pics[236], base), (width - 26, 4))
    return im


def button(pic, bg, state):
    """The button as the program draws it when it is just the picture's size:
    a raised edge under the mouse, a sunken one and the picture one pixel
    down and right while pressed or checked."""
    w, h = pic.size
    im = Image.new("RGBA", (w, h), bg + (255,))
    if state != "normal":
        light, shade = (255, 255, 255), (160, 160, 160)
        tl, br = (shade, light) if state == "pushed" else (light, shade)
        d = ImageDraw.Draw(im)
        d.line([(0, h - 1), (0, 0), (w - 1, 0)], fill=tl)
        d.line([(w - 1, 0), (w - 1, h - 1), (0, h - 1)], fill=br)
    shift = 1 if state == "pushed" else 0
    im.alpha_composite(pic.crop((0, 0, w - shift, h - shift)), (shift, shift))
    return im


SCALES_LEFT = 150


def scales_cell(factor):
    """The gap around and between the three pictures, and the cell they fit."""
    gap = 2 * factor + 4
    width = max(w + sum(size(w) for _, _, size in SCALES) for w, _ in SIZES.values())
    height = max(SCALES[-1][2](h) for _, h in SIZES.values())
    return gap, width * factor + 4 * gap, height * factor + 2 * gap


def scales(sheet, pics, larger, factor, shown):
    """Rows of each picture at 100, 150 and 200 % side by side, enlarged
    factor times, on the title colours of the palette entries shown."""
    trios = {rid: [pics[rid]] + [larger[rid][tag] for tag, _, _ in SCALES] for rid in pics}
    gap, width, height = scales_cell(factor)
    x = SCALES_LEFT
    for i in shown:
        sheet.text((x + gap, sheet.y), "Type%02d" % i)
        x += width + 4
    sheet.y += 16
    for rid, name, _, _ in PICTURES:
        sheet.text((16, sheet.y + 2), "%d %s" % (rid, name))
        sheet.text((16, sheet.y + 16), " ".join("%dx%d" % im.size for im in trios[rid]))
        x = SCALES_LEFT
        for i in shown:
            cell = Image.new("RGBA", (width, height), lighten(rgb(PALETTE[i]), 1.2) + (255,))
            cx = gap
            for im in trios[rid]:
                cell.alpha_composite(enlarged(im, factor), (cx, gap))
                cx += im.width * factor + gap
            sheet.place(cell, (x, sheet.y))
            x += width + 4
        sheet.y += height + 4
    sheet.y += 10


def preview(pics, larger):
    korean = font(NANUM + "NanumGothic.ttf", 11)
    order = [p[0] for p in PICTURES]
    tips = {p[0]: p[2] for p in PICTURES}
    pad = 6
    left = 128
    cells = []
    for rid in order:
        w, h = pics[rid].size
        cells.append(4 * w + w + 3 * pad)
    W = left + sum(cells) + 16
    row_h = 4 * 12 + 2 * pad
    sheet = PreviewSheet(max(W, SCALES_LEFT + 3 * (scales_cell(3)[1] + 4) + 12), 4600,
                         label_size=11, top=10)
    sheet.label("Each bitmap at 4x (nearest) and 1x on the twelve title colours, "
                "lighten(palette, 1.2); magenta shows the background", height=22)
    x = left
    for rid, cw in zip(order, cells):
        sheet.text((x + pad, sheet.y), "%d %dx%d" % ((rid,) + pics[rid].size))
        sheet.text((x + pad, sheet.y + 14), tips[rid], korean)
        x += cw
    sheet.y += 34
    for i, c in enumerate(PALETTE):
        title = lighten(rgb(c), 1.2)
        sheet.text((16, sheet.y + 12), "Type%02d %06X" % (i, c))
        sheet.text((16, sheet.y + 26), "title %d,%d,%d" % title)
        x = left
        for rid, cw in zip(order, cells):
            im = pics[rid]
            cell = Image.new("RGBA", (cw - 2, row_h - 2), title + (255,))
            cell.alpha_composite(enlarged(im, 4), (pad, pad))
            cell.alpha_composite(im, (2 * pad + 4 * im.width, pad + (4 * im.height - im.height) // 2))
            sheet.place(cell, (x, sheet.y))
            x += cw
        sheet.y += row_h
    sheet.y += 12

    sheet.label("In place at 1x: memo top with the format bar (strip flat in the title colour "
                "| strip in the base colour's gradient), and a folded memo")
    for i, c in enumerate(PALETTE):
        base = rgb(c)
        sheet.text((16, sheet.y + 16), "Type%02d" % i)
        sheet.place(memo_top(pics, base, True), (left, sheet.y))
        sheet.place(memo_top(pics, base, False), (left + 230, sheet.y))
        sheet.place(folded_memo(pics, base), (left + 460, sheet.y + 4))
        sheet.y += 52
    sheet.y += 8
    sheet.label("Normal, under the mouse and pressed or checked, at 4x, on Type01, Type07 "
                "and Type10, with the button just the picture's size")
    x = 16
    for rid in order:
        w, h = pics[rid].size
        for k, i in enumerate((1, 7, 10)):
            bg = lighten(rgb(PALETTE[i]), 1.2)
            for j, st in enumerate(("normal", "hot", "pushed")):
                sheet.place(enlarged(button(pics[rid], bg, st), 4),
                            (x + j * (4 * w + 4), sheet.y + k * (4 * 12 + 4)))
        x += 3 * (4 * w + 4) + 10
        if x > W - 3 * (4 * 26 + 4) - 20:
            x = 16
            sheet.y += 3 * (4 * 12 + 4) + 8
    sheet.y += 3 * (4 * 12 + 4) + 12
    sheet.label("In place at 3x: Type01, Type09, Type10 and Type11")
    for i in (1, 9, 10, 11):
        base = rgb(PALETTE[i])
        sheet.place(enlarged(memo_top(pics, base, True), 3), (16, sheet.y))
        sheet.place(enlarged(folded_memo(pics, base), 3), (16 + 214 * 3 + 12, sheet.y + 12))
        sheet.y += 46 * 3 + 8
    sheet.y += 4
    sheet.label("100, 150 and 200 % side by side at 1x; the larger two are drawn again from "
                "each glyph's geometry, not enlarged")
    scales(sheet, pics, larger, 1, (1, 7, 10, 11))
    sheet.label("The same at 3x (nearest)")
    scales(sheet, pics, larger, 3, (1, 7, 10))
    return sheet.finished()


# ---------------------------------------------------------------- main

def main():
    pics = {}
    larger = {}
    files = []
    for rid, name, _, rows in PICTURES:
        im = pixel_art(rows, COLOURS)
        assert im.size == SIZES[rid], (rid, im.size)
        pics[rid] = im
        files.append(("%d_%s.bmp" % (rid, name), keyed_bmp24(im)))
    for rid, name, _, _ in PICTURES:
        w, h = SIZES[rid]
        larger[rid] = {}
        for tag, scale, size in SCALES:
            im = rendered(rid, scale, (size(w), size(h)))
            larger[rid][tag] = im
            files.append(("%d_%s_%s.bmp" % (rid, name, tag), keyed_bmp24(im)))
    write_files(OUT, files + [("preview.png", png_bytes(preview(pics, larger)))])

if __name__ == "__main__":
    main()
