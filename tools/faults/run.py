#!/usr/bin/env python3
"""Plants the faults of planted.py one at a time and checks that the suite catches them.

    python3 tools/faults/run.py               every fault
    python3 tools/faults/run.py NAME ...      only these
    python3 tools/faults/run.py --list        the names, with their files

The sources are copied into a scratch folder (build-faults/ by default) and
built there once; the real src/ is only ever read. For each fault the copy
of its file is changed, the test programs are rebuilt and run, and the file
is put back. A fault counts as caught when any test fails, a test program
crashes, or a test program runs past its time limit (a fault can make a
test wait forever). A fault that does not build says nothing about the
tests and is left out of the count.

Exits 0 when at least 90 % of the faults that built were caught, 1 when
fewer were, 2 when it could not measure at all (a table that no longer
fits the code, a build that fails, a suite that fails without any fault).
"""

import argparse
import math
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from planted import FAULTS  # noqa: E402

REPO = Path(__file__).resolve().parents[2]
# What CMake reads to configure and build the tests (the benchmarks are off).
COPIED = ['CMakeLists.txt', 'README.md', 'LICENSE', 'src', 'tests', 'data', 'fuzz', 'packaging']
TEST_PROGRAMS = ['temparoka_core_tests', 'temparoka_ui_tests', 'temparoka_hidpi_tests']
REQUIRED_PROGRAMS = TEST_PROGRAMS[:2]
CATCH_PERCENT = 90
BUILD_TIME_LIMIT = 3600


def bounded(cmd, timeout, **kwargs):
    """Runs cmd in a process group of its own and ends the whole group
    afterwards, on time-out and on Ctrl+C as well, so that nothing it started
    outlives it. Returns (exit status or None on time-out, output)."""
    proc = subprocess.Popen(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                            errors='replace', start_new_session=True, **kwargs)
    try:
        out, _ = proc.communicate(timeout=timeout)
        return proc.returncode, out
    except subprocess.TimeoutExpired:
        os.killpg(proc.pid, signal.SIGKILL)
        out, _ = proc.communicate()
        return None, out
    finally:
        # Children of a finished test program may still be running in its group.
        try:
            os.killpg(proc.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        if proc.poll() is None:
            proc.wait()


def check_table(chosen):
    """Each fault must land exactly where it is meant to in today's code."""
    problems = []
    names = [f.name for f in FAULTS]
    for name in sorted({n for n in names if names.count(n) > 1}):
        problems.append(f'{name}: named twice')
    for f in chosen:
        path = REPO / 'src' / f.file
        if not path.is_file():
            problems.append(f'{f.name}: src/{f.file} does not exist')
            continue
        count = path.read_bytes().decode().count(f.old)
        if count != 1:
            problems.append(f'{f.name}: its old text occurs {count} times in src/{f.file}, not once')
        if f.old == f.new:
            problems.append(f'{f.name}: changes nothing')
    return problems


def sync_copy(tree):
    """Makes tree/ hold what the repository holds. A file is rewritten only
    when its bytes differ, so its new time makes the build pick it up, and
    unchanged files keep theirs, so a second run rebuilds little."""
    for top in COPIED:
        source = REPO / top
        target = tree / top
        if source.is_file():
            pairs = [(source, target)]
        else:
            pairs = []
            for folder, dirs, files in os.walk(source):
                dirs[:] = [d for d in dirs if d != '__pycache__']
                for name in files:
                    s = Path(folder) / name
                    pairs.append((s, target / s.relative_to(source)))
            wanted = {t for _, t in pairs}
            if target.is_dir():
                for t in [p for p in target.rglob('*') if p.is_file() or p.is_symlink()]:
                    if t not in wanted and '__pycache__' not in t.parts:
                        t.unlink()
        for s, t in pairs:
            if t.is_file() and not t.is_symlink() and t.read_bytes() == s.read_bytes():
                continue
            t.parent.mkdir(parents=True, exist_ok=True)
            if t.is_symlink():
                t.unlink()
            shutil.copyfile(s, t)
            shutil.copymode(s, t)


def build(build_dir, programs, jobs):
    return bounded(['cmake', '--build', str(build_dir), '-j', str(jobs), '--target', *programs],
                   BUILD_TIME_LIMIT)


FAILED_TEST = re.compile(r'^\[  FAILED  \] (\S+\.\S+)', re.M)


def run_program(build_dir, program, time_limit):
    """Runs one test program. Returns (what failed, or [] when all passed; seconds; output)."""
    # A temporary folder of its own, removed afterwards: some tests leave
    # folders behind in it, and a hundred runs would strew them over /tmp.
    # Open to others like /tmp: run as root, some tests step down to another
    # user to see a read-only folder as a user would, and must reach it.
    scratch_tmp = tempfile.mkdtemp(prefix='temparoka-faults-')
    os.chmod(scratch_tmp, 0o755)
    env = dict(os.environ, QT_QPA_PLATFORM='offscreen', TMPDIR=scratch_tmp)
    start = time.monotonic()
    try:
        status, out = bounded([str(build_dir / 'bin' / program), '--gtest_brief=1'], time_limit,
                              cwd=build_dir / 'tests', env=env)
    finally:
        subprocess.run(['chmod', '-R', 'u+rwx', scratch_tmp], stderr=subprocess.DEVNULL)
        shutil.rmtree(scratch_tmp, ignore_errors=True)
    seconds = time.monotonic() - start
    if status is None:
        return [f'{program} ran past its limit of {time_limit:.0f} s'], seconds, out
    failed = sorted(set(FAILED_TEST.findall(out)))
    if status < 0:
        failed.append(f'{program} crashed ({signal.Signals(-status).name})')
    elif status != 0 and not failed:
        failed.append(f'{program} ended with status {status}')
    return failed, seconds, out


def main():
    parser = argparse.ArgumentParser(description='Plants each fault of planted.py in a copy of the sources '
                                     'and checks that the test suite catches it.')
    parser.add_argument('names', nargs='*', help='run only these faults')
    parser.add_argument('--list', action='store_true', help='list the faults and exit')
    parser.add_argument('--scratch', default=str(REPO / 'build-faults'),
                        help='folder for the copy and its build (default: build-faults in the repository)')
    parser.add_argument('--jobs', type=int, default=2, help='parallel compile jobs (default 2)')
    args = parser.parse_args()
    # Ended from outside (a time-out around make), it still puts the faulty
    # file back and ends its programs on the way out.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))

    if args.list:
        for f in FAULTS:
            print(f'{f.name:32} src/{f.file}')
        return 0

    unknown = [n for n in args.names if n not in {f.name for f in FAULTS}]
    if unknown:
        print('No such fault: ' + ', '.join(unknown) + ' (see --list)', file=sys.stderr)
        return 2
    chosen = [f for f in FAULTS if not args.names or f.name in args.names]
    problems = check_table(chosen)
    if problems:
        print('planted.py no longer fits the code; fix these entries:', file=sys.stderr)
        for p in problems:
            print('  ' + p, file=sys.stderr)
        return 2

    scratch = Path(args.scratch).resolve()
    # Faults are written into the scratch copy only; a scratch folder that is
    # the repository or holds it would let them reach the real sources.
    if scratch == REPO or REPO.is_relative_to(scratch) or any(
            scratch.is_relative_to(REPO / top) for top in COPIED):
        print(f'{scratch} cannot be the scratch folder: faults would reach the real sources', file=sys.stderr)
        return 2
    tree, build_dir, logs = scratch / 'tree', scratch / 'build', scratch / 'logs'
    started = time.monotonic()

    print(f'Copying the sources to {tree}', flush=True)
    sync_copy(tree)
    shutil.rmtree(logs, ignore_errors=True)
    logs.mkdir(parents=True)
    status, out = bounded(['cmake', '-S', str(tree), '-B', str(build_dir), '-G', 'Ninja',
                           '-DCMAKE_BUILD_TYPE=RelWithDebInfo', '-DTEMPAROKA_BENCH=OFF'], 600)
    if status != 0:
        print(out[-4000:], file=sys.stderr)
        print('Configuring the copy failed', file=sys.stderr)
        return 2
    targets = bounded(['ninja', '-C', str(build_dir), '-t', 'targets', 'all'], 60)[1]
    programs = [p for p in TEST_PROGRAMS
                if p in REQUIRED_PROGRAMS or re.search(rf'^{re.escape(p)}:', targets, re.M)]

    print(f'Building {", ".join(programs)} (-j{args.jobs})', flush=True)
    status, out = build(build_dir, programs, args.jobs)
    if status != 0:
        print(out[-4000:], file=sys.stderr)
        print('The unchanged sources do not build', file=sys.stderr)
        return 2

    # Without a fault every test must pass, or every fault would look caught.
    # The time each program takes sets its limit under a fault.
    limits = {}
    for program in programs:
        failed, seconds, out = run_program(build_dir, program, 600)
        (logs / f'unchanged.{program}.txt').write_text(out)
        if failed:
            print(f'Without any fault {program} fails: ' + ', '.join(failed), file=sys.stderr)
            print(f'(its output: {logs}/unchanged.{program}.txt)', file=sys.stderr)
            return 2
        limits[program] = max(60.0, 4 * seconds)
        print(f'  {program}: all pass in {seconds:.0f} s; limit under a fault {limits[program]:.0f} s', flush=True)

    caught, survived, broken, timed_out = [], [], [], []
    width = max(len(f.name) for f in chosen)
    for number, fault in enumerate(chosen, 1):
        path = tree / 'src' / fault.file
        # Bytes in and out, so that the file is put back exactly as it was.
        original = path.read_bytes()
        t0 = time.monotonic()
        try:
            path.write_bytes(original.decode().replace(fault.old, fault.new, 1).encode())
            status, out = build(build_dir, programs, args.jobs)
            log = [out]
            if status != 0:
                verdict = 'DOES NOT BUILD (not counted)'
                broken.append(fault.name)
            else:
                failed = []
                for program in programs:
                    program_failed, _, out = run_program(build_dir, program, limits[program])
                    log.append(out)
                    failed += program_failed
                spun = [f for f in failed if 'ran past its limit' in f]
                if spun:
                    verdict = 'caught by time-out: ' + '; '.join(spun)
                    timed_out.append(fault.name)
                    caught.append(fault.name)
                elif failed:
                    shown = ', '.join(failed[:3]) + (f' and {len(failed) - 3} more' if len(failed) > 3 else '')
                    verdict = f'caught by {shown}'
                    caught.append(fault.name)
                else:
                    verdict = 'SURVIVED: every test passed'
                    survived.append(fault.name)
        finally:
            path.write_bytes(original)
        (logs / f'{fault.name}.txt').write_text('\n'.join(log))
        print(f'[{number:2}/{len(chosen)}] {fault.name:{width}}  {verdict}  ({time.monotonic() - t0:.0f} s)',
              flush=True)

    counted = len(caught) + len(survived)
    minutes = (time.monotonic() - started) / 60
    print()
    if survived:
        print('Survived: ' + ', '.join(survived))
    if broken:
        print('Did not build, not counted: ' + ', '.join(broken))
    if timed_out:
        print('Caught only by a time-out: ' + ', '.join(timed_out))
    print(f'Build output and test output of each fault: {logs}/')
    if counted == 0:
        print(f'caught 0 of 0: no fault built ({minutes:.0f} min)')
        return 1
    # Rounded down, so that a share just short of the mark never reads as reaching it.
    percent = math.floor(100 * len(caught) / counted)
    print(f'caught {len(caught)} of {counted} ({percent} %) in {minutes:.0f} min')
    if len(caught) * 100 < CATCH_PERCENT * counted:
        print(f'Fewer than {CATCH_PERCENT} % of the planted faults were caught.')
        return 1
    return 0


if __name__ == '__main__':
    try:
        sys.exit(main())
    except KeyboardInterrupt:
        # The faulty file was put back and the programs ended on the way out.
        print('\nInterrupted', file=sys.stderr)
        sys.exit(130)
