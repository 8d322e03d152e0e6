"""Drawing helpers shared by the picture generators."""
import io
import os

from PIL import Image, ImageChops


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
    the repository root, picture size and length."""
    os.makedirs(folder, exist_ok=True)
    root = os.path.dirname(os.path.dirname(os.path.abspath(folder)))
    for name, data in files:
        path = os.path.join(folder, name)
        with open(path, "wb") as f:
            f.write(data)
        with Image.open(path) as im:
            dims = "%dx%d %s" % (im.width, im.height, im.mode)
        print(os.path.relpath(path, root), dims, len(data), "bytes")
