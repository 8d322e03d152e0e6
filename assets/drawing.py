"""Drawing helpers shared by the picture generators."""
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
