#!/usr/bin/python3
"""Draws the shipped month calendar skin and writes its .ski file:
skins/CalendarSkin/Quillet calendar/ gets the skin text and its pictures, and
assets/calendar/preview.png a sheet that shows a month composed from them the
way the calendar meter lays out its cells (the preview is not shipped).

Run with Debian's /usr/bin/python3 (python3-pil, fonts-nanum, fonts-dejavu).
No arguments. The output is byte-for-byte the same on every run.
"""

import datetime
import os
import sys

from PIL import Image, ImageChops, ImageDraw

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from drawing import (NANUM, ROOT, PreviewSheet, blank, blend, both, capsule, circle,  # noqa: E402
                     down, enlarged, font, gradient, minus, on_checker, on_colour, paint,
                     pixel_art, rrect, shifted, text_mask, wallpaper, ABOUT_SIZE, EDGE,
                     HEADER_INK, PAGE_BOTTOM, PAGE_TOP, RING, STRIP_BOTTOM, STRIP_TOP, WALLPAPERS,
                     about_card, skin_text, write_skin)

NAME = "Quillet calendar"
OUT = os.path.join(ROOT, "skins", "CalendarSkin", NAME)
PREVIEW = os.path.join(ROOT, "assets", "calendar", "preview.png")

SS = 8  # supersampling factor

# The memo's paper and amber title strip (from drawing), with a cream page for the days.
SHADOW = (60, 40, 10)
YEAR_INK = (122, 78, 20)
DAY_INK = (70, 62, 54)
SUNDAY = (214, 66, 50)
SATURDAY = (44, 100, 200)
WEEKDAY_INK = (112, 99, 86)
RULE = (226, 210, 182)
TEAL = (42, 150, 140)
TEAL_DARK = (28, 118, 110)
TODAY_TOP = (255, 226, 142)
TODAY_BOTTOM = (253, 204, 96)
TODAY_EDGE = (232, 156, 36)

SIZE = (240, 234)
PANEL = (4, 3, 236, 229)  # left, top, right, bottom (outside)
RADIUS = 12
HEADER_BOTTOM = 50

# The grid: one cell is 2 x DAY_W by DAY_H; columns are SPACE_W + 2 x DAY_W apart.
DAY = (8, 13)
SPACE = (14, 11)
GRID = (22, 80)  # the first column's cell on the first row
PITCH = (SPACE[0] + 2 * DAY[0], DAY[1] + SPACE[1])
WEEKDAY_Y = 54  # top of the weekday names' row
RULE_Y = 71

# Cell-relative pictures: (shift x, shift y, w, h).
TODAY_MARK = (-6, -3, 28, 19)
PERIOD = (-7, -1, PITCH[0], 15)
INFO = (6, 16, 5, 5)
PERIOD_RADIUS = 4
INFO_STEP = 6

YEAR = (18, 11, 7, 11)  # x, y, digit w, h
MONTH = (16, 23, 56, 22)  # x, y, w, h of one frame

# The navigation buttons on a light track in the header: name, x, width, command.
BUTTON_Y, BUTTON_H = 25, 18
BUTTONS = [
    ("PrevYear", 124, 16, "PREVYEAR", "prev_year.png"),
    ("PrevMonth", 140, 16, "PREVMONTH", "prev_month.png"),
    ("Today", 156, 36, "RESETMONTH", "today.png"),
    ("NextMonth", 192, 16, "NEXTMONTH", "next_month.png"),
    ("NextYear", 208, 16, "NEXTYEAR", "next_year.png"),
]
TRACK = (124, BUTTON_Y, 224, BUTTON_Y + BUTTON_H)

ROUND_BOLD = NANUM + "NanumSquareRoundB.ttf"
WEEKDAYS = ["일", "월", "화", "수", "목", "금", "토"]


# ---------------------------------------------------------------- text

def digit_strip(cell, colour, size, baseline, embolden):
    """The ten digits 0..9 side by side, each centred in its cell on one baseline."""
    w, h = cell
    face = font(ROUND_BOLD, size)
    strip = Image.new("RGBA", (w * 10, h), (0, 0, 0, 0))
    probe = ImageDraw.Draw(blank((1, 1)))
    for d in range(10):
        l, _, r, _ = probe.textbbox((0, 0), str(d), font=face, anchor="ls")
        img = Image.new("RGBA", (w, h), (0, 0, 0, 0))
        # With the extra pixel on the right, the ink is one wider: centre that.
        ink = r - l + (1 if embolden else 0)
        paint(img, text_mask((w, h), str(d), face, (round((w - ink) / 2 - l), baseline),
                             embolden=embolden), colour)
        strip.paste(img, (d * w, 0))
    return strip


def day_strip(colour):
    return digit_strip(DAY, colour, 13, 11, 0.5)


def year_strip():
    return digit_strip(YEAR[2:], YEAR_INK, 11, 10, 0.35)


def month_strip():
    """Frames 1월 … 12월 stacked vertically (MonthFrameType 1), text at the left."""
    x, y, w, h = MONTH
    face = font(ROUND_BOLD, 20)
    strip = Image.new("RGBA", (w, h * 12), (0, 0, 0, 0))
    for m in range(12):
        img = Image.new("RGBA", (w, h), (0, 0, 0, 0))
        mask = text_mask((w, h), "%d월" % (m + 1), face, (1, 19))
        # A faint light edge under the letters lifts them off the amber.
        paint(img, shifted(mask, 0, 1), (255, 236, 190), 0.55)
        paint(img, mask, HEADER_INK)
        strip.paste(img, (0, m * h))
    return strip


# ---------------------------------------------------------------- cell pictures

def today_mark():
    _, _, w, h = TODAY_MARK
    size = (w * SS, h * SS)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    outer = rrect(size, (0, 0, w * SS, h * SS), 6 * SS)
    inner = rrect(size, (SS, SS, (w - 1) * SS, (h - 1) * SS), 5 * SS)
    paint(img, outer, gradient(size, TODAY_TOP, TODAY_BOTTOM), 0.92)
    paint(img, minus(outer, inner), TODAY_EDGE, 0.75)
    # A light lip along the top, as on the memo's strip.
    lip = minus(inner, shifted(inner, 0, 1.0 * SS))
    paint(img, lip, (255, 246, 214), 0.8)
    return down(img, (w, h))


def period_strip(radius=PERIOD_RADIUS):
    """Frames start, middle, end of one cell slot, each reaching the slot's
    edges so that neighbouring days join into one band; the start rounds off
    on the left and the end on the right. A one-day period draws both, whose
    corners differ: a small radius keeps that difference to a few pixels."""
    _, _, w, h = PERIOD
    size = (w * SS, h * SS)
    r = radius
    shapes = [
        rrect(size, (0, 0, (w + 2 * r) * SS, h * SS), r * SS),
        rrect(size, (-2 * r * SS, 0, (w + 2 * r) * SS, h * SS), r * SS),
        rrect(size, (-2 * r * SS, 0, w * SS, h * SS), r * SS),
    ]
    strip = Image.new("RGBA", (w * 3, h), (0, 0, 0, 0))
    for i, band in enumerate(shapes):
        img = Image.new("RGBA", size, (0, 0, 0, 0))
        paint(img, band, TEAL, 0.20)
        inside = both(band, shifted(band, 0, 1.0 * SS))
        inside = both(inside, shifted(band, 0, -1.0 * SS))
        paint(img, minus(band, inside), TEAL_DARK, 0.42)
        strip.paste(down(img, (w, h)), (i * w, 0))
    return strip


MARK_SHAPES = {
    "heart": [".#.#.", "#####", "#####", ".###.", "..#.."],
    "star": ["..#..", "#####", ".###.", ".###.", "#...#"],
    "diamond": ["..#..", ".###.", "#####", ".###.", "..#.."],
    "square": ["#####", "#####", "#####", "#####", "#####"],
}

# The anniversary marks 1–11: a colour each, the last four with a shape of their own.
MARKS = [
    ("disc", (226, 70, 56)), ("disc", (240, 134, 36)), ("disc", (214, 164, 16)),
    ("disc", (70, 158, 66)), ("disc", (30, 150, 146)), ("disc", (54, 108, 212)),
    ("disc", (138, 86, 204)), ("heart", (232, 80, 138)), ("star", (232, 158, 12)),
    ("diamond", (40, 140, 214)), ("square", (132, 112, 92)),
]


def mark_cell(shape, colour):
    w, h = INFO[2:]
    if shape == "disc":
        size = (w * SS, h * SS)
        img = Image.new("RGBA", size, (0, 0, 0, 0))
        paint(img, circle(size, w * SS / 2, h * SS / 2, 2.6 * SS), colour)
        return down(img, (w, h))
    if shape == "square":
        img = Image.new("RGBA", (w, h), tuple(colour) + (255,))
        for corner in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
            img.putpixel(corner, tuple(colour) + (110,))
        return img
    return pixel_art(MARK_SHAPES[shape], {"#": colour})


def mark_strip():
    w, h = INFO[2:]
    strip = Image.new("RGBA", (w * len(MARKS), h), (0, 0, 0, 0))
    for i, (shape, colour) in enumerate(MARKS):
        strip.paste(mark_cell(shape, colour), (i * w, 0))
    return strip


# ---------------------------------------------------------------- buttons

def chevrons(size, cx, cy, count, direction, scale):
    """One or two chevrons pointing left (-1) or right (+1), as an L mask."""
    arm_x, arm_y, width, gap = 2.6 * scale, 3.6 * scale, 1.5 * scale, 4.0 * scale
    m = blank(size)
    first = cx - gap * (count - 1) / 2
    for k in range(count):
        tip = (first + k * gap + direction * arm_x / 2, cy)
        back_x = tip[0] - direction * arm_x
        for end in ((back_x, cy - arm_y), (back_x, cy + arm_y)):
            m = ImageChops.lighter(m, capsule(size, tip, end, width))
    return m


def button_strip(width, glyph):
    """Frames pressed, normal, hover, in the order the button meter indexes them.
    glyph(size, dy) gives the label as an L mask at SS, moved down by dy pixels."""
    h = BUTTON_H
    strip = Image.new("RGBA", (width * 3, h), (0, 0, 0, 0))
    for i, state in enumerate(("pressed", "normal", "hover")):
        size = (width * SS, h * SS)
        img = Image.new("RGBA", size, (0, 0, 0, 0))
        pill = rrect(size, (SS, SS, (width - 1) * SS, (h - 1) * SS), (h / 2 - 1) * SS)
        if state == "hover":
            paint(img, pill, (255, 252, 240), 0.75)
        elif state == "pressed":
            paint(img, pill, EDGE, 0.45)
        img = down(img, (width, h))
        mask = glyph((width, h), 1 if state == "pressed" else 0)
        paint(img, mask, HEADER_INK if state != "normal" else blend(HEADER_INK, STRIP_TOP, 0.12))
        strip.paste(img, (i * width, 0))
    return strip


def arrow_glyph(count, direction):
    def glyph(size, dy):
        big = (size[0] * SS, size[1] * SS)
        m = chevrons(big, big[0] / 2, (size[1] / 2 + dy) * SS, count, direction, SS)
        return down(m, size)
    return glyph


def today_glyph(size, dy):
    face = font(ROUND_BOLD, 11)
    l, t, r, b = ImageDraw.Draw(blank((1, 1))).textbbox((0, 0), "오늘", font=face, anchor="ls")
    return text_mask(size, "오늘", face, (round((size[0] - (r - l)) / 2 - l), 13 + dy))


# ---------------------------------------------------------------- background

def column_centre(col):
    return GRID[0] + col * PITCH[0] + DAY[0]


def background():
    size = (SIZE[0] * SS, SIZE[1] * SS)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    box = tuple(v * SS for v in PANEL)
    r = RADIUS * SS
    card = rrect(size, box, r)
    # The card stands off the desktop: a soft shadow, then a tight one.
    paint(img, shifted(card, 0, 2.0 * SS, 2.4 * SS), SHADOW, 0.34)
    paint(img, shifted(card, 0, 0.6 * SS, 0.8 * SS), SHADOW, 0.20)
    paint(img, card, gradient(size, PAGE_TOP, PAGE_BOTTOM))
    # The amber title strip of a memo, across the top.
    band = both(card, rrect(size, (0, 0, size[0], HEADER_BOTTOM * SS), 0))
    paint(img, band, band_fill(size))
    inner = rrect(size, (box[0] + SS, box[1] + SS, box[2] - SS, box[3] - SS), r - SS)
    lip = both(minus(inner, shifted(inner, 0, 1.0 * SS)), band)
    paint(img, lip, (255, 236, 190), 0.55)
    seam = blank(size)
    ImageDraw.Draw(seam).rectangle([0, HEADER_BOTTOM * SS, size[0], (HEADER_BOTTOM + 1) * SS - 1],
                                   fill=255)
    paint(img, both(seam, card), EDGE, 0.45)
    # The buttons' track: a light pill they light up on.
    tx0, ty0, tx1, ty1 = TRACK
    track = rrect(size, (tx0 * SS, ty0 * SS, tx1 * SS, ty1 * SS), (ty1 - ty0) / 2 * SS)
    paint(img, track, (255, 248, 228), 0.32)
    track_in = rrect(size, ((tx0 + 1) * SS, (ty0 + 1) * SS, (tx1 - 1) * SS, (ty1 - 1) * SS),
                     ((ty1 - ty0) / 2 - 1) * SS)
    paint(img, minus(track, track_in), EDGE, 0.30)
    # The rule under the weekday names, fading at both ends.
    rule = blank(size)
    ImageDraw.Draw(rule).rectangle([14 * SS, RULE_Y * SS, (SIZE[0] - 14) * SS - 1,
                                    (RULE_Y + 1) * SS - 1], fill=255)
    fade = gradient(size, (0, 0, 0), (255, 255, 255), horizontal=True).getchannel("R")
    fade = fade.point(lambda v: int(min(255, 255 * 5 * min(v, 255 - v) / 255)))
    paint(img, both(rule, fade), RULE)
    # The hairline round the edge keeps the pale card apart from light wallpapers.
    paint(img, minus(card, inner), RING, 0.50)
    img = down(img, SIZE)

    face = font(ROUND_BOLD, 11)
    for col, name in enumerate(WEEKDAYS):
        colour = SUNDAY if col == 0 else SATURDAY if col == 6 else WEEKDAY_INK
        m = text_mask(SIZE, name, face, (column_centre(col), WEEKDAY_Y + 11), anchor="ms")
        paint(img, m, colour)
    return img


def band_fill(size):
    """The header's gradient over the whole picture height (only the band shows it)."""
    top = gradient((size[0], HEADER_BOTTOM * SS), STRIP_TOP, STRIP_BOTTOM)
    fill = Image.new("RGBA", size, STRIP_BOTTOM + (255,))
    fill.paste(top, (0, 0))
    return fill


# ---------------------------------------------------------------- about

def about(pics):
    """The skin's name beside a small picture of the calendar itself."""
    sample = compose(pics, 2027, 2, today=17, days=sample_days())
    small = sample.resize((sample.width * 88 // sample.height, 88), Image.LANCZOS)
    return about_card(SHADOW, ("Quillet", "달력"), ("월 달력 스킨", "기념일·휴일·기간 표시"), small,
                      (ABOUT_SIZE[0] - 8 - small.width, 11))


# ---------------------------------------------------------------- skin text

def meters():
    """The meter sections in drawing order: (name, keys)."""
    mx, my, mw, mh = TODAY_MARK
    px, py, pw, ph = PERIOD
    ix, iy, iw, ih = INFO
    calendar = ("Calendar", [
        ("DrawType", "CALENDAR"), ("X", GRID[0]), ("Y", GRID[1]),
        ("DAY_W", DAY[0]), ("DAY_H", DAY[1]), ("SPACE_W", SPACE[0]), ("SPACE_H", SPACE[1]),
        ("DaysOfLine", 7), ("WeekDayStartX", 1),
        ("SunImageName", "sunday.png"), ("SatImageName", "saturday.png"),
        ("NormalImageName", "days.png"),
        ("TodayMarkImage", "today_mark.png"), ("MarkW", mw), ("MarkH", mh),
        ("MarkShiftX", mx), ("MarkShiftY", my),
        ("DayInfoFrame", "marks.png"), ("InfoW", iw), ("InfoH", ih),
        ("InfoShiftX", ix), ("InfoShiftY", iy), ("InfoNextShiftX", INFO_STEP), ("InfoNextShiftY", 0),
        ("PeriodFrame", "period.png"), ("PeriodW", pw), ("PeriodH", ph),
        ("PeriodShiftX", px), ("PeriodShiftY", py),
        ("DayInfoText", 0),
        ("YearImageName", "year.png"), ("YEAR_W", YEAR[2]), ("YEAR_H", YEAR[3]),
        ("YEAR_X", YEAR[0]), ("YEAR_Y", YEAR[1]),
        ("MonthFrameImage", "month.png"), ("MonthFrameType", 1),
        ("MONTH_W", MONTH[2]), ("MONTH_H", MONTH[3]), ("MONTH_X", MONTH[0]), ("MONTH_Y", MONTH[1]),
    ])
    buttons = [(name, [("DrawType", "BUTTON"), ("X", x), ("Y", BUTTON_Y), ("W", w), ("H", BUTTON_H),
                       ("ImageName", image), ("Command", command)])
               for name, x, w, command, image in BUTTONS]
    return [calendar] + buttons


def ski_text():
    head = [
        "# " + NAME + ": a month calendar of the Quillet program.",
        "# Made by assets/make_calendar_skin.py; edit that and run it again.",
        "",
        "[Background]",
        "Background=background.png",
        "AboutSkin=about.png",
        "Update=1000",
        "",
        "# The grid's first cell is at X, Y; a cell is 2 x DAY_W by DAY_H, and cells are",
        "# SPACE_W and SPACE_H apart. The marks and bands are placed from each cell's corner.",
    ]
    return skin_text(head, meters(), {"PrevYear": "# The navigation buttons on the header's track."})


# ---------------------------------------------------------------- composing

def sample_days():
    """A month of day data for February 2027: 설날 (6–9, a substitute day on
    the 9th), some anniversaries and three periods."""
    days = {}
    for d in (6, 7, 8, 9):
        days[d] = {"holiday": True, "marks": [1]}
    days[14] = {"marks": [8]}
    days[20] = {"marks": [3, 6]}
    days[25] = {"marks": [9, 4, 11]}
    for d, bits in ((3, 5), (11, 1), (12, 4), (18, 1), (19, 2), (20, 2), (21, 2), (22, 2), (23, 4)):
        days.setdefault(d, {})["period"] = bits
    return days


def cell_of(year, month, day):
    """Window position of a day's cell: the first weekday column, then rows of seven."""
    first = (datetime.date(year, month, 1).isoweekday() % 7)  # 0 = Sunday
    n = first + day - 1
    return GRID[0] + (n % 7) * PITCH[0], GRID[1] + (n // 7) * PITCH[1]


def compose(pics, year, month, today=None, days=None, button_states=None):
    """The skin as the calendar meter draws it: background, year and month,
    then per day the today mark, anniversary marks, period band and digits;
    the buttons last (frames: 0 pressed, 1 normal, 2 hover)."""
    days = days or {}
    im = pics["background.png"].copy()
    x, y, w, h = YEAR[0], YEAR[1], YEAR[2], YEAR[3]
    for i, c in enumerate(str(year)):
        im.alpha_composite(pics["year.png"].crop((int(c) * w, 0, int(c) * w + w, h)), (x + i * w, y))
    x, y, w, h = MONTH
    im.alpha_composite(pics["month.png"].crop((0, (month - 1) * h, w, month * h)), (x, y))
    length = ((datetime.date(year + month // 12, month % 12 + 1, 1)
               - datetime.date(year, month, 1)).days)
    dw, dh = DAY
    for d in range(1, length + 1):
        cx, cy = cell_of(year, month, d)
        info = days.get(d, {})
        if d == today:
            mx, my, mw, mh = TODAY_MARK
            im.alpha_composite(pics["today_mark.png"], (cx + mx, cy + my))
        ix, iy, iw, ih = INFO
        for n, mark in enumerate(sorted(info.get("marks", []))):
            im.alpha_composite(pics["marks.png"].crop(((mark - 1) * iw, 0, mark * iw, ih)),
                               (cx + ix + n * INFO_STEP, cy + iy))
        px, py, pw, ph = PERIOD
        for frame, bit in enumerate((1, 2, 4)):
            if info.get("period", 0) & bit:
                im.alpha_composite(pics["period.png"].crop((frame * pw, 0, frame * pw + pw, ph)),
                                   (cx + px, cy + py))
        weekday = datetime.date(year, month, d).isoweekday() % 7
        strip = pics["sunday.png" if weekday == 0 or info.get("holiday") else
                     "saturday.png" if weekday == 6 else "days.png"]
        left = cx if d >= 10 else cx + dw // 2
        for i, c in enumerate(str(d)):
            im.alpha_composite(strip.crop((int(c) * dw, 0, int(c) * dw + dw, dh)), (left + i * dw, cy))
    for name, keys in meters()[1:]:
        k = dict(keys)
        state = (button_states or {}).get(name, 1)
        im.alpha_composite(pics[k["ImageName"]].crop((state * k["W"], 0, (state + 1) * k["W"], k["H"])),
                           (k["X"], k["Y"]))
    return im


def check_layout(pics):
    """Every strip has the cells the keys name, and everything drawn lies on the card."""
    dw, dh = DAY
    for name in ("sunday.png", "saturday.png", "days.png"):
        assert pics[name].size == (dw * 10, dh), name
    assert pics["year.png"].size == (YEAR[2] * 10, YEAR[3])
    assert pics["month.png"].size == (MONTH[2], MONTH[3] * 12)
    assert pics["today_mark.png"].size == TODAY_MARK[2:]
    assert pics["period.png"].size == (PERIOD[2] * 3, PERIOD[3])
    assert pics["marks.png"].size == (INFO[2] * 11, INFO[3])
    for name, x, w, command, image in BUTTONS:
        assert pics[image].size == (w * 3, BUTTON_H), name
        assert TRACK[0] <= x and x + w <= TRACK[2], name
    px0, py0, px1, py1 = PANEL
    left, top = GRID
    right, bottom = left + 6 * PITCH[0], top + 5 * PITCH[1]
    for sx, sy, w, h in (TODAY_MARK, PERIOD, INFO[:2] + (INFO[2] + 2 * INFO_STEP, INFO[3]),
                         (0, 0, 2 * dw, dh)):
        assert px0 < left + sx and right + sx + w < px1, (sx, w)
        assert HEADER_BOTTOM < RULE_Y < top + sy and bottom + sy + h < py1, (sy, h)
    assert YEAR[0] + 4 * YEAR[2] < TRACK[0] and MONTH[0] + MONTH[2] < TRACK[0]
    assert YEAR[1] + YEAR[3] <= MONTH[1] and MONTH[1] + MONTH[3] < HEADER_BOTTOM


# ---------------------------------------------------------------- preview

def preview(pics):
    W = 1100
    sheet = PreviewSheet(W, 4000)
    days = sample_days()

    sheet.label("February 2027 at 1x, today the 17th: holidays 6-9 (mark 1), marks on the 14th, 20th "
                "and 25th, periods on the 3rd (one day), 11-12 and 18-23")
    month = compose(pics, 2027, 2, today=17, days=days)
    pw, ph = SIZE[0] + 24, SIZE[1] + 20
    for n, wall in enumerate(WALLPAPERS):
        panel = wallpaper((pw, ph), wall)
        panel.alpha_composite(month, (12, 10))
        sheet.place(panel, (16 + n * (pw + 8), sheet.y))
    sheet.y += ph + 16

    sheet.label("December 2026 (today the 25th), May 2027 (six rows), and February 2027 with "
                "the month buttons hovered and the today button pressed")
    others = [compose(pics, 2026, 12, today=25),
              compose(pics, 2027, 5, days={5: {"holiday": True, "marks": [3]}, 13: {"holiday": True}}),
              compose(pics, 2027, 2, today=17, days=days,
                      button_states={"PrevMonth": 2, "Today": 0, "NextMonth": 2})]
    for n, im in enumerate(others):
        sheet.place(on_colour(im, (236, 238, 242)), (16 + n * (SIZE[0] + 16), sheet.y))
    sheet.y += SIZE[1] + 16

    sheet.label("At 3x (nearest): February 2027")
    big = on_colour(enlarged(month, 3), (236, 238, 242))
    sheet.place(big, (16, sheet.y))
    sheet.y += big.height + 16

    sheet.label("At 4x: day digits (Sunday and holidays, Saturday, others), year digits, today mark, "
                "period (start, middle, end), marks 1-11")
    sheet.label("and the buttons (pressed, normal, hover); then the month strip at 1x and 3x, laid across")
    x0, row_h = 16, 0
    items = [(pics[n], PAGE_TOP) for n in ("sunday.png", "saturday.png", "days.png")]
    items += [(pics["year.png"], STRIP_TOP), (pics["today_mark.png"], PAGE_TOP),
              (pics["period.png"], PAGE_TOP), (pics["marks.png"], PAGE_TOP)]
    items += [(pics[b[4]], STRIP_TOP) for b in BUTTONS]
    for im, colour in items:
        t = enlarged(on_colour(im, colour), 4)
        if x0 + t.width > W - 16:
            x0, sheet.y, row_h = 16, sheet.y + row_h + 10, 0
        sheet.place(t, (x0, sheet.y))
        x0 += t.width + 14
        row_h = max(row_h, t.height)
    sheet.y += row_h + 12
    strip = on_colour(pics["month.png"], STRIP_TOP)
    across = Image.new("RGBA", (MONTH[2] * 12, MONTH[3]))
    for m in range(12):
        across.paste(strip.crop((0, m * MONTH[3], MONTH[2], (m + 1) * MONTH[3])), (m * MONTH[2], 0))
    sheet.place(enlarged(across, 1), (16, sheet.y))
    sheet.place(enlarged(across.crop((0, 0, MONTH[2] * 6, MONTH[3])), 3),
                (16, sheet.y + MONTH[3] + 8))
    sheet.y += MONTH[3] * 4 + 24

    sheet.label("The background alone on a checkerboard, and the AboutSkin picture at 1x and 2x")
    sheet.place(on_checker(pics["background.png"]), (16, sheet.y))
    a = pics["about.png"]
    sheet.place(a, (16 + SIZE[0] + 16, sheet.y))
    sheet.place(on_colour(enlarged(a, 2), (236, 238, 242)), (16 + SIZE[0] + 32 + a.width, sheet.y))
    sheet.y += max(SIZE[1], a.height * 2) + 12
    return sheet.finished()


# ---------------------------------------------------------------- main

def main():
    pics = {
        "background.png": background(),
        "sunday.png": day_strip(SUNDAY),
        "saturday.png": day_strip(SATURDAY),
        "days.png": day_strip(DAY_INK),
        "year.png": year_strip(),
        "month.png": month_strip(),
        "today_mark.png": today_mark(),
        "period.png": period_strip(),
        "marks.png": mark_strip(),
    }
    for name, x, w, command, image in BUTTONS:
        if command == "RESETMONTH":
            glyph = today_glyph
        else:
            glyph = arrow_glyph(2 if "YEAR" in command else 1, -1 if command.startswith("PREV") else 1)
        pics[image] = button_strip(w, glyph)
    pics["about.png"] = about(pics)
    check_layout(pics)
    write_skin(OUT, NAME, ski_text(), pics, PREVIEW, preview(pics))


if __name__ == "__main__":
    main()
