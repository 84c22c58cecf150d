#!/bin/bash
# Resident memory and time to the first window, Temparoka against a bare Qt
# window of the same size, both started under a virtual X server.
# Target: Temparoka's resident size under 1.5 x the bare window's plus the
# decoded size of its pictures. Usage: bench/memory.sh [build-folder]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
STAGE=$(mktemp -d)
x() { tests/support/xvfb.py "$@"; }
XVFB=""
PIDS=()
cleanup() {
    for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null || true; done
    [ -z "$XVFB" ] || x stop "$XVFB"
    rm -rf "$STAGE"
}
trap cleanup EXIT

unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR=$STAGE
XVFB=$(x start)
export DISPLAY=${XVFB% *} XVFB=${XVFB#* }
cp "$BUILD/bin/temparoka" "$BUILD/bin/tmk.wav" "$STAGE/"

# Starts a program, waits for its window, prints "pid milliseconds".
launch() {
    local title=$1; shift
    local start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    local pid=$!
    for _ in $(seq 400); do
        xdotool search --onlyvisible --name "$title" >/dev/null 2>&1 && break
        sleep 0.005
    done
    echo "$pid $(( ($(date +%s%N) - start) / 1000000 ))"
}
rss_kb() {
    [ -r "/proc/$1/status" ] || { echo "a measured program ended early" >&2; exit 1; }
    awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"
}

# Time to the first window: the median of five starts of each.
median_start() {
    local title=$1; shift
    local times=()
    for _ in 1 2 3 4 5; do
        read -r pid ms < <(launch "$title" "$@")
        times+=("$ms")
        kill "$pid"; wait "$pid" 2>/dev/null || true
        sleep 0.2
    done
    printf '%s\n' "${times[@]}" | sort -n | sed -n 3p
}
empty_ms=$(median_start '^empty$' "$BUILD/bin/empty_window")
ours_ms=$(median_start '^Ramalan Temparoka$' "$STAGE/temparoka")

# Resident size, both running side by side and settled: each has drawn its
# window and reads keys.
read -r empty_pid _ < <(launch '^empty$' "$BUILD/bin/empty_window")
read -r ours_pid _ < <(launch '^Ramalan Temparoka$' "$STAGE/temparoka")
PIDS+=("$empty_pid" "$ours_pid")  # launch runs in a subshell, which keeps its own PIDS
x idle "$(x window '^empty$' "$empty_pid")"
x idle "$(x window '^Ramalan Temparoka$' "$ours_pid")"
empty_kb=$(rss_kb "$empty_pid")
ours_kb=$(rss_kb "$ours_pid")

pictures_kb=0
# At ratio 1 only the 1x set is decoded; the @2x drawings stay undecoded.
for f in data/pictures/*; do
    [[ $f == *@2x.* ]] && continue
    read -r w h < <(identify -format '%w %h\n' "$f" | head -1)
    pictures_kb=$(( pictures_kb + w * h * 4 / 1024 ))
done
limit_kb=$(( empty_kb * 3 / 2 + pictures_kb ))

printf '\nMemory and first window under Xvfb\n'
printf '%-46s %12s %12s %8s  %-28s %s\n' figure ours baseline ratio target met
printf '%-46s %9s MB %9s MB %7sx  %-28s %s\n' "resident size after start-up" \
    "$(awk "BEGIN{printf \"%.1f\", $ours_kb/1024}")" "$(awk "BEGIN{printf \"%.1f\", $empty_kb/1024}")" \
    "$(awk "BEGIN{printf \"%.2f\", $ours_kb/$empty_kb}")" \
    "< 1.5x + $(( pictures_kb / 1024 )).$(( pictures_kb % 1024 * 10 / 1024 )) MB pictures" \
    "$([ "$ours_kb" -lt "$limit_kb" ] && echo yes || echo NO)"
printf '%-46s %9s ms %9s ms %7sx  %-28s %s\n' "process start to window (median of 5)" "$ours_ms" "$empty_ms" \
    "$(awk "BEGIN{printf \"%.2f\", $ours_ms/$empty_ms}")" "< 3x" \
    "$([ "$ours_ms" -lt $(( empty_ms * 3 )) ] && echo yes || echo NO)"
