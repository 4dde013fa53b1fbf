#!/usr/bin/env bash
# The README's start command as a newcomer on a machine without a display runs it: DISPLAY
# unset, a Wine prefix that does not exist yet (a cache folder of its own). Waits for the
# picture the command writes, checks that it shows map 1 of "Default" (cells of the chip sheet
# at their places), that the display the command names has the editor, then stops the command
# with SIGTERM and checks that neither the editor, nor Wine, nor the display is left.
#
#   start_journey.sh <probe.exe> <output folder>
#
# Needs the Windows build of this checkout (the start command builds it, a no-op here).
set -euo pipefail

root=$(cd "$(dirname "$0")/../../.." && pwd)
probe=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
work=$2
rm -rf "$work" && mkdir -p "$work"
work=$(cd "$work" && pwd)
cache="$work/cache"
prefix="$cache/tessel/wine"
log="$work/start.log"
map="$root/build/windows/sample/game/Default/Data/BMap_No1"
chips="$root/build/windows/sample/game/Default/Picture/BMAPCHAR.BMP"

script=
fail() {
    echo "start journey: FAILED: $*" >&2
    sed 's/^/    /' "$log" >&2 || true
    exit 1
}
cleanup() {
    [ -n "$script" ] && kill "$script" 2>/dev/null && wait "$script" 2>/dev/null || true
    WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
}
trap cleanup EXIT

wait_until() {
    local limit=$1; shift
    local end=$((SECONDS + limit))
    until "$@"; do
        [ $SECONDS -lt $end ] || return 1
        sleep 0.5
    done
}
said() { grep -q "$1" "$log"; }
pictured_or_ended() { said 'picture of the editor:' || ! kill -0 "$script" 2>/dev/null; }

# The start command, as typed in a terminal of a machine without a display.
(unset DISPLAY; export XDG_CACHE_HOME=$cache; exec "$root/tools/start.sh") >"$log" 2>&1 &
script=$!
# A new prefix takes half a minute or more to make on a busy machine.
wait_until 240 pictured_or_ended || fail "no picture within 240 s"
said 'picture of the editor:' || fail "the command ended without a picture"
display=$(sed -n 's/.*runs on the virtual display \(:[0-9]*\) until.*/\1/p' "$log" | head -1)
[ -n "$display" ] || fail "the command named no display"
xvfb=$(pgrep -f "^Xvfb $display " | head -1 || true)
[ -n "$xvfb" ] || fail "no virtual display $display runs"
echo "start journey: the picture came after $SECONDS s, on $display"

# The display the command named has the editor, and the probe tells where its map view is.
window=$(DISPLAY=$display xdotool search --name ' - Tessel$' 2>/dev/null | head -1 || true)
[ -n "$window" ] || fail "no editor window on $display"
facts=$(DISPLAY=$display WINEPREFIX=$prefix WINEDEBUG=-all timeout 30 wine "$probe" | tr -d '\r')
read -r vx vy _ < <(sed -n 's/^view=//p' <<<"$facts")
[ -n "${vy:-}" ] || fail "the probe found no map view: $facts"
eval "$(DISPLAY=$display xdotool getwindowgeometry --shell "$window")"
ox=$((vx - X)) oy=$((vy - Y))

# Each cell without an object whose pixel (8, 14) lies in the picture shows there the chip
# sheet's pixel (8, 14) of its chip, unless a panel covers it: most of the cells clear of the
# panels must match, and they must hold more than one chip.
picture="$root/build/start.png"
read -r width height < <(identify -format '%w %h\n' "$picture")
format="" expected="" chip_of=()
for y in $(seq 0 31); do
    for x in $(seq 0 31); do
        index=$((x * 32 + y))
        px=$((ox + x * 32 + (y % 2) * 16 + 8)) py=$((oy + y * 32 + 14))
        [ $px -lt "$width" ] && [ $py -lt "$height" ] || continue
        [ "$(od -An -tu1 -j $((1024 + index)) -N1 "$map" | tr -d ' ')" = 0 ] || continue
        chip=$(od -An -tu1 -j "$index" -N1 "$map" | tr -d ' ')
        format="$format%[pixel:p{$px,$py}]\n"
        expected="$expected$(convert "$chips" -format \
            "%[pixel:p{$((chip % 20 * 32 + 8)),$((chip / 20 * 32 + 14))}]" info:)\n"
        chip_of+=("$chip")
    done
done
mapfile -t shown < <(convert "$picture" -format "$format" info:)
mapfile -t wanted < <(printf "$expected")
matched=0 chips_matched=""
for i in "${!wanted[@]}"; do
    if [ "${shown[$i]:-}" = "${wanted[$i]}" ]; then
        matched=$((matched + 1))
        chips_matched="$chips_matched ${chip_of[$i]}"
    fi
done
distinct=$(tr ' ' '\n' <<<"$chips_matched" | sed '/^$/d' | sort -u | wc -l)
echo "start journey: $matched of ${#wanted[@]} cells in the picture show their chip ($distinct chips)"
[ "$matched" -ge 40 ] || fail "the picture does not show map 1's chips at their cells"
[ "$distinct" -ge 2 ] || fail "the cells that match hold one chip"

# SIGTERM ends the command, the editor and the display, and leaves no Wine process.
kill -TERM "$script"
wait_until 30 eval '! kill -0 $script 2>/dev/null' || fail "the command did not end on SIGTERM"
status=0
wait "$script" || status=$?
script=
[ "$status" -ne 0 ] || fail "the command ended with status 0 on SIGTERM"
wait_until 10 eval '! kill -0 $xvfb 2>/dev/null' || fail "the display $display was left running"
left=$(grep -l "WINEPREFIX=$prefix" /proc/[0-9]*/environ 2>/dev/null | cut -d/ -f3 \
    | xargs -r ps -o pid=,args= -p || true)
[ -z "$left" ] || fail "Wine processes were left: $left"
echo "start journey: SIGTERM ended the command (status $status), its display and Wine"
