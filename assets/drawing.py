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
