#!/usr/bin/env bash
# The eyedropper, the border table's status line and the problems list with real keys and
# mouse: on a copy of the sample game whose area 3 links group 1 to area 40, which does not
# exist, and whose area 5 names music that is not there, Alt+click takes a cell's chip without
# opening the menus, the border mode names the table, and the problems list shows the broken
# link and the music; a double click on the link opens map 3. A map file put into the folder
# while the editor runs is listed after the next save.
#
#   problems_journey.sh <Tessel.exe> <probe.exe> <sample game folder> <output folder>
#
# Needs DISPLAY and WINEPREFIX (the test command sets both).
set -euo pipefail

source "$(dirname "$0")/journey_lib.sh"
JOURNEY="problems journey" DESKTOP=tesselProblems
journey_begin "$@"
eval "$(xdotool getmouselocation --shell)"
POINTER="$X $Y"
journey_extra_cleanup() { xdotool mousemove $POINTER 2>/dev/null || true; }
DATA="$GAME/Default/Data"
set_install_directory "$(winpath "$GAME")"  # where the areas' music is found
# Area 3's link of group 1 (the eleventh field of its line) becomes 40, in the same columns.
python3 - "$DATA/AreaData" <<'PY'
import re, sys
path = sys.argv[1]
lines = open(path, 'rb').read().split(b'\r\n')
fields = list(re.finditer(rb'\S+', lines[2]))
at = fields[10]
lines[2] = lines[2][:at.start()] + b'40' + lines[2][at.end():]
music = list(re.finditer(rb'\S+', lines[4]))[-1]
lines[4] = lines[4][:music.start()] + b'nai.mid' + lines[4][music.end():]
open(path, 'wb').write(b'\r\n'.join(lines))
PY
cp "$GAME/border.ini" "$WORK/"  # the editor's working folder is the journey's

SEEN=
look() { SEEN=$(probe); }
seen() { sed -n "s/^$1=//p" <<<"$SEEN"; }
status_is() { look; [ "$(seen status)" = "$1" ]; }
expect_status() { wait_until 5 status_is "$1" || fail "$2: the status bar says: $(seen status)"; }

start_editor "$(winpath "$GAME/Default")"
wait_until 10 title_is "$(winpath "$GAME/Default") - Tessel" || fail "open title: $(probe)"
key alt+space x
sleep 1
locate_view

# --- the eyedropper: Alt+click on (6, 7) takes its chip, the menus stay closed -------------
chip=$(byte_at "$DATA/BMap_No1" $((6 * 32 + 7)))
key F2
xdotool mousemove --sync $(cell_point 6 7 16 16) keydown alt click 1 keyup alt
sleep 0.5
expect_status "スポイト：(6,7) のCHAR $chip を現在の値にしました" "Alt+click"
[ "$(seen menu)" = off ] || fail "Alt let go after the click opened the menus"
shot eyedropper
note "Alt+click took chip $chip; the menus stayed closed"
key alt
look
[ "$(seen menu)" = on ] || fail "Alt alone no longer opens the menus"
key Escape

# --- the border mode names its table --------------------------------------------------------
key F8
look
case "$(seen status)" in
*"境界表: 既定") ;;
*) fail "border mode status: $(seen status)" ;;
esac
shot border-status
key F2

# --- the problems list: the broken link and the music; a double click opens map 3 ----------
key ctrl+shift+p
has_list() { probe | grep -q '^problems='; }
wait_until 10 has_list || fail "no problems list"
look
read -r PX PY PW PH LINES <<<"$(seen problems)"
[ "$LINES" = 2 ] || fail "the list holds $LINES lines"
shot problems-list
xdotool mousemove --sync $((PX + 40)) $((PY + 8)) click --repeat 2 --delay 80 1
sleep 0.5
look
case "$(seen status)" in
"3 "*"グループ1のつながり先 40 のエリアがありません（エリアは16個）") ;;
*) fail "after the double click the status bar says: $(seen status)" ;;
esac
shot map-3
note "the list showed the broken link and the music; the double click opened map 3"

# --- a map file no area uses, put there behind the editor's back, is listed after a save ----
cp "$DATA/BMap_No1" "$DATA/BMap_No40"
key shift+c
wait_until 10 title_is "$(winpath "$GAME/Default") (更新) - Tessel" || fail "no edit on map 3: $(probe)"
key ctrl+s
wait_until 20 title_is "$(winpath "$GAME/Default") - Tessel" || fail "not saved: $(probe)"
lines_are() { look; [ "$(seen problems | cut -d' ' -f5)" = "$1" ]; }
wait_until 10 lines_are 3 || fail "after the save the list holds $(seen problems | cut -d' ' -f5) lines"
shot problems-after-save
note "after the save the list showed the map file no area uses too"

key ctrl+q
stop_editor
note "passed"
