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
    [ -n "$XVFB" ] && kill "$XVFB" 2>/dev/null || true
    rm -rf "$STAGE"
}
trap cleanup EXIT

unset QT_QPA_PLATFORM
# Xvfb picks a free display itself and tells us which.
Xvfb -displayfd 3 -screen 0 $((1024 * SCALE))x$((768 * SCALE))x24 -nolisten tcp 3>"$STAGE/display" >/dev/null 2>&1 &
XVFB=$!
for _ in $(seq 100); do [ -s "$STAGE/display" ] && break; sleep 0.05; done
export DISPLAY=:$(cat "$STAGE/display")
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
export XDG_RUNTIME_DIR=$STAGE

# The program's clock starts at Monday 7 December 2026 15:00 and runs.
FAKETIME_LIB=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1

# Starts a fresh program folder, optionally with a prepared record file.
start() {
    stop_program
    rm -rf "$STAGE/app" && mkdir -p "$STAGE/app"
    cp "$BUILD/bin/temparoka" "$BUILD/bin/tmk.wav" "$STAGE/app/"
    if [ $# -gt 0 ]; then cp "$1" "$STAGE/app/temparoka.dat"; fi
    QT_SCALE_FACTOR=$SCALE LD_PRELOAD=$FAKETIME_LIB FAKETIME="@2026-12-07 15:00:00" "$STAGE/app/temparoka" &
    PROGRAM=$!
    window '^Ramalan Temparoka$'; MAIN=$WIN
}

# Waits for a window by title and sets WIN to its id.
window() {
    WIN=""
    for _ in $(seq 100); do
        WIN=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1 || true)
        [ -n "$WIN" ] && break
        sleep 0.1
    done
    [ -n "$WIN" ] || { echo "window '$1' did not appear" >&2; exit 1; }
    sleep 0.6
}

shot() {  # window id, file name
    import -window "$1" "$OUT/$2"
    echo "saved $OUT/$2"
}

click() {  # window id, x, y inside the window, in the layout's pixels
    xdotool mousemove --window "$1" $(($2 * SCALE)) $(($3 * SCALE)) click 1
    sleep 0.4
}

key() {  # window id, key
    xdotool windowfocus "$1" 2>/dev/null || true
    sleep 0.2
    xdotool key "$2"
    sleep 0.4
}

# Main window, then a weekly reading with a new deal: card 3 is the queen of clubs.
start
shot "$MAIN" main-window.png
key "$MAIN" Return
sleep 5
shot "$MAIN" cards-dealt.png
# The deal seeds from the time of day, which we know only roughly: find the
# seed whose five places all show a card back, and take its third card.
convert "$OUT/cards-dealt.png" "$STAGE/dealt.ppm"
read -r CARD_X CARD_Y < <(python3 - "$STAGE/dealt.ppm" "$SCALE" <<'PY'
import sys
data = open(sys.argv[1], 'rb').read()
scale = int(sys.argv[2])
header = data.split(b'\n', 3)
width, height = map(int, header[1].split())
pixels = header[3]
def red(x, y):
    x, y = x * scale, y * scale
    r, g, b = pixels[(y * width + x) * 3:(y * width + x) * 3 + 3]
    return r > 110 and g < 70 and b < 70
def deal(seed):
    places = []
    for card in range(5):
        seed = (seed * 134775813 + 1) % 2**32
        top = int(seed / 2**32 * (519 - 200) + 20)
        seed = (seed * 134775813 + 1) % 2**32
        left = int(seed / 2**32 * ((743 - 100) if card == 4 else (743 - 200)) + 20)
        places.append((left, top))
    return places
start = int(15 / 24 * 100000)
best = max(range(start, start + 200), key=lambda s: sum(red(l + 10, t + 20) + red(l + 60, t + 75) for l, t in deal(s)))
left, top = deal(best)[2]
print(left + 35, top + 47)
PY
)
click "$MAIN" "$CARD_X" "$CARD_Y"
window '^Ramalan$'; READING=$WIN
shot "$READING" weekly-reading.png
# The donation window, from the reading's "Support Temparoka".
click "$READING" 84 468
window '^Sumbangan$'; DONATION=$WIN
shot "$DONATION" donation-window.png
key "$DONATION" Escape
key "$READING" Escape

# The About box.
click "$MAIN" $((585 + 64)) $((440 + 13))
window '^About$'; ABOUT=$WIN
shot "$ABOUT" about-box.png
key "$ABOUT" Return

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
key "$RIVER" Return
click "$DREAM" 504 245
window '^Temparoka meminta keterangan$'; TOOTH=$WIN
click "$TOOTH" 20 40
shot "$TOOTH" tooth-dialog.png
click "$TOOTH" 45 132
for spot in "64 136" "252 353" "26 54" "18 78"; do click "$DREAM" $spot; done  # family, fish, tiger, death
click "$DREAM" 552 446
window 'Clarification needed$'; DEATH=$WIN
click "$DEATH" $((27 + 20)) $((52 + 33))
shot "$DEATH" death-dialog.png
click "$DEATH" 57 268
window '^Ramalan$'; READING=$WIN
shot "$READING" dream-reading.png
key "$READING" Escape

# A prepared record file that already holds this week's draw of card 3 for
# the initial birth data: Ramalan goes straight to the reading.
python3 - "$STAGE/prepared.dat" <<'PY'
import struct, sys
record = struct.pack('<ddi', 24236.0, 0.5 + 1 / 86400, 0) + bytes(12 * 16)
draws = bytes(19 * 12) + struct.pack('<di', 24236.0 + (0.5 + 1 / 86400) + 50, 3)
open(sys.argv[1], 'wb').write(record + draws)
PY
start "$STAGE/prepared.dat"
key "$MAIN" Return
window '^Ramalan$'; READING=$WIN
shot "$READING" weekly-reading-reused.png
key "$READING" Escape
python3 - "$STAGE/app/temparoka.dat" <<'PY'
import struct, sys
data = open(sys.argv[1], 'rb').read()
newest = struct.unpack_from('<4i', data, 20 + 11 * 16)
print('record file: %d bytes, newest prediction %s' % (len(data), newest))
PY
