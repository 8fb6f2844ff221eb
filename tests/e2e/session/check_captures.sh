#!/usr/bin/env bash
# Checks the screenshots of the window-steps case: restored.bmp shows the
# 700x500 main window, maximised.bmp the window filling the 1280-pixel-wide
# screen; both show the window's grey background somewhere.
#   check_captures.sh <case folder>
set -euo pipefail
cd "$1"
size() { identify -format '%wx%h' "$1"; }
[ "$(size restored.bmp)" = 700x500 ] || { echo "restored.bmp is $(size restored.bmp)" >&2; exit 1; }
read -r width height <<<"$(identify -format '%w %h' maximised.bmp)"
[ "$width" = 1280 ] && [ "$height" -gt 900 ] || { echo "maximised.bmp is ${width}x$height" >&2; exit 1; }
for shot in restored.bmp maximised.bmp; do
    grey="$(convert "$shot" -fill black +opaque 'rgb(127,127,127)' -format '%[fx:mean>0]' info:)"
    [ "$grey" = 1 ] || { echo "$shot shows none of the window's grey" >&2; exit 1; }
done
echo "check_captures: passed"
