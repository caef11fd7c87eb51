#!/usr/bin/env bash
# Draws the page headings, the About logo and the application icon into res/.
# Rerun after changing a caption: bash res/make_bitmaps.sh (needs ImageMagick and the
# DejaVu fonts: apt-get install imagemagick fonts-dejavu-core).
set -euo pipefail
cd "$(dirname "$0")"

bold=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
[ -f "$bold" ] || { echo "missing $bold (apt-get install fonts-dejavu-core)" >&2; exit 1; }

# Heading pictures: 16 pixels high, the words in bold black. The background is left
# clear so the picture sits on the window's own grey.
picture() {
  convert -background none -fill black -font "$bold" -pointsize 11 \
    label:"$2" -gravity west -extent x16 +repage \
    -define png:exclude-chunks=date,time "bitmaps/$1.png"
}
# A converter tab's heading: "<caption> Converter".
heading() {
  picture "$1" "$2 Converter"
}
heading 157 Angle
heading 150 Area
heading 155 "Computer Storage"
heading 179 Cooking
heading 151 Energy
heading 172 Frequency
heading 160 Length
heading 182 Light
heading 162 Power
heading 152 Pressure
heading 147 Speed
heading 145 Temperature
heading 165 Time
heading 175 Torque
heading 142 Volume
heading 159 Weight

# The chemistry pages' headings.
picture 156 "Periodic Table"
picture 143 "Molecular Weight"
picture 144 "Moles, Grams Converter"
# ImageMagick reads "%" as the start of an escape; "%%" is the sign itself.
picture 167 "%% Composition, Simpliest, Molecular Formula"

# The logo: a balance beam over a "V" on a blue tile, 48 x 48 in 16 colours.
logo() {
  local size=$1 out=$2
  convert -size 48x48 xc:none \
    -fill '#1f4e8c' -draw 'roundrectangle 2,2 45,45 8,8' \
    -stroke white -strokewidth 3 -fill none -draw 'polyline 12,16 24,38 36,16' \
    -strokewidth 2 -draw 'line 8,10 40,10' -draw 'line 24,6 24,10' \
    -draw 'line 8,10 8,16' -draw 'line 40,10 40,16' \
    -resize "${size}x${size}" -colors 16 \
    -define png:exclude-chunks=date,time "$out"
}
logo 48 bitmaps/184.png
logo 48 icons/128.png
for size in 16 32 64 128 256; do
  logo "$size" "icons/velkari-$size.png"
done
