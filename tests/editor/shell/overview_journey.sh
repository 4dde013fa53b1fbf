#!/usr/bin/env bash
# The overview and the replace across maps with real keys and mouse: Tessel.exe under Wine in
# a virtual desktop of the test display. Ctrl+G opens the overview; End, Home, the arrows and
# the page keys scroll it and leave the map's cursor where it was; a click on area 5's tile
# opens map 5, where Shift+C clears the cursor cell's chip; Shift+Ctrl+H replaces the chip the
# most cells of the scenario hold (0 aside) by the next one on every map, and the status bar gives the
# cells and maps the map files hold; Ctrl+Z takes the whole replace back and Ctrl+S saves. Only
# the cleared cell of map 5 differs from the files as they were.
#
#   overview_journey.sh <Tessel.exe> <probe.exe> <sample game folder> <output folder>
#
# Needs DISPLAY and WINEPREFIX (the test command sets both).
set -euo pipefail

source "$(dirname "$0")/journey_lib.sh"
JOURNEY="overview journey" DESKTOP=tesselOverview
journey_begin "$@"
DATA="$GAME/Default/Data"
cp -r "$DATA" "$WORK/before"
# The chip byte of cell (x, y) lies at x * 32 + y; the chips fill the first 1024 bytes.
chips() { od -An -v -tu1 -w1 -N1024 "$1"; }
read -r CHIP CELLS MAPS < <(for f in "$DATA"/BMap_No*; do chips "$f" | sed "s|^|$f |"; done | awk '
    { count[$2]++; on[$2 " " $1] = 1 }
    END { for (c in count) if (c != 0 && count[c] > best) { best = count[c]; chip = c }
          for (k in on) { split(k, p, " "); if (p[1] == chip) maps++ }
          print chip, best, maps }')
NEXT=$(((CHIP + 1) % 240))
FIRST=$(byte_at "$DATA/BMap_No5" 0)  # map 5's cell (0, 0), which the journey clears
[ "$FIRST" != 0 ] || fail "map 5's cell (0, 0) holds chip 0 already"
[ "$FIRST" != "$CHIP" ] || CELLS=$((CELLS - 1))

start_editor "$(winpath "$GAME/Default")"
wait_until 10 title_is "$(winpath "$GAME/Default") - Tessel" || fail "open title: $(probe)"

key ctrl+g
has_overview() { probe | grep -q '^overview='; }
wait_until 10 has_overview || fail "no overview after Ctrl+G: $(probe)"
sleep 1
shot overview
read -r OX OY OW OH < <(probe | sed -n 's/^overview=//p')
# The navigation keys scroll the overview while it has the focus, and leave the map's cursor
# alone: the overview's picture moves (the grid of 16 areas is taller than the window) and
# comes back to the same picture at the top.
before=$(probe | sed -n 's/^status=//p')
overview_picture() { import -window root -crop "${OW}x${OH}+${OX}+${OY}" +repage "$WORK/$1.png"; }
same_picture() { [ "$(compare -metric AE "$WORK/$1.png" "$WORK/$2.png" null: 2>&1)" = 0 ]; }
overview_picture top
for press in End:moved Home:top Down:moved Up:top Next:moved Prior:top; do
    key "${press%%:*}"
    sleep 0.5
    overview_picture now
    if [ "${press##*:}" = top ]; then
        same_picture now top || fail "${press%%:*}: the overview is not back at the top"
    else
        ! same_picture now top || fail "${press%%:*}: the overview did not scroll"
    fi
done
[ "$(probe | sed -n 's/^status=//p')" = "$before" ] || fail "the keys moved the map: $(probe | grep status=)"
note "End, Home, Down, Up, Page Down and Page Up scrolled the overview; the map stayed"
# The grid's tiles: 130 wide with 40 between, 144 high with 28 between, 12 from the edges.
COLUMNS=$(((OW - 24 + 40) / 170))
INDEX=4
xdotool mousemove --sync $((OX + 12 + INDEX % COLUMNS * 170 + 65)) $((OY + 12 + INDEX / COLUMNS * 172 + 80)) click 1
sleep 1
shot area-5
key shift+c
wait_until 10 title_is "$(winpath "$GAME/Default") (更新) - Tessel" || fail "no edit on map 5: $(probe)"

key shift+ctrl+h
wait_until 10 has_box || fail "no replace dialog"
xdotool type --delay 60 "$CHIP"
key Tab
xdotool type --delay 60 "$NEXT"
key Tab End
sleep 0.5
shot replace-dialog
key Return
wait_until 10 no_box || fail "the replace dialog stayed"
status_is() { [ "$(probe | sed -n 's/^status=//p')" = "$1" ]; }
EXPECTED="置換: $MAPS マップの $CELLS セルを $CHIP から $NEXT にしました。"
wait_until 10 status_is "$EXPECTED" || fail "status after the replace: $(probe | grep status=), not $EXPECTED"
shot replaced
note "chip $CHIP replaced by $NEXT: $CELLS cells on $MAPS maps"

key ctrl+z
key ctrl+s
wait_until 20 title_is "$(winpath "$GAME/Default") - Tessel" || fail "not saved: $(probe)"
shot saved
key ctrl+q
stop_editor

for f in "$WORK"/before/BMap_No*; do
    name=$(basename "$f")
    if [ "$name" = BMap_No5 ]; then
        [ "$(cmp -l "$f" "$DATA/$name" | wc -l)" = 1 ] && [ "$(byte_at "$DATA/$name" 0)" = 0 ] \
            || fail "map 5 saved otherwise than with its cell (0, 0) cleared"
    else
        cmp -s "$f" "$DATA/$name" || fail "$name changed, though the replace was undone"
    fi
done
note "passed: the overview opened map 5, the replace on every map came back with one undo"
