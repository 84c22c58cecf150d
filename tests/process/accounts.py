#!/usr/bin/python3
"""The real program among other local accounts, made for the test and
removed after it: a reader with a group of its own, a second account
whose primary group is the reader's (in that group without being listed),
and nobody as a third. What they do to the reader's folders once the
program runs must not reach the reader's record, nor freeze its window.

Usage: accounts.py <program folder>   (as root; otherwise it says so and passes)
"""
import grp
import os
import pwd
import subprocess
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'support'))
from harness import (AS_ROOT, MAIN, NOBODY, SEEN_PREDICTION, Harness, check, check_says, history,  # noqa: E402
                     read_bytes, run_named, seeded_record)
import registry  # noqa: E402
import xvfb  # noqa: E402


class Accounts:
    """A reader with its own group and a second account whose primary group
    is the reader's, removed again on the way out."""

    def __init__(self):
        tag = os.getpid()
        self.reader, self.second = f'tmkreader{tag}', f'tmksecond{tag}'

    def __enter__(self):
        nologin = ['--system', '--no-create-home', '--shell', '/usr/sbin/nologin']
        subprocess.run(['useradd', *nologin, '--user-group', self.reader], check=True, timeout=30)
        try:
            subprocess.run(['useradd', *nologin, '--gid', self.reader, self.second], check=True, timeout=30)
        except BaseException:
            self.__exit__()
            raise
        return pwd.getpwnam(self.reader), pwd.getpwnam(self.second)

    def __exit__(self, *exc):
        for name in (self.second, self.reader):  # the group goes with its last user
            subprocess.run(['userdel', name], timeout=30, capture_output=True)
        try:
            grp.getgrnam(self.reader)
            subprocess.run(['groupdel', self.reader], timeout=30, capture_output=True)
        except KeyError:
            pass


def others_cannot_reach_the_record_once_the_program_runs(bindir):
    if not AS_ROOT:
        print('only root can make accounts')
        return
    with Accounts() as (reader, second), Harness(bindir, as_nobody=True, user=(reader.pw_uid, reader.pw_gid)) as h:
        # The reader's record, with this week's card drawn already.
        data_folder = os.path.join(h.home, '.local', 'share', 'temparoka')
        kept = os.path.join(data_folder, 'temparoka.dat')
        os.makedirs(data_folder)
        with open(kept, 'wb') as f:
            f.write(seeded_record(50))
        h.own(os.path.join(h.home, '.local'))

        # The program's folder is the reader's and its group may write: the
        # second account is in that group, so the record is not kept there.
        folder = h.program_folder('grouped', record=seeded_record(50))
        h.own(folder)
        os.chmod(folder, 0o775)
        beside = read_bytes(os.path.join(folder, 'temparoka.dat'))
        program = h.start(folder)
        h.read(program, h.window(MAIN, program))
        check(read_bytes(os.path.join(folder, 'temparoka.dat')) == beside, "the reading went into the group's folder")
        check(history(read_bytes(kept))[-1] == SEEN_PREDICTION, 'the reading did not reach the data folder')

        # Nobody, who may open the reader's program folder, locks it for a
        # minute: the record's lock is a file of the reader's alone, and the
        # save goes through at once.
        folder = h.program_folder('locked', record=seeded_record(50))
        h.own(folder)
        locker = subprocess.Popen(['setpriv', f'--reuid={NOBODY}', f'--regid={NOBODY}', '--clear-groups',
                                   'flock', '--no-fork', '--exclusive', folder, 'sh', '-c', 'echo held; exec sleep 60'],
                                  stdout=subprocess.PIPE)
        h.helpers.append(locker)
        registry.register(locker.pid)
        check(locker.stdout.readline() == b'held\n', 'nobody could not lock the folder')
        program = h.start(folder)
        h.read(program, h.window(MAIN, program))
        check(history(read_bytes(os.path.join(folder, 'temparoka.dat')))[-1] == SEEN_PREDICTION,
              'the reading was not saved beside the program')

        # A data folder yet to be made in a shared folder: the second account
        # makes it first, once the program runs, open to the reader.
        shared = os.path.join(h.root, 'shared')
        os.mkdir(shared)
        os.chmod(shared, 0o1777)
        theirs = os.path.join(shared, 'data')
        folder = h.program_folder('installed')
        program = h.start(folder, env={'XDG_DATA_HOME': theirs})
        main = h.window(MAIN, program)
        os.mkdir(theirs)
        os.chown(theirs, second.pw_uid, second.pw_gid)
        os.chmod(theirs, 0o777)
        # No card drawn yet this week: Enter deals, and the first card is taken.
        h.keys(main, 'Return')
        xvfb.reads_keys(h.display, main, 3)
        h.keys(main, 'space')
        check_says(h.box_text(program), 'temparoka.dat', 'milik pengguna lain', 'belongs to another user', theirs)
        check(os.listdir(theirs) == [], f"the reader's record went into their folder: {os.listdir(theirs)}")
        h.still_alive(program)


CASES = {'OthersCannotReachTheRecordOnceTheProgramRuns': others_cannot_reach_the_record_once_the_program_runs}


if __name__ == '__main__':
    run_named(CASES)
