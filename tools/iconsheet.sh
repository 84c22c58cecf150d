#!/bin/bash
# Builds one sheet for judging the desktop icon where it is seen small: the
# icon at 16, 22, 24, 32 and 48 pixels on a light, a grey and a dark panel,
# each row followed by the kayon of the main window's background scaled to
# the same heights, since that is the figure the icon has to read as; then
# the rows of the 16 to 32 pixel sizes again, enlarged four times with hard
# pixel edges.
# Usage: tools/iconsheet.sh [output.png]   (default: docs/gallery/iconsheet.png)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
icons="$root/data/icons"
background="$root/data/pictures/background.jpg"
out="${1:-$root/docs/gallery/iconsheet.png}"
# the kayon standing at the left of the background, from its point to its foot
kayon="90x155+119+240"
panels=("#f0f0f0" "#808080" "#202020")

for f in "$background" "$icons"/temparoka-{16,22,24,32,48}.png; do
  if [ ! -f "$f" ]; then
    echo "missing picture: $f" >&2
    exit 1
  fi
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# row <panel colour> <file> <sizes...>: the icons, a gap, then the kayon at
# the same heights, all standing on one line
row() {
  local bg="$1" file="$2"
  shift 2
  local args=(-background "$bg")
  for s in "$@"; do
    args+=(\( "$icons/temparoka-$s.png" -bordercolor "$bg" -border 4x0 \))
  done
  args+=(\( -size 16x1 "xc:$bg" \))
  for s in "$@"; do
    args+=(\( "$background" -crop "$kayon" +repage -resize "x$s" -bordercolor "$bg" -border 4x0 \))
  done
  convert "${args[@]}" -gravity south +append -bordercolor "$bg" -border 8 "$file"
}

rows=()
for i in "${!panels[@]}"; do
  row "${panels[$i]}" "$work/small$i.png" 16 22 24 32 48
  rows+=("$work/small$i.png")
done
for i in "${!panels[@]}"; do
  row "${panels[$i]}" "$work/big$i.png" 16 22 24 32
  convert "$work/big$i.png" -filter point -resize 400% "$work/big$i.png"
  rows+=("$work/big$i.png")
done
mkdir -p "$(dirname "$out")"
convert "${rows[@]}" -background white -gravity west -append +repage -depth 8 -define png:exclude-chunk=date,time "$out"
echo "wrote $out"
