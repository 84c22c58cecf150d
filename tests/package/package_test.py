#!/usr/bin/python3
"""The release archive as a user gets it: packed by CPack, unpacked into a
fresh folder, started there (from another working directory) with its
record kept beside itself, and its menu entry installed and removed.

Usage: package_test.py <build folder> <source folder>
"""
import glob
import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'support'))
from harness import (SEEN_PREDICTION, MAIN, Harness, check, history, read_bytes, run,  # noqa: E402
                     run_case, seeded_record)

ARCHIVED = ('temparoka', 'tmk.wav', 'README.md', 'LICENSE', 'temparoka.desktop', 'temparoka.png',
            'install-menu-entry.sh')


def main(build, source):
    with Harness(None) as h:
        for command in (('desktop-file-validate', f'{source}/data/temparoka.desktop'),
                        ('appstreamcli', 'validate', '--no-net', f'{source}/data/temparoka.metainfo.xml')):
            checked = run(*command, timeout=60)
            check(checked.returncode == 0, f'{command[-1]} is not valid:\n{checked.stdout}{checked.stderr}')
        out, user = os.path.join(h.root, 'out'), os.path.join(h.root, 'user')
        packed = run('cpack', '-G', 'TGZ', '-B', out, cwd=build, timeout=300)
        check(packed.returncode == 0, f'cpack failed:\n{packed.stdout}{packed.stderr}')
        os.mkdir(user)
        check(run('tar', '-xzf', *glob.glob(f'{out}/temparoka-*.tar.gz'), '-C', user).returncode == 0, 'tar failed')
        app = glob.glob(f'{user}/temparoka-*')[0]
        missing = [f for f in ARCHIVED if not os.path.exists(os.path.join(app, f))]
        check(not missing, f'missing from the archive: {missing}')

        # It starts from its folder, reads keys, and Alt+K ends it without
        # writing a record; a reading then writes the record beside it (it
        # holds this week's draw of card 3, so Enter goes straight there).
        program = h.start(app)
        h.keys(h.window(MAIN, program), 'alt+k')
        check(program.wait(timeout=30) == 0, f'Alt+K ended the program with status {program.returncode}')
        record = os.path.join(app, 'temparoka.dat')
        check(not os.path.exists(record), 'a record file was written without a reading')
        with open(record, 'wb') as f:
            f.write(seeded_record(50))
        program = h.start(app)
        h.read(program, h.window(MAIN, program))
        check(history(read_bytes(record))[-1] == SEEN_PREDICTION, 'the reading was not recorded beside the program')

        # The menu entry points at the unpacked folder and is itself valid.
        installer = os.path.join(app, 'install-menu-entry.sh')
        entry = os.path.join(h.home, '.local', 'share', 'applications', 'temparoka.desktop')
        check(run(installer, env=h.env()).returncode == 0, 'install-menu-entry.sh failed')
        check(run('desktop-file-validate', entry).returncode == 0, 'the installed menu entry is not valid')
        with open(entry) as f:
            check(f'Exec="{app}/temparoka"' in f.read().splitlines(), 'the menu entry does not start this copy')
        check(run(installer, '--remove', env=h.env()).returncode == 0 and not os.path.exists(entry),
              'the menu entry was not removed')


if __name__ == '__main__':
    run_case('UnpacksStartsAndKeepsItsRecordBesideItself', lambda build: main(build, os.path.realpath(sys.argv[2])),
             sys.argv[1])
