"""The drawing of the mouse (top view).

Geometry is given in main-page window pixels; `place` maps it elsewhere (the colour
page shows a bigger copy).  The button parts are the companion rectangles of the
layout, so a lit part never leaves its rectangle."""

from PIL import Image, ImageDraw

from draw import ACCENT, S, blurred_spot
from layout import MOUSE_PARTS

BODY = (68, 80, 198, 290)           # x0, y0, x1, y1
CHANNEL = (122, 86, 144, 186)       # recess between the two main buttons
SPLIT_Y = 160                       # end of the two main buttons

PART_RECTS = {part: rect for _, (part, rect) in MOUSE_PARTS.items()}


class Place:
    """Maps main-page coordinates of the drawing to canvas pixels."""

    def __init__(self, dx=0.0, dy=0.0, k=1.0, ox=68.0, oy=80.0):
        self.dx, self.dy, self.k, self.ox, self.oy = dx, dy, k, ox, oy

    def pt(self, x, y):
        return (((x - self.ox) * self.k + self.ox + self.dx) * S, ((y - self.oy) * self.k + self.oy + self.dy) * S)

    def box(self, x0, y0, x1, y1):
        a, b = self.pt(x0, y0)
        c, d = self.pt(x1, y1)
        return (round(a), round(b), round(c) - 1, round(d) - 1)

    def rect(self, r):
        x, y, w, h = r
        return self.box(x, y, x + w, y + h)

    def win(self, x, y):
        """Window (not canvas) coordinates."""
        a, b = self.pt(x, y)
        return a / S, b / S


def _shape(size, draw_fn):
    mask = Image.new('L', size, 0)
    draw_fn(ImageDraw.Draw(mask))
    return mask


def _paint(img, mask, top, bottom, box):
    x0, y0, x1, y1 = box
    grad = Image.new('RGB', (1, 2))
    grad.putpixel((0, 0), top)
    grad.putpixel((0, 1), bottom)
    grad = grad.resize((img.width, max(y1 - y0, 2)), Image.BILINEAR)
    layer = Image.new('RGB', img.size, top)
    layer.paste(grad, (0, y0))
    img.paste(layer, (0, 0), mask)


def draw_mouse(img, place, lit=(), led=None, led_on=True):
    """Draw the mouse.  `lit`: names of parts drawn highlighted; `led`: colour of the
    lighting zones (None on the main page)."""
    k = place.k
    size = img.size
    body_box = place.box(*BODY)
    r_body = round(52 * k * S)

    # Shadow and accent light under the mouse.
    cx, cy = place.win((BODY[0] + BODY[2]) / 2, (BODY[1] + BODY[3]) / 2 + 6)
    blurred_spot(img, (cx, cy + 8 * k), (70 * k, 112 * k), (0, 0, 0), 0.7, 14 * k)
    glow_colour = led if (led and led_on) else ACCENT
    blurred_spot(img, (cx, cy), (76 * k, 118 * k), glow_colour, 0.22 if led is None else (0.42 if led_on else 0.0), 22 * k)

    body = _shape(size, lambda d: d.rounded_rectangle(body_box, radius=r_body, fill=255))
    _paint(img, body, (46, 51, 60), (22, 24, 29), body_box)

    d = ImageDraw.Draw(img)
    # Main buttons: a slightly lighter shell on the front part of the body.
    for part in ('left', 'right'):
        x, y, w, h = PART_RECTS[part]
        front = _shape(size, lambda dd, x=x, y=y, w=w, h=h: dd.rectangle(place.box(x, y, x + w, y + h), fill=255))
        mask = Image.composite(front, Image.new('L', size, 0), body)
        if part in lit:
            _paint(img, mask, (0, 128, 172), (8, 52, 70), place.box(x, y, x + w, y + h))
        else:
            _paint(img, mask, (60, 66, 77), (40, 44, 52), place.box(x, y, x + w, y + h))

    # Seams: the split line and the channel.
    w_line = max(1, round(1.2 * k * S))
    d.line([place.pt(BODY[0] + 2, SPLIT_Y), place.pt(CHANNEL[0], SPLIT_Y)], fill=(14, 16, 20), width=w_line)
    d.line([place.pt(CHANNEL[2], SPLIT_Y), place.pt(BODY[2] - 2, SPLIT_Y)], fill=(14, 16, 20), width=w_line)
    d.rounded_rectangle(place.box(*CHANNEL), radius=round(9 * k * S), fill=(12, 13, 16))

    # Wheel, DPI button and the two side buttons.
    def part_box(name, inset):
        x, y, w, h = PART_RECTS[name]
        return place.box(x + inset, y + inset, x + w - inset, y + h - inset)

    wheel_lit = 'wheel' in lit or 'middle' in lit
    wb = part_box('wheel', 1.5)
    d.rounded_rectangle(wb, radius=round(6 * k * S),
                        fill=(0, 170, 220) if wheel_lit else ((70, 76, 88) if led is None else (58, 62, 72)),
                        outline=(170, 240, 255) if wheel_lit else (96, 104, 118), width=max(1, round(k * S)))
    x, y, w, h = PART_RECTS['wheel']
    for i in range(1, 9):
        yy = y + 3 + i * (h - 6) / 9
        d.line([place.pt(x + 4, yy), place.pt(x + w - 4, yy)],
               fill=(0, 110, 150) if wheel_lit else (44, 48, 56), width=max(1, round(0.8 * k * S)))
    if led is not None:
        # The wheel's light ring.
        colour = led if led_on else (70, 72, 78)
        d.rounded_rectangle(part_box('wheel', 0.2), radius=round(7 * k * S), outline=colour,
                            width=max(1, round(1.4 * k * S)))

    for name in ('dpi', 'back', 'forward'):
        on = name in lit
        d.rounded_rectangle(part_box(name, 1.2), radius=round(4 * k * S),
                            fill=(0, 160, 210) if on else (64, 70, 82),
                            outline=(170, 240, 255) if on else (104, 112, 126), width=max(1, round(k * S)))
    x, y, w, h = PART_RECTS['dpi']
    d.line([place.pt(x + 5, y + h / 2), place.pt(x + w - 5, y + h / 2)],
           fill=(255, 255, 255) if 'dpi' in lit else (30, 34, 40), width=max(1, round(1.2 * k * S)))

    # Palm: the product mark and, on the colour page, the light strips.
    mx, my = (BODY[0] + BODY[2]) / 2, 236
    mark_colour = (led if led_on else (74, 76, 84)) if led is not None else (84, 94, 108)
    chevron = [(mx - 16, my - 10), (mx, my + 4), (mx + 16, my - 10), (mx + 16, my - 3), (mx, my + 11), (mx - 16, my - 3)]
    d.polygon([place.pt(*p) for p in chevron], fill=mark_colour)
    if led is not None:
        strip = led if led_on else (62, 64, 70)
        for side in (-1, 1):
            xx = mx + side * 58
            pts = [place.pt(xx, 188), place.pt(mx + side * 62, 228), place.pt(xx - side * 6, 270)]
            d.line(pts, fill=strip, width=max(1, round(2.2 * k * S)), joint='curve')
        if led_on:
            _led_bloom(img, place, led, mx, my)

    # Outline last so every part sits inside a crisp edge.
    d.rounded_rectangle(body_box, radius=r_body, outline=(92, 102, 118), width=max(1, round(1.1 * k * S)))


def _led_bloom(img, place, colour, mx, my):
    cx, cy = place.win(mx, my)
    blurred_spot(img, (cx, cy), (22 * place.k, 12 * place.k), colour, 0.55, 8 * place.k)
    wx, wy = place.win(133, 112)
    blurred_spot(img, (wx, wy), (10 * place.k, 22 * place.k), colour, 0.5, 7 * place.k)
