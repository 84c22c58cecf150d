#!/usr/bin/python3
"""The packaging's shell and CMake steps, without a built package.

menu: the portable folder's install-menu-entry.sh, copied with a stand-in
program into folders with names a shell, sed or a menu reads as commands or
quoting, writes an entry that names exactly that folder and runs nothing.

date: the build date the packages carry reads the sources' history only
when it is the builder's own, and then runs none of the programs its
configuration names.

Usage: scripts_test.py menu|date <source folder>
"""
import os
import shutil
import sys
import tempfile

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'support'))
from harness import AS_ROOT, NOBODY, check, run, run_case  # noqa: E402

STRING_ESCAPES = {'s': ' ', 'n': '\n', 't': '\t', 'r': '\r', '\\': '\\'}
EXEC_RESERVED = set(' \t\n"\'\\><~|&;$*?#()`')


def string_value(text):
    """A string value of a desktop entry, as its readers decode it; any
    other escape, or a control character written as is, is an error."""
    out, i = [], 0
    while i < len(text):
        c = text[i]
        check(c >= ' ', f'a control character stands unescaped in {text!r}')
        if c == '\\':
            check(i + 1 < len(text) and text[i + 1] in STRING_ESCAPES, f'a stray backslash in {text!r}')
            c, i = STRING_ESCAPES[text[i + 1]], i + 1
        out.append(c)
        i += 1
    return ''.join(out)


def exec_arguments(text):
    """The arguments of an Exec value (once decoded as a string): quoted
    arguments with \\" \\` \\$ \\\\ inside, unquoted ones without reserved
    characters, %% for a percent sign and no other field code here."""
    args, i = [], 0
    while i < len(text):
        if text[i] == ' ':
            i += 1
            continue
        arg = []
        if text[i] == '"':
            i += 1
            while i < len(text) and text[i] != '"':
                c = text[i]
                check(c not in '`$', f'{c} stands unescaped inside the quotes of {text!r}')
                if c == '\\':
                    check(i + 1 < len(text) and text[i + 1] in '"`$\\', f'a stray backslash in {text!r}')
                    c, i = text[i + 1], i + 1
                arg.append(c)
                i += 1
            check(i < len(text), f'an argument is not closed in {text!r}')
            i += 1
            check(i == len(text) or text[i] == ' ', f'a quoted argument runs on in {text!r}')
        else:
            while i < len(text) and text[i] != ' ':
                check(text[i] not in EXEC_RESERVED, f'{text[i]!r} stands unquoted in {text!r}')
                arg.append(text[i])
                i += 1
        arg = ''.join(arg)
        check('%' not in arg.replace('%%', ''), f'a field code or a lone % in {text!r}')
        args.append(arg.replace('%%', '%'))
    return args


def entry_values(path):
    with open(path, encoding='utf-8') as f:
        lines = f.read().split('\n')
    check(lines[-1] == '', f'{path} does not end with a line break')
    values = {}
    for line in lines[1:-1]:
        key, _, value = line.partition('=')
        check(key not in values, f'{key} is written twice')
        values[key] = string_value(value.strip(' '))  # as a reader that trims both ends
    return lines[0], values


# Folder names that sed, a shell or a menu reads as something else: sed's
# replacement and flags (& | ; e), the command line's quoting and field
# codes, the escapes and trimming of values.
ODD_NAMES = ('R&D', 'a;b|c', 'say "hi"', '$HOME $(touch X)', 'tick`touch X`', 'back\\slash', 'two\\\\',
             '100%', '%f %u', 'with space', 'trailing ', '";id>X;#|e;#', "it's",
             'tab\there', '#[Desktop Entry]=', '~*?<>', 'ramalan ☾ mimpi')
# Names an entry cannot hold: refused, with what to do about it.
REFUSED = ((b'line\nbreak', 'line break'), (b'line break\n', 'line break'), (b'latin1 \xe9', 'UTF-8'))


def planted(root):
    return [os.path.join(f, n) for f, _, names in os.walk(root) for n in names if n == 'X']


def menu(source):
    root = tempfile.mkdtemp(prefix='temparoka-menu-')
    try:
        data, apps = os.path.join(root, 'data'), os.path.join(root, 'apps')
        os.mkdir(apps)
        env = dict(os.environ, HOME=os.path.join(root, 'home'), XDG_DATA_HOME=data)
        entry = os.path.join(data, 'applications', 'temparoka.desktop')
        template = os.path.join(source, 'data', 'temparoka.desktop')
        _, kept = entry_values(template)
        del kept['Exec']

        def folder_of(name):
            folder = os.path.join(os.fsencode(apps), name)
            os.mkdir(folder)
            shutil.copy2(os.fsencode(os.path.join(source, 'data', 'install-menu-entry.sh')), folder)
            shutil.copy2(os.fsencode(template), folder)
            with open(os.path.join(folder, b'temparoka'), 'w') as f:
                f.write('#!/bin/sh\n')
            os.chmod(os.path.join(folder, b'temparoka'), 0o755)
            return folder

        # Each started as a user would from the folder, and from elsewhere
        # by a shell that is not the system's sh.
        for name in ODD_NAMES:
            folder = os.fsdecode(folder_of(os.fsencode(name)))
            for command, cwd in ((['./install-menu-entry.sh'], folder),
                                 (['bash', os.path.join(folder, 'install-menu-entry.sh')], root)):
                added = run(*command, cwd=cwd, env=env)
                check(added.returncode == 0, f'in {name!r} {command[0]} failed: {added.stderr}')
                check(not planted(root), f'in {name!r} the path ran a command: {planted(root)}')
                valid = run('desktop-file-validate', entry)
                check(valid.returncode == 0, f'in {name!r} the entry is not valid: {valid.stdout}{valid.stderr}')
                header, values = entry_values(entry)
                args = exec_arguments(values.pop('Exec'))
                check(args == [os.path.join(folder, 'temparoka')], f'in {name!r} Exec gives {args}')
                wanted = dict(kept, Path=folder, Icon=os.path.join(folder, 'temparoka.png'))
                check((header, values) == ('[Desktop Entry]', wanted), f'in {name!r} the entry holds {values}')
                removed = run('sh', os.path.join(folder, 'install-menu-entry.sh'), '--remove', env=env)
                check(removed.returncode == 0 and not os.path.exists(os.path.dirname(entry)),
                      f'in {name!r} --remove failed or left {os.path.dirname(entry)}')

        for name, reason in REFUSED:
            folder = folder_of(name)
            refused = run(os.path.join(folder, b'install-menu-entry.sh'), cwd=folder, env=env, errors='replace')
            check(refused.returncode != 0 and reason in refused.stderr and 'Rename' in refused.stderr,
                  f'{name!r} was not refused with a reason: {refused.returncode} {refused.stderr!r}')
            check(not os.path.exists(os.path.dirname(entry)), f'refusing {name!r} still wrote an entry')
    finally:
        shutil.rmtree(root, ignore_errors=True)


CHANGELOG = ('temparoka (1.0) unstable; urgency=medium\n\n  * First.\n\n'
             ' -- Someone <someone@example.org>  Mon, 01 Jan 2024 00:00:00 +0000\n')
CHANGELOG_TIME, COMMIT_TIME = '1704067200', '1600000000'
SIGNATURE = ('gpgsig -----BEGIN PGP SIGNATURE-----\n \n iQEzBAABCAAdFiEE\n'
             ' -----END PGP SIGNATURE-----\n')


def git(folder, *args, **kw):
    done = run('git', '-c', 'safe.directory=*', '-C', folder, *args, **kw)
    check(done.returncode == 0, f'git {args[0]} failed: {done.stderr}')
    return done.stdout.strip()


def history(tree):
    """A repository holding one signed commit."""
    os.makedirs(tree, exist_ok=True)
    git(tree, 'init', '-q')
    empty = git(tree, 'hash-object', '-t', 'tree', '-w', '--stdin', input='')
    who = f'Someone <someone@example.org> {COMMIT_TIME} +0000'
    commit = f'tree {empty}\nauthor {who}\ncommitter {who}\n{SIGNATURE}\nsigned\n'
    git(tree, 'update-ref', 'HEAD', git(tree, 'hash-object', '-t', 'commit', '-w', '--stdin', input=commit))
    return os.path.join(tree, '.git')


def hostile(repository, marker, name='config'):
    """Configuration (a repository's, or a home's in `name`) that has the
    signature checked, and the files watched, by a program that leaves a
    marker."""
    program = os.path.join(os.path.dirname(marker), 'program')
    with open(program, 'w') as f:
        f.write(f'#!/bin/sh\ntouch {marker}\n')
    os.chmod(program, 0o755)
    os.makedirs(repository, exist_ok=True)
    with open(os.path.join(repository, name), 'a') as f:
        f.write(f'[log]\n\tshowSignature = true\n[gpg]\n\tprogram = {program}\n'
                f'[core]\n\tfsmonitor = {program}\n')


def sources(top, owner, layout):
    """Sources with a changelog and their history laid out as `layout`
    says, handed to `owner` (of a worktree, only the shared repository, and
    of that, when the builder added the worktree, not what git keeps of the
    worktree in it)."""
    tree = os.path.join(top, 'sources')
    marker, repository = os.path.join(top, 'ran'), None
    if layout == 'own history':
        repository = history(tree)
    elif 'worktree' in layout:  # the shared repository beside the sources
        repository = history(os.path.join(top, 'shared'))
        git(os.path.dirname(repository), 'worktree', 'add', '-q', '--detach', tree)
    elif layout == 'history above':  # sources unpacked inside another history
        repository = history(top)
    os.makedirs(os.path.join(tree, 'packaging'))
    with open(os.path.join(tree, 'packaging', 'changelog'), 'w') as f:
        f.write(CHANGELOG)
    if repository:
        hostile(repository, marker)
    handed = os.path.join(top, 'shared') if 'worktree' in layout else top
    for folder, dirs, files in os.walk(handed) if owner != os.geteuid() else ():
        if layout == 'worktree added by the builder' and folder.endswith('/.git'):
            dirs.remove('worktrees')
        for name in [folder] + [os.path.join(folder, n) for n in dirs + files]:
            os.lchown(name, owner, owner)
    return tree, marker


# Whose sources, how their history lies, the builder's environment: the
# time the packages get. An environment kept from another user (`sudo -E`)
# names that user's git configuration in HOME and a file for git's trace.
DATES = (
    ('builder', 'own history', '', COMMIT_TIME),
    ('other', 'own history', '', CHANGELOG_TIME),
    ('builder', 'worktree', '', COMMIT_TIME),
    ('other', 'worktree', '', CHANGELOG_TIME),
    ('other', 'worktree added by the builder', '', CHANGELOG_TIME),
    ('builder', 'history above', '', CHANGELOG_TIME),
    ('builder', 'none', '', CHANGELOG_TIME),
    ('builder', 'own history', 'kept from another user', COMMIT_TIME),
    ('other', 'own history', 'SOURCE_DATE_EPOCH=1234', '1234'),
)


def date(source):
    script = os.path.join(source, 'packaging', 'build-date.cmake')
    top = tempfile.mkdtemp(prefix='temparoka-date-')
    try:
        for n, (whose, layout, environment, wanted) in enumerate(DATES):
            row = f'{whose}, {layout}, {environment or "own environment"}'
            if whose == 'other' and not AS_ROOT:
                print(f'skipped: {row}: sources of another user need root to make')
                continue
            case = os.path.join(top, str(n))
            os.mkdir(case)
            tree, marker = sources(case, NOBODY if whose == 'other' else os.geteuid(), layout)
            env = {k: v for k, v in os.environ.items() if k != 'SOURCE_DATE_EPOCH'}
            if environment.startswith('SOURCE_DATE_EPOCH='):
                env['SOURCE_DATE_EPOCH'] = environment.partition('=')[2]
            elif environment:
                env.update(HOME=os.path.join(case, 'home'), GIT_TRACE=marker)
                hostile(os.path.join(case, 'home'), marker, name='.gitconfig')
            got = run('cmake', f'-DCPACK_TEMPAROKA_SOURCE_DIR={tree}', '-P', script, env=env, timeout=30)
            check(got.returncode == 0, f'{row}: {got.stderr}')
            check(not os.path.exists(marker), f'{row}: git ran a program or wrote a file its settings name')
            check(got.stdout.strip() == wanted, f'{row}: the date is {got.stdout.strip()}, not {wanted}')
    finally:
        shutil.rmtree(top, ignore_errors=True)


if __name__ == '__main__':
    cases = {'menu': ('MenuEntryNamesItsFolderWhateverItsName', menu),
             'date': ('BuildDateRunsNothingOfAnotherUsersSources', date)}
    name, case = cases[sys.argv[1]]
    run_case(name, case, sys.argv[2])
