#!/bin/bash
# Draws the program icon with ImageMagick: a scanned page whose arrow goes
# into a PDF document. The output is committed beside this script; run it
# again after changing the drawing:
#   app/icon/draw_icon.sh [output-folder]
# Every size is drawn on a 256 x 256 canvas and scaled down; the two small
# sizes leave out the page's text lines and the label, which would only
# blur there.
set -euo pipefail
out="${1:-$(cd "$(dirname "$0")" && pwd)}"
font=DejaVu-Sans-Bold
# The palette of the skin images.
blue='#2f80ed'; slate='#3d4b5c'; green='#27ae60'; orange='#f2994a'
red='#d93838'; paper='#ffffff'; line='#c3ccd6'; sky='#9fc3f5'
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

page="fill $paper stroke $slate stroke-width 10 stroke-linejoin round
      polygon 20,14 128,14 170,56 170,204 20,204
      fill $line stroke-width 6 polygon 128,14 128,56 170,56"
picture="stroke none fill $sky rectangle 42,112 148,178
         fill $green polygon 42,178 78,132 104,162 120,146 148,178
         fill $orange circle 128,128 128,120"
lines="stroke none fill $line rectangle 42,74 110,84 rectangle 42,94 148,102"
pdf="fill $red stroke $paper stroke-width 8 roundrectangle 120,110 244,248 16,16"
label="stroke none fill $paper font $font font-size 46 text 136,206 'PDF'"
band="stroke none fill $paper rectangle 140,170 224,194"
arrow="fill $blue stroke $paper stroke-width 8 stroke-linejoin round
       polygon 64,222 64,196 100,196 100,176 140,209 100,242 100,222"
# Bolder, for the 16-pixel size.
big_arrow="fill $blue stroke $paper stroke-width 10 stroke-linejoin round
           polygon 36,212 36,168 80,168 80,130 144,190 80,250 80,212"

# size DRAWING: one square PNG of the icon at that size.
size() {
    convert -size 256x256 xc:none -draw "$2" -filter Triangle -resize "$1x$1" \
        -strip "PNG32:$work/$1.png"
}
size 256 "$page $lines $picture $pdf $label $arrow"
size 48 "$page $lines $picture $pdf $label $arrow"
size 32 "$page $picture $pdf $band $arrow"
size 16 "${page//stroke-width 10/stroke-width 18} $pdf $band $big_arrow"
convert "$work/16.png" "$work/32.png" "$work/48.png" "$work/256.png" "$out/dravolt.ico"
