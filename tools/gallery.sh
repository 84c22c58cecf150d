#!/bin/bash
# Builds docs/gallery/ and docs/gallery.md from the pictures in data/pictures:
# every picture as PNG at its own size and enlarged four times with hard
# pixel edges, so small icons and cards can be judged pixel by pixel, then
# its drawing at twice the size (for dense screens) at 1:1; the desktop icon
# in every size; the screenshots taken at a scale of 2; and, while
# docs/gallery/before/ holds pictures as they were before a redraw, those
# beside the pictures as they are now, the figures cut out of the scenes, at
# 1:1 and enlarged four times, with the icon sheet (tools/iconsheet.sh).
# Run from anywhere: tools/gallery.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
pics="$root/data/pictures"
out="$root/docs/gallery"
page="$root/docs/gallery.md"
# Writes a PNG (the last argument) without the time of writing, so that an
# unchanged picture gives the same file on every run.
png() {
  convert "${@:1:$#-1}" -define png:exclude-chunk=date,time "${!#}"
}

# name | what it shows
captions=(
  "background|Main window: a Javanese night with the Milky Way, a comet over a smoking volcano and a dark banyan at the left. Three gilded, perforated wayang kulit puppets stand planted in a pale, smooth banana trunk for a play: the slim refined knight in a parang cloth at the left, with a bowed head, a dark rice-grain eye and a clawed hair knot, faces the broad strong one in a red, black and white chequered cloth, with a round staring eye and a moustache; the king in a red flowered cloth stands behind him, a broad feathered praba behind his shoulders like a folded wing. Each has broad flat shoulders seen from the front with the long jointed arms hanging from their ends, a profile head on a neck leaning forward, a chest narrowing to the waist, a cloth reaching below the knees with its pleats in front and a flap behind, short legs and long flat feet with their toes on the trunk; a thin rod runs from each hand into the trunk. A gold kayon stands beside them with its base sunk in the trunk; the top rows and the bottom strip stay dark for the controls."
  "cardback|Back of every card: kawung batik on a sogan brown field, three and a half motifs across, each four cream ovals with dark outlines touching tip to tip round a point, a small dark seed at each oval's inner tip and a gold dot wherever four ovals meet; a gold double rule and a kayon in a dark medallion."
  "card_ks|King of spades: a gilded wayang king in profile as a bust, mirrored top to bottom: a tall three-tiered gold crown with red stones and a pointed front band, and at its back a garuda's head looking behind, with a feather crest, a round eye and an open hooked beak; a gold necklace and armlets; he holds up a kris, a wavy steel-grey blade with a bright edge, a gold boat-shaped guard and a bowed wooden hilt."
  "card_3d|Three of diamonds: three red pips in a column, the lower one turned."
  "card_qc|Queen of clubs: a wayang queen with her head bowed in profile, her hair in a bun with three gold-tipped hairpins, narrow falling shoulders, a blue breast cloth with a gold edge and gold flowers, and her raised hand, with a gold bracelet, holding a pink lotus on its stem; mirrored top to bottom."
  "card_as|Ace of spades: one large spade with a gold inner line and star, in a ring of gold and red beads."
  "card_jh|Jack of hearts: a young wayang knight in profile holding a spear with a leaf-shaped head and a red tassel; his black hair is tied in a thick knot rising from the back of his head and arching forward into the two prongs of a shrimp's claw, with strands along it and a pointed gold band with a red stone at its root; a gold necklace and armlets; mirrored top to bottom."
  "dream|Dream window: a dark violet sky with a crescent moon at the upper right, the Milky Way and purple clouds along the bottom. Faint in the open sky, a gold kayon rises out of a mist at the left, and a wayang king in the same manner as the main window's stands in the middle facing it, his feet in the clouds, a wing-shaped praba behind his shoulders; the check boxes lie beside the figures, not over their faces."
  "death|Clarification dialogs: a river at night with a far bank, a temple roof, a moonlit ripple path and a small boat with a lantern; the top-left part is calm sky."
  "flags|Language button: the United Kingdom's flag on the left, Indonesia's on the right, in gold frames."
  "icon_program|Program icon, gold on black: the gunungan as a filled leaf on a stepped foot, its tree of life (a trunk and three pairs of curling branches on the gate's stepped roof) cut in black; at twice the size four pairs of branches."
  "icon_about|About box icon, gold on black: the same gunungan set for the box's 40 pixels, its three pairs of branches curling right round; at twice the size four pairs."
  "icon_output|Reading window icon, gold on black: an open book under a star."
  "icon_dream|Dream window icon, gold on black: a sleeper's closed eye, the lid curving down with three lashes, under a small and a large z rising to the upper right."
)

mkdir -p "$out"
{
  echo "# Picture gallery"
  echo
  echo "Every picture of the program, at its own size and enlarged four times. Generated by \`tools/gallery.sh\` from \`data/pictures\`; the pictures themselves are drawn by \`tools/artgen\`."
  echo
} > "$page"

for entry in "${captions[@]}"; do
  name="${entry%%|*}"
  text="${entry#*|}"
  src=""
  for ext in jpg png; do
    [ -f "$pics/$name.$ext" ] && src="$pics/$name.$ext"
  done
  if [ -z "$src" ]; then
    echo "missing picture: $name" >&2
    exit 1
  fi
  sharp="${src%.*}@2x.${src##*.}"
  png "$src" "$out/$name.png"
  png "$src" -filter point -resize 400% "$out/${name}_4x.png"
  png "$sharp" "$out/${name}@2x.png"
  size="$(identify -format '%wx%h' "$src")"
  {
    echo "## $(basename "$src") ($size)"
    echo
    echo "$text"
    echo
    echo "![$name at 1:1](gallery/$name.png) ![$name at 4x](gallery/${name}_4x.png)"
    echo
    echo "Drawn at twice the size, $(basename "$sharp") ($(identify -format '%wx%h' "$sharp")), at 1:1:"
    echo
    echo "![$name drawn at twice the size](gallery/${name}@2x.png)"
    echo
  } >> "$page"
done

{
  echo "## The desktop icon in every size"
  echo
  echo "Each size drawn for its own pixel grid (\`data/icons/\`): the gunungan as one filled leaf, gold with a thin dark edge on a transparent ground. At 16, 22 and 24 px the bare silhouette, set pixel by pixel; from 32 px the tree of life is cut into the gold, a trunk and three pairs of branches on the gate's stepped roof; at 64 px four pairs; from 128 px six pairs with leaves, a slot inside the rim, a lace of dots and the gate's roof in three tiers over a doorway."
  echo
  line=""
  for size in 16 22 24 32 48 64 128 256; do
    cp "$root/data/icons/temparoka-$size.png" "$out/temparoka-$size.png"
    line="$line![${size} px](gallery/temparoka-$size.png) "
  done
  echo "$line"
  echo
  echo "## At twice the pixel density"
  echo
  echo "The windows on a desktop scaled to 200 % (\`tools/screenshots.sh build 2\`): the same layout, every picture from the set drawn at twice the size."
  echo
  for shot in main-window cards-dealt weekly-reading reading-menu earlier-readings dream-window death-dialog weton-window about-box; do
    echo "![$shot at 200 %](screenshots/2x/$shot.png)"
    echo
  done
} >> "$page"
# The pictures as they were before their last redraw (kept in
# docs/gallery/before/, made once from the old pictures by the same crops),
# beside the pictures as they are now: each at 1:1 and enlarged four times
# with hard pixel edges; the large scenes by the figures in them, the
# small icons whole, the desktop icon as a strip of its small sizes.
before="$out/before"
if [ -d "$before" ]; then
  after="$out/after"
  rm -rf "$after"
  mkdir -p "$after"
  # name | picture | crop at 1:1 now (empty: the whole picture) | what it is
  shown=(
    "satria|background.jpg|142x262+190+134|The refined knight (main window, left)"
    "gagah|background.jpg|180x304+328+92|The strong one (main window, middle)"
    "raja|background.jpg|172x266+540+130|The king (main window, right)"
    "kayon|background.jpg|90x165+122+236|The kayon in the banana trunk (main window, left)"
    "dream_king|dream.jpg|200x315+228+140|The king of the dream window"
    "dream_kayon|dream.jpg|96x176+50+192|The kayon of the dream window"
    "card_ks|card_ks.jpg||The king of spades"
    "card_qc|card_qc.jpg||The queen of clubs"
    "card_jh|card_jh.jpg||The jack of hearts"
    "icon_program|icon_program.png||The window icon, 32 px"
    "icon_about|icon_about.png||The About box's icon, 40 px"
    "icon_dream|icon_dream.png||The dream window's icon, 32 px"
  )
  for entry in "${shown[@]}"; do
    IFS='|' read -r name picture crop text <<< "$entry"
    cut=()
    [ -n "$crop" ] && cut=(-crop "$crop" +repage)
    png "$pics/$picture" "${cut[@]}" "$after/$name.png"
    png "$pics/$picture" "${cut[@]}" -filter point -resize 400% "$after/${name}_4x.png"
  done
  # the desktop icon's small sizes side by side on a grey panel
  strip() {
    local from="$1" to="$2" args=()
    for size in 16 22 24 32 48; do
      args+=("$from/temparoka-$size.png")
    done
    png -background '#808080' "${args[@]}" -gravity east -splice 6x0 -gravity south +append "$to"
    png "$to" -filter point -resize 400% "${to%.png}_4x.png"
  }
  strip "$root/data/icons" "$after/desktop.png"
  "$root/tools/iconsheet.sh" "$out/iconsheet.png"
  # name | what changed
  changes=(
    "satria|The bodies were small buckets seen from the side with a bump at the shoulder, cloth to mid-thigh and bare stick legs on small wedge feet; now the shoulders are broad and flat, seen from the front, the chest narrows to the waist, the cloth with its pleats and back flap reaches below the knee, and short legs stand on long flat feet with toes."
    "gagah|The strong one stood bow-legged; now he stands wide and straight, his chequered cloth below the knee with its tail behind."
    "raja|The praba curved round his back shoulder like a rooster's tail; now it is a broad plate like a folded wing behind the shoulders."
    "kayon|The kayon stood on a stepped plinth and the banana trunk was drawn in segments like bamboo; now the kayon's base is sunk in one smooth trunk."
    "dream_king|The king stood at the right edge under the check boxes; now he stands in the open middle, in the new manner, facing the kayon."
    "dream_kayon|The kayon stood in the lower left corner, crossed by a check box; now it rises out of a mist in the open sky above that box."
    "card_ks|The kris was a dark wavy ribbon that read as smoke and the crown was low; now the kris is a steel blade with a bright edge, a gold guard and a wooden hilt, and the crown stands higher with the garuda at its back."
    "card_qc|The queen had the men's torso with armlets; now she has her own narrower, falling shoulders, no armlets, and a hand with a bracelet holding the lotus."
    "card_jh|The hair knot read as a black scorpion's tail; now it is a thick lock of hair with strands along it and a gold band at its root."
    "icon_program|An outlined lancet arch with a spine, ticks and a house, which read as a church window or a Christmas tree, became a filled leaf on a stepped foot with the tree of life cut into it."
    "icon_about|An outlined arch with a house and two guardians, which read as a crèche, became the filled gunungan with its branches curling right round."
    "icon_dream|An eight-pointed star, which read as a compass rose, became a sleeper's closed eye under two rising z's."
  )
  {
    echo "## Before and after the redraw"
    echo
    echo "Each picture as it was (left) and as it is now (right), at 1:1 and enlarged four times with hard pixel edges."
    echo
    for entry in "${changes[@]}"; do
      IFS='|' read -r name text <<< "$entry"
      for line in "${shown[@]}"; do
        [ "${line%%|*}" = "$name" ] && title="${line##*|}"
      done
      echo "### $title"
      echo
      echo "$text"
      echo
      echo "![$title before](gallery/before/$name.png) ![$title now](gallery/after/$name.png)"
      echo
      echo "![$title before, enlarged](gallery/before/${name}_4x.png) ![$title now, enlarged](gallery/after/${name}_4x.png)"
      echo
    done
    echo "### The desktop icon at 16, 22, 24, 32 and 48 px"
    echo
    echo "A gold arch over a house in a frame on a night-blue square became the gunungan's filled silhouette alone, gold with a thin dark edge on a transparent ground, so that it reads on a light, a grey and a dark panel alike."
    echo
    echo "![The desktop icon before](gallery/before/desktop.png) ![The desktop icon now](gallery/after/desktop.png)"
    echo
    echo "![The desktop icon before, enlarged](gallery/before/desktop_4x.png) ![The desktop icon now, enlarged](gallery/after/desktop_4x.png)"
    echo
    echo "### The icon on three panels"
    echo
    echo "The desktop icon at 16, 22, 24, 32 and 48 px on a light, a grey and a dark panel, beside the main window's kayon brought to the same heights, then the small sizes enlarged four times (\`tools/iconsheet.sh\`)."
    echo
    echo "![The icon sheet](gallery/iconsheet.png)"
    echo
  } >> "$page"
fi
echo "gallery written to $page"
