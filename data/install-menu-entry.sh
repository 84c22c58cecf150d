#!/bin/sh
# Adds Temparoka to your desktop's menu, starting the program from the folder
# this script lies in. Run it again after moving the folder; run it with
# --remove to take the entry away. Nothing outside your home folder changes.
set -eu

# The folder as it is named, even at its end: $(...) would drop a trailing
# line break, and dirname runs in one.
case $0 in
*/*) here=${0%/*} ;;
*) here=. ;;
esac
here=$(CDPATH='' cd -- "${here:-/}" && pwd && echo .)
here=${here%??}
applications="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
entry="$applications/temparoka.desktop"

if [ "${1:-}" = "--remove" ]; then
    rm -f "$entry"
    # Adding the entry had update-desktop-database write mimeinfo.cache.
    # Built again without our entry, it still lists every other program's
    # file types; only when it lists none is it what we left, and it goes,
    # with the folder once nothing else is in it.
    cache="$applications/mimeinfo.cache"
    if [ -f "$cache" ]; then
        command -v update-desktop-database >/dev/null 2>&1 && update-desktop-database "$applications" 2>/dev/null || true
        if ! grep -qv -e '^\[MIME Cache\]$' -e '^$' "$cache"; then
            rm -f "$cache"
        fi
    fi
    rmdir "$applications" 2>/dev/null || true
    printf 'Removed %s\n' "$entry"
    exit 0
fi

if [ ! -x "$here/temparoka" ]; then
    printf '%s\n' "temparoka is not in $here; run this script from the unpacked Temparoka folder." >&2
    exit 1
fi
# A line of the entry holds one value. A line break could be written as \n,
# but what menus make of a command line with one in it differs; a folder
# name without one is the sure way. Nor is a name that is not UTF-8 a text
# the entry may hold (where iconv is missing, the menu finds that out).
case $here in
*'
'*)
    printf '%s\n' "The path of this folder holds a line break, which a menu entry cannot name: $here" \
        "Rename or move the folder and run this script again." >&2
    exit 1 ;;
esac
if command -v iconv >/dev/null 2>&1 && ! printf '%s' "$here" | iconv -f UTF-8 -t UTF-8 >/dev/null 2>&1; then
    printf '%s\n' "The path of this folder is not UTF-8, which a menu entry cannot name: $here" \
        "Rename or move the folder and run this script again." >&2
    exit 1
fi

# The path written as a value of the entry, one character at a time: never
# as part of a program (of sed or awk), where its characters would be read
# as commands. A string value: \\ for a backslash, \t and \r, and \s for a
# space at either end, which readers of the entry may trim. The command
# line holds the path as one argument in double quotes, where " ` $ and \
# take a backslash; being a string value too, its every backslash is then
# doubled; and % is written %%.
tab=$(printf '\t') cr=$(printf '\r')
escape() {  # <string | exec> <text>
    rest=$2 out=
    while [ -n "$rest" ]; do
        c=${rest%"${rest#?}"}
        rest=${rest#?}
        case $1$c in
        exec[\"\`\$]) c="\\\\$c" ;;
        exec\\) c='\\\\' ;;
        exec%) c=%% ;;
        *\\) c='\\' ;;
        *"$tab") c='\t' ;;
        *"$cr") c='\r' ;;
        string' ') if [ -z "$out" ] || [ -z "$rest" ]; then c='\s'; fi ;;
        esac
        out=$out$c
    done
    printf '%s' "$out"
}

mkdir -p "$applications"
exec_line="Exec=\"$(escape exec "$here/temparoka")\""
path_line="Path=$(escape string "$here")"
icon_line="Icon=$(escape string "$here/temparoka.png")"
while IFS= read -r line || [ -n "$line" ]; do
    case $line in
    Exec=*) printf '%s\n%s\n' "$exec_line" "$path_line" ;;
    Icon=*) printf '%s\n' "$icon_line" ;;
    Path=*) ;;
    *) printf '%s\n' "$line" ;;
    esac
done <"$here/temparoka.desktop" >"$entry.tmp"
mv "$entry.tmp" "$entry"
command -v update-desktop-database >/dev/null 2>&1 && update-desktop-database "$applications" 2>/dev/null || true
printf 'Added Temparoka to the menu (%s)\n' "$entry"
