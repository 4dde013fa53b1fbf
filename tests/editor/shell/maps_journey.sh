#!/usr/bin/env bash
# The Data menu's six commands on the list of areas driven as a user would: Tessel.exe under
# Wine in a virtual desktop on the test display, real X keys through xdotool, the questions and
# the move dialog answered with keys, screenshots of every step, then the saved AreaData file
# and map files read back and compared with the originals.
#
#   maps_journey.sh <Tessel.exe> <probe.exe> <sample game folder> <output folder>
#
# On "Default" (16 areas A1..A16): copy A3's map, remove A3 (after saying No once), move A4
# to 1 (after a position out of range), add a new area N at the end, write the copy over its
# map, insert a new area I with the copy before the first, undo and redo that, and save. The
# saved list must be I A4 A1 A2 A5..A16 N, every group link mapped to the new numbers (links
# to A3 0), and each map file the map of its area. Needs DISPLAY and WINEPREFIX (the test command sets both).
set -euo pipefail

source "$(dirname "$0")/journey_lib.sh"
JOURNEY="maps journey" DESKTOP=tesselMaps
journey_begin "$@"
cp -r "$SAMPLE" "$WORK/original"
MAPS="$GAME/Default/Data"
ORIG="$WORK/original/Default/Data"
set_install_directory "$(winpath "$GAME")"
note() { echo "$JOURNEY: $* (${SECONDS} s)"; }
# What the editor shows, read once into SEEN and then taken apart: every probe starts a Wine
# process, so each check reads one.
SEEN=
look() { SEEN=$(probe); }
seen() { sed -n "s/^$1=//p" <<<"$SEEN"; }
# The open box's caption and text, which may run over several lines.
seen_box() { sed -n '/^box=/,$p' <<<"$SEEN" | sed '1s/^box=//'; }
has_window() { look; grep -q '^title=' <<<"$SEEN"; }
title_is() { look; [ "$(seen title)" = "$1" ]; }
has_box() { look; [ -n "$(seen_box)" ]; }
# Title and status bar text, with no box open.
shows() { look; [ "$(seen title)" = "$1" ] && [ "$(seen status)" = "$2" ] && [ -z "$(seen_box)" ]; }
status_is() { look; [ "$(seen status)" = "$1" ] && [ -z "$(seen_box)" ]; }
# The cursor's status text, which other values may follow.
status_begins() { look; [[ "$(seen status)" == "$1"* ]] && [ -z "$(seen_box)" ]; }
key() { xdotool key --delay 80 "$@"; sleep 0.4; }

OPEN_TITLE="$(winpath "$GAME/Default") - Tessel"
CHANGED_TITLE="$(winpath "$GAME/Default") (更新) - Tessel"
# The name of area n of the original list.
name() { sed -n "${1}p" "$ORIG/AreaData" | iconv -f cp932 -t utf-8 | awk '{print $1}'; }

start_editor
key alt+f Down Down Down Down Down Return  # open, reload, save, save as, exit, then Default
wait_until 10 title_is "$OPEN_TITLE" || fail "open title: $SEEN"
shot opened

# --- area 3: copy its map, then remove it, saying No first -------------------------------
key ctrl+Next ctrl+Next
key ctrl+shift+c
wait_until 5 status_is "エリア 03:$(name 3) のマップをコピーしました。" || fail "copy: $SEEN"
key ctrl+shift+d
wait_until 5 has_box || fail "no question before removing"
shot remove-question
case "$(seen_box)" in
"マップ削除|エリア 03:$(name 3) とそのマップを削除します。"*"リンク 5 個がこのエリアを指しています"*"0 になります"*"(04～16) の番号が 1 つずつ繰り上がります"*"削除しますか？") ;;
*) fail "question: $(seen_box)" ;;
esac
key n
wait_until 5 shows "$OPEN_TITLE" "エリア 03:$(name 3) のマップをコピーしました。" ||
    fail "No changed something: $SEEN"
key ctrl+shift+d
wait_until 5 has_box || fail "no question the second time"
key y
wait_until 5 shows "$CHANGED_TITLE" "エリア 03:$(name 3) を削除しました。" || fail "removal: $SEEN"
shot removed
note "area 3 removed"

# --- move A4, now number 3, to 1: a position out of range first ---------------------------
key ctrl+shift+m
wait_until 5 has_box || fail "no move dialog"
[ "$(seen_box)" = "マップ移動|エリア 03:$(name 4) を移動する位置 (1～15)：" ] ||
    fail "move dialog: $(seen_box)"
shot move-dialog
xdotool type --delay 80 99
key Return
refused() { has_box && [ "$(seen_box)" = "マップ移動|1 から 15 までの位置を入力してください。" ]; }
wait_until 5 refused || fail "99 was not refused: $SEEN"
shot move-refused
key Return
sleep 0.5
xdotool type --delay 80 1
key Return
wait_until 5 status_is "エリア 03:$(name 4) を 1 番に移動しました。" || fail "move: $SEEN"
shot moved
note "area 4 moved to 1"

# --- a new area at the end, the copied map written over it --------------------------------
key ctrl+shift+k
# The area editor opens on the new record; Escape keeps the proposed name.
wait_until 5 has_box || fail "add opened no area editor: $SEEN"
[[ "$(seen_box)" == "AreaData編集|"* ]] || fail "another box after add: $(seen_box)"
key Escape
wait_until 5 status_is "エリア 16:新規エリア16 を追加しました。" || fail "add: $SEEN"
key ctrl+shift+v
wait_until 5 status_is "エリア 16:新規エリア16 のマップをコピーしたマップで上書きしました。" ||
    fail "overwrite: $SEEN"
shot overwritten

# --- a new area before the first, with the copied map; undone and redone -----------------
key ctrl+Home
key ctrl+shift+i
wait_until 5 status_is "エリア 01:新規エリア1 を挿入しました。" || fail "insert: $SEEN"
key ctrl+z
wait_until 5 status_begins "カーソル位置：( 0, 0)" || fail "undo of the insert: $SEEN"
key ctrl+y  # the saved list below holds the area again
shot inserted
key ctrl+s
saved_list() { [ "$(grep -c . "$MAPS/AreaData")" -eq 18 ]; }
wait_until 10 saved_list || fail "the list was not saved"
wait_until 10 title_is "$OPEN_TITLE" || fail "save title: $SEEN"
shot saved
key ctrl+q
stop_editor

# --- the saved files ----------------------------------------------------------------------
# The new number of each old one (0 stays 0); A3 is gone.
renumbered=(0 3 4 0 2 5 6 7 8 9 10 11 12 13 14 15 16)
mapfile -t before < <(tr -d '\r' <"$ORIG/AreaData")
mapfile -t after < <(tr -d '\r' <"$MAPS/AreaData")
order=(new 4 1 2 5 6 7 8 9 10 11 12 13 14 15 16 new)
for position in $(seq 1 17); do
    old=${order[$((position - 1))]}
    read -ra saved <<<"${after[$((position - 1))]}"
    if [ "$old" = new ]; then
        want="新規エリア$([ "$position" = 1 ] && echo 1 || echo 16)"
        got=$(iconv -f cp932 -t utf-8 <<<"${saved[0]}")
        [ "$got" = "$want" ] || fail "area $position is $got, not $want"
        for f in $(seq 10 17); do
            [ "$((10#${saved[$f]}))" -eq 0 ] || fail "link $((f - 9)) of new area $position"
        done
        cmp -s "$ORIG/BMap_No3" "$MAPS/BMap_No$position" || fail "BMap_No$position is not A3's map"
        continue
    fi
    read -ra loaded <<<"${before[$((old - 1))]}"
    for f in $(seq 0 9) 18; do
        [ "${saved[$f]}" = "${loaded[$f]}" ] || fail "field $((f + 1)) of area $position (was $old)"
    done
    for f in $(seq 10 17); do
        link=$((10#${loaded[$f]}))
        [ "$((10#${saved[$f]}))" -eq "${renumbered[$link]}" ] ||
            fail "link $((f - 9)) of area $position: ${saved[$f]}, was $link"
    done
    cmp -s "$ORIG/BMap_No$old" "$MAPS/BMap_No$position" || fail "BMap_No$position is not A$old's map"
done
[ "$(tail -c 3 "$MAPS/AreaData")" = "End" ] || fail "no terminator"
note "AreaData and BMap_No1..17 hold the areas in their new order"
note "passed"
