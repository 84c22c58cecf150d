#!/usr/bin/python3
"""The real program under faults: a strange sound file, named pipes, a file
size limit, no file descriptor left, no thread to be had, two copies
sharing one record, a read-only folder, stray command-line options, other
users' links and records, a signal in the middle of a save and a folder
that cannot be synced, and root run with another user's environment. Each case starts a copy of the built program on its
own Xvfb display and watches it from outside: its windows (xdotool), the
error box's text (Ctrl+C, then xclip), its files, and whether it lives.

Usage: faults.py <CaseName> <folder holding temparoka and tmk.wav>
"""
import datetime
import fcntl
import glob
import itertools
import os
import pwd
import resource
import shutil
import signal
import struct
import sys
import wave

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'support'))
from harness import (AS_ROOT, BOX, MAIN, NOBODY, OUTPUT, SEEN_PREDICTION, WEEK50, WEEK51, Harness, check,  # noqa: E402
                     check_says, draw_key, draws, history, read_bytes, run_named, seeded_record, wait_for)

# The faults in the middle of a save (save_faults.cpp), built with the suite.
SAVE_FAULTS = os.environ.get('TEMPAROKA_SAVE_FAULTS', '')


def write_wav(path, rate, frames=300):
    with wave.open(path, 'wb') as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(b''.join(struct.pack('<h', (i % 50) * 400 - 10000) for i in range(frames)))


def sound_with_an_unplayable_sample_rate(bindir):
    with Harness(bindir) as h:
        h.start_pulseaudio()
        folder = h.program_folder(record=seeded_record(50))
        wav = os.path.join(folder, 'tmk.wav')
        program = h.start(folder)
        main = h.window(MAIN, program)
        for rate in (1, 10):
            write_wav(wav, rate)
            h.reading_fails(program, main, 'Cannot play the sound file', wav, f'sample rate of {rate} Hz')
        h.still_alive(program)


def named_pipes_are_refused(bindir):
    with Harness(bindir) as h:
        folder = h.program_folder('fifo-record')
        record = os.path.join(folder, 'temparoka.dat')
        os.mkfifo(record)
        program = h.start(folder)
        check_says(h.box_text(program), 'Cannot read the record file', record, 'named pipe')
        h.window(MAIN, program)
        h.still_alive(program)

        folder = h.program_folder('odd-sound', record=seeded_record(50))
        wav = os.path.join(folder, 'tmk.wav')
        program = h.start(folder)
        main = h.window(MAIN, program)
        os.remove(wav)
        for make, what, remove in ((os.mkfifo, 'named pipe', os.remove), (os.mkdir, 'folder', os.rmdir)):
            make(wav)
            h.reading_fails(program, main, 'tmk.wav', what)
            remove(wav)
        h.still_alive(program)


def file_size_limit_gives_an_error_not_a_death(bindir):
    with Harness(bindir) as h:
        seeded = seeded_record(50)
        folder = h.program_folder(record=seeded)
        program = h.start(folder, prefix=('prlimit', '--fsize=400'))
        h.reading_fails(program, h.window(MAIN, program), 'temparoka.dat', 'berkas terlalu besar',
                        'the file is too large')
        h.still_alive(program)
        check(read_bytes(os.path.join(folder, 'temparoka.dat')) == seeded, 'the record file was changed')
        left = sorted(os.listdir(folder))
        check(left == ['.temparoka.lock', 'temparoka', 'temparoka-sound.so', 'temparoka.dat', 'tmk.wav'],
              f'the folder holds {left}')


def descriptors(pid):
    """The program's open file descriptors and what each names."""
    found = {}
    for name in os.listdir(f'/proc/{pid}/fd'):
        try:
            found[int(name)] = os.readlink(f'/proc/{pid}/fd/{name}')
        except OSError:
            pass  # closed meanwhile
    return found


def no_descriptor_left_for_the_error_box(bindir):
    with Harness(bindir) as h:
        folder = h.program_folder(record=seeded_record(50))
        record = os.path.join(folder, 'temparoka.dat')
        program = h.start(folder)
        main = h.window(MAIN, program)
        usual = resource.prlimit(program.pid, resource.RLIMIT_NOFILE)
        # Another copy's save holds the folder's lock: the reading's save
        # waits for it with the lock file open, and meanwhile the program's
        # limit is lowered so that no descriptor is left, not even once the
        # save has failed and closed the lock file again.
        lock_file = os.path.join(folder, '.temparoka.lock')
        lock = os.open(lock_file, os.O_RDWR | os.O_CREAT | os.O_CLOEXEC, 0o600)
        try:
            fcntl.flock(lock, fcntl.LOCK_EX)
            h.keys(main, 'Return')
            held = wait_for(lambda: [fd for fd, name in descriptors(program.pid).items() if name == lock_file],
                            'the save did not wait for the folder lock')[0]
            taken = descriptors(program.pid)
            lowest_free = next(n for n in itertools.count() if n not in taken)
            resource.prlimit(program.pid, resource.RLIMIT_NOFILE, (min(held, lowest_free), usual[1]))
        finally:
            os.close(lock)
        box = h.window(BOX, program)
        h.painted(box)
        text = h.copy(box, 'ctrl+c')
        check_says(text, record)
        check('too many' in text.lower(), f'the error box does not say why: {text!r}')
        h.keys(box, 'Return')
        h.gone(BOX, program)
        # With descriptors to be had again, the next reading is saved.
        resource.prlimit(program.pid, resource.RLIMIT_NOFILE, usual)
        h.read(program, main)
        check(history(read_bytes(record))[-1] == SEEN_PREDICTION, 'the reading after the limit was raised is not saved')


def no_thread_to_be_had_is_said_before_the_end(bindir):
    # Root may start threads beyond any limit: the program runs as nobody then.
    with Harness(bindir, as_nobody=True) as h:
        seeded = seeded_record(50)
        folder = h.program_folder(record=seeded)
        program = h.start(folder, prefix=('prlimit', '--nproc=1:1'))
        box = h.window(BOX, program)
        h.painted(box, dark=0.005)
        h.keys(box, 'Return')
        wait_for(lambda: program.poll() is not None, 'the program did not end after its box was closed')
        check(program.returncode == 1, f'the program ended with status {program.returncode}')
        with open(h.logs[-1], errors='replace') as log:
            said = log.read()
        check_says(said, 'Program tidak dapat dimulai', 'The program cannot start', 'limit on the number of processes')
        check(read_bytes(os.path.join(folder, 'temparoka.dat')) == seeded, 'the record file was changed')


def two_copies_in_one_folder_keep_both_readings(bindir):
    with Harness(bindir) as h:
        folder = h.program_folder(record=seeded_record(50, 51))
        a, b = h.start(folder, faketime=WEEK50), h.start(folder, faketime=WEEK51)
        main_a, main_b = h.window(MAIN, a), h.window(MAIN, b)
        h.read(a, main_a)
        h.read(b, main_b)
        h.still_alive(a, b)
        data = read_bytes(os.path.join(folder, 'temparoka.dat'))
        check(len(data) == 452, f'the record file holds {len(data)} bytes')
        seen = history(data)
        check(SEEN_PREDICTION in seen, f"the first copy's reading was lost: {seen}")
        check(any(entry[3] == 51 for entry in seen), f"the second copy's reading is missing: {seen}")
        for week in (50, 51):
            check((draw_key(week), 3) in draws(data), f'the draw for week {week} was lost: {draws(data)}')


def read_only_program_folder(bindir):
    def lock(folder):
        if not AS_ROOT:
            os.chmod(folder, 0o555)  # as root the folder stays root's, and nobody runs the program

    with Harness(bindir, as_nobody=True) as h:
        # The record sits in the locked folder but may itself be written.
        folder = h.program_folder('with-record', record=seeded_record(50))
        record = os.path.join(folder, 'temparoka.dat')
        h.own(record)
        inode, names = os.stat(record).st_ino, sorted(os.listdir(folder))
        lock(folder)
        program = h.start(folder)
        h.read(program, h.window(MAIN, program))
        h.still_alive(program)
        data = read_bytes(record)
        check(history(data)[-1] == SEEN_PREDICTION, f'newest entry is {history(data)[-1]}')
        check(os.stat(record).st_ino == inode, 'the record file was replaced, not written in place')
        check(sorted(os.listdir(folder)) == names, f'the folder now holds {sorted(os.listdir(folder))}')

        # No record beside the program: the one in the user's data folder counts.
        folder = h.program_folder('without-record')
        data_folder = os.path.join(h.home, '.local', 'share', 'temparoka')
        os.makedirs(data_folder)
        record = os.path.join(data_folder, 'temparoka.dat')
        with open(record, 'wb') as f:
            f.write(seeded_record(50))
        h.own(os.path.join(h.home, '.local'))
        lock(folder)
        program = h.start(folder)
        h.read(program, h.window(MAIN, program))
        h.still_alive(program)
        newest = history(read_bytes(record))[-1]
        check(newest == SEEN_PREDICTION, f'newest entry in the data folder is {newest}')
        check(not os.path.exists(os.path.join(folder, 'temparoka.dat')), 'a record appeared in the program folder')


def other_users_links_and_records_are_left_alone(bindir):
    if not AS_ROOT:
        print('only root can play two other users')
        return
    with Harness(bindir, as_nobody=True) as h:
        # A shared folder (1777): a third user links the record's name to a
        # file of the reader's.
        folder = h.program_folder('shared')
        os.chmod(folder, 0o1777)
        diary = os.path.join(h.home, 'diary.txt')
        with open(diary, 'wb') as f:
            f.write(b'Dear diary')
        h.own(diary)
        planted = os.path.join(folder, 'temparoka.dat')
        os.symlink(diary, planted)
        os.lchown(planted, 65533, 65533)
        # The reader's own record, with this week's card drawn already.
        own = os.path.join(h.home, '.local', 'share', 'temparoka', 'temparoka.dat')

        def own_record():
            os.makedirs(os.path.dirname(own), exist_ok=True)
            with open(own, 'wb') as f:
                f.write(seeded_record(50))
            h.own(os.path.join(h.home, '.local'))
        own_record()
        program = h.start(folder)
        h.read(program, h.window(MAIN, program))
        h.still_alive(program)
        check(read_bytes(diary) == b'Dear diary', 'the planted link was written through')
        check(history(read_bytes(own))[-1] == SEEN_PREDICTION, "the reader's own record lacks the reading")

        # A shared install that root has used: root's record is not the reader's.
        roots = seeded_record(50)
        folder = h.program_folder('opt', record=roots)
        own_record()
        program = h.start(folder)
        h.read(program, h.window(MAIN, program))
        h.still_alive(program)
        check(read_bytes(os.path.join(folder, 'temparoka.dat')) == roots, "root's record was changed")
        check(history(read_bytes(own))[-1] == SEEN_PREDICTION, "the reader's reading went elsewhere")


def a_signal_mid_save_leaves_no_new_file_behind(bindir):
    check(os.path.exists(SAVE_FAULTS), f'no save faults library at {SAVE_FAULTS!r}')
    with Harness(bindir) as h:
        held = os.path.join(h.root, 'held')
        program = h.start(h.program_folder(record=seeded_record(50)), preload=[SAVE_FAULTS],
                          env={'TEMPAROKA_HOLD_RENAME_TO': '.pdf', 'TEMPAROKA_HOLD_MARK': held})
        h.keys(h.window(MAIN, program), 'Return')
        target = h.ask_to_save_pdf(h.window(OUTPUT, program), program, 'Ramalan.pdf')
        wait_for(lambda: os.path.exists(held), 'the save did not reach its rename')
        kept = os.path.dirname(target)
        new = os.listdir(kept)
        check(len(new) == 1 and new[0].startswith('.Ramalan.pdf.new-'), f'the folder holds {new} mid-save')
        os.kill(program.pid, signal.SIGTERM)  # a logout, a shutdown
        program.wait(timeout=10)
        check(program.returncode == -signal.SIGTERM, f'the program ended with {program.returncode}')
        check(os.listdir(kept) == [], f'the folder holds {os.listdir(kept)} after the signal')


def a_folder_sync_that_fails_is_told(bindir):
    check(os.path.exists(SAVE_FAULTS), f'no save faults library at {SAVE_FAULTS!r}')
    with Harness(bindir) as h:
        folder = h.program_folder(record=seeded_record(50))
        program = h.start(folder, preload=[SAVE_FAULTS], env={'TEMPAROKA_FAIL_FOLDER_SYNC': '1'})
        h.reading_fails(program, h.window(MAIN, program), 'temparoka.dat', 'disk gagal membaca atau menulis',
                        'the disk failed to read or write')
        h.still_alive(program)
        left = sorted(os.listdir(folder))
        check(left == ['.temparoka.lock', 'temparoka', 'temparoka-sound.so', 'temparoka.dat', 'tmk.wav'],
              f'the folder holds {left}')


def stamp(path):
    """A file's kind, owner and the identity of its contents; None for none."""
    if not os.path.lexists(path):
        return None
    info = os.lstat(path)
    return info.st_mode, info.st_uid, info.st_ino, info.st_size, info.st_mtime_ns


def tree(top):
    """The stamp of every name below top."""
    return {path: stamp(path) for folder, dirs, files in os.walk(top)
            for path in (os.path.join(folder, n) for n in dirs + files)}


def root_keeps_to_its_own_in_another_users_environment(bindir):
    if not AS_ROOT:
        print("only root can be run with another user's environment")
        return
    with Harness(bindir) as h:
        # Another user's home, kept by "sudo -E" with their configuration
        # folder: Qt's file dialog kept its state there, where the user has
        # linked the name to a file of root's alone.
        other = os.path.join(h.root, 'other')
        config = os.path.join(other, '.config')
        plugins = os.path.join(other, 'plugins')
        os.makedirs(config)
        secret = os.path.join(h.root, 'roots-only')
        with open(secret, 'wb') as f:
            f.write(b'root alone\n')
        os.chmod(secret, 0o600)
        os.symlink(secret, os.path.join(config, 'QtProject.conf'))
        # A copy of Qt's own display plugin in a plugin folder of theirs:
        # taken from there, it would be the one the program maps.
        system_plugin = glob.glob('/usr/lib/*/qt6/plugins/platforms/libqxcb.so')
        check(len(system_plugin) == 1, f"Qt's display plugin: {system_plugin}")
        os.makedirs(os.path.join(plugins, 'platforms'))
        shutil.copy(system_plugin[0], os.path.join(plugins, 'platforms'))
        for path in [other, *tree(other)]:
            os.lchown(path, NOBODY, NOBODY)
        # Root's own folders for what root may keep (the fonts' cache...).
        own = {name: os.path.join(h.root, name) for name in ('XDG_CACHE_HOME', 'XDG_DATA_HOME', 'XDG_STATE_HOME')}
        for folder in own.values():
            os.mkdir(folder, 0o700)
        # Where Qt would keep its state for root: the suite's home, and the
        # account's, where root's HOME leads once the other user's is gone.
        roots = [os.path.join(home, '.config', 'QtProject.conf')
                 for home in (os.environ.get('HOME', '/nonexistent'), pwd.getpwuid(0).pw_dir)]
        before, there = tree(other), {path: stamp(path) for path in roots}

        # The record holds this week's card also for the real clock, which
        # an environment without the fake clock's variable falls back on.
        week = datetime.date.today().isocalendar()[1]
        program = h.start(h.program_folder(record=seeded_record(*sorted({50, week}))),
                          env={'HOME': other, 'XDG_CONFIG_HOME': config, 'QT_PLUGIN_PATH': plugins, **own})
        main = h.window(MAIN, program)
        mapped = read_bytes(f'/proc/{program.pid}/maps').decode(errors='replace')
        check(plugins not in mapped, "a plugin was loaded from the other user's folder")
        h.keys(main, 'Return')
        output = h.window(OUTPUT, program)
        for keys, dialog in (('ctrl+s', '^Simpan ramalan$'), ('ctrl+p', '^Cetak ramalan$')):
            h.keys(output, keys)
            h.keys(h.window(dialog, program), 'Escape')
            h.gone(dialog, program)
        h.keys(output, 'Escape')
        h.gone(OUTPUT, program)
        h.keys(main, 'alt+k')
        wait_for(lambda: program.poll() is not None, 'the program did not end')
        check(program.returncode == 0, f'the program ended with status {program.returncode}')

        check(read_bytes(secret) == b'root alone\n', "the link was written through to root's file")
        after = tree(other)
        check(after == before, f"the other user's home changed: {sorted(set(after.items()) ^ set(before.items()))}")
        for path in roots:
            check(stamp(path) == there[path], f'{path} was written')
        made = [path for path in tree(h.root) if os.path.basename(path).startswith('QtProject')]
        check(made == [os.path.join(config, 'QtProject.conf')], f"Qt's settings were kept in {made}")


def command_line_options_are_ignored(bindir):
    with Harness(bindir) as h:
        program = h.start(h.program_folder(), '-reverse', '-qwindowtitle', 'X', '-platform', 'offscreen')
        h.absent('^X$', program, h.window(MAIN, program))
        h.still_alive(program)


CASES = {
    'SoundWithAnUnplayableSampleRate': sound_with_an_unplayable_sample_rate,
    'NamedPipesAreRefused': named_pipes_are_refused,
    'FileSizeLimitGivesAnErrorNotADeath': file_size_limit_gives_an_error_not_a_death,
    'NoDescriptorLeftForTheErrorBox': no_descriptor_left_for_the_error_box,
    'NoThreadToBeHadIsSaidBeforeTheEnd': no_thread_to_be_had_is_said_before_the_end,
    'TwoCopiesInOneFolderKeepBothReadings': two_copies_in_one_folder_keep_both_readings,
    'ReadOnlyProgramFolder': read_only_program_folder,
    'CommandLineOptionsAreIgnored': command_line_options_are_ignored,
    'OtherUsersLinksAndRecordsAreLeftAlone': other_users_links_and_records_are_left_alone,
    'ASignalMidSaveLeavesNoNewFileBehind': a_signal_mid_save_leaves_no_new_file_behind,
    'AFolderSyncThatFailsIsTold': a_folder_sync_that_fails_is_told,
    'RootKeepsToItsOwnInAnotherUsersEnvironment': root_keeps_to_its_own_in_another_users_environment,
}


if __name__ == '__main__':
    run_named(CASES)
