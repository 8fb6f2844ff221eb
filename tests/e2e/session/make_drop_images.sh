#!/usr/bin/env bash
# Makes the inputs of the drop case in folder $1: the images of
# make_images.sh, a notes.txt beside them, and a folder to drop whose own
# images each have a size of their own:
#   dropped/f.jpg          500x700
#   dropped/G.PNG          400x300 (upper-case name)
#   dropped/notes.txt      not an image
#   dropped/deeper/h.jpg   900x500, one level too deep to be taken
set -euo pipefail
bash "$(dirname "$0")/make_images.sh" "$1"
cd "$1"
echo "not a page" >notes.txt
mkdir -p dropped/deeper
convert -size 500x700 gradient:'#20a040-#402080' -quality 92 dropped/f.jpg
convert -size 400x300 xc:'#a03020' dropped/G.PNG
echo "not a page either" >dropped/notes.txt
convert -size 900x500 gradient:'#808000-#000080' -quality 92 dropped/deeper/h.jpg
