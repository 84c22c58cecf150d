"""The register of the processes a test run starts, so that the leftovers
check (tests/leftovers.py) ends exactly those. ctest gives each test the
run's registry folder as TEMPAROKA_TEST_REGISTRY (outside the suite nothing
is noted). A process is noted by its id and start time: an id that is free
again may name someone else's process, which must never be ended for ours.
"""
import os
import select
import signal

FOLDER = 'TEMPAROKA_TEST_REGISTRY'


def start_time(pid):
    """When the process started (ticks since boot), or None once it ended."""
    try:
        with open(f'/proc/{pid}/stat') as f:
            fields = f.read().rsplit(')', 1)[1].split()
    except (OSError, IndexError):
        return None
    return None if fields[0] in ('Z', 'X') else fields[19]


def handle(pid):
    """The handle "<pid>:<start time>": it names this one process."""
    return f'{pid}:{start_time(pid)}'


def register(pid):
    """Notes a process just started, as an empty file named by its handle."""
    folder = os.environ.get(FOLDER)
    if folder:
        os.makedirs(folder, exist_ok=True)
        open(os.path.join(folder, handle(pid).replace(':', '-')), 'w').close()


def registered(folder):
    return [entry.replace('-', ':') for entry in os.listdir(folder)] if os.path.isdir(folder) else []


def running(handle):
    pid, start = handle.split(':')
    return start_time(pid) == start


def end(handle, grace=10.0):
    """Ends the process of this handle if it still runs: SIGTERM, then
    SIGKILL when it has not ended within `grace` seconds."""
    pid, start = handle.split(':')
    try:
        pidfd = os.pidfd_open(int(pid))
    except ProcessLookupError:
        return
    try:
        # Compared once the descriptor is open: from then on it holds this
        # very process, even if its id is given to another one.
        if start_time(pid) != start:
            return
        signal.pidfd_send_signal(pidfd, signal.SIGTERM)
        if not select.select([pidfd], [], [], grace)[0]:
            signal.pidfd_send_signal(pidfd, signal.SIGKILL)
            select.select([pidfd], [], [], 10)
    except ProcessLookupError:
        pass
    finally:
        os.close(pidfd)
