#!/usr/bin/env bash
# Runs Windows programs of a build under Wine, with a Wine prefix owned by
# that build folder and one Xvfb display shared by everything it runs.
#
#   wine.sh start BUILD           create the prefix if needed, start Xvfb
#   wine.sh prefix BUILD          only create the prefix (uses $DISPLAY)
#   wine.sh run   BUILD PROGRAM…  run a program (starts the session if needed)
#   wine.sh stop  BUILD           end every Wine process of the prefix and Xvfb
#
# ctest uses "run" as the emulator of every Windows test program; the start
# and stop steps are ctest fixtures around them.
set -euo pipefail

cmd="$1" build="$(cd "$2" && pwd)"
shift 2
session="$build/wine-session"
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64

display_alive() {
    [ -s "$session/display" ] && [ -s "$session/xvfb.pid" ] &&
        kill -0 "$(cat "$session/xvfb.pid")" 2>/dev/null
}

start_xvfb() {
    display_alive && return
    mkdir -p "$session"
    rm -f "$session/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$session/display" \
        >"$session/xvfb.log" 2>&1 &
    echo $! >"$session/xvfb.pid"
    for _ in $(seq 100); do
        [ -s "$session/display" ] && return
        sleep 0.1
    done
    echo "wine.sh: Xvfb did not start" >&2
    return 1
}

# The prefix is made once per build folder (about 40 s) and reused.
make_prefix() {
    [ -f "$WINEPREFIX/.dravolt-ready-3" ] && return
    echo "wine.sh: creating Wine prefix $WINEPREFIX" >&2
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    # A crash must end the program quietly, never wait in a crash dialog.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    # Xvfb has no window manager: let Wine place and size its windows itself,
    # so a maximised window really fills the screen.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    # An empty debugger command means no debugger is started at all.
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ \
        /d "" /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.dravolt-ready-3"
}

start() {
    mkdir -p "$session"
    exec 9>"$session/lock"
    flock 9
    start_xvfb
    DISPLAY=":$(cat "$session/display")" make_prefix
    flock -u 9
}

stop() {
    wineserver -k 2>/dev/null || true
    if [ -s "$session/xvfb.pid" ]; then
        kill "$(cat "$session/xvfb.pid")" 2>/dev/null || true
    fi
    rm -f "$session/display" "$session/xvfb.pid"
}

case "$cmd" in
start) start ;;
prefix) make_prefix ;;
stop) stop ;;
run)
    display_alive && [ -f "$WINEPREFIX/.dravolt-ready-3" ] || start
    export DISPLAY=":$(cat "$session/display")"
    # A hung program must not hang the run: end it, and say so.
    timeout -k 10 "${DRAVOLT_WINE_TIMEOUT:-600}" wine "$@"
    ;;
*) echo "usage: wine.sh start|run|stop BUILD [PROGRAM ARGS...]" >&2; exit 2 ;;
esac
