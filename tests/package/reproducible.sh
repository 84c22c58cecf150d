#!/bin/bash
# The packages as Debian expects them: two builds of the same sources, in
# different folders and at different times, give the same Debian package
# and the same archive, byte for byte, and the packaged program carries the
# hardening Debian builds with.
#
# One build is the suite's own. The other builds only what the packages
# hold, from a copy of the sources (files as new as a fresh clone's) in a
# temporary folder, configured like the first, with its build folder where
# the first one's lies from its sources (build/ inside them, usually), as in
# a second clone. The first packs with the time build-date.cmake takes
# (from the history, or the changelog), the second, whose copy has no
# history, with that time given outright.
#
# Usage: reproducible.sh <build folder> <source folder>
set -euo pipefail
BUILD=$(cd "$1" && pwd)
SOURCE=$(cd "$2" && pwd)
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }
cached() { sed -n "s/^$1:[A-Z]*=//p" "$BUILD/CMakeCache.txt"; }
umask 022

[ "$(cached TEMPAROKA_HARDEN)" = ON ] || fail "$BUILD is not built with TEMPAROKA_HARDEN, as packages are"

# The copy, with new times, below a folder that holds both it and the
# second build: the files git tracks or would track, or, in sources without
# their history, all but the build folders (both builds then take the
# changelog's time).
common=$SOURCE
while [[ "$BUILD/" != "${common%/}/"* ]]; do common=$(dirname "$common"); done
copy="$WORK/tree${SOURCE#"${common%/}"}"
second="$WORK/tree${BUILD#"${common%/}"}"
mkdir -p "$copy"
# Git reads the list of files only in sources it takes for the runner's
# own, and starts no program to watch them.
epoch=$(env -u SOURCE_DATE_EPOCH cmake -DCPACK_TEMPAROKA_SOURCE_DIR="$SOURCE" -P "$SOURCE/packaging/build-date.cmake")
git=(git -c core.fsmonitor=false -C "$SOURCE")
if "${git[@]}" rev-parse 2>/dev/null; then
    "${git[@]}" ls-files -z --cached --others --exclude-standard \
        | tar -C "$SOURCE" --null -T - --ignore-failed-read -cf - | tar -C "$copy" -xmf -
else
    tar -C "$SOURCE" --exclude=./build --exclude='./build-*' --exclude="./${BUILD#"$SOURCE"/}" -cf - . \
        | tar -C "$copy" -xmf -
fi

cmake -S "$copy" -B "$second" -G "$(cached CMAKE_GENERATOR)" \
    -DCMAKE_BUILD_TYPE="$(cached CMAKE_BUILD_TYPE)" -DCMAKE_CXX_COMPILER="$(cached CMAKE_CXX_COMPILER)" \
    -DCMAKE_CXX_FLAGS="$(cached CMAKE_CXX_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(cached CMAKE_EXE_LINKER_FLAGS)" \
    -DTEMPAROKA_HARDEN=ON -DTEMPAROKA_TESTS=OFF -DTEMPAROKA_BENCH=OFF >"$WORK/configure.log" 2>&1 \
    || { cat "$WORK/configure.log"; fail "the copy does not configure"; }
cmake --build "$second" -j "$(nproc)" --target temparoka temparoka_docs >"$WORK/build.log" 2>&1 \
    || { tail -50 "$WORK/build.log"; fail "the copy does not build"; }

pack() {  # <build> <output folder> [environment]
    (cd "$1" && env "${@:3}" cpack -G DEB -B "$2" && env "${@:3}" cpack -G TGZ -B "$2") >"$2.log" 2>&1 \
        || { cat "$2.log"; fail "cpack failed in $1"; }
}
pack "$BUILD" "$WORK/first" -u SOURCE_DATE_EPOCH
pack "$second" "$WORK/second" SOURCE_DATE_EPOCH="$epoch"

# Which member differs, when the packages do: listings with owners, modes
# and times, then each file's bytes.
explain_tar() {  # <first tar> <second tar> <name>
    diff <(tar -tvf "$1" --numeric-owner --full-time) <(tar -tvf "$2" --numeric-owner --full-time) \
        | sed "s|^|$3: |" >&2 || true
    mkdir "$1.x" "$2.x"
    tar -xf "$1" -C "$1.x"
    tar -xf "$2" -C "$2.x"
    (cd "$1.x" && find . -type f | sort) | while read -r f; do
        cmp -s "$1.x/$f" "$2.x/$f" || echo "$3: $f differs" >&2
    done
}
explain_deb() {
    diff <(ar tv "$1") <(ar tv "$2") | sed 's|^|ar: |' >&2 || true
    mkdir "$1.ar" "$2.ar"
    (cd "$1.ar" && ar x "$1") && (cd "$2.ar" && ar x "$2")
    for m in debian-binary control.tar.gz data.tar.gz; do
        cmp -s "$1.ar/$m" "$2.ar/$m" && continue
        echo "$m differs" >&2
        [ "$m" = debian-binary ] || explain_tar "$1.ar/$m" "$2.ar/$m" "$m"
    done
}
deb=$(cd "$WORK/first" && ls temparoka_*.deb)
tgz=$(cd "$WORK/first" && ls temparoka-*.tar.gz)
same=yes
cmp -s "$WORK/first/$deb" "$WORK/second/$deb" || { same=no; explain_deb "$WORK/first/$deb" "$WORK/second/$deb"; }
cmp -s "$WORK/first/$tgz" "$WORK/second/$tgz" || { same=no; explain_tar "$WORK/first/$tgz" "$WORK/second/$tgz" "$tgz"; }
[ $same = yes ] || fail "the two builds give different packages (changed a source since the suite's build?)"

# What the packages hold names no folder of this machine, and every gzip
# file carries no name and no time.
mkdir "$WORK/deb" "$WORK/tgz"
dpkg-deb -x "$WORK/first/$deb" "$WORK/deb"
tar -xzf "$WORK/first/$tgz" -C "$WORK/tgz"
for path in "$SOURCE" "$BUILD" "$WORK"; do
    found=$(grep -rlF -- "$path" "$WORK/deb" "$WORK/tgz" || true)
    [ -z "$found" ] || fail "$path is written in $found"
done
while read -r gz; do
    header=$(od -An -tu1 -j3 -N5 "$gz" | tr -s ' ')
    [ "$header" = " 0 0 0 0 0" ] || fail "the gzip header of ${gz#"$WORK"/} holds a name or a time ($header)"
done < <(find "$WORK/deb" -name '*.gz')

# Hardening: hardening-check judges the packaged program. Control-flow
# protection it finds only where every object linked in carries the mark,
# and Debian 12's C start files (crt1.o, crti.o) do not, so it says "no"
# for every program linked there; whether stack-clash protection is on it
# sees only in a function with a frame beyond a page. For those two, the
# compiler's record in the unstripped program says each part of ours was
# compiled with them.
program="$WORK/deb/usr/lib/temparoka/temparoka"
report=$(hardening-check --nocfprotection "$program") || fail "hardening-check: $report"
for line in 'Position Independent Executable' 'Stack protected' 'Fortify Source functions' \
            'Read-only relocations' 'Immediate binding'; do
    grep -q "^ $line: yes" <<<"$report" || fail "hardening-check: $report"
done
producers=$(readelf -p .debug_str "$BUILD/bin/temparoka" | grep -o 'GNU C++[0-9]* .*' || true)
[ -n "$producers" ] || fail "no compiler record in $BUILD/bin/temparoka"
for flag in -fstack-protector-strong -fstack-clash-protection -fcf-protection; do
    missing=$(grep -v -e " $flag" <<<"$producers" || true)
    [ -z "$missing" ] || fail "parts of the program were compiled without $flag: $missing"
done
echo "reproducible and hardened: $deb and $tgz, $(stat -c %s "$WORK/first/$deb") and $(stat -c %s "$WORK/first/$tgz") bytes"
