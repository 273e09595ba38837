#!/usr/bin/env bash
# Draws docs/assets.png: every generated picture and icon on one sheet, with the icons and the
# banner enlarged so their pixels show. Needs ImageMagick (scripts/install-deps installs it).
set -euo pipefail
cd "$(dirname "$0")/.."

generated=assets/generated
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

font=DejaVu-Sans
paper_colour='#E4E4E4'
window_blue='#0000C0'

# caption INPUT TEXT OUTPUT: writes the picture with a line of text above it.
caption() {
    convert "$1" -background "$paper_colour" -font "$font" -pointsize 14 -fill black \
        -gravity north -splice 0x24 -annotate +0+4 "$2" -gravity center \
        -bordercolor "$paper_colour" -border 8 "$3"
}

# A checkerboard behind each icon shows which pixels are transparent.
convert -size 16x16 xc:'#C8C8C8' -fill '#F4F4F4' -draw 'rectangle 0,0 7,7' \
    -draw 'rectangle 8,8 15,15' "$work/check.png"

# The sky with the corner that the window shows (323 x 144) outlined in yellow.
convert "$generated/sky.bmp" -fill none -stroke yellow -draw 'rectangle 0,0 323,144' \
    "$work/sky.png"
caption "$work/sky.png" "sky.bmp 640 x 480 (outlined: the part the window shows)" \
    "$work/sky-captioned.png"
caption "$generated/paper.bmp" "paper.bmp 374 x 383" "$work/paper-captioned.png"
convert "$work/sky-captioned.png" "$work/paper-captioned.png" -background "$paper_colour" \
    -gravity north +append "$work/pictures.png"

# The banner twice its size on the window's blue, which shows through its magenta; the white
# line marks where the 323 pixel wide window cuts it off.
convert "$generated/banner98.bmp" -fill "$window_blue" -opaque '#FF00FF' -filter point \
    -resize 200% -fill none -stroke white -draw 'line 646,0 646,93' "$work/banner.png"
caption "$work/banner.png" "banner98.bmp 401 x 47, twice its size, on RGB(0,0,192)" \
    "$work/banner-captioned.png"

icons=()
for name in wrench quit user company cdkey folder; do
    for image in 0 1; do
        convert "$generated/$name.ico[$image]" -filter point -resize 400% "$work/$name-$image.png"
        convert "$generated/$name.ico[$image]" "$work/$name-$image-actual.png"
    done
    tiles=()
    for tile in "$name-0" "$name-1" "$name-0-actual" "$name-1-actual"; do
        size=$(identify -format '%wx%h' "$work/$tile.png")
        convert -size "$size" "tile:$work/check.png" "$work/$tile.png" -composite \
            "$work/$tile-on-check.png"
        tiles+=("$work/$tile-on-check.png")
    done
    convert "${tiles[@]}" -background "$paper_colour" -bordercolor "$paper_colour" -border 4 \
        -gravity south +append -gravity center -extent 340x +repage "$work/$name.png"
    caption "$work/$name.png" "$name.ico: 32 and 16 pixels, x4 and x1" "$work/$name-captioned.png"
    icons+=("$work/$name-captioned.png")
done
convert "${icons[@]:0:3}" -background "$paper_colour" -gravity north +append "$work/icons-1.png"
convert "${icons[@]:3:3}" -background "$paper_colour" -gravity north +append "$work/icons-2.png"

convert "$work/pictures.png" "$work/banner-captioned.png" "$work/icons-1.png" \
    "$work/icons-2.png" -background "$paper_colour" -gravity northwest -append \
    -strip docs/assets.png
