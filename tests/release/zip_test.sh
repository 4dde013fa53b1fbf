#!/usr/bin/env bash
# The release zip on a new Windows: unpacked in a fresh Wine prefix, its programs carry the
# version, icon and manifest (release_programs_tests on the unpacked files), the editor opens
# the sample scenario given as its argument with the display scaling awareness of its
# manifest, and the companion checks the same scenario and draws it the same at 150 % display
# scaling as at 100 %.
#
#   zip_test.sh <zip> <release_programs_tests.exe> <probe.exe> <sample game>
set -euo pipefail
source "$(dirname "$0")/fresh_wine.sh"
ZIP=$1 PROGRAMS_TEST=$2 PROBE=$3 SAMPLE=$4
fresh_wine zip

# --- what the zip holds -------------------------------------------------------------------
unzip -q "$ZIP" -d "$FRESH_WORK/unpacked"
folder=$(basename "$ZIP" -win64.zip)
DIR="$FRESH_WORK/unpacked/$folder"
[ -d "$DIR" ] || fail "the zip does not unpack into $folder"
for file in Tessel.exe tessel_tool.exe LICENSE.txt README.txt guide/guide.html; do
    [ -s "$DIR/$file" ] || fail "$file is missing from the zip"
done
# Every picture the guide shows is in the zip, and every picture in the zip is shown.
shown=$(grep -o 'src="[^"]*"' "$DIR/guide/guide.html" | sed 's/^src="//; s/"$//' | sort -u)
[ -n "$shown" ] || fail "the guide shows no pictures"
for picture in $shown; do
    [ -s "$DIR/guide/$picture" ] || fail "the guide shows $picture, which the zip lacks"
done
[ "$(cd "$DIR/guide" && find images -type f | sort)" = "$shown" ] ||
    fail "pictures in the zip that the guide does not show"
# Windows text: CR LF, and the README announces UTF-8 with its byte-order mark.
[ "$(head -c3 "$DIR/README.txt" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "README.txt has no BOM"
! grep -q $'[^\r]$' "$DIR/LICENSE.txt" || fail "LICENSE.txt has lines without CR LF"
echo "zip contents checked"

# --- the programs as Windows reads them ---------------------------------------------------
TESSEL_PROGRAMS=$(winpath "$DIR") wine "$PROGRAMS_TEST" --gtest_brief=1 || fail "release_programs_tests"

# --- the editor opens the scenario given as argument --------------------------------------
cp -r "$SAMPLE" "$FRESH_WORK/game"
cp -r "$SAMPLE" "$FRESH_WORK/original"
scenario=$(winpath "$FRESH_WORK/game/Default")
(cd "$DIR" && exec wine Tessel.exe "$scenario" >"$FRESH_WORK/editor.log" 2>&1) &
editor=$!
title_is() { [ "$(wine "$PROBE" title 2>/dev/null | tr -d '\r' | sed -n 's/^title=//p')" = "$1" ]; }
wait_until 60 title_is "$scenario - Tessel" ||
    fail "the editor did not open $scenario: $(wine "$PROBE" title 2>&1 | tr -d '\r')"
echo "the editor opened $scenario"
# Aware of each monitor's scaling, as the manifest asks (without it: unaware, and Windows would
# stretch the map's bitmap). Windows 10 1703 and later take PerMonitorV2 from the manifest;
# Wine 8 takes the PerMonitor that follows it in the list.
awareness=$(wine "$PROBE" dpi | tr -d '\r')
case "$awareness" in
dpi=per-monitor-v2 | dpi=per-monitor) ;;
*) fail "display scaling awareness: $awareness" ;;
esac
wine "$PROBE" close
wait_until 30 eval '! kill -0 $editor 2>/dev/null' || fail "the editor did not close"
diff -r "$FRESH_WORK/original" "$FRESH_WORK/game" >/dev/null || fail "opening changed the scenario"

# --- the companion alone, from the zip ----------------------------------------------------
wine "$DIR/tessel_tool.exe" check "$scenario" >"$FRESH_WORK/check.txt" 2>&1 ||
    fail "tessel_tool check: $(cat "$FRESH_WORK/check.txt")"
# Aware of display scaling, the programs still draw their images pixel for pixel: the map
# with every number on it is the same at 150 % as at 100 %.
picture() {
    wine "$DIR/tessel_tool.exe" picture --show all "$scenario" 1 "$(winpath "$FRESH_WORK/$1")" \
        >/dev/null || fail "tessel_tool picture"
}
picture at100.png
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
wineserver -w
picture at150.png
cmp -s "$FRESH_WORK/at100.png" "$FRESH_WORK/at150.png" || fail "the map picture changes at 150 % scaling"
echo "passed"
