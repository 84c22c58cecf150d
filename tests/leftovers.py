#!/usr/bin/python3
"""Checks that the test suite leaves nothing behind: no copy of the program,
no X server or sound server that a test started, no shared memory of the
fake clock and no temporary folder of the tests. `start` notes what runs before the first test; `check`, after
the last, fails on whatever has been added since, and ends or removes it so
that the next run starts clean.

Usage: leftovers.py start|check <state file>
"""
import glob
import json
import os
import shutil
import signal
import sys
import tempfile

WATCHED = ('temparoka', 'Xvfb', 'pulseaudio')


def processes():
    found = {}
    for entry in os.listdir('/proc'):
        if not entry.isdigit():
            continue
        try:
            with open(f'/proc/{entry}/comm') as f:
                name = f.read().strip()
            with open(f'/proc/{entry}/stat') as f:
                state = f.read().rsplit(')', 1)[1].split()[0]
        except OSError:
            continue  # ended while we looked
        if name in WATCHED and state != 'Z':
            found[entry] = name
    return found


def clock_memory():
    return sorted(n for n in os.listdir('/dev/shm') if 'faketime' in n)


def temporary_folders():
    # Named by Qt after the test program, or by the tests themselves.
    return sorted(glob.glob(os.path.join(tempfile.gettempdir(), 'temparoka*')))


def main():
    action, state_file = sys.argv[1], sys.argv[2]
    if action == 'start':
        with open(state_file, 'w') as f:
            json.dump({'processes': processes(), 'shm': clock_memory(), 'folders': temporary_folders()}, f)
        return 0
    with open(state_file) as f:
        before = json.load(f)
    left = {pid: name for pid, name in processes().items() if pid not in before['processes']}
    shm = [n for n in clock_memory() if n not in before['shm']]
    folders = [p for p in temporary_folders() if p not in before['folders']]
    for pid in left:
        try:
            os.kill(int(pid), signal.SIGKILL)
        except OSError:
            pass
    for name in shm:
        try:
            os.remove(os.path.join('/dev/shm', name))
        except OSError:
            pass
    for path in folders:
        shutil.rmtree(path.encode(), ignore_errors=True)
    if left or shm or folders:
        print('the tests left behind:', ', '.join(f'{n} (pid {p})' for p, n in left.items()), *shm, *folders,
              file=sys.stderr)
        return 1
    print('nothing left behind')
    return 0


if __name__ == '__main__':
    sys.exit(main())
