#!/usr/bin/python3
"""Checks that the C++ of src/ and tests/ is laid out as the repository's
.clang-format says: clang-format would change nothing. Lists the files it
would change, with the first lines of the change.

Usage: format.py <clang-format program> <source folder>
"""
import difflib
import os
import subprocess
import sys


def main(program, source):
    files = sorted(os.path.join(folder, name) for top in ('src', 'tests')
                   for folder, _, names in os.walk(os.path.join(source, top))
                   for name in names if name.endswith(('.cpp', '.h')))
    wrong = []
    for path in files:
        with open(path, encoding='utf-8') as f:
            text = f.read()
        formatted = subprocess.run([program, f'--style=file:{source}/.clang-format', f'--assume-filename={path}'],
                                   input=text, capture_output=True, text=True, timeout=60)
        if formatted.returncode != 0:
            wrong.append(f'{path}: {program} failed: {formatted.stderr.strip()}')
        elif formatted.stdout != text:
            change = difflib.unified_diff(text.splitlines(), formatted.stdout.splitlines(), lineterm='', n=0)
            wrong.append(os.path.relpath(path, source) + '\n      ' + '\n      '.join(list(change)[2:8]))
    if wrong:
        print(f'{program} would change {len(wrong)} of {len(files)} files; run it with -i on them:',
              *wrong, sep='\n  ', file=sys.stderr)
        return 1
    print(f'{len(files)} files are as {program} lays them out')
    return 0


if __name__ == '__main__':
    if len(sys.argv) != 3:
        sys.exit(f'usage: {sys.argv[0]} <clang-format program> <source folder>')
    try:
        sys.exit(main(*sys.argv[1:]))
    except FileNotFoundError:
        sys.exit(f'{sys.argv[1]} is not installed (make deps-dev installs it)')
