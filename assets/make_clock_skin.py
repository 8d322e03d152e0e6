#!/usr/bin/python3
"""Draws the shipped digital clock skin and writes its .ski file:
skins/ClockSkin/Quillet Digital/ gets the skin text and its pictures, and
assets/skin/clock_skin_preview.png a sheet that shows the skin composed on
desktop-like backgrounds (the preview is not shipped).

Run with Debian's /usr/bin/python3 (python3-pil, fonts-nanum, fonts-dejavu).
No arguments. The output is byte-for-byte the same on every run.
"""

import math
import os
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from drawing import (DEJAVU, NANUM, ROOT, PreviewSheet, blank, both, circle, capsule,  # noqa: E402
                     down, enlarged, font, gradient, minus, on_checker, on_colour, paint,
                     polygon, rrect, shifted, wallpaper, ABOUT_SIZE, WALLPAPERS, about_card,
                     skin_text, write_skin)

NAME = "Quillet Digital"
OUT = os.path.join(ROOT, "skins", "ClockSkin", NAME)
PREVIEW = os.path.join(ROOT, "assets", "skin", "clock_skin_preview.png")

SS = 8  # supersampling factor

# The program's amber, on a warm dark glass so the digits read on any wallpaper.
AMBER_TOP = (255, 214, 118)
AMBER_BOTTOM = (246, 166, 44)
AMBER_GLOW = (255, 176, 60)
SECONDS_TOP = (246, 208, 150)
SECONDS_BOTTOM = (224, 170, 96)
CREAM = (240, 226, 204)
SUNDAY = (255, 128, 104)
SATURDAY = (128, 178, 255)
GLASS_TOP = (66, 50, 36)
GLASS_BOTTOM = (34, 26, 20)
GLASS_ALPHA = 0.86
EDGE = (196, 132, 26)
SHADOW = (30, 20, 8)
CORAL = (232, 112, 88)
CORAL_DARK = (196, 82, 60)

SIZE = (200, 80)
PANEL = (4, 3, 196, 75)  # left, top, right, bottom (outside)
RADIUS = 13

# Where the meters sit in the window (x, y), and the size of one cell of their strips.
BIG = (22, 38)
BIG_SPACE = 3
HOURS = (15, 21)
BIG_GLYPH = (2, 1, 20, 37)  # the segments' box in a cell
COLON = (64, 21, 8, 38)
COLON_DOTS = (12, 26)  # centres, either side of the digits' middle row
MINUTES = (74, 21)
SMALL = (11, 17)
SMALL_SPACE = 2
SMALL_GLYPH = (1, 1, 10, 15)
SECONDS = (126, 43)  # the small digits' foot on the big ones' foot
RULE_X = 157
DAY_NAME = (165, 20, 22, 17)
DATE = (7, 11)
MONTH = (161, 45)
DATE_DOT = (176, 54)
DAY = (179, 45)
HIDE = (181, 7, 11)  # x, y, cell


# ---------------------------------------------------------------- digits

# Seven segments a..g: top, upper right, lower right, bottom, lower left, upper left, middle.
SEGMENTS = {
    0: "abcdef", 1: "bc", 2: "abdeg", 3: "abcdg", 4: "bcfg",
    5: "acdfg", 6: "acdefg", 7: "abc", 8: "abcdefg", 9: "abcdfg",
}


def segment_masks(size, box, thick, gap):
    """Hexagonal segments on the skeleton of box. Upright, with box and thickness
    on whole pixels, so every straight edge falls on a pixel edge at 1x."""
    x0, y0, x1, y1 = box
    t = thick / 2
    left, right = x0 + t, x1 - t
    top, mid, bottom = y0 + t, (y0 + y1) / 2, y1 - t

    def hexagon(p, q):
        (ax, ay), (bx, by) = p, q
        ln = math.hypot(bx - ax, by - ay)
        ux, uy = (bx - ax) / ln, (by - ay) / ln
        nx, ny = -uy, ux
        ax, ay = ax + ux * gap, ay + uy * gap
        bx, by = bx - ux * gap, by - uy * gap
        return polygon(size, [(ax, ay), (ax + (ux + nx) * t, ay + (uy + ny) * t),
                              (bx + (nx - ux) * t, by + (ny - uy) * t), (bx, by),
                              (bx - (ux + nx) * t, by - (uy + ny) * t),
                              (ax + (ux - nx) * t, ay + (uy - ny) * t)])

    ends = {
        "a": ((left, top), (right, top)), "b": ((right, top), (right, mid)),
        "c": ((right, mid), (right, bottom)), "d": ((left, bottom), (right, bottom)),
        "e": ((left, mid), (left, bottom)), "f": ((left, top), (left, mid)),
        "g": ((left, mid), (right, mid)),
    }
    return {k: hexagon(*v) for k, v in ends.items()}


def union(masks):
    out = None
    for m in masks:
        out = m if out is None else ImageChops.lighter(out, m)
    return out


def segment_strip(cell, glyph, thick, gap, top, bottom, ghost, glow):
    """Ten cells 0..9: every segment faintly (unlit glass), the lit ones bright
    with a soft glow that stays inside the cell. glyph is the box of the
    segments in the cell, in pixels; its middle must fall on a pixel edge."""
    w, h = cell
    size = (w * SS, h * SS)
    assert (glyph[1] + glyph[3]) % 2 == 0 and thick % 2 == 0
    masks = segment_masks(size, [v * SS for v in glyph], thick * SS, gap * SS)
    everything = union(masks.values())
    shade = gradient(size, top, bottom)
    strip = Image.new("RGBA", (w * 10, h), (0, 0, 0, 0))
    for d in range(10):
        img = Image.new("RGBA", size, (0, 0, 0, 0))
        lit = union(masks[s] for s in SEGMENTS[d])
        paint(img, minus(everything, lit), top, ghost)
        if glow:
            paint(img, lit.filter(ImageFilter.GaussianBlur(1.1 * SS)), AMBER_GLOW, glow)
        paint(img, lit, shade)
        # A lighter edge on the upper half of each lit segment, as if lit from inside.
        paint(img, minus(lit, shifted(lit, 0, 0.8 * SS)), (255, 244, 214), 0.35)
        strip.paste(down(img, cell), (d * w, 0))
    return strip


def colon_strip():
    """Frame 0 the lit colon, frame 1 the colon dark: the seconds' parity picks one."""
    x, y, w, h = COLON
    size = (w * SS, h * SS)
    cx = w * SS / 2
    dots = []
    for cy in COLON_DOTS:
        r = 2.0 * SS
        m = blank(size)
        ImageDraw.Draw(m).rounded_rectangle([cx - r, cy * SS - r, cx + r, cy * SS + r],
                                            radius=0.9 * SS, fill=255)
        dots.append(m)
    mask = union(dots)
    frames = Image.new("RGBA", (w * 2, h), (0, 0, 0, 0))
    lit = Image.new("RGBA", size, (0, 0, 0, 0))
    paint(lit, mask.filter(ImageFilter.GaussianBlur(1.1 * SS)), AMBER_GLOW, 0.45)
    paint(lit, mask, gradient(size, AMBER_TOP, AMBER_BOTTOM))
    dark = Image.new("RGBA", size, (0, 0, 0, 0))
    paint(dark, mask, AMBER_TOP, 0.13)
    frames.paste(down(lit, (w, h)), (0, 0))
    frames.paste(down(dark, (w, h)), (w, 0))
    return frames


def date_strip():
    """Small upright digits for the month and day, drawn from a clean sans."""
    w, h = DATE
    f = font(DEJAVU + "DejaVuSans-Bold.ttf", 10)
    strip = Image.new("RGBA", (w * 10, h), (0, 0, 0, 0))
    for d in range(10):
        cell = Image.new("RGBA", (w, h), (0, 0, 0, 0))
        dd = ImageDraw.Draw(cell)
        text = str(d)
        l, t, r, b = dd.textbbox((0, 0), text, font=f)
        dd.text(((w - (r - l)) / 2 - l, h - 1 - b), text, font=f, fill=CREAM + (255,))
        strip.paste(cell, (d * w, 0))
    return strip


DAY_SYLLABLES = ["일", "월", "화", "수", "목", "금", "토"]  # frame 0 is Sunday


def day_name_strip():
    x, y, w, h = DAY_NAME
    # Drawn at the final size: the font's hinting keeps the small syllables crisp.
    f = font(NANUM + "NanumSquareRoundB.ttf", 12)
    strip = Image.new("RGBA", (w * 7, h), (0, 0, 0, 0))
    for i, syl in enumerate(DAY_SYLLABLES):
        colour = SUNDAY if i == 0 else SATURDAY if i == 6 else CREAM
        size = (w * SS, h * SS)
        img = Image.new("RGBA", size, (0, 0, 0, 0))
        pill = rrect(size, (0.5 * SS, 0.5 * SS, (w - 0.5) * SS, (h - 0.5) * SS), (h / 2 - 0.5) * SS)
        paint(img, pill, colour, 0.16)
        ring = minus(pill, rrect(size, (1.5 * SS, 1.5 * SS, (w - 1.5) * SS, (h - 1.5) * SS),
                                 (h / 2 - 1.5) * SS))
        paint(img, ring, colour, 0.35)
        img = down(img, (w, h))
        m = blank((w, h))
        d = ImageDraw.Draw(m)
        l, t, r, b = d.textbbox((0, 0), syl, font=f)
        d.text((round((w - (r - l)) / 2 - l), round((h - (b - t)) / 2 - t)), syl, font=f, fill=255)
        paint(img, m, colour)
        strip.paste(img, (i * w, 0))
    return strip


# ---------------------------------------------------------------- background

def background():
    size = (SIZE[0] * SS, SIZE[1] * SS)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    box = tuple(v * SS for v in PANEL)
    r = RADIUS * SS
    panel = rrect(size, box, r)
    # The clock stands off the desktop: a soft shadow, then a tight one.
    paint(img, shifted(panel, 0, 2.0 * SS, 2.4 * SS), SHADOW, 0.40)
    paint(img, shifted(panel, 0, 0.6 * SS, 0.8 * SS), SHADOW, 0.22)
    paint(img, panel, gradient(size, GLASS_TOP, GLASS_BOTTOM), GLASS_ALPHA)
    # A faint warm glow behind the time.
    glow = circle(size, 70 * SS, 44 * SS, 40 * SS).filter(ImageFilter.GaussianBlur(18 * SS))
    paint(img, both(glow, panel), AMBER_GLOW, 0.10)
    # Glass sheen fading out from the top edge towards the middle.
    fall = Image.linear_gradient("L").resize(size).point(lambda v: max(0, 255 - v * 2))
    paint(img, both(panel, fall), (255, 240, 214), 0.08)
    inner = rrect(size, (box[0] + SS, box[1] + SS, box[2] - SS, box[3] - SS), r - SS)
    top_lip = minus(inner, shifted(inner, 0, 1.0 * SS))
    paint(img, top_lip, (255, 236, 200), 0.22)
    # Amber hairline round the edge, so the glass keeps its shape on dark wallpapers.
    ring = minus(panel, inner)
    paint(img, ring, gradient(size, (250, 200, 110), EDGE), 0.55)
    # The rule between the time and the date.
    rule = blank(size)
    ImageDraw.Draw(rule).rectangle([RULE_X * SS, 19 * SS, (RULE_X + 1) * SS - 1, 60 * SS], fill=255)
    fade = gradient(size, (0, 0, 0), (255, 255, 255))
    fade = ImageChops.multiply(rule, Image.eval(fade.getchannel("R"),
                                                lambda v: int(255 * math.sin(math.pi * v / 255))))
    paint(img, fade, CREAM, 0.28)
    # The dot between month and day.
    dx, dy = DATE_DOT
    paint(img, circle(size, (dx + 0.5) * SS, (dy + 0.5) * SS, 0.9 * SS), CREAM)
    return down(img, SIZE)


# ---------------------------------------------------------------- hide button

def hide_strip():
    """Frames pressed, normal, hover, in the order the button meter indexes them."""
    x, y, n = HIDE
    strip = Image.new("RGBA", (n * 3, n), (0, 0, 0, 0))
    for i, state in enumerate(("pressed", "normal", "hover")):
        size = (n * SS, n * SS)
        img = Image.new("RGBA", size, (0, 0, 0, 0))
        disc = circle(size, n * SS / 2, n * SS / 2, n * SS / 2)
        glyph, op = CREAM, 0.55
        if state != "normal":
            paint(img, disc, CORAL if state == "hover" else CORAL_DARK)
            glyph, op = (255, 255, 255), 1.0
        k = 0.33
        lo, hi = n * k * SS, n * (1 - k) * SS
        wd = 1.3 * SS
        m = ImageChops.lighter(capsule(size, (lo, lo), (hi, hi), wd),
                               capsule(size, (hi, lo), (lo, hi), wd))
        paint(img, shifted(m, 0, 0.5 * SS if state == "pressed" else 0), glyph, op)
        strip.paste(down(img, (n, n)), (i * n, 0))
    return strip


# ---------------------------------------------------------------- about

def about(pics):
    """The skin's name beside a small picture of the clock itself, at 10:08."""
    mini = compose(pics, 10, 8, 0, 6, 12, 25)
    half = mini.resize((SIZE[0] // 2, SIZE[1] // 2), Image.LANCZOS)
    return about_card(SHADOW, ("Quillet", "Digital"), ("디지털 시계 스킨", "시·분·초, 날짜, 요일"), half,
                      (ABOUT_SIZE[0] - 3 - 12 - half.width, 22))


# ---------------------------------------------------------------- skin text

def meters():
    """The meter sections in drawing order: (name, keys)."""
    bw, bh = BIG
    sw, sh = SMALL
    dw, dh = DATE
    big = [("W", bw), ("H", bh), ("Space", BIG_SPACE), ("Cipher", 2), ("ImageName", "digits.png")]
    return [
        ("Hours", [("DrawType", "NUMIMAGE"), ("MeasureSection", "MeasureTime"), ("X", HOURS[0]),
                   ("Y", HOURS[1])] + big + [("ValueDiv", 3600), ("ValueMax", 24)]),
        ("Colon", [("DrawType", "FRAMEIMAGE"), ("MeasureSection", "MeasureTime"), ("X", COLON[0]),
                   ("Y", COLON[1]), ("W", COLON[2]), ("H", COLON[3]), ("ValueDiv", 1),
                   ("ValueMax", 2), ("ImageName", "colon.png")]),
        ("Minutes", [("DrawType", "NUMIMAGE"), ("MeasureSection", "MeasureTime"), ("X", MINUTES[0]),
                     ("Y", MINUTES[1])] + big + [("ValueDiv", 60), ("ValueMax", 60)]),
        ("Seconds", [("DrawType", "NUMIMAGE"), ("MeasureSection", "MeasureTime"), ("X", SECONDS[0]),
                     ("Y", SECONDS[1]), ("W", sw), ("H", sh), ("Space", SMALL_SPACE), ("Cipher", 2),
                     ("ValueMax", 60), ("ImageName", "seconds.png")]),
        ("DayOfWeek", [("DrawType", "FRAMEIMAGE"), ("MeasureSection", "MeasureTime"),
                       ("X", DAY_NAME[0]), ("Y", DAY_NAME[1]), ("W", DAY_NAME[2]), ("H", DAY_NAME[3]),
                       ("ValueDiv", 86400), ("ValueMax", 7), ("RevisionVal", 4),
                       ("ImageName", "weekdays.png")]),
        ("Month", [("DrawType", "NUMIMAGE"), ("MeasureSection", "MeasureMonth"), ("X", MONTH[0]),
                   ("Y", MONTH[1]), ("W", dw), ("H", dh), ("Cipher", 2), ("FitCipher", 0),
                   ("ImageName", "date.png")]),
        ("Day", [("DrawType", "NUMIMAGE"), ("MeasureSection", "MeasureDay"), ("X", DAY[0]),
                 ("Y", DAY[1]), ("W", dw), ("H", dh), ("Cipher", 2), ("ImageName", "date.png")]),
        ("Hide", [("DrawType", "BUTTON"), ("X", HIDE[0]), ("Y", HIDE[1]), ("W", HIDE[2]),
                  ("H", HIDE[2]), ("ImageName", "hide.png"), ("Command", "<HIDE_WINDOW>")]),
    ]


MEASURES = [
    ("MeasureTime", [("MeasureType", "Time")]),
    ("MeasureMonth", [("MeasureType", "Time"), ("Format", "%m")]),
    ("MeasureDay", [("MeasureType", "Time"), ("Format", "%d")]),
]


def ski_text():
    head = [
        "# " + NAME + ": a digital desk clock of the Quillet program.",
        "# Made by assets/make_clock_skin.py; edit that and run it again.",
        "",
        "[Background]",
        "Background=background.png",
        "AboutSkin=about.png",
        "Update=1000",
        "",
        "# MeasureTime counts seconds: /3600 mod 24 is the hour, /60 mod 60 the minute,",
        "# mod 60 the second, mod 2 blinks the colon, and (/86400 + 4) mod 7 is the weekday.",
    ]
    return skin_text(head, MEASURES + meters(), {"Hours": "# The meters, drawn in this order over the background."})


# ---------------------------------------------------------------- composing

def compose(pics, hour, minute, second, weekday, month, day, button=1):
    """The skin as the engine draws it at that moment: the background, then
    every meter in order (NUMIMAGE, FRAMEIMAGE, BUTTON cells from their strips)."""
    im = pics["background.png"].copy()
    # A seconds count whose day count gives that weekday (day 0, 1970-01-01, was a Thursday).
    days = 7 * 2800 + (weekday - 4) % 7
    t = days * 86400 + hour * 3600 + minute * 60 + second
    values = {"MeasureTime": t, "MeasureMonth": month, "MeasureDay": day}
    for name, keys in meters():
        k = dict(keys)
        strip = pics[k["ImageName"]]
        w, h = k["W"], k["H"]
        x, y = k["X"], k["Y"]
        if k["DrawType"] == "BUTTON":
            im.alpha_composite(strip.crop((w * button, 0, w * button + w, h)), (x, y))
            continue
        n = values[k["MeasureSection"]] // k.get("ValueDiv", 1) + k.get("RevisionVal", 0)
        if k.get("ValueMax", 0) > 0:
            n %= k["ValueMax"]
        if k["DrawType"] == "FRAMEIMAGE":
            im.alpha_composite(strip.crop((w * n, 0, w * n + w, h)), (x, y))
            continue
        pad = "%0*d" if k.get("FitCipher", 1) else "%*d"
        for i, c in enumerate(pad % (k["Cipher"], n)):
            if c.isdigit():
                dgt = int(c)
                im.alpha_composite(strip.crop((w * dgt, 0, w * dgt + w, h)),
                                   (x + i * (w + k.get("Space", 0)), y))
    return im


def check_layout(pics):
    """Every cell the skin names lies inside its strip and inside the window."""
    for name, keys in meters():
        k = dict(keys)
        strip = pics[k["ImageName"]]
        cells = {"NUMIMAGE": 10, "BUTTON": 3}.get(k["DrawType"], k.get("ValueMax"))
        assert strip.size == (k["W"] * cells, k["H"]), (name, strip.size)
        count = k.get("Cipher", 1)
        right = k["X"] + count * k["W"] + (count - 1) * k.get("Space", 0)
        assert right <= SIZE[0] and k["Y"] + k["H"] <= SIZE[1], name


# ---------------------------------------------------------------- preview

def preview(pics):
    W = 1250
    sheet = PreviewSheet(W, 3000)

    moments = [(9, 41, 27, 3, 12, 25), (9, 41, 28, 3, 12, 25), (23, 58, 4, 0, 1, 7),
               (7, 5, 59, 6, 10, 31)]
    clocks = [compose(pics, *m) for m in moments]
    sheet.label("At 1x: 09:41:27 Wednesday 12.25 (colon dark), 09:41:28 (colon lit), "
                "23:58:04 Sunday 1.07, 07:05:59 Saturday 10.31")
    pw, ph = 2 * (SIZE[0] + 16) + 16, 2 * (SIZE[1] + 12) + 16
    for n, wall in enumerate(WALLPAPERS):
        panel = wallpaper((pw, ph), wall, hill=(0.3, 1.3, 0.9))
        for i, im in enumerate(clocks):
            panel.alpha_composite(im, (12 + (i % 2) * (SIZE[0] + 16), 10 + (i // 2) * (SIZE[1] + 12)))
        sheet.place(panel, (16 + (n % 2) * (pw + 12), sheet.y + (n // 2) * (ph + 12)))
    sheet.y += 2 * (ph + 12) + 4

    sheet.label("On a desktop: the clock in the top-right corner of a wallpaper, with the hide "
                "button hovered on the right")
    desk = gradient((W - 32, 220), (46, 92, 140), (196, 152, 110))
    sun = circle(desk.size, 760, 230, 150).filter(ImageFilter.GaussianBlur(30))
    paint(desk, sun, (255, 214, 150), 0.6)
    for i in range(3):
        icon = rrect(desk.size, (18, 18 + i * 64, 62, 62 + i * 64), 8)
        paint(desk, shifted(icon, 0, 2, 2), (0, 0, 0), 0.3)
        paint(desk, icon, (236, 236, 240), 0.9)
    desk.alpha_composite(clocks[0], (desk.width - 2 * SIZE[0] - 40, 16))
    desk.alpha_composite(compose(pics, *moments[0], button=2), (desk.width - SIZE[0] - 16, 16))
    sheet.place(desk, (16, sheet.y))
    sheet.y += desk.height + 12

    sheet.label("At 3x (nearest), 09:41:27, and the background alone on a checkerboard")
    t = on_colour(enlarged(clocks[0], 3), (236, 238, 242))
    sheet.place(t, (16, sheet.y))
    sheet.place(on_checker(enlarged(pics["background.png"], 3)), (16 + t.width + 12, sheet.y))
    sheet.y += t.height + 12

    sheet.label("The strips at 3x on the glass colour: digits, colon (lit, dark), seconds, "
                "date digits, weekdays, hide button (pressed, normal, hover)")
    glass = (48, 37, 28)
    x0 = 16
    row_h = 0
    for name in ("digits.png", "colon.png", "seconds.png", "date.png", "weekdays.png", "hide.png"):
        t = enlarged(on_colour(pics[name], glass), 3)
        if x0 + t.width > W - 16:
            x0, sheet.y = 16, sheet.y + row_h + 10
            row_h = 0
        sheet.place(t, (x0, sheet.y))
        x0 += t.width + 14
        row_h = max(row_h, t.height)
    sheet.y += row_h + 16

    sheet.about(pics["about.png"])
    return sheet.finished()


# ---------------------------------------------------------------- main

def main():
    pics = {
        "background.png": background(),
        "digits.png": segment_strip(BIG, BIG_GLYPH, 4, 0.55, AMBER_TOP, AMBER_BOTTOM, 0.085, 0.45),
        "colon.png": colon_strip(),
        "seconds.png": segment_strip(SMALL, SMALL_GLYPH, 2, 0.35, SECONDS_TOP, SECONDS_BOTTOM, 0.05, 0.2),
        "date.png": date_strip(),
        "weekdays.png": day_name_strip(),
        "hide.png": hide_strip(),
    }
    pics["about.png"] = about(pics)
    check_layout(pics)
    write_skin(OUT, NAME, ski_text(), pics, PREVIEW, preview(pics))


if __name__ == "__main__":
    main()
