#!/usr/bin/env python3
"""Checks the shipped skin in data/skins against the layout table and what the
program needs of it.  Run: python3 tools/skingen/test_skingen.py"""

import filecmp
import os
import re
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from PIL import Image  # noqa: E402

import layout as L  # noqa: E402
import pages  # noqa: E402
from docs import write_element_doc  # noqa: E402
from header import write_element_names  # noqa: E402
from inifiles import write_layout_files  # noqa: E402

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..')
SKIN = os.path.join(ROOT, 'data', 'skins')

FILES = {
    'INI_EN': ['skin_main_en.ini', 'skin_advance_en.ini', 'skin_color_en.ini', 'LBWarning_en.ini'],
    'INI_CN': ['skin_main.ini', 'skin_advance.ini', 'skin_color.ini', 'LBWarning.ini'],
}
PAGE_IMAGES = {
    'main': ['main_normal.jpg', 'main_over.jpg', 'main_down.jpg'],
    'advanced': ['advanced_normal.jpg', 'advanced_over.jpg', 'advanced_down.jpg'],
    'color': ['color_normal_pink.jpg', 'color_over_red.jpg', 'color_down_purple.jpg',
              'color_normal_gray.jpg', 'color_over_blue.jpg'],
}


def read_ini(path):
    """Sections of a shipped layout file, checking its encoding on the way."""
    with open(path, 'rb') as f:
        raw = f.read()
    assert raw[:2] == b'\xff\xfe', f'{path}: no UTF-16LE byte order mark'
    text = raw[2:].decode('utf-16-le')
    assert '\n' not in text.replace('\r\n', ''), f'{path}: line ends other than CRLF'
    sections, current = {}, None
    for line in text.split('\r\n'):
        if line.startswith('['):
            current = sections.setdefault(line.strip('[]'), {})
        elif '=' in line:
            key, value = line.split('=', 1)
            current[key] = value
    return sections


def split_value(value):
    """The program's field splitting for a value with exactly six commas."""
    fields = value.split(',')
    assert len(fields) == 7, f'{value!r}: not seven fields'
    return fields


def load(name):
    return Image.open(os.path.join(SKIN, name)).convert('RGB')


class LayoutFilesTest(unittest.TestCase):
    def test_every_element_has_seven_fields_and_the_table_rectangle(self):
        tables = [L.MAIN, L.ADVANCED, L.COLOR, L.WARNING]
        for folder, names in FILES.items():
            caption = 4 if folder == 'INI_EN' else 5
            for name, table in zip(names, tables):
                positions = read_ini(os.path.join(SKIN, folder, name))['BUTTONPOS']
                self.assertEqual(sorted(map(int, positions)), sorted(e[0] for e in table), name)
                for num, _n, _k, rect, *captions in table:
                    fields = split_value(positions[str(num)])
                    self.assertEqual(tuple(int(f) for f in fields[1:5]), rect, f'{name} {num}')
                    self.assertEqual(fields[5], captions[caption - 4], f'{name} {num}')

    def test_function_names_cover_every_code_in_both_languages(self):
        for folder, pick in (('INI_EN', 0), ('INI_CN', 1)):
            names = read_ini(os.path.join(SKIN, folder, FILES[folder][0]))['FUN_STRING']
            self.assertEqual(sorted(map(int, names)), list(range(1, 55)))
            for code, value in names.items():
                self.assertNotIn(',', value)
                self.assertEqual(value, L.FUNCTION_NAMES[int(code)][pick])
        cn = read_ini(os.path.join(SKIN, 'INI_CN', 'skin_main.ini'))['FUN_STRING']
        self.assertTrue(re.search('[\u4e00-\u9fff]', cn['1']), 'Chinese names must survive the encoding')

    def test_macro_editor_rectangles(self):
        for folder in FILES:
            sections = read_ini(os.path.join(SKIN, folder, FILES[folder][1]))
            for section, table in (('EDIT', L.EDIT), ('MACRODISPLAY', L.MACRODISPLAY)):
                self.assertEqual(sorted(map(int, sections[section])), sorted(table))
                for key, (_name, rect) in table.items():
                    fields = split_value(sections[section][str(key)])
                    self.assertEqual(tuple(int(f) for f in fields[1:5]), rect)

    def test_layout_table_is_consistent(self):
        pages.validate()

    def test_shipped_layout_files_element_doc_and_names_are_up_to_date(self):
        # Written afresh from the table into a scratch folder, they must equal
        # the committed files byte for byte.
        with tempfile.TemporaryDirectory() as scratch:
            write_layout_files(scratch)
            stale = [f'data/skins/{folder}/{name}' for folder, names in FILES.items() for name in names
                     if not filecmp.cmp(os.path.join(scratch, folder, name), os.path.join(SKIN, folder, name),
                                        shallow=False)]
            doc = os.path.join(scratch, 'skin-elements.md')
            write_element_doc(doc)
            names = [os.path.join(scratch, 'skin_elements.h'), os.path.join(scratch, 'skin_elements.sh')]
            write_element_names(*names)
            shipped = {doc: 'docs/skin-elements.md', names[0]: 'src/skin/skin_elements.h',
                       names[1]: 'tests/e2e/skin_elements.sh'}
            stale += [path for scratch_file, path in shipped.items()
                      if not filecmp.cmp(scratch_file, os.path.join(ROOT, path), shallow=False)]
        self.assertEqual(stale, [], 'differ from tools/skingen/layout.py: run python3 tools/skingen/skingen.py '
                                    'and commit the result')


class ImagesTest(unittest.TestCase):
    def test_page_images_share_the_mask_size(self):
        mask = load('main_mask.jpg')
        for names in PAGE_IMAGES.values():
            for name in names:
                self.assertEqual(load(name).size, mask.size, name)

    def test_states_differ_only_inside_element_rectangles(self):
        # The program copies rectangles of the over/down pictures onto the normal one;
        # outside them the pictures must agree (within JPEG noise).
        for page, names in PAGE_IMAGES.items():
            rects = [e[3] for e in pages.page_elements(page)]
            normal = load(names[0])
            for name in names[1:]:
                other = load(name)
                for (x, y) in ((5, 300), (400, 60), (790, 300), (400, 515), (260, 460)):
                    if any(rx <= x < rx + w and ry <= y < ry + h for rx, ry, w, h in rects):
                        continue
                    a, b = normal.getpixel((x, y)), other.getpixel((x, y))
                    self.assertLess(max(abs(p - q) for p, q in zip(a, b)), 24, f'{name} at {(x, y)}')

    def test_over_and_down_change_the_clickable_elements(self):
        normal, over, down = (load(n) for n in PAGE_IMAGES['main'])
        for num in (3, 25, 41, 46, 54, 66, 115):
            x, y, w, h = next(e[3] for e in L.MAIN if e[0] == num)
            box = (x, y, x + w, y + h)
            diff_over = _difference(normal.crop(box), over.crop(box))
            self.assertGreater(diff_over, 4, f'element {num} has no visible hover state')
        for num in (4, 9, 46, 54, 66):
            x, y, w, h = next(e[3] for e in L.MAIN if e[0] == num)
            box = (x, y, x + w, y + h)
            self.assertGreater(_difference(normal.crop(box), down.crop(box)), 4, f'element {num}')

    def test_led_preview_colours(self):
        x, y, w, h = next(e[3] for e in L.COLOR if e[2] == 'led')
        hues = {}
        for name in PAGE_IMAGES['color']:
            crop = load(name).crop((x, y, x + w, y + h))
            r, g, b = _brightest(crop)
            hues[name] = (r, g, b)
        r, g, b = hues['color_over_red.jpg']
        self.assertTrue(r > 150 and g < 110 and b < 110, hues)
        r, g, b = hues['color_over_blue.jpg']
        self.assertTrue(b > 150 and r < 110, hues)
        r, g, b = hues['color_normal_pink.jpg']
        self.assertTrue(r > 150 and b > 120 and g < 130, hues)
        r, g, b = hues['color_down_purple.jpg']
        self.assertTrue(b > 150 and r < b, hues)
        r, g, b = hues['color_normal_gray.jpg']
        self.assertLess(max(r, g, b) - min(r, g, b), 40, hues)

    def test_masks_cut_only_outside_the_window(self):
        mask = load('main_mask.jpg')
        w, h = mask.size
        cut = lambda p: all(c > 100 for c in p)  # noqa: E731
        self.assertTrue(cut(mask.getpixel((0, 0))) and cut(mask.getpixel((w - 1, h - 1))))
        for y in range(h):
            for x in range(20, w - 20):
                self.assertFalse(cut(mask.getpixel((x, y))), (x, y))
        warning = load('warning_mask.jpg')
        self.assertEqual(warning.size, (L.WARNING_WIDTH, L.WARNING_HEIGHT))
        self.assertEqual(load('warning_normal.jpg').size, warning.size)

    def test_menu_rows(self):
        menu = load('menu_mask.jpg')
        self.assertEqual(menu.size[1] // 10, L.MENU_ROW)
        sub = load('advanced menu_mask.jpg')
        self.assertEqual(sub.size[1] // 12, L.MENU_ROW)
        for prefix, mask in (('menu', menu), ('advanced menu', sub)):
            for state in ('normal', 'over', 'down'):
                self.assertEqual(load(f'{prefix}_{state}.jpg').size, mask.size)


def _difference(a, b):
    pa, pb = a.getdata(), b.getdata()
    return sum(sum(abs(x - y) for x, y in zip(p, q)) for p, q in zip(pa, pb)) / (3 * len(pa))


def _brightest(img):
    return max(img.getdata(), key=lambda p: max(p) - min(p) + max(p) // 4)


if __name__ == '__main__':
    unittest.main()
