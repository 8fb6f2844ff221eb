#!/usr/bin/env bash
# Sets up the machine, builds Dravolt and starts it under Wine: on $DISPLAY
# when there is one, otherwise on an Xvfb display of its own, in which case a
# screenshot of the main window is saved to build/screenshot.png a few
# seconds after start.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/paths.sh"

"$here/setup.sh"
"$here/build.sh" mingw
program="$DRAVOLT_MINGW_BUILD/out/Dravolt.exe"

if [ -n "${DISPLAY:-}" ]; then
    "$here/wine.sh" prefix "$DRAVOLT_MINGW_BUILD"
    export WINEPREFIX="$DRAVOLT_MINGW_BUILD/wineprefix" WINEDEBUG=-all
    exec wine "$program"
fi

"$here/wine.sh" start "$DRAVOLT_MINGW_BUILD"
trap '"$here/wine.sh" stop "$DRAVOLT_MINGW_BUILD"' EXIT INT TERM
display=":$(cat "$DRAVOLT_MINGW_BUILD/wine-session/display")"
DRAVOLT_WINE_TIMEOUT=0 "$here/wine.sh" run "$DRAVOLT_MINGW_BUILD" "$program" &
sleep "${DRAVOLT_SCREENSHOT_DELAY:-10}"
DISPLAY="$display" import -window root "$DRAVOLT_ROOT/build/screenshot.png"
echo "run.sh: Dravolt runs on display $display; screenshot saved to build/screenshot.png"
echo "run.sh: the program ends when its window is closed (or press Ctrl+C here)"
wait || true
