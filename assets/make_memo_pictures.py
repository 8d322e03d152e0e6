#!/usr/bin/python3
"""Draws the memo window's button pictures: the title strip's seven buttons,
the folded memo's two and the format bar's bold, italic and underline.

Run with Debian's /usr/bin/python3 (python3-pil). No arguments; writes 24-bit
BMP files into assets/memo/ beside this script, magenta (255, 0, 255) where
the button's background shows through, and a preview sheet, and prints each
file it wrote. The output is byte-for-byte the same on every run. The file
name starts with the program's resource number.

The glyphs are drawn pixel by pixel: at 9 to 12 pixels a downscaled drawing
goes soft. Magenta cannot be blended with, so the few softened pixels mix the
ink with a light mid-tone instead; they then read as a half-covered pixel on
the pale memo colours and vanish into the two dark ones.
"""

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


def preview(pics):
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
    sheet = PreviewSheet(W, 3000, label_size=11, top=10)
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
    return sheet.finished()


# ---------------------------------------------------------------- main

def main():
    pics = {}
    files = []
    for rid, name, _, rows in PICTURES:
        im = pixel_art(rows, COLOURS)
        assert im.size == SIZES[rid], (rid, im.size)
        pics[rid] = im
        files.append(("%d_%s.bmp" % (rid, name), keyed_bmp24(im)))
    write_files(OUT, files + [("preview.png", png_bytes(preview(pics)))])

if __name__ == "__main__":
    main()
