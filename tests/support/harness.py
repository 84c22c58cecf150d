"""The real program, watched from outside: a copy of the built program in a
folder of its own, started on its own Xvfb display with a private home and
the clock held at a chosen week, its windows found and keys sent to them
(support/xvfb.py), the error box's text read through the clipboard, its
record file read back. Everything it starts is registered, and ended and
removed on the way out. Shared by the process and package tests.
"""
import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import registry  # noqa: E402
import xvfb  # noqa: E402
from xvfb import Failure, wait_for  # noqa: E402

WEEK50 = '@2026-12-07 15:00:00'  # a Monday, ISO week 50
WEEK51 = '@2026-12-14 15:00:00'
BIRTHDAY, BIRTH_TIME = 24236.0, 0.5 + 1 / 86400  # the initial birth data
NOBODY = 65534
AS_ROOT = os.geteuid() == 0
MAIN, OUTPUT, BOX = '^Ramalan Temparoka$', '^Ramalan$', '^Temparoka$'
EITHER = '^(Ramalan|Temparoka)$'  # the output window or the error box
SEEN_PREDICTION = (5, 2, 1, 50)  # what card 3 gives these birth data in week 50


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


def seeded_record(*weeks, shown=()):
    """The initial birth data, the predictions `shown` (band, quality,
    variant, week; the newest last) and a draw of card 3 for each week, so
    that Enter goes straight to that week's reading."""
    head = struct.pack('<ddi', BIRTHDAY, BIRTH_TIME, 0) + bytes((12 - len(shown)) * 16)
    head += b''.join(struct.pack('<4i', *entry) for entry in shown)
    empty = bytes((20 - len(weeks)) * 12)
    return head + empty + b''.join(struct.pack('<di', draw_key(w), 3) for w in weeks)


def history(data):
    return [struct.unpack_from('<4i', data, 20 + i * 16) for i in range(12)]


def draws(data):
    return [struct.unpack_from('<di', data, 212 + i * 12) for i in range(20)]


def read_bytes(path):
    with open(path, 'rb') as f:
        return f.read()


def run(*command, timeout=10, **kw):
    return subprocess.run(command, capture_output=True, text=True, timeout=timeout, **kw)


def install_commands(readme):
    """The packages of each `sudo apt-get install` line of a README, each
    line continued over the lines that a backslash ends."""
    joined = readme.replace('\\\n', ' ')
    return [set(line.split()[3:]) for line in joined.splitlines()
            if line.split()[:3] == ['sudo', 'apt-get', 'install']]


def install_command(readme):
    """The packages the portable archive's README tells its reader to
    install, on its one apt-get line."""
    lines = install_commands(readme)
    check(len(lines) == 1, f'the README holds {len(lines)} apt-get install lines')
    return lines[0]


class Harness:
    """One Xvfb display, a temp home and runtime folder, program folders and
    the processes started on them; everything is ended and removed on exit."""

    def __init__(self, bindir, as_nobody=False, user=(NOBODY, NOBODY)):
        self.bindir = bindir
        self.as_nobody = as_nobody and AS_ROOT
        self.user = user  # the account the program runs as, when not root's
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
                os.chown(path, *self.user)

    def __enter__(self):
        try:
            with self._log('xvfb') as log:
                server, self.display = xvfb.start(log=log)
            self.helpers.append(server)
        except BaseException:
            self.__exit__(*sys.exc_info())
            raise
        return self

    def __exit__(self, *exc):
        signal.alarm(0)  # the clean-up itself must not be cut short
        for popen in self.programs + self.helpers:
            if popen.poll() is None:  # not yet reaped, so its id is still its own
                registry.end(registry.handle(popen.pid))  # SIGTERM, and SIGKILL after 10 s
                popen.wait()
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

    def env(self):
        env = {k: v for k, v in os.environ.items()
               if k not in ('QT_QPA_PLATFORM', 'XDG_DATA_HOME', 'XDG_CONFIG_HOME', 'XDG_CACHE_HOME',
                            'XDG_STATE_HOME', 'LD_PRELOAD', 'FAKETIME', 'PULSE_SERVER')}
        # No session bus either: with a display and none given, libdbus would
        # start one through X for the program, which outlives the test.
        env.update(DISPLAY=self.display, HOME=self.home, XDG_RUNTIME_DIR=self.runtime,
                   DBUS_SESSION_BUS_ADDRESS='disabled:')
        return env

    def program_folder(self, name='app', record=None):
        folder = os.path.join(self.root, name)
        os.mkdir(folder, 0o755)
        for f in ('temparoka', 'temparoka-sound.so', 'tmk.wav'):
            shutil.copy2(os.path.join(self.bindir, f), folder)
        if record is not None:
            with open(os.path.join(folder, 'temparoka.dat'), 'wb') as f:
                f.write(record)
        return os.path.realpath(folder)

    def start(self, folder, *args, faketime=WEEK50, prefix=(), preload=(), env=None):
        """Starts the program in folder; preload names libraries loaded into
        it besides the fake clock, env what it finds in its environment
        besides the harness's own."""
        command = []
        if self.as_nobody:
            command += ['setpriv', f'--reuid={self.user[0]}', f'--regid={self.user[1]}', '--clear-groups']
        # A limit given in the prefix is set by the program's user: a limit
        # on processes set before setpriv would be checked when it changes
        # the user, and fail whenever that user runs anything else.
        command += prefix
        # The fake clock is preloaded into the program alone: setpriv would
        # otherwise make the clock's shared memory as root, out of the
        # program's reach. setpriv, prlimit and env all exec, so this pid is
        # the program's.
        extra = [f'{name}={value}' for name, value in (env or {}).items()]
        command += ['env', f'LD_PRELOAD={" ".join([xvfb.faketime_library(), *preload])}', f'FAKETIME={faketime}',
                    *extra, os.path.join(folder, 'temparoka'), *args]
        with self._log('temparoka') as log:
            popen = subprocess.Popen(command, cwd='/', env=self.env(), stdout=log, stderr=log)
        self.programs.append(popen)
        registry.register(popen.pid)
        return popen

    def start_pulseaudio(self):
        socket = os.path.join(self.runtime, 'pulse', 'native')
        with self._log('pulseaudio') as log:
            popen = subprocess.Popen(
                ['pulseaudio', '-n', '--daemonize=no', '--exit-idle-time=-1',
                 '--load=module-null-sink', '--load=module-native-protocol-unix'],
                env=self.env(), stdout=log, stderr=log)
        self.helpers.append(popen)
        registry.register(popen.pid)
        wait_for(lambda: os.path.exists(socket) or popen.poll() is not None, 'no pulse socket')
        check(popen.poll() is None, 'pulseaudio did not start')

    def find(self, name, program):
        return xvfb.find(self.display, name, program.pid)

    def window(self, name, program):
        def found():
            check(program.poll() is None, f'the program ended (exit status {program.returncode})'
                  f' while waiting for window {name}')
            return self.find(name, program)
        return wait_for(found, f'window {name} did not appear')[-1]

    def absent(self, name, program, window):
        """No window `name` has come by the time the program reads keys in
        `window` again: whatever it was going to show is up by then."""
        xvfb.reads_keys(self.display, window, 2)
        check(not self.find(name, program), f'window {name} appeared')

    def gone(self, name, program):
        wait_for(lambda: not self.find(name, program), f'window {name} did not close')

    def keys(self, window, *keys):
        xvfb.keys(self.display, window, *keys)

    def ask_to_save_pdf(self, output, program, name):
        """Asks for the reading on show to be saved as a PDF with Ctrl+S,
        typing a path in a folder of its own into the save dialog; returns
        the path once the dialog has closed."""
        target = os.path.join(self.root, 'kept', name)
        os.mkdir(os.path.dirname(target))
        self.own(os.path.dirname(target))
        self.keys(output, 'ctrl+s')
        dialog = self.window('^Simpan ramalan$', program)
        self.keys(dialog, 'ctrl+a')
        run('xdotool', 'type', '--delay', '20', target, env=self.env())
        self.keys(dialog, 'Return')
        self.gone('^Simpan ramalan$', program)
        return target

    def save_pdf(self, output, program, name):
        """Saves the reading on show as a PDF (ask_to_save_pdf) and returns
        the PDF's text, its words one space apart (the pages break lines
        where they like)."""
        target = self.ask_to_save_pdf(output, program, name)
        wait_for(lambda: os.path.exists(target), f'{target} was not saved')
        text = subprocess.run(['pdftotext', target, '-'], capture_output=True, text=True, timeout=30).stdout
        return ' '.join(text.split())

    def copy(self, window, *keys):
        """Sends keys that copy text, and returns the text once this copy is
        on the clipboard: its time stamp tells it from an earlier copy, even
        one of the same text."""
        self.keys(window, *keys)

        def clipboard(target):
            try:
                out = run('xclip', '-o', '-selection', 'clipboard', '-t', target, timeout=5, env=self.env())
            except subprocess.TimeoutExpired:
                return ''
            return out.stdout if out.returncode == 0 else ''

        def fresh_stamp():
            stamp = clipboard('TIMESTAMP')
            return stamp not in ('', self.last_stamp) and stamp

        self.last_stamp = wait_for(fresh_stamp, f'nothing was copied for {"+".join(keys)}')
        return clipboard('UTF8_STRING')

    def box_text(self, program):
        """Waits for the error box, reads its text through the clipboard
        (Ctrl+C) while it is open, then closes it."""
        box = self.window(BOX, program)
        text = self.copy(box, 'ctrl+c')
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
        self.absent(OUTPUT, program, main)

    def silent_reading_fails(self, opening_key, title, *keys):
        """A fresh program whose folder lacks tmk.wav: opening_key on the main
        window opens the window titled title, keys ask for its reading, and
        the error box names the sound file; no reading is shown and the
        program goes on."""
        folder = self.program_folder('silent')
        os.remove(os.path.join(folder, 'tmk.wav'))
        program = self.start(folder)
        self.keys(self.window(MAIN, program), opening_key)
        window = self.window(title, program)
        self.keys(window, *keys)
        check_says(self.box_text(program), 'tmk.wav')
        self.absent(OUTPUT, program, window)
        self.still_alive(program)

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

    def shares_of_light_and_dark(self, window):
        """The shares of light and of dark pixels in the window, as the X
        server holds it: a window its program has not painted shows what
        lay beneath it."""
        picture = subprocess.run(['import', '-window', window, '-depth', '8', 'rgb:-'], capture_output=True,
                                 timeout=30, env=self.env()).stdout
        pixels = [picture[i:i + 3] for i in range(0, len(picture) - 2, 3)]
        if not pixels:
            return 0.0, 0.0
        return (sum(min(p) >= 200 for p in pixels) / len(pixels),
                sum(max(p) <= 80 for p in pixels) / len(pixels))

    def painted(self, window, dark=0.0):
        """Waits until the window shows a light face (a dialog's, or a
        plain box's) over more than half of it, with more than `dark` of
        it dark (its text)."""
        def shown():
            light, darker = self.shares_of_light_and_dark(window)
            return light > 0.5 and darker > dark
        wait_for(shown, f'window {window} was not painted')

    def still_alive(self, *programs):
        for program in programs:
            check(program.poll() is None, f'the program died (exit status {program.returncode})')


def run_case(name, case, bindir, seconds=100):
    """Runs one case, giving up before ctest's time limit (or on its
    SIGTERM) by raising, so that the harness still ends every process it
    started."""
    def give_up(signum, _frame):
        raise Failure(f'stopped by signal {signum} before the case finished')

    signal.signal(signal.SIGALRM, give_up)
    signal.signal(signal.SIGTERM, give_up)
    signal.alarm(seconds)
    try:
        case(os.path.realpath(bindir))
    except (Failure, subprocess.TimeoutExpired) as failure:
        print(f'FAILED: {name}: {failure}', file=sys.stderr)
        sys.exit(1)
    print(f'passed: {name}')


def run_script(name, case):
    """The whole of a script that runs one case on the program folder given
    as its only argument."""
    if len(sys.argv) != 2:
        sys.exit(f'usage: {sys.argv[0]} <program folder>')
    run_case(name, case, sys.argv[1])


def run_named(cases):
    """The whole of a script that runs the case named by its first argument
    on the program folder given as its second."""
    if len(sys.argv) != 3 or sys.argv[1] not in cases:
        sys.exit(f'usage: {sys.argv[0]} <{"|".join(cases)}> <program folder>')
    run_case(sys.argv[1], cases[sys.argv[1]], sys.argv[2])
