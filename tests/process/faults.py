#!/usr/bin/python3
"""The real program under faults: a strange sound file, named pipes, a file
size limit, two copies sharing one record, a read-only folder, stray
command-line options. Each case starts a copy of the built program on its
own Xvfb display and watches it from outside: its windows (xdotool), the
error box's text (Ctrl+C, then xclip), its files, and whether it lives.

Usage: faults.py <CaseName> <folder holding temparoka and tmk.wav>
"""
import os
import select
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import wave

FAKETIME_LIB = '/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1'
WEEK50 = '@2026-12-07 15:00:00'  # a Monday, ISO week 50
WEEK51 = '@2026-12-14 15:00:00'
BIRTHDAY, BIRTH_TIME = 24236.0, 0.5 + 1 / 86400  # the initial birth data
NOBODY = 65534
AS_ROOT = os.geteuid() == 0
MAIN, OUTPUT, BOX = '^Ramalan Temparoka$', '^Ramalan$', '^Temparoka$'
EITHER = '^(Ramalan|Temparoka)$'  # the output window or the error box
SEEN_PREDICTION = (5, 2, 1, 50)  # what card 3 gives these birth data in week 50


class Failure(Exception):
    pass


def check(condition, reason):
    if not condition:
        raise Failure(reason)


def check_says(text, *wanted):
    for words in wanted:
        check(words in text, f'the error box lacks {words!r}; it says: {text!r}')


def draw_key(week):
    # Summed as the program sums it; for these values plain doubles agree
    # with its wider sum.
    return BIRTHDAY + BIRTH_TIME + week


def seeded_record(*weeks):
    """The initial birth data, no predictions, and a draw of card 3 for each
    week, so that Enter goes straight to that week's reading."""
    head = struct.pack('<ddi', BIRTHDAY, BIRTH_TIME, 0) + bytes(12 * 16)
    empty = bytes((20 - len(weeks)) * 12)
    return head + empty + b''.join(struct.pack('<di', draw_key(w), 3) for w in weeks)


def history(data):
    return [struct.unpack_from('<4i', data, 20 + i * 16) for i in range(12)]


def draws(data):
    return [struct.unpack_from('<di', data, 212 + i * 12) for i in range(20)]


def write_wav(path, rate, frames=300):
    with wave.open(path, 'wb') as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(b''.join(struct.pack('<h', (i % 50) * 400 - 10000) for i in range(frames)))


def run(*command, timeout=10, **kw):
    return subprocess.run(command, capture_output=True, text=True, timeout=timeout, **kw)


class Harness:
    """One Xvfb display, a temp home and runtime folder, program folders and
    the processes started on them; everything is ended and removed on exit."""

    def __init__(self, bindir, as_nobody=False):
        self.bindir = bindir
        self.as_nobody = as_nobody and AS_ROOT
        self.root = tempfile.mkdtemp(prefix='temparoka-faults-')
        os.chmod(self.root, 0o755)  # the program's user must get in
        self.home = os.path.join(self.root, 'home')
        self.runtime = os.path.join(self.root, 'runtime')
        os.mkdir(self.runtime, 0o700)
        # No sound server may be spawned behind our back: only one we start.
        os.makedirs(os.path.join(self.home, '.config', 'pulse'))
        with open(os.path.join(self.home, '.config', 'pulse', 'client.conf'), 'w') as f:
            f.write('autospawn = no\n')
        self.own(self.home)
        self.own(self.runtime)
        self.programs, self.helpers, self.logs, self.last_stamp = [], [], [], None
        self.display = None

    def own(self, top):
        """Hand a file, or a folder and all in it, to the user the program
        runs as."""
        if self.as_nobody:
            for path in [top] + [os.path.join(f, n) for f, ds, fs in os.walk(top) for n in ds + fs]:
                os.chown(path, NOBODY, NOBODY)

    def __enter__(self):
        self._start_xvfb()
        return self

    def __exit__(self, *exc):
        signal.alarm(0)  # the clean-up itself must not be cut short
        for popen in self.programs + self.helpers:
            if popen.poll() is None:
                popen.terminate()
                try:
                    popen.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    popen.kill()
                    popen.wait(timeout=10)
        # The fake clock keeps its state in shared memory named after the
        # process, and removes it only on a normal exit.
        for popen in self.programs:
            for name in (f'faketime_shm_{popen.pid}', f'sem.faketime_sem_{popen.pid}'):
                if os.path.exists(os.path.join('/dev/shm', name)):
                    os.remove(os.path.join('/dev/shm', name))
        if exc[0] is not None:
            for log in self.logs:
                with open(log, errors='replace') as f:
                    tail = f.read()[-1500:]
                if tail.strip():
                    print(f'--- {os.path.basename(log)}:\n{tail}', file=sys.stderr)
        for folder, dirs, _ in os.walk(self.root):
            for d in dirs:
                os.chmod(os.path.join(folder, d), 0o755)
        shutil.rmtree(self.root, ignore_errors=True)

    def _log(self, name):
        path = os.path.join(self.root, f'{name}-{len(self.logs)}.log')
        self.logs.append(path)
        return open(path, 'wb')

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        with self._log('xvfb') as log:
            self.helpers.append(subprocess.Popen(
                # -noreset: a server whose last client leaves resets, and
                # refuses connections meanwhile; our probes come and go.
                ['Xvfb', '-displayfd', str(write_end), '-screen', '0', '1024x768x24',
                 '-nolisten', 'tcp', '-noreset'],
                pass_fds=(write_end,), stdout=log, stderr=log))
        os.close(write_end)
        number = b''
        deadline = time.monotonic() + 20
        while not number.endswith(b'\n') and time.monotonic() < deadline:
            if select.select([read_end], [], [], 0.5)[0]:
                chunk = os.read(read_end, 16)
                if not chunk:
                    break
                number += chunk
        os.close(read_end)
        check(number.strip(), 'Xvfb did not report a display')
        self.display = ':' + number.decode().strip()
        self.wait_for(lambda: run('xdpyinfo', env=self.env()).returncode == 0, 'Xvfb did not answer')

    def env(self):
        env = {k: v for k, v in os.environ.items()
               if k not in ('QT_QPA_PLATFORM', 'XDG_DATA_HOME', 'XDG_CONFIG_HOME', 'LD_PRELOAD',
                            'FAKETIME', 'DBUS_SESSION_BUS_ADDRESS', 'PULSE_SERVER')}
        env.update(DISPLAY=self.display, HOME=self.home, XDG_RUNTIME_DIR=self.runtime)
        return env

    def wait_for(self, condition, reason, seconds=20):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            result = condition()
            if result:
                return result
            time.sleep(0.1)
        raise Failure(reason)

    def program_folder(self, name='app', record=None):
        folder = os.path.join(self.root, name)
        os.mkdir(folder, 0o755)
        for f in ('temparoka', 'tmk.wav'):
            shutil.copy2(os.path.join(self.bindir, f), folder)
        if record is not None:
            with open(os.path.join(folder, 'temparoka.dat'), 'wb') as f:
                f.write(record)
        return os.path.realpath(folder)

    def start(self, folder, *args, faketime=WEEK50, prefix=()):
        command = list(prefix)
        if self.as_nobody:
            command += ['setpriv', f'--reuid={NOBODY}', f'--regid={NOBODY}', '--clear-groups']
        # The fake clock is preloaded into the program alone: setpriv would
        # otherwise make the clock's shared memory as root, out of the
        # program's reach. setpriv, prlimit and env all exec, so this pid is
        # the program's.
        command += ['env', f'LD_PRELOAD={FAKETIME_LIB}', f'FAKETIME={faketime}',
                    os.path.join(folder, 'temparoka'), *args]
        with self._log('temparoka') as log:
            popen = subprocess.Popen(command, cwd='/', env=self.env(), stdout=log, stderr=log)
        self.programs.append(popen)
        return popen

    def start_pulseaudio(self):
        socket = os.path.join(self.runtime, 'pulse', 'native')
        with self._log('pulseaudio') as log:
            popen = subprocess.Popen(
                ['pulseaudio', '-n', '--daemonize=no', '--exit-idle-time=-1',
                 '--load=module-null-sink', '--load=module-native-protocol-unix'],
                env=self.env(), stdout=log, stderr=log)
        self.helpers.append(popen)
        self.wait_for(lambda: os.path.exists(socket) or popen.poll() is not None, 'no pulse socket')
        check(popen.poll() is None, 'pulseaudio did not start')

    def find(self, name, program):
        return run('xdotool', 'search', '--all', '--onlyvisible', '--pid', str(program.pid),
                   '--name', name, env=self.env()).stdout.split()

    def window(self, name, program, seconds=20):
        def found():
            check(program.poll() is None, f'the program ended (exit status {program.returncode})'
                  f' while waiting for window {name}')
            return self.find(name, program)
        return self.wait_for(found, f'window {name} did not appear', seconds)[-1]

    def never(self, name, program, seconds=1.5):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            check(not self.find(name, program), f'window {name} appeared')
            time.sleep(0.1)

    def gone(self, name, program):
        self.wait_for(lambda: not self.find(name, program), f'window {name} did not close')

    def keys(self, window, *keys):
        time.sleep(0.3)  # let a window that has just appeared take input
        run('xdotool', 'windowfocus', '--sync', window, env=self.env())
        run('xdotool', 'key', *keys, env=self.env())

    def box_text(self, program):
        """Waits for the error box, reads its text through the clipboard while
        it is open, then closes it."""
        box = self.window(BOX, program)
        self.keys(box, 'ctrl+c')

        def clipboard(target):
            out = run('xclip', '-o', '-selection', 'clipboard', '-t', target, timeout=5, env=self.env())
            return out.stdout if out.returncode == 0 else ''

        # The copy's time stamp tells this box's copy from an earlier one's,
        # even when both say the same.
        def fresh_stamp():
            stamp = clipboard('TIMESTAMP')
            return stamp not in ('', self.last_stamp) and stamp

        self.last_stamp = self.wait_for(fresh_stamp, 'the error box put no text on the clipboard for Ctrl+C', 5)
        text = clipboard('UTF8_STRING')
        self.keys(box, 'Return')
        self.gone(BOX, program)
        return text

    def enter(self, program, main):
        """Enter on the main window; returns whether an error box came
        (rather than the output window)."""
        self.keys(main, 'Return')
        self.window(EITHER, program)
        return bool(self.find(BOX, program))

    def reading_fails(self, program, main, *expected):
        """Enter on the main window gives an error box holding every expected
        text, and no output window."""
        check(self.enter(program, main), 'the reading was shown instead of an error box')
        check_says(self.box_text(program), *expected)
        self.never(OUTPUT, program)

    def read(self, program, main):
        """Enter on the main window shows the reading; Escape closes it."""
        if self.enter(program, main):
            try:
                text = repr(self.box_text(program))
            except Failure as unread:
                text = f'unknown ({unread})'
            raise Failure(f'an error box came instead of the reading; its text: {text}')
        output = self.window(OUTPUT, program)
        self.keys(output, 'Escape')
        self.gone(OUTPUT, program)

    def still_alive(self, *programs):
        for program in programs:
            check(program.poll() is None, f'the program died (exit status {program.returncode})')


def read_bytes(path):
    with open(path, 'rb') as f:
        return f.read()


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
        h.reading_fails(program, h.window(MAIN, program), 'temparoka.dat', 'File too large')
        h.still_alive(program)
        check(read_bytes(os.path.join(folder, 'temparoka.dat')) == seeded, 'the record file was changed')
        left = sorted(os.listdir(folder))
        check(left == ['temparoka', 'temparoka.dat', 'tmk.wav'], f'the folder holds {left}')


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


def command_line_options_are_ignored(bindir):
    with Harness(bindir) as h:
        program = h.start(h.program_folder(), '-reverse', '-qwindowtitle', 'X', '-platform', 'offscreen')
        h.window(MAIN, program)
        h.never('^X$', program)
        h.still_alive(program)


CASES = {
    'SoundWithAnUnplayableSampleRate': sound_with_an_unplayable_sample_rate,
    'NamedPipesAreRefused': named_pipes_are_refused,
    'FileSizeLimitGivesAnErrorNotADeath': file_size_limit_gives_an_error_not_a_death,
    'TwoCopiesInOneFolderKeepBothReadings': two_copies_in_one_folder_keep_both_readings,
    'ReadOnlyProgramFolder': read_only_program_folder,
    'CommandLineOptionsAreIgnored': command_line_options_are_ignored,
}


def run_case(name, case, bindir):
    """Runs one case, giving up before ctest's time limit (or on its
    SIGTERM) by raising, so that the harness still ends every process it
    started."""
    def give_up(signum, _frame):
        raise Failure(f'stopped by signal {signum} before the case finished')

    signal.signal(signal.SIGALRM, give_up)
    signal.signal(signal.SIGTERM, give_up)
    signal.alarm(100)
    try:
        case(os.path.realpath(bindir))
    except (Failure, subprocess.TimeoutExpired) as failure:
        print(f'FAILED: {name}: {failure}', file=sys.stderr)
        sys.exit(1)
    print(f'passed: {name}')


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in CASES:
        sys.exit(f'usage: {sys.argv[0]} <{"|".join(CASES)}> <program folder>')
    run_case(sys.argv[1], CASES[sys.argv[1]], sys.argv[2])


if __name__ == '__main__':
    main()
