#!/usr/bin/python3
"""Draws the shipped schedule view and launcher skins and writes their .ski files:
skins/ScheduleSkin/Quillet Schedule/ and skins/RauncherSkin/Quillet Rauncher/ get
the skin texts and their pictures, and assets/widgets/ two sheets that show each
skin composed from them the way its meter lays them out (not shipped).

Both skins are a paper card in pieces (head, one body a row, tail) that the
meter stacks, so every piece is cut from one tall card and they join seamlessly
in any order and number.

Run with Debian's /usr/bin/python3 (python3-pil, fonts-nanum, fonts-dejavu).
No arguments. The output is byte-for-byte the same on every run.
"""

import os
import sys

from PIL import Image, ImageChops, ImageDraw

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from drawing import (NANUM, ROOT, PreviewSheet, blank, blend, both, capsule, circle,  # noqa: E402
                     down, enlarged, font, gradient, minus, on_checker, on_colour, paint,
                     polygon, rrect, shifted, text_mask, wallpaper, ABOUT_SIZE, EDGE,
                     HEADER_INK, PAGE_BOTTOM, PAGE_TOP, RING, STRIP_BOTTOM, STRIP_TOP,
                     WALLPAPERS, about_card, skin_text, write_skin)

SS = 8  # supersampling factor
PREVIEWS = os.path.join(ROOT, "assets", "widgets")

GOTHIC = NANUM + "NanumGothic.ttf"
GOTHIC_BOLD = NANUM + "NanumGothicBold.ttf"
ROUND_BOLD = NANUM + "NanumSquareRoundB.ttf"
# The texts' face. It has Hangul where the Nanum fonts are installed; elsewhere the
# canvas falls back to an installed Korean face for Hangul, so the file stays ASCII.
FACE = "NanumGothic"

SHADOW = (60, 40, 10)
PAPER = blend(PAGE_TOP, PAGE_BOTTOM, 0.5)  # flat, since the body pieces repeat
SOFT_INK = (128, 110, 90)
SIDE = 3      # see-through columns either side of the card, for its shadow
UNDER = 4     # rows under the card in a tail, for its shadow
RADIUS = 8


def px(points):
    """A FontSize in points at 96 dots per inch, in pixels."""
    return points * 96 / 72


# ---------------------------------------------------------------- card pieces

def card_piece(width, height, decorate=None, top=False, bottom=False, fill=PAPER):
    """One piece of the card, as tall as the meter stacks it. The card runs on
    past the piece's ends unless top or bottom rounds it off there, so the side
    shadows and edges of stacked pieces meet. decorate(img, card, inner) paints
    on the piece at SS before the hairline edge goes round it."""
    run = 2 * RADIUS + 8
    size = (width * SS, (height + 2 * run) * SS)
    y0 = run + 1 if top else 0
    y1 = run + height - UNDER if bottom else height + 2 * run
    box = (SIDE * SS, y0 * SS, (width - SIDE) * SS, y1 * SS)
    card = rrect(size, box, RADIUS * SS)
    inner = rrect(size, (box[0] + SS, box[1] + SS, box[2] - SS, box[3] - SS), (RADIUS - 1) * SS)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    paint(img, shifted(card, 0, 2.0 * SS, 2.4 * SS), SHADOW, 0.30)
    paint(img, shifted(card, 0, 0.6 * SS, 0.8 * SS), SHADOW, 0.18)
    cut = (0, run * SS, width * SS, (run + height) * SS)
    img, card, inner = img.crop(cut), card.crop(cut), inner.crop(cut)
    paint(img, card, fill)
    if decorate:
        decorate(img, card, inner)
    # The hairline keeps the pale card apart from light wallpapers.
    paint(img, minus(card, inner), RING, 0.50)
    return down(img, (width, height))


def strip_head(width, height, glyph=None, title=None):
    """The amber title strip of a memo, rounded at the top, with a light lip
    along its top edge and a seam under it; glyph(size) is an L mask at SS."""
    def decorate(img, card, inner):
        size = img.size
        lip = minus(inner, shifted(inner, 0, 1.0 * SS))
        paint(img, lip, (255, 236, 190), 0.55)
        seam = blank(size)
        ImageDraw.Draw(seam).rectangle([0, (height - 1) * SS, size[0], size[1]], fill=255)
        paint(img, both(seam, card), EDGE, 0.45)
        if glyph:
            mask = glyph(size)
            paint(img, shifted(mask, 0, 0.7 * SS), (255, 236, 190), 0.6)
            paint(img, mask, HEADER_INK, 0.9)
    img = card_piece(width, height, decorate, top=True,
                     fill=gradient((width * SS, height * SS), STRIP_TOP, STRIP_BOTTOM))
    if title:
        text, x, baseline, size = title
        mask = text_mask(img.size, text, font(ROUND_BOLD, size), (x, baseline))
        # A faint light edge under the letters lifts them off the amber, as on the calendar.
        paint(img, shifted(mask, 0, 1), (255, 236, 190), 0.55)
        paint(img, mask, HEADER_INK)
    return img


def tail(width, height):
    return card_piece(width, height, bottom=True)


# ---------------------------------------------------------------- glyphs (L masks at SS)

def union(*masks):
    out = masks[0]
    for m in masks[1:]:
        out = ImageChops.lighter(out, m)
    return out


def ring_mask(size, cx, cy, r, width):
    return minus(circle(size, cx * SS, cy * SS, r * SS), circle(size, cx * SS, cy * SS, (r - width) * SS))


def line(size, p, q, width):
    return capsule(size, (p[0] * SS, p[1] * SS), (q[0] * SS, q[1] * SS), width * SS)


def shape(size, pts):
    return polygon(size, [(x * SS, y * SS) for x, y in pts])


def heart(size, cx, cy):
    return union(circle(size, (cx - 2.7) * SS, (cy - 2.1) * SS, 3.2 * SS),
                 circle(size, (cx + 2.7) * SS, (cy - 2.1) * SS, 3.2 * SS),
                 shape(size, [(cx - 5.7, cy - 1.0), (cx + 5.7, cy - 1.0), (cx, cy + 5.4)]))


def hourglass(size, cx, cy):
    return union(line(size, (cx - 4.6, cy - 5.4), (cx + 4.6, cy - 5.4), 1.4),
                 line(size, (cx - 4.6, cy + 5.4), (cx + 4.6, cy + 5.4), 1.4),
                 shape(size, [(cx - 3.6, cy - 4.6), (cx + 3.6, cy - 4.6), (cx + 0.5, cy),
                              (cx + 3.6, cy + 4.6), (cx - 3.6, cy + 4.6), (cx - 0.5, cy)]))


def flag(size, cx, cy):
    return union(line(size, (cx - 4.0, cy - 5.6), (cx - 4.0, cy + 5.6), 1.5),
                 shape(size, [(cx - 3.4, cy - 5.6), (cx + 5.4, cy - 2.6), (cx - 3.4, cy + 0.6)]))


def sun(size, cx, cy):
    rays = [line(size, (cx + 4.6 * dx, cy + 4.6 * dy), (cx + 6.0 * dx, cy + 6.0 * dy), 1.3)
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1),
                           (0.71, 0.71), (-0.71, 0.71), (0.71, -0.71), (-0.71, -0.71))]
    return union(circle(size, cx * SS, cy * SS, 3.1 * SS), *rays)


def clock_face(size, cx, cy):
    return union(ring_mask(size, cx, cy, 5.8, 1.3), line(size, (cx, cy), (cx, cy - 3.3), 1.3),
                 line(size, (cx, cy), (cx + 2.5, cy), 1.3))


def check(size, cx, cy, scale=1.0):
    s = scale
    return union(line(size, (cx - 3.0 * s, cy + 0.3 * s), (cx - 0.8 * s, cy + 2.6 * s), 1.7 * s),
                 line(size, (cx - 0.8 * s, cy + 2.6 * s), (cx + 3.2 * s, cy - 2.2 * s), 1.7 * s))


# ---------------------------------------------------------------- schedule view

SCHEDULE = "Quillet Schedule"
SCHEDULE_OUT = os.path.join(ROOT, "skins", "ScheduleSkin", SCHEDULE)
S_WIDTH = 230
S_HEAD = 30
S_ROW = 22
S_TAIL = 10
S_ROWS_SHOWN = 1        # the least the window shows; it grows with today's rows
GLYPH_X = 17            # the middle of the glyph column, left of the texts
TEXT_X = 30
TEXT_RIGHT = S_WIDTH - SIDE - 7
TIME_W = 38             # "00:00" and a gap
NAME_X = TEXT_X + TIME_W + 2
TICK = 14
TICK_SHIFT = (GLYPH_X - TICK // 2, (S_ROW - TICK) // 2)

# Row kinds: picture, key of the picture, colour (stripe, glyph, tint), tint share,
# text colour and style, glyph.
ROWS = {
    "special": ("anniversary.png", "SpecialDayImage", (222, 78, 116), 0.12, (176, 44, 86), "BOLD", heart),
    "remain": ("dday_remain.png", "DDayRemainBodyImage", (52, 150, 86), 0.11, (30, 116, 60), "NORMAL",
               hourglass),
    "pass": ("dday_pass.png", "DDayPassBodyImage", (82, 112, 172), 0.12, (56, 84, 136), "NORMAL", flag),
    "day": ("all_day.png", "DayScheduleBodyImage", (134, 88, 196), 0.11, (106, 62, 166), "BOLD", sun),
    "before": ("before.png", "BeforeScheduleBodyImage", (150, 146, 140), 0.10, (146, 141, 134), "NORMAL",
               None),
    "after": ("after.png", "AfterScheduleBodyImage", (232, 156, 36), 0.0, (70, 62, 54), "BOLD",
              clock_face),
}
BEFORE_TIME_INK = (164, 159, 152)
AFTER_TIME_INK = (172, 108, 20)
TICK_GREEN = (60, 164, 94)


def schedule_body(kind):
    _, _, colour, share, _, _, glyph = ROWS[kind]

    def decorate(img, card, inner):
        size = img.size
        if share:
            paint(img, card, colour, share)
        stripe = blank(size)
        ImageDraw.Draw(stripe).rectangle([(SIDE + 1) * SS, 0, (SIDE + 4) * SS - 1, size[1]], fill=255)
        paint(img, stripe, colour, 0.85)
        # A rule under the row, from the texts to the right margin.
        rule = blank(size)
        ImageDraw.Draw(rule).rectangle([(TEXT_X - 2) * SS, (S_ROW - 1) * SS, TEXT_RIGHT * SS - 1,
                                        S_ROW * SS - 1], fill=255)
        paint(img, rule, HEADER_INK, 0.10)
        cy = S_ROW / 2
        if glyph:
            paint(img, glyph(size, GLYPH_X, cy), colour)
        else:
            # Where the tick lands once the schedule has passed.
            paint(img, ring_mask(size, GLYPH_X, cy, 6.0, 1.1), colour, 0.55)
    return card_piece(S_WIDTH, S_ROW, decorate)


def schedule_head():
    def page(size):
        # A small calendar page: a frame with a solid top band and two rings.
        x0, y0, x1, y1 = GLYPH_X - 7, 8, GLYPH_X + 7, 22
        outer = rrect(size, (x0 * SS, y0 * SS, x1 * SS, y1 * SS), 2.5 * SS)
        hollow = rrect(size, ((x0 + 1.4) * SS, (y0 + 4.6) * SS, (x1 - 1.4) * SS, (y1 - 1.4) * SS), 1.2 * SS)
        dots = union(*[circle(size, (GLYPH_X + dx) * SS, 15.8 * SS, 1.1 * SS) for dx in (-3, 0, 3)],
                     *[circle(size, (GLYPH_X + dx) * SS, 18.9 * SS, 1.1 * SS) for dx in (-3, 0)])
        hooks = union(line(size, (GLYPH_X - 3.5, 6.4), (GLYPH_X - 3.5, 9.4), 1.6),
                      line(size, (GLYPH_X + 3.5, 6.4), (GLYPH_X + 3.5, 9.4), 1.6))
        return union(minus(outer, hollow), dots, hooks)
    return strip_head(S_WIDTH, S_HEAD, glyph=page)


def tick():
    size = (TICK * SS, TICK * SS)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    disc = circle(size, TICK * SS / 2, TICK * SS / 2, 6.6 * SS)
    paint(img, disc, gradient(size, blend(TICK_GREEN, (255, 255, 255), 0.18), blend(TICK_GREEN, (0, 0, 0), 0.1)))
    paint(img, check(size, TICK / 2, TICK / 2), (255, 255, 255))
    return down(img, (TICK, TICK))


def schedule_pictures():
    pics = {"head.png": schedule_head(), "tail.png": tail(S_WIDTH, S_TAIL), "tick.png": tick()}
    for kind, row in ROWS.items():
        pics[row[0]] = schedule_body(kind)
    return pics


def text_keys(prefix, x, width, height, colour, style, align="LEFT", clip=None,
              colour_key="FontColor", face_key="FontFace", box_prefix=None):
    """The keys of one text child; the meter spells a few of them its own way."""
    b = box_prefix or prefix
    keys = [(b + "Align", align), (b + "VAlign", "CENTER"), (b + "X", x), (b + "Width", width),
            (b + "Height", height), (prefix + colour_key, "%d,%d,%d,255" % colour),
            (prefix + "FontSize", 9), (prefix + "StringStyle", style)]
    if clip is not None:
        keys.append((prefix + "ClipString", clip))
    return keys + [(prefix + face_key, FACE)]


def schedule_texts():
    """(key prefix, x, width, colour, style) of each row text, for the keys and the preview."""
    r = ROWS
    name_w = TEXT_RIGHT - NAME_X
    wide = TEXT_RIGHT - TEXT_X
    return {
        "special": [("SpecialDay", TEXT_X, wide, r["special"][4], r["special"][5])],
        "pass": [("DDayPass", TEXT_X, wide, r["pass"][4], r["pass"][5])],
        "remain": [("DDayRemain", TEXT_X, wide, r["remain"][4], r["remain"][5])],
        "day": [("DaySchedule", TEXT_X, wide, r["day"][4], r["day"][5])],
        "before": [("BeforeTime", TEXT_X, TIME_W, BEFORE_TIME_INK, "NORMAL"),
                   ("BeforeSchedule", NAME_X, name_w, r["before"][4], r["before"][5])],
        "after": [("AfterTime", TEXT_X, TIME_W, AFTER_TIME_INK, "NORMAL"),
                  ("AfterSchedule", NAME_X, name_w, r["after"][4], r["after"][5])],
    }


HEAD_TEXT = (TEXT_X, 1, TEXT_RIGHT - TEXT_X, S_HEAD - 2)  # x, y, w, h: under the lip, over the seam


def schedule_section():
    keys = [("DrawType", "SCHEDULE"), ("X", 0), ("Y", 0), ("IncludeToday", 1),
            ("HeadImage", "head.png")]
    keys += [(row[1], row[0]) for row in ROWS.values()]
    keys += [("TailImage", "tail.png"), ("MarkFrame", "tick.png"), ("MarkWidth", TICK),
             ("MarkHeight", TICK), ("MarkShiftX", TICK_SHIFT[0]), ("MarkShiftY", TICK_SHIFT[1])]
    hx, hy, hw, hh = HEAD_TEXT
    keys += [("HeadAlign", "LEFT"), ("HeadVAlign", "CENTER"), ("HeadX", hx), ("HeadY", hy),
             ("HeadWidth", hw), ("HeadHeight", hh), ("HeadFontColor", "%d,%d,%d,255" % HEADER_INK),
             ("HeadFontSize", 9), ("HeadStringStyle", "BOLD"), ("HeadStringFontFace", FACE)]
    texts = schedule_texts()
    (p, x, w, c, s), = texts["special"]
    # The special day's box and alignment keys are spelt "SpecailDay".
    keys += text_keys(p, x, w, S_ROW, c, s, box_prefix="SpecailDay")
    for kind in ("pass", "remain"):
        (p, x, w, c, s), = texts[kind]
        keys += text_keys(p, x, w, S_ROW, c, s, clip=1)
    (p, x, w, c, s), = texts["day"]
    keys += text_keys(p, x, w, S_ROW, c, s, clip=1, colour_key="BodyFontColor")
    for kind in ("before", "after"):
        (tp, tx, tw, tc, ts), (p, x, w, c, s) = texts[kind]
        keys += text_keys(p, x, w, S_ROW, c, s, clip=1, colour_key="BodyFontColor")
        keys += text_keys(tp, tx, tw, S_ROW, tc, ts)
    return [("Schedule", keys)]


def schedule_window_height(rows):
    return S_HEAD + rows * S_ROW + S_TAIL


def schedule_ski():
    head = [
        "# " + SCHEDULE + ": today's anniversaries, D-days and schedules, of the Quillet program.",
        "# Made by assets/make_widget_skins.py; edit that and run it again.",
        "",
        "# No background picture: the window grows with today's rows, from WindowHeight (the head,",
        "# %d row and the tail) to the work area's height." % S_ROWS_SHOWN,
        "[Background]",
        "AboutSkin=about.png",
        "WindowWidth=%d" % S_WIDTH,
        "WindowHeight=%d" % schedule_window_height(S_ROWS_SHOWN),
        "Update=1000",
    ]
    return skin_text(head, schedule_section(), {
        "Schedule": "# The head, then one body picture a row (%d high) and the tail, stacked from the top.\n"
                    "# Text X values are box edges (LEFT); a row's texts take the row's top as Y.\n"
                    "# The tick goes on a passed schedule's row at MarkShiftX, row top + MarkShiftY."
                    % S_ROW})


def draw_text(im, text, box, colour, points, style, align="LEFT"):
    """A STRING child as the canvas draws it: the box (X', Y, W, H) with X the
    alignment's anchor, the line box centred upright, GDI+'s sixth of an em
    either side; NanumGothic's line is 1.15 em with its baseline 0.92 em down."""
    x, y, w, h = box
    size = px(points)
    face = font(GOTHIC_BOLD if style == "BOLD" else GOTHIC, round(size))
    baseline = round(y + h / 2 - 1.15 * size / 2 + 0.92 * size)
    pad = size / 6
    if align == "CENTER":
        pos, anchor = (round(x), baseline), "ms"
    else:
        pos, anchor = (round(x + pad), baseline), "ls"
    probe = ImageDraw.Draw(blank((1, 1)))
    l, _, r, _ = probe.textbbox(pos, text, font=face, anchor=anchor)
    mask = text_mask(im.size, text, face, pos, anchor=anchor)
    paint(im, mask, colour)
    return l, r


def compose_schedule(pics, head_text, rows, height=None):
    """The view as the meter draws it: head and head text at the top, one body
    a row with its texts (and the tick on a passed schedule), then the tail.
    rows: (kind, name, time). Cut to what it draws unless height is given."""
    im = Image.new("RGBA", (S_WIDTH, height or 1000), (0, 0, 0, 0))
    im.alpha_composite(pics["head.png"], (0, 0))
    l, r = draw_text(im, head_text, HEAD_TEXT, HEADER_INK, 9, "BOLD")
    assert r <= HEAD_TEXT[0] + HEAD_TEXT[2], head_text
    texts = schedule_texts()
    y = S_HEAD
    for kind, name, time in rows:
        body = pics[ROWS[kind][0]]
        im.alpha_composite(body, (0, y))
        if kind == "before":
            im.alpha_composite(pics["tick.png"], (TICK_SHIFT[0], y + TICK_SHIFT[1]))
        parts = texts[kind]
        values = [time, name] if len(parts) == 2 else [name]
        for (prefix, x, w, colour, style), value in zip(parts, values):
            l, r = draw_text(im, value, (x, y, w, S_ROW), colour, 9, style)
            assert r <= x + w, (value, r, x + w)  # the sample texts fit their boxes
        y += body.height
    im.alpha_composite(pics["tail.png"], (0, y))
    return im if height else im.crop((0, 0, S_WIDTH, y + S_TAIL))


HEAD_SAMPLE = "3월 14일 (음력 1/26 )"  # the default TodayFormat outside a leap month
SAMPLE_ROWS = [
    ("special", "엄마 생신", ""),
    ("remain", "수능 -  [ 245 ]일 남음", ""),
    ("pass", "금연 -  [ 38 ]일 지남", ""),
    ("day", "제주도 여행", " "),
    ("before", "주간 회의", "09:30"),
    ("before", "점심 약속", "12:00"),
    ("after", "치과 예약", "15:00"),
    ("after", "요가 수업", "19:30"),
]
NO_ITEMS = [("day", "일정이 없습니다.", " ")]


def check_schedule(pics):
    for kind, row in ROWS.items():
        assert pics[row[0]].size == (S_WIDTH, S_ROW), kind
    assert pics["head.png"].size == (S_WIDTH, S_HEAD)
    assert pics["tail.png"].size == (S_WIDTH, S_TAIL)
    assert pics["tick.png"].size == (TICK, TICK)
    assert SIDE + 4 < TICK_SHIFT[0] and TICK_SHIFT[0] + TICK < TEXT_X
    for parts in schedule_texts().values():
        for prefix, x, w, colour, style in parts:
            assert SIDE + 4 < x and x + w <= S_WIDTH - SIDE - 1, prefix
    assert TEXT_X + TIME_W <= NAME_X


def schedule_about(pics):
    view = compose_schedule(pics, HEAD_SAMPLE, SAMPLE_ROWS[:6])
    small = view.resize((96, round(view.height * 96 / view.width)), Image.LANCZOS)
    return about_card(SHADOW, ("Quillet", "일정"), ("오늘의 일정 스킨", "기념일·D-day·일정"), small,
                      (ABOUT_SIZE[0] - 10 - small.width, (ABOUT_SIZE[1] - 3 - small.height) // 2))


def schedule_preview(pics):
    W = 1120
    sheet = PreviewSheet(W, 4000)
    full = compose_schedule(pics, HEAD_SAMPLE, SAMPLE_ROWS)
    sheet.label("At 1x on four wallpapers: an anniversary, a D-day ahead and one passed, an all-day "
                "schedule, two passed schedules (ticked) and two later ones")
    pw, ph = S_WIDTH + 24, full.height + 20
    for n, wall in enumerate(WALLPAPERS):
        panel = wallpaper((pw, ph), wall)
        panel.alpha_composite(full, (12, 10))
        sheet.place(panel, (16 + n * (pw + 10), sheet.y))
    sheet.y += ph + 16

    window_h = schedule_window_height(S_ROWS_SHOWN)
    sheet.label("A day without items (NoInfoText in an all-day row); the whole window, %d x %d, "
                "on a checkerboard with the sample day; at 3x (nearest)" % (S_WIDTH, window_h))
    empty = compose_schedule(pics, HEAD_SAMPLE, NO_ITEMS)
    sheet.place(on_colour(empty, (236, 238, 242)), (16, sheet.y))
    window = compose_schedule(pics, HEAD_SAMPLE, SAMPLE_ROWS, height=window_h)
    sheet.place(on_checker(window), (16, sheet.y + empty.height + 16))
    big = on_colour(enlarged(full, 3), (236, 238, 242))
    sheet.place(big, (16 + S_WIDTH + 24, sheet.y))
    sheet.y += max(big.height, empty.height + 16 + window_h) + 16

    names = ["head.png"] + [row[0] for row in ROWS.values()] + ["tail.png"]
    sheet.pieces("The pictures at 3x on a checkerboard: head, special day, D-day ahead, D-day passed, "
                 "all day, passed, later, tail; the tick at 6x",
                 [pics[n] for n in names], pics["tick.png"], 6, 16 + 3 * S_WIDTH + 16)

    sheet.about(pics["about.png"])
    return sheet.finished()


# ---------------------------------------------------------------- launcher

LAUNCHER = "Quillet Rauncher"
LAUNCHER_OUT = os.path.join(ROOT, "skins", "RauncherSkin", LAUNCHER)
L_WIDTH = 240
L_HEAD = 28
L_TAIL = 10
L_ROWS_SHOWN = 4        # rows the fixed window has room for
PER_ROW = 5
CELL = (46, 56)         # IconWSpace, IconHSpace; SPACE_W and SPACE_H are 0
SPACE = (0, 0)
ROW_HEIGHT = CELL[1] + SPACE[1]
GRID_LEFT = (L_WIDTH - PER_ROW * CELL[0]) // 2
ICON = 32
TILE = 40               # the icon background: a 38 x 38 tile and its shadow
TILE_SHIFT = (GRID_LEFT + (CELL[0] - TILE) // 2, L_HEAD + 3)
ICON_SHIFT = (TILE_SHIFT[0] + (TILE - ICON) // 2, TILE_SHIFT[1] + (TILE - 2 - ICON) // 2)
LABEL = (GRID_LEFT + 1, TILE_SHIFT[1] + TILE - 1, CELL[0] - 2, 13)  # shift x, shift y, w, h
LABEL_INK = (70, 62, 54)
LABEL_POINTS = 8


def launcher_head():
    def grid(size):
        cells = [rrect(size, ((x - 2.6) * SS, (y - 2.6) * SS, (x + 2.6) * SS, (y + 2.6) * SS), 1.4 * SS)
                 for x in (GLYPH_X - 3.2, GLYPH_X + 3.2) for y in (L_HEAD / 2 - 3.2, L_HEAD / 2 + 3.2)]
        return union(*cells)
    return strip_head(L_WIDTH, L_HEAD, glyph=grid, title=("런처", TEXT_X, 19, 14))


def launcher_body():
    return card_piece(L_WIDTH, ROW_HEIGHT)


def no_data():
    """A body-sized drop zone: a dashed frame round an arrow and the hint."""
    h = ROW_HEIGHT

    def decorate(img, card, inner):
        size = img.size
        x0, y0, x1, y1 = 12, 8, L_WIDTH - 12, h - 8
        frame = minus(rrect(size, (x0 * SS, y0 * SS, x1 * SS, y1 * SS), 7 * SS),
                      rrect(size, ((x0 + 1) * SS, (y0 + 1) * SS, (x1 - 1) * SS, (y1 - 1) * SS), 6 * SS))
        dashes = blank(size)
        d = ImageDraw.Draw(dashes)
        for x in range(0, L_WIDTH, 6):
            d.rectangle([x * SS, 0, (x + 4) * SS - 1, size[1]], fill=255)
        for y in range(y0 + 2, y1, 6):
            d.rectangle([0, y * SS, (x0 + 2) * SS, (y + 4) * SS - 1], fill=255)
            d.rectangle([(x1 - 2) * SS, y * SS, size[0], (y + 4) * SS - 1], fill=255)
        paint(img, both(frame, dashes), RING, 0.75)
        paint(img, rrect(size, ((x0 + 1) * SS, (y0 + 1) * SS, (x1 - 1) * SS, (y1 - 1) * SS), 6 * SS),
              (255, 255, 255), 0.45)
    img = card_piece(L_WIDTH, h, decorate)
    face = font(GOTHIC, 12)
    hint = "프로그램을 끌어다 놓으세요"
    probe = ImageDraw.Draw(blank((1, 1)))
    l, _, r, _ = probe.textbbox((0, 0), hint, font=face, anchor="ls")
    arrow_w, gap = 12, 7
    left = round((L_WIDTH - (arrow_w + gap + r - l)) / 2)
    big = (L_WIDTH * SS, h * SS)
    ax, ay = left + arrow_w / 2, h / 2
    arrow = union(line(big, (ax, ay - 6), (ax, ay + 1.5), 1.6),
                  line(big, (ax - 3.6, ay - 2), (ax, ay + 1.6), 1.6),
                  line(big, (ax + 3.6, ay - 2), (ax, ay + 1.6), 1.6),
                  line(big, (ax - 5.5, ay + 5.5), (ax + 5.5, ay + 5.5), 1.6))
    paint(img, down(arrow, (L_WIDTH, h)), EDGE)
    paint(img, text_mask(img.size, hint, face, (left + arrow_w + gap - l, h // 2 + 4)), SOFT_INK)
    return img


def icon_background():
    size = (TILE * SS, TILE * SS)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    tile = rrect(size, (1 * SS, 0, (TILE - 1) * SS, (TILE - 2) * SS), 9 * SS)
    inner = rrect(size, (2 * SS, SS, (TILE - 2) * SS, (TILE - 3) * SS), 8 * SS)
    paint(img, shifted(tile, 0, 1.0 * SS, 0.9 * SS), SHADOW, 0.22)
    paint(img, tile, gradient(size, (255, 255, 255), blend(PAGE_BOTTOM, RING, 0.08)))
    paint(img, minus(inner, shifted(inner, 0, 1.0 * SS)), (255, 255, 255))
    paint(img, minus(tile, inner), RING, 0.45)
    return down(img, (TILE, TILE))


def launcher_pictures():
    return {"head.png": launcher_head(), "body.png": launcher_body(), "tail.png": tail(L_WIDTH, L_TAIL),
            "no_data.png": no_data(), "icon_background.png": icon_background()}


def launcher_section():
    return [("Rauncher", [
        ("DrawType", "RAUNCHER"), ("X", 0), ("Y", 0),
        ("HeadImage", "head.png"), ("BodyImage", "body.png"), ("TailImage", "tail.png"),
        ("NoDataImage", "no_data.png"), ("IconBackgroundImage", "icon_background.png"),
        ("RowDataCount", PER_ROW), ("IconWSpace", CELL[0]), ("IconHSpace", CELL[1]),
        ("SPACE_W", SPACE[0]), ("SPACE_H", SPACE[1]), ("RowHeight", ROW_HEIGHT),
        ("IconShiftX", ICON_SHIFT[0]), ("IconshiftY", ICON_SHIFT[1]),
        ("IconBackgroundShiftX", TILE_SHIFT[0]), ("IconBackgroundshiftY", TILE_SHIFT[1]),
        ("LabelShiftX", LABEL[0]), ("LabelShiftY", LABEL[1]), ("LabelW", LABEL[2]), ("LabelH", LABEL[3]),
        ("LabelFontColor", "%d,%d,%d,255" % LABEL_INK), ("LabelFontSize", LABEL_POINTS),
        ("LabelFontAlign", "CENTER"), ("LabelFontVAlign", "CENTER"),
    ])]


def launcher_window_height(rows):
    return L_HEAD + rows * ROW_HEIGHT + L_TAIL


def launcher_ski():
    head = [
        "# " + LAUNCHER + ": a launcher of programs, of the Quillet program.",
        "# Made by assets/make_widget_skins.py; edit that and run it again.",
        "",
        "# No background picture: the window is WindowWidth x WindowHeight, see-through where",
        "# the meter draws nothing; this height has room for the head, %d rows and the tail." % L_ROWS_SHOWN,
        "[Background]",
        "AboutSkin=about.png",
        "WindowWidth=%d" % L_WIDTH,
        "WindowHeight=%d" % launcher_window_height(L_ROWS_SHOWN),
        "Update=1000",
    ]
    return skin_text(head, launcher_section(), {
        "Rauncher": "# The head at X, Y, one body a row of RowDataCount icons (RowHeight apart), then the tail;\n"
                    "# without programs the no-data picture instead of the rows. Cells are IconWSpace by\n"
                    "# IconHSpace from X, Y; the shifts place the tile, the icon and the label box in a cell."})


# Sample icons for the preview, 32 x 32.

def sample_icon(kind):
    size = (ICON * SS, ICON * SS)
    img = Image.new("RGBA", size, (0, 0, 0, 0))

    def box(x0, y0, x1, y1, r):
        return rrect(size, (x0 * SS, y0 * SS, x1 * SS, y1 * SS), r * SS)

    white = (255, 255, 255)
    if kind == "folder":
        paint(img, box(3, 6, 15, 14, 2), (214, 150, 40))
        paint(img, box(3, 9, 29, 27, 2.5), gradient(size, (255, 206, 96), (240, 164, 40)))
        paint(img, box(3, 9, 29, 10.2, 0.6), (255, 232, 170), 0.8)
    elif kind == "globe":
        paint(img, circle(size, 16 * SS, 16 * SS, 13 * SS), gradient(size, (84, 170, 240), (30, 104, 200)))
        grid = union(ring_mask(size, 16, 16, 13, 1.2),
                     minus(rrect(size, (10.5 * SS, 3 * SS, 21.5 * SS, 29 * SS), 5.5 * SS),
                           rrect(size, (11.7 * SS, 4.2 * SS, 20.3 * SS, 27.8 * SS), 4.3 * SS)),
                     line(size, (3.5, 16), (28.5, 16), 1.2), line(size, (16, 3.5), (16, 28.5), 1.2),
                     line(size, (6, 10), (26, 10), 1.1), line(size, (6, 22), (26, 22), 1.1))
        paint(img, both(grid, circle(size, 16 * SS, 16 * SS, 13 * SS)), white, 0.75)
    elif kind == "memo":
        page = box(5, 3, 27, 29, 2.5)
        paint(img, shifted(page, 0, 0.8 * SS, 0.8 * SS), SHADOW, 0.25)
        paint(img, page, (255, 251, 236))
        paint(img, both(page, box(5, 3, 27, 10, 0)), gradient(size, STRIP_TOP, STRIP_BOTTOM))
        for y in (15, 19, 23):
            paint(img, line(size, (9, y), (23 if y < 23 else 18, y), 1.2), (176, 146, 104))
        paint(img, minus(page, box(6, 4, 26, 28, 1.5)), RING, 0.6)
    elif kind == "calculator":
        paint(img, box(6, 3, 26, 29, 3), gradient(size, (96, 102, 112), (62, 66, 74)))
        paint(img, box(9, 6, 23, 12, 1), (200, 232, 196))
        for i in range(3):
            for j in range(3):
                colour = (242, 168, 44) if (i, j) == (2, 2) else (226, 228, 232)
                paint(img, box(9 + j * 5, 15 + i * 4.5, 13 + j * 5, 18.5 + i * 4.5, 0.8), colour)
    elif kind == "terminal":
        paint(img, box(3, 5, 29, 27, 3), (38, 42, 50))
        paint(img, box(3, 5, 29, 9, 0), (70, 76, 88))
        paint(img, both(box(3, 5, 29, 27, 3), box(3, 5, 29, 9.5, 0)), (70, 76, 88))
        mark = union(line(size, (8, 13), (12, 16.5), 1.6), line(size, (12, 16.5), (8, 20), 1.6),
                     line(size, (14.5, 21), (21, 21), 1.6))
        paint(img, mark, (120, 220, 140))
    elif kind == "music":
        paint(img, box(3, 3, 29, 29, 7), gradient(size, (250, 110, 140), (214, 52, 96)))
        note = union(circle(size, 12 * SS, 22 * SS, 3.2 * SS), circle(size, 21 * SS, 20 * SS, 3.2 * SS),
                     line(size, (14.6, 22), (14.6, 9), 1.6), line(size, (23.6, 20), (23.6, 7), 1.6),
                     shape(size, [(13.8, 8.5), (24.4, 6.2), (24.4, 9.2), (13.8, 11.5)]))
        paint(img, note, white)
    elif kind == "photo":
        frame = box(3, 5, 29, 27, 3)
        paint(img, frame, gradient(size, (150, 208, 250), (214, 236, 252)))
        paint(img, circle(size, 22 * SS, 11 * SS, 2.8 * SS), (255, 206, 80))
        paint(img, both(frame, shape(size, [(3, 27), (12, 14), (19, 23), (23, 18), (30, 27)])),
              gradient(size, (92, 176, 96), (52, 130, 66)))
        paint(img, minus(frame, box(4, 6, 28, 26, 2)), white, 0.6)
    return down(img, (ICON, ICON))


SAMPLE_PROGRAMS = [("folder", "탐색기"), ("globe", "브라우저"), ("memo", "메모장"),
                   ("calculator", "계산기"), ("terminal", "터미널"), ("music", "음악"), ("photo", "사진")]


def compose_launcher(pics, programs, height=None):
    """The launcher as the meter draws it: the head at X, Y (0, 0), a body a row
    (or the no-data picture), the tail; then per entry its tile, icon and label."""
    im = Image.new("RGBA", (L_WIDTH, height or 1000), (0, 0, 0, 0))
    im.alpha_composite(pics["head.png"], (0, 0))
    rows = (len(programs) + PER_ROW - 1) // PER_ROW
    if programs:
        for r in range(rows):
            im.alpha_composite(pics["body.png"], (0, L_HEAD + r * ROW_HEIGHT))
        bottom = L_HEAD + rows * ROW_HEIGHT
    else:
        im.alpha_composite(pics["no_data.png"], (0, L_HEAD))
        bottom = L_HEAD + pics["no_data.png"].height
    im.alpha_composite(pics["tail.png"], (0, bottom))
    for i, (kind, name) in enumerate(programs):
        x = (i % PER_ROW) * (CELL[0] + SPACE[0])
        y = (i // PER_ROW) * (CELL[1] + SPACE[1])
        im.alpha_composite(pics["icon_background.png"], (x + TILE_SHIFT[0], y + TILE_SHIFT[1]))
        im.alpha_composite(sample_icon(kind), (x + ICON_SHIFT[0], y + ICON_SHIFT[1]))
        lx, ly, lw, lh = LABEL
        # A centred label's anchor is the middle of its box.
        l, r = draw_text(im, name, (x + lx + lw / 2, y + ly, lw, lh), LABEL_INK, LABEL_POINTS, "NORMAL", "CENTER")
        assert x + lx <= l and r <= x + lx + lw, name
    return im if height else im.crop((0, 0, L_WIDTH, bottom + L_TAIL))


def check_launcher(pics):
    assert pics["head.png"].size == (L_WIDTH, L_HEAD)
    assert pics["body.png"].size == pics["no_data.png"].size == (L_WIDTH, ROW_HEIGHT)
    assert pics["tail.png"].size == (L_WIDTH, L_TAIL)
    assert pics["icon_background.png"].size == (TILE, TILE)
    # Each cell's tile, icon and label lie inside its row's body and inside the card.
    for col in (0, PER_ROW - 1):
        x = col * (CELL[0] + SPACE[0])
        assert SIDE < x + TILE_SHIFT[0] and x + TILE_SHIFT[0] + TILE < L_WIDTH - SIDE
        assert x + TILE_SHIFT[0] <= x + ICON_SHIFT[0] and x + ICON_SHIFT[0] + ICON <= x + TILE_SHIFT[0] + TILE
        assert SIDE < x + LABEL[0] and x + LABEL[0] + LABEL[2] < L_WIDTH - SIDE
    assert L_HEAD <= TILE_SHIFT[1] and TILE_SHIFT[1] + TILE <= LABEL[1] + 1
    assert LABEL[1] + LABEL[3] <= L_HEAD + ROW_HEIGHT


def launcher_about(pics):
    view = compose_launcher(pics, SAMPLE_PROGRAMS)
    small = view.resize((90, round(view.height * 90 / view.width)), Image.LANCZOS)
    return about_card(SHADOW, ("Quillet", "런처"), ("프로그램 런처", "끌어다 놓아 추가"), small,
                      (ABOUT_SIZE[0] - 10 - small.width, (ABOUT_SIZE[1] - 3 - small.height) // 2))


def launcher_preview(pics):
    W = 1120
    sheet = PreviewSheet(W, 4000)
    seven = compose_launcher(pics, SAMPLE_PROGRAMS)
    empty = compose_launcher(pics, [])
    sheet.label("At 1x on four wallpapers: seven programs (rows of 5 and 2), and no programs (the "
                "no-data picture between head and tail)")
    pw, ph = L_WIDTH + 24, seven.height + empty.height + 30
    for n, wall in enumerate(WALLPAPERS):
        panel = wallpaper((pw, ph), wall)
        panel.alpha_composite(seven, (12, 10))
        panel.alpha_composite(empty, (12, 20 + seven.height))
        sheet.place(panel, (16 + n * (pw + 10), sheet.y))
    sheet.y += ph + 16

    window_h = launcher_window_height(L_ROWS_SHOWN)
    full = [(k, n) for k, n in SAMPLE_PROGRAMS * 3][:L_ROWS_SHOWN * PER_ROW]
    sheet.label("At 3x (nearest), seven programs; the whole window, %d x %d, on a checkerboard "
                "with twenty programs" % (L_WIDTH, window_h))
    big = on_colour(enlarged(seven, 3), (236, 238, 242))
    sheet.place(big, (16, sheet.y))
    sheet.place(on_checker(compose_launcher(pics, full, height=window_h)), (16 + big.width + 24, sheet.y))
    sheet.y += max(big.height, window_h) + 16

    sheet.pieces("The pictures at 3x on a checkerboard: head, body, no data, tail, icon background",
                 [pics[n] for n in ("head.png", "body.png", "no_data.png", "tail.png")],
                 pics["icon_background.png"], 3, 16 + 3 * L_WIDTH + 16)

    sheet.about(pics["about.png"])
    return sheet.finished()


# ---------------------------------------------------------------- main

def main():
    pics = schedule_pictures()
    check_schedule(pics)
    pics["about.png"] = schedule_about(pics)
    write_skin(SCHEDULE_OUT, SCHEDULE, schedule_ski(), pics,
               os.path.join(PREVIEWS, "schedule_preview.png"), schedule_preview(pics))

    pics = launcher_pictures()
    check_launcher(pics)
    pics["about.png"] = launcher_about(pics)
    write_skin(LAUNCHER_OUT, LAUNCHER, launcher_ski(), pics,
               os.path.join(PREVIEWS, "launcher_preview.png"), launcher_preview(pics))


if __name__ == "__main__":
    main()
