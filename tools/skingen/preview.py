"""Rough composites of what the program paints (PNG, for looking at; not shipped).

Follows the program's paint: element rectangles copied from the over/down pictures,
the DPI bars filled, captions centred in white with a small font."""

import os

from PIL import Image, ImageDraw, ImageFont

import layout as L

FONTS = {
    'en': ImageFont.truetype('/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf', 12),
    'cn': ImageFont.truetype('/usr/share/fonts/truetype/wqy/wqy-microhei.ttc', 12),
}
SAMPLE_FUNCTIONS = [1, 3, 2, 4, 5, 6]
SAMPLE_DPI = [3, 5, 6, 8]


def _copy(canvas, src, rect):
    x, y, w, h = rect
    canvas.paste(src.crop((x, y, x + w, y + h)), (x, y))


def _text(d, rect, text, fnt, colour=(255, 255, 255), left=False):
    if not text:
        return
    x, y, w, h = rect
    l, t, r, b = d.textbbox((0, 0), text, font=fnt)
    tx = x + 5 if left else x + (w - (r - l)) // 2
    d.text((tx, y + (h - (b - t)) // 2 - t), text, font=fnt, fill=colour)


def _rect(table, num):
    return next(e[3] for e in table if e[0] == num)


def _caption(table, num, lang):
    e = next(e for e in table if e[0] == num)
    return e[4] if lang == 'en' else e[5]


def _common(canvas, over, down, lang, tab, hot=None):
    for i in range(20):
        r = _rect(L.MAIN, i)
        if i == 4 or i == tab or i == (18 if lang == 'en' else 17):
            _copy(canvas, down, r)
        elif i == hot:
            _copy(canvas, over, r)


def main_page(images, lang):
    canvas = images['main_normal.jpg'].copy()
    over, down = images['main_over.jpg'], images['main_down.jpg']
    hot = 26
    _copy(canvas, over, _rect(L.MAIN, hot))
    d = ImageDraw.Draw(canvas)
    _copy(canvas, down, _rect(L.MAIN, 54))
    for j in range(4):
        for s in range(SAMPLE_DPI[j] + 1):
            x, y, w, h = _rect(L.MAIN, 66 + 12 * j + s)
            d.rectangle((x + 1, y + 1, x + w - 2, y + h - 1), fill=L.LEVEL_COLOURS[j])
        if j != 3:
            _copy(canvas, down, _rect(L.MAIN, 46 + j))
    _copy(canvas, down, _rect(L.MAIN, 41))
    _copy(canvas, over, _rect(L.MAIN, hot + 90))
    _common(canvas, over, down, lang, 9)
    fnt = FONTS[lang]
    pick = 0 if lang == 'en' else 1
    for k in range(54):
        if 25 <= k <= 30:
            code = SAMPLE_FUNCTIONS[k - 25]
            name = 'OFF' if code == 14 else L.FUNCTION_NAMES[code][pick]
            _text(d, _rect(L.MAIN, k), name, fnt, (255, 0, 0) if k == hot else (255, 255, 255), left=True)
        else:
            _text(d, _rect(L.MAIN, k), _caption(L.MAIN, k, lang), fnt)
    return canvas


def advanced_page(images, lang):
    canvas = images['advanced_normal.jpg'].copy()
    over, down = images['advanced_over.jpg'], images['advanced_down.jpg']
    _copy(canvas, down, _rect(L.ADVANCED, 2))      # pressed: Add
    _copy(canvas, down, _rect(L.ADVANCED, 8 + 4))
    _copy(canvas, down, _rect(L.ADVANCED, 18 + 2))
    x, y, w, h = _rect(L.ADVANCED, 30)
    _copy(canvas, down, (x, y, 50 * w // 300, h))
    _copy(canvas, down, _rect(L.ADVANCED, 6))
    _common(canvas, over, down, lang, 10, hot=3)
    d = ImageDraw.Draw(canvas)
    fnt = FONTS[lang]
    for k in range(20):
        _text(d, _rect(L.MAIN, k), _caption(L.MAIN, k, lang), fnt)
    for j in range(52):
        text = _caption(L.ADVANCED, j, lang)
        text = {33: '50ms', 43: '[↓]3', 44: '[↑]3'}.get(j, text)
        black = j == 33 or 43 <= j <= 47
        _text(d, _rect(L.ADVANCED, j), text, fnt, (0, 0, 0) if black else (255, 255, 255))
    # Stand-ins for the native controls the program places on the wells.
    for _name, (x, y, w, h) in list(L.EDIT.values()) + list(L.MACRODISPLAY.values()):
        d.rectangle((x, y, x + w - 1, y + h - 1), fill=(255, 255, 255), outline=(122, 138, 160))
    return canvas


def color_page(images, lang, led_source=None):
    canvas = images['color_normal_pink.jpg'].copy()
    over, down = images['color_over_red.jpg'], images['color_down_purple.jpg']
    _copy(canvas, over, _rect(L.COLOR, 1))
    _copy(canvas, down, _rect(L.COLOR, 0))
    if led_source:
        _copy(canvas, images[led_source], _rect(L.COLOR, 11))
    _common(canvas, over, down, lang, 11)
    d = ImageDraw.Draw(canvas)
    fnt = FONTS[lang]
    for k in range(20):
        _text(d, _rect(L.MAIN, k), _caption(L.MAIN, k, lang), fnt)
    for j in range(13):
        _text(d, _rect(L.COLOR, j), '800' if j == 9 else _caption(L.COLOR, j, lang), fnt)
    return canvas


def menus(images, lang):
    pick = 0 if lang == 'en' else 1
    fnt = FONTS[lang]
    menu = images['menu_normal.jpg'].copy()
    _copy(menu, images['menu_over.jpg'], (0, 7 * L.MENU_ROW, L.MENU_WIDTH, L.MENU_ROW))
    d = ImageDraw.Draw(menu)
    for i in range(1, 11):
        _text(d, (0, (i - 1) * L.MENU_ROW, L.MENU_WIDTH, L.MENU_ROW), L.FUNCTION_NAMES[i][pick], fnt,
              (255, 0, 0) if i == 8 else (255, 255, 255))
    sub = images['advanced menu_normal.jpg'].copy()
    _copy(sub, images['advanced menu_down.jpg'], (0, 2 * L.MENU_ROW, L.SUBMENU_WIDTH, L.MENU_ROW))
    d = ImageDraw.Draw(sub)
    for r in range(1, 11):
        _text(d, (0, (r - 1) * L.MENU_ROW, L.SUBMENU_WIDTH, L.MENU_ROW), L.FUNCTION_NAMES[20 + r][pick], fnt,
              (255, 0, 0) if r == 3 else (255, 255, 255))
    sub = sub.crop((0, 0, L.SUBMENU_WIDTH, 10 * L.MENU_ROW + 1))
    warn = images['warning_normal.jpg'].copy()
    _copy(warn, images['warning_over.jpg'], _rect(L.WARNING, 0))
    d = ImageDraw.Draw(warn)
    for j in range(3):
        _text(d, _rect(L.WARNING, j), _caption(L.WARNING, j, lang), fnt, (255, 0, 0))
    sheet = Image.new('RGB', (L.MENU_WIDTH + L.SUBMENU_WIDTH + L.WARNING_WIDTH + 40, 400), (90, 96, 104))
    sheet.paste(menu, (10, 10))
    sheet.paste(sub, (10 + L.MENU_WIDTH, 10))
    sheet.paste(warn, (30 + L.MENU_WIDTH + L.SUBMENU_WIDTH, 10))
    return sheet


def write_previews(images, out_dir):
    os.makedirs(out_dir, exist_ok=True)
    for lang in ('en', 'cn'):
        main_page(images, lang).save(os.path.join(out_dir, f'main_{lang}.png'))
        advanced_page(images, lang).save(os.path.join(out_dir, f'advanced_{lang}.png'))
        color_page(images, lang).save(os.path.join(out_dir, f'color_{lang}.png'))
        menus(images, lang).save(os.path.join(out_dir, f'menus_{lang}.png'))
    color_page(images, 'en', 'color_normal_gray.jpg').save(os.path.join(out_dir, 'color_gray.png'))
    color_page(images, 'en', 'color_over_blue.jpg').save(os.path.join(out_dir, 'color_blue.png'))
