#!/usr/bin/python3
"""The release archive as a user gets it: packed by CPack, unpacked into a
fresh folder, started there (from another working directory) with its
record kept beside itself, and its menu entry installed and removed again
without a trace but the user's own entries.

Usage: package_test.py <build folder> <source folder>
"""
import glob
import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'support'))
from harness import (SEEN_PREDICTION, MAIN, Harness, check, history, install_command,  # noqa: E402
                     install_commands, read_bytes, run, run_case, seeded_record)

ARCHIVED = ('temparoka', 'temparoka-sound.so', 'tmk.wav', 'README.md', 'LICENSE', 'temparoka.desktop', 'temparoka.png',
            'temparoka.metainfo.xml', 'install-menu-entry.sh')


def package_of(library):
    """The Debian package that holds a library, as the loader finds it
    (the package may list it under /lib or under /usr/lib)."""
    path = os.path.realpath(library)
    for candidate in (library, path, library.removeprefix('/usr'), '/usr' + library):
        found = run('dpkg', '-S', candidate)
        if found.returncode == 0:
            return found.stdout.split(':')[0]
    check(False, f'no package holds {library}')


def readme_installs_what_the_program_needs(app, source):
    # The program and the sound module it loads at its first reading.
    needed, loaded = [], {}
    for binary in (os.path.join(app, 'temparoka'), os.path.join(app, 'temparoka-sound.so')):
        found = [line.split('[')[1].rstrip(']') for line in run('readelf', '-d', binary).stdout.splitlines()
                 if '(NEEDED)' in line]
        check(found, f'readelf found no libraries that {binary} needs')
        needed += found
        # The loader's own answer to where each library lies; the loader
        # itself, which code using thread-local storage names too, it gives
        # by its path alone.
        for line in run('ldd', binary).stdout.splitlines():
            words = line.split()
            if ' => /' in line:
                loaded[words[0]] = words[2]
            elif words and words[0].startswith('/'):
                loaded[os.path.basename(words[0])] = words[0]
    with open(os.path.join(app, 'README.md')) as f:
        listed = install_command(f.read())
    for library in needed:
        check(library in loaded, f'the loader finds no {library}')
        package = package_of(loaded[library])
        check(package in listed, f'{library} is in {package}, which the README does not install: {sorted(listed)}')
    # The repository's README shows the same line to whoever gets the archive.
    with open(os.path.join(source, 'README.md')) as f:
        check(listed in install_commands(f.read()),
              f'no apt-get line of the repository\'s README installs what the archive\'s does: {sorted(listed)}')


def main(build, source):
    with Harness(None) as h:
        out, user = os.path.join(h.root, 'out'), os.path.join(h.root, 'user')
        packed = run('cpack', '-G', 'TGZ', '-B', out, cwd=build, timeout=300)
        check(packed.returncode == 0, f'cpack failed:\n{packed.stdout}{packed.stderr}')
        os.mkdir(user)
        check(run('tar', '-xzf', *glob.glob(f'{out}/temparoka-*.tar.gz'), '-C', user).returncode == 0, 'tar failed')
        app = glob.glob(f'{user}/temparoka-*')[0]
        missing = [f for f in ARCHIVED if not os.path.exists(os.path.join(app, f))]
        check(not missing, f'missing from the archive: {missing}')
        for command in (('desktop-file-validate', f'{app}/temparoka.desktop'),
                        ('appstreamcli', 'validate', '--no-net', f'{app}/temparoka.metainfo.xml')):
            checked = run(*command, timeout=60)
            check(checked.returncode == 0, f'{command[-1]} is not valid:\n{checked.stdout}{checked.stderr}')
        readme_installs_what_the_program_needs(app, source)

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

        menu_entry_comes_and_goes(h, app)


# What the user's menu folder holds before the entry is added: removing it
# leaves exactly that, and a file-type cache that lists another program's
# types stays, still listing them.
USERS_ENTRIES = (
    ({}, None),
    ({'viewer.desktop': '[Desktop Entry]\nType=Application\nName=Viewer\nExec=viewer %f\n'
                        'MimeType=text/x-viewer;\n'}, 'text/x-viewer=viewer.desktop;'),
    ({'plain.desktop': '[Desktop Entry]\nType=Application\nName=Plain\nExec=plain\n'}, None),
)


def menu_entry_comes_and_goes(h, app):
    installer = os.path.join(app, 'install-menu-entry.sh')
    applications = os.path.join(h.home, '.local', 'share', 'applications')
    entry = os.path.join(applications, 'temparoka.desktop')
    for users, cached in USERS_ENTRIES:
        for name, text in users.items():
            os.makedirs(applications, exist_ok=True)
            with open(os.path.join(applications, name), 'w') as f:
                f.write(text)
        # The menu entry points at the unpacked folder and is itself valid.
        check(run(installer, env=h.env()).returncode == 0, 'install-menu-entry.sh failed')
        check(run('desktop-file-validate', entry).returncode == 0, 'the installed menu entry is not valid')
        with open(entry) as f:
            check(f'Exec="{app}/temparoka"' in f.read().splitlines(), 'the menu entry does not start this copy')
        check(run(installer, '--remove', env=h.env()).returncode == 0, 'install-menu-entry.sh --remove failed')
        left = sorted(os.listdir(applications)) if os.path.isdir(applications) else None
        wanted = sorted(list(users) + (['mimeinfo.cache'] if cached else [])) if users else None
        check(left == wanted, f'with {sorted(users)} in the menu folder, removing the entry left {left}')
        if cached:
            with open(os.path.join(applications, 'mimeinfo.cache')) as f:
                check(cached in f.read().splitlines(), 'the file-type cache lost the other program\'s types')
        for name in users:
            os.remove(os.path.join(applications, name))


if __name__ == '__main__':
    run_case('UnpacksStartsAndKeepsItsRecordBesideItself', lambda build: main(build, os.path.realpath(sys.argv[2])),
             sys.argv[1])
