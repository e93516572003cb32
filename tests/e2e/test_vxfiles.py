#!/usr/bin/env python3
"""Checks of vxfiles.py on the shipped files: what it writes, it reads back,
and every other byte stays."""

import os
import shutil
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.join(HERE, '..', '..')
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(ROOT, 'tools', 'skingen'))

import layout  # noqa: E402
import vxfiles  # noqa: E402


class FilesTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, self.dir)

    def copy(self, relative):
        path = os.path.join(self.dir, os.path.basename(relative))
        shutil.copy(os.path.join(ROOT, relative), path)
        return path

    def test_ini_set_changes_one_line_in_each_encoding(self):
        for encoding, bom in (('utf-8', b''), ('utf-16-le', b'\xff\xfe'), ('utf-8', b'\xef\xbb\xbf')):
            path = self.copy('data/config.ini')
            text = open(path, 'rb').read().decode('ascii')
            open(path, 'wb').write(bom + text.encode(encoding))
            vxfiles.ini_set(path, 'config2', 'led_status', '3')   # names ignore case
            self.assertEqual(vxfiles.ini_get(path, 'Config2', 'LED_STATUS'), '3', encoding)
            after = open(path, 'rb').read()
            self.assertTrue(after.startswith(bom))
            changed = [a for a, b in zip(text.split('\r\n'), after[len(bom):].decode(encoding).split('\r\n'))
                       if a != b]
            self.assertEqual(len(changed), 1, encoding)
            vxfiles.ini_set(path, 'NewSection', 'Key', 'v')
            self.assertEqual(vxfiles.ini_get(path, 'NewSection', 'Key'), 'v', encoding)
            before = vxfiles.read_text(path)[0].split('\r\n')
            vxfiles.ini_drop_section(path, 'cfgreset4')
            start = before.index('[CfgReset4]')
            end = next(i for i in range(start + 1, len(before)) if before[i].startswith('['))
            self.assertEqual(open(path, 'rb').read()[:len(bom)], bom)
            self.assertEqual(vxfiles.read_text(path)[0].split('\r\n'), before[:start] + before[end:], encoding)

    def test_layout_entries_match_the_skin_table(self):
        path = os.path.join(ROOT, 'data', 'skins', 'INI_EN', 'skin_main_en.ini')
        for number, _name, _kind, rect, *_ in layout.MAIN:
            self.assertEqual(vxfiles.layout_entry(path, 'BUTTONPOS', str(number)), rect)
        self.assertIsNone(vxfiles.layout_entry(path, 'BUTTONPOS', '999'))

    def test_macro_records_round_trip_and_keep_the_rest(self):
        path = self.copy('data/Macro_EN.dat')
        before = vxfiles.macro_records(path)
        events = [(0x41, 1, 15), (0x41, 2, 300), (0xF0, 1, 65535)]
        vxfiles.put_record(path, 3, vxfiles.encode_record('Ab', 2, events))
        vxfiles.set_repeat(path, 2, 513)
        after = vxfiles.macro_records(path)
        self.assertEqual(vxfiles.decode_record(after['3']), ('Ab', events))
        self.assertEqual(after['2'][40:43], bytes([1, 1, 2]))
        self.assertEqual({k for k in before if before[k] != after[k]}, {'2', '3'})
        with self.assertRaises(SystemExit):
            vxfiles.put_record(path, 99, vxfiles.encode_record('x', 1, []))


if __name__ == '__main__':
    unittest.main()
