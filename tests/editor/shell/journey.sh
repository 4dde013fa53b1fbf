#!/usr/bin/env bash
# The editor driven as a user would: Tessel.exe under Wine in a virtual desktop on the test
# display, real X keys and mouse through xdotool, screenshots of every step, pixels read
# where a chip must be, and the saved files compared byte by byte with the originals.
#
#   journey.sh <Tessel.exe> <probe.exe> <sample game folder> <output folder> [full|short]
#
# "short" opens, edits, saves and checks the files, and tries the Alt shortcuts and the menu
# keys (the run without Direct3D); "full" also undoes, redoes, reopens, edits an area's record
# in the area data editor, answers the exit question every way, resizes and opens a damaged
# scenario. Needs DISPLAY and WINEPREFIX (the test command sets both).
set -euo pipefail

source "$(dirname "$0")/journey_lib.sh"
JOURNEY=journey DESKTOP=tesselJourney MODE=${5:-full}
journey_begin "$@"
cp -r "$SAMPLE" "$WORK/original"
MAPS="$GAME/Default/Data"
ORIG="$WORK/original/Default/Data"
set_install_directory "$(winpath "$GAME")"

screen_pixel() {
    import -window root "$WORK/probe.png"
    convert "$WORK/probe.png" -format "%[pixel:p{$1,$2}]" info:
}
# Whether cell (x, y) shows chip c.
shows_chip() {
    local point
    point=$(cell_point "$1" "$2" 8 14)
    [ "$(screen_pixel $point)" = "$(chip_pixel "$3")" ]
}
expect_chip() {
    wait_until 5 shows_chip "$1" "$2" "$3" ||
        fail "cell ($1,$2) does not show chip $3 ($4)"
}
# Offsets at which two files differ, one per line.
differences() { cmp -l "$1" "$2" | awk '{print $1 - 1}' || true; }
saved() { ! cmp -s "$1" "$2"; }

# --- open "Default" from the File menu ----------------------------------------------------
start_editor
locate_view
wait_until 5 title_is "Tessel 0.60" || fail "start title: $(probe)"
shot start
key alt+f
shot file-menu
key Down Down Down Down Down Return  # open, reload, save, save as, exit, then Default
wait_until 10 title_is "$(winpath "$GAME/Default") - Tessel" || fail "open title: $(probe)"
chip_1_0=$(byte_at "$ORIG/BMap_No1" $((1 * 32 + 0)))
expect_chip 1 0 "$chip_1_0" "map 1 after opening"
shot map-1

# --- next map, a rectangle of cells selected with the mouse, Space sets chip 1 ------------
key ctrl+Next
A=(2 2) B=(4 3)
expect_chip "${A[@]}" "$(byte_at "$ORIG/BMap_No2" $((A[0] * 32 + A[1])))" "map 2"
shot map-2
key ctrl+e  # rectangle
read -r ax ay < <(cell_point "${A[@]}" 16 16)
read -r bx by < <(cell_point "${B[@]}" 16 16)
xdotool mousemove --sync "$ax" "$ay" mousedown 1
xdotool mousemove --sync $((ax + 10)) $((ay + 6)) mousemove --sync "$bx" "$by"
sleep 0.2
xdotool mouseup 1
sleep 0.3
shot rectangle-selected
key space
for y in 2 3; do for x in 2 3 4; do expect_chip $x $y 1 "set with Space"; done; done
shot chips-set

if [ "$MODE" = full ]; then
    key ctrl+z
    expect_chip "${A[@]}" "$(byte_at "$ORIG/BMap_No2" $((A[0] * 32 + A[1])))" "undone"
    shot undone
    key ctrl+y
    expect_chip "${A[@]}" 1 "redone"
    shot redone
fi

# --- heights on the selection, an object and a placement at cells chosen with the keys ----
key e                   # height 1 on the selection and the cursor
key Escape Home         # nothing selected, cursor at (0, 0)
key Right Right Right Right Right Right Down Down Down Down Down Down Down Down
key d                   # object 1 (a city) at (6, 8)
key Down Down
key F7 space            # placement group 1 at (6, 10)
shot objects-heights-placement
key ctrl+s
wait_until 10 saved "$ORIG/BMap_No2" "$MAPS/BMap_No2" || fail "nothing was saved"
sleep 1
shot saved

# --- the saved files, byte by byte --------------------------------------------------------
check_saved_map() {
    local changed=0 offset cell x y
    while read -r offset; do
        [ -n "$offset" ] || continue
        changed=$((changed + 1))
        if [ "$offset" -lt 1024 ] || { [ "$offset" -ge 3072 ] && [ "$offset" -lt 4096 ]; }; then
            cell=$((offset % 1024)); x=$((cell / 32)); y=$((cell % 32))
            [ $x -ge 2 ] && [ $x -le 4 ] && [ $y -ge 2 ] && [ $y -le 3 ] ||
                fail "character or height changed outside the rectangle: offset $offset"
            [ "$(byte_at "$MAPS/BMap_No2" "$offset")" = 1 ] || fail "offset $offset is not 1"
        elif [ "$offset" -lt 2048 ]; then
            [ "$offset" -eq $((1024 + 6 * 32 + 8)) ] || fail "object changed at offset $offset"
        fi  # object orders, the placement table and the counts follow the edits
    done < <(differences "$ORIG/BMap_No2" "$MAPS/BMap_No2")
    [ "$(byte_at "$MAPS/BMap_No2" $((1024 + 6 * 32 + 8)))" = 1 ] || fail "no city at (6, 8)"
    local cities_before cities_after
    cities_before=$(od -An -tu4 -j 4416 -N4 "$ORIG/BMap_No2" | tr -d ' ')
    cities_after=$(od -An -tu4 -j 4416 -N4 "$MAPS/BMap_No2" | tr -d ' ')
    [ "$cities_after" -eq $((cities_before + 1)) ] || fail "city count $cities_before -> $cities_after"
    # Group 1 holds (6, 10) in one of its slots.
    od -An -tu1 -j 4096 -N40 -w2 "$MAPS/BMap_No2" | grep -q '^ *6 *10$' || fail "no placement"
    note "BMap_No2: $changed bytes changed, all where the edits were"
}
check_untouched() {
    local name
    for name in $(cd "$WORK/original" && find . -type f | sort); do
        case "$name" in
        ./Default/Data/BMap_No2 | ./Default/Data/AreaData) ;;
        *) cmp -s "$WORK/original/$name" "$GAME/$name" || fail "$name changed" ;;
        esac
    done
    # The area list changes only in the line of area 2 (its city count).
    diff <(sed '2d' "$ORIG/AreaData") <(sed '2d' "$MAPS/AreaData") >/dev/null ||
        fail "AreaData changed beyond area 2"
}
check_saved_map
check_untouched
note "saved files checked"
cp -r "$GAME" "$WORK/after-save"

# --- Alt shortcuts leave the menu bar alone; a lone Alt and F10 still open it ---------------
# X lets Alt go before the digit here, the order that used to leave the menu bar active.
# b makes the brush larger (shown in the status bar) and is no mnemonic of the menu bar;
# Shift+b and the same Alt key again put everything back.
menu_is() { [ "$(probe | sed -n 's/^menu=//p')" = "$1" ]; }
brush_is() { probe | grep -q "^status=.*ブラシ半径：$1\$"; }
menu_and_status() { probe | grep -E '^(menu|status)=' | tr '\n' ' '; }
for digit in 4 1 2 3 5 6 7 8 9; do
    key alt+$digit b
    wait_until 5 brush_is 1 || fail "b after Alt+$digit did not reach the map: $(menu_and_status)"
    [ $digit != 4 ] || shot alt-4-then-b
    key shift+b alt+$digit
    wait_until 5 brush_is 0 || fail "Shift+b after Alt+$digit: $(menu_and_status)"
done
menu_is off || fail "a menu is open after the Alt shortcuts"
key alt
wait_until 5 menu_is on || fail "a lone Alt opened no menu"
shot alt-alone
key Escape
wait_until 5 menu_is off || fail "Escape left the menu bar active"
key F10
wait_until 5 menu_is on || fail "F10 opened no menu"
key Escape
wait_until 5 menu_is off || fail "Escape left the menu bar active after F10"
note "Alt+1 … Alt+9 left the menu bar alone; Alt and F10 opened it"

if [ "$MODE" = full ]; then
    # --- reopen: the edits were saved -----------------------------------------------------
    key alt+f Down Down Down Down Down Return
    wait_until 10 title_is "$(winpath "$GAME/Default") - Tessel" || fail "reopen: $(probe)"
    # Opened again, the scenario comes back on the map it was left on (map 2), the cursor
    # where it was; Home takes the cursor to (0, 0), where the zoom steps below look for it.
    key Home
    expect_chip "${A[@]}" 1 "reopened"
    shot reopened

    # --- zoom with the keys and the wheel, the mini-map, a paint at 50 % ------------------
    # The status bar's parts cannot be read from another process; the vertical scroll bar's
    # range can while the bar is shown (in this window at 50 % and above): the zoomed map's
    # height and 176 pixels below it.
    zoom_is() { [ "$(probe | sed -n 's/^range=[0-9]* //p')" = $((1024 * $1 / 100 + 176)) ]; }
    expect_zoom() { wait_until 5 zoom_is "$1" || fail "not at $1 %: $(probe | grep range)"; }
    rgb_at() {
        import -window root "$WORK/probe.png"
        convert "$WORK/probe.png" -format "%[fx:int(255*p{$1,$2}.r+0.5)] %[fx:int(255*p{$1,$2}.g+0.5)] %[fx:int(255*p{$1,$2}.b+0.5)]" info:
    }
    # At 25 % the yellow cursor frame of cell (0, 0) ends at the cell's 8th pixel.
    cursor_cell_is() { [ "$(rgb_at $((VX + $1 - 1)) $((VY + 3)))" = "255 255 0" ] &&
        [ "$(rgb_at $((VX + $1)) $((VY + 3)))" != "255 255 0" ]; }
    scroll_is() { [ "$(probe | sed -n 's/^scroll=//p')" = "$1" ]; }
    # Pixel (dx, dy) of the mini-map's picture (4 pixels a cell, bottom left of the view).
    mini_point() { echo $((VX + 8 + 3 + $1)) $((VY + VH - 158 + 19 + $2)); }
    key KP_Subtract
    expect_zoom 50
    key minus  # the main keyboard's
    wait_until 5 cursor_cell_is 8 || fail "not at 25 %: $(rgb_at $((VX + 7)) $((VY + 3)))"
    shot zoom-25
    key plus  # the main keyboard's: Shift and the key beside the minus key
    expect_zoom 50
    shot zoom-50
    read -r wx wy < <(cell_point 8 5 16 16)  # a point over the map
    xdotool mousemove --sync "$wx" "$wy" keydown ctrl click 4 keyup ctrl
    expect_zoom 100
    shot zoom-100-by-wheel
    key KP_Add
    expect_zoom 200
    shot zoom-200
    # A click on cell (28, 28) of the mini-map brings that corner of the map into view.
    locate_view
    read -r mx my < <(mini_point $((28 * 4 + 1)) $((28 * 4 + 1)))
    xdotool mousemove --sync "$mx" "$my" click 1
    sleep 0.3
    read -r sx sy < <(probe | sed -n 's/^scroll=//p')
    [ "$sx" -gt 1000 ] && [ "$sy" -gt 1000 ] || fail "the mini-map did not scroll: $sx $sy"
    shot mini-map-clicked
    xdotool mousemove --sync "$wx" "$wy" keydown ctrl click 5 click 5 keyup ctrl
    expect_zoom 50
    # The mini-map's first cell brings the map's top left back.
    locate_view
    read -r mx my < <(mini_point 1 1)
    xdotool mousemove --sync "$mx" "$my" click 1
    wait_until 5 scroll_is "0 0" || fail "not scrolled home: $(probe | grep scroll)"
    # At 50 % cells are 16 pixels, odd rows shifted 8: a click on cell (9, 7) of map 3, and
    # Space sets the current chip, 1.
    key ctrl+Next F2  # back to characters: placement is still the mode
    P=(9 7)
    [ "$(byte_at "$MAPS/BMap_No3" $((P[0] * 32 + P[1])))" != 1 ] || fail "cell (9, 7) already holds 1"
    xdotool mousemove --sync $((VX + P[0] * 16 + 8 + 8)) $((VY + P[1] * 16 + 8)) click 1
    sleep 0.3
    key space
    shot painted-at-50
    cp "$MAPS/BMap_No3" "$WORK/BMap_No3.before"
    key ctrl+s
    wait_until 10 saved "$WORK/BMap_No3.before" "$MAPS/BMap_No3" || fail "the paint was not saved"
    [ "$(differences "$WORK/BMap_No3.before" "$MAPS/BMap_No3")" = $((P[0] * 32 + P[1])) ] ||
        fail "BMap_No3 changed elsewhere: $(differences "$WORK/BMap_No3.before" "$MAPS/BMap_No3" | head)"
    [ "$(byte_at "$MAPS/BMap_No3" $((P[0] * 32 + P[1])))" = 1 ] || fail "cell (9, 7) does not hold 1"
    note "painted at 50 % and saved byte-exact"
    key KP_Add
    expect_zoom 100
    key ctrl+Prior Home  # map 2, the view back at its top left
    locate_view

    # --- the area panel's [edit] opens the area data editor; Escape leaves the area alone ---
    locate_view
    xdotool mousemove --sync $((VX + VW - 248 + 20)) $((VY + 8 + 10)) click 1
    wait_until 5 has_box || fail "[edit] opened no area data editor"
    probe | grep -q '^box=AreaData編集|' || fail "another box after [edit]: $(probe)"
    shot area-editor
    key Escape
    wait_until 5 no_box || fail "the area data editor stayed after Escape: $(probe)"
    title_is "$(winpath "$GAME/Default") - Tessel" || fail "cancel changed the area: $(probe)"

    # --- the area data editor on map 2: a name and value 1 typed, OK, undo, redo, save -----
    line_before=$(sed -n 2p "$MAPS/AreaData" | tr -d '\r')
    key alt+o e
    wait_until 5 has_box || fail "no area data editor"
    probe | grep -q '^box=AreaData編集|' || fail "another box: $(probe)"
    key Home shift+End
    xdotool type --delay 60 'Bastion'
    key Tab Home shift+End
    xdotool type --delay 60 '42'
    shot area-editor-typed
    key Return
    wait_until 5 no_box || fail "the area data editor stayed: $(probe)"
    modified="$(winpath "$GAME/Default") (更新) - Tessel"
    wait_until 5 title_is "$modified" || fail "the edit is not shown: $(probe)"
    shot area-edited
    key ctrl+z
    wait_until 5 title_is "$(winpath "$GAME/Default") - Tessel" || fail "undo: $(probe)"
    key ctrl+y
    wait_until 5 title_is "$modified" || fail "redo: $(probe)"
    key ctrl+s
    line_changed() { [ "$(sed -n 2p "$MAPS/AreaData" | tr -d '\r')" != "$line_before" ]; }
    wait_until 10 line_changed || fail "the area line was not saved"
    line_after=$(sed -n 2p "$MAPS/AreaData" | tr -d '\r')
    # The name and value 1 as typed; every other field as it was.
    awk -v b="$line_before" -v a="$line_after" 'BEGIN {
        n = split(b, B, " "); m = split(a, A, " ")
        ok = n == 19 && m == 19 && A[1] == "Bastion" && A[2] == "42" && A[19] == B[19]
        for (i = 3; i <= 18; i++) if (A[i] + 0 != B[i] + 0) ok = 0
        exit !ok }' || fail "saved area line: '$line_after' (was '$line_before')"
    note "area line 2 saved as edited: $line_after"

    # --- the window grows: the map comes back after the redraw timer ----------------------
    key alt+space x
    sleep 0.2
    shot maximised-before-redraw
    locate_view
    expect_chip "${A[@]}" 1 "after the redraw timer"
    shot maximised-after-redraw


    # --- edit again, exit: Cancel stays, Yes saves and exits ------------------------------
    key F2 Home space  # back to characters: placement is still the mode
    key ctrl+q
    wait_until 5 has_box || fail "no question on exit"
    shot exit-question
    key Escape
    wait_until 5 no_box || fail "the question stayed"
    has_window || fail "Cancel closed the editor"
    key ctrl+q
    wait_until 5 has_box || fail "no question the second time"
    key y
    stop_editor
    [ "$(byte_at "$MAPS/BMap_No2" 0)" = 1 ] || fail "Yes did not save (0, 0)"
    note "exit with Yes saved"
    cp -r "$GAME" "$WORK/after-yes"

    # --- opened by argument, edited, exit with No: nothing changes ------------------------
    start_editor "$(winpath "$GAME/Default")"
    wait_until 10 title_is "$(winpath "$GAME/Default") - Tessel" || fail "argument: $(probe)"
    shot opened-by-argument
    key ctrl+Next End space  # a new start is in character mode
    key ctrl+q
    wait_until 5 has_box || fail "no question"
    key n
    stop_editor
    diff -r "$WORK/after-yes" "$GAME" >/dev/null || fail "No changed files"
    note "exit with No left every file alone"

    # --- a scenario with a missing map: told, nothing taken, nothing written --------------
    cp -r "$GAME/Default" "$GAME/Broken"
    rm "$GAME/Broken/Data/BMap_No3"
    cp -r "$GAME" "$WORK/before-broken"
    start_editor "$(winpath "$GAME/Broken")"
    wait_until 10 has_box || fail "no message about the broken scenario"
    probe | grep -q 'BMap_No3: ファイルがありません。' || fail "the box does not name the file: $(probe)"
    shot broken-scenario
    key Return
    wait_until 5 no_box || fail "the message stayed"
    title_is "Tessel 0.60" || fail "the broken scenario was taken: $(probe)"
    key ctrl+q
    stop_editor
    diff -r "$WORK/before-broken" "$GAME" >/dev/null || fail "files changed"
    note "broken scenario refused"
else
    key ctrl+q
    stop_editor
fi
note "passed ($MODE)"
