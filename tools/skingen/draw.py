"""Drawing primitives of the skin: anti-aliased shapes on a supersampled canvas."""

from PIL import Image, ImageDraw, ImageFilter, ImageFont

S = 3  # supersampling factor: everything is drawn at S x and reduced at the end

FONT_BOLD = '/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf'
FONT_BOLD_OBLIQUE = '/usr/share/fonts/truetype/dejavu/DejaVuSans-BoldOblique.ttf'
FONT_CONDENSED = '/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed.ttf'
FONT_CONDENSED_BOLD = '/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf'

# Palette: graphite body, cyan accent.
BG = (13, 15, 19)
BODY_TOP = (22, 25, 31)
BODY_BOTTOM = (15, 17, 21)
PANEL_TOP = (29, 33, 40)
PANEL_BOTTOM = (22, 25, 31)
PANEL_BORDER = (48, 55, 66)
BAND_TOP = (40, 46, 56)
BAND_BOTTOM = (30, 35, 43)
ACCENT = (0, 194, 255)
ACCENT_SOFT = (0, 130, 175)
ACCENT_DEEP = (0, 70, 98)
TEXT_DIM = (120, 132, 148)
LINE = (60, 68, 80)


def font(path, px):
    return ImageFont.truetype(path, int(px * S))


def sbox(rect, inset=0.0):
    """Window rectangle (x, y, w, h) -> canvas box, optionally shrunk by `inset` window pixels."""
    x, y, w, h = rect
    return (round((x + inset) * S), round((y + inset) * S),
            round((x + w - inset) * S) - 1, round((y + h - inset) * S) - 1)


def gradient(size, top, bottom):
    w, h = size
    column = Image.new('RGB', (1, max(h, 1)))
    for i in range(max(h, 1)):
        t = i / max(h - 1, 1)
        column.putpixel((0, i), tuple(round(a + (b - a) * t) for a, b in zip(top, bottom)))
    return column.resize((max(w, 1), max(h, 1)))


def round_mask(size, box, radius):
    mask = Image.new('L', size, 0)
    ImageDraw.Draw(mask).rounded_rectangle(box, radius=radius, fill=255)
    return mask


def fill_round(img, rect, radius, top, bottom=None, inset=0.0, outline=None, width=1.0):
    """Rounded rectangle with a vertical gradient and an optional outline (window units)."""
    box = sbox(rect, inset)
    w, h = box[2] - box[0] + 1, box[3] - box[1] + 1
    if w <= 0 or h <= 0:
        return
    r = round(radius * S)
    grad = gradient((w, h), top, bottom or top)
    mask = round_mask((w, h), (0, 0, w - 1, h - 1), r)
    img.paste(grad, box[:2], mask)
    if outline:
        ImageDraw.Draw(img).rounded_rectangle(box, radius=r, outline=outline, width=max(1, round(width * S)))


def glow(img, rect, colour, radius=6, strength=0.6, spread=3.0):
    """Soft coloured glow inside `rect` (window units), hugging its border."""
    box = sbox(rect)
    w, h = box[2] - box[0] + 1, box[3] - box[1] + 1
    if w <= 0 or h <= 0:
        return
    ring = Image.new('L', (w, h), 0)
    ImageDraw.Draw(ring).rounded_rectangle((0, 0, w - 1, h - 1), radius=round(radius * S),
                                           outline=255, width=round(spread * S))
    ring = ring.filter(ImageFilter.GaussianBlur(spread * S))
    ring = ring.point(lambda v: int(v * strength))
    img.paste(Image.new('RGB', (w, h), colour), box[:2], ring)


def blurred_spot(img, centre, radii, colour, strength=0.5, blur=12):
    """A soft light spot (ellipse) in window units, e.g. the glow under the mouse."""
    cx, cy = centre
    rx, ry = radii
    pad = blur * 2
    x0, y0 = round((cx - rx - pad) * S), round((cy - ry - pad) * S)
    x1, y1 = round((cx + rx + pad) * S), round((cy + ry + pad) * S)
    layer = Image.new('L', (x1 - x0, y1 - y0), 0)
    ImageDraw.Draw(layer).ellipse((pad * S, pad * S, (pad + 2 * rx) * S, (pad + 2 * ry) * S), fill=255)
    layer = layer.filter(ImageFilter.GaussianBlur(blur * S / 2)).point(lambda v: int(v * strength))
    img.paste(Image.new('RGB', layer.size, colour), (x0, y0), layer)


def text_centred(img, rect, text, fnt, colour):
    d = ImageDraw.Draw(img)
    box = sbox(rect)
    l, t, r, b = d.textbbox((0, 0), text, font=fnt)
    x = (box[0] + box[2] + 1) / 2 - (l + r) / 2
    y = (box[1] + box[3] + 1) / 2 - (t + b) / 2
    d.text((x, y), text, font=fnt, fill=colour)


def line(img, points, colour, width=1.0):
    ImageDraw.Draw(img).line([(round(x * S), round(y * S)) for x, y in points], fill=colour,
                             width=max(1, round(width * S)), joint='curve')


def polygon(img, points, colour):
    ImageDraw.Draw(img).polygon([(round(x * S), round(y * S)) for x, y in points], fill=colour)


def ellipse(img, rect, fill=None, outline=None, width=1.0):
    ImageDraw.Draw(img).ellipse(sbox(rect), fill=fill, outline=outline, width=max(1, round(width * S)))


def reduce(img):
    """Supersampled canvas -> final pixels."""
    return img.resize((img.width // S, img.height // S), Image.LANCZOS)
