#!/usr/bin/python3
"""Checks that the includes between the folders of src/ run one way: the
application on top, then the two readings, then the output, the record and
the common ground below them. A folder may include itself and the folders
listed for it, nothing else; the readings do not include each other.

Usage: layout.py <source folder>
"""
import os
import re
import sys

ALLOWED = {
    'app': {'app', 'horoscope', 'dream', 'output', 'record', 'common'},
    'horoscope': {'horoscope', 'output', 'record', 'common'},
    'dream': {'dream', 'output', 'record', 'common'},
    'output': {'output', 'common'},
    'record': {'record', 'common'},
    'common': {'common'},
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def main():
    src = os.path.join(sys.argv[1], 'src')
    # Generated window headers (ui_Unit1.h) belong to the folder of their .ui.
    forms = {}
    for folder in ALLOWED:
        for name in os.listdir(os.path.join(src, folder)):
            if name.endswith('.ui'):
                forms[f'ui_{name[:-3]}.h'] = folder
    wrong = []
    folders = set(os.listdir(src)) - {'CMakeLists.txt'}
    if folders != set(ALLOWED):
        wrong.append(f'src/ holds {sorted(folders)}; the layout knows {sorted(ALLOWED)}')
    for folder in sorted(folders & set(ALLOWED)):
        for name in sorted(os.listdir(os.path.join(src, folder))):
            if not name.endswith(('.h', '.cpp')):
                continue
            with open(os.path.join(src, folder, name), encoding='utf-8') as f:
                for included in INCLUDE.findall(f.read()):
                    target = forms.get(included) or included.split('/')[0]
                    if target not in ALLOWED[folder]:
                        wrong.append(f'src/{folder}/{name} includes "{included}"')
    if wrong:
        print('includes that run the wrong way:', *wrong, sep='\n  ', file=sys.stderr)
        return 1
    print('every include runs one way')
    return 0


if __name__ == '__main__':
    sys.exit(main())
