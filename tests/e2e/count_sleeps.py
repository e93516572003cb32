#!/usr/bin/env python3
"""Counts the fixed sleeps of the scenarios: `sleep N` outside a polling
loop (a loop that ends on a condition: `until`, `while`, or a `for` whose
body can `break` or `return`) and not a step of an xdotool input. Prints
the count and their seconds.

    python3 tests/e2e/count_sleeps.py [-v]
"""
import glob
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
SLEEP = re.compile(r'(^|[;&|(]\s*|\s)sleep\s+([0-9.]+)')


def fixed_sleeps(path):
    lines = open(path, encoding='utf-8').read().split('\n')
    found, loops = [], []  # loops: [polling?] per open do-block
    for number, line in enumerate(lines, 1):
        code = line.split('#', 1)[0] if not line.lstrip().startswith('#') else ''
        if re.search(r'\b(while|until|for)\b.*\bdo\b', code) or re.match(r'\s*do\b', code):
            body = '\n'.join(lines[number - 1:number + 40])
            end = body.find('done')
            block = body[:end if end >= 0 else len(body)]
            polling = bool(re.search(r'\b(while|until)\b', code)) or bool(re.search(r'\b(break|return)\b', block))
            loops.append(polling)
        for match in SLEEP.finditer(code):
            # xdotool's own `sleep` steps time the input (a key held down).
            if not any(loops) and 'xdotool' not in code[:match.start()]:
                found.append((number, float(match.group(2))))
        if re.search(r'\bdone\b', code) and loops:
            loops.pop()
    return found


def main():
    verbose = '-v' in sys.argv
    files = sorted(glob.glob(os.path.join(HERE, '*.sh')) + glob.glob(os.path.join(HERE, 'linux', '*.sh')))
    total, seconds = 0, 0.0
    for path in files:
        for number, value in fixed_sleeps(path):
            total += 1
            seconds += value
            if verbose:
                print(f'{os.path.relpath(path, HERE)}:{number}: sleep {value:g}')
    print(f'fixed sleeps: {total} ({seconds:g} s as written)')


if __name__ == '__main__':
    main()
