#!/bin/bash
# Starts Temparoka under a virtual X server and saves screenshots of its
# windows into docs/screenshots/. Run after a build: tools/screenshots.sh [build-folder]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
OUT=docs/screenshots
mkdir -p "$OUT"

# A private copy of the program folder, so no record file of ours is touched.
STAGE=$(mktemp -d)
trap 'kill $PROGRAM $XVFB 2>/dev/null || true; rm -rf "$STAGE"' EXIT
cp "$BUILD/bin/temparoka" "$BUILD/bin/tmk.wav" "$STAGE/"

DISPLAY_NUMBER=97
Xvfb :$DISPLAY_NUMBER -screen 0 1024x768x24 -nolisten tcp &
XVFB=$!
export DISPLAY=:$DISPLAY_NUMBER
export XDG_RUNTIME_DIR=$STAGE
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$STAGE/temparoka" &
PROGRAM=$!

window=""
for _ in $(seq 100); do
    window=$(xdotool search --name '^Ramalan Temparoka$' 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the main window did not appear" >&2; exit 1; }
sleep 1
import -window "$window" "$OUT/main-window.png"
echo "saved $OUT/main-window.png"
