#!/usr/bin/env bash
# Builds Tessel and starts the editor under Wine, with the sample game as the installed game
# (its scenarios are in the File menu). Installs what is missing first. An argument names a
# scenario folder to open at start, as a Windows path (for example Z:\home\me\game\Default).
#
# Without a display the editor runs on a virtual one, where nobody sees it: there it opens the
# sample scenario (or the folder given), writes a picture of the editor to build/start.png once
# the map shows, and says how to reach the editor while it runs.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

export WINEPREFIX="$TESSEL_CACHE/wine"
tessel_prepare_prefix
tessel_build_windows
tessel_register_game

exe="$TESSEL_ROOT/build/windows/editor/shell/Tessel.exe"
if [ -n "${DISPLAY:-}" ]; then
    cd "$(dirname "$exe")"
    exec wine "$exe" "$@"
fi

trap 'tessel_stop_display' EXIT
tessel_start_display
tessel_note "no display was set: the editor runs on the virtual display $DISPLAY"
sample="$TESSEL_ROOT/build/windows/sample/game/Default"
[ $# -gt 0 ] || set -- "Z:${sample//\//\\}"
shot="$TESSEL_ROOT/build/start.png"
rm -f "$shot"
(cd "$(dirname "$exe")" && exec wine "$exe" "$@") &
editor=$!

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
    tessel_note "the map did not show within 40 seconds; the screen as it is:"
fi
cat >&2 <<TEXT
tessel: picture of the editor: $shot
tessel: the editor runs on the virtual display $DISPLAY until it exits (Ctrl+C here ends it):
tessel:   another picture:  DISPLAY=$DISPLAY import -window root shot.png
tessel:   keys and mouse:   DISPLAY=$DISPLAY xdotool search --name ' - Tessel\$' windowfocus --sync key ctrl+Next
tessel:   to watch it live: a VNC server on the display, e.g. x11vnc -display $DISPLAY
TEXT
wait "$editor" || true
