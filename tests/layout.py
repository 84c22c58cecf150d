#!/usr/bin/python3
"""Checks what the build cannot see: that only the file layer (src/files/)
writes files. Every other file of src/ may write into memory (a QBuffer)
and hand the bytes to it, but opens, creates, renames or removes nothing.
(Which layer may include which, and where Qt and its widgets may be used,
the build itself enforces: see src/CMakeLists.txt.)

Usage: layout.py <source folder>
"""
import os
import re
import sys

FILE_LAYER = 'files'
# Ways to write a file; WriteOnly and ReadWrite only count where the line
# opens something other than a buffer in memory.
WRITES = re.compile(r'\b(QSaveFile|O_WRONLY|O_RDWR|O_CREAT|fopen|ofstream|fstream|setOutputFileName|'
                    r'creat|rename|renameat|unlink|unlinkat|mkdir|mkdirat|mkpath|QFile::copy|QFile::remove|'
                    r'QFile::rename|QFile::link)\b|\b(WriteOnly|ReadWrite|Append)\b')


def main():
    src = os.path.join(sys.argv[1], 'src')
    wrong = []
    for folder, _, names in sorted(os.walk(src)):
        layer = os.path.relpath(folder, src).split(os.sep)[0]
        if layer == FILE_LAYER:
            continue
        for name in sorted(names):
            if not name.endswith(('.h', '.cpp')):
                continue
            path = os.path.join(folder, name)
            with open(path, encoding='utf-8') as f:
                lines = f.read().splitlines()
            for number, line in enumerate(lines, 1):
                code = line.split('//')[0]
                found = WRITES.search(code)
                if found and (found.group(1) or 'buffer' not in code.lower()):
                    wrong.append(f'{os.path.relpath(path, sys.argv[1])}:{number} writes a file: {line.strip()}')
    if wrong:
        print('files written outside the file layer:', *wrong, sep='\n  ', file=sys.stderr)
        return 1
    print('only the file layer writes files')
    return 0


if __name__ == '__main__':
    sys.exit(main())
