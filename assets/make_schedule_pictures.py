#!/usr/bin/python3
"""Draws the schedule list's kind icons and the listen button's speaker.

Run with Debian's /usr/bin/python3 (python3-pil). No arguments; writes 24-bit
BMP files into assets/schedule/ beside this script, magenta (255, 0, 255)
where the row or button shows through, and a preview sheet, and prints each
file it wrote. The output is byte-for-byte the same on every run.

schedule_kinds.bmp is one strip of 20 x 20 cells, indexed by the schedule
kind: daily, once, date, weekdays, period, month day, (unused), done once,
done date. The glyphs are drawn pixel by pixel so they stay crisp at 100 %;
every one has a dark outline so it reads on a white row and on the blue
selection alike.
"""

import os
import sys

from PIL import Image, ImageDraw

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from drawing import (NANUM, ROOT, PreviewSheet, enlarged, font, keyed_bmp24,  # noqa: E402
                     on_colour, pixel_art, png_bytes, write_files)

OUT = os.path.join(ROOT, "assets", "schedule")
CELL = 20

# The memo buttons' warm near-black, and the icon's paper, quill and coral.
INK = (46, 38, 30)
COLOURS = {
    "K": INK,
    "Y": (255, 232, 130), "S": (250, 188, 66), "E": (196, 132, 26),
    "W": (255, 246, 206),
    "T": (72, 178, 166), "t": (28, 128, 126),
    "q": (20, 88, 86),            # teal outline, dark enough on the blue
    "C": (232, 112, 88), "c": (196, 82, 60),
    "e": (226, 208, 172),         # an unmarked day
}

SELECTION = (51, 153, 255)

DAILY = [
    "....................",
    ".......qqqqqq.......",
    ".....qqTTTTTTqq.....",
    "....qTTWWEEWWTTq....",
    "...qTWWWWWWWWWWTq...",
    "..qTWWWWWKKWWWWWTq..",
    "..qTWWWWWKKWWWWWTq..",
    ".qTWWWWWWKKWWWWWWTq.",
    ".qTWWWWWWKKWWWWWWTq.",
    ".qTEWWWWWKKWWWWWETq.",
    ".qTEWWWWWKKKKKWWETq.",
    ".qTWWWWWWWKKKKWWWTq.",
    ".qTWWWWWWWWWWWWWWTq.",
    "..qTWWWWWWWWWWWWTq..",
    "..qTWWWWWWWWWWWWTq..",
    "...qTWWWWWWWWWWTq...",
    "....qTTWWEEWWTTq....",
    ".....qqTTTTTTqq.....",
    ".......qqqqqq.......",
    "....................",
]

ONCE = [
    "....................",
    ".........KK.........",
    "........KKKK........",
    "......KKSSSSKK......",
    ".....KSYYSSSSSK.....",
    ".....KSYSSSSSSK.....",
    "....KSYSSSSSSSSK....",
    "....KSYSSSSSSSSK....",
    "....KSYSSSSSSSSK....",
    "....KSYSSSSSSSSK....",
    "...KSYSSSSSSSSSSK...",
    "...KSYSSSSSSSSSSK...",
    "..KSSSSSSSSSSSSSSK..",
    ".KSSSSSSSSSSSSSSSSK.",
    ".KEEEEEEEEEEEEEEEEK.",
    "..KKKKKKKKKKKKKKKK..",
    "........KKKK........",
    ".........KK.........",
    "....................",
    "....................",
]

PERIOD = [
    "....................",
    "....................",
    "....................",
    "....................",
    "..KKKK........KKKK..",
    "..KKKK........KKKK..",
    "..KK............KK..",
    "..KK............KK..",
    "..KK..qqqqqqqq..KK..",
    "..KK..qTTTTTTq..KK..",
    "..KK..qTTTTTTq..KK..",
    "..KK..qqqqqqqq..KK..",
    "..KK............KK..",
    "..KK............KK..",
    "..KKKK........KKKK..",
    "..KKKK........KKKK..",
    "....................",
    "....................",
    "....................",
    "....................",
]

SPEAKER = [
    "....................",
    "....................",
    "..........KK........",
    ".........KYK........",
    "........KYSK...K....",
    ".......KYSSK....K...",
    "..KKKKKYSSSK.....K..",
    "..KYYYYSSSSK.K...K..",
    "..KYSSSSSSSK..K...K.",
    "..KYSSSSSSSK..K...K.",
    "..KYSSSSSSSK..K...K.",
    "..KYSSSSSSSK..K...K.",
    "..KYEEEESSSK.K...K..",
    "..KKKKKESSSK.....K..",
    ".......KESSK....K...",
    "........KESK...K....",
    ".........KEK........",
    "..........KK........",
    "....................",
    "....................",
]

# Digits two pixels thick, 8 tall, for the calendar pages.
DIGITS = {
    "1": ["..KK", ".KKK", "KKKK", "..KK", "..KK", "..KK", "..KK", "..KK"],
    "5": ["KKKKK", "KK...", "KK...", "KKKK.", "...KK", "...KK", "K..KK", ".KKK."],
}


def calendar(header):
    """A page with two binder rings over a coloured band, as rows."""
    g = [["."] * CELL for _ in range(CELL)]
    for y in range(2, 19):
        for x in range(1, 19):
            edge = y in (2, 18) or x in (1, 18)
            g[y][x] = "K" if edge else (header if y < 6 else "W")
    for x in (1, 18):               # rounded corners
        g[2][x] = g[18][x] = "."
    for y in range(2, 19):
        if y == 6:
            for x in range(2, 18):
                g[y][x] = "K"
    for x0 in (5, 13):
        for y in (1, 2, 3):
            g[y][x0] = g[y][x0 + 1] = "K"
    return g


def write_digits(g, text, x, y):
    for ch in text:
        rows = DIGITS[ch]
        for dy, row in enumerate(rows):
            for dx, c in enumerate(row):
                if c != ".":
                    g[y + dy][x + dx] = c
        x += len(rows[0]) + 1


def rows_of(g):
    return ["".join(r) for r in g]


def date_page():
    g = calendar("C")
    write_digits(g, "15", 5, 8)
    return rows_of(g)


def weekdays_page():
    g = calendar("C")
    for row, y in enumerate((8, 11, 14)):
        for col, x in enumerate((3, 6, 9, 12, 15)):
            c = "T" if col in (0, 2, 4) else "e"
            for dy in (0, 1):
                g[y + dy][x] = g[y + dy][x + 1] = c
    return rows_of(g)


def month_day_page():
    """A page with the day marked in its corner, unlike the one-off date."""
    g = calendar("T")
    write_digits(g, "15", 4, 7)
    for y in range(7, 18):
        for x in range(2, 18):
            if x + y >= 30:
                g[y][x] = "C"
    return rows_of(g)


def greyed(im):
    """A done schedule: the picture in greys, kept dark enough at the outline
    to read on the selection."""
    out = im.copy()
    px = out.load()
    for y in range(im.height):
        for x in range(im.width):
            r, g, b, a = px[x, y]
            if a:
                v = int(round(72 + (0.3 * r + 0.59 * g + 0.11 * b) * 0.62))
                px[x, y] = (v, v, v, 255)
    return out


def kind_icons():
    blank = Image.new("RGBA", (CELL, CELL), (0, 0, 0, 0))
    once = pixel_art(ONCE, COLOURS)
    date = pixel_art(date_page(), COLOURS)
    return [pixel_art(DAILY, COLOURS), once, date, pixel_art(weekdays_page(), COLOURS),
            pixel_art(PERIOD, COLOURS), pixel_art(month_day_page(), COLOURS), blank,
            greyed(once), greyed(date)]


KIND_NAMES = ["매일", "한 번", "날짜", "요일", "기간", "매월", "(없음)", "끝난 한 번", "끝난 날짜"]


# ---------------------------------------------------------------- preview

def list_rows(icons, width, selected):
    """A few list rows as the schedule list paints them."""
    korean = font(NANUM + "NanumGothic.ttf", 12)
    texts = ["09:00 약 먹기", "14:30 치과 예약", "3월 15일 엄마 생신", "월 수 금 운동",
             "3/2 ~ 3/9 출장", "매월 15일 관리비", "", "어제 회의 (끝남)", "2월 14일 (끝남)"]
    h = 22
    im = Image.new("RGBA", (width, h * len(icons)), (255, 255, 255, 255))
    d = ImageDraw.Draw(im)
    for i, (icon, text) in enumerate(zip(icons, texts)):
        y = i * h
        sel = i == selected
        if sel:
            d.rectangle([0, y, width - 1, y + h - 1], fill=SELECTION)
        im.alpha_composite(icon, (3, y + 1))
        d.text((28, y + 3), text, font=korean,
               fill=(255, 255, 255) if sel else ((128, 128, 128) if i >= 7 else (0, 0, 0)))
    return im


def button(pic, face=(240, 240, 240), size=(26, 24)):
    w, h = size
    im = Image.new("RGBA", size, face + (255,))
    d = ImageDraw.Draw(im)
    d.rectangle([0, 0, w - 1, h - 1], outline=(173, 173, 173))
    im.alpha_composite(pic, ((w - pic.width) // 2, (h - pic.height) // 2))
    return im


def preview(icons, strip, speaker):
    korean = font(NANUM + "NanumGothic.ttf", 11)
    sheet = PreviewSheet(1100, 2000, label_size=11, top=10)
    sheet.label("schedule_kinds.bmp at 1x and speaker.bmp at 1x, on white and on the selection blue")
    for i, bg in enumerate(((255, 255, 255), SELECTION)):
        sheet.place(on_colour(strip, bg), (16 + i * 260, sheet.y))
        sheet.place(on_colour(speaker, bg), (16 + i * 260 + 200, sheet.y))
    sheet.y += 32
    for bg in ((255, 255, 255), SELECTION):
        sheet.label("At 5x (nearest) on %s" % ("white" if bg[0] == 255 else "the selection blue"))
        for i, icon in enumerate(icons + [speaker]):
            x = 16 + i * 106
            sheet.place(enlarged(on_colour(icon, bg), 5), (x, sheet.y))
            name = KIND_NAMES[i] if i < len(icons) else "듣기"
            sheet.text((x, sheet.y + 104), "%s" % (i if i < len(icons) else "speaker"))
            sheet.text((x + 46, sheet.y + 104), name, korean)
        sheet.y += 126
    sheet.label("In place at 1x and 2x: a schedule list with row 2 selected, and the listen button")
    rows = list_rows(icons, 200, 2)
    sheet.place(rows, (16, sheet.y))
    sheet.place(enlarged(rows, 2), (240, sheet.y))
    sheet.place(button(speaker), (660, sheet.y))
    sheet.place(enlarged(button(speaker), 4), (700, sheet.y))
    sheet.y += rows.height * 2 + 12
    return sheet.finished()


# ---------------------------------------------------------------- main

def main():
    icons = kind_icons()
    for im in icons:
        assert im.size == (CELL, CELL), im.size
    strip = Image.new("RGBA", (CELL * len(icons), CELL), (0, 0, 0, 0))
    for i, im in enumerate(icons):
        strip.paste(im, (i * CELL, 0))
    speaker = pixel_art(SPEAKER, COLOURS)
    assert speaker.size == (CELL, CELL)
    write_files(OUT, [("schedule_kinds.bmp", keyed_bmp24(strip)),
                      ("speaker.bmp", keyed_bmp24(speaker)),
                      ("preview.png", png_bytes(preview(icons, strip, speaker)))])


if __name__ == "__main__":
    main()
