#!/usr/bin/env python3
"""Generates the skin: JPEG images into data/skins/, the layout INI files into
data/skins/INI_EN and data/skins/INI_CN, docs/skin-elements.md and the element
names (src/skin/skin_elements.h, tests/e2e/skin_elements.sh), all from layout.py.

    python3 tools/skingen/skingen.py [--preview DIR]

--preview also writes PNG composites with the captions drawn roughly as the
program draws them (for looking at the result; not shipped).
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

try:
    from PIL import Image, ImageDraw
except ImportError:  # pragma: no cover - depends on the machine
    sys.exit('skingen needs Pillow (Debian: python3-pil; run it with /usr/bin/python3)')

import layout as L
import pages
from inifiles import write_layout_files
from docs import write_element_doc
from header import write_element_names

ROOT = os.path.abspath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..'))
SKIN_DIR = os.path.join(ROOT, 'data', 'skins')
JPEG_QUALITY = 92


def save_jpeg(img, name):
    img.save(os.path.join(SKIN_DIR, name), 'JPEG', quality=JPEG_QUALITY, subsampling=0, optimize=True)


def save_mask(mask_bits, name):
    """Masks: pure black window, pure white outside; saved at top quality so that
    no pixel crosses the cut-out threshold (all of R, G, B above 100)."""
    img = Image.merge('RGB', [mask_bits] * 3)
    path = os.path.join(SKIN_DIR, name)
    img.save(path, 'JPEG', quality=100, subsampling=0)
    check_mask(path, mask_bits)


def check_mask(path, mask_bits):
    decoded = Image.open(path).convert('RGB')
    want = mask_bits.load()
    got = decoded.load()
    bad = 0
    for y in range(decoded.height):
        for x in range(decoded.width):
            r, g, b = got[x, y]
            if (r > 100 and g > 100 and b > 100) != (want[x, y] > 127):
                bad += 1
    if bad:
        sys.exit(f'{path}: {bad} mask pixels changed side after JPEG compression')


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument('--preview', metavar='DIR', help='also write PNG composites with captions')
    args = parser.parse_args()

    pages.validate()
    os.makedirs(SKIN_DIR, exist_ok=True)

    images = pages.build_all()
    for name, img in images['jpeg'].items():
        save_jpeg(img, name)
    for name, bits in images['masks'].items():
        save_mask(bits, name)

    write_layout_files(SKIN_DIR)
    write_element_doc(os.path.join(ROOT, 'docs', 'skin-elements.md'))
    write_element_names(os.path.join(ROOT, 'src', 'skin', 'skin_elements.h'),
                        os.path.join(ROOT, 'tests', 'e2e', 'skin_elements.sh'))

    if args.preview:
        import preview
        preview.write_previews(images['jpeg'], args.preview)
    print(f'skin written to {SKIN_DIR}')


if __name__ == '__main__':
    main()
