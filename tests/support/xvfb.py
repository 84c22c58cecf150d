#!/usr/bin/python3
"""A virtual X server for a test or a tool, and what is done on it: find a
program's window, send it keys once it reads them. Each server picks a free
display itself (-displayfd), so it never meets another X server on the
machine, and is registered for the suite's leftovers check (registry.py).

From a shell script, with x() { tests/support/xvfb.py "$@"; }:
    XVFB=$(x start [WIDTHxHEIGHT])     prints "<display> <handle>"
    export DISPLAY=${XVFB% *} XVFB=${XVFB#* }
    WIN=$(x window TITLE [PID])        waits for the window, prints its id
    x keys "$WIN" KEY...               sends the keys once the window reads keys
    x idle "$WIN" [PRESSES]            waits until it has read that many more
    x faketime                         the fake clock's preload library
    x stop "$XVFB"
"""
import glob
import os
import subprocess
import sys
import sysconfig
import time

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import registry  # noqa: E402


class Failure(Exception):
    pass


def wait_for(condition, reason, seconds=30):
    """Polls until the condition holds and returns its value."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        result = condition()
        if result:
            return result
        time.sleep(0.05)
    raise Failure(reason)


def run(display, *command, timeout=10):
    return subprocess.run(command, capture_output=True, text=True, timeout=timeout,
                          env=dict(os.environ, DISPLAY=display))


def start(size='1024x768', log=subprocess.DEVNULL):
    """Starts Xvfb with one screen of this size; returns (Popen, display)
    once it takes connections."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        # -noreset: a server whose last client leaves resets, and refuses
        # connections meanwhile; our probes come and go. -nolisten unix:
        # clients reach the server through its abstract socket alone, so
        # that it makes no /tmp/.X11-unix, which would outlive the run (and
        # belong to the user who ran it); with -displayfd it takes no lock
        # file in /tmp either.
        ['Xvfb', '-displayfd', str(write_end), '-screen', '0', f'{size}x24', '-nolisten', 'tcp', '-nolisten', 'unix',
         '-noreset'],
        pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=log, stderr=log)
    os.close(write_end)
    registry.register(server.pid)
    # The number comes once the server takes connections; nothing, if it ends.
    with os.fdopen(read_end) as numbers:
        number = numbers.readline().strip()
    if not number:
        server.wait()
        raise Failure('Xvfb did not start')
    return server, ':' + number


def find(display, title, pid=None):
    """The visible windows of that title (of that process)."""
    owner = ['--pid', str(pid)] if pid else []
    return run(display, 'xdotool', 'search', '--all', '--onlyvisible', *owner, '--name', title).stdout.split()


def reads_keys(display, window, presses=1, seconds=30):
    """Waits until the program has read `presses` more key presses in the
    window, pressing Shift (which does nothing) until it has. Qt stamps a
    window's _NET_WM_USER_TIME with every key press it reads; it reads none
    before the window is up nor while it waits in the deal."""
    def stamp():
        return run(display, 'xprop', '-id', window, '_NET_WM_USER_TIME').stdout

    seen = [stamp()]

    def read():
        run(display, 'xdotool', 'windowfocus', window)
        run(display, 'xdotool', 'key', 'shift')
        now = stamp()
        if now != seen[-1]:
            seen.append(now)
        return len(seen) > presses
    wait_for(read, f'window {window} reads no keys', seconds)


def keys(display, window, *keys):
    """Sends the keys to the window once it reads keys."""
    reads_keys(display, window)
    run(display, 'xdotool', 'key', *keys)


def faketime_library():
    """The fake clock's preload library, for this machine's architecture."""
    found = glob.glob(f'/usr/lib/{sysconfig.get_config_var("MULTIARCH") or "*"}/faketime/libfaketime.so.1')
    if not found:
        raise Failure('libfaketime.so.1 is missing (Debian package faketime)')
    return found[0]


def main(command, *args):
    display = os.environ.get('DISPLAY', '')
    if command == 'start':
        server, display = start(*args)
        print(display, registry.handle(server.pid))
    elif command == 'stop':
        registry.end(args[0])
    elif command == 'window':
        print(wait_for(lambda: find(display, *args)[-1:], f'window {args[0]} did not appear')[0])
    elif command == 'keys':
        keys(display, *args)
    elif command == 'idle':
        reads_keys(display, args[0], int(args[1]) if len(args) > 1 else 2)
    elif command == 'faketime':
        print(faketime_library())
    else:
        raise Failure(f'unknown command {command}; see {__file__}')


if __name__ == '__main__':
    try:
        main(*sys.argv[1:])
    except Failure as failure:
        sys.exit(f'{sys.argv[0]}: {failure}')
