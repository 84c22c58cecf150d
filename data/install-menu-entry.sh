#!/bin/sh
# Adds Temparoka to your desktop's menu, starting the program from the folder
# this script lies in. Run it again after moving the folder; run it with
# --remove to take the entry away. Nothing outside your home folder changes.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
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
    echo "Removed $entry"
    exit 0
fi

if [ ! -x "$here/temparoka" ]; then
    echo "temparoka is not in $here; run this script from the unpacked Temparoka folder." >&2
    exit 1
fi

mkdir -p "$applications"
# Quote the path for the Exec key, whose value is parsed like a command line.
exec_path=$(printf '%s' "$here/temparoka" | sed 's/[\\"`$]/\\&/g')
sed -e "s|^Exec=.*|Exec=\"$exec_path\"|" \
    -e "s|^Icon=.*|Icon=$here/temparoka.png|" \
    "$here/temparoka.desktop" > "$entry.tmp"
echo "Path=$here" >> "$entry.tmp"
mv "$entry.tmp" "$entry"
command -v update-desktop-database >/dev/null 2>&1 && update-desktop-database "$applications" 2>/dev/null || true
echo "Added Temparoka to the menu ($entry)"
