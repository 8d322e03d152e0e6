"""The installer's pictures, in the program icon's look: the wizard's header
picture (150 x 57), its welcome and finish page picture (164 x 314) and the
uninstaller's icon (the memo with a coral "remove" badge).

The two wizard pictures are opaque, since the wizard shows them as plain
24-bit bitmaps. The icon's small sizes start from the program icon's pixel
drawing, so they stay as crisp as quillet.ico.
"""

import math

from PIL import Image, ImageChops, ImageDraw, ImageFilter

from drawing import band_gradient, both, capsule, circle, minus, paint, rrect, shifted
from make_app_pictures import SHADOW, SKY, SMALL, VANE_DARK, draw_memo_pixels, draw_memo_vector

SS = 8  # supersampling for the wizard pictures

WHITE = (255, 255, 255)
# A warm companion note for the welcome stack, between the strip's amber and the badge's coral.
PEACH = dict(paper=((255, 226, 204), (252, 206, 176)), strip=((244, 156, 120), (232, 132, 96)),
             edge=(188, 98, 64), ink=(186, 112, 80), flap=((255, 242, 230), (246, 218, 196)))

CORAL_TOP = (242, 120, 96)
CORAL_BOTTOM = (212, 74, 54)
CORAL_LINE = (150, 46, 30)


def note_at(canvas, side, frame, at, tilt, pal=None, quill=False):
    """draw_memo_vector's note on canvas: frame in shares of a square of `side`
    pixels whose top left corner goes at `at` (pixels)."""
    im = draw_memo_vector(side, tilt=tilt, quill=quill, scale=SS, frame=frame, pal=pal)
    canvas.alpha_composite(im, (int(round(at[0] * SS)), int(round(at[1] * SS))))


# ---------------------------------------------------------------- header

HEADER = (150, 57)


def soft_glow(size, centre, radii):
    """L mask, full at centre and fading smoothly to nothing at the ellipse of
    radii, and nothing beyond it: no seam where it would be cut off."""
    m = Image.new("L", size, 0)
    px = m.load()
    for y in range(size[1]):
        for x in range(size[0]):
            d = math.hypot((x + 0.5 - centre[0]) / radii[0], (y + 0.5 - centre[1]) / radii[1])
            if d < 1:
                u = 1 - d
                px[x, y] = int(round(255 * u * u * (3 - 2 * u)))
    return m


def header_picture():
    """White, with a sky note behind the icon's yellow note and quill at the
    right, on a faint cream glow that ends well inside the edges, so the
    picture joins the wizard's white band without a seam."""
    img = Image.new("RGBA", HEADER, WHITE + (255,))
    paint(img, soft_glow(HEADER, (112, 29), (33, 26)), (255, 244, 214), 0.7)
    notes = Image.new("RGBA", (HEADER[0] * SS, HEADER[1] * SS), (0, 0, 0, 0))
    side = 56
    note_at(notes, side, (0.38, 0.08, 0.90, 0.60), (84, 1), 9.0, pal=SKY)
    note_at(notes, side, (0.10, 0.22, 0.76, 0.88), (84, 1), -5.0, quill=True)
    img.alpha_composite(notes.resize(HEADER, Image.LANCZOS))
    return img.convert("RGB")


# ---------------------------------------------------------------- welcome

WELCOME = (164, 314)
TEAL_MIST = (188, 228, 222)
SEA_GLASS = (222, 240, 232)
CREAM = (255, 248, 230)
RULE = (96, 160, 156)
MARGIN = (232, 120, 100)


def welcome_picture():
    """A soft teal-to-cream page with faint ruled lines, a stack of three
    tilted notes (sky, peach, the icon's yellow with its quill) a little above
    the middle, beside the page's title, and a pen swash under them."""
    W, H = WELCOME
    size = (W * SS, H * SS)
    img = band_gradient(size, [(0.0, TEAL_MIST), (0.45, SEA_GLASS), (1.0, CREAM)])

    # Ruled lines and a margin line, barely there: paper, not a pattern.
    rules = Image.new("L", size, 0)
    d = ImageDraw.Draw(rules)
    for y in range(22, H, 16):
        d.rectangle((0, y * SS, size[0], y * SS + SS - 1), fill=255)
    paint(img, rules, RULE, 0.10)
    paint(img, rrect(size, (18 * SS, 0, 19 * SS, size[1]), 0), MARGIN, 0.16)

    # Light falling from the top left, gathered behind the stack.
    glow = Image.new("L", size, 0)
    gd = ImageDraw.Draw(glow)
    for cx, cy, r, v in ((84, 150, 80, 150), (20, 30, 60, 90), (150, 290, 50, 70)):
        gd.ellipse(((cx - r) * SS, (cy - r) * SS, (cx + r) * SS, (cy + r) * SS), fill=v)
    paint(img, glow.filter(ImageFilter.GaussianBlur(18 * SS)), (255, 253, 244))

    side = W
    note_at(img, side, (0.32, 0.08, 0.88, 0.64), (0, 64), 11.0, pal=SKY)
    note_at(img, side, (0.08, 0.18, 0.64, 0.74), (0, 64), -13.0, pal=PEACH)
    note_at(img, side, (0.18, 0.35, 0.78, 0.95), (0, 64), -3.0, quill=True)
    flourish(img, flourish_curve(), VANE_DARK, 0.55)
    return img.resize(WELCOME, Image.LANCZOS).convert("RGB")


def flourish_curve(n=240):
    """A pen swash under the stack: a gentle wave with one loop in its middle,
    a trochoid whose wheel turns once while the pen moves right."""
    pts = []
    for i in range(n + 1):
        t = i / n
        u = min(1.0, max(0.0, (t - 0.34) / 0.32))
        turn = 2 * math.pi * u * u * (3 - 2 * u)
        x = 24 + 118 * t + 12 * math.sin(turn)
        y = 266 + 4 * math.sin(2 * math.pi * (t - 0.1)) - 9 * (1 - math.cos(turn))
        pts.append((x, y))
    return pts


def flourish(img, points, colour, opacity):
    """A quill's stroke along points: thin at both ends, and broad where it runs
    across the nib, which is held at 45 degrees."""
    m = Image.new("L", img.size, 0)
    d = ImageDraw.Draw(m)
    n = len(points) - 1
    for i, (x, y) in enumerate(points):
        (ax, ay), (bx, by) = points[max(0, i - 1)], points[min(n, i + 1)]
        across = abs(math.sin(math.atan2(by - ay, bx - ax) - math.radians(-45)))
        r = (0.3 + math.sin(math.pi * i / n) ** 0.7 * (0.45 + 0.8 * across)) * SS
        d.ellipse((x * SS - r, y * SS - r, x * SS + r, y * SS + r), fill=255)
    paint(img, m, colour, opacity)


# ---------------------------------------------------------------- uninstaller icon

# Per size, in pixels: badge centre and radius, the clear gap cut round it in
# the memo, the minus bar as a box and the disc's rim width. The bar sits on
# whole pixels so it stays a sharp white dash.
BADGE = {
    32: dict(c=24.5, r=7.5, gap=1.2, bar=(21, 23, 28, 26), rim=1.0),
    40: dict(c=31.5, r=8.5, gap=1.4, bar=(27, 30, 36, 33), rim=1.0),
    48: dict(c=37.5, r=10.5, gap=1.6, bar=(32, 36, 43, 39), rim=1.1),
    64: dict(c=49.0, r=14.0, gap=2.0, bar=(41, 47, 57, 51), rim=1.3),
    256: dict(c=196.0, r=54.0, gap=7.0, bar=(166, 188, 226, 204), rim=4.0),
}

# The smallest badges pixel by pixel: a round disc needs hand-placed corner
# pixels at these sizes. o is the rim at half strength, for the curve's steps.
BADGE_COLOURS = {"k": CORAL_LINE + (255,), "o": CORAL_LINE + (110,), "C": CORAL_TOP + (255,),
                 "c": CORAL_BOTTOM + (255,), "W": WHITE + (255,)}
SMALL_BADGES = {  # size: (top left corner, rows)
    16: (8, [
        ".okkkko.",
        "okCCCCko",
        "kCCCCCCk",
        "kCWWWWCk",
        "kcWWWWck",
        "kcccccck",
        "okccccko",
        ".okkkko.",
    ]),
    20: (10, [
        "..okkkko..",
        ".kkCCCCkk.",
        "okCCCCCCko",
        "kCCCCCCCCk",
        "kCWWWWWWCk",
        "kcWWWWWWck",
        "kcccccccck",
        "okccccccko",
        ".kkcccckk.",
        "..okkkko..",
    ]),
    24: (12, [
        "...okkkko...",
        "..kkCCCCkk..",
        ".kCCCCCCCCk.",
        "okCCCCCCCCko",
        "kCCCCCCCCCCk",
        "kCCWWWWWWCCk",
        "kccWWWWWWcck",
        "kcccccccccck",
        "okccccccccko",
        ".kcccccccck.",
        "..kkcccckk..",
        "...okkkko...",
    ]),
}


def small_badge(size):
    """(cut, badge) at size for the pixel-drawn sizes; the cut is the disc
    grown by one pixel, which leaves a clear ring round it."""
    at, rows = SMALL_BADGES[size]
    badge = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch != ".":
                badge.putpixel((at + x, at + y), BADGE_COLOURS[ch])
    disc = badge.getchannel("A").point(lambda v: 255 if v else 0)
    cut = disc
    for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
        moved = Image.new("L", disc.size, 0)
        moved.paste(disc, (dx, dy))
        cut = ImageChops.lighter(cut, moved)
    return cut, badge


def badge_layers(size, scale):
    """(cut, badge) at size * scale: the mask to clear out of the memo, and the
    coral disc with its white minus."""
    B = BADGE[size]
    S = size * scale
    dims = (S, S)
    c, r = B["c"] * scale, B["r"] * scale
    cut = circle(dims, c, c, r + B["gap"] * scale)
    disc = circle(dims, c, c, r)
    img = Image.new("RGBA", dims, (0, 0, 0, 0))
    if size >= 40:
        paint(img, shifted(disc, 0, r * 0.08, r * 0.08), SHADOW, 0.35)
    paint(img, disc, CORAL_LINE)
    inner = circle(dims, c, c, r - B["rim"] * scale)
    paint(img, inner, band_gradient(dims, [(0, CORAL_TOP), ((c - r) / S, CORAL_TOP),
                                           ((c + r) / S, CORAL_BOTTOM), (1, CORAL_BOTTOM)]))
    if size >= 48:
        # A soft gloss over the upper half, as light from the top left.
        gloss = both(inner, circle(dims, c - r * 0.25, c - r * 0.55, r * 0.85))
        paint(img, gloss.filter(ImageFilter.GaussianBlur(r * 0.12)), WHITE, 0.22)
    x0, y0, x1, y1 = [v * scale for v in B["bar"]]
    if size >= 40:
        h = y1 - y0
        bar = capsule(dims, (x0 + h / 2, (y0 + y1) / 2), (x1 - h / 2, (y0 + y1) / 2), h)
        paint(img, shifted(bar, 0, h * 0.12, h * 0.1), CORAL_LINE, 0.35)
    else:
        bar = rrect(dims, (x0, y0, x1, y1), 0)
    paint(img, bar, WHITE)
    return cut, img


def uninstall_icon(size):
    """The program icon at `size` with the remove badge over its lower right corner."""
    if size in SMALL_BADGES:
        memo = draw_memo_pixels(size)
        cut, badge = small_badge(size)
    elif size in SMALL:
        memo = draw_memo_pixels(size)
        cut, badge = badge_layers(size, SS)
        cut = cut.resize((size, size), Image.BOX)
        badge = badge.resize((size, size), Image.BOX)
    else:
        tilt = {40: -4.0, 48: -4.0}.get(size, -6.0)
        memo = draw_memo_vector(size, tilt=tilt, scale=4)
        cut, badge = badge_layers(size, 4)
    memo.putalpha(minus(memo.getchannel("A"), cut))
    memo.alpha_composite(badge)
    return memo.resize((size, size), Image.LANCZOS) if memo.width > size else memo


def uninstall_icons(sizes):
    return [uninstall_icon(s) for s in sizes]

