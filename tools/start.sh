#!/usr/bin/env bash
# Builds Tessel and starts the editor under Wine, with the sample game as the installed game
# (its scenarios are in the File menu). Installs what is missing first. An argument names a
# scenario folder to open at start, as a Windows path (for example Z:\home\me\game\Default).
#
# Without a display the editor runs on a virtual one, where nobody sees it: there it opens the
# sample scenario (or the folder given), writes a picture of the editor to build/start.png once
# the map shows, says how to reach the editor, and runs until the editor exits or this script
# is stopped (Ctrl+C or SIGTERM end both the editor and its display). When the editor ends
# before its map shows, or the map does not show, it says which, with Wine's error lines, and
# exits with 1.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

export WINEPREFIX="$TESSEL_CACHE/wine"
exe="$TESSEL_ROOT/build/windows/editor/shell/Tessel.exe"

if [ -n "${DISPLAY:-}" ]; then
    tessel_prepare_prefix
    tessel_build_windows
    tessel_register_game
    cd "$(dirname "$exe")"
    exec wine "$exe" "$@"
fi

# A Wine session keeps the display it was started with, and every Wine program of the prefix
# joins the running session: one left from a command run a moment ago without a display ends
# within seconds, so it is waited for; then the virtual display comes first, so that the
# prefix's set-up, the build's runs of the sample generator and the game's registration all
# start the new session on it.
if ! timeout 20 wineserver -w 2>/dev/null; then
    tessel_note "another Wine program of $WINEPREFIX still runs; the editor joins its session"
fi
editor=
stop_all() {
    if [ -n "$editor" ] && kill -0 "$editor" 2>/dev/null; then
        kill "$editor" 2>/dev/null || true
    fi
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    tessel_stop_display
}
trap stop_all EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
tessel_start_display
tessel_note "no display was set: the editor runs on the virtual display $DISPLAY"
tessel_prepare_prefix
tessel_build_windows
tessel_register_game

sample="$TESSEL_ROOT/build/windows/sample/game/Default"
[ $# -gt 0 ] || set -- "Z:${sample//\//\\}"
shot="$TESSEL_ROOT/build/start.png"
wine_log="$TESSEL_ROOT/build/start-wine.log"
rm -f "$shot"
# Wine's error lines only, to say why the editor did not show if it does not.
(cd "$(dirname "$exe")" && WINEDEBUG=-all,err+all exec wine "$exe" "$@") >"$wine_log" 2>&1 &
editor=$!
launched=$SECONDS

# Says what went wrong, with the Wine error lines that explain it, and ends everything.
give_up() {
    tessel_note "$1"
    if grep -q ':err:' "$wine_log" 2>/dev/null; then
        tessel_note "Wine's error lines ($wine_log):"
        grep ':err:' "$wine_log" | tail -n 12 | sed 's/^/tessel:   /' >&2
    fi
    exit 1
}

# The editor's window once its title names the scenario, then the map in its middle.
window=
for _ in $(seq 1 150); do
    kill -0 "$editor" 2>/dev/null || break
    window=$(xdotool search --name ' - Tessel$' 2>/dev/null | head -1) || true
    [ -n "$window" ] && break
    sleep 0.2
done
shown=
if [ -n "$window" ]; then
    # The pointer on the map, away from the panels, whose rows it would mark.
    xdotool mousemove --window "$window" 40 60 2>/dev/null || true
    for _ in $(seq 1 50); do
        kill -0 "$editor" 2>/dev/null || break
        if import -window "$window" "$shot" 2>/dev/null &&
            [ "$(convert "$shot" -gravity center -crop 50%x50%+0+0 -format '%[fx:mean > 0.1]' info:)" = 1 ]; then
            shown=1
            break
        fi
        sleep 0.2
    done
fi
if [ -z "$shown" ]; then
    import -window root "$shot" 2>/dev/null || true
    if ! kill -0 "$editor" 2>/dev/null; then
        status=0
        wait "$editor" || status=$?
        editor=
        give_up "the editor ended (exit status $status) before its map showed; the screen was left in $shot"
    fi
    give_up "the map did not show within $((SECONDS - launched)) seconds; the screen as it was is in $shot"
fi
cat >&2 <<TEXT
tessel: picture of the editor: $shot
tessel: the editor runs on the virtual display $DISPLAY until it exits (Ctrl+C here ends it):
tessel:   another picture:  DISPLAY=$DISPLAY import -window root shot.png
tessel:   keys and mouse:   DISPLAY=$DISPLAY xdotool search --name ' - Tessel\$' windowfocus --sync key ctrl+Next
tessel:   to watch it live: a VNC server on the display, e.g. x11vnc -display $DISPLAY
TEXT
status=0
wait "$editor" || status=$?
editor=
exit "$status"
