"""How each kind of element looks at rest ('normal'), under the pointer ('over') and
pressed or selected ('down').  Everything an element draws stays inside its rectangle;
live text is drawn by the program, so fields are left as clean plates."""

from draw import (ACCENT, ACCENT_DEEP, ACCENT_SOFT, FONT_BOLD, FONT_CONDENSED_BOLD, LINE, S,
                  TEXT_DIM, ellipse, fill_round, font, glow, line, polygon, sbox)
from PIL import ImageDraw

RECORD_RED = (235, 55, 65)


def _button(img, rect, state, radius=5):
    if state == 'normal':
        fill_round(img, rect, radius, (56, 63, 74), (38, 43, 51), outline=(74, 83, 97))
        line(img, [(rect[0] + radius, rect[1] + 1.5), (rect[0] + rect[2] - radius, rect[1] + 1.5)], (84, 94, 108), 0.7)
    elif state == 'over':
        fill_round(img, rect, radius, (66, 80, 96), (44, 54, 66), outline=ACCENT)
        glow(img, rect, ACCENT, radius, 0.35, 2.5)
    else:
        fill_round(img, rect, radius, (0, 98, 136), (0, 62, 88), outline=(90, 222, 255))
        glow(img, rect, (120, 235, 255), radius, 0.35, 2.0)


def _accent_button(img, rect, state, radius=5):
    if state == 'normal':
        fill_round(img, rect, radius, (0, 112, 150), (0, 72, 102), outline=(0, 176, 232))
    elif state == 'over':
        fill_round(img, rect, radius, (0, 142, 186), (0, 94, 130), outline=(140, 234, 255))
        glow(img, rect, (160, 240, 255), radius, 0.45, 2.5)
    else:
        fill_round(img, rect, radius, (0, 58, 82), (0, 44, 64), outline=(0, 214, 255))


def _tab(img, rect, state):
    x, y, w, h = rect
    if state == 'normal':
        line(img, [(x + 14, y + h - 2), (x + w - 14, y + h - 2)], (40, 46, 55), 1)
    elif state == 'over':
        fill_round(img, rect, 6, (38, 46, 56), (28, 33, 41))
        line(img, [(x + 10, y + h - 2), (x + w - 10, y + h - 2)], ACCENT_SOFT, 2)
    else:
        fill_round(img, rect, 6, (16, 58, 78), (22, 30, 38))
        glow(img, (x, y + h - 12, w, 12), ACCENT, 3, 0.5, 3)
        line(img, [(x + 6, y + h - 2), (x + w - 6, y + h - 2)], ACCENT, 3)


def _window_icon(img, rect, state, close):
    x, y, w, h = rect
    if state == 'over':
        fill_round(img, rect, 5, (200, 40, 52) if close else (60, 68, 80), (160, 28, 40) if close else (46, 52, 62))
    elif state == 'down':
        fill_round(img, rect, 5, (140, 24, 34) if close else (0, 80, 110))
    colour = (235, 240, 246) if state != 'normal' else (150, 160, 174)
    cx, cy = x + w / 2, y + h / 2
    if close:
        line(img, [(cx - 5, cy - 5), (cx + 5, cy + 5)], colour, 1.6)
        line(img, [(cx - 5, cy + 5), (cx + 5, cy - 5)], colour, 1.6)
    else:
        line(img, [(cx - 6, cy + 4), (cx + 6, cy + 4)], colour, 1.6)


def _small_button(img, rect, state):
    if state == 'normal':
        fill_round(img, rect, 4, (34, 39, 47), (27, 31, 38), outline=(62, 70, 82))
    elif state == 'over':
        fill_round(img, rect, 4, (48, 58, 70), (36, 43, 52), outline=ACCENT)
    else:
        fill_round(img, rect, 4, (0, 96, 132), (0, 64, 90), outline=(90, 222, 255))


def _profile(img, rect, state):
    _small_button(img, rect, state)
    if state == 'down':
        x, y, w, h = rect
        line(img, [(x + 8, y + h - 4), (x + w - 8, y + h - 4)], (150, 236, 255), 1.5)


def _field(img, rect, state, chevron=True):
    x, y, w, h = rect
    if state == 'normal':
        fill_round(img, rect, 4, (12, 14, 18), (17, 20, 25), outline=(58, 66, 79))
    elif state == 'over':
        fill_round(img, rect, 4, (14, 30, 40), (18, 26, 33), outline=ACCENT)
        glow(img, rect, ACCENT, 4, 0.3, 2)
    else:
        fill_round(img, rect, 4, (0, 62, 88), (0, 44, 62), outline=(110, 228, 255))
    if chevron:
        colour = ACCENT if state != 'normal' else (110, 122, 138)
        cx, cy = x + w - 12, y + h / 2
        polygon(img, [(cx - 4, cy - 2), (cx + 4, cy - 2), (cx, cy + 3)], colour)
        line(img, [(x + w - 24, y + 5), (x + w - 24, y + h - 5)], (44, 50, 60) if state == 'normal' else ACCENT_SOFT, 0.7)


def _option(img, rect, state):
    x, y, w, h = rect
    if state == 'normal':
        fill_round(img, rect, h / 2, (34, 39, 47), (27, 31, 38), outline=(62, 70, 82))
        ellipse(img, (x + 7, y + h / 2 - 4, 8, 8), outline=(110, 122, 138), width=1.2)
    elif state == 'over':
        fill_round(img, rect, h / 2, (46, 56, 68), (34, 41, 50), outline=ACCENT)
        ellipse(img, (x + 7, y + h / 2 - 4, 8, 8), outline=ACCENT, width=1.2)
    else:
        fill_round(img, rect, h / 2, (0, 92, 128), (0, 60, 86), outline=(100, 226, 255))
        ellipse(img, (x + 6, y + h / 2 - 5, 10, 10), fill=(170, 240, 255))


def _check(img, rect, state):
    x, y, w, h = rect
    inner = (x + 2, y + 2, w - 4, h - 4)
    if state == 'normal':
        fill_round(img, inner, 3, (12, 14, 18), (20, 23, 28), outline=(86, 96, 112))
    elif state == 'over':
        fill_round(img, inner, 3, (16, 34, 44), (18, 26, 33), outline=ACCENT)
    else:
        fill_round(img, inner, 3, (0, 150, 200), (0, 104, 142), outline=(140, 236, 255))
        line(img, [(x + 5.5, y + h / 2), (x + w / 2 - 1, y + h - 6), (x + w - 5, y + 5.5)], (255, 255, 255), 1.8)


def _radio(img, rect, state):
    x, y, w, h = rect
    ring = (x + 2, y + 2, w - 4, h - 4)
    if state == 'normal':
        ellipse(img, ring, fill=(14, 16, 20), outline=(86, 96, 112), width=1.2)
    elif state == 'over':
        ellipse(img, ring, fill=(16, 34, 44), outline=ACCENT, width=1.2)
    else:
        ellipse(img, ring, fill=(10, 40, 54), outline=ACCENT, width=1.4)
        ellipse(img, (x + 6, y + 6, w - 12, h - 12), fill=(150, 236, 255))


def _cell(img, rect, state):
    # The program fills (x + 1, y + 1, w - 2, h - 1) with the level colour:
    # the segment occupies exactly that area so a filled bar looks whole.
    x, y, w, h = rect
    seg = (x + 1, y + 1, w - 2, h - 1)
    if state == 'normal':
        fill_round(img, seg, 1, (36, 41, 50), (26, 30, 37))
        line(img, [(x + 1.5, y + 1.6), (x + w - 1.5, y + 1.6)], (54, 61, 72), 0.7)
    elif state == 'over':
        fill_round(img, seg, 1, (52, 82, 100), (36, 56, 70), outline=ACCENT, width=0.8)
    else:
        fill_round(img, seg, 1, (0, 150, 200), (0, 96, 130), outline=(140, 236, 255), width=0.8)


def _step(img, rect, state):
    x, y, w, h = rect
    if state == 'normal':
        fill_round(img, rect, 3, (40, 46, 56), (28, 32, 39), outline=(62, 70, 82))
    elif state == 'over':
        fill_round(img, rect, 3, (52, 66, 80), (36, 46, 56), outline=ACCENT)
    else:
        fill_round(img, rect, 3, (0, 138, 186), (0, 88, 122), outline=(140, 236, 255))
        glow(img, rect, (170, 240, 255), 3, 0.4, 1.5)


def _record(img, rect, state):
    x, y, w, h = rect
    if state == 'down':
        fill_round(img, rect, 5, (126, 22, 32), (86, 14, 22), outline=(255, 96, 104))
        glow(img, rect, (255, 120, 120), 5, 0.4, 2.5)
        ellipse(img, (x + 9, y + h / 2 - 4, 8, 8), fill=(255, 190, 190))
    else:
        _button(img, rect, state)
        ellipse(img, (x + 9, y + h / 2 - 4, 8, 8), fill=RECORD_RED if state == 'normal' else (255, 90, 96))


def _toggle(img, rect, state):
    x, y, w, h = rect
    if state == 'normal':
        fill_round(img, rect, 6, (40, 46, 56), (28, 32, 39), outline=(66, 74, 88))
        ellipse(img, (x + 9, y + h / 2 - 4, 8, 8), fill=(64, 72, 84))
    elif state == 'over':
        fill_round(img, rect, 6, (52, 62, 76), (36, 44, 54), outline=ACCENT)
        ellipse(img, (x + 9, y + h / 2 - 4, 8, 8), fill=ACCENT_SOFT)
    else:
        fill_round(img, rect, 6, (0, 84, 116), (0, 54, 76), outline=(110, 228, 255))
        glow(img, (x, y, 30, h), (120, 240, 255), 6, 0.5, 3)
        ellipse(img, (x + 8, y + h / 2 - 5, 10, 10), fill=(170, 245, 255))


def _slider(img, rect, state):
    x, y, w, h = rect
    if state == 'down':
        # The program shows the left part of this picture as the interval bar.
        fill_round(img, rect, 3, (0, 170, 226), (0, 96, 134), outline=(150, 238, 255))
        glow(img, rect, (200, 248, 255), 3, 0.35, 2)
    else:
        top, bottom = ((14, 16, 20), (24, 27, 33)) if state == 'normal' else ((16, 30, 38), (22, 32, 40))
        fill_round(img, rect, 3, top, bottom, outline=(70, 80, 94) if state == 'normal' else ACCENT)
    tick = (255, 255, 255) if state == 'down' else (58, 66, 78)
    for i in range(1, 6):
        tx = x + w * i / 6
        line(img, [(tx, y + h - 5), (tx, y + h - 2)], tick, 0.7)


def _light_plate(img, rect, state):
    top, bottom = ((214, 221, 229), (190, 199, 209)) if state == 'normal' else ((226, 233, 240), (202, 212, 222))
    fill_round(img, rect, 3, top, bottom, outline=(120, 132, 146))


def _light_header(img, rect, state):
    x, y, w, h = rect
    fill_round(img, rect, 2, (196, 206, 216), (166, 178, 190), outline=(120, 132, 146))
    line(img, [(x + 1, y + h - 1), (x + w - 1, y + h - 1)], ACCENT_SOFT, 1)


def _mode(img, rect, state, index):
    x, y, w, h = rect
    if state == 'normal':
        fill_round(img, rect, 6, (40, 46, 56), (28, 32, 39), outline=(66, 74, 88))
    elif state == 'over':
        fill_round(img, rect, 6, (50, 62, 76), (36, 44, 54), outline=ACCENT)
        glow(img, rect, ACCENT, 6, 0.3, 2.5)
    else:
        fill_round(img, rect, 6, (0, 84, 116), (0, 50, 72), outline=(110, 228, 255))
        fill_round(img, (x + 2, y + 6, 4, h - 12), 2, (170, 245, 255))
    _mode_icon(img, (x + 12, y + h / 2 - 8, 30, 16), index, state)


def _mode_icon(img, rect, index, state):
    """Small LED pictograms: two colours cycling, the same faster, one steady colour, off."""
    x, y, w, h = rect
    lit = state != 'normal'
    colours = [(255, 70, 200), (40, 110, 255), (255, 50, 50), (150, 60, 255)]
    if index in (0, 1):
        n = 2 if index == 0 else 3
        for i in range(n):
            c = colours[i] if lit else tuple(v // 2 + 20 for v in colours[i])
            ellipse(img, (x + i * (w / n), y + 4, 8, 8), fill=c)
    elif index == 2:
        c = colours[2] if lit else (150, 50, 56)
        fill_round(img, (x, y + 5, w - 6, 6), 3, c)
    else:
        ellipse(img, (x, y + 3, 10, 10), outline=(120, 130, 144), width=1.2)
        line(img, [(x + 1, y + 12), (x + 9, y + 4)], (120, 130, 144), 1.2)


def _info(img, rect, state):
    x, y, w, h = rect
    fill_round(img, rect, 5, (26, 36, 44), (22, 28, 35), outline=(44, 78, 96))
    fill_round(img, (x, y + 4, 3, h - 8), 1, ACCENT_SOFT)


def _readout(img, rect, state):
    x, y, w, h = rect
    fill_round(img, rect, 6, (10, 12, 16), (18, 22, 28), outline=ACCENT_SOFT)
    glow(img, rect, ACCENT, 6, 0.25, 3)


def _wbutton(img, rect, state):
    if state == 'normal':
        fill_round(img, rect, 5, (52, 56, 64), (36, 39, 45), outline=(88, 94, 104))
    else:
        # The program writes these captions in red: light the frame, keep the fill grey.
        fill_round(img, rect, 5, (82, 88, 100), (58, 62, 72), outline=(255, 176, 40))
        glow(img, rect, (255, 190, 80), 5, 0.3, 2.0)


def draw_element(img, kind, rect, state, number=0):
    """Draw one element; kinds that only carry a caption draw nothing here."""
    if kind == 'button':
        _button(img, rect, state)
    elif kind == 'accent_button':
        _accent_button(img, rect, state)
    elif kind == 'tab':
        _tab(img, rect, state)
    elif kind in ('icon_min', 'icon_close'):
        _window_icon(img, rect, state, kind == 'icon_close')
    elif kind == 'lang':
        _small_button(img, rect, state)
    elif kind == 'profile':
        _profile(img, rect, state)
    elif kind == 'field':
        _field(img, rect, state)
    elif kind == 'static_field':
        _field(img, rect, 'over' if state != 'normal' else 'normal', chevron=False)
    elif kind == 'option':
        _option(img, rect, state)
    elif kind == 'check':
        _check(img, rect, state)
    elif kind == 'radio':
        _radio(img, rect, state)
    elif kind == 'cell':
        _cell(img, rect, state)
    elif kind == 'step':
        _step(img, rect, state)
    elif kind == 'record':
        _record(img, rect, state)
    elif kind == 'toggle':
        _toggle(img, rect, state)
    elif kind == 'slider':
        _slider(img, rect, state)
    elif kind == 'light_plate':
        _light_plate(img, rect, state)
    elif kind == 'light_header':
        _light_header(img, rect, state)
    elif kind == 'mode':
        _mode(img, rect, state, number)
    elif kind == 'info':
        _info(img, rect, state)
    elif kind == 'readout':
        _readout(img, rect, state)
    elif kind == 'wbutton':
        _wbutton(img, rect, state)
    # label, heading, hint, wtext: text only, drawn by the program.
    # swatch, endmark, scale, companion, led: part of the page background.


def dim_text(img, rect, text, px=9, colour=TEXT_DIM):
    """Language-neutral baked text (numbers) in a small condensed face."""
    from draw import text_centred
    text_centred(img, rect, text, font(FONT_CONDENSED_BOLD, px), colour)


__all__ = ['draw_element', 'dim_text', 'LINE', 'ACCENT', 'ACCENT_DEEP', 'FONT_BOLD', 'S', 'sbox', 'ImageDraw']
