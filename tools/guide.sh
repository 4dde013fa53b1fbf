#!/usr/bin/env bash
# Makes the pictures and the keyboard table of the Japanese user guide (docs/ja/guide.md) from
# the program as built: the editor is driven under Wine as a user would drive it, on a copy of
# the sample game, and each picture is a screenshot of a step; the keyboard table comes from
# the program's own menu and accelerator table. Never edit the pictures or the table by hand:
# run this again after the program changes.
#
#   tools/guide.sh          the pictures (docs/ja/images) and the keyboard table
#   tools/guide.sh --keys   the keyboard table alone (a few seconds)
set -euo pipefail
source "$(dirname "$0")/setup.sh"
export WINEPREFIX="$TESSEL_CACHE/wine-guide"
tessel_prepare_prefix
tessel_unmanaged_windows
tessel_build_windows Tessel tessel_probe tessel_guide_keys

BUILD="$TESSEL_ROOT/build/windows"
GUIDE="$TESSEL_ROOT/docs/ja/guide.md"
IMAGES="$TESSEL_ROOT/docs/ja/images"

# --- the keyboard table, between the guide's two markers -----------------------------------
write_keys() {
    local table
    table=$(wine "$BUILD/tests/release/tessel_guide_keys.exe" | tr -d '\r' | iconv -f cp932 -t utf-8)
    [ -n "$table" ] || { tessel_note "tessel_guide_keys printed nothing"; return 1; }
    {
        sed '/<!-- keys:begin -->/q' "$GUIDE"
        echo
        echo '| メニュー | 項目 | キー |'
        echo '| --- | --- | --- |'
        echo "$table"
        echo
        sed -n '/<!-- keys:end -->/,$p' "$GUIDE"
    } >"$GUIDE.new"
    mv "$GUIDE.new" "$GUIDE"
    tessel_note "keyboard table written: $(echo "$table" | wc -l) keys"
}
write_keys
[ "${1:-}" = --keys ] && exit 0

# --- the pictures: a journey through the editor ---------------------------------------------
trap 'tessel_stop_display; wineserver -k 2>/dev/null || true; rm -f "$WINEPREFIX/dosdevices/d:"; rm -rf "$WORK"' EXIT
tessel_start_display
WORK=$(mktemp -d /tmp/tessel-guide.XXXXXX)
# The game on a drive of its own, D:\Game, so that the pictures show the same path each time.
mkdir -p "$WORK/drive"
cp -r "$BUILD/sample/game" "$WORK/drive/Game"
# Two things for the problems list to show: area 3's group 3 leads to area 40, which does not
# exist, and area 5 names music that is not there.
python3 - "$WORK/drive/Game/Default/Data/AreaData" <<'PY'
import re, sys
path = sys.argv[1]
lines = open(path, 'rb').read().split(b'\r\n')
link = list(re.finditer(rb'\S+', lines[2]))[12]
lines[2] = lines[2][:link.start()] + b'40' + lines[2][link.end():]
music = list(re.finditer(rb'\S+', lines[4]))[-1]
lines[4] = lines[4][:music.start()] + b'nai.mid' + lines[4][music.end():]
open(path, 'wb').write(b'\r\n'.join(lines))
PY
ln -sfn "$WORK/drive" "$WINEPREFIX/dosdevices/d:"
wine reg add 'HKLM\SOFTWARE\Kest\Molva' /v Directory /t REG_SZ /d 'D:\Game' /f >/dev/null 2>&1
PROBE="$BUILD/tests/editor/shell/tessel_probe.exe"
DESKTOP=tesselGuide
WIDTH=960 HEIGHT=720

fail() { tessel_note "guide: FAILED: $*"; exit 1; }
probe() { timeout 20 wine explorer /desktop=$DESKTOP "$PROBE" 2>/dev/null | tr -d '\r' | iconv -f cp932 -t utf-8 || true; }
wait_until() {
    local limit=$1; shift
    local end=$((SECONDS + limit))
    until "$@"; do [ $SECONDS -lt $end ] || return 1; sleep 0.2; done
}
has_window() { probe | grep -q '^title='; }
has_box() { probe | grep -q '^box='; }
no_box() { ! has_box; }
title_is() { [ "$(probe | sed -n 's/^title=//p')" = "$1" ]; }
key() { xdotool key --delay 80 "$@"; sleep 0.4; }
locate_view() {
    read -r VX VY VW VH < <(probe | sed -n 's/^view=//p')
    [ -n "${VH:-}" ] || fail "no map view"
}
# Screen position of the middle of cell (x, y), with the view unscrolled.
cell_point() { echo $((VX + $1 * 32 + ($2 % 2) * 16 + 16)) $((VY + $2 * 32 + 16)); }
drag() {
    xdotool mousemove --sync "$1" "$2" mousedown 1
    xdotool mousemove --sync $(($1 + 8)) $(($2 + 4)) mousemove --sync "$3" "$4"
    sleep 0.3
    xdotool mouseup 1
    sleep 0.4
}
mkdir -p "$WORK/shots"
# 256 colours without dithering: the pictures look the same and take a fifth of the room.
shot() {
    sleep 0.5
    import -window root "$WORK/screen.png"
    convert "$WORK/screen.png" -crop "${WIDTH}x${HEIGHT}+0+0" +repage +dither -colors 256 \
        "$WORK/shots/$1.png"
}

# A first start: settings of its own, none remembered from an earlier run.
(cd "$WORK" && TESSEL_SETTINGS="Z:${WORK//\//\\}\\settings" exec wine explorer \
    /desktop=$DESKTOP,${WIDTH}x${HEIGHT} "$BUILD/editor/shell/Tessel.exe" >"$WORK/wine.log" 2>&1) &
# The probe runs in the editor's desktop: it may look only once the editor made that desktop,
# or it would make one of its own.
desktop() { xdotool search --name "^$DESKTOP - Wine desktop\$" 2>/dev/null | head -1; }
has_desktop() { [ -n "$(desktop)" ]; }
wait_until 120 has_desktop || fail "no desktop: $(tail -5 "$WORK/wine.log")"
wait_until 120 has_window || fail "the editor did not start: $(tail -5 "$WORK/wine.log")"
desktop=$(desktop)
xdotool windowfocus --sync "$desktop" 2>/dev/null || true
key alt+space x  # the window fills the desktop
sleep 1
shot start-panel
key alt+f
shot file-menu
key Down Down Down Down Down Return  # below the file items: the first scenario, Default
wait_until 20 title_is 'D:\Game\Default - Tessel' || fail "Default did not open"
locate_view
sleep 1
shot map

# A rectangle selected with the mouse, then Space sets the current terrain chip on it.
key ctrl+e
read -r ax ay < <(cell_point 2 3)
read -r bx by < <(cell_point 6 6)
drag "$ax" "$ay" "$bx" "$by"
shot select-rectangle
key space
shot set-terrain

# A hexagon of heights.
key Escape F4 ctrl+h
read -r ax ay < <(cell_point 9 10)
read -r bx by < <(cell_point 11 10)
drag "$ax" "$ay" "$bx" "$by"
key space
shot heights

# Objects: the object mode shows the chooser of object chips; a wall is chosen there and set
# on a line of cells.
key Escape F3
shot chooser-objects
# Chip 18 (walls are 16..24): column 8, row 1 of the chooser's grid.
xdotool mousemove --sync $((VX + VW - 348 + 6 + 33 * 8 + 16)) $((VY + VH - 168 + 24 + 33 + 16)) click 1
sleep 0.5
key ctrl+l
read -r ax ay < <(cell_point 3 12)
read -r bx by < <(cell_point 8 12)
drag "$ax" "$ay" "$bx" "$by"
key space
shot object

# Placement group 1 on a line of cells.
key Escape F7 ctrl+l
read -r ax ay < <(cell_point 1 14)
read -r bx by < <(cell_point 7 14)
drag "$ax" "$ay" "$bx" "$by"
key space
shot placement

# The fill shape: a click selects the connected cells of the same terrain chip.
key Escape F2 ctrl+b
read -r ax ay < <(cell_point 3 5)
xdotool mousemove --sync "$ax" "$ay" click 1
sleep 0.5
shot fill
key Escape ctrl+f

# Zoomed out to 50 %, with the mini-map in its corner; then back to 100 %.
key minus
shot zoom-minimap
key plus

key alt+e
shot edit-menu
key Escape Escape

# The area data editor of the current area; Escape cancels it.
key alt+o e
wait_until 10 has_box || fail "no area data editor"
shot area-editor
key Escape
wait_until 10 no_box || fail "the area data editor stayed"

# Deleting a map asks first; No keeps it.
key shift+ctrl+d
wait_until 10 has_box || fail "no question before deleting a map"
shot map-delete-question
key n
wait_until 10 no_box || fail "the delete question stayed"

# The overview of every area beside the editor; Alt+F4 puts it away.
key ctrl+g
sleep 2
shot overview
key alt+F4
sleep 0.5

# The replace across maps asks for the values and the scope, and says how many cells it finds.
key shift+ctrl+h
wait_until 10 has_box || fail "no replace dialog"
key Tab
xdotool type --delay 80 30
key Tab End
shot replace-dialog
key Escape
wait_until 10 no_box || fail "the replace dialog stayed"

# The eyedropper: Alt+click takes the terrain chip of a cell; the status bar says which.
key F2
read -r ax ay < <(cell_point 12 8)
xdotool mousemove --sync "$ax" "$ay" keydown alt click 1 keyup alt
sleep 0.5
shot eyedropper

# The problems list beside the editor; Alt+F4 puts it away.
key ctrl+shift+p
sleep 2
shot problems-list
key alt+F4
sleep 0.5

# The version dialog from the last menu; Return presses its OK.
key alt+o a
wait_until 10 has_box || fail "no version dialog"
shot version-dialog
key Return
wait_until 10 no_box || fail "the version dialog stayed"

# Leaving with unsaved edits: the question.
key ctrl+q
wait_until 10 has_box || fail "no question on exit"
shot exit-question
key n
wait_until 20 eval '! has_window' || fail "the editor did not exit"

rm -rf "$IMAGES"
mkdir -p "$IMAGES"
cp "$WORK"/shots/*.png "$IMAGES/"
tessel_note "pictures written: $(ls "$IMAGES" | wc -l) in docs/ja/images ($(du -sh "$IMAGES" | cut -f1))"
