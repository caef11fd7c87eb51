#!/usr/bin/env bash
# Draws the page headings, the About logo and the application icon into res/.
# Rerun after changing a caption: bash res/make_bitmaps.sh (needs ImageMagick and the
# DejaVu fonts: apt-get install imagemagick fonts-dejavu-core).
set -euo pipefail
cd "$(dirname "$0")"

bold=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
[ -f "$bold" ] || { echo "missing $bold (apt-get install fonts-dejavu-core)" >&2; exit 1; }

# Heading pictures: 16 pixels high, the words in bold black. The background is left
# clear so the picture sits on the window's own grey. The @2x picture, drawn at twice
# the size and exactly twice as wide, serves screens scaled above 100 %. Its words run
# a little wider than twice the small ones, so both pictures take the width the wider
# needs, and one clear column more: no letter ever touches the right edge.
words() {
  convert -background none -fill black -font "$bold" -pointsize "$1" label:"$2" "$3"
}
picture() {
  local small="bitmaps/$1.png" large="bitmaps/$1@2x.png" width
  words 11 "$2" "$small"
  words 22 "$2" "$large"
  width=$(identify -format %w "$small")
  width=$(( (width > ($(identify -format %w "$large") + 1) / 2 ? width : \
    ($(identify -format %w "$large") + 1) / 2) + 1 ))
  convert "$small" -background none -gravity west -extent "${width}x16" +repage \
    -define png:exclude-chunks=date,time "$small"
  convert "$large" -background none -gravity west -extent "$((2 * width))x32" +repage \
    -define png:exclude-chunks=date,time "$large"
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

# The 48-pixel grid both icons are designed on, as awk functions: each length scaled to
# the size drawn (u pixels a grid step) and each straight edge put on a pixel boundary.
grid_functions='
    function round(x) { return int(x + 0.5) }
    # A run of whole pixels first..last of the 48 grid, scaled: at least one pixel.
    function from(first) { return round(first * u) }
    function to(first, last) {
      e = round((last + 1) * u)
      return (e > from(first) ? e : from(first) + 1) - 1
    }
    function bar(x0, y0, x1, y1) {
      printf "rectangle %d,%d %d,%d\n", from(x0), from(y0), to(x0, x1), to(y0, y1)
    }
    # A point between pixel centres, scaled about pixel centres.
    function at(c) { return (c + 0.5) * u - 0.5 }
'

# The logo: a balance beam over a "V" on a blue tile. Its design is on a 48-pixel grid
# and is drawn anew at every size, each length scaled and each straight edge put on a
# pixel boundary, so that no size is a blurred copy of another.
logo_shapes() {
  awk -v size="$1" "$grid_functions"'
    BEGIN {
      u = size / 48
      printf "roundrectangle %d,%d %d,%d %.2f,%.2f\n", from(2), from(2), to(2, 45), to(2, 45), 8 * u, 8 * u
      bar(8, 9, 39, 10)    # the beam
      bar(23, 5, 24, 8)    # the post it hangs from
      bar(8, 11, 9, 16)    # its two hangers
      bar(38, 11, 39, 16)
      # The V: two arms 3 pixels thick meeting in a point, their tops cut level on a
      # pixel boundary; a filled outline, which draws cleaner than a wide stroke.
      thick = (3 * u > 1.25 ? 3 * u : 1.25)
      top = round(at(15.5) + 0.5) - 0.5
      left = at(12); middle = at(23.5); right = at(35); bottom = at(38)
      slope = (bottom - top) / (middle - left)
      half = thick / 2 * sqrt(1 + 1 / (slope * slope))
      printf "polygon %.2f,%.2f %.2f,%.2f %.2f,%.2f %.2f,%.2f %.2f,%.2f %.2f,%.2f\n",
        left - half, top, middle, top + (middle - left + half) * slope, right + half, top,
        right - half, top, middle, top + (middle - left - half) * slope, left + half, top
    }'
}

# logo SIZE FILE [convert options]: the logo at SIZE x SIZE pixels.
logo() {
  local size=$1 out=$2
  shift 2
  local shapes
  mapfile -t shapes < <(logo_shapes "$size")
  convert -size "${size}x${size}" xc:none \
    -fill '#1f4e8c' -draw "${shapes[0]}" \
    -fill white -draw "${shapes[1]}" -draw "${shapes[2]}" -draw "${shapes[3]}" \
    -draw "${shapes[4]}" -draw "${shapes[5]}" \
    "$@" -define png:exclude-chunks=date,time "$out"
}

# The About page's logo and the window's icon keep the 16 colours they have always had;
# the @2x drawing serves screens scaled to 200 %.
logo 48 bitmaps/184.png -colors 16
logo 96 bitmaps/184@2x.png -colors 16
logo 48 icons/128.png -colors 16
# The icon the desktop shows in its menus, installed into the hicolor theme.
for size in 16 32 48 64 128 256; do
  logo "$size" "icons/velkari-$size.png"
done

# The chemistry window's icon: a conical flask on a green tile, drawn on the same
# 48-pixel grid, so that it stands apart from the converter's blue one even at 16
# pixels. The flask is a neck over a wide body with a line of liquid across it.
flask_shapes() {
  awk -v size="$1" "$grid_functions"'
    BEGIN {
      u = size / 48
      printf "roundrectangle %d,%d %d,%d %.2f,%.2f\n", from(2), from(2), to(2, 45), to(2, 45), 8 * u, 8 * u
      bar(17, 7, 30, 9)     # the rim
      bar(19, 10, 28, 19)   # the neck
      printf "polygon %.2f,%.2f %.2f,%.2f %.2f,%.2f %.2f,%.2f\n",
        at(19), at(19), at(28), at(19), at(39), at(39), at(8), at(39)            # the body
      bar(14, 29, 33, 30)   # the liquid
    }'
}

flask() {
  local size=$1 out=$2
  local shapes
  mapfile -t shapes < <(flask_shapes "$size")
  convert -size "${size}x${size}" xc:none \
    -fill '#2e7d32' -draw "${shapes[0]}" \
    -fill white -draw "${shapes[1]}" -draw "${shapes[2]}" -draw "${shapes[3]}" \
    -fill '#2e7d32' -draw "${shapes[4]}" \
    -define png:exclude-chunks=date,time "$out"
}

for size in 16 32 48 64 128 256; do
  flask "$size" "icons/velkari-chemistry-$size.png"
done
