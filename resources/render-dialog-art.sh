#!/usr/bin/env bash
# Renders the dialog art from resources/art/ into resources/embed/ (compiled into the program)
# and resources/install/ (installed beside it). Needs rsvg-convert (librsvg2-bin), ImageMagick
# and python3. The results are committed; run this again only after changing a source.
set -euo pipefail
cd "$(dirname "$0")"
art=art
embed=embed
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rsvg-convert "$art/paper.svg" -o "$embed/paper.png"
rsvg-convert "$art/logbook.svg" -o "$embed/logbook.png"
rsvg-convert "$art/cursor-hand.svg" -o "$embed/cursor-hand.png"

# Buttons: everything outside the plate is exactly white (the colour the program leaves
# transparent); the anti-aliased rim is blended over the paper's colour so that it sits on the
# texture without a white fringe, and no pixel of the plate itself may be pure white.
paper='#E3D5B4'
while read -r word; do
  lower=$(echo "$word" | tr 'A-Z' 'a-z')
  sed "s/@WORD@/$word/" "$art/button.svg.in" > "$work/$lower.svg"
  rsvg-convert "$work/$lower.svg" -o "$work/$lower.png"
  convert "$work/$lower.png" -background "$paper" -flatten \
    -fill '#FEFEFE' -opaque '#FFFFFF' "$work/$lower-flat.png"
  convert "$work/$lower.png" -alpha extract -threshold 0 "$work/$lower-mask.png"
  convert -size 70x36 xc:white "$work/$lower-flat.png" "$work/$lower-mask.png" -composite \
    -alpha off -define png:color-type=2 "$embed/button-$lower.png"
done <<'LIST'
OK
CANCEL
ADD
DELETE
README
MODIFY
BROWSE
SKINS
PREV
NEXT
SEASON
RESET
LIST

python3 "$art/sounds.py" install
python3 manual/make-readme-rtf.py
