#!/usr/bin/env bash
# Screenshots of the main window for looking at, not a test: the window
# empty, with ten pages, zoomed in, and with the About box, each restored to
# 700x500 and maximised on the 1280x1024 screen of the Wine session.
#   tests/e2e/screenshots.sh <mingw build folder> [output folder, default /tmp/shots]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="$(cd "$1" && pwd)"
shots="${2:-/tmp/shots}"
case_dir="$build/tests/e2e/screenshots"
wine_sh="$root/scripts/wine.sh"
driver="$build/tools/e2e/e2e_driver.exe"

cmake -DOUT="$build/out" -DCASE_DIR="$case_dir" -DWRITER="$build/out/Quorlet.dll" -DCONFIG=stock \
    -DIMAGES="$here/session/make_images.sh" -P "$here/prepare_case.cmake"
# Five more pages of other shapes, ten in all.
(cd "$case_dir" &&
    for i in 1 2 3 4 5; do
        convert -size $((300 + 150 * i))x$((900 - 100 * i)) gradient:"#$((i + 3))0a0$((9 - i))0-#20$((i + 2))0c0" \
            "f$i.jpg"
    done)
names='"a.jpg" "b.jpg" "c.tif" "d.jpg" "e.png" "f1.jpg" "f2.jpg" "f3.jpg" "f4.jpg" "f5.jpg"'
folder="Z:${case_dir//\//\\}"

started_here=
[ -s "$build/wine-session/display" ] || started_here=1
"$wine_sh" start "$build"

# shoot <label> <sizing steps...>
shoot() {
    local label="$1"
    shift
    local bmp="$case_dir/$label"
    "$wine_sh" run "$build" "$driver" launch "$case_dir/Dravolt.exe" "$case_dir" - \
        window "#32770" Dravolt maximize "$@" sleep 1500 capture "$bmp-empty.bmp" \
        command 32901 dialog "Import your images" settext 1148 "$folder" press Open \
        shows 1137 screenshots settext 1148 "$names" press Open rows 1001 10 \
        select 1001 0 sleep 1000 capture "$bmp-ten-pages.bmp" \
        toolbar 61447 toolbar 61447 toolbar 61447 sleep 1000 capture "$bmp-zoomed.bmp" \
        command 32774 dialog "About Dravolt" sleep 1000 capture "$bmp-about.bmp" \
        close back close message "Do you want to save the PDF before closing?" press No exit 0
}
shoot 700x500 resize 700 500
shoot maximised

mkdir -p "$shots"
for bmp in "$case_dir"/*.bmp; do
    convert "$bmp" "$shots/$(basename "${bmp%.bmp}").png"
done
[ -n "$started_here" ] && "$wine_sh" stop "$build"
ls "$shots"
