#!/bin/bash
# Draws the skin images of the user interface with ImageMagick. The outputs
# are committed beside this script; run it again after changing a drawing:
#   skin/images/draw_skin.sh [output-folder]
# Icons are drawn on a 128 x 128 canvas and scaled down, so that every
# shape is smoothed the same way at 32 and at 16 pixels.
set -euo pipefail
out="${1:-$(cd "$(dirname "$0")" && pwd)}"
font=DejaVu-Sans-Bold
# One palette for the whole set.
blue='#2f80ed'; navy='#1b3a5c'; slate='#3d4b5c'; green='#27ae60'; orange='#f2994a'
red='#d93838'; paper='#ffffff'; line='#c3ccd6'; mist='#eef2f6'
# png ARGS... OUTPUT: convert without time stamps, so outputs only change
# when a drawing does.
png() { convert "${@:1:$#-1}" -strip -define png:exclude-chunks=date,time "${@: -1}"; }

# icon NAME SIZE MVG: a square icon drawn on the 128 canvas.
icon() {
    png -size 128x128 xc:none -draw "$3" -filter Triangle -resize "$2x$2" "PNG32:$out/$1"
}

# A magnifier, shared by the zoom symbols: lens at (52,52), handle to the
# bottom right; extra MVG goes inside the lens.
magnifier() {
    echo "stroke $slate stroke-width 14 fill $paper circle 52,52 52,12
          stroke-linecap round stroke-width 20 line 84,84 114,114
          stroke none $1"
}

icon scanner.png 32 "
    fill $paper stroke $line stroke-width 4 polygon 30,10 86,10 98,22 98,70 30,70
    stroke $line stroke-width 5 line 42,30 84,30 line 42,42 84,42 line 42,54 72,54
    stroke none fill $slate roundrectangle 6,62 122,112 14,14
    fill $navy roundrectangle 6,62 122,76 8,8
    fill $green rectangle 18,88 110,94
    fill $blue circle 106,102 106,97"
icon save_all.png 32 "
    fill $navy roundrectangle 26,6 122,102 12,12
    fill $blue stroke $paper stroke-width 4 roundrectangle 6,24 104,122 12,12
    stroke none fill $paper roundrectangle 26,24 84,58 4,4
    fill $navy rectangle 64,30 76,52
    fill $mist roundrectangle 22,78 88,122 6,6
    fill $line rectangle 32,90 78,94 rectangle 32,102 78,106"
icon send.png 32 "
    fill $paper stroke $slate stroke-width 7 roundrectangle 6,30 100,104 8,8
    fill none polyline 8,34 53,72 98,34
    stroke none fill $orange polygon 78,6 124,30 78,54 78,40 56,40 56,20 78,20"
icon import_images.png 32 "
    fill $paper stroke $slate stroke-width 7 roundrectangle 6,26 106,110 10,10
    stroke none fill '#9fc3f5' rectangle 14,34 98,102
    fill $green polygon 14,102 44,62 64,86 76,72 98,102
    fill $orange circle 78,50 78,42
    fill $blue rectangle 104,2 120,26 polygon 92,26 128,26 112,48"
png -size 10x40 xc:none -fill '#ffffff66' -draw 'rectangle 1,0 9,39' \
    -fill "$slate" -draw 'polygon 2,18 8,18 5,23' -stroke '#8e9aa880' -draw 'line 0,2 0,37' "PNG32:$out/dropdown_arrow.png"

# The turn arrows: a circular arc whose arrow head points the way it turns.
icon turn_left.png 16 "
    fill none stroke $blue stroke-width 16 stroke-linecap round ellipse 64,70 42,42 210,450
    stroke none fill $blue polygon 16,74 13,35 47,55"
icon turn_right.png 16 "
    fill none stroke $blue stroke-width 16 stroke-linecap round ellipse 64,70 42,42 90,330
    stroke none fill $blue polygon 112,74 115,35 81,55"
icon zoom_in.png 16 "$(magnifier "fill $green rectangle 30,46 74,58 rectangle 46,30 58,74")"
icon zoom_out.png 16 "$(magnifier "fill $red rectangle 30,46 74,58")"
icon zoom_to_actual.png 16 "$(magnifier "fill $slate polygon 44,34 58,26 62,26 62,80 50,80 50,42 44,44")"
icon optimize.png 16 "
    stroke $slate stroke-width 16 stroke-linecap round line 20,108 78,50
    stroke $orange line 78,50 92,36
    stroke none fill $orange polygon 100,4 106,22 124,28 106,34 100,52 94,34 76,28 94,22
    fill $blue circle 44,22 44,12 circle 112,82 112,74"
icon brightness.png 16 "
    fill $orange circle 64,64 64,36
    stroke $orange stroke-width 12 stroke-linecap round
    line 64,4 64,18 line 64,110 64,124 line 4,64 18,64 line 110,64 124,64
    line 22,22 32,32 line 96,96 106,106 line 22,106 32,96 line 96,32 106,22"
icon text.png 16 "
    fill $slate polygon 14,10 114,10 114,38 98,38 94,28 74,28 74,104 90,104 90,120 38,120 38,104 54,104 54,28 34,28 30,38 14,38"
png -size 18x12 xc:none -fill "$slate" -draw 'circle 9,6 9,3' "PNG32:$out/menu_dot.png"

# face NAME W H TOP BOTTOM BORDER: a rounded button face with a gradient.
face() {
    png -size "$2x$3" gradient:"$4-$5" \
        \( -size "$2x$3" xc:none -fill white -draw "roundrectangle 0,0 $(($2-1)),$(($3-1)) 4,4" \) \
        -alpha off -compose CopyOpacity -composite \
        -fill none -stroke "$6" -draw "roundrectangle 0.5,0.5 $(($2-1)).5,$(($3-1)).5 4,4" \
        -compose Over "PNG32:$out/$1"
}
face button_normal.png 104 26 '#fdfefe' '#dfe5ec' '#9aa7b5'
face button_hover.png 104 26 '#f3f8ff' '#c9defb' "$blue"
face button_pushed.png 104 26 '#b9cfee' '#dbe7f7' "$navy"
face vr_normal.png 18 23 '#fdfefe' '#dfe5ec' '#9aa7b5'
face vr_hover.png 18 23 '#f3f8ff' '#c9defb' "$blue"
face vr_pushed.png 18 23 '#b9cfee' '#dbe7f7' "$navy"

# page W H: a page with a folded corner and text lines, as a 24-bit BMP.
page() {
    local w=$2 h=$3 fold=$(( $2 / 4 ))
    png -size "${w}x${h}" xc:"$mist" -fill "$paper" -stroke "$slate" \
        -draw "polygon 2,2 $((w-3-fold)),2 $((w-3)),$((2+fold)) $((w-3)),$((h-3)) 2,$((h-3))" \
        -fill "$line" -draw "polygon $((w-3-fold)),2 $((w-3-fold)),$((2+fold)) $((w-3)),$((2+fold))" \
        -stroke "$line" -draw "line 7,$((fold+8)) $((w-8)),$((fold+8))" \
        -draw "line 7,$((fold+13)) $((w-8)),$((fold+13))" -draw "line 7,$((fold+18)) $((w*2/3)),$((fold+18))" \
        -alpha off -type TrueColor "BMP3:$out/$1"
}
page portrait.bmp 39 58
page landscape.bmp 58 39

# order NAME DIGITS: four numbered pages joined by arrows.
order() {
    local args=() x=6 i
    for i in 0 1 2 3; do
        args+=(-fill "$paper" -stroke "$slate" -draw "rectangle $x,4 $((x+25)),35"
               -stroke none -fill "$red" -pointsize 20 -font "$font"
               -draw "text $((x+7)),28 '${2:$i:1}'")
        if [ $i -lt 3 ]; then
            args+=(-stroke "$blue" -strokewidth 2 -draw "line $((x+30)),20 $((x+46)),20"
                   -stroke none -fill "$blue" -draw "polygon $((x+44)),15 $((x+51)),20 $((x+44)),25")
        fi
        x=$((x + 52))
    done
    png -size 200x40 xc:white "${args[@]}" -alpha off -type TrueColor "BMP3:$out/$1"
}
order 1342.bmp 1342
order 1324.bmp 1324

png -size 128x128 xc:none -fill "$blue" -draw 'circle 64,64 64,4' \
    -fill "$paper" -draw 'circle 64,34 64,24' -draw 'roundrectangle 54,52 74,104 6,6' \
    -filter Triangle -resize 48x48 "PNG32:$out/info_icon.png"

png -size 283x76 xc:none -fill "$mist" -stroke "$line" -draw 'roundrectangle 0.5,0.5 282.5,75.5 10,10' \
    -stroke none -fill "$slate" -draw 'roundrectangle 16,38 86,62 6,6' -fill "$navy" -draw 'rectangle 16,38 86,44' \
    -fill "$paper" -stroke "$line" -draw 'polygon 28,12 64,12 72,20 72,40 28,40' \
    -fill none -stroke "$red" -strokewidth 6 -draw 'circle 70,44 70,20' -draw 'line 53,27 87,61' \
    -stroke none -fill "$slate" -font "$font" -pointsize 16 -draw "text 100,36 'No scanner found'" \
    -font DejaVu-Sans -pointsize 11 -fill '#5b6878' -draw "text 100,56 'Check the cable and the driver'" \
    "PNG32:$out/no_scanner.png"

png -size 465x89 xc:none \
    -fill "$navy" -draw 'roundrectangle 14,10 64,76 6,6' \
    -fill "$blue" -stroke "$paper" -strokewidth 3 -draw 'roundrectangle 26,16 78,82 6,6' \
    -stroke none -fill "$paper" -draw 'rectangle 35,32 69,36 rectangle 35,44 69,48 rectangle 35,56 58,60' \
    -fill "$navy" -font "$font" -pointsize 54 -draw "text 96,64 'Dravolt'" \
    -fill "$blue" -font DejaVu-Sans -pointsize 18 -draw "text 336,64 'scan to PDF'" \
    "PNG32:$out/logo.png"
