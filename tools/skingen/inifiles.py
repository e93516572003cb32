"""Writes the eight layout files: UTF-16LE with BOM, CRLF line ends."""

import os

import layout as L


def _entry(name, rect, caption=''):
    x, y, w, h = rect
    return f'{name},{x},{y},{w},{h},{caption},'


def _section(title, rows):
    return [f'[{title}]'] + [f'{key}={value}' for key, value in rows] + ['']


def _buttonpos(elements, lang):
    col = 4 if lang == 'en' else 5
    return _section('BUTTONPOS', [(e[0], _entry(e[1], e[3], e[col])) for e in sorted(elements)])


def _write(path, lines):
    text = '\r\n'.join(lines)
    if not text.endswith('\r\n'):
        text += '\r\n'
    with open(path, 'wb') as f:
        f.write(b'\xff\xfe' + text.encode('utf-16-le'))


def layout_texts(lang):
    """File name -> list of lines, for one language."""
    names = ({'main': 'skin_main_en.ini', 'advance': 'skin_advance_en.ini',
              'color': 'skin_color_en.ini', 'warning': 'LBWarning_en.ini'} if lang == 'en' else
             {'main': 'skin_main.ini', 'advance': 'skin_advance.ini',
              'color': 'skin_color.ini', 'warning': 'LBWarning.ini'})
    pick = 0 if lang == 'en' else 1
    main = _buttonpos(L.MAIN, lang) + _section(
        'FUN_STRING', [(code, L.FUNCTION_NAMES[code][pick]) for code in range(1, 55)])
    advance = (_buttonpos(L.ADVANCED, lang)
               + _section('EDIT', [(k, _entry(n, r)) for k, (n, r) in sorted(L.EDIT.items())])
               + _section('MACRODISPLAY', [(k, _entry(n, r)) for k, (n, r) in sorted(L.MACRODISPLAY.items())]))
    return {
        names['main']: main,
        names['advance']: advance,
        names['color']: _buttonpos(L.COLOR, lang),
        names['warning']: _buttonpos(L.WARNING, lang),
    }


def write_layout_files(skin_dir):
    for lang, folder in (('en', 'INI_EN'), ('cn', 'INI_CN')):
        out = os.path.join(skin_dir, folder)
        os.makedirs(out, exist_ok=True)
        for name, lines in layout_texts(lang).items():
            _write(os.path.join(out, name), lines)
