# What the journeys share: Tessel.exe under Wine in a virtual desktop of the test display,
# driven with real X keys and mouse through xdotool, read back through the probe (which runs
# in the same desktop), with a screenshot of every step.
#
# Sourced after `set -euo pipefail` and journey_begin; a journey names itself in JOURNEY and
# its desktop in DESKTOP, and may define journey_extra_cleanup.

absolute() { echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; }
winpath() { echo "Z:${1//\//\\}"; }

# Arguments <Tessel.exe> <probe.exe> <sample game folder> <output folder>: EXE, PROBE, SAMPLE,
# and WORK (the output folder, emptied) with the game copied to GAME. The editor logs its
# information and errors to $WORK/debug.log (a marker file per level in its working folder).
journey_begin() {
    EXE=$(absolute "$1") PROBE=$(absolute "$2") SAMPLE=$3
    rm -rf "$4" && mkdir -p "$4/shots"
    WORK=$(cd "$4" && pwd)
    GAME="$WORK/game"
    cp -r "$SAMPLE" "$GAME"
    touch "$WORK/info" "$WORK/warning" "$WORK/error"
    EDITOR_PID=
    JOURNEY_PID=$BASHPID
    trap journey_cleanup EXIT
}

# The game's install directory as the editor reads it from the registry, put back as it was
# when the journey ends. A new prefix names none yet: then there is nothing to put back.
INSTALL_KEY='HKLM\SOFTWARE\Kest\Molva'
INSTALL_SET=
PREVIOUS_INSTALL=
set_install_directory() {
    PREVIOUS_INSTALL=$(wine reg query "$INSTALL_KEY" /v Directory 2>/dev/null | tr -d '\r' \
        | sed -n 's/.*REG_SZ *//p') || PREVIOUS_INSTALL=
    INSTALL_SET=1
    wine reg add "$INSTALL_KEY" /v Directory /t REG_SZ /d "$1" /f >/dev/null 2>&1
}

journey_cleanup() {
    [ "$BASHPID" = "$JOURNEY_PID" ] || return 0  # a subshell ending
    if [ -n "$EDITOR_PID" ]; then
        kill "$EDITOR_PID" 2>/dev/null || true
        end_editor_processes
    fi
    if declare -F journey_extra_cleanup >/dev/null; then
        journey_extra_cleanup
    fi
    if [ -n "$INSTALL_SET" ] && [ -n "$PREVIOUS_INSTALL" ]; then
        wine reg add "$INSTALL_KEY" /v Directory /t REG_SZ /d "$PREVIOUS_INSTALL" /f >/dev/null 2>&1 || true
    elif [ -n "$INSTALL_SET" ]; then
        wine reg delete "$INSTALL_KEY" /v Directory /f >/dev/null 2>&1 || true
    fi
    # The desktop closes a moment after its last program; the next test's windows must not
    # open under it.
    local end=$((SECONDS + 10))
    while [ -n "$(desktop)" ] && [ $SECONDS -lt $end ]; do sleep 0.2; done
}

step=0
shot() { step=$((step + 1)); import -window root "$WORK/shots/$(printf %02d "$step")-$1.png"; }
fail() {
    echo "$JOURNEY: FAILED: $*" >&2
    shot failure
    [ -f "$WORK/debug.log" ] && iconv -f cp932 -t utf-8 "$WORK/debug.log" | tail -20 >&2
    exit 1
}
note() { echo "$JOURNEY: $*"; }

probe() { timeout 20 wine explorer /desktop=$DESKTOP "$PROBE" 2>/dev/null | tr -d '\r' | iconv -f cp932 -t utf-8 || true; }
# Waits up to $1 seconds for the command to succeed.
wait_until() {
    local limit=$1; shift
    local end=$((SECONDS + limit))
    until "$@"; do
        [ $SECONDS -lt $end ] || return 1
        sleep 0.2
    done
}
desktop() { xdotool search --name "^$DESKTOP - Wine desktop\$" 2>/dev/null | head -1; }
has_desktop() { [ -n "$(desktop)" ]; }
has_window() { probe | grep -q '^title='; }
no_window() { ! has_window; }
title_is() { [ "$(probe | sed -n 's/^title=//p')" = "$1" ]; }
has_box() { probe | grep -q '^box='; }
no_box() { ! has_box; }
key() { xdotool key --delay 60 "$@"; sleep 0.3; }

# Starts the editor with these arguments in the journey's desktop and gives it the keyboard.
# The probe may look only once the editor made the desktop, or it would make one of its own.
# Every start is a first start, its settings in a new folder of the journey's, unless the
# journey names one folder in SETTINGS: what one start remembers reaches no other.
STARTS=0
start_editor() {
    STARTS=$((STARTS + 1))
    local settings=${SETTINGS:-$WORK/settings-$STARTS}
    (cd "$WORK" && TESSEL_SETTINGS=$(winpath "$settings") \
        exec wine explorer /desktop=$DESKTOP,1280x1000 "$EXE" "$@" >>"$WORK/wine.log" 2>&1) &
    EDITOR_PID=$!
    wait_until 30 has_desktop || fail "no desktop"
    wait_until 30 has_window || fail "no editor window"
    xdotool windowfocus --sync "$(desktop)" 2>/dev/null || true
}
editor_ended() { ! kill -0 "$EDITOR_PID" 2>/dev/null; }
# After the editor was asked to leave.
stop_editor() {
    wait_until 20 no_window || fail "the editor did not close"
    wait_until 30 editor_ended || fail "the editor did not end"
    wait "$EDITOR_PID" 2>/dev/null || true
    EDITOR_PID=
}
# Killing the wrapper leaves the editor's own process running, and a leftover editor keeps
# the desktop open under the next journey: end the Wine processes of this EXE in this prefix
# (another test may run the same EXE in a prefix of its own at the same time).
end_editor_processes() {
    [ -n "${WINEPREFIX:-}" ] || return 0
    local dir
    for dir in /proc/[0-9]*; do
        case "$(readlink "$dir/exe" 2>/dev/null)" in *wine*) ;; *) continue ;; esac
        tr '\0' '\n' <"$dir/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" || continue
        if tr '\0' ' ' <"$dir/cmdline" 2>/dev/null | grep -qiF -e "$EXE" -e "$(winpath "$EXE")"; then
            kill "${dir#/proc/}" 2>/dev/null || true
        fi
    done
}

# The map view's place on the screen (the desktop sits at the root's origin).
locate_view() {
    read -r VX VY VW VH < <(probe | sed -n 's/^view=//p')
    [ -n "${VH:-}" ] || fail "no map view"
}
# Screen position of pixel (dx, dy) of cell (x, y) of the map, with the view unscrolled.
cell_point() { echo $((VX + $1 * 32 + ($2 % 2) * 16 + $3)) $((VY + $2 * 32 + $4)); }
# A file's byte at an offset, in decimal.
byte_at() { od -An -tu1 -j "$2" -N1 "$1" | tr -d ' '; }
# The chip picture's pixel that a cell holding chip c shows at (8, 14).
chip_pixel() {
    convert "$GAME/Default/Picture/BMAPCHAR.BMP" -format \
        "%[pixel:p{$(($1 % 20 * 32 + 8)),$(($1 / 20 * 32 + 14))}]" info:
}
