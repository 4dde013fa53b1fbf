#!/usr/bin/env bash
# The map file's limits met with real keys and mouse: Tessel.exe under Wine in a virtual
# desktop of the test display, X keys, mouse and clipboard through xdotool and xclip. On a copy
# of the sample game whose first two maps hold no placements, it puts placement group 1 on every
# cell (select all, F), group 3 on (0, 0), group 2 with a brush of radius 3, pastes 40 cells of
# group 4 and writes over the second map a map from the clipboard whose group 6 has 25 cells and
# group 7 a cell on (0, 0). Each time the status bar (and for the paste and the map a box) says
# what did not fit; after Ctrl+S and F5 both maps show exactly what they showed before the save,
# and the saved placement tables hold what each step must have placed.
#
#   limits_journey.sh <Tessel.exe> <probe.exe> <sample game folder> <output folder>
#
# Needs DISPLAY and WINEPREFIX (the test command sets both).
set -euo pipefail

source "$(dirname "$0")/journey_lib.sh"
JOURNEY="limits journey" DESKTOP=tesselLimits
journey_begin "$@"
# The pointer goes back where it was, and the clipboard's server goes: a pointer left beside a
# later journey's window would keep the keys from it.
eval "$(xdotool getmouselocation --shell)"
POINTER="$X $Y"
CLIP_PID=
journey_extra_cleanup() {
    [ -n "$CLIP_PID" ] && kill "$CLIP_PID" 2>/dev/null || true
    xdotool mousemove $POINTER 2>/dev/null || true
}
# Puts $WORK/clipboard.txt on the X clipboard, served by an xclip of our own.
clip() {
    [ -n "$CLIP_PID" ] && kill "$CLIP_PID" 2>/dev/null || true
    xclip -quiet -selection clipboard "$WORK/clipboard.txt" >/dev/null 2>&1 &
    CLIP_PID=$!
    sleep 0.5
}
DATA="$GAME/Default/Data"
for map in 1 2; do  # no placements: every slot of the table empty
    dd if=/dev/zero of="$DATA/BMap_No$map" bs=1 seek=4096 count=320 conv=notrunc status=none
done

# What the editor shows, read once into SEEN: every probe starts a Wine process.
SEEN=
look() { SEEN=$(probe); }
seen() { sed -n "s/^$1=//p" <<<"$SEEN"; }
seen_box() { sed -n '/^box=/,$p' <<<"$SEEN" | sed '1s/^box=//'; }
status_is() { look; [ "$(seen status)" = "$1" ] && [ -z "$(seen_box)" ]; }
box_is() { look; [ "$(seen_box)" = "$1" ]; }
expect_status() { wait_until 5 status_is "$1" || fail "$2: the status bar says: $(seen status) $(seen_box)"; }
press_cell() { xdotool mousemove --sync $(cell_point "$1" "$2" 16 16) click 1; sleep 0.4; }
# The placement slots of group g of a map file, "x,y" each, empty ones left out.
slots() {
    od -An -v -tu1 -w2 -j $((4096 + 40 * ($2 - 1))) -N 40 "$1" \
        | awk '$1 != 0 || $2 != 0 { printf "%s%d,%d", (n++ ? " " : ""), $1, $2 }'
}
# The map part of the view left of the panels, as a picture of its own.
view_shot() { import -window root -crop "800x700+$VX+$VY" "$WORK/$1.png"; }
same_view() { [ "$(compare -metric AE "$WORK/$1.png" "$WORK/$2.png" null: 2>&1)" = 0 ]; }
CUT="マップのファイルに収まらないマスは置きませんでした。"

start_editor "$(winpath "$GAME/Default")"
wait_until 10 title_is "$(winpath "$GAME/Default") - Tessel" || fail "open title: $(probe)"
key alt+space x  # the whole desktop: the panels move right, away from the cells used here
sleep 1
locate_view

# --- group 1 on every cell: the first 20 in reading order, (0, 0) none --------------------
key F7 ctrl+a f
expect_status "初期配置グループ1は20マスまでです（1003マスは置けませんでした）　(0,0) には初期配置を置けません" "select all + F"
shot select-all-set
# --- group 3 on (0, 0) alone ---------------------------------------------------------------
key Escape Home i i f
expect_status "(0,0) には初期配置を置けません" "group 3 on (0, 0)"
shot origin
# --- group 2 with a brush of radius 3: 20 of its 37 cells ----------------------------------
key shift+i F6 ctrl+f b b b
press_cell 10 12
expect_status "初期配置グループ2は20マスまでです（17マスは置けませんでした）" "the brush"
shot brush
# --- 40 cells of group 4 from the clipboard: the first 20 (row 20, columns 2 to 21) ---------
key F6
press_cell 2 20
for i in $(seq 0 39); do
    echo "$((i % 20)),$((i / 20)),0,0,0,0,4,$i,20,0"
done >"$WORK/clipboard.txt"
clip
key ctrl+v
wait_until 5 box_is "貼り付け|貼り付けたセルのうち、$CUT
初期配置グループ4は20マスまでです（20マスは置けませんでした）。" || fail "paste box: $SEEN"
shot paste-box
key Return
expect_status "初期配置グループ4は20マスまでです（20マスは置けませんでした）" "the paste"
shot pasted

# --- map 2 overwritten from the clipboard: group 5 of 20 cells whole, 20 of group 6's 25,
# group 7 not on (0, 0); the map's own cells otherwise ---------------------------------------
key ctrl+Next
od -An -v -tu1 -w1 "$DATA/BMap_No2" | awk '
    { byte[NR - 1] = $1 }
    END {
        for (y = 0; y < 32; y++) for (x = 0; x < 32; x++) {
            i = x * 32 + y; group = 0; order = 0
            if (y == 3 && x < 20) { group = 5; order = x }
            if (y == 5 && x < 25) { group = 6; order = x }
            if (x == 0 && y == 0) group = 7
            printf "%d,%d,%d,%d,%d,%d,%d,%d,0,0\n", x, y, byte[i], byte[1024 + i], byte[2048 + i],
                byte[3072 + i], group, order
        }
    }' >"$WORK/clipboard.txt"
clip
key ctrl+shift+v
wait_until 5 box_is "マップ上書き|クリップボードのマップのうち、$CUT
初期配置グループ6は20マスまでです（5マスは置けませんでした）。
(0,0) には初期配置を置けません。" || fail "overwrite box: $SEEN"
shot overwrite-box
key Return
AREA2=$(sed -n 2p "$DATA/AreaData" | iconv -f cp932 -t utf-8 | awk '{print $1}')
expect_status "エリア 02:$AREA2 のマップをコピーしたマップで上書きしました。　初期配置グループ6は20マスまでです（5マスは置けませんでした）　(0,0) には初期配置を置けません" "the overwrite"
shot overwritten

# --- what both maps show, saved and opened again ------------------------------------------
key Escape Home
view_shot map2-before
key ctrl+Prior Escape Home
view_shot map1-before
shot before-save
cp "$DATA/BMap_No1" "$WORK/BMap_No1.before"
key ctrl+s
wait_until 10 bash -c "! cmp -s '$WORK/BMap_No1.before' '$DATA/BMap_No1'" || fail "nothing was saved"
wait_until 10 title_is "$(winpath "$GAME/Default") - Tessel" || fail "save title: $(probe)"
key F5
look
if [ -n "$(seen_box)" ]; then key Return; fi  # the question before a reload, if there is one
wait_until 10 title_is "$(winpath "$GAME/Default") - Tessel" || fail "reload title: $(probe)"
sleep 1
key ctrl+Home Escape Home
view_shot map1-after
shot reloaded
same_view map1-before map1-after || fail "map 1 shows otherwise after the save and F5"
key ctrl+Next Escape Home
view_shot map2-after
same_view map2-before map2-after || fail "map 2 shows otherwise after the save and F5"
note "both maps show after the save and F5 what they showed before"

# --- the placement tables as saved --------------------------------------------------------
row() { local x out=""; for x in $(seq "$2" "$3"); do out="$out${out:+ }$x,$1"; done; echo "$out"; }
[ "$(slots "$DATA/BMap_No1" 1)" = "$(row 0 1 20)" ] || fail "group 1: $(slots "$DATA/BMap_No1" 1)"
[ "$(slots "$DATA/BMap_No1" 2 | wc -w)" = 20 ] || fail "group 2: $(slots "$DATA/BMap_No1" 2)"
[ -z "$(slots "$DATA/BMap_No1" 3)" ] || fail "group 3: $(slots "$DATA/BMap_No1" 3)"
[ "$(slots "$DATA/BMap_No1" 4)" = "$(row 20 2 21)" ] || fail "group 4: $(slots "$DATA/BMap_No1" 4)"
[ "$(slots "$DATA/BMap_No2" 5)" = "$(row 3 0 19)" ] || fail "group 5: $(slots "$DATA/BMap_No2" 5)"
[ "$(slots "$DATA/BMap_No2" 6)" = "$(row 5 0 19)" ] || fail "group 6: $(slots "$DATA/BMap_No2" 6)"
[ -z "$(slots "$DATA/BMap_No2" 7)" ] || fail "group 7: $(slots "$DATA/BMap_No2" 7)"
note "the saved placement tables hold what each step placed"

key ctrl+q
stop_editor
note "passed"
