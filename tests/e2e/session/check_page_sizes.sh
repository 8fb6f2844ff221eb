#!/usr/bin/env bash
# Checks the order of a PDF's pages by the pixel size of the image each holds:
#   check_page_sizes.sh <pdf> <size>[|<size>...] ...
# Each argument stands for pages in a row; an argument listing sizes joined
# by "|" stands for as many pages holding those sizes in any order (the
# files of one folder, which come in the order the file system gives).
set -uo pipefail
pdf="$1"
shift
[ -s "$pdf" ] || { echo "check_page_sizes: FAIL: no PDF at $pdf" >&2; exit 1; }
mapfile -t found < <(pdfimages -list "$pdf" | awk 'NR > 2 { print $4 "x" $5 }')
expected=()
for group in "$@"; do
    IFS='|' read -ra sizes <<<"$group"
    have=("${found[@]:${#expected[@]}:${#sizes[@]}}")
    for size in "${sizes[@]}"; do
        expected+=("$size")
    done
    [ "$(printf '%s\n' "${have[@]}" | sort)" = "$(printf '%s\n' "${sizes[@]}" | sort)" ] || {
        echo "check_page_sizes: FAIL: pages hold ${found[*]}, expected $*" >&2
        exit 1
    }
done
[ "${#found[@]}" = "${#expected[@]}" ] || {
    echo "check_page_sizes: FAIL: ${#found[@]} pages (${found[*]}), expected ${#expected[@]}" >&2
    exit 1
}
echo "check_page_sizes: $pdf passed"
