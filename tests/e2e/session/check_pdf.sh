#!/usr/bin/env bash
# Checks the PDF of the newcomer session with independent readers:
#   check_pdf.sh <pdf> <folder of the source images>
# The session imported a.jpg b.jpg c.tif d.jpg e.png, moved e.png to the
# front, turned the one-bit c.tif right and saved on A4 portrait with 10 mm
# margins. So the PDF must pass qpdf's check, have the five pages in the
# order of the table below, each A4, each image inside the margins and, when
# scaled, touching them on one axis; it must render with poppler and MuPDF;
# the JPEG pages left alone must carry their source files byte for byte.
set -uo pipefail
pdf="$1" sources="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "check_pdf: FAIL: $*" >&2; failures=$((failures + 1)); }

# page  source  image size in the PDF  bits  what happened to it
expected=(
    "1 e.png 3x2       8 converted"
    "2 a.jpg 800x1100  8 unchanged"
    "3 b.jpg 600x900   8 unchanged"
    "4 c.tif 1400x1000 1 turned"
    "5 d.jpg 1200x800  8 unchanged"
)
a4_width=595.28 a4_height=841.89 margin=28.35  # points; 10 mm
tolerance=1.5

[ -s "$pdf" ] || { echo "check_pdf: FAIL: no PDF at $pdf" >&2; exit 1; }
qpdf --check "$pdf" >"$work/qpdf.txt" 2>&1 || fail "qpdf --check: $(tail -3 "$work/qpdf.txt")"

pages="$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')"
[ "$pages" = "${#expected[@]}" ] || fail "$pages pages, expected ${#expected[@]}"

# Every page is A4 within a point.
while read -r _ number _ width _ height _; do
    awk -v w="$width" -v h="$height" -v W="$a4_width" -v H="$a4_height" \
        'BEGIN { exit !((w - W) ^ 2 <= 1 && (h - H) ^ 2 <= 1) }' ||
        fail "page $number is $width x $height pt, not A4"
done < <(pdfinfo -f 1 -l "${pages:-0}" "$pdf" | grep -E '^Page +[0-9]+ size:' | tr -s ' ' | sed 's/ pts.*//')

# Each page holds one image, of its source's size (turned: sides swapped).
pdfimages -list "$pdf" | awk 'NR > 2 { print $1, $4 "x" $5, $8 }' >"$work/images.txt"
for row in "${expected[@]}"; do
    read -r page source size bits _ <<<"$row"
    found="$(awk -v p="$page" '$1 == p { print $2, $3 }' "$work/images.txt")"
    [ "$found" = "$size $bits" ] ||
        fail "page $page should hold $source as $size, $bits bit: it holds \"${found//$'\n'/; }\""
done

# Unchanged JPEG pages carry the source file itself.
for row in "${expected[@]}"; do
    read -r page source _ _ fate <<<"$row"
    [ "$fate" = unchanged ] || continue
    pdfimages -all -f "$page" -l "$page" "$pdf" "$work/page$page"
    cmp -s "$work/page$page-000.jpg" "$sources/$source" ||
        fail "page $page's JPEG stream is not $source byte for byte"
done

# Both renderers read every page without complaint.
for row in "${expected[@]}"; do
    read -r page _ <<<"$row"
    pdftoppm -r 72 -gray -f "$page" -l "$page" -singlefile "$pdf" "$work/render$page" \
        2>>"$work/poppler.txt" || fail "pdftoppm failed on page $page"
done
[ -s "$work/poppler.txt" ] && fail "pdftoppm: $(head -3 "$work/poppler.txt")"
mutool draw -q -r 36 -o "$work/mupdf%d.png" "$pdf" 2>"$work/mupdf.txt" || fail "mutool draw failed"
# This MuPDF is built without colour management; it says so on every run.
grep -v 'ICC support is not available' "$work/mupdf.txt" | grep -iE 'error|warning' &&
    fail "mutool draw complained"

# At 72 dpi a pixel is a point: the printed area (what is not white) lies
# inside the margins, touches them on one axis when the image was scaled,
# and sits in the middle when it was small enough to keep its size.
for row in "${expected[@]}"; do
    read -r page source _ _ fate <<<"$row"
    image="$work/render$page.pgm"
    [ -s "$image" ] || { fail "page $page was not rendered"; continue; }
    read -r box page_w page_h <<<"$(convert "$image" -fuzz 8% -format '%@ %w %h' info:)"
    IFS='x+' read -r w h x y <<<"$box"
    awk -v x="$x" -v y="$y" -v w="$w" -v h="$h" -v W="$page_w" -v H="$page_h" -v m="$margin" \
        -v t="$tolerance" -v fate="$fate" 'BEGIN {
            inside = x >= m - t && y >= m - t && x + w <= W - m + t && y + h <= H - m + t
            fills = (x <= m + t && x + w >= W - m - t) || (y <= m + t && y + h >= H - m - t)
            centred = (x + w / 2 - W / 2) ^ 2 <= 4 && (y + h / 2 - H / 2) ^ 2 <= 4
            exit !(inside && (fate == "converted" ? centred : fills))
        }' || fail "page $page ($source, $fate): printed area ${w}x${h} at $x,$y on ${page_w}x${page_h}"
done

# The one-bit page was turned right: its corner block, top left in the
# source, is now top right.
row="${expected[3]}"
read -r page _ <<<"$row"
image="$work/render$page.pgm"
if [ -s "$image" ]; then
    read -r box <<<"$(convert "$image" -fuzz 8% -format '%@' info:)"
    IFS='x+' read -r w h x y <<<"$box"
    shade() { convert "$image" -format "%[fx:round(255*p{$1,$2}.intensity)]" info:; }
    right="$(shade $((x + w * 82 / 100)) $((y + h / 4)))"
    left="$(shade $((x + w * 18 / 100)) $((y + h / 4)))"
    [ "$right" -lt 64 ] && [ "$left" -gt 192 ] ||
        fail "page $page is not turned right (top right shade $right, top left $left)"
fi

[ "$failures" -eq 0 ] && echo "check_pdf: $pdf passed"
exit $((failures > 0))
