#!/usr/bin/python3
"""Draws the pictures of the built-in skins: the default analog clock (face,
day-name and digit strips, centre cap, gloss), the no-skin placeholder, and
the notification backgrounds with their close-button strips.

Run with Debian's /usr/bin/python3 (python3-pil). No arguments; writes
32-bit RGBA PNG files (straight alpha) into assets/skin/ beside this script
and prints each file it wrote. The output is byte-for-byte the same on every
run. The file name starts with the program's resource number.
"""

import math
import os

from PIL import Image, ImageChops, ImageDraw, ImageFilter

import sys  # noqa: E402
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from drawing import (NANUM, ROOT, PreviewSheet, band_gradient, bar, blank, both,  # noqa: E402
                     capsule, circle, disc_box, down, enlarged, font, gradient, minus,
                     on_checker, on_colour, paint, png_bytes, polygon, rrect, shifted,
                     write_files)

OUT = os.path.join(ROOT, "assets", "skin")

SS = 4  # supersampling factor for antialiased shapes

# The program's palette (icon and About box): amber strip, teal quill,
# warm peach, warm greys.
STRIP_TOP = (250, 188, 66)
STRIP_BOTTOM = (242, 168, 44)
EDGE = (196, 132, 26)
TEAL_DARK = (28, 128, 126)
TEAL_LIGHT = (72, 178, 166)
SHADOW = (60, 40, 10)
PEACH_TOP = (255, 236, 200)
PEACH_BOTTOM = (246, 206, 160)
CARD_TOP = (255, 253, 248)
CARD_BOTTOM = (250, 245, 236)
WARM_GREY = (112, 98, 82)
CORAL = (232, 112, 88)
CORAL_DARK = (196, 82, 60)


# ---------------------------------------------------------------- helpers

def rgba_png(img):
    return png_bytes(img.convert("RGBA"))


# ---------------------------------------------------------------- clock face

CLOCK = 144
# The hands turn about the centre of pixel (72, 68): the meters' box is
# X 8, Y 4, 128 x 128, and its centre (72.0, 68.0) falls on that pixel.
PIVOT = (72, 68)
RIM_R = 65.0        # outer edge of the rim
FACE_R = 58.0       # the dial inside the rim
TICK_OUT = 54.0     # the hands reach 46; ticks stay outside them
# Day window: the day name at (60, 83) 10 x 6, the two digits at (75, 83) 5 x 6 each.
DAY_NAME_POS = (60, 83)
DAY_DIGITS_POS = (75, 83)
PLATE = (57, 81, 87, 91)  # pixels x 57..86, y 81..90

DIAL_TOP = (253, 250, 241)
DIAL_BOTTOM = (247, 237, 214)
RIM_STOPS = [(0.0, (255, 236, 150)), (0.45, (253, 214, 100)), (1.0, (238, 168, 50))]
TICK = (104, 90, 74)
MINUTE_DOT = (200, 184, 160)


def clock_background():
    S = 2 * SS  # finer, so the face stays symmetric to the eye at 3x
    n = CLOCK * S
    size = (n, n)
    cx, cy = (PIVOT[0] + 0.5) * S, (PIVOT[1] + 0.5) * S
    img = Image.new("RGBA", size, (0, 0, 0, 0))

    rim = circle(size, cx, cy, RIM_R * S)
    # Soft shadow below, the widget stands on the desktop.
    paint(img, shifted(rim, 0, 2.2 * S, 2.6 * S), SHADOW, 0.34)
    paint(img, shifted(rim, 0, 0.6 * S, 0.8 * S), SHADOW, 0.20)

    paint(img, rim, band_gradient(size, RIM_STOPS))
    # Hairline at the rim's edge keeps it apart from light wallpapers.
    ring = minus(rim, circle(size, cx, cy, (RIM_R - 1.0) * S))
    paint(img, ring, EDGE, 0.55)
    # A light lip along the rim's top, a little depth without a bevel.
    lip = minus(circle(size, cx, cy, (RIM_R - 1.2) * S),
                circle(size, cx, cy + 1.2 * S, (RIM_R - 1.2) * S))
    paint(img, lip, (255, 250, 222), 0.8)

    face = circle(size, cx, cy, FACE_R * S)
    # The rim's inner edge, slightly darker, then the dial.
    paint(img, circle(size, cx, cy, (FACE_R + 1.0) * S), EDGE, 0.45)
    paint(img, face, gradient(size, DIAL_TOP, DIAL_BOTTOM))
    # Inner shade where the rim overhangs the top of the dial.
    shade = minus(face, shifted(face, 0, 2.5 * S, 2.0 * S))
    paint(img, shade.filter(ImageFilter.GaussianBlur(1.2 * S)), SHADOW, 0.16)
    # Faint warm glow in the lower half so the dial is not dead flat.
    glow = circle(size, cx, cy + 26 * S, 34 * S).filter(ImageFilter.GaussianBlur(14 * S))
    paint(img, both(glow, face), (255, 226, 170), 0.18)

    # Minute dots, hour ticks, teal quarter marks.
    marks_grey = blank(size)
    marks_teal = blank(size)
    dots = blank(size)
    dd = ImageDraw.Draw(dots)
    for i in range(60):
        a = math.radians(i * 6 - 90)
        ux, uy = math.cos(a), math.sin(a)
        if i % 15 == 0:
            m = capsule(size, (cx + ux * 45.5 * S, cy + uy * 45.5 * S),
                        (cx + ux * (TICK_OUT - 1.6) * S, cy + uy * (TICK_OUT - 1.6) * S),
                        3.2 * S)
            marks_teal = ImageChops.lighter(marks_teal, m)
        elif i % 5 == 0:
            m = capsule(size, (cx + ux * 48.5 * S, cy + uy * 48.5 * S),
                        (cx + ux * (TICK_OUT - 1.0) * S, cy + uy * (TICK_OUT - 1.0) * S),
                        2.0 * S)
            marks_grey = ImageChops.lighter(marks_grey, m)
        else:
            r = 0.75 * S
            px, py = cx + ux * 52.6 * S, cy + uy * 52.6 * S
            dd.ellipse(disc_box(px, py, r), fill=255)
    paint(img, dots, MINUTE_DOT)
    paint(img, marks_grey, TICK)
    paint(img, shifted(marks_teal, 0, 0.5 * S, 0.4 * S), SHADOW, 0.18)
    paint(img, marks_teal, gradient(size, TEAL_LIGHT, TEAL_DARK))

    face_img = symmetric(down(img, (CLOCK, CLOCK)), PIVOT[0])

    # The day window, a small inset plate; it sits off the axis by design.
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    x0, y0, x1, y1 = [v * S for v in PLATE]
    plate = rrect(size, (x0, y0, x1, y1), 2.5 * S)
    paint(img, rrect(size, (x0 - S * 0.5, y0 - S * 0.5, x1 + S * 0.5, y1 + S), 3 * S),
          (255, 255, 255), 0.55)
    paint(img, plate, (202, 184, 156))
    inner = rrect(size, (x0 + S, y0 + S, x1 - S, y1 - S), 1.6 * S)
    paint(img, inner, (255, 255, 255))
    top_shade = minus(inner, shifted(inner, 0, 1.0 * S))
    paint(img, top_shade, (226, 214, 194), 0.9)
    # A faint dot between the name and the digits.
    sx, sy = (72 + 0.5) * S, (85.5 + 0.5) * S
    paint(img, circle(size, sx, sy, 0.7 * S), (200, 186, 166))

    face_img.alpha_composite(down(img, (CLOCK, CLOCK)))
    return face_img


def symmetric(img, axis):
    """Average with the mirror image about pixel column axis, so the
    rasteriser's rounding cannot tilt the face by a fraction of a pixel."""
    w, h = img.size
    mirrored = Image.new("RGBA", img.size, (0, 0, 0, 0))
    flipped = img.transpose(Image.FLIP_LEFT_RIGHT)  # column x goes to w - 1 - x
    shift = 2 * axis - (w - 1)                      # then to 2 * axis - x
    mirrored.paste(flipped, (shift, 0))
    return Image.blend(img, mirrored, 0.5)


# ---------------------------------------------------------------- pixel fonts

# Two-letter day names: three letters in a 10-pixel cell would need glyphs
# 3 wide with no gaps, and M, N, O run together. Six rows tall, 4-5 wide.
LETTERS = {
    "S": [".XXX", "X...", ".XX.", "...X", "...X", "XXX."],
    "U": ["X..X", "X..X", "X..X", "X..X", "X..X", ".XX."],
    "M": ["X...X", "XX.XX", "X.X.X", "X...X", "X...X", "X...X"],
    "O": [".XX.", "X..X", "X..X", "X..X", "X..X", ".XX."],
    "T": ["XXXXX", "..X..", "..X..", "..X..", "..X..", "..X.."],
    "W": ["X...X", "X...X", "X...X", "X.X.X", "XX.XX", "X...X"],
    "E": ["XXXX", "X...", "XXX.", "X...", "X...", "XXXX"],
    "H": ["X..X", "X..X", "XXXX", "X..X", "X..X", "X..X"],
    "F": ["XXXX", "X...", "XXX.", "X...", "X...", "X..."],
    "R": ["XXX.", "X..X", "X..X", "XXX.", "X.X.", "X..X"],
    "A": [".XX.", "X..X", "X..X", "XXXX", "X..X", "X..X"],
}
DAY_NAMES = ["SU", "MO", "TU", "WE", "TH", "FR", "SA"]  # frame 0 is Sunday

DIGITS = [
    [".XX.", "X..X", "X..X", "X..X", "X..X", ".XX."],
    ["..X.", ".XX.", "..X.", "..X.", "..X.", ".XXX"],
    [".XX.", "X..X", "...X", "..X.", ".X..", "XXXX"],
    ["XXX.", "...X", ".XX.", "...X", "...X", "XXX."],
    ["..X.", ".XX.", "X.X.", "XXXX", "..X.", "..X."],
    ["XXXX", "X...", "XXX.", "...X", "...X", "XXX."],
    [".XX.", "X...", "XXX.", "X..X", "X..X", ".XX."],
    ["XXXX", "...X", "..X.", "..X.", ".X..", ".X.."],
    [".XX.", "X..X", ".XX.", "X..X", "X..X", ".XX."],
    [".XX.", "X..X", "X..X", ".XXX", "...X", ".XX."],
]

TEXT_GREY = (62, 58, 54)
SUNDAY_RED = (212, 44, 36)
SATURDAY_BLUE = (32, 84, 204)


def stamp(img, glyph, x, y, color):
    for r, row in enumerate(glyph):
        for c, ch in enumerate(row):
            if ch == "X":
                img.putpixel((x + c, y + r), color + (255,))


def day_name_strip():
    img = Image.new("RGBA", (70, 6), (0, 0, 0, 0))
    for i, name in enumerate(DAY_NAMES):
        color = SUNDAY_RED if i == 0 else SATURDAY_BLUE if i == 6 else TEXT_GREY
        x = i * 10
        for ch in name:
            stamp(img, LETTERS[ch], x, 0, color)
            x += len(LETTERS[ch][0]) + 1
        assert x - 1 <= (i + 1) * 10, name
    return img


def digit_strip():
    img = Image.new("RGBA", (50, 6), (0, 0, 0, 0))
    for d, glyph in enumerate(DIGITS):
        stamp(img, glyph, d * 5, 0, TEXT_GREY)  # column 4 of each cell stays free
    return img


# ---------------------------------------------------------------- knob, gloss

KNOB_POS = (69, 64)
KNOB_SIZE = (8, 9)
GLOSS_POS = (17, 17)
GLOSS_SIZE = (101, 99)
GLOSS_PEAK = 88  # strongest alpha of the highlight


def knob():
    S = 8
    w, h = KNOB_SIZE
    size = (w * S, h * S)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    # Centre on the pivot pixel, which is knob pixel (3, 4).
    cx = (PIVOT[0] - KNOB_POS[0] + 0.5) * S
    cy = (PIVOT[1] - KNOB_POS[1] + 0.5) * S
    r = 3.35 * S
    cap = circle(size, cx, cy, r)
    paint(img, shifted(cap, 0.7 * S, 1.0 * S, 0.6 * S), (0, 0, 0), 0.45)
    paint(img, cap, (20, 74, 74))
    body = circle(size, cx, cy, r - 0.8 * S)
    paint(img, body, gradient(size, (120, 206, 192), TEAL_DARK))
    hi = circle(size, cx - 0.9 * S, cy - 1.2 * S, 1.1 * S)
    hi = hi.filter(ImageFilter.GaussianBlur(0.35 * S))
    paint(img, both(hi, body), (255, 255, 255), 0.85)
    return down(img, KNOB_SIZE)


def gloss():
    S = SS
    w, h = GLOSS_SIZE
    size = (w * S, h * S)
    # Same centre as the dial, in the gloss picture's own coordinates.
    cx = (PIVOT[0] - GLOSS_POS[0] + 0.5) * S
    cy = (PIVOT[1] - GLOSS_POS[1] + 0.5) * S
    r = 50.0 * S
    outer = circle(size, cx, cy, r)
    # A crescent: the glass circle less a larger one shifted down-right.
    cut = circle(size, cx + 12 * S, cy + 16 * S, r * 1.02)
    crescent = minus(outer, cut).filter(ImageFilter.GaussianBlur(2.2 * S))
    crescent = both(crescent, circle(size, cx, cy, r - 0.5 * S))
    # Strongest at the top-left, fading towards both tips.
    fade = Image.new("L", size, 0)
    fd = ImageDraw.Draw(fade)
    steps = 40
    for i in range(steps):
        t = i / (steps - 1)
        rr = (1.0 - t) * 95 * S
        fd.ellipse([cx - 36 * S - rr, cy - 40 * S - rr, cx - 36 * S + rr, cy - 40 * S + rr],
                   fill=int(round(255 * t ** 1.4)))
    fade = fade.filter(ImageFilter.GaussianBlur(6 * S))
    alpha = both(crescent, fade)
    peak = max(1, alpha.getextrema()[1])
    alpha = alpha.point(lambda v: int(round(v * GLOSS_PEAK / peak)))
    # A faint wide sheen across the upper dial.
    sheen = both(circle(size, cx - 4 * S, cy - 30 * S, 44 * S), outer)
    sheen = sheen.filter(ImageFilter.GaussianBlur(10 * S)).point(lambda v: int(round(v * 16 / 255)))
    alpha = ImageChops.lighter(alpha, sheen)
    # Pure white with alpha, so a loader that scales straight alpha
    # cannot pull grey into the edge.
    img = Image.new("RGBA", GLOSS_SIZE, (255, 255, 255, 0))
    img.putalpha(alpha.resize(GLOSS_SIZE, Image.BOX))
    return img


# ---------------------------------------------------------------- placeholder

NOSKIN_SIZE = (156, 93)


def mouse_art(img, S, cx, cy):
    """A small mouse with its right button lit: where the skins are chosen."""
    size = img.size
    w, h = 21 * S, 30 * S
    box = (cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2)
    body = blank(size)
    ImageDraw.Draw(body).rounded_rectangle(box, radius=w / 2 - 0.5 * S, fill=255)
    paint(img, shifted(body, 0.6 * S, 1.6 * S, 1.4 * S), SHADOW, 0.30)
    paint(img, body, EDGE)
    inner = blank(size)
    ImageDraw.Draw(inner).rounded_rectangle(
        (box[0] + 1.3 * S, box[1] + 1.3 * S, box[2] - 1.3 * S, box[3] - 1.3 * S),
        radius=w / 2 - 1.8 * S, fill=255)
    paint(img, inner, gradient(size, (255, 252, 240), (250, 236, 204)))
    split = box[1] + h * 0.40
    right = both(inner, polygon(size, [(cx + 0.6 * S, 0), (size[0], 0),
                                       (size[0], split), (cx + 0.6 * S, split)]))
    paint(img, right, gradient(size, TEAL_LIGHT, TEAL_DARK))
    lines = blank(size)
    d = ImageDraw.Draw(lines)
    d.rectangle([box[0], split, box[2], split + 1.2 * S], fill=255)
    d.rectangle([cx - 0.6 * S, box[1], cx + 0.6 * S, split], fill=255)
    paint(img, both(lines, inner), EDGE, 0.85)
    # The cable, a gentle curve up from the mouse.
    cable = blank(size)
    pts = []
    for i in range(21):
        t = i / 20
        pts.append((cx + math.sin(t * math.pi * 1.1) * 4 * S - t * 2 * S,
                    box[1] - t * 11 * S))
    ImageDraw.Draw(cable).line(pts, fill=255, width=int(1.5 * S), joint="curve")
    paint(img, cable, EDGE, 0.9)


def no_skin():
    S = SS
    W, H = NOSKIN_SIZE
    size = (W * S, H * S)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    card_box = (3 * S, 2 * S, (W - 3) * S, (H - 5) * S)
    card = rrect(size, card_box, 9 * S)
    paint(img, shifted(card, 0, 2 * S, 2.4 * S), SHADOW, 0.30)
    paint(img, card, gradient(size, CARD_TOP, CARD_BOTTOM))
    # Warm art column on the left, as in the About box.
    art_w = 50 * S
    col = both(card, polygon(size, [(0, 0), (art_w, 0), (art_w, size[1]), (0, size[1])]))
    paint(img, col, gradient(size, PEACH_TOP, PEACH_BOTTOM))
    paint(img, both(card, polygon(size, [(art_w, 0), (art_w + S, 0), (art_w + S, size[1]),
                                         (art_w, size[1])])), (120, 88, 50), 0.20)
    glow = circle(size, 12 * S, 14 * S, 30 * S).filter(ImageFilter.GaussianBlur(8 * S))
    paint(img, both(glow, col), (255, 250, 238), 0.5)
    mouse_art(img, S, 27 * S, 50 * S)
    # Hairline outline.
    ring = minus(card, rrect(size, (card_box[0] + S, card_box[1] + S,
                                    card_box[2] - S, card_box[3] - S), 8 * S))
    paint(img, ring, (176, 146, 104), 0.55)
    img = down(img, NOSKIN_SIZE)

    d = ImageDraw.Draw(img)
    title = font(NANUM + "NanumGothicBold.ttf", 15)
    hint = font(NANUM + "NanumGothic.ttf", 11)
    x = 60
    d.text((x, 19), "스킨 없음", font=title, fill=(64, 52, 40, 255))
    d.text((x, 46), "오른쪽 클릭하여", font=hint, fill=(112, 98, 82, 255))
    d.text((x, 61), "스킨을 고르세요", font=hint, fill=(112, 98, 82, 255))
    return img


# ---------------------------------------------------------------- notifications

NOTICE_SIZE = (252, 140)
NOTICE_TITLE = (20, 11, 220, 20)        # x, y, w, h
NOTICE_BODY = (125, 33, 220, 90)        # centre x, y, w, h
NOTICE_CLOSE = (215, 11, 15)            # x, y, cell
NOTICE_CARD = (4, 3, 248, 131)  # card edges; stacked slide popups overlap by 10 rows
NOTICE_HEADER_BOTTOM = 32

POSTIT_SIZE = (238, 175)
POSTIT_TITLE = (20, 11)
POSTIT_BODY = (120, 33, 210, 125)
POSTIT_CLOSE = (210, 15, 10)
POSTIT_PAPER = (5, 4, 232, 168)
POSTIT_FOLD = 20
# The icon's butter yellow, a shade paler so blue and grey text keep contrast.
POSTIT_PAPER_STOPS = [(0.0, (255, 241, 168)), (0.5, (255, 236, 150)), (1.0, (255, 228, 128))]

HEADER_TOP = (255, 243, 220)
HEADER_BOTTOM = (253, 234, 204)
BODY_TOP = (255, 254, 251)
BODY_BOTTOM = (251, 247, 240)


def bell(img, S, cx, cy):
    """A small teal bell left of the title."""
    size = img.size
    # Half-width of the bell at height y (pixels from its centre): a dome,
    # straight flanks, and a flared lip.
    prof = []
    for i in range(9):
        a = math.radians(90 - i * 10)
        prof.append((2.7 * math.cos(a), -1.5 - 2.7 * math.sin(a)))
    prof += [(2.9, 0.2), (3.2, 1.6), (3.9, 2.5), (4.6, 3.0), (4.6, 3.6)]
    pts = [(cx + x * S, cy + y * S) for x, y in prof]
    pts += [(cx - x * S, cy + y * S) for x, y in reversed(prof)]
    body = polygon(size, pts)
    clapper = circle(size, cx, cy + 4.6 * S, 1.25 * S)
    sil = ImageChops.lighter(body, clapper)
    paint(img, shifted(sil, 0.3 * S, 0.8 * S, 0.6 * S), SHADOW, 0.22)
    paint(img, sil, gradient(size, TEAL_LIGHT, TEAL_DARK))
    shine = capsule(size, (cx - 1.3 * S, cy - 2.4 * S), (cx - 1.8 * S, cy + 1.2 * S), 0.9 * S)
    paint(img, both(shine, body), (255, 255, 255), 0.45)


def notice_background():
    S = SS
    W, H = NOTICE_SIZE
    size = (W * S, H * S)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    box = tuple(v * S for v in NOTICE_CARD)
    r = 8 * S
    card = rrect(size, box, r)
    paint(img, shifted(card, 0, 2.2 * S, 2.6 * S), SHADOW, 0.32)
    paint(img, shifted(card, 0, 0.5 * S, 0.7 * S), SHADOW, 0.16)
    paint(img, card, gradient(size, BODY_TOP, BODY_BOTTOM))

    hb = NOTICE_HEADER_BOTTOM * S
    header = both(card, polygon(size, [(0, 0), (size[0], 0), (size[0], hb), (0, hb)]))
    paint(img, header, gradient(size, HEADER_TOP, HEADER_BOTTOM))
    # The amber edge at the very top echoes the title strip of the icon's note.
    accent = both(card, polygon(size, [(0, 0), (size[0], 0), (size[0], box[1] + 3 * S),
                                       (0, box[1] + 3 * S)]))
    paint(img, accent, gradient(size, STRIP_TOP, STRIP_BOTTOM))
    seam = both(card, polygon(size, [(0, hb), (size[0], hb), (size[0], hb + S), (0, hb + S)]))
    paint(img, seam, EDGE, 0.28)
    paint(img, both(card, shifted(seam, 0, S)), (255, 255, 255), 0.9)

    bell(img, S, 12.5 * S, 19.2 * S)

    ring = minus(card, rrect(size, (box[0] + S, box[1] + S, box[2] - S, box[3] - S), r - S))
    paint(img, ring, (176, 146, 104), 0.50)
    return down(img, NOTICE_SIZE)


def cut_curve(a, b, fold, bow):
    """Points from a to b, bowed towards the corner they cut off."""
    pts = []
    n = 12
    for i in range(n + 1):
        t = i / n
        k = math.sin(math.pi * t) * fold * bow
        pts.append((a[0] + (b[0] - a[0]) * t + k, a[1] + (b[1] - a[1]) * t + k))
    return pts


def note_outline(x0, y0, x1, y1, r, fold):
    """Note with rounded corners whose bottom-right corner curls up."""
    def arc(cx, cy, rr, a0, a1, n=8):
        return [(cx + rr * math.cos(math.radians(a0 + (a1 - a0) * i / n)),
                 cy + rr * math.sin(math.radians(a0 + (a1 - a0) * i / n))) for i in range(n + 1)]
    a = (x1, y1 - fold)
    b = (x1 - fold, y1)
    pts = []
    pts += arc(x0 + r, y0 + r, r, 180, 270)
    pts += arc(x1 - r, y0 + r, r, 270, 360)
    pts += cut_curve(a, b, fold, 0.10)
    pts += arc(x0 + r, y1 - r, r, 90, 180)
    return pts, a, b


def diagonal(size, box, c0, c1):
    """Gradient along the down-right diagonal inside box, c0 at its top-left."""
    x0, y0, x1, y1 = [int(v) for v in box]
    img = Image.new("RGBA", size, c1 + (255,))
    w, h = x1 - x0, y1 - y0
    patch = Image.new("RGBA", (w, h))
    px = patch.load()
    for y in range(h):
        for x in range(w):
            t = min(1.0, max(0.0, (x + y) / max(1, w + h - 2)))
            px[x, y] = tuple(int(round(a + (b - a) * t)) for a, b in zip(c0, c1)) + (255,)
    img.paste(patch, (x0, y0))
    return img


def postit_background():
    S = SS
    W, H = POSTIT_SIZE
    size = (W * S, H * S)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    x0, y0, x1, y1 = [v * S for v in POSTIT_PAPER]
    fold = POSTIT_FOLD * S
    outline, a, b = note_outline(x0, y0, x1, y1, 4 * S, fold)
    paper = polygon(size, outline)

    # Shadow: soft all round, a little deeper where the corner lifts.
    paint(img, shifted(paper, 0.6 * S, 2.4 * S, 2.8 * S), SHADOW, 0.34)
    lift = polygon(size, [a, (x1 - 1 * S, y1 - 1 * S), b,
                          (x1 - fold * 0.6, y1 - fold * 0.6)])
    paint(img, shifted(lift, 1.0 * S, 1.5 * S, 2.0 * S), SHADOW, 0.18)

    paint(img, paper, band_gradient(size, POSTIT_PAPER_STOPS))
    # Adhesive strip along the top, in the icon's amber.
    strip = both(paper, polygon(size, [(0, 0), (size[0], 0), (size[0], y0 + 5 * S),
                                       (0, y0 + 5 * S)]))
    paint(img, strip, gradient(size, STRIP_TOP, STRIP_BOTTOM))
    paint(img, both(paper, polygon(size, [(0, y0 + 5 * S), (size[0], y0 + 5 * S),
                                          (size[0], y0 + 6 * S), (0, y0 + 6 * S)])),
          EDGE, 0.30)
    # A dotted rule under the title line.
    dots = blank(size)
    dd = ImageDraw.Draw(dots)
    for x in range(14, 226, 4):
        dd.ellipse([x * S, 32.0 * S, x * S + 1.6 * S, 33.6 * S], fill=255)
    paint(img, both(dots, paper), EDGE, 0.32)

    # The curled corner: its underside lies over the note, the tip rolled
    # short of where a flat fold would reach; its edges bow like bent paper.
    tip = (x1 - fold * 0.84, y1 - fold * 0.84)
    edge_b = cut_curve(b, tip, fold, -0.07)
    edge_a = cut_curve(tip, a, fold, -0.07)
    flap_pts = cut_curve(a, b, fold, 0.10) + edge_b[1:] + edge_a[1:-1]
    flap = polygon(size, flap_pts)
    fshade = shifted(flap, -1.0 * S, -1.0 * S, 1.8 * S)
    paint(img, both(minus(fshade, flap), paper), SHADOW, 0.30)
    fbox = (tip[0] - 2 * S, tip[1] - 2 * S, x1 + 2 * S, y1 + 2 * S)
    paint(img, flap, diagonal(size, fbox, (244, 214, 128), (255, 251, 226)))
    # A soft highlight along the rolled edge.
    roll = blank(size)
    ImageDraw.Draw(roll).line(cut_curve(a, b, fold, 0.10), fill=255, width=int(1.6 * S))
    paint(img, both(roll.filter(ImageFilter.GaussianBlur(0.8 * S)), flap), (255, 255, 255), 0.7)

    # Hairline edges.
    edge = blank(size)
    ImageDraw.Draw(edge).line(outline + [outline[0]], fill=255, width=int(2 * S * 0.7),
                              joint="curve")
    paint(img, both(edge, paper), EDGE, 0.45)
    fl = blank(size)
    ImageDraw.Draw(fl).line(edge_b + edge_a[1:], fill=255, width=int(S * 1.0), joint="curve")
    paint(img, fl, EDGE, 0.45)
    return down(img, POSTIT_SIZE)


# ---------------------------------------------------------------- close buttons

# Frames in the order the button meter indexes them: state 0 pressed,
# 1 normal, 2 hover, 3 disabled.
CLOSE_STATES = ("pressed", "normal", "hover", "disabled")


def close_cell(cell, state, on_paper=False):
    S = 8
    n = cell * S
    size = (n, n)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    glyph, glyph_op = WARM_GREY, 1.0
    if state in ("hover", "pressed"):
        r = (cell * 0.30) * S
        bg = rrect(size, (0, 0, n, n), r)
        paint(img, bg, CORAL if state == "hover" else CORAL_DARK)
        if state == "pressed":
            # Pressed sinks in: a darker top edge.
            paint(img, minus(bg, shifted(bg, 0, S)), (120, 40, 24), 0.5)
        glyph = (255, 255, 255)
    elif state == "normal":
        # A faint disc so the button is findable before the mouse arrives.
        paint(img, rrect(size, (0, 0, n, n), cell * 0.30 * S),
              (120, 88, 50) if not on_paper else (150, 100, 20), 0.10)
    else:
        glyph, glyph_op = (160, 150, 138), 0.55
    k = 0.29 if cell >= 15 else 0.30
    lo, hi = cell * k * S, cell * (1 - k) * S
    w = (1.7 if cell >= 15 else 1.25) * S
    m = ImageChops.lighter(capsule(size, (lo, lo), (hi, hi), w),
                           capsule(size, (hi, lo), (lo, hi), w))
    off = 0.5 * S if state == "pressed" else 0
    paint(img, shifted(m, 0, off), glyph, glyph_op)
    return img.resize((cell, cell), Image.BOX)


def close_strip(cell, on_paper=False):
    strip = Image.new("RGBA", (cell * 4, cell), (0, 0, 0, 0))
    for i, st in enumerate(CLOSE_STATES):
        strip.paste(close_cell(cell, st, on_paper), (i * cell, 0))
    return strip


# ---------------------------------------------------------------- preview

def hand_layer(size, S, fraction, start, length, width, color, dx=0, dy=0):
    """A ROUNDLINE: a flat-capped line from the centre of the meters' box."""
    cx = (PIVOT[0] + 0.5 + dx) * S
    cy = (PIVOT[1] + 0.5 + dy) * S
    ang = fraction * 6.2832 + start
    end = (cx + length * math.cos(ang) * S, cy + length * math.sin(ang) * S)
    m = bar(size, (cx, cy), end, width * S)
    layer = Image.new("RGBA", size, color[:3] + (0,))
    layer.putalpha(m.point(lambda v: int(round(v * color[3] / 255))))
    return layer


def clock_at(bg, names, digits, cap, shine, h, mi, s, weekday, day):
    """The default clock as the program draws it, for the preview only."""
    im = bg.copy()
    im.alpha_composite(names.crop((weekday * 10, 0, weekday * 10 + 10, 6)), DAY_NAME_POS)
    text = "%02d" % day
    for k, ch in enumerate(text):
        dgt = int(ch)
        im.alpha_composite(digits.crop((dgt * 5, 0, dgt * 5 + 5, 6)),
                           (DAY_DIGITS_POS[0] + k * 5, DAY_DIGITS_POS[1]))
    t = h * 3600 + mi * 60 + s
    S = 4
    size = (CLOCK * S, CLOCK * S)
    up, tail = 4.7124, -4.7124
    black, shade, grey, red = (0, 0, 0, 255), (0, 0, 0, 55), (225, 223, 226, 255), (200, 0, 0, 255)
    hf, mf, sf = (t % 43200) / 43200, (t % 3600) / 3600, (t % 60) / 60
    meters = [
        (hf, tail, 8, 4, shade, 2), (hf, up, 35, 4, shade, 2),
        (hf, tail, 8, 4, black, 0), (hf, up, 35, 4, black, 0),
        (hf, up, 31, 2, grey, 0), (hf, up, 16, 3, black, 0),
        (mf, tail, 8, 4, shade, 2), (mf, up, 46, 4, shade, 2),
        (mf, tail, 8, 4, black, 0), (mf, up, 46, 4, black, 0),
        (mf, up, 42, 2, grey, 0), (mf, up, 27, 3, black, 0),
        (sf, tail, 11, 2, shade, 2), (sf, up, 46, 2, shade, 2),
        (sf, tail, 11, 2, red, 0), (sf, up, 46, 2, red, 0),
    ]
    for frac, start, ln, wd, col, off in meters:
        layer = hand_layer(size, S, frac, start, ln, wd, col, off, off)
        im.alpha_composite(layer.resize((CLOCK, CLOCK), Image.BOX))
    im.alpha_composite(cap, KNOB_POS)
    im.alpha_composite(shine, GLOSS_POS)
    return im


def fit_text(d, text, fnt, width):
    """Greedy wrap by characters, as a clipped layout box would."""
    lines, cur = [], ""
    for ch in text:
        if d.textlength(cur + ch, font=fnt) > width and cur:
            lines.append(cur)
            cur = ch.lstrip()
        else:
            cur += ch
    if cur:
        lines.append(cur)
    return lines


def notice_with_text(bg, close, cell, pos, title, title_col, body, body_col, body_size,
                     body_box, state=1):
    im = bg.copy()
    im.alpha_composite(close.crop((state * cell, 0, (state + 1) * cell, cell)), pos[:2])
    d = ImageDraw.Draw(im)
    # Tahoma 10 pt is about 13 px; Nanum stands in for it here.
    tf = font(NANUM + "NanumGothicBold.ttf", 13)
    d.text((pos[3] + 2, pos[4] + 3), title, font=tf, fill=title_col + (255,))
    bf = font(NANUM + "NanumGothic.ttf", round(body_size * 96 / 72))
    cx, y0, w, h = body_box
    lines = fit_text(d, body, bf, w - 4)
    asc, desc = bf.getmetrics()
    lh = asc + desc + 1
    top = y0 + (h - lh * len(lines)) // 2
    for i, ln in enumerate(lines):
        tw = d.textlength(ln, font=bf)
        d.text((cx - tw / 2, top + i * lh), ln, font=bf, fill=body_col + (255,))
    return im


def preview(pics):
    W = 1300
    sheet = PreviewSheet(W, 4000)

    bg, names, digits = pics["clock"], pics["names"], pics["digits"]
    cap, shine = pics["knob"], pics["gloss"]
    samples = [(10, 10, 30, 0, 7), (10, 10, 30, 3, 24), (4, 47, 12, 6, 31)]
    clocks = [clock_at(bg, names, digits, cap, shine, *smp) for smp in samples]

    sheet.label("Default clock at 1x: 10:10:30 Sunday 7, 10:10:30 Wednesday 24, 4:47:12 "
                "Saturday 31; face alone; on light, dark, blue and photo-like wallpapers")
    walls = [(236, 238, 242), (30, 32, 38), (0, 90, 158), None]
    for k, wall in enumerate(walls):
        panel_w, panel_h = 4 * 152 + 8, 160
        if wall is None:
            panel = gradient((panel_w, panel_h), (94, 140, 120), (196, 170, 120), horizontal=True)
        else:
            panel = Image.new("RGBA", (panel_w, panel_h), wall + (255,))
        for i, im in enumerate(clocks + [bg]):
            panel.alpha_composite(im, (4 + i * 152, 8))
        sheet.place(panel, (16 + (k % 2) * (panel_w + 12), sheet.y + (k // 2) * (panel_h + 8)))
    sheet.y += 2 * (160 + 8) + 8

    sheet.label("Default clock at 3x (nearest): 10:10:30 with hands, knob and gloss; the face "
                "alone; knob 207 at 3x and 8x, gloss 208 at 3x, on grey")
    sheet.place(on_colour(enlarged(clocks[0], 3), (236, 238, 242)), (16, sheet.y))
    sheet.place(on_checker(enlarged(bg, 3)), (16 + CLOCK * 3 + 12, sheet.y))
    x = 16 + 2 * (CLOCK * 3 + 12)
    # Knob and gloss on their own, on a checkerboard.
    for im, f, pos in ((cap, 3, (x, sheet.y)), (cap, 8, (x, sheet.y + 40)),
                       (shine, 3, (x + 76, sheet.y))):
        sheet.place(on_checker(enlarged(im, f), a=(90, 90, 96), b=(140, 140, 148)), pos)
    sheet.y += CLOCK * 3 + 12

    sheet.label("Day-name strip 212 (70x6) and digit strip 211 (50x6): 1x on the plate colour, "
                "3x on a checkerboard, 5x cell by cell")
    for k, (strip, cell) in enumerate(((names, 10), (digits, 5))):
        row = sheet.y + k * 44
        plate = Image.new("RGBA", (strip.width + 4, 10), (255, 255, 255, 255))
        plate.alpha_composite(strip, (2, 2))
        sheet.place(plate, (16, row + 10))
        sheet.place(on_checker(enlarged(strip, 3), cell=3), (100, row + 6))
        x = 100 + 70 * 3 + 24
        for i in range(strip.width // cell):
            c = Image.new("RGBA", (cell + 2, 8), (255, 255, 255, 255))
            c.alpha_composite(strip.crop((i * cell, 0, (i + 1) * cell, 6)), (1, 1))
            sheet.place(enlarged(c, 5), (x, row))
            x += (cell + 2) * 5 + 6
    sheet.y += 2 * 44 + 8

    sheet.label("No-skin placeholder 239 at 1x on light, dark and blue, and at 3x")
    ns = pics["noskin"]
    for k, wall in enumerate(((236, 238, 242), (30, 32, 38), (0, 90, 158))):
        panel = Image.new("RGBA", (ns.width + 16, ns.height + 16), wall + (255,))
        panel.alpha_composite(ns, (8, 8))
        sheet.place(panel, (16, sheet.y + k * (ns.height + 20)))
    sheet.place(on_checker(enlarged(ns, 3)), (16 + ns.width + 30, sheet.y))
    sheet.y += max(3 * (ns.height + 20), ns.height * 3) + 8

    nb, pb = pics["notice"], pics["postit"]
    c15, c10 = pics["close15"], pics["close10"]
    n_args = (c15, 15, NOTICE_CLOSE[:2] + (0,) + NOTICE_TITLE[:2])
    p_args = (c10, 10, POSTIT_CLOSE[:2] + (0,) + POSTIT_TITLE)
    title_s = "[일 정]   2024/05/17 10:30"
    notices = [
        notice_with_text(nb, *n_args, title_s, (90, 100, 255),
                         "팀 회의 — 3층 회의실에서 주간 진행 상황을 공유합니다.", (60, 60, 60), 10,
                         NOTICE_BODY),
        notice_with_text(nb, *n_args, "10분 뒤: 치과 예약", (255, 0, 0), "치과 예약",
                         (0, 0, 255), 20, NOTICE_BODY, state=2),
        notice_with_text(nb, *n_args, "오늘은 기념일입니다", (90, 100, 255), "어머니 생신",
                         (255, 0, 0), 12, NOTICE_BODY, state=0),
    ]
    postits = [
        notice_with_text(pb, *p_args, title_s, (60, 60, 60),
                         "장보기: 우유, 달걀, 사과, 빵. 저녁 일곱 시 전에 들르기.", (0, 0, 255), 10,
                         POSTIT_BODY),
        notice_with_text(pb, *p_args, "오늘은 기념일입니다", (32, 64, 232), "결혼기념일",
                         (0, 0, 0), 12, POSTIT_BODY, state=2),
    ]
    sheet.label("Notification background 250 (252x140) with sample text and the close button "
                "(normal, hover, pressed), on light and dark")
    for k, wall in enumerate(((236, 238, 242), (30, 32, 38))):
        panel = Image.new("RGBA", (3 * 264 + 8, 156), wall + (255,))
        for i, im in enumerate(notices):
            panel.alpha_composite(im, (8 + i * 264, 8))
        sheet.place(panel, (16, sheet.y))
        sheet.y += 160
    sheet.label("Three slide notifications stacked as the program places them (10 rows of "
                "overlap, the newest on top), against the right edge of the work area")
    nh = nb.height
    ph = 3 * nh - 20
    panel = gradient((nb.width + 40, ph), (120, 150, 170), (70, 96, 120))
    for row, im in enumerate(notices):
        panel.alpha_composite(im, (40, ph - (nh - 10) * (row + 1) - 10))
    sheet.place(panel, (16, sheet.y))
    sheet.y += ph + 12
    sheet.label("PostIt background 251 (238x175) with sample text, on light and dark; "
                "the empty backgrounds")
    panel = Image.new("RGBA", (4 * 250 + 8, 190), (236, 238, 242, 255))
    for i, im in enumerate(postits):
        panel.alpha_composite(im, (8 + i * 250, 8))
    dark = Image.new("RGBA", (250, 190), (30, 32, 38, 255))
    dark.alpha_composite(postits[0], (6, 8))
    panel.alpha_composite(dark, (8 + 2 * 250, 0))
    panel.alpha_composite(pb, (8 + 3 * 250, 8))
    sheet.place(panel, (16, sheet.y))
    sheet.y += 198
    sheet.place(on_checker(nb), (16, sheet.y))
    sheet.y += nb.height + 12

    sheet.label("Notification at 3x (close button hover)")
    sheet.place(enlarged(notices[1], 3), (16, sheet.y))
    sheet.y += nb.height * 3 + 12
    sheet.label("PostIt at 3x")
    sheet.place(enlarged(postits[0], 3), (16, sheet.y))
    sheet.y += pb.height * 3 + 12

    sheet.label("Close strips 242 (60x15) and 247 (40x10), frames pressed, normal, hover, "
                "disabled: 1x, 3x and 8x on a checkerboard; 8x on the header and paper colours")
    x = 16
    for strip in (c15, c10):
        sheet.place(strip, (x, sheet.y))
        sheet.place(on_checker(enlarged(strip, 3), cell=3), (x + strip.width + 12, sheet.y))
        sheet.place(on_checker(enlarged(strip, 8)), (x, sheet.y + 52))
        x += strip.width * 8 + 24
    sheet.y += 52 + 15 * 8 + 8
    x = 16
    for strip, bgc in ((c15, nb.getpixel((222, 18))), (c10, pb.getpixel((214, 20)))):
        sheet.place(enlarged(on_colour(strip, bgc), 8), (x, sheet.y))
        x += strip.width * 8 + 24
    sheet.y += 15 * 8 + 16
    return sheet.finished()


# ---------------------------------------------------------------- main

def main():
    pics = {
        "clock": clock_background(),
        "names": day_name_strip(),
        "digits": digit_strip(),
        "knob": knob(),
        "gloss": gloss(),
        "noskin": no_skin(),
        "notice": notice_background(),
        "postit": postit_background(),
        "close15": close_strip(15),
        "close10": close_strip(10, on_paper=True),
    }
    files = [
        ("205_clock_background.png", "clock", (144, 144)),
        ("207_clock_knob.png", "knob", KNOB_SIZE),
        ("208_clock_gloss.png", "gloss", GLOSS_SIZE),
        ("211_clock_digits.png", "digits", (50, 6)),
        ("212_clock_day_names.png", "names", (70, 6)),
        ("239_no_skin.png", "noskin", NOSKIN_SIZE),
        ("242_notice_close.png", "close15", (60, 15)),
        ("247_postit_close.png", "close10", (40, 10)),
        ("250_notice_background.png", "notice", NOTICE_SIZE),
        ("251_postit_background.png", "postit", POSTIT_SIZE),
    ]
    for name, key, want in files:
        assert pics[key].size == want, (name, pics[key].size)
    write_files(OUT, [(name, rgba_png(pics[key])) for name, key, _ in files]
                + [("preview.png", png_bytes(preview(pics)))])

if __name__ == "__main__":
    main()
