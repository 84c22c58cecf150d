#!/usr/bin/python3
"""Checks that the includes between the folders of src/ run one way: the
application on top, then the two readings, then the output, the record and
the common ground below them. A folder may include itself and the folders
listed for it, nothing else; the readings do not include each other.

Checks too that only the file layer (common/safesave, common/nativefile)
writes files: every other file of src/ may write into memory (a QBuffer)
and hand the bytes to it, but opens, creates, renames or removes nothing.

Checks last that the Qt-free core (the sources of temparoka_core in
src/CMakeLists.txt, their headers and every header of ours they include)
includes no Qt header.

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
FILE_LAYER = {'common/safesave.cpp', 'common/savetemporary.cpp', 'common/nativefile.cpp'}
# Ways to write a file; WriteOnly and ReadWrite only count where the line
# opens something other than a buffer in memory.
WRITES = re.compile(r'\b(QSaveFile|O_WRONLY|O_RDWR|O_CREAT|fopen|ofstream|fstream|setOutputFileName|'
                    r'creat|rename|renameat|unlink|unlinkat|mkdir|mkpath|QFile::copy|QFile::remove|'
                    r'QFile::rename|QFile::link)\b|\b(WriteOnly|ReadWrite|Append)\b')


QT_INCLUDE = re.compile(r'^\s*#\s*include\s*[<"](Qt\w*/)?Q\w*(\.h)?[>"]', re.M)
CORE = re.compile(r'add_library\(temparoka_core\b([^)]*)\)')


def qt_in_core(src):
    """The files of the core that include a Qt header, and what they include."""
    with open(os.path.join(src, 'CMakeLists.txt'), encoding='utf-8') as f:
        listed = CORE.search(f.read())
    if not listed:
        return ['src/CMakeLists.txt defines no temparoka_core library']
    sources = [word for word in listed.group(1).split() if word.endswith('.cpp')]
    todo = [(name, '') for name in sources]
    todo += [(name[:-4] + '.h', '') for name in sources if os.path.exists(os.path.join(src, name[:-4] + '.h'))]
    seen, wrong = set(), []
    while todo:
        name, via = todo.pop()
        if name in seen:
            continue
        seen.add(name)
        with open(os.path.join(src, name), encoding='utf-8') as f:
            text = f.read()
        wrong += [f'src/{name}{via} is in the Qt-free core and includes {found.group(0).split("include")[1].strip()}'
                  for found in QT_INCLUDE.finditer(text)]
        todo += [(included, f' (through src/{name}{via})') for included in INCLUDE.findall(text)
                 if os.path.exists(os.path.join(src, included))]
    return wrong


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
                text = f.read()
            if f'{folder}/{name}' not in FILE_LAYER:
                for number, line in enumerate(text.splitlines(), 1):
                    code = line.split('//')[0]
                    found = WRITES.search(code)
                    if found and (found.group(1) or 'buffer' not in code.lower()):
                        wrong.append(f'src/{folder}/{name}:{number} writes a file: {line.strip()}')
            for included in INCLUDE.findall(text):
                target = forms.get(included) or included.split('/')[0]
                if target not in ALLOWED[folder]:
                    wrong.append(f'src/{folder}/{name} includes "{included}"')
    wrong += qt_in_core(src)
    if wrong:
        print('includes that run the wrong way, files written outside the file layer, or Qt in the core:', *wrong,
              sep='\n  ',
              file=sys.stderr)
        return 1
    print('every include runs one way, only the file layer writes files, and the core has no Qt')
    return 0


if __name__ == '__main__':
    sys.exit(main())
