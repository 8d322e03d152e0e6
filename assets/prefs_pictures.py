"""The preferences dialog's six page pictures, 40 x 40 each: memos, program,
colours, shortcuts, clock and calendar.

Drawn eight times larger in pixel units and box-averaged down, so edges placed
on whole pixels stay sharp. One look for all six: a one-pixel outline in a
darker shade of each fill, fills lighter at the top, a one-pixel highlight
inside the top edge and a soft shadow down and to the right (light from the
top left). settled() then mixes the half-covered edge pixels with the button
face, since the magenta key allows no partial alpha.
"""

import math

from PIL import Image, ImageFilter

from drawing import both, capsule, circle, gradient, minus, paint, polygon, rrect, shifted
from make_app_pictures import (EDGE, INK, SHADOW, SKY, STRIP_BOTTOM, STRIP_TOP, VANE_DARK,
                               VANE_LIGHT, YELLOW, draw_memo_vector, draw_quill, note_outline,
                               poly_mask, rotate, settled)

N = 40            # picture side
SS = 8            # supersampling
SIZE = (N * SS, N * SS)

DARK = (46, 38, 30)                     # the memo buttons' warm near-black
CREAM = ((255, 254, 250), (240, 236, 226))
TEAL = (VANE_LIGHT, VANE_DARK)
TEAL_LINE = (18, 92, 90)
CORAL = ((240, 128, 102), (208, 90, 66))
CORAL_LINE = (156, 58, 40)
STEEL = ((224, 228, 232), (150, 158, 168))
STEEL_LINE = (78, 84, 94)


def k(*vals):
    """Pixel units to supersampled units."""
    return [v * SS for v in vals]


def inset(mask, px=1):
    """The mask shrunk by px pixels all round."""
    for _ in range(px * SS):
        mask = mask.filter(ImageFilter.MinFilter(3))
    return mask


def shadow(img, mask, opacity=0.30):
    paint(img, shifted(mask, SS, SS, 0.7 * SS), SHADOW, opacity)


def solid_shape(img, mask, fill, line, cast=True, shine=0.55):
    """Outline, a top-to-bottom fill and a highlight under the top edge."""
    if cast:
        shadow(img, mask)
    paint(img, mask, line)
    inner = inset(mask)
    paint(img, inner, gradient(SIZE, *fill))
    if shine:
        paint(img, minus(inner, shifted(inner, 0, SS)), (255, 255, 255), shine)
    return inner


def finish(img):
    return settled(img.resize((N, N), Image.BOX))


def ring_points(cx, cy, radii, n):
    """Polygon around (cx, cy) whose radius follows radii(angle)."""
    angles = [2 * math.pi * i / n for i in range(n)]
    return [(cx + radii(a) * math.cos(a), cy + radii(a) * math.sin(a)) for a in angles]


def gear(img, cx, cy, r_out, r_root, teeth, hole):
    """A cog in amber with a hole through its hub, in pixel units."""
    def radius(a):
        # Flat-topped teeth: the phase runs 0..1 across each tooth and gap.
        ph = (a / (2 * math.pi) * teeth + 0.25) % 1.0
        if ph < 0.35:
            return r_out
        if ph < 0.5:
            return r_out + (r_root - r_out) * (ph - 0.35) / 0.15
        if ph < 0.85:
            return r_root
        return r_root + (r_out - r_root) * (ph - 0.85) / 0.15
    m = polygon(SIZE, [(x * SS, y * SS) for x, y in ring_points(cx, cy, radius, teeth * 24)])
    m = minus(m, circle(SIZE, *k(cx, cy, hole)))
    solid_shape(img, m, (STRIP_TOP, STRIP_BOTTOM), EDGE)
    # A darker rim round the hole gives it depth.
    paint(img, minus(circle(SIZE, *k(cx, cy, hole + 1)), circle(SIZE, *k(cx, cy, hole))), EDGE, 0.8)


# ---------------------------------------------------------------- pictures

def memo_note(img, frame, tilt, pal):
    """The icon's note, with its hairline edge made a full pixel like the
    outlines of the other pictures."""
    img.alpha_composite(draw_memo_vector(N, tilt=tilt, quill=False, scale=SS, frame=frame, pal=pal))
    x0, y0, x1, y1 = [v * N * SS for v in frame]
    side = x1 - x0
    body = poly_mask(SIZE, [rotate(note_outline(x0, y0, x1, y1, side * 0.07, side * 0.22),
                                   ((x0 + x1) / 2, (y0 + y1) / 2), tilt)])
    paint(img, minus(body, inset(body)), pal["edge"], 0.9)


def memo_picture():
    """Two memos: a sky one behind, the icon's yellow one in front."""
    img = Image.new("RGBA", SIZE, (0, 0, 0, 0))
    memo_note(img, (0.325, 0.10, 0.925, 0.70), 7.0, SKY)
    memo_note(img, (0.05, 0.20, 0.80, 0.95), 0.0, YELLOW)
    return finish(img)


def program_picture():
    """The program's window, its quill inside, and a cog over its corner."""
    img = Image.new("RGBA", SIZE, (0, 0, 0, 0))
    win = rrect(SIZE, k(2, 4, 34, 31), 3 * SS)
    inner = solid_shape(img, win, CREAM, TEAL_LINE)
    bar = both(inner, rrect(SIZE, k(0, 0, N, 10), 0))
    paint(img, bar, gradient(SIZE, *TEAL))
    paint(img, both(inner, rrect(SIZE, k(0, 10, N, 11), 0)), TEAL_LINE)
    for x in (23, 27):
        paint(img, rrect(SIZE, k(x, 6, x + 3, 9), SS // 2), (255, 255, 255), 0.85)
    for y, x1 in ((15, 21), (19, 18), (23, 12)):
        paint(img, rrect(SIZE, k(6, y, x1, y + 2), SS), INK, 0.8)
    tip, end = (13, 24), (29, 11)
    draw_quill(img, k(*tip), k(*end), 4.2 * SS, (0.6 * SS, 0.8 * SS), 0.5 * SS, notch=False)
    # The quill's pale shaft vanishes on the window; a dark stroke keeps nib and vane together.
    mid = [a + (b - a) * 0.32 for a, b in zip(tip, end)]
    paint(img, capsule(SIZE, k(*tip), k(*mid), 0.9 * SS), DARK)
    gear(img, 29, 29, 9.5, 7.2, 8, 2.6)
    return finish(img)


PAINTS = [  # (centre, fill, outline): the icon's tones and the memo colours
    ((10.0, 15.0), (240, 128, 102), CORAL_LINE),
    ((17.0, 10.5), (255, 214, 86), EDGE),
    ((25.0, 10.5), (72, 178, 166), TEAL_LINE),
    ((31.5, 15.5), (120, 150, 214), (60, 76, 150)),
    ((8.5, 22.5), (255, 154, 206), (184, 80, 138)),
    ((15.5, 27.0), (96, 180, 90), (40, 112, 40)),
]


def palette_picture():
    """A painter's palette in light wood with six blobs of paint."""
    img = Image.new("RGBA", SIZE, (0, 0, 0, 0))
    board = circle(SIZE, *k(20, 20, 17.5))
    board = both(board, rrect(SIZE, k(0, 4, N, 37), 0))
    notch = circle(SIZE, *k(33, 31, 5.5))
    hole = circle(SIZE, *k(26.5, 24.5, 2.6))
    board = minus(minus(board, notch), hole)
    solid_shape(img, board, ((246, 222, 178), (222, 184, 128)), (150, 108, 58))
    paint(img, minus(circle(SIZE, *k(26.5, 24.5, 3.6)), hole), (150, 108, 58), 0.8)
    for (cx, cy), fill, line in PAINTS:
        blob = circle(SIZE, *k(cx, cy, 3.6))
        solid_shape(img, blob, (fill, fill), line, cast=False, shine=0)
        paint(img, circle(SIZE, *k(cx - 1.0, cy - 1.0, 1.1)), (255, 255, 255), 0.75)
    return finish(img)


KEY_ROWS = [  # key widths per row, one-pixel gaps; 'a' marks an amber key
    [4, 4, 4, 4, 4, 4, 4],
    [6, 4, 4, "a4", 4, 7],
    [8, 4, 4, 4, 4, 5],
    ["a6", 4, 12, 4, 4],
]


def keyboard_picture():
    """A keyboard seen from the front; Ctrl and one letter in amber."""
    img = Image.new("RGBA", SIZE, (0, 0, 0, 0))
    body = rrect(SIZE, k(1, 7, 39, 34), 3 * SS)
    solid_shape(img, body, ((126, 134, 144), (92, 98, 108)), (44, 48, 56), shine=0.3)
    y = 9
    for row in KEY_ROWS:
        x = 3
        for w in row:
            amber = isinstance(w, str)
            w = int(w[1:]) if amber else w
            face = (STRIP_TOP, STRIP_BOTTOM) if amber else ((255, 255, 255), (232, 232, 230))
            side = EDGE if amber else (160, 158, 154)
            paint(img, rrect(SIZE, k(x, y, x + w, y + 5), SS // 2), side)
            paint(img, rrect(SIZE, k(x, y, x + w, y + 4), SS // 2), gradient(SIZE, *face))
            x += w + 1
        y += 6
    return finish(img)


def clock_picture():
    """A wall clock at ten past ten: teal rim, cream face, coral second hand."""
    img = Image.new("RGBA", SIZE, (0, 0, 0, 0))
    c = 19.5
    face = solid_shape(img, circle(SIZE, *k(c, c, 18)), TEAL, TEAL_LINE, shine=0.45)
    dial = circle(SIZE, *k(c, c, 14.5))
    paint(img, minus(face, dial), gradient(SIZE, *TEAL))
    paint(img, dial, TEAL_LINE)
    paint(img, inset(dial), gradient(SIZE, *CREAM))
    for h in range(12):
        a = math.radians(h * 30)
        r0, w = (10.0, 2.0) if h % 3 == 0 else (11.4, 1.2)
        p0 = (c + r0 * math.sin(a), c - r0 * math.cos(a))
        p1 = (c + 12.6 * math.sin(a), c - 12.6 * math.cos(a))
        paint(img, capsule(SIZE, k(*p0), k(*p1), w * SS), DARK if h % 3 == 0 else (150, 150, 142))

    def hand(deg, length, width, colour, tail=0.0):
        a = math.radians(deg)
        p0 = (c - tail * math.sin(a), c + tail * math.cos(a))
        p1 = (c + length * math.sin(a), c - length * math.cos(a))
        m = capsule(SIZE, k(*p0), k(*p1), width * SS)
        paint(img, shifted(m, SS * 0.6, SS * 0.8, SS * 0.5), SHADOW, 0.25)
        paint(img, m, colour)
    hand(305, 7.0, 2.6, DARK)
    hand(60, 10.5, 2.0, DARK)
    hand(200, 11.0, 1.0, CORAL[1], tail=3.0)
    paint(img, circle(SIZE, *k(c, c, 1.9)), CORAL[1])
    paint(img, circle(SIZE, *k(c, c, 0.8)), (255, 255, 255), 0.9)
    return finish(img)


def calendar_picture():
    """A desk calendar page: coral band on two rings, a month of days below,
    Sundays in coral and today in amber."""
    img = Image.new("RGBA", SIZE, (0, 0, 0, 0))
    page = rrect(SIZE, k(3, 5, 37, 37), 3 * SS)
    inner = solid_shape(img, page, CREAM, (122, 112, 98))
    band = both(inner, rrect(SIZE, k(0, 0, N, 14), 0))
    paint(img, band, gradient(SIZE, *CORAL))
    paint(img, both(inner, rrect(SIZE, k(0, 14, N, 15), 0)), CORAL_LINE)
    paint(img, minus(band, shifted(band, 0, SS)), (255, 255, 255), 0.35)
    for x in (12, 28):
        paint(img, circle(SIZE, *k(x, 10, 1.8)), CORAL_LINE)
        ring = capsule(SIZE, k(x, 2.5), k(x, 9.5), 2.6 * SS)
        solid_shape(img, ring, STEEL, STEEL_LINE, cast=False, shine=0)
        paint(img, capsule(SIZE, k(x - 0.3, 3), k(x - 0.3, 8), 0.7 * SS),
              (255, 255, 255), 0.7)
    for row in range(4):
        for col in range(5):
            x, y = 6 + col * 6, 17 + row * 5
            if row == 2 and col == 3:
                colour = STRIP_BOTTOM
            elif col == 0:
                colour = (236, 150, 128)
            else:
                colour = (178, 170, 158)
            paint(img, rrect(SIZE, k(x, y, x + 4, y + 3), SS // 2), colour)
    return finish(img)


PICTURES = [
    ("prefs_memo.bmp", memo_picture),
    ("prefs_program.bmp", program_picture),
    ("prefs_palette.bmp", palette_picture),
    ("prefs_keyboard.bmp", keyboard_picture),
    ("prefs_clock.bmp", clock_picture),
    ("prefs_calendar.bmp", calendar_picture),
]


def pictures():
    """(file name, 40 x 40 picture) in the dialog's page order."""
    return [(name, draw()) for name, draw in PICTURES]
