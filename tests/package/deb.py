#!/usr/bin/python3
"""The Debian package as a user gets it: packed by CPack, checked by
dpkg-deb, lintian and apt-get's resolver (never installed into this
machine), unpacked with dpkg-deb -x into a temporary root, and started from
there with its program folder read-only, as it is once installed. A reading
then lands in the record in the user's own data folder.

Usage: deb.py <build folder>
"""
import glob
import os
import re
import struct
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'support'))
from harness import (SEEN_PREDICTION, MAIN, Harness, check, history, install_command,  # noqa: E402
                     read_bytes, run, run_case, seeded_record)

ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
METAINFO = 'usr/share/metainfo/example.temparoka.Temparoka.metainfo.xml'


def png_size(path):
    with open(path, 'rb') as f:
        head = f.read(24)
    check(head[:8] == b'\x89PNG\r\n\x1a\n', f'{path} is not a PNG')
    return struct.unpack('>II', head[16:24])


def build_package(h, build):
    out = os.path.join(h.root, 'out')
    packed = run('cpack', '-G', 'DEB', '-B', out, cwd=build, timeout=300)
    check(packed.returncode == 0, f'cpack failed:\n{packed.stdout}{packed.stderr}')
    found = glob.glob(os.path.join(out, 'temparoka_*_amd64.deb'))
    check(len(found) == 1, f'expected one temparoka_<version>_amd64.deb, found {found}')
    return found[0]


def control_field(deb, name):
    found = run('dpkg-deb', '--field', deb, name)
    check(found.returncode == 0 and found.stdout.strip(), f'the package has no {name} field')
    return found.stdout.strip()


def check_control(deb, build):
    # The package depends on exactly what the portable archive's README
    # tells its reader to install.
    depends = {alternative.split('(')[0].strip() for entry in control_field(deb, 'Depends').split(',')
               for alternative in entry.split('|')[:1]}
    with open(os.path.join(build, 'packaging', 'portable-README.md')) as f:
        listed = install_command(f.read())
    check(depends == listed, f'the package depends on {sorted(depends - listed)} beyond the README, which installs'
          f' {sorted(listed - depends)} beyond the package')
    check(control_field(deb, 'Section') == 'games', 'the package is not in the games section')


def check_metainfo(deb, root):
    """The software-centre file names the package's version as its newest
    release, and every address in it lies below the package's home page."""
    with open(os.path.join(root, METAINFO)) as f:
        text = f.read()
    newest = re.search(r'<release version="([^"]+)"', text)
    check(newest and newest.group(1) == control_field(deb, 'Version'),
          f'the newest release is {newest and newest.group(1)}, the package {control_field(deb, "Version")}')
    home = control_field(deb, 'Homepage')
    addresses = re.findall(r'>(https?://[^<]+)<', text)
    # Every address the template fills in, and no other.
    template = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'data',
                            'temparoka.metainfo.xml.in')
    with open(template) as f:
        filled = f.read().count('@TEMPAROKA_WEB_ADDRESS@')
    check(len(addresses) == filled and all(a.startswith(home) for a in addresses),
          f'{len(addresses)} addresses, {filled} filled in, or some not below {home}: {addresses}')


def check_lint_and_resolve(h, deb):
    # lintian leaves a folder of its own behind in TMPDIR: in ours, it goes.
    lint = run('lintian', '--fail-on', 'error,warning', deb, timeout=120, env=dict(os.environ, TMPDIR=h.root))
    complaints = [line for line in lint.stdout.splitlines() if line[:2] in ('E:', 'W:')]
    check(lint.returncode == 0 and not complaints, f'lintian: {lint.stdout}{lint.stderr}')
    resolve = run('apt-get', 'install', '--simulate', '--no-install-recommends', deb, timeout=120)
    check(resolve.returncode == 0 and 'Inst temparoka ' in resolve.stdout,
          f'apt-get cannot resolve the package:\n{resolve.stdout[-2000:]}{resolve.stderr}')


def check_tree(root):
    usr = os.path.join(root, 'usr')
    check(os.readlink(os.path.join(usr, 'games', 'temparoka')) == '../lib/temparoka/temparoka',
          'the command does not lead to the program folder')
    check(sorted(os.listdir(os.path.join(usr, 'lib', 'temparoka'))) == ['temparoka', 'temparoka-sound.so', 'tmk.wav'],
          'the program folder holds more or less than the program, its sound module and its sound')
    for size in ICON_SIZES:
        icon = os.path.join(usr, 'share', 'icons', 'hicolor', f'{size}x{size}', 'apps', 'temparoka.png')
        check(png_size(icon) == (size, size), f'the {size} px icon is {png_size(icon)}')
    for path in ('share/man/man6/temparoka.6.gz', 'share/doc/temparoka/copyright',
                 'share/doc/temparoka/changelog.gz'):
        check(os.path.isfile(os.path.join(usr, path)), f'/usr/{path} is missing')
    entry = os.path.join(usr, 'share', 'applications', 'temparoka.desktop')
    check(run('desktop-file-validate', entry).returncode == 0, 'the menu entry is not valid')
    tree = run('appstreamcli', 'validate-tree', '--no-net', root, timeout=60)
    check(tree.returncode == 0, f'the software-centre files are not valid:\n{tree.stdout}')


def reading_lands_in_the_data_folder(h, root):
    folder = os.path.join(root, 'usr', 'lib', 'temparoka')
    os.chmod(folder, 0o555)
    data = os.path.join(h.home, '.local', 'share', 'temparoka')
    os.makedirs(data)
    record = os.path.join(data, 'temparoka.dat')
    with open(record, 'wb') as f:
        f.write(seeded_record(50))  # this week's draw of card 3: Enter goes straight to the reading
    h.own(h.home)
    # Started through the command in /usr/games, as the menu entry does.
    program = h.start(os.path.join(root, 'usr', 'games'))
    main = h.window(MAIN, program)
    h.read(program, main)
    check(history(read_bytes(record))[-1] == SEEN_PREDICTION, 'the reading was not recorded in the data folder')
    check(sorted(os.listdir(folder)) == ['temparoka', 'temparoka-sound.so', 'tmk.wav'],
          'something was written into the program folder')
    h.still_alive(program)


def main(build):
    # As root, the program runs as nobody, for whom the unpacked folder is
    # read-only as it is for any user of an installed package.
    with Harness(None, as_nobody=True) as h:
        deb = build_package(h, build)
        check_control(deb, build)
        check_lint_and_resolve(h, deb)
        root = os.path.join(h.root, 'root')
        check(run('dpkg-deb', '-x', deb, root).returncode == 0, 'dpkg-deb -x failed')
        check_tree(root)
        check_metainfo(deb, root)
        reading_lands_in_the_data_folder(h, root)


if __name__ == '__main__':
    run_case('DebianPackageRunsForAnyUserWithTheirOwnRecord', main, sys.argv[1], seconds=280)
