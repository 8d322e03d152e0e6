"""Drawing helpers shared by the picture generators."""
import io
import math
import os

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def solid(size, color):
    return Image.new("RGBA", size, tuple(color[:3]) + (255,))


def paint(canvas, mask, source, opacity=1.0):
    """Composite source (image or colour) onto canvas through an L mask."""
    if not isinstance(source, Image.Image):
        source = solid(canvas.size, source)
    layer = source.copy()
    if opacity < 1.0:
        mask = mask.point(lambda v: int(round(v * opacity)))
    layer.putalpha(ImageChops.multiply(mask, source.getchannel("A")))
    canvas.alpha_composite(layer)


def gradient(size, top, bottom, horizontal=False):
    """RGBA image with a linear two-colour gradient."""
    w, h = size
    n = w if horizontal else h
    strip = Image.new("RGBA", (n, 1) if horizontal else (1, n))
    for i in range(n):
        t = i / max(1, n - 1)
        c = tuple(int(round(a + (b - a) * t)) for a, b in zip(top, bottom))
        strip.putpixel((i, 0) if horizontal else (0, i), c + (255,))
    return strip.resize((w, h), Image.NEAREST)


def blend(a, b, t):
    """Colour a moved the share t of the way towards colour b."""
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a[:3], b[:3]))


def pixel_art(rows, colours):
    """RGBA picture from rows of letters, one a pixel; '.' is see-through."""
    img = Image.new("RGBA", (len(rows[0]), len(rows)), (0, 0, 0, 0))
    for y, row in enumerate(rows):
        assert len(row) == img.width, row
        for x, ch in enumerate(row):
            if ch != ".":
                img.putpixel((x, y), tuple(colours[ch][:3]) + (255,))
    return img


def keyed_bmp24(img, key=(255, 0, 255)):
    """24-bit BI_RGB bottom-up BMP whose clear pixels take the key colour, for
    TransparentBlt. Half-clear pixels would come out as fringes in the key
    colour, so only fully opaque and fully clear ones are allowed."""
    alpha = img.getchannel("A")
    assert set(alpha.getdata()) <= {0, 255}, "partly transparent pixels"
    rgb = img.convert("RGB")
    assert all(c != key for c, a in zip(rgb.getdata(), alpha.getdata()) if a), "key colour inside"
    flat = Image.new("RGB", img.size, key)
    flat.paste(rgb, mask=alpha)
    buf = io.BytesIO()
    flat.save(buf, "BMP")
    return buf.getvalue()


def png_bytes(img):
    buf = io.BytesIO()
    img.save(buf, "PNG", optimize=False)
    return buf.getvalue()


def write_files(folder, files):
    """Writes (name, bytes) pairs into folder, printing each file's path from
    the repository root, picture size (for pictures) and length."""
    os.makedirs(folder, exist_ok=True)
    for name, data in files:
        path = os.path.join(folder, name)
        with open(path, "wb") as f:
            f.write(data)
        dims = ""
        if not name.endswith((".ski", ".txt")):
            with Image.open(path) as im:
                dims = "%dx%d %s " % (im.width, im.height, im.mode)
        print(os.path.relpath(path, ROOT), dims + str(len(data)), "bytes")


# Masks are L pictures, usually drawn supersampled and brought down with down().

def band_gradient(size, stops):
    """Vertical gradient through (position 0..1, colour) stops."""
    w, h = size
    strip = Image.new("RGBA", (1, h))
    for i in range(h):
        t = i / max(1, h - 1)
        for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
            if t0 <= t <= t1:
                u = (t - t0) / max(1e-9, t1 - t0)
                c = tuple(int(round(a + (b - a) * u)) for a, b in zip(c0, c1))
                break
        strip.putpixel((0, i), c + (255,))
    return strip.resize((w, h), Image.NEAREST)


def blank(size):
    return Image.new("L", size, 0)


def disc_box(cx, cy, r):
    """Pillow box of a disc: whole-pixel bounds keep it symmetric about its
    centre, and Pillow fills both ends of a box, so the far edge comes in by one."""
    x0, y0, x1, y1 = [int(round(v)) for v in (cx - r, cy - r, cx + r, cy + r)]
    return [x0, y0, x1 - 1, y1 - 1]


def circle(size, cx, cy, r):
    m = blank(size)
    ImageDraw.Draw(m).ellipse(disc_box(cx, cy, r), fill=255)
    return m


def rrect(size, box, r):
    m = blank(size)
    ImageDraw.Draw(m).rounded_rectangle([box[0], box[1], box[2] - 1, box[3] - 1],
                                        radius=r, fill=255)
    return m


def polygon(size, pts):
    m = blank(size)
    ImageDraw.Draw(m).polygon([(round(x, 3), round(y, 3)) for x, y in pts], fill=255)
    return m


def shifted(mask, dx, dy, blur=0.0):
    m = mask.transform(mask.size, Image.AFFINE, (1, 0, -dx, 0, 1, -dy),
                       resample=Image.BILINEAR)
    return m.filter(ImageFilter.GaussianBlur(blur)) if blur > 0 else m


def minus(a, b):
    return ImageChops.subtract(a, b)


def both(a, b):
    return ImageChops.multiply(a, b)


def bar(size, p0, p1, width):
    """Flat-ended bar from p0 to p1, like a GDI+ line with flat caps."""
    (ax, ay), (bx, by) = p0, p1
    ln = math.hypot(bx - ax, by - ay)
    nx, ny = -(by - ay) / ln * width / 2, (bx - ax) / ln * width / 2
    return polygon(size, [(ax + nx, ay + ny), (bx + nx, by + ny),
                          (bx - nx, by - ny), (ax - nx, ay - ny)])


def capsule(size, p0, p1, width):
    m = bar(size, p0, p1, width)
    d = ImageDraw.Draw(m)
    r = width / 2
    for x, y in (p0, p1):
        d.ellipse([x - r, y - r, x + r, y + r], fill=255)
    return m


def down(img, size):
    # Box averaging gives exact coverage; LANCZOS would ring on hard edges.
    return img.resize(size, Image.BOX)


NANUM = "/usr/share/fonts/truetype/nanum/"
DEJAVU = "/usr/share/fonts/truetype/dejavu/"


def font(name, size):
    return ImageFont.truetype(name, size)


def text_mask(size, text, face, pos, anchor="ls", embolden=0.0):
    """Text drawn at the final size (hinted, so stems stay on pixels), as an L
    mask; embolden adds that share of the mask one pixel to the right."""
    m = blank(size)
    ImageDraw.Draw(m).text(pos, text, font=face, fill=255, anchor=anchor)
    if embolden:
        m = ImageChops.lighter(m, shifted(m, 1, 0).point(lambda v: int(v * embolden)))
    return m


def checker(size, a=(228, 228, 228), b=(255, 255, 255), cell=6):
    im = Image.new("RGBA", size, b + (255,))
    d = ImageDraw.Draw(im)
    for y in range(0, size[1], cell):
        for x in range(0, size[0], cell):
            if (x // cell + y // cell) % 2:
                d.rectangle([x, y, x + cell - 1, y + cell - 1], fill=a + (255,))
    return im


# Preview sheets: labelled rows of pictures on a light page, for eyeballing.

LABEL_FONT = DEJAVU + "DejaVuSans.ttf"


def enlarged(im, factor):
    """Nearest-neighbour enlargement, so each pixel shows as a square."""
    return im.resize((im.width * factor, im.height * factor), Image.NEAREST)


WALLPAPERS = [(236, 238, 242), (30, 32, 38), (0, 90, 158), None]  # light, dark, blue, photo


def wallpaper(size, colour, hill=(0.3, 1.2, 0.7)):
    """A desktop tile to show a skin on: a plain colour, or for None a photo-like
    landscape whose hill is a blurred disc at (x, y, r) as shares of the size."""
    if colour is not None:
        return Image.new("RGBA", size, tuple(colour) + (255,))
    w, h = size
    tile = gradient(size, (94, 140, 120), (206, 176, 120), horizontal=True)
    mound = circle(size, w * hill[0], h * hill[1], h * hill[2]).filter(ImageFilter.GaussianBlur(8))
    paint(tile, mound, (60, 96, 70), 0.6)
    return tile


def on_colour(im, colour):
    """im composited over an opaque tile of colour (RGB or RGBA)."""
    tile = Image.new("RGBA", im.size, tuple(colour) + (255,) * (4 - len(colour)))
    tile.alpha_composite(im)
    return tile


def on_checker(im, **pattern):
    """im composited over a checkerboard; pattern is checker()'s a, b and cell."""
    tile = checker(im.size, **pattern)
    tile.alpha_composite(im)
    return tile


class PreviewSheet:
    """A page filled from the top down; y is where the next row starts.
    Made taller than needed, then cut to y by finished()."""
    PAGE = (246, 244, 240, 255)
    INK = (40, 40, 40, 255)

    def __init__(self, width, height, label_size=12, top=12):
        self.width = width
        self.page = Image.new("RGBA", (width, height), self.PAGE)
        self.draw = ImageDraw.Draw(self.page)
        self.label_font = font(LABEL_FONT, label_size)
        self.y = top

    def text(self, pos, text, text_font=None):
        if text_font is None:
            text_font = self.label_font
        self.draw.text(pos, text, font=text_font, fill=self.INK)

    def label(self, text, height=20):
        """A caption at the left margin, then moves y below it."""
        self.text((16, self.y), text)
        self.y += height

    def place(self, im, pos):
        self.page.alpha_composite(im, pos)

    def pieces(self, text, pics, side, side_scale, side_x):
        """A caption, then `pics` enlarged 3x on a checkerboard down the left
        margin, and `side` enlarged `side_scale` times at `side_x` beside them."""
        self.label(text)
        y = self.y
        for im in pics:
            t = on_checker(enlarged(im, 3))
            self.place(t, (16, y))
            y += t.height + 6
        self.place(on_checker(enlarged(side, side_scale)), (side_x, self.y))
        self.y = y + 10

    def about(self, picture):
        """A skin's about picture at 1x, and at 2x on a light grey beside it."""
        self.label("AboutSkin picture at 1x and 2x")
        self.place(picture, (16, self.y))
        self.place(on_colour(enlarged(picture, 2), (236, 238, 242)), (16 + picture.width + 16, self.y))
        self.y += picture.height * 2 + 12

    def finished(self):
        return self.page.crop((0, 0, self.width, self.y)).convert("RGB")


# ---------------------------------------------------------------- shipped skins

# The memo's look, which the widgets share: an amber title strip over cream paper.
STRIP_TOP = (250, 192, 72)
STRIP_BOTTOM = (242, 168, 44)
EDGE = (196, 132, 26)       # the strip's seam and darker amber lines
PAGE_TOP = (255, 253, 247)
PAGE_BOTTOM = (250, 244, 232)
RING = (176, 146, 104)      # the paper's hairline edge
HEADER_INK = (84, 52, 14)   # letters on the strip

ABOUT_SIZE = (220, 110)


def about_card(shadow, title_lines, notes, picture, picture_at, ss=8):
    """A skin's about picture: a cream card with the program's amber band, the
    skin's name in two lines and two notes on the left, and `picture` (a small
    view of the skin itself) at `picture_at`."""
    W, H = ABOUT_SIZE
    size = (W * ss, H * ss)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    box = (3 * ss, 2 * ss, (W - 3) * ss, (H - 5) * ss)
    card = rrect(size, box, 10 * ss)
    paint(img, shifted(card, 0, 2 * ss, 2.4 * ss), shadow, 0.35)
    paint(img, card, gradient(size, (255, 252, 244), (248, 238, 220)))
    accent = both(card, polygon(size, [(0, 0), (size[0], 0), (size[0], box[1] + 4 * ss), (0, box[1] + 4 * ss)]))
    paint(img, accent, gradient(size, (250, 188, 66), (242, 168, 44)))
    ring = minus(card, rrect(size, (box[0] + ss, box[1] + ss, box[2] - ss, box[3] - ss), 9 * ss))
    paint(img, ring, (176, 146, 104), 0.55)
    img = down(img, ABOUT_SIZE)
    img.alpha_composite(picture, picture_at)

    d = ImageDraw.Draw(img)
    title = font(NANUM + "NanumSquareRoundB.ttf", 15)
    ink, soft = (64, 52, 40, 255), (128, 110, 90, 255)
    d.text((14, 18), title_lines[0], font=title, fill=ink)
    d.text((14, 36), title_lines[1], font=title, fill=ink)
    d.text((14, 62), notes[0], font=font(NANUM + "NanumGothic.ttf", 11), fill=soft)
    d.text((14, 78), notes[1], font=font(NANUM + "NanumGothic.ttf", 10), fill=soft)
    return img


def skin_text(head, sections, comments):
    """A .ski file: the `head` lines, then every (name, [(key, value)]) section,
    with the comment of `comments` (by section name) before it. ASCII only:
    the engine reads CP949, and plain ASCII reads the same in every code page."""
    lines = list(head)
    for name, keys in sections:
        if name in comments:
            lines += ["", comments[name]]
        lines += ["", "[%s]" % name]
        lines += ["%s=%s" % kv for kv in keys]
    return ("\n".join(lines) + "\n").encode("ascii")


def write_skin(folder, name, text, pics, preview_path, preview):
    """The .ski file and its pictures into the skin's folder; the preview sheet beside the generator."""
    write_files(folder, [(name + ".ski", text)] + [(n, png_bytes(pics[n])) for n in sorted(pics)])
    write_files(os.path.dirname(preview_path), [(os.path.basename(preview_path), png_bytes(preview))])
