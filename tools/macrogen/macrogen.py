#!/usr/bin/env python3
"""Writes the shipped macro files from the readable description macros.txt.

Each file is INI text with one [Macros] section: macroNum, then one key per
record holding its 1064 bytes as three decimal digits each, CRLF line ends,
exactly as the program's own save writes a new file. Key codes are stored
as Windows virtual-key codes, mouse buttons as 240..242.

    python3 tools/macrogen/macrogen.py           write the files
    python3 tools/macrogen/macrogen.py --check   exit 1 when a file differs
"""
import argparse
import pathlib
import sys

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parent.parent

NAME_UNITS = 20
EVENT_SLOTS = 255
RECORD_BYTES = 1064
USER_SLOTS = 12
PRESS, RELEASE = 1, 2
MAX_DELAY = 0xFFFF


def key_table():
    keys = {}
    for i in range(26):
        keys[chr(ord("A") + i)] = 0x41 + i
    for i in range(10):
        keys[str(i)] = 0x30 + i
    for i in range(24):
        keys["F%d" % (i + 1)] = 0x70 + i
    keys.update({
        "LCtrl": 0xA2, "RCtrl": 0xA3, "LShift": 0xA0, "RShift": 0xA1,
        "LAlt": 0xA4, "RAlt": 0xA5, "LWin": 0x5B, "RWin": 0x5C,
        "Tab": 0x09, "Enter": 0x0D, "Esc": 0x1B, "Space": 0x20,
        "Backspace": 0x08, "Delete": 0x2E, "Insert": 0x2D, "Home": 0x24,
        "End": 0x23, "PageUp": 0x21, "PageDown": 0x22, "Left": 0x25,
        "Up": 0x26, "Right": 0x27, "Down": 0x28, "PrintScreen": 0x2C,
        "Apps": 0x5D,
        "MouseLeft": 240, "MouseRight": 241, "MouseMiddle": 242,
    })
    return keys


KEYS = key_table()


class DescriptionError(Exception):
    pass


class Macro:
    def __init__(self, name, line):
        units = name.encode("utf-16-le")
        if not name or len(units) // 2 > NAME_UNITS - 1:
            raise DescriptionError("line %d: a name needs 1 to %d UTF-16 units" % (line, NAME_UNITS - 1))
        self.name = name
        self.repeat_enabled = 0
        self.repeat_count = 1
        self.events = []  # (virtual key, action, delay)

    def record_bytes(self):
        data = bytearray(RECORD_BYTES)
        units = self.name.encode("utf-16-le")
        data[0:len(units)] = units
        data[40] = self.repeat_enabled
        data[41] = self.repeat_count & 0xFF
        data[42] = self.repeat_count >> 8
        data[43] = len(self.events)
        for k, (code, action, delay) in enumerate(self.events):
            at = 44 + 4 * k
            data[at:at + 4] = bytes([code, action, delay & 0xFF, delay >> 8])
        return bytes(data)


def parse(text):
    """Returns [(paths, [Macro])] in the order of the description."""
    groups = []
    macro = None
    for number, raw in enumerate(text.splitlines(), 1):
        line = raw.split("#", 1)[0].strip()
        if not line:
            continue
        word, _, rest = line.partition(" ")
        rest = rest.strip()
        if macro is not None:
            if word == "end":
                groups[-1][1].append(macro)
                macro = None
            elif word == "repeat":
                parts = rest.split()
                if len(parts) != 2 or parts[0] not in ("on", "off") or not parts[1].isdigit():
                    raise DescriptionError("line %d: repeat on|off <count>" % number)
                macro.repeat_enabled = 1 if parts[0] == "on" else 0
                macro.repeat_count = int(parts[1])
                if not 0 <= macro.repeat_count <= 0xFFFF:
                    raise DescriptionError("line %d: repeat count out of range" % number)
            elif word in ("down", "up"):
                parts = rest.split()
                if len(parts) != 2 or parts[0] not in KEYS or not parts[1].isdigit():
                    raise DescriptionError("line %d: down|up <key> <delay>" % number)
                delay = int(parts[1])
                if delay > MAX_DELAY:
                    raise DescriptionError("line %d: delay above %d" % (number, MAX_DELAY))
                if len(macro.events) == EVENT_SLOTS - 1:
                    raise DescriptionError("line %d: too many events" % number)
                macro.events.append((KEYS[parts[0]], PRESS if word == "down" else RELEASE, delay))
            else:
                raise DescriptionError("line %d: unexpected '%s' inside a macro" % (number, word))
        elif word == "file":
            if groups and not groups[-1][1]:
                groups[-1][0].append(rest)  # several files share the macros below
            else:
                groups.append(([rest], []))
        elif word == "macro":
            if not groups:
                raise DescriptionError("line %d: macro before any file" % number)
            macro = Macro(rest, number)
        else:
            raise DescriptionError("line %d: unexpected '%s'" % (number, word))
    if macro is not None:
        raise DescriptionError("macro '%s' has no end" % macro.name)
    return groups


def file_text(macros):
    lines = ["[Macros]", "macroNum=%d" % len(macros)]
    for index, macro in enumerate(macros):
        lines.append("%d=%s" % (index, "".join("%03d" % b for b in macro.record_bytes())))
    return ("\r\n".join(lines) + "\r\n").encode("ascii")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="only compare, write nothing")
    parser.add_argument("--description", default=str(HERE / "macros.txt"))
    args = parser.parse_args()
    try:
        groups = parse(pathlib.Path(args.description).read_text(encoding="utf-8"))
    except DescriptionError as error:
        print("macros.txt: %s" % error, file=sys.stderr)
        return 2
    stale = []
    for paths, macros in groups:
        if len(macros) > USER_SLOTS + 1:
            print("too many macros for %s" % paths[0], file=sys.stderr)
            return 2
        content = file_text(macros)
        for relative in paths:
            target = ROOT / relative
            if target.exists() and target.read_bytes() == content:
                continue
            stale.append(relative)
            if not args.check:
                target.parent.mkdir(parents=True, exist_ok=True)
                target.write_bytes(content)
    for relative in stale:
        print(("differs: " if args.check else "wrote: ") + relative)
    if args.check and stale:
        print("the shipped macro files are not what %s describes: run python3 tools/macrogen/macrogen.py "
              "and commit the result" % pathlib.Path(args.description).name, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
