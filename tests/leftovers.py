#!/usr/bin/python3
"""Checks that the test suite leaves nothing behind, looking only at what
this run started: every test has the run's own TMPDIR and HOME and notes
the processes it starts in the run's registry (support/registry.py).
`start` makes all three afresh. `check`, after the last test, fails on a
registered process still running (start time and all), any other process
carrying this run's TMPDIR (a forked child, a spawned server), their
fake-clock memory, and anything in the temporary folder; it ends and
removes them. The home is kept until the next run, for a look at what the
tests kept there.

Usage: leftovers.py start|check <registry folder> <temporary folder> <home>
"""
import os
import shutil
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), 'support'))
import registry  # noqa: E402


def remove(path):
    """Removes a folder, also where a test left parts of it read-only."""
    for folder, dirs, _ in os.walk(path):
        for d in (os.path.join(folder, d) for d in dirs):
            if not os.path.islink(d):
                os.chmod(d, 0o700)
    shutil.rmtree(path, ignore_errors=True)


def read(path, mode='r'):
    try:
        with open(path, mode) as f:
            return f.read()
    except OSError:
        return None  # ended, or not ours to read


def carrying(tmp):
    """Handles of the other processes whose environment holds this TMPDIR."""
    marker = b'\0TMPDIR=' + os.fsencode(tmp) + b'\0'
    return [registry.handle(pid) for pid in filter(str.isdigit, os.listdir('/proc'))
            if marker in b'\0' + (read(f'/proc/{pid}/environ', 'rb') or b'') and int(pid) != os.getpid()
            and registry.start_time(pid)]


def start(folder, tmp, home):
    for handle in registry.registered(folder):  # of a run cut short
        registry.end(handle, grace=2)
    for own in (folder, home):
        remove(own)
        os.makedirs(own)
    if os.path.lexists(tmp):
        if os.path.islink(tmp) or os.lstat(tmp).st_uid != os.geteuid():
            sys.exit(f'{tmp} is not this run\'s own folder; remove it')
        remove(tmp)
    os.mkdir(tmp)
    os.chmod(tmp, 0o1777)  # like /tmp: tests run as root step down to another user


def check(folder, tmp, _home):
    noted = registry.registered(folder)
    left = [h for h in noted if registry.running(h)]
    left += [h for h in carrying(tmp) if h not in left]
    pids = [h.split(':')[0] for h in left]
    names = [f'{(read(f"/proc/{pid}/comm") or "?").strip()} (pid {pid})' for pid in pids]
    for handle in left:
        registry.end(handle, grace=2)
    # The fake clock keeps its state in shared memory named after the
    # process, and removes it only when the process exits by itself.
    for pid in {h.split(':')[0] for h in noted} | set(pids):
        for name in (f'/dev/shm/faketime_shm_{pid}', f'/dev/shm/sem.faketime_sem_{pid}'):
            if registry.start_time(pid) is None and os.path.exists(name):  # no other process's by now
                names.append(name)
                os.remove(name)
    names += [os.path.join(tmp, n) for n in sorted(os.listdir(tmp))] if os.path.isdir(tmp) else []
    remove(tmp)
    if names:
        print('the tests left behind:', ', '.join(names), file=sys.stderr)
        return 1
    print(f'nothing left behind ({len(noted)} processes were started and ended)')
    return 0


if __name__ == '__main__':
    if len(sys.argv) != 5 or sys.argv[1] not in ('start', 'check'):
        sys.exit(__doc__)
    sys.exit((start if sys.argv[1] == 'start' else check)(*sys.argv[2:]))
