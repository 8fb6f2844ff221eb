#!/usr/bin/env bash
# Makes the input images of the session cases in folder $1, each with a
# pixel size of its own so that a PDF page shows which image it holds:
#   a.jpg  colour JPEG, portrait, 800x1100
#   b.jpg  grayscale JPEG (one component), 600x900
#   c.tif  one-bit TIFF (CCITT G4), 1000x1400: a black frame and a black
#          block in the top-left corner, so a turn shows its direction
#   d.jpg  colour JPEG, landscape, 1200x800
#   e.png  tiny 3x2 colour PNG
# None of them has white parts except c.tif's inside, so the printed area
# of a page is the image's area.
set -euo pipefail
cd "$1"
convert -size 800x1100 gradient:'#c02020-#2020c0' -quality 92 a.jpg
convert -size 600x900 gradient:'gray(40)-gray(190)' -colorspace Gray -type Grayscale b.jpg
convert -size 1000x1400 xc:white -fill black -draw 'rectangle 100,100 400,400' \
    -fill none -stroke black -strokewidth 20 -draw 'rectangle 10,10 989,1389' \
    -type Bilevel -compress Group4 c.tif
convert -size 800x1200 gradient:'#e08000-#006000' -rotate 90 -quality 92 d.jpg
convert -size 3x2 xc:'#2030a0' e.png
