#!/bin/bash
# Starts Temparoka under a virtual X server, with the clock held at Monday
# 7 December 2026 15:00, and saves screenshots of its windows into
# docs/screenshots/. Run after a build: tools/screenshots.sh [build-folder] [scale]
# With a scale of 2 the program runs as on a desktop scaled to 200 % (Qt's
# scale factor) and the shots go to docs/screenshots/2x/.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
SCALE=${2:-1}
OUT=docs/screenshots
[ "$SCALE" = 1 ] || OUT=docs/screenshots/${SCALE}x
mkdir -p "$OUT"

STAGE=$(mktemp -d)
x() { tests/support/xvfb.py "$@"; }
# Python on a record file, with the tests' record helpers.
records() { python3 -B -c "import sys; sys.path[:0] = ['tests/support']; import harness; $2" "$1"; }
XVFB=""
PROGRAM=""
# The fake clock keeps shared memory per process unless the process exits
# by itself.
stop_program() {
    [ -n "$PROGRAM" ] || return 0
    kill "$PROGRAM" 2>/dev/null && wait "$PROGRAM" 2>/dev/null || true
    rm -f "/dev/shm/faketime_shm_$PROGRAM" "/dev/shm/sem.faketime_sem_$PROGRAM"
    PROGRAM=""
}
cleanup() {
    stop_program
    [ -z "$XVFB" ] || x stop "$XVFB"
    rm -rf "$STAGE"
}
trap cleanup EXIT

unset QT_QPA_PLATFORM
XVFB=$(x start $((1024 * SCALE))x$((768 * SCALE)))
export DISPLAY=${XVFB% *} XVFB=${XVFB#* }
export XDG_RUNTIME_DIR=$STAGE

# A home of its own with an Indonesian documents folder, and an Indonesian
# desktop, so that the save dialog shows its sizes and dates as a reader
# here sees them.
mkdir -p "$STAGE/home/Dokumen"
export HOME=$STAGE/home LANG=id_ID.UTF-8 DBUS_SESSION_BUS_ADDRESS=disabled:
printf 'XDG_DOCUMENTS_DIR="$HOME/Dokumen"\n' > "$STAGE/home/user-dirs.dirs"
mkdir -p "$STAGE/home/.config" && mv "$STAGE/home/user-dirs.dirs" "$STAGE/home/.config/"

# The program's clock starts at Monday 7 December 2026 15:00 and runs.
FAKETIME_LIB=$(x faketime)

# Starts a fresh program folder, optionally with a prepared record file.
start() {
    stop_program
    rm -rf "$STAGE/app" && mkdir -p "$STAGE/app"
    cp "$BUILD/bin/temparoka" "$BUILD/bin/temparoka-sound.so" "$BUILD/bin/tmk.wav" "$STAGE/app/"
    if [ $# -gt 0 ]; then cp "$1" "$STAGE/app/temparoka.dat"; fi
    QT_SCALE_FACTOR=$SCALE LD_PRELOAD=$FAKETIME_LIB FAKETIME="@2026-12-07 15:00:00" "$STAGE/app/temparoka" &
    PROGRAM=$!
    window '^Ramalan Temparoka$'; MAIN=$WIN
}

# Waits for a window by title, sets WIN to its id, and waits until the
# program reads keys in it: by then it is drawn.
window() {
    WIN=$(x window "$1" "$PROGRAM")
    x idle "$WIN"
}

shot() {  # window id, file name
    import -window "$1" "$OUT/$2"
    echo "saved $OUT/$2"
}

# A click or a key, then the wait until the program has handled it: until
# it reads keys in the window again, or in the one named last when the
# click or key closes the window.
click() {  # window id, x, y inside the window in the layout's pixels[, window]
    xdotool mousemove --window "$1" $(($2 * SCALE)) $(($3 * SCALE)) click 1
    x idle "${4:-$1}"
}

key() {  # window id, key[, window]
    x keys "$1" "$2"
    x idle "${3:-$1}"
}

# Main window, then a weekly reading with a new deal: card 3 is the queen of clubs.
start
shot "$MAIN" main-window.png
# The deal reads no keys and drops those typed meanwhile as it ends.
x keys "$MAIN" Return
x idle "$MAIN" 3
shot "$MAIN" cards-dealt.png
# The first card has the focus; two Tabs lead to the third.
x keys "$MAIN" Tab Tab space
window '^Ramalan$'; READING=$WIN
shot "$READING" weekly-reading.png
# The donation window, from the reading's "Support Temparoka".
click "$READING" 84 468
window '^Sumbangan$'; DONATION=$WIN
shot "$DONATION" donation-window.png
key "$DONATION" Escape "$READING"
key "$READING" Escape "$MAIN"

# The About box.
click "$MAIN" $((585 + 64)) $((440 + 13))
window '^About$'; ABOUT=$WIN
shot "$ABOUT" about-box.png
key "$ABOUT" Return "$MAIN"

# The dream window in both languages, its dialogs and a reading.
key "$MAIN" alt+m
window '^Mimpi$'; DREAM=$WIN
shot "$DREAM" dream-window.png
click "$DREAM" 37 451
shot "$DREAM" dream-window-english.png
click "$DREAM" 37 451
click "$DREAM" 232 449
window 'Clarificatino needed'; RIVER=$WIN
shot "$RIVER" river-dialog.png
key "$RIVER" Return "$DREAM"
click "$DREAM" 504 245
window '^Temparoka meminta keterangan$'; TOOTH=$WIN
click "$TOOTH" 20 40
shot "$TOOTH" tooth-dialog.png
click "$TOOTH" 45 132 "$DREAM"
for spot in "64 136" "252 353" "26 54" "18 78"; do click "$DREAM" $spot; done  # family, fish, tiger, death
click "$DREAM" 552 446
window 'Clarification needed$'; DEATH=$WIN
click "$DEATH" $((27 + 20)) $((52 + 33))
shot "$DEATH" death-dialog.png
click "$DEATH" 57 268 "$DREAM"
window '^Ramalan$'; READING=$WIN
shot "$READING" dream-reading.png
key "$READING" Escape "$MAIN"

# The weton window with a partner, and its reading: the partner was born
# on 17 August 1945 at 10:00.
key "$MAIN" alt+w
window '^Weton$'; WETON=$WIN
x keys "$WETON" space Tab 1 7 0 8 1 9 4 5 Tab 1 0 0 0
x idle "$WETON"
shot "$WETON" weton-window.png
key "$WETON" Return
window '^Ramalan$'; READING=$WIN
shot "$READING" weton-reading.png
key "$READING" Escape "$WETON"
key "$WETON" Escape "$MAIN"

# The dream dictionary: a search in Indonesian, the snake ticked, a search
# in English, the flood ticked too, and the reading of both.
key "$MAIN" alt+a
window '^Kamus Mimpi$'; KAMUS=$WIN
x keys "$KAMUS" d i g i g i t space u l a r
x idle "$KAMUS"
key "$KAMUS" Down
key "$KAMUS" space
key "$KAMUS" Up
x keys "$KAMUS" ctrl+a f l o o d
x idle "$KAMUS"
key "$KAMUS" Down
key "$KAMUS" space
shot "$KAMUS" dictionary-window.png
key "$KAMUS" Return
window '^Ramalan$'; READING=$WIN
shot "$READING" dictionary-reading.png
key "$READING" Escape "$KAMUS"
key "$KAMUS" Escape "$MAIN"

# A prepared record file that already holds this week's draw of card 3 for
# the initial birth data: Ramalan goes straight to the reading.
records "$STAGE/prepared.dat" "open(sys.argv[1], 'wb').write(harness.seeded_record(50))"
start "$STAGE/prepared.dat"
key "$MAIN" Return
window '^Ramalan$'; READING=$WIN
shot "$READING" weekly-reading-reused.png
# Keeping a reading: its menu (the menu key), and the earlier readings.
x keys "$READING" Menu
sleep 0.5  # the menu is a window of its own that reads no keys
eval "$(xdotool getwindowgeometry --shell "$READING")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$OUT/reading-menu.png"
echo "saved $OUT/reading-menu.png"
# The open menu holds the keyboard: its Escape goes straight to it.
xdotool key Escape
x idle "$READING"
# Qt's own save and print dialogs, in the program's Indonesian.
key "$READING" ctrl+s
window '^Simpan ramalan$'; SAVE=$WIN
shot "$SAVE" save-dialog.png
key "$SAVE" Escape "$READING"
key "$READING" ctrl+p
window '^Cetak ramalan$'; PRINT=$WIN
key "$PRINT" alt+o
shot "$PRINT" print-dialog.png
key "$PRINT" Escape "$READING"
key "$READING" Escape "$MAIN"
# The context menus of the birthday and the children fields.
menu_shot() {  # x, y of the field in the layout's pixels, file name
    xdotool mousemove --window "$MAIN" $(($1 * SCALE)) $(($2 * SCALE)) click 3
    sleep 0.5  # the menu is a window of its own that reads no keys
    eval "$(xdotool getwindowgeometry --shell "$MAIN")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$OUT/$3"
    echo "saved $OUT/$3"
    xdotool key Escape
    x idle "$MAIN"
}
menu_shot 40 59 birthday-menu.png
menu_shot 305 59 children-menu.png
records "$STAGE/earlier.dat" "open(sys.argv[1], 'wb').write(harness.seeded_record(50, shown=[(2, 3, 1, 52), (4, 2, 2, 48)]))"
start "$STAGE/earlier.dat"
key "$MAIN" Return
window '^Ramalan$'; READING=$WIN
key "$READING" ctrl+h
window '^Riwayat ramalan$'; EARLIER=$WIN
key "$EARLIER" Down
shot "$EARLIER" earlier-readings.png
key "$EARLIER" Escape "$READING"
key "$READING" Escape "$MAIN"
records "$STAGE/app/temparoka.dat" "data = open(sys.argv[1], 'rb').read()
print(f'record file: {len(data)} bytes, newest prediction {harness.history(data)[-1]}')"
