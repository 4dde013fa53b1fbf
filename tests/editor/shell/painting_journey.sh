#!/usr/bin/env bash
# The painting tools driven as a user would: Tessel.exe under Wine in a virtual desktop on the
# test display, real X keys and mouse through xdotool, screenshots of every step. On a copy of
# the sample game whose first map is made plain terrain 3 with a small lake of terrain 4, it
# fills the lake, undoes, selects every cell of the lake's terrain with Shift and a press, sets
# them, paints a stroke with the brush, saves, and compares the saved map byte by byte with the
# cells each step must have written.
#
#   painting_journey.sh <Tessel.exe> <probe.exe> <sample game folder> <output folder>
#
# Needs DISPLAY and WINEPREFIX (the test command sets both).
set -euo pipefail

source "$(dirname "$0")/journey_lib.sh"
JOURNEY="painting journey" DESKTOP=tesselPainting
journey_begin "$@"
MAP="$GAME/Default/Data/BMap_No1"

# The lake: (5, 4) and its upper-left neighbour (4, 3) join on the offset rows; (6, 3) touches
# (5, 4) only at a corner of its square and (20, 20) lies far off, so only a fill of the whole
# map's value reaches those two. The character layer is stored column by column (x * 32 + y).
LAKE_FILL="5,4 4,3"
LAKE_ALL="5,4 4,3 6,3 20,20"
awk -v lake="$LAKE_ALL" 'BEGIN {
    n = split(lake, cells, " ")
    for (i = 1; i <= n; i++) { split(cells[i], xy, ","); water[xy[1] * 32 + xy[2]] = 1 }
    for (i = 0; i < 1024; i++) printf "%c", (i in water) ? 4 : 3
}' >"$WORK/characters"
dd if="$WORK/characters" of="$MAP" bs=1024 count=1 conv=notrunc status=none
cp "$MAP" "$WORK/BMap_No1.before"

declare -A CHIP  # the pixel each chip of this journey shows at (8, 14)
for chip in 1 2 3 4; do CHIP[$chip]=$(chip_pixel $chip); done
# Whether every cell of the list "x,y x,y ..." shows chip c, read from one screenshot.
show_chips() {
    local cell point format="" shown
    for cell in $1; do
        point=($(cell_point "${cell%,*}" "${cell#*,}" 8 14))
        format="$format%[pixel:p{${point[0]},${point[1]}}]\n"
    done
    import -window root "$WORK/probe.png"
    shown=$(convert "$WORK/probe.png" -format "$format" info: | sort -u)
    [ "$shown" = "${CHIP[$2]}" ]
}
expect_chips() { wait_until 5 show_chips "$1" "$2" || fail "not every cell of $1 shows chip $2 ($3)"; }
press_cell() {  # a left press at the centre of cell (x, y); extra xdotool keys held around it
    local point
    point=$(cell_point "$1" "$2" 16 16)
    if [ -n "${3:-}" ]; then
        xdotool mousemove --sync $point keydown "$3" click 1 keyup "$3"
    else
        xdotool mousemove --sync $point click 1
    fi
    sleep 0.4
}

# The chips must differ where the pixel checks look, or the checks would prove nothing.
[ "$(printf '%s\n' "${CHIP[@]}" | sort -u | wc -l)" = 4 ] || fail "chips 1 to 4 look alike"

start_editor "$(winpath "$GAME/Default")"
wait_until 10 title_is "$(winpath "$GAME/Default") - Tessel" || fail "open title: $(probe)"
key alt+space x  # the whole desktop: the panels move right, away from the cells used here
sleep 1
locate_view
expect_chips "$LAKE_ALL" 4 "the lake as made"
shot opened
key alt+s
shot select-menu
key Escape Escape

# --- fill in direct mode: only the lake's connected part takes chip 1; undo -----------------
key F6 ctrl+b  # direct mouse mode, the fill shape
press_cell 4 3
expect_chips "$LAKE_FILL" 1 "filled"
expect_chips "6,3 20,20" 4 "outside the fill"
shot filled
key ctrl+z
expect_chips "$LAKE_ALL" 4 "undone"
shot fill-undone

# --- select mode: Shift and a press take every lake cell; Space sets chip 1 on them ---------
key F6
press_cell 5 4 shift
shot same-value-selected
key space
expect_chips "$LAKE_ALL" 1 "the same value set"
shot same-value-set

# --- a brush stroke of radius 2 and chip 2 along row 12, from column 10 to 16 ---------------
key F6 ctrl+f u b b  # direct again, free hand, chip 2, radius 2
shot brush-ready
read -r ax ay < <(cell_point 10 12 16 16)
read -r bx by < <(cell_point 16 12 16 16)
xdotool mousemove --sync "$ax" "$ay" mousedown 1
for x in $(seq $((ax + 8)) 40 "$bx") "$bx"; do
    xdotool mousemove --sync "$x" "$ay"
done
sleep 0.2
xdotool mouseup 1
sleep 0.5
# Radius 2 around (x, 12), an even row: columns x-2..x+2 in row 12, x-2..x+1 in rows 11 and 13,
# x-1..x+1 in rows 10 and 14; for x from 10 to 16 together:
BRUSH=""
for y in 10 11 12 13 14; do
    case $y in 12) first=8 last=18 ;; 11 | 13) first=8 last=17 ;; *) first=9 last=17 ;; esac
    for x in $(seq $first $last); do BRUSH="$BRUSH $x,$y"; done
done
expect_chips "$BRUSH" 2 "painted with the brush"
expect_chips "7,12 19,12 8,10 18,10" 3 "beside the stroke"
shot brush-stroke

# --- save, and every byte of the map as the steps must have left it -------------------------
key ctrl+s
wait_until 10 bash -c "! cmp -s '$WORK/BMap_No1.before' '$MAP'" || fail "nothing was saved"
sleep 1
shot saved
awk -v lake="$LAKE_ALL" -v brush="$BRUSH" 'BEGIN {
    n = split(lake, cells, " ")
    for (i = 1; i <= n; i++) { split(cells[i], xy, ","); value[xy[1] * 32 + xy[2]] = 1 }
    n = split(brush, cells, " ")
    for (i = 1; i <= n; i++) { split(cells[i], xy, ","); value[xy[1] * 32 + xy[2]] = 2 }
    for (i = 0; i < 1024; i++) printf "%c", (i in value) ? value[i] : 3
}' >"$WORK/expected"
tail -c +1025 "$WORK/BMap_No1.before" >>"$WORK/expected"
cmp "$WORK/expected" "$MAP" || fail "the saved map differs from the expected cells"
note "the saved map holds exactly the expected cells"
for file in $(cd "$SAMPLE" && find . -type f | sort); do
    case "$file" in
    ./Default/Data/BMap_No1) ;;
    *) cmp -s "$SAMPLE/$file" "$GAME/$file" || fail "$file changed" ;;
    esac
done

key ctrl+q
stop_editor
note "passed"
