"""Builds every picture of the skin.

Each page is rendered once per state with every element in that state; the over and
down pictures are then the normal picture with only the element rectangles replaced,
so pixels outside the rectangles are identical in all three and the program's
rectangle copies are seamless."""

from PIL import Image, ImageDraw

import layout as L
from draw import (ACCENT, ACCENT_SOFT, BAND_BOTTOM, BAND_TOP, BG, BODY_BOTTOM, BODY_TOP, FONT_BOLD,
                  FONT_BOLD_OBLIQUE, FONT_CONDENSED_BOLD, PANEL_BORDER, PANEL_BOTTOM, PANEL_TOP, S,
                  ellipse, fill_round, font, gradient, line, polygon, reduce, sbox, text_centred)
from mouse import Place, draw_mouse
from widgets import draw_element

RADIUS = 14          # window corner radius
TITLE_H = 56
BOTTOM_Y = 462

LED = {
    'pink': (255, 64, 196),
    'red': (255, 40, 44),
    'purple': (150, 52, 255),
    'blue': (36, 112, 255),
    'gray': None,
}

PANELS = {
    'main': [(16, 64, 234, 232, False), (258, 64, 282, 232, True), (548, 64, 236, 94, True),
             (548, 164, 236, 132, True), (16, 304, 768, 150, True)],
    'advanced': [(16, 64, 462, 390, True), (486, 64, 298, 82, True), (486, 152, 298, 82, True),
                 (486, 240, 298, 84, True), (486, 330, 298, 124, True)],
    'color': [(16, 64, 314, 390, True), (338, 64, 446, 390, True)],
}


def _canvas(w, h, colour=BG):
    return Image.new('RGB', (w * S, h * S), colour)


def _panel(img, x, y, w, h, band):
    fill_round(img, (x, y, w, h), 8, PANEL_TOP, PANEL_BOTTOM, outline=PANEL_BORDER)
    if band:
        fill_round(img, (x + 1, y + 1, w - 2, 27), 7, BAND_TOP, BAND_BOTTOM)
        fill_round(img, (x + 1, y + 20, w - 2, 8), 0, BAND_BOTTOM)
        line(img, [(x + 1, y + 28), (x + w - 1, y + 28)], (14, 16, 20), 1)
        line(img, [(x + 10, y + 28.8), (x + 60, y + 28.8)], ACCENT_SOFT, 1.2)


def _chrome(img):
    """Window body, title bar and bottom bar: identical on the three pages."""
    w, h = L.WIDTH, L.HEIGHT
    body = gradient((w * S, h * S), BODY_TOP, BODY_BOTTOM)
    img.paste(body, (0, 0))
    d = ImageDraw.Draw(img)
    # Faint diagonal texture.
    for i in range(-h, w, 7):
        d.line([(i * S, h * S), ((i + h) * S, 0)], fill=(25, 28, 34), width=1)
    # Title bar.
    img.paste(gradient((w * S, TITLE_H * S), (34, 39, 47), (18, 20, 25)), (0, 0))
    line(img, [(0, TITLE_H - 0.5), (w, TITLE_H - 0.5)], (8, 9, 12), 1)
    line(img, [(0, TITLE_H + 0.5), (w, TITLE_H + 0.5)], (40, 46, 55), 1)
    # Accent flare under the logo.
    for k in range(40):
        a = 1 - k / 40
        colour = tuple(round(c1 * a + c0 * (1 - a)) for c1, c0 in zip(ACCENT, (26, 30, 36)))
        line(img, [(22 + k * 3, TITLE_H - 1.5), (25 + k * 3, TITLE_H - 1.5)], colour, 2)
    # Logo.
    logo = font(FONT_BOLD_OBLIQUE, 25)
    d.text((24 * S, 13 * S), 'VX', font=logo, fill=ACCENT)
    vx_w = d.textlength('VX', font=logo)
    d.text((24 * S + vx_w + 2 * S, 13 * S), '230', font=logo, fill=(236, 240, 245))
    polygon(img, [(142, 22), (170, 22), (166, 27), (138, 27)], (60, 68, 80))
    polygon(img, [(146, 31), (166, 31), (162, 36), (142, 36)], (44, 50, 60))
    # Bottom bar.
    img.paste(gradient((w * S, (h - BOTTOM_Y) * S), (26, 30, 36), (14, 16, 20)), (0, BOTTOM_Y * S))
    line(img, [(0, BOTTOM_Y), (w, BOTTOM_Y)], (44, 50, 60), 1)
    line(img, [(268, 476), (268, 502)], (44, 50, 60), 1)
    line(img, [(522, 476), (522, 502)], (44, 50, 60), 1)
    line(img, [(582, 20), (582, 36)], (50, 57, 68), 1)
    line(img, [(720, 20), (720, 36)], (50, 57, 68), 1)


def _frame(img):
    """Window edge drawn just inside the mask's rounded outline."""
    w, h = L.WIDTH, L.HEIGHT
    ImageDraw.Draw(img).rounded_rectangle((0, 0, w * S - 1, h * S - 1), radius=RADIUS * S,
                                          outline=(70, 80, 94), width=S)
    outside = Image.new('L', img.size, 255)
    ImageDraw.Draw(outside).rounded_rectangle((0, 0, w * S - 1, h * S - 1), radius=RADIUS * S, fill=0)
    img.paste(Image.new('RGB', img.size, BG), (0, 0), outside)


def _decorations(img, page, elements):
    small = font(FONT_CONDENSED_BOLD, 9)
    for num, _name, kind, rect, *_ in elements:
        x, y, w, h = rect
        if kind == 'swatch':
            colour = L.LEVEL_COLOURS[num - 58]
            ellipse(img, rect, fill=colour, outline=(230, 236, 244), width=0.8)
        elif kind == 'endmark':
            colour = L.LEVEL_COLOURS[num - 62]
            polygon(img, [(x + 2, y + 5), (x + 8, y + h / 2), (x + 2, y + h - 5)], colour)
        elif kind == 'scale':
            for s, dpi in enumerate(L.DPI_SCALE):
                cell = (x + s * L.DPI_CELL_W, y, L.DPI_CELL_W, h)
                text_centred(img, cell, str(dpi), small, (132, 146, 164))
                line(img, [(cell[0] + 0.5, y + h - 3), (cell[0] + 0.5, y + h)], (60, 68, 80), 0.8)
    if page == 'advanced':
        for _name, rect in list(L.EDIT.values()) + list(L.MACRODISPLAY.values()):
            x, y, w, h = rect
            fill_round(img, (x - 1, y - 1, w + 2, h + 2), 2, (236, 239, 243), (226, 230, 236), outline=(110, 122, 138))
    if page == 'color':
        # Key of the four level colours, numbered like the DPI levels.
        for j, colour in enumerate(L.LEVEL_COLOURS):
            cx = 620 + j * 38
            ellipse(img, (cx, 292, 18, 18), fill=colour, outline=(230, 236, 244), width=1)
            text_centred(img, (cx - 4, 314, 26, 14), str(j + 1), small, (150, 162, 178))
        line(img, [(606, 254), (766, 254)], (48, 55, 66), 1)


def _led_preview(img, rect, colour_name):
    """Element 11: a framed view of the mouse with its lights, kept inside the rectangle."""
    x, y, w, h = rect
    work = img.copy()
    fill_round(work, rect, 8, (8, 10, 13), (16, 19, 24), outline=(56, 64, 76))
    led = LED[colour_name]
    k = 1.3
    # Centre the drawing (side buttons included: x 56..198, y 80..290) in the frame.
    place = Place(dx=x + w / 2 - 68 - (127 - 68) * k, dy=y + h / 2 - 80 - (185 - 80) * k, k=k)
    draw_mouse(work, place, led=led or (70, 72, 78), led_on=led is not None)
    box = sbox(rect)
    img.paste(work.crop((box[0], box[1], box[2] + 1, box[3] + 1)), box[:2])


def page_elements(page):
    """Everything drawn on a page: its own elements plus the common ones."""
    if page == 'main':
        return L.MAIN
    return (L.ADVANCED if page == 'advanced' else L.COLOR) + [e for e in L.MAIN if e[0] < 20]


def render(page, state, led='pink'):
    elements = page_elements(page)
    img = _canvas(L.WIDTH, L.HEIGHT)
    _chrome(img)
    for panel in PANELS[page]:
        _panel(img, *panel)
    _decorations(img, page, elements)
    if page == 'main':
        lit = () if state == 'normal' else ('left', 'middle', 'right', 'back', 'forward', 'dpi', 'wheel')
        draw_mouse(img, Place(), lit=lit)
    for num, _name, kind, rect, *_ in elements:
        if kind == 'led':
            _led_preview(img, rect, led)
        else:
            draw_element(img, kind, rect, state, num)
    _frame(img)
    return reduce(img)


def compose(normal, state_img, elements):
    """Normal picture with every element rectangle taken from the state picture."""
    out = normal.copy()
    for _num, _name, _kind, (x, y, w, h), *_ in elements:
        out.paste(state_img.crop((x, y, x + w, y + h)), (x, y))
    return out


def _window_mask(w, h, radius):
    bits = Image.new('L', (w, h), 255)
    ImageDraw.Draw(bits).rounded_rectangle((0, 0, w - 1, h - 1), radius=radius, fill=0)
    return bits


# --------------------------------------------------------------------------- menus
def _menu(width, height, rows, headings, state):
    img = _canvas(width, height, (20, 23, 28))
    img.paste(gradient((width * S, height * S), (30, 34, 41), (20, 23, 28)), (0, 0))
    for i in range(rows):
        y = i * L.MENU_ROW
        rect = (0, y, width, L.MENU_ROW)
        # The program writes the hovered row in red: keep these fills neutral.
        if state == 'over':
            fill_round(img, (1, y + 1, width - 2, L.MENU_ROW - 1), 0, (52, 60, 72), (40, 46, 56))
            fill_round(img, (1, y + 1, 3, L.MENU_ROW - 1), 0, ACCENT)
        elif state == 'down':
            fill_round(img, (1, y + 1, width - 2, L.MENU_ROW - 1), 0, (16, 19, 24), (28, 32, 39),
                       outline=(0, 150, 200), width=0.8)
            fill_round(img, (1, y + 1, 3, L.MENU_ROW - 1), 0, (170, 240, 255))
        separator = (70, 80, 94) if (i == 0 or (i + 1) in headings[:1]) else (44, 50, 60)
        line(img, [(0, y + 0.5), (width, y + 0.5)], separator, 1)
        if (i + 1) in headings:
            cx, cy = width - 14, y + L.MENU_ROW / 2
            colour = ACCENT if state == 'normal' else (230, 248, 255)
            line(img, [(cx - 3, cy - 5), (cx + 2, cy), (cx - 3, cy + 5)], colour, 1.6)
        del rect
    # Frame; the line at the bottom of the last shown row is the next row's top line.
    line(img, [(0.5, 0), (0.5, height)], (70, 80, 94), 1)
    line(img, [(width - 0.5, 0), (width - 0.5, height)], (70, 80, 94), 1)
    line(img, [(0, rows * L.MENU_ROW + 0.5), (width, rows * L.MENU_ROW + 0.5)], (70, 80, 94), 1)
    return reduce(img)


def _menu_set(prefix, width, height, rows, headings):
    normal = _menu(width, height, rows, headings, 'normal')
    over = _menu(width, height, rows, headings, 'over')
    down = _menu(width, height, rows, headings, 'down')
    # Rows are copied whole by the program; the last line stays the frame.
    for img in (over, down):
        img.paste(normal.crop((0, rows * L.MENU_ROW, width, height)), (0, rows * L.MENU_ROW))
    return {f'{prefix}_normal.jpg': normal, f'{prefix}_over.jpg': over, f'{prefix}_down.jpg': down}


# --------------------------------------------------------------------------- warning
def _warning(state):
    w, h = L.WARNING_WIDTH, L.WARNING_HEIGHT
    img = _canvas(w, h)
    img.paste(gradient((w * S, h * S), (36, 40, 48), (18, 20, 25)), (0, 0))
    fill_round(img, (0, 0, w, 4), 0, (255, 170, 40), (210, 110, 20))
    # Warning sign.
    cx, cy = w / 2, 30
    polygon(img, [(cx, cy - 15), (cx + 17, cy + 14), (cx - 17, cy + 14)], (255, 176, 40))
    polygon(img, [(cx, cy - 9), (cx + 11.5, cy + 10.5), (cx - 11.5, cy + 10.5)], (40, 30, 18))
    text_centred(img, (cx - 10, cy - 6, 20, 18), '!', font(FONT_BOLD, 13), (255, 190, 60))
    for num, _name, kind, rect, *_ in L.WARNING:
        draw_element(img, kind, rect, state, num)
    ImageDraw.Draw(img).rounded_rectangle((0, 0, w * S - 1, h * S - 1), radius=12 * S, outline=(120, 90, 50), width=S)
    outside = Image.new('L', img.size, 255)
    ImageDraw.Draw(outside).rounded_rectangle((0, 0, w * S - 1, h * S - 1), radius=12 * S, fill=0)
    img.paste(Image.new('RGB', img.size, BG), (0, 0), outside)
    return reduce(img)


# --------------------------------------------------------------------------- all
def build_all():
    jpeg = {}
    for page, prefix in (('main', 'main'), ('advanced', 'advanced')):
        elements = page_elements(page)
        normal = render(page, 'normal')
        jpeg[f'{prefix}_normal.jpg'] = normal
        jpeg[f'{prefix}_over.jpg'] = compose(normal, render(page, 'over'), elements)
        jpeg[f'{prefix}_down.jpg'] = compose(normal, render(page, 'down'), elements)

    pink = render('color', 'normal', 'pink')
    jpeg['color_normal_pink.jpg'] = pink
    jpeg['color_over_red.jpg'] = compose(pink, render('color', 'over', 'red'), page_elements('color'))
    jpeg['color_down_purple.jpg'] = compose(pink, render('color', 'down', 'purple'), page_elements('color'))
    led_only = [e for e in L.COLOR if e[2] == 'led']
    jpeg['color_normal_gray.jpg'] = compose(pink, render('color', 'normal', 'gray'), led_only)
    jpeg['color_over_blue.jpg'] = compose(pink, render('color', 'normal', 'blue'), led_only)

    jpeg.update(_menu_set('menu', L.MENU_WIDTH, L.MENU_HEIGHT, 10, [7, 8, 9, 10]))
    jpeg.update(_menu_set('advanced menu', L.SUBMENU_WIDTH, L.SUBMENU_HEIGHT, 12, []))

    warning_normal = _warning('normal')
    jpeg['warning_normal.jpg'] = warning_normal
    jpeg['warning_over.jpg'] = compose(warning_normal, _warning('over'), L.WARNING)

    masks = {
        'main_mask.jpg': _window_mask(L.WIDTH, L.HEIGHT, RADIUS),
        'warning_mask.jpg': _window_mask(L.WARNING_WIDTH, L.WARNING_HEIGHT, 12),
        # The menus are shaped as plain rectangles; their masks give only the size.
        'menu_mask.jpg': Image.new('L', (L.MENU_WIDTH, L.MENU_HEIGHT), 0),
        'advanced menu_mask.jpg': Image.new('L', (L.SUBMENU_WIDTH, L.SUBMENU_HEIGHT), 0),
    }
    return {'jpeg': jpeg, 'masks': masks}


# --------------------------------------------------------------------------- checks
def _overlaps(a, b):
    ax, ay, aw, ah = a
    bx, by, bw, bh = b
    return ax < bx + bw and bx < ax + aw and ay < by + bh and by < ay + ah


def validate():
    """Refuse to write a skin whose tables contradict what the program expects."""
    def numbers(elements):
        return sorted(e[0] for e in elements)

    assert numbers(L.MAIN) == list(range(122)), 'main layout must hold elements 0..121'
    assert numbers(L.ADVANCED) == list(range(52)), 'advanced layout must hold elements 0..51'
    assert numbers(L.COLOR) == list(range(13)), 'colour layout must hold elements 0..12'
    assert numbers(L.WARNING) == list(range(3)), 'warning layout must hold elements 0..2'
    assert sorted(L.FUNCTION_NAMES) == list(range(1, 55))
    for code, (en, cn) in L.FUNCTION_NAMES.items():
        assert en and cn and ',' not in en + cn, code

    def inside(rect, w, h):
        x, y, rw, rh = rect
        return x >= 0 and y >= 0 and rw > 0 and rh > 0 and x + rw <= w and y + rh <= h

    for table, w, h in ((L.MAIN, L.WIDTH, L.HEIGHT), (L.ADVANCED, L.WIDTH, L.HEIGHT),
                        (L.COLOR, L.WIDTH, L.HEIGHT), (L.WARNING, L.WARNING_WIDTH, L.WARNING_HEIGHT)):
        for e in table:
            assert inside(e[3], w, h), f'element {e[0]} ({e[1]}) leaves the picture'

    # Elements copied onto the same page must not overlap, or one copy would carry
    # another element's state.  Companions 116 and 121 are the same wheel on purpose.
    same_place = {(116, 121)}
    for name, table in (('main', L.MAIN), ('advanced', L.ADVANCED), ('color', L.COLOR), ('warning', L.WARNING)):
        pool = list(table)
        if name in ('advanced', 'color'):
            pool += [e for e in L.MAIN if e[0] < 20]
        for i, a in enumerate(pool):
            for b in pool[i + 1:]:
                pair = tuple(sorted((a[0], b[0])))
                if pair in same_place and a[3] == b[3]:
                    continue
                assert not _overlaps(a[3], b[3]), f'{name}: elements {a[0]} and {b[0]} overlap'
    for name, rect in list(L.EDIT.values()) + list(L.MACRODISPLAY.values()):
        for e in L.ADVANCED:
            assert not _overlaps(rect, e[3]), f'control {name} covers advanced element {e[0]}'

    assert L.MENU_HEIGHT // 10 == L.MENU_ROW and L.SUBMENU_HEIGHT // 12 == L.MENU_ROW
    assert L.MENU_WIDTH <= 300 and 10 * L.MENU_ROW + 1 <= 300, 'the menu window is 300 x 300'
    assert L.SUBMENU_WIDTH <= 300 and 12 * L.MENU_ROW + 1 <= 400, 'the sub-menu window is 300 x 400'
