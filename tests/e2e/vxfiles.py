#!/usr/bin/env python3
"""The program's file formats, read and written the way the scenarios need:
INI files in any of the encodings the program reads, the skin's layout
files and the macro files (1064-byte records, three decimal digits a byte).

As a command, for the shell scenarios:
    vxfiles.py ini-get FILE SECTION KEY
    vxfiles.py ini-set FILE SECTION KEY VALUE
    vxfiles.py ini-drop-section FILE SECTION
    vxfiles.py layout-entry FILE SECTION KEY      -> "X Y W H"
    vxfiles.py layout-masks FILE...               -> ImageMagick -draw rectangles
    vxfiles.py macro-record FILE SLOT             -> "name count code,action,delay ..."
    vxfiles.py macro-events FILE                  -> "code,action ..." per record
    vxfiles.py macro-set-repeat FILE SLOT COUNT
    vxfiles.py macro-put FILE SLOT NAME PASSES CODE,ACTION,DELAY...
"""

import re
import sys

RECORD_SIZE = 1064
NAME_BYTES = 40
REPEAT_FLAG, REPEAT_COUNT, EVENT_COUNT, FIRST_EVENT = 40, 41, 43, 44


# --- text files --------------------------------------------------------------

def read_text(path):
    """(text, encoding, byte order mark) of a file; a missing file is empty."""
    try:
        raw = open(path, 'rb').read()
    except FileNotFoundError:
        raw = b''
    if raw.startswith(b'\xff\xfe'):
        return raw[2:].decode('utf-16-le'), 'utf-16-le', b'\xff\xfe'
    if raw.startswith(b'\xef\xbb\xbf'):
        return raw[3:].decode('utf-8', 'surrogateescape'), 'utf-8', b'\xef\xbb\xbf'
    return raw.decode('utf-8', 'surrogateescape'), 'utf-8', b''


def _is_key(line, key):
    return '=' in line and line.split('=', 1)[0].strip().lower() == key.lower()


def _section_of(line):
    s = line.strip()
    return s[1:-1].strip().lower() if s.startswith('[') and s.endswith(']') else None


def ini_get(path, section, key):
    current = None
    for line in read_text(path)[0].splitlines():
        name = _section_of(line)
        if name is not None:
            current = name
        elif current == section.lower() and _is_key(line, key):
            return line.split('=', 1)[1].strip()
    return None


def ini_set(path, section, key, value):
    """Sets one key, keeping the encoding, the line ends and every other line."""
    text, encoding, bom = read_text(path)
    newline = '\r\n' if '\r\n' in text or not text else '\n'
    out, inside, seen, done = [], False, False, False
    for line in text.splitlines():
        name = _section_of(line)
        if name is not None:
            if inside and not done:
                out.append(f'{key}={value}')
                done = True
            inside = name == section.lower()
            seen = seen or inside
        elif inside and not done and _is_key(line, key):
            out.append(f'{key}={value}')
            done = True
            continue
        out.append(line)
    if not done:
        if not seen:
            out.append(f'[{section}]')
        out.append(f'{key}={value}')
    _write_lines(path, out, encoding, bom, newline)


def ini_drop_section(path, section):
    """Removes a section and its lines, keeping every other byte."""
    text, encoding, bom = read_text(path)
    newline = '\r\n' if '\r\n' in text or not text else '\n'
    out, inside = [], False
    for line in text.splitlines():
        name = _section_of(line)
        if name is not None:
            inside = name == section.lower()
        if not inside:
            out.append(line)
    _write_lines(path, out, encoding, bom, newline)


def _write_lines(path, lines, encoding, bom, newline):
    open(path, 'wb').write(bom + (newline.join(lines) + newline).encode(encoding, 'surrogateescape'))


# --- layout files ------------------------------------------------------------

def layout_entries(path):
    """(SECTION, key, (x, y, w, h), caption) of every element entry."""
    section = None
    for line in read_text(path)[0].splitlines():
        line = line.strip()
        if line.startswith('['):
            section = line.strip('[]').upper()
            continue
        if '=' not in line:
            continue
        key, value = line.split('=', 1)
        fields = value.split(',')
        if len(fields) < 5:
            continue
        yield section, key.strip(), fields[0], tuple(map(int, fields[1:5])), fields[5] if len(fields) > 5 else ''


def layout_entry(path, section, key):
    for s, k, _name, rect, _caption in layout_entries(path):
        if s == section.upper() and k == key:
            return rect
    return None


# Fields whose text the program writes itself (function names, values, counters, the scale).
_WRITTEN = re.compile(r'^(function\d|wheel_field|.*_value|.*_count|dpi_scale)$')


def text_areas(path):
    """Rectangles holding text: captions, fields the program writes, native controls."""
    for section, _key, name, rect, caption in layout_entries(path):
        if section in ('EDIT', 'MACRODISPLAY') or caption or _WRITTEN.match(name):
            yield rect


# --- macro files -------------------------------------------------------------

def _newline(text):
    return '\r\n' if '\r\n' in text or '\n' not in text else '\n'


def _record_lines(path):
    """(lines, line number, slot, record) of every record line; short records
    are padded with zeros."""
    text = read_text(path)[0]
    lines = text.split(_newline(text))
    for n, line in enumerate(lines):
        key, _, value = line.partition('=')
        value = value.strip()
        if value.isdigit() and len(value) % 3 == 0 and len(value) >= 3 * FIRST_EVENT:
            record = bytearray(int(value[i:i + 3]) & 0xFF for i in range(0, len(value), 3))
            yield lines, n, key.strip(), record.ljust(RECORD_SIZE, b'\0')


def macro_records(path):
    """{slot: record bytes} of a macro file."""
    return {key: record for _lines, _n, key, record in _record_lines(path)}


def decode_record(record):
    """(name, [(code, action, delay ms)]) of one record."""
    name = bytes(record[:NAME_BYTES]).decode('utf-16-le', 'replace').split('\0')[0]
    events = []
    for k in range(record[EVENT_COUNT]):
        code, action, low, high = record[FIRST_EVENT + 4 * k:FIRST_EVENT + 4 * k + 4]
        events.append((code, action, low + 256 * high))
    return name, events


def encode_record(name, passes, events):
    """A record playing `events` [(code, action, delay)] `passes` times."""
    record = bytearray(RECORD_SIZE)
    record[:NAME_BYTES] = name.encode('utf-16-le')[:NAME_BYTES].ljust(NAME_BYTES, b'\0')
    record[REPEAT_FLAG] = 1 if passes > 1 else 0
    record[REPEAT_COUNT], record[REPEAT_COUNT + 1] = passes & 0xFF, passes >> 8
    record[EVENT_COUNT] = len(events)
    for k, (code, action, delay) in enumerate(events):
        record[FIRST_EVENT + 4 * k:FIRST_EVENT + 4 * k + 4] = bytes([code, action, delay & 0xFF, delay >> 8])
    return record


def put_record(path, slot, record):
    """Replaces record `slot`, every other byte of the file kept."""
    for lines, n, key, _old in _record_lines(path):
        if key == str(slot):
            text, encoding, bom = read_text(path)
            lines[n] = f'{key}=' + ''.join('%03d' % b for b in record)
            open(path, 'wb').write(bom + _newline(text).join(lines).encode(encoding, 'surrogateescape'))
            return
    raise SystemExit(f'{path}: no record {slot}')


def set_repeat(path, slot, count):
    record = macro_records(path)[str(slot)]
    record[REPEAT_FLAG], record[REPEAT_COUNT], record[REPEAT_COUNT + 1] = 1, count & 0xFF, count >> 8
    put_record(path, slot, record)


# --- command line ------------------------------------------------------------

def _event_text(event, with_delay=True):
    code, action, delay = event
    return f'{code:02X},{action},{delay}' if with_delay else f'{code:02X},{action}'


def main(argv):
    verb, args = argv[0], argv[1:]
    if verb == 'ini-get':
        value = ini_get(*args)
        if value is not None:
            print(value)
    elif verb == 'ini-set':
        ini_set(*args)
    elif verb == 'ini-drop-section':
        ini_drop_section(*args)
    elif verb == 'layout-entry':
        rect = layout_entry(*args)
        if rect is not None:
            print(*rect)
    elif verb == 'layout-masks':
        for path in args:
            for x, y, w, h in text_areas(path):
                print(f'-draw "rectangle {x - 1},{y - 1} {x + w},{y + h}"')
    elif verb == 'macro-record':
        record = macro_records(args[0]).get(args[1])
        if record is not None:
            name, events = decode_record(record)
            print(' '.join([name, str(len(events))] + [_event_text(e) for e in events]))
    elif verb == 'macro-events':
        for record in macro_records(args[0]).values():
            print(' '.join(_event_text(e, with_delay=False) for e in decode_record(record)[1]))
    elif verb == 'macro-set-repeat':
        set_repeat(args[0], args[1], int(args[2]))
    elif verb == 'macro-put':
        events = [tuple(int(v, 16) if i == 0 else int(v) for i, v in enumerate(e.split(','))) for e in args[4:]]
        put_record(args[0], args[1], encode_record(args[2], int(args[3]), events))
    else:
        raise SystemExit(__doc__)


if __name__ == '__main__':
    sys.stdout.reconfigure(errors='surrogateescape')
    main(sys.argv[1:])
