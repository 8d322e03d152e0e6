#!/usr/bin/python3
"""Draws the program icon, the About box background and its close button, the
day dialog's page buttons and its list rows' edit and delete pictures, the
preferences dialog's page pictures, and the installer's pictures.

Run with Debian's /usr/bin/python3 (python3-pil). No arguments; writes into
assets/app/ beside this script and prints each file it wrote. The output is
byte-for-byte the same on every run.

The day dialog's pictures are 24-bit BMP files keyed on magenta (255, 0, 255)
for TransparentBlt:
  day_page_info.bmp, day_page_schedule.bmp, day_page_anniversary.bmp
      132 x 22: two 66 x 22 frames side by side, 0 normal and 1 selected.
  day_item_actions.bmp
      63 x 8: three 21 x 8 cells, 0 edit, 1 delete, 2 blank.
  restore_icons.bmp
      28 x 16: the restore dialog's list icons, two 14 x 16 cells, 0 a memo page,
      1 a memo page with a small bin (a deleted memo).
  prefs_memo.bmp, prefs_program.bmp, prefs_palette.bmp, prefs_keyboard.bmp,
  prefs_clock.bmp, prefs_calendar.bmp
      40 x 40 each: the preferences dialog's page buttons (memos, program,
      colours, shortcuts, clock, calendar), drawn in prefs_pictures.py.
capture_cursor.cur is the screen capture's 32 x 32 crosshair, hotspot (15, 15).

The installer's pictures, drawn in installer_pictures.py, are plain 24-bit BMP
files (no key colour) and an icon:
  installer_header.bmp
      150 x 57: the wizard's header picture, at the right of its white header
      band; white, with the memo and quill at the right.
  installer_welcome.bmp
      164 x 314: the picture at the left of the welcome and finish pages; a
      teal-to-cream ruled page with a stack of three notes and the quill.
  unquill.ico
      the uninstaller's icon: the program icon with a coral minus badge, in
      the same sizes as quillet.ico.
"""

import io
import math
import os
import struct

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

import sys  # noqa: E402
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from drawing import (NANUM, ROOT, PreviewSheet, blend, enlarged, gradient, keyed_bmp24,  # noqa: E402
                     on_checker, on_colour, paint, pixel_art, png_bytes, rrect, write_files)

OUT = os.path.join(ROOT, "assets", "app")

SS = 4  # supersampling factor for antialiased shapes

# Palette: butter-yellow paper, amber title strip, teal quill.
PAPER_TOP = (255, 232, 130)
PAPER_BOTTOM = (255, 214, 96)
STRIP_TOP = (250, 188, 66)
STRIP_BOTTOM = (242, 168, 44)
EDGE = (196, 132, 26)
EDGE_SOFT = (212, 148, 40)
INK = (150, 108, 52)
FLAP_LIGHT = (255, 246, 206)
FLAP_DARK = (246, 222, 150)
VANE_DARK = (28, 128, 126)
VANE_LIGHT = (72, 178, 166)
SHAFT = (236, 246, 240)
NIB = (48, 58, 66)
SHADOW = (60, 40, 10)

YELLOW = dict(paper=(PAPER_TOP, PAPER_BOTTOM), strip=(STRIP_TOP, STRIP_BOTTOM),
              edge=EDGE, ink=INK, flap=(FLAP_LIGHT, FLAP_DARK))
# A cool companion tone for the note behind, in the About art.
SKY = dict(paper=((214, 238, 246), (190, 224, 238)), strip=((138, 198, 222), (118, 184, 212)),
           edge=(88, 146, 170), ink=(96, 148, 168), flap=((240, 250, 253), (210, 234, 244)))


# ---------------------------------------------------------------- helpers

def poly_mask(size, polys):
    m = Image.new("L", size, 0)
    d = ImageDraw.Draw(m)
    for p in polys:
        d.polygon([(round(x, 3), round(y, 3)) for x, y in p], fill=255)
    return m


def arc(cx, cy, r, a0, a1, n=10):
    return [(cx + r * math.cos(math.radians(a0 + (a1 - a0) * i / n)),
             cy + r * math.sin(math.radians(a0 + (a1 - a0) * i / n)))
            for i in range(n + 1)]


def note_outline(x0, y0, x1, y1, r, fold):
    """Rounded square whose bottom-right corner is cut off by the fold."""
    pts = []
    pts += arc(x0 + r, y0 + r, r, 180, 270)
    pts += arc(x1 - r, y0 + r, r, 270, 360)
    pts += [(x1, y1 - fold), (x1 - fold, y1)]
    pts += arc(x0 + r, y1 - r, r, 90, 180)
    return pts


def rotate(pts, c, deg):
    a = math.radians(deg)
    ca, sa = math.cos(a), math.sin(a)
    return [(c[0] + (x - c[0]) * ca - (y - c[1]) * sa,
             c[1] + (x - c[0]) * sa + (y - c[1]) * ca) for x, y in pts]


def downscale(img, size):
    return img.resize((size, size), Image.LANCZOS)


# ---------------------------------------------------------------- quill

def quill_shapes(p0, p1, width):
    """Polygons of a feather quill from nib tip p0 to feather end p1.

    Returns (nib, shaft, vane_left, vane_right) in the same units.
    """
    dx, dy = p1[0] - p0[0], p1[1] - p0[1]
    length = math.hypot(dx, dy)
    ux, uy = dx / length, dy / length
    nx, ny = -uy, ux  # left of the direction of travel

    def at(t, s):
        return (p0[0] + ux * length * t + nx * s, p0[1] + uy * length * t + ny * s)

    nib_end, vane_start = 0.13, 0.30
    nib = [at(0, 0), at(nib_end * 0.7, width * 0.30), at(nib_end, width * 0.22),
           at(nib_end, -width * 0.22), at(nib_end * 0.7, -width * 0.30)]
    shaft = [at(nib_end - 0.01, width * 0.14), at(1.0, width * 0.04),
             at(1.0, -width * 0.04), at(nib_end - 0.01, -width * 0.14)]
    left, right = [at(vane_start, 0)], [at(vane_start, 0)]
    steps = 24
    for i in range(1, steps + 1):
        t = vane_start + (1.0 - vane_start) * i / steps
        u = (t - vane_start) / (1.0 - vane_start)
        # Widest just before the middle, tapering to a point at both ends.
        w = width * math.sin(math.pi * u ** 0.9) ** 0.7
        left.append(at(t + 0.02 * u, w))
        right.append(at(t, -w * 0.62))
    left.append(at(1.0, 0))
    right.append(at(1.0, 0))
    return nib, shaft, left + [at(1.0, 0), at(vane_start, 0)], right


def draw_quill(canvas, p0, p1, width, shadow_offset, shadow_blur, notch=True):
    w, h = canvas.size
    nib, shaft, left, right = quill_shapes(p0, p1, width)
    sil = poly_mask((w, h), [nib, shaft, left, right])
    if shadow_blur > 0:
        sh = sil.transform(sil.size, Image.AFFINE,
                           (1, 0, -shadow_offset[0], 0, 1, -shadow_offset[1]),
                           resample=Image.BILINEAR)
        sh = sh.filter(ImageFilter.GaussianBlur(shadow_blur))
        paint(canvas, sh, SHADOW, 0.28)
    vane_l = poly_mask((w, h), [left])
    vane_r = poly_mask((w, h), [right])
    if notch:
        # Two small cuts in the wide side make it read as a feather.
        d = ImageDraw.Draw(vane_l)
        dx, dy = p1[0] - p0[0], p1[1] - p0[1]
        length = math.hypot(dx, dy)
        ux, uy = dx / length, dy / length
        nx, ny = -uy, ux
        for t in (0.52, 0.72):
            base = (p0[0] + ux * length * t, p0[1] + uy * length * t)
            tip_in = (base[0] + nx * width * 0.45 + ux * length * 0.035,
                      base[1] + ny * width * 0.45 + uy * length * 0.035)
            a = (base[0] + nx * width * 1.4 - ux * length * 0.01,
                 base[1] + ny * width * 1.4 - uy * length * 0.01)
            b = (base[0] + nx * width * 1.4 + ux * length * 0.05,
                 base[1] + ny * width * 1.4 + uy * length * 0.05)
            d.polygon([tip_in, a, b], fill=0)
    paint(canvas, vane_l, VANE_DARK)
    paint(canvas, vane_r, VANE_LIGHT)
    paint(canvas, poly_mask((w, h), [shaft]), SHAFT)
    paint(canvas, poly_mask((w, h), [nib]), NIB)


# ---------------------------------------------------------------- memo, vector

def draw_memo_vector(size, tilt=-6.0, quill=True, scale=SS, frame=None, pal=None):
    """The memo motif drawn with free geometry, supersampled.

    frame: (x0, y0, x1, y1) of the note in units of size (default: icon layout).
    pal: colours of the paper (default: the yellow of the icon).
    """
    pal = pal or YELLOW
    S = size * scale
    img = Image.new("RGBA", (S, S), (0, 0, 0, 0))
    x0, y0, x1, y1 = [v * S for v in (frame or (0.10, 0.12, 0.84, 0.86))]
    side = x1 - x0
    c = ((x0 + x1) / 2, (y0 + y1) / 2)
    r = side * 0.07
    fold = side * 0.22

    body = rotate(note_outline(x0, y0, x1, y1, r, fold), c, tilt)
    body_mask = poly_mask((S, S), [body])

    # Soft shadow, offset down and right.
    sh = body_mask.transform(body_mask.size, Image.AFFINE,
                             (1, 0, -side * 0.025, 0, 1, -side * 0.045),
                             resample=Image.BILINEAR)
    sh = sh.filter(ImageFilter.GaussianBlur(side * 0.035))
    paint(img, sh, SHADOW, 0.40)

    paint(img, body_mask, gradient((S, S), pal["paper"][0], pal["paper"][1]))

    # Title strip.
    strip_h = side * 0.17
    strip = rotate([(x0 - 2, y0 - 2), (x1 + 2, y0 - 2), (x1 + 2, y0 + strip_h),
                    (x0 - 2, y0 + strip_h)], c, tilt)
    strip_mask = ImageChops.multiply(poly_mask((S, S), [strip]), body_mask)
    paint(img, strip_mask, gradient((S, S), pal["strip"][0], pal["strip"][1]))
    # Hairline under the strip.
    seam = rotate([(x0, y0 + strip_h), (x1, y0 + strip_h),
                   (x1, y0 + strip_h + side * 0.012), (x0, y0 + strip_h + side * 0.012)],
                  c, tilt)
    paint(img, ImageChops.multiply(poly_mask((S, S), [seam]), body_mask), pal["edge"], 0.35)
    # Thin inner outline keeps the pale paper apart from light backgrounds.
    edge_w = max(scale * 1.0, side * 0.008)
    ol = Image.new("L", (S, S), 0)
    ImageDraw.Draw(ol).line(body + [body[0]], fill=255, width=int(round(edge_w * 2)),
                            joint="curve")
    paint(img, ImageChops.multiply(ol, body_mask), pal["edge"], 0.55)

    # Text lines; the last is short, where the quill writes.
    lw = side * 0.055
    lx0 = x0 + side * 0.14
    rows = [(0.34, 0.86), (0.50, 0.80), (0.66, 0.46)]
    lines = []
    for fy, fx in rows:
        yy = y0 + side * fy
        xe = x0 + side * fx
        lines.append(rotate(arc(lx0 + lw / 2, yy, lw / 2, 90, 270, 6)
                            + arc(xe - lw / 2, yy, lw / 2, 270, 450, 6), c, tilt))
    paint(img, poly_mask((S, S), lines), pal["ink"], 0.80)

    # Folded corner: the flap, and the shade it throws on the note.
    a = (x1, y1 - fold)
    b = (x1 - fold, y1)
    inner = (x1 - fold * 0.98, y1 - fold * 0.98)
    flap_shade = rotate([a, b, (x1 - fold * 1.18, y1 - fold * 1.18)], c, tilt)
    m = poly_mask((S, S), [flap_shade]).filter(ImageFilter.GaussianBlur(side * 0.02))
    paint(img, ImageChops.multiply(m, body_mask), SHADOW, 0.30)
    # The flap's edges bow slightly, like paper that resists the crease.
    bow = []
    for i in range(13):
        t = i / 12
        px = b[0] + (inner[0] - b[0]) * t - math.sin(math.pi * t) * fold * 0.05
        py = b[1] + (inner[1] - b[1]) * t
        bow.append((px, py))
    for i in range(1, 13):
        t = i / 12
        px = inner[0] + (a[0] - inner[0]) * t
        py = inner[1] + (a[1] - inner[1]) * t - math.sin(math.pi * t) * fold * 0.05
        bow.append((px, py))
    flap = rotate(bow, c, tilt)
    fg = gradient((S, S), pal["flap"][0], pal["flap"][1], horizontal=True)
    paint(img, poly_mask((S, S), [flap]), fg)
    paint(img, poly_mask((S, S), [rotate([a, b, (x1 - fold * 0.92, y1 - fold * 0.92)],
                                         c, tilt)]), (255, 255, 255), 0.25)

    if quill:
        nib_tip = rotate([(x0 + side * 0.50, y0 + side * 0.665)], c, tilt)[0]
        end = (x0 + side * 1.13, y0 - side * 0.06)
        draw_quill(img, nib_tip, end, side * 0.11,
                   (side * 0.02, side * 0.03), side * 0.02)
    return img


# ---------------------------------------------------------------- memo, pixels

# Pixel layouts for the small icon sizes. All numbers are whole pixels, so the
# square edges fall on pixel boundaries; only diagonals get antialiased.
#   note: x0, y0, x1, y1 (exclusive ends)   strip: rows of title strip
#   fold: corner cut   lines: (y, x_start, x_end)   quill: (tip, end, width) or None
SMALL = {
    16: dict(note=(1, 1, 14, 14), strip=3, fold=5,
             lines=[(6, 3, 11), (8, 3, 11), (10, 3, 7)],
             line_h=1, quill=None, edge=EDGE, ink=1.0),
    20: dict(note=(1, 1, 18, 18), strip=4, fold=6,
             lines=[(7, 4, 14), (10, 4, 13), (13, 4, 9)],
             line_h=1, quill=None, edge=EDGE, ink=1.0),
    24: dict(note=(1, 2, 21, 22), strip=4, fold=6,
             lines=[(9, 4, 17), (12, 4, 16), (15, 4, 10)],
             line_h=1, quill=((10.5, 15.5), (23.5, 0.5), 3.2), edge=EDGE_SOFT, ink=0.9),
    32: dict(note=(2, 3, 28, 29), strip=5, fold=8,
             lines=[(11, 6, 23), (15, 6, 22), (19, 6, 13)],
             line_h=2, quill=((13.5, 20.0), (31.5, 0.5), 4.4), edge=EDGE_SOFT, ink=0.75),
}


def draw_memo_pixels(size):
    L = SMALL[size]
    S = size * SS
    img = Image.new("RGBA", (S, S), (0, 0, 0, 0))
    x0, y0, x1, y1 = [v * SS for v in L["note"]]
    fold = L["fold"] * SS
    k = SS  # one pixel

    # Corners nipped by one pixel so the square looks like paper, not a button.
    body = [(x0 + k, y0), (x1 - k, y0), (x1, y0 + k), (x1, y1 - fold),
            (x1 - fold, y1), (x0 + k, y1), (x0, y1 - k), (x0, y0 + k)]
    body_mask = poly_mask((S, S), [body])

    # Hard one-pixel shadow right and below, lighter further out.
    for off, op in ((k, 0.30), (2 * k, 0.10)):
        sh = body_mask.transform(body_mask.size, Image.AFFINE, (1, 0, -off, 0, 1, -off))
        paint(img, sh, SHADOW, op)

    # Outline: the body in the edge colour, then the paper one pixel inside.
    edge = L["edge"]
    paint(img, body_mask, edge)
    inner = [(x0 + 2 * k, y0 + k), (x1 - 2 * k, y0 + k), (x1 - k, y0 + 2 * k),
             (x1 - k, y1 - fold - k * 0.41), (x1 - fold - k * 0.41, y1 - k),
             (x0 + 2 * k, y1 - k), (x0 + k, y1 - 2 * k), (x0 + k, y0 + 2 * k)]
    inner_mask = poly_mask((S, S), [inner])
    paint(img, inner_mask, gradient((S, S), PAPER_TOP, PAPER_BOTTOM))
    strip_mask = ImageChops.multiply(
        inner_mask, poly_mask((S, S), [[(0, 0), (S, 0), (S, y0 + L["strip"] * k),
                                        (0, y0 + L["strip"] * k)]]))
    paint(img, strip_mask, gradient((S, S), STRIP_TOP, STRIP_BOTTOM))

    lines = []
    for yy, xa, xb in L["lines"]:
        lines.append([(xa * k, yy * k), (xb * k, yy * k),
                      (xb * k, (yy + L["line_h"]) * k), (xa * k, (yy + L["line_h"]) * k)])
    paint(img, poly_mask((S, S), lines), INK, L["ink"])

    # Flap: a light triangle with the edge colour along its two inner sides.
    a = (x1, y1 - fold)
    b = (x1 - fold, y1)
    corner = (x1 - fold, y1 - fold)
    paint(img, poly_mask((S, S), [[a, b, corner]]), edge)
    flap = [(a[0] - k * 1.7, a[1] + k * 0.7), (b[0] + k * 0.7, b[1] - k * 1.7),
            (corner[0] + k, corner[1] + k)]
    paint(img, poly_mask((S, S), [flap]), FLAP_LIGHT)

    if L["quill"]:
        tip, end, wq = L["quill"]
        draw_quill(img, (tip[0] * k, tip[1] * k), (end[0] * k, end[1] * k), wq * k,
                   (k * 0.8, k * 0.8), 0, notch=size >= 32)
    # Box averaging gives exact coverage; LANCZOS would ring on the hard edges.
    return img.resize((size, size), Image.BOX)


def icon_image(size):
    if size in SMALL:
        return draw_memo_pixels(size)
    tilt = {40: -4.0, 48: -4.0}.get(size, -6.0)
    return downscale(draw_memo_vector(size, tilt=tilt), size)


# ---------------------------------------------------------------- writers

def ico_bytes(images, hotspot=None):
    """ICO with 32-bit BGRA DIB entries, and a PNG entry for 256; a CUR with `hotspot`."""
    entries = []
    for im in images:
        w, h = im.size
        if w >= 256:
            buf = io.BytesIO()
            im.save(buf, "PNG", optimize=False)
            data = buf.getvalue()
        else:
            px = im.load()
            rows = []
            for y in range(h - 1, -1, -1):  # DIBs are bottom-up
                rows.append(b"".join(struct.pack("<4B", px[x, y][2], px[x, y][1],
                                                 px[x, y][0], px[x, y][3])
                                     for x in range(w)))
            mask_stride = ((w + 31) // 32) * 4
            mask_rows = []
            for y in range(h - 1, -1, -1):
                bits = bytearray(mask_stride)
                for x in range(w):
                    if px[x, y][3] == 0:
                        bits[x // 8] |= 0x80 >> (x % 8)
                mask_rows.append(bytes(bits))
            header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0,
                                 w * h * 4 + mask_stride * h, 0, 0, 0, 0)
            data = header + b"".join(rows) + b"".join(mask_rows)
        entries.append((w, h, data))
    out = struct.pack("<HHH", 0, 1 if hotspot is None else 2, len(entries))
    offset = 6 + 16 * len(entries)
    for w, h, data in entries:
        # An icon entry holds planes and bit count where a cursor's holds its hotspot.
        fields = (1, 32) if hotspot is None else hotspot
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, fields[0], fields[1], len(data), offset)
        offset += len(data)
    return out + b"".join(d for _, _, d in entries)


def bmp24(im):
    """Plain 24-bit BI_RGB BMP, bottom-up, as the installer's wizard loads them."""
    buf = io.BytesIO()
    im.convert("RGB").save(buf, "BMP")
    return buf.getvalue()


def bmp32_premultiplied(im):
    """32-bit BI_RGB BMP, bottom-up (positive height), premultiplied BGRA.

    Premultiplied because AlphaBlend with AC_SRC_ALPHA expects it; load it with
    LoadImage(..., LR_CREATEDIBSECTION) so the alpha byte survives.
    """
    w, h = im.size
    px = im.load()
    rows = []
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for x in range(w):
            r, g, b, a = px[x, y]
            row += bytes(((b * a + 127) // 255, (g * a + 127) // 255,
                          (r * a + 127) // 255, a))
        rows.append(bytes(row))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 32, 0, len(pixels), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return head + info + pixels


# ---------------------------------------------------------------- About box

ABOUT_W, ABOUT_H = 275, 131
ART_W = 92                       # left artwork column
TEXT_BOX = (100, 18, 262, 124)   # where the program draws its text
CLOSE_POS = (261, 3)
CLOSE_CELL = 11

FRAME = (150, 128, 98)
CARD_TOP = (255, 253, 248)
CARD_BOTTOM = (250, 245, 236)
ART_TOP = (255, 236, 200)
ART_BOTTOM = (246, 206, 160)


def about_background():
    W, H = ABOUT_W, ABOUT_H
    img = gradient((W, H), CARD_TOP, CARD_BOTTOM).convert("RGBA")

    # Artwork column: warm gradient with faint soft circles for depth.
    S = SS
    art = gradient((ART_W * S, H * S), ART_TOP, ART_BOTTOM)
    glow = Image.new("L", art.size, 0)
    gd = ImageDraw.Draw(glow)
    for cx, cy, rr, v in ((10, 12, 42, 70), (84, 118, 34, 46), (70, 20, 14, 40)):
        gd.ellipse([(cx - rr) * S, (cy - rr) * S, (cx + rr) * S, (cy + rr) * S], fill=v)
    glow = glow.filter(ImageFilter.GaussianBlur(6 * S))
    paint(art, glow, (255, 250, 238))

    # A second note peeks out behind the main one, in a cool tone.
    back = draw_memo_vector(ART_W, tilt=8.0, quill=False, scale=S,
                            frame=(0.26, 0.08, 0.86, 0.68), pal=SKY)
    art.alpha_composite(back, (0, 20 * S))
    front = draw_memo_vector(ART_W, tilt=-6.0, quill=True, scale=S,
                             frame=(0.12, 0.24, 0.76, 0.88))
    art.alpha_composite(front, (0, 20 * S))
    art = art.resize((ART_W, H), Image.LANCZOS)
    img.alpha_composite(art, (0, 0))

    # Soft edge where the art meets the card: a seam and a faint shade.
    for x, op in ((ART_W, 0.22), (ART_W + 1, 0.07)):
        paint(img, poly_mask((W, H), [[(x, 0), (x, H)]]), (120, 88, 50), op)

    # One-pixel frame, the window has no system border.
    d = ImageDraw.Draw(img)
    d.rectangle([0, 0, W - 1, H - 1], outline=FRAME + (255,))
    return img.convert("RGB")


# ---------------------------------------------------------------- close button

CLOSE_GLYPH = (112, 98, 82)
CLOSE_HOT = (232, 112, 88)
CLOSE_PRESSED = (196, 82, 60)


def close_cell(state):
    S = 8
    n = CLOSE_CELL * S
    img = Image.new("RGBA", (n, n), (0, 0, 0, 0))
    glyph = CLOSE_GLYPH
    if state != "normal":
        m = Image.new("L", (n, n), 0)
        ImageDraw.Draw(m).rounded_rectangle([0, 0, n - 1, n - 1], radius=int(2.6 * S),
                                            fill=255)
        paint(img, m, CLOSE_HOT if state == "hot" else CLOSE_PRESSED)
        glyph = (255, 255, 255)
    m = Image.new("L", (n, n), 0)
    d = ImageDraw.Draw(m)
    lo, hi = 3.0 * S, 8.0 * S
    w = 1.35 * S
    for (ax, ay), (bx, by) in (((lo, lo), (hi, hi)), ((hi, lo), (lo, hi))):
        dx, dy = bx - ax, by - ay
        ln = math.hypot(dx, dy)
        nx, ny = -dy / ln * w / 2, dx / ln * w / 2
        d.polygon([(ax + nx, ay + ny), (bx + nx, by + ny),
                   (bx - nx, by - ny), (ax - nx, ay - ny)], fill=255)
    paint(img, m, glyph)
    return img.resize((CLOSE_CELL, CLOSE_CELL), Image.BOX)


def close_strip():
    strip = Image.new("RGBA", (CLOSE_CELL * 3, CLOSE_CELL), (0, 0, 0, 0))
    for i, st in enumerate(("normal", "hot", "pressed")):
        strip.paste(close_cell(st), (i * CLOSE_CELL, 0))
    return strip


# ---------------------------------------------------------------- day dialog

PAGE_W, PAGE_H = 66, 22
FACE = (240, 240, 240)           # COLOR_BTNFACE, which the rounded corners fade into
PAGE_INK = (70, 62, 54)
PAGE_INK_SELECTED = (72, 44, 10)

ICON_COLOURS = {
    "K": (46, 38, 30),
    "Y": PAPER_TOP, "S": STRIP_TOP, "E": EDGE,
    "W": (255, 252, 244), "e": (214, 200, 176),
    "T": VANE_LIGHT, "q": VANE_DARK,
    "C": (232, 112, 88), "c": (196, 82, 60), "w": (255, 214, 200),
}

# Twelve by twelve, drawn pixel by pixel so they stay sharp beside the label.
PAGE_ICONS = {
    # 정리: the day's memo of anniversaries and schedules.
    "info": [
        "............",
        ".KKKKKKKKKK.",
        ".KSSSSSSSSK.",
        ".KEEEEEEEEK.",
        ".KYYYYYYYYK.",
        ".KYKKKKKKYK.",
        ".KYYYYYYYYK.",
        ".KYKKKKKKYK.",
        ".KYYYYYYYYK.",
        ".KYKKKKYYYK.",
        ".KYYYYYYYYK.",
        ".KKKKKKKKKK.",
    ],
    # 일정 추가: a calendar page with a plus.
    "schedule": [
        "..K....K....",
        "KKKKKKKKKK..",
        "KCCCCCCCCK..",
        "KCCCCCCCCK..",
        "KKKKKKKKKK..",
        "KWWWWWWqqq..",
        "KWeWeWWqTq..",
        "KWWWWqqqTqqq",
        "KWeWeqTTTTTq",
        "KWWWWqqqTqqq",
        "KKKKKKKqTq..",
        ".......qqq..",
    ],
    # 기념일: a heart.
    "anniversary": [
        "............",
        ".KKK...KKK..",
        "KCCCK.KCCCK.",
        "KCwCCKCCCCK.",
        "KCCCCCCCCCK.",
        "KCCCCCCCCcK.",
        ".KCCCCCCcK..",
        "..KCCCCcK...",
        "...KCCcK....",
        "....KcK.....",
        ".....K......",
        "............",
    ],
}

PAGES = [("info", "정리"), ("schedule", "일정 추가"), ("anniversary", "기념일")]


def settled(im, face=FACE, cutoff=32):
    """Fully opaque or fully clear, for a magenta key: half-covered pixels are
    mixed with the dialog face they would have been drawn on."""
    out = Image.new("RGBA", im.size, (0, 0, 0, 0))
    src, dst = im.load(), out.load()
    for y in range(im.height):
        for x in range(im.width):
            r, g, b, a = src[x, y]
            if a >= cutoff:
                t = a / 255
                dst[x, y] = blend(face, (r, g, b), t) + (255,)
    return out


def page_frame(kind, label, selected):
    S = 4
    w, h = PAGE_W * S, PAGE_H * S
    img = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    outer = rrect((w, h), (0, 0, w, h), 4 * S)
    inner = rrect((w, h), (S, S, w - S, h - S), 3 * S)
    if selected:
        paint(img, outer, EDGE)
        paint(img, inner, gradient((w, h), (255, 214, 110), STRIP_BOTTOM))
        # A darker top edge inside: the selected page reads as pressed in.
        lip = ImageChops.subtract(inner, inner.transform(inner.size, Image.AFFINE,
                                                         (1, 0, 0, 0, 1, -S)))
        paint(img, lip, EDGE, 0.45)
    else:
        paint(img, outer, (186, 172, 150))
        paint(img, inner, gradient((w, h), (255, 253, 248), (238, 232, 220)))
        lip = ImageChops.subtract(inner, inner.transform(inner.size, Image.AFFINE,
                                                         (1, 0, 0, 0, 1, -S)))
        paint(img, lip, (255, 255, 255), 0.9)
    img = img.resize((PAGE_W, PAGE_H), Image.BOX)

    icon = pixel_art(PAGE_ICONS[kind], ICON_COLOURS)
    icon = icon.crop(icon.getbbox())  # centred by its ink, not by its grid
    face = font(NANUM + ("NanumGothicBold.ttf" if selected else "NanumGothic.ttf"), 11)
    d = ImageDraw.Draw(img)
    l, t, r, b = d.textbbox((0, 0), label, font=face, anchor="ls")
    gap = 3
    total = icon.width + gap + (r - l)
    x0 = (PAGE_W - total) // 2
    dy = 1 if selected else 0
    img.alpha_composite(icon, (x0, (PAGE_H - icon.height) // 2 + dy))
    ink = PAGE_INK_SELECTED if selected else PAGE_INK
    d.text((x0 + icon.width + gap - l, 15 + dy), label, font=face, fill=ink + (255,), anchor="ls")
    return settled(img)


def page_button(kind, label):
    """Frames side by side: 0 normal, 1 selected."""
    strip = Image.new("RGBA", (PAGE_W * 2, PAGE_H), (0, 0, 0, 0))
    for i in range(2):
        strip.paste(page_frame(kind, label, i == 1), (i * PAGE_W, 0))
    return strip


ACTION_CELL = (21, 8)
ACTION_COLOURS = {"K": (46, 38, 30), "S": STRIP_TOP, "Y": PAPER_TOP, "C": (232, 112, 88),
                  "R": (204, 58, 46)}
PENCIL = [
    "......KK",
    ".....KCK",
    "....KSKK",
    "...KSSK.",
    "..KSSK..",
    ".KYSK...",
    ".KKK....",
    "K.......",
]
CROSS = [
    "RR...RR",
    "RRR.RRR",
    ".RRRRR.",
    "..RRR..",
    ".RRRRR.",
    "RRR.RRR",
    "RR...RR",
]


def action_strip():
    """Cells 0 edit, 1 delete, 2 blank (all key)."""
    w, h = ACTION_CELL
    strip = Image.new("RGBA", (w * 3, h), (0, 0, 0, 0))
    pencil = pixel_art(PENCIL, ACTION_COLOURS)
    cross = pixel_art(CROSS, ACTION_COLOURS)
    strip.alpha_composite(pencil, ((w - pencil.width) // 2, 0))
    strip.alpha_composite(cross, (w + (w - cross.width + 1) // 2, 1))
    return strip


RESTORE_CELL = (14, 16)
RESTORE_COLOURS = {"K": EDGE, "S": STRIP_TOP, "Y": PAPER_TOP, "L": INK, "F": FLAP_DARK,
                   "W": (255, 255, 255), "D": (84, 88, 96), "G": (150, 156, 166)}
MEMO_PAGE = [
    "..............",
    ".KKKKKKKKKK...",
    ".KSSSSSSSSK...",
    ".KSSSSSSSSK...",
    ".KYYYYYYYYK...",
    ".KYLLLLLLYK...",
    ".KYYYYYYYYK...",
    ".KYLLLLLYYK...",
    ".KYYYYYYYYK...",
    ".KYLLLLLLYK...",
    ".KYYYYYYYYK...",
    ".KYLLLYYYFK...",
    ".KYYYYYYFKK...",
    ".KKKKKKKKK....",
    "..............",
    "..............",
]
BIN = [
    "...WWW..",
    ".WWWDWWW",
    "WDDDDDDW",
    "WWWWWWWW",
    ".WGDGDW.",
    ".WGDGDW.",
    ".WGDGDW.",
    ".WGGGGW.",
    ".WWWWWW.",
]


def restore_icons():
    """Cells 0 a memo page, 1 the page with a bin over its lower right corner."""
    w, h = RESTORE_CELL
    strip = Image.new("RGBA", (w * 2, h), (0, 0, 0, 0))
    page = pixel_art(MEMO_PAGE, RESTORE_COLOURS)
    strip.alpha_composite(page, (0, 0))
    strip.alpha_composite(page, (w, 0))
    strip.alpha_composite(pixel_art(BIN, RESTORE_COLOURS), (w + 6, 7))
    return strip


CURSOR_SIZE = 32
CURSOR_HOTSPOT = (15, 15)


def crosshair_cursor():
    """The capture window's cursor: a thin black cross with a white rim, open in the middle so the
    pixel under the hotspot stays visible."""
    img = Image.new("RGBA", (CURSOR_SIZE, CURSOR_SIZE), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    cx, cy = CURSOR_HOTSPOT
    arms = [((cx, 1), (cx, cy - 3)), ((cx, cy + 3), (cx, CURSOR_SIZE - 3)),
            ((1, cy), (cx - 3, cy)), ((cx + 3, cy), (CURSOR_SIZE - 3, cy))]
    for (x0, y0), (x1, y1) in arms:
        d.rectangle((x0 - 1, y0 - 1, x1 + 1, y1 + 1), fill=(255, 255, 255, 255))
    for (x0, y0), (x1, y1) in arms:
        d.rectangle((x0, y0, x1, y1), fill=(0, 0, 0, 255))
    return img


# ---------------------------------------------------------------- preview

def font(path, size):
    try:
        return ImageFont.truetype(path, size)
    except OSError:
        return ImageFont.load_default()


def about_with_text(bg, close, state):
    im = bg.convert("RGBA")
    cell = close.crop((state * CLOSE_CELL, 0, (state + 1) * CLOSE_CELL, CLOSE_CELL))
    im.alpha_composite(cell, CLOSE_POS)
    d = ImageDraw.Draw(im)
    ink = (48, 48, 48, 255)
    soft = (96, 90, 82, 255)
    bold = font(NANUM + "NanumGothicBold.ttf", 16)
    body = font(NANUM + "NanumGothic.ttf", 12)
    d.text((TEXT_BOX[0], 20), "Quillet", font=bold, fill=ink)
    lines = ["바탕화면 메모와 일정 알림", "버전 1.0", "© 2024 Quillet 팀",
             "quillet.example", "도움말: F1"]
    for i, t in enumerate(lines):
        d.text((TEXT_BOX[0], 46 + i * 15), t, font=body, fill=soft if i else ink)
    return im


def place_small_icons(sheet, icons):
    """The icons up to 64 pixels at 4x (nearest), on white above and on dark below."""
    x = 16
    for im in icons:
        if im.width > 64:
            continue
        for k, bgc in enumerate(((255, 255, 255), (32, 32, 36))):
            sheet.place(on_colour(enlarged(im, 4), bgc), (x, sheet.y + k * (64 * 4 + 8)))
        x += im.width * 4 + 12
    sheet.y += 2 * (64 * 4 + 8) + 8


def preview(icons, bg, close, pages, actions, restore, cursor, prefs, installer):
    W = 1200
    sheet = PreviewSheet(W, 6000)

    sheet.label("Icon 16, 20, 24, 32, 40, 48, 64, 256 at 1x on light, dark and blue")
    for bgc in ((255, 255, 255), (32, 32, 36), (0, 90, 158)):
        panel = Image.new("RGBA", (W - 32, 272), bgc + (255,))
        x = 12
        for im in icons:
            panel.alpha_composite(im, (x, 8))
            x += im.width + 14
        sheet.place(panel, (16, sheet.y))
        sheet.y += 280

    sheet.label("Icons up to 64 at 4x (nearest), light and dark")
    place_small_icons(sheet, icons)

    sheet.label("About box at 1x with the close button normal, hot, pressed, and sample text")
    for st in range(3):
        sheet.place(about_with_text(bg, close, st), (16 + st * 290, sheet.y))
    sheet.y += ABOUT_H + 12

    sheet.label("About box at 4x (close button hot)")
    sheet.place(enlarged(about_with_text(bg, close, 1), 4), (16, sheet.y))
    sheet.y += ABOUT_H * 4 + 12

    sheet.label("Close button strip at 1x and 8x, on a checkerboard and on the background")
    strip8 = enlarged(close, 8)
    sheet.place(close, (16, sheet.y))
    sheet.place(on_checker(strip8, a=(236, 236, 236), cell=8), (60, sheet.y))
    corner = bg.convert("RGBA").crop((ABOUT_W - 33, 0, ABOUT_W, 17))
    row = Image.new("RGBA", (3 * 33, 17))
    for st in range(3):
        c = corner.copy()
        c.alpha_composite(close.crop((st * CLOSE_CELL, 0, (st + 1) * CLOSE_CELL, CLOSE_CELL)),
                          (CLOSE_POS[0] - (ABOUT_W - 33), CLOSE_POS[1]))
        row.paste(c, (st * 33, 0))
    sheet.place(enlarged(row, 8), (60 + strip8.width + 24, sheet.y))
    sheet.y += 17 * 8 + 16

    day_pictures(sheet, pages, actions)

    sheet.label("restore_icons.bmp (memo, deleted memo) at 1x and 8x on magenta, and in list rows")
    sheet.place(keyed(restore), (16, sheet.y))
    sheet.place(enlarged(keyed(restore), 8), (60, sheet.y))
    y = sheet.y + RESTORE_CELL[1] * 8 + 12
    small = font(NANUM + "NanumGothic.ttf", 12)
    for n, (bgc, ink) in enumerate((((255, 255, 255), (0, 0, 0)), ((51, 153, 255), (255, 255, 255)))):
        row = Image.new("RGBA", (300, 18), bgc + (255,))
        row.alpha_composite(restore.crop((RESTORE_CELL[0], 0, 2 * RESTORE_CELL[0], RESTORE_CELL[1])), (2, 1))
        ImageDraw.Draw(row).text((20, 14), "20270207093000.brt   2027년02월07일 09시30분", font=small,
                                 fill=ink + (255,), anchor="ls")
        sheet.place(row, (16, y + n * 20))
        sheet.place(enlarged(row, 3), (340, y + n * 60))
    sheet.y = y + 2 * 60 + 8

    sheet.label("capture_cursor.cur at 1x and 6x on a light and a dark picture (hotspot at the gap)")
    for k, bgc in enumerate(((236, 236, 236), (40, 44, 52))):
        sheet.place(on_colour(cursor, bgc), (16 + k * 48, sheet.y))
        sheet.place(on_colour(enlarged(cursor, 6), bgc), (120 + k * 210, sheet.y))
    sheet.y += CURSOR_SIZE * 6 + 12

    prefs_pictures_row(sheet, prefs)
    installer_row(sheet, *installer)
    return sheet.finished()


def keyed(im):
    """im as the program blits it: magenta shows where the key lets the background through."""
    return on_colour(im, (255, 0, 255))


def day_pictures(sheet, pages, actions):
    small = font(NANUM + "NanumGothic.ttf", 12)
    sheet.label("Day dialog page buttons at 1x (normal, selected) as files on magenta, and in a "
                "row on the dialog face with each one selected in turn")
    x = 16
    for im in pages:
        sheet.place(keyed(im), (x, sheet.y))
        x += im.width + 12
    sheet.y += PAGE_H + 8
    for chosen in range(3):
        row = Image.new("RGBA", (3 * (PAGE_W + 4) + 8, PAGE_H + 8), FACE + (255,))
        for i, im in enumerate(pages):
            frame = 1 if i == chosen else 0
            row.alpha_composite(im.crop((frame * PAGE_W, 0, (frame + 1) * PAGE_W, PAGE_H)),
                                (4 + i * (PAGE_W + 4), 4))
        sheet.place(row, (16 + chosen * (row.width + 12), sheet.y))
    sheet.y += PAGE_H + 16

    sheet.label("The page buttons at 4x (nearest) on magenta")
    for k, im in enumerate(pages):
        big = enlarged(keyed(im), 4)
        sheet.place(big, (16 + (k % 2) * (big.width + 16), sheet.y + (k // 2) * (big.height + 8)))
    sheet.y += 2 * (PAGE_H * 4 + 8) + 8

    sheet.label("day_item_actions.bmp (edit, delete, blank) at 1x and 8x on magenta, and in list "
                "rows on white and on the selection blue")
    sheet.place(keyed(actions), (16, sheet.y))
    sheet.place(enlarged(keyed(actions), 8), (100, sheet.y))
    y = sheet.y + ACTION_CELL[1] * 8 + 12
    for n, (bg, ink) in enumerate((((255, 255, 255), (0, 0, 0)), ((51, 153, 255), (255, 255, 255)))):
        row = Image.new("RGBA", (260, 18), bg + (255,))
        d = ImageDraw.Draw(row)
        d.text((6, 14), "3월 15일 엄마 생신", font=small, fill=ink + (255,), anchor="ls")
        for cell in range(3):
            row.alpha_composite(actions.crop((cell * 21, 0, cell * 21 + 21, 8)),
                                (260 - 3 * 21 + cell * 21 - 4, 5))
        sheet.place(row, (16, y + n * 18))
        sheet.place(enlarged(row, 3), (300, y + n * 56))
    sheet.y = y + 2 * 56 + 8


PREFS_STEP = 45        # the program places the page buttons this far apart
PREFS_BUTTON = 44


def prefs_button(picture, pressed):
    """A classic push button around a page picture; pressed sinks it by a pixel
    on a slightly darker face, which the settled edges must survive too."""
    n = PREFS_BUTTON
    face = (228, 228, 228) if pressed else FACE
    im = Image.new("RGBA", (n, n), face + (255,))
    d = ImageDraw.Draw(im)
    light, mid, dark = (255, 255, 255), (160, 160, 160), (105, 105, 105)
    outer, inner = ((dark, light), (mid, FACE)) if pressed else ((light, dark), (FACE, mid))
    for i, (top_left, bottom_right) in enumerate((outer, inner)):
        d.line([(i, n - 1 - i), (i, i), (n - 1 - i, i)], fill=top_left + (255,))
        d.line([(i + 1, n - 1 - i), (n - 1 - i, n - 1 - i), (n - 1 - i, i + 1)],
               fill=bottom_right + (255,))
    shift = 1 if pressed else 0
    im.alpha_composite(picture, ((n - picture.width) // 2 + shift, (n - picture.height) // 2 + shift))
    return im


def prefs_pictures_row(sheet, prefs):
    sheet.label("Preferences page pictures (memos, program, colours, shortcuts, clock, calendar) "
                "at 1x on the button face and on magenta, at 4x on the face, and in the page")
    sheet.label("column at 45-pixel steps with the colours page pressed, at 1x and 2x")
    top = sheet.y
    for row, bgc in enumerate((FACE, (255, 0, 255))):
        panel = Image.new("RGBA", (6 * 48 + 4, 48), bgc + (255,))
        for i, im in enumerate(prefs):
            panel.alpha_composite(im, (4 + i * 48, 4))
        sheet.place(panel, (16, top + row * 56))
    y = top + 2 * 56 + 4
    for i, im in enumerate(prefs):
        sheet.place(on_colour(enlarged(im, 4), FACE), (16 + (i % 3) * 172, y + (i // 3) * 172))
    column = Image.new("RGBA", (PREFS_BUTTON + 8, 5 * PREFS_STEP + PREFS_BUTTON + 8), FACE + (255,))
    for i, im in enumerate(prefs):
        column.alpha_composite(prefs_button(im, i == 2), (4, 4 + i * PREFS_STEP))
    sheet.place(column, (560, top))
    sheet.place(enlarged(column, 2), (640, top))
    sheet.y = top + column.height * 2 + 12


WIZARD_W = 497  # the installer window's client width at 96 DPI


def wizard_buttons(width, height=47):
    """The wizard's bottom strip: an etched line and 뒤로, 다음, 취소."""
    im = Image.new("RGBA", (width, height), FACE + (255,))
    d = ImageDraw.Draw(im)
    d.line([(0, 0), (width, 0)], fill=(160, 160, 160, 255))
    d.line([(0, 1), (width, 1)], fill=(255, 255, 255, 255))
    face = font(NANUM + "NanumGothic.ttf", 12)
    for i, label in enumerate(("< 뒤로", "다음 >", "취소")):
        x = width - 3 * 83 - 4 + i * 83 + (8 if i == 2 else 0)
        box = (x, 13, x + 74, 36)
        d.rectangle(box, fill=(225, 225, 225, 255), outline=(173, 173, 173, 255))
        if i == 1:
            d.rectangle((box[0] - 1, box[1] - 1, box[2] + 1, box[3] + 1), outline=(0, 120, 215, 255))
        d.text(((box[0] + box[2]) // 2, 29), label, font=face, fill=(30, 30, 30, 255), anchor="ms")
    return im


def wizard_header_page(header):
    """A wizard page: the white header band with its title and subtitle and the
    picture at the right, then the page body."""
    w = WIZARD_W
    im = Image.new("RGBA", (w, 57 + 2 + 120), FACE + (255,))
    d = ImageDraw.Draw(im)
    d.rectangle((0, 0, w - 1, 56), fill=(255, 255, 255, 255))
    im.paste(header, (w - header.width, 0))
    d.text((10, 22), "설치 위치 선택", font=font(NANUM + "NanumGothicBold.ttf", 12),
           fill=(0, 0, 0, 255), anchor="ls")
    d.text((16, 41), "Quillet을 설치할 폴더를 선택하세요.", font=font(NANUM + "NanumGothic.ttf", 12),
           fill=(0, 0, 0, 255), anchor="ls")
    d.line([(0, 57), (w, 57)], fill=(160, 160, 160, 255))
    d.line([(0, 58), (w, 58)], fill=(255, 255, 255, 255))
    body = font(NANUM + "NanumGothic.ttf", 12)
    d.text((24, 86), "다음 폴더에 Quillet을 설치합니다.", font=body, fill=(0, 0, 0, 255), anchor="ls")
    d.rectangle((24, 104, 380, 126), fill=(255, 255, 255, 255), outline=(122, 122, 122, 255))
    d.text((30, 120), "C:\\Program Files\\Quillet", font=body, fill=(0, 0, 0, 255), anchor="ls")
    d.rectangle((390, 104, 472, 126), fill=(225, 225, 225, 255), outline=(173, 173, 173, 255))
    d.text((431, 120), "찾아보기...", font=body, fill=(0, 0, 0, 255), anchor="ms")
    out = Image.new("RGBA", (w, im.height + 47))
    out.paste(im, (0, 0))
    out.paste(wizard_buttons(w), (0, im.height))
    return out


def wizard_welcome_page(welcome):
    """The welcome page: the picture at the left, the title and text beside it on white."""
    w, h = WIZARD_W, welcome.height
    im = Image.new("RGBA", (w, h + 47), (255, 255, 255, 255))
    im.paste(welcome, (0, 0))
    d = ImageDraw.Draw(im)
    title = font(NANUM + "NanumGothicBold.ttf", 16)
    for i, t in enumerate(("Quillet 설치를", "시작합니다")):
        d.text((180, 34 + i * 22), t, font=title, fill=(0, 0, 0, 255), anchor="ls")
    body = font(NANUM + "NanumGothic.ttf", 12)
    lines = ["바탕화면 메모와 일정 알림 프로그램 Quillet을", "이 컴퓨터에 설치합니다.", "",
             "설치하기 전에 다른 프로그램을 모두 닫아", "주세요.", "",
             "계속하려면 [다음]을 누르세요."]
    for i, t in enumerate(lines):
        d.text((180, 96 + i * 18), t, font=body, fill=(0, 0, 0, 255), anchor="ls")
    im.paste(wizard_buttons(w), (0, h))
    return im


def framed(sheet, im, pos):
    """im with a grey line round it, so a white picture's edges show."""
    x, y = pos
    sheet.draw.rectangle((x - 1, y - 1, x + im.width, y + im.height), outline=(150, 150, 150, 255))
    sheet.place(im, pos)


def installer_row(sheet, header, welcome, icons):
    sheet.label("installer_header.bmp at 1x in the wizard's white header band, and at 3x")
    page = wizard_header_page(header)
    sheet.place(page, (16, sheet.y))
    framed(sheet, enlarged(header.convert("RGBA"), 3), (16 + WIZARD_W + 24, sheet.y))
    sheet.y += max(page.height, header.height * 3) + 12

    sheet.label("installer_welcome.bmp at 1x on the welcome page, and at 2x")
    page = wizard_welcome_page(welcome)
    sheet.place(page, (16, sheet.y))
    framed(sheet, enlarged(welcome.convert("RGBA"), 2), (16 + WIZARD_W + 24, sheet.y))
    sheet.y += max(page.height, welcome.height * 2) + 12

    sheet.label("unquill.ico 16, 20, 24, 32, 40, 48, 64, 256 at 1x on light and dark, "
                "and up to 64 at 4x (nearest)")
    for k, bgc in enumerate(((255, 255, 255), (32, 32, 36))):
        panel = Image.new("RGBA", (578, 272), bgc + (255,))
        x = 8
        for im in icons:
            panel.alpha_composite(im, (x, 8))
            x += im.width + 6
        sheet.place(panel, (16 + k * 590, sheet.y))
    sheet.y += 280
    place_small_icons(sheet, icons)


# ---------------------------------------------------------------- main

def main():
    sizes = [16, 20, 24, 32, 40, 48, 64, 256]
    icons = [icon_image(s) for s in sizes]
    bg = about_background()
    close = close_strip()
    buf = io.BytesIO()
    bg.save(buf, "BMP")
    pages = [page_button(kind, label) for kind, label in PAGES]
    actions = action_strip()
    restore = restore_icons()
    cursor = crosshair_cursor()
    # Imported here: these modules borrow the icon's drawing from this one.
    import prefs_pictures
    prefs = prefs_pictures.pictures()
    import installer_pictures
    header = installer_pictures.header_picture()
    welcome = installer_pictures.welcome_picture()
    unquill = installer_pictures.uninstall_icons(sizes)
    write_files(OUT, [
        ("quillet.ico", ico_bytes(icons)),
        ("about_background.bmp", buf.getvalue()),
        ("about_close.bmp", bmp32_premultiplied(close)),
    ] + [("day_page_%s.bmp" % kind, keyed_bmp24(im)) for (kind, _), im in zip(PAGES, pages)] + [
        ("day_item_actions.bmp", keyed_bmp24(actions)),
        ("restore_icons.bmp", keyed_bmp24(restore)),
        ("capture_cursor.cur", ico_bytes([cursor], CURSOR_HOTSPOT)),
    ] + [(name, keyed_bmp24(im)) for name, im in prefs] + [
        ("installer_header.bmp", bmp24(header)),
        ("installer_welcome.bmp", bmp24(welcome)),
        ("unquill.ico", ico_bytes(unquill)),
        ("preview.png", png_bytes(preview(icons, bg, close, pages, actions, restore, cursor,
                                          [im for _, im in prefs], (header, welcome, unquill)))),
    ])


if __name__ == "__main__":
    main()
