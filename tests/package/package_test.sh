#!/bin/bash
# The release archive as a user gets it: packed by CPack, unpacked into a
# fresh folder, started there, and its menu entry installed. Usage:
#   package_test.sh <build-folder> <source-folder>
set -euo pipefail
BUILD=$(cd "$1" && pwd)
SOURCE=$(cd "$2" && pwd)
WORK=$(mktemp -d)
XVFB=""
PROGRAM=""
cleanup() {
    if [ -n "$PROGRAM" ]; then
        kill "$PROGRAM" 2>/dev/null || true
        wait "$PROGRAM" 2>/dev/null || true
        # The fake clock keeps its shared memory unless the program exits by itself.
        rm -f "/dev/shm/faketime_shm_$PROGRAM" "/dev/shm/sem.faketime_sem_$PROGRAM"
    fi
    [ -n "$XVFB" ] && kill "$XVFB" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

# Menu entry and metainfo are valid.
desktop-file-validate "$SOURCE/data/temparoka.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$SOURCE/data/temparoka.metainfo.xml" >/dev/null || fail "metainfo"

# Pack and unpack.
(cd "$BUILD" && cpack -G TGZ -B "$WORK/out" >/dev/null)
archive=$(ls "$WORK"/out/temparoka-*.tar.gz)
mkdir "$WORK/user"
tar -xzf "$archive" -C "$WORK/user"
app=$(ls -d "$WORK"/user/temparoka-*)
for f in temparoka tmk.wav README.md LICENSE temparoka.desktop temparoka.png install-menu-entry.sh; do
    [ -e "$app/$f" ] || fail "$f missing from the archive"
done

# It starts from its folder, whatever the working directory.
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
(cd / && exec env QT_QPA_PLATFORM=offscreen "$app/temparoka" >/dev/null 2>&1) &
PROGRAM=$!
sleep 2
kill -0 "$PROGRAM" 2>/dev/null || fail "the unpacked program did not keep running"
kill "$PROGRAM"; wait "$PROGRAM" 2>/dev/null || true
PROGRAM=""
[ ! -e "$app/temparoka.dat" ] || fail "a record file was written without a reading"

# A reading writes the record file into the unpacked folder. The record
# holds this week's draw of card 3 for the initial birth data, so Enter goes
# straight to the reading; the clock is held at Monday 7 December 2026.
python3 - "$app/temparoka.dat" <<'PY'
import struct, sys
record = struct.pack('<ddi', 24236.0, 0.5 + 1 / 86400, 0) + bytes(12 * 16)
draws = bytes(19 * 12) + struct.pack('<di', 24236.0 + (0.5 + 1 / 86400) + 50, 3)
open(sys.argv[1], 'wb').write(record + draws)
PY
# Xvfb picks a free display itself and tells us which.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$WORK/display" >/dev/null 2>&1 &
XVFB=$!
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.05; done
export DISPLAY=:$(cat "$WORK/display")
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
(cd / && exec env -u QT_QPA_PLATFORM LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 FAKETIME="@2026-12-07 15:00:00" \
    "$app/temparoka" >/dev/null 2>&1) &
PROGRAM=$!
find_window() {
    for _ in $(seq 100); do
        WIN=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1 || true)
        [ -n "$WIN" ] && return 0
        sleep 0.1
    done
    fail "window '$1' did not appear"
}
find_window '^Ramalan Temparoka$'
sleep 0.5
xdotool windowfocus "$WIN" 2>/dev/null || true
sleep 0.2
xdotool key Return
find_window '^Ramalan$'
python3 - "$app/temparoka.dat" <<'PY' || fail "the record file was not written as expected"
import struct, sys
data = open(sys.argv[1], 'rb').read()
assert len(data) == 452, len(data)
newest = struct.unpack_from('<4i', data, 20 + 11 * 16)
assert newest == (5, 2, 1, 50), newest
PY

# The menu entry points at the unpacked folder and is itself valid.
HOME="$WORK/home" "$app/install-menu-entry.sh" >/dev/null
entry="$WORK/home/.local/share/applications/temparoka.desktop"
desktop-file-validate "$entry" || fail "installed menu entry"
grep -q "^Exec=\"$app/temparoka\"$" "$entry" || fail "menu entry Exec"
HOME="$WORK/home" "$app/install-menu-entry.sh" --remove >/dev/null
[ ! -e "$entry" ] || fail "menu entry not removed"
echo "package test passed"
