#!/usr/bin/env bash
# Crash recovery as a user meets it: Tessel.exe under Wine paints two cells, keeps its
# recovery copy, and is killed (SIGKILL of its Wine process); started again on the scenario it
# offers the edits back, Yes brings them back as unsaved edits, Ctrl+S saves them, and the
# saved map holds exactly the painted cells. Screenshots of every step stay in the output
# folder.
#
#   recovery_journey.sh <Tessel.exe> <probe.exe> <sample game folder> <output folder>
#
# Needs DISPLAY and WINEPREFIX (the test command sets both).
set -euo pipefail

source "$(dirname "$0")/journey_lib.sh"
JOURNEY="recovery journey"
# Each start gets a desktop of its own: a desktop whose editor was killed cannot be used again
# while the Wine server runs.
FIRST=tesselRecovery$$a
SECOND=tesselRecovery$$b
DESKTOP=$FIRST
journey_begin "$@"
MAP="$GAME/Default/Data/BMap_No2"
ORIGINAL="$WORK/BMap_No2.original"
cp "$MAP" "$ORIGINAL"
SCENARIO=$(winpath "$GAME/Default")
set_install_directory "$(winpath "$GAME")"

# The editor keeps its copies under the user's local application data of the prefix.
RECOVERY=$(winepath -u "$(wine cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')")/Tessel/Recovery
copy_folder() { { grep -lsF "PATH $SCENARIO\\Data\\AreaData" "$RECOVERY"/*/Recovery* || true; } | head -1 | xargs -r dirname; }
has_copy() { [ -n "$(copy_folder)" ]; }
box_says() { probe | grep -q "^box=.*|$1"; }
journey_extra_cleanup() {
    local pid folder
    for pid in $(editor_process) $(desktop_process "$FIRST") $(desktop_process "$SECOND"); do
        kill -KILL "$pid" 2>/dev/null || true
    done
    folder=$(copy_folder)
    if [ -n "$folder" ]; then
        rm -rf "$folder"
    fi
}

# The Wine processes of this journey, by their command lines: the editor's (Tessel.exe with
# this journey's scenario) and the one that holds a desktop's window (explorer.exe).
process_of() {
    local pid args
    for pid in $(ls /proc | grep -E '^[0-9]+$'); do
        mapfile -d '' args 2>/dev/null <"/proc/$pid/cmdline" || continue
        if [[ "${args[0]:-}" == *"$1" && "${args[1]:-}" == "$2" ]]; then
            echo "$pid"
            return
        fi
    done
}
editor_process() { process_of /Tessel.exe "$SCENARIO"; }
desktop_process() { process_of '\explorer.exe' "/desktop=$1,1280x1000"; }

# --- open by argument, paint (0, 0) and (1, 0) of map 2 with chip 1 -----------------------
start_editor "$SCENARIO"
wait_until 10 title_is "$SCENARIO - Tessel" || fail "open: $(probe)"
[ "$(byte_at "$ORIGINAL" 0)" != 1 ] && [ "$(byte_at "$ORIGINAL" 32)" != 1 ] || fail "the cells hold chip 1 already"
key ctrl+Next Home space Right space
wait_until 5 title_is "$SCENARIO (更新) - Tessel" || fail "no edit: $(probe)"
shot painted

# --- the copy is written a few seconds after the last edit; then the editor is killed -----
now() { date +%s%N; }
painted=$(now)
wait_until 15 has_copy || fail "no recovery copy in $RECOVERY"
note "the recovery copy stood $((($(now) - painted) / 1000000)) ms after the last edit"
grep -qaF "W 4428 BMap_No2" "$(copy_folder)/Recovery" || fail "the copy does not hold map 2"
pid=$(editor_process)
[ -n "$pid" ] || fail "no Wine process of the editor"
kill -KILL "$pid"
wait_until 20 no_window || fail "the editor outlived its kill"
# Its desktop stays on the screen, empty, over the windows of later tests: it goes too.
pid=$(desktop_process "$FIRST")
[ -z "$pid" ] || kill -KILL "$pid"
cmp -s "$MAP" "$ORIGINAL" || fail "the kill changed the map file"
shot killed

# --- started again: the edits are offered back; Yes shows them as unsaved edits ------------
DESKTOP=$SECOND
start_editor "$SCENARIO"
wait_until 15 box_says "前回の編集が保存されていません。復元しますか？" || fail "no recovery question: $(probe)"
shot recovery-question
key y
wait_until 5 no_box || fail "the question stayed"
wait_until 10 title_is "$SCENARIO (更新) - Tessel" || fail "the edits are not back: $(probe)"
shot restored
key ctrl+Next  # the painted map, edits shown without an undo or redo
shot restored-map-2
key ctrl+s
wait_until 10 title_is "$SCENARIO - Tessel" || fail "not saved: $(probe)"
shot saved

# --- the saved map: chip 1 in the two cells, every other byte as before -------------------
differing=$(cmp -l "$ORIGINAL" "$MAP" | awk '{print $1 - 1}' | tr '\n' ' ' || true)
[ "$differing" = "0 32 " ] || fail "the saved map differs at: $differing"
[ "$(byte_at "$MAP" 0)" = 1 ] && [ "$(byte_at "$MAP" 32)" = 1 ] || fail "the cells do not hold chip 1"
cmp -s "$SAMPLE/Default/Data/AreaData" "$GAME/Default/Data/AreaData" || fail "the area list changed"
[ -z "$(copy_folder)" ] || [ ! -e "$(copy_folder)/Recovery" ] || fail "the save left the recovery copy"
key ctrl+q
wait_until 20 no_window || fail "the editor did not close"
note "passed: the saved map holds the two painted cells"
