#!/usr/bin/env bash
# What the editor remembers, as a new user meets it: the window moved and resized with the
# mouse, zoom at 50 %, the mini-map moved to the next corner, two scenarios opened; quit and
# start again: the window has its place and size, the settings file holds the view, and the
# File menu's &1 opens the scenario opened last. Screenshots of the start panel and the File
# menu after the restart.
#
#   settings_journey.sh <Tessel.exe> <probe.exe> <sample game folder> <output folder>
set -euo pipefail

source "$(dirname "$0")/journey_lib.sh"
JOURNEY="settings journey" DESKTOP=tesselSettings
journey_begin "$@"
set_install_directory "$(winpath "$GAME")"
SETTINGS="$WORK/settings"  # one folder for both starts
FILE="$SETTINGS/settings.ini"
view() { probe | sed -n 's/^view=//p'; }
title_is_scenario() { title_is "$(winpath "$GAME/$1") - Tessel"; }
setting() { tr -d '\r' <"$FILE" | sed -n "s/^$1=//p"; }

start_editor
wait_until 10 title_is "Tessel 0.60" || fail "start title: $(probe)"
read -r VX VY VW VH < <(view)
# Drag the title bar by (60, 40), then the bottom-right corner by (200, 100).
xdotool mousemove $((VX + 200)) $((VY - 30)) mousedown 1 sleep 0.2 \
    mousemove $((VX + 230)) $((VY - 10)) sleep 0.2 mousemove $((VX + 260)) $((VY + 10)) \
    sleep 0.2 mouseup 1
sleep 0.5
read -r MX MY _ _ < <(view)
[ "$MX $MY" = "$((VX + 60)) $((VY + 40))" ] || fail "the window did not move: $MX $MY"
xdotool mousemove $((MX + VW + 2)) $((MY + VH + 22)) mousedown 1 sleep 0.2 \
    mousemove $((MX + VW + 100)) $((MY + VH + 70)) sleep 0.2 \
    mousemove $((MX + VW + 202)) $((MY + VH + 122)) sleep 0.2 mouseup 1
sleep 0.5
PLACE=$(view)
read -r _ _ SW SH <<<"$PLACE"
[ "$SW $SH" = "$((VW + 200)) $((VH + 100))" ] || fail "the window was not resized: $PLACE"

key alt+f Down Down Down Down Down Down Return  # the installed scenarios: Islands second
wait_until 10 title_is_scenario Islands || fail "Islands: $(probe)"
key alt+f Down Down Down Down Down Return
wait_until 10 title_is_scenario Default || fail "Default: $(probe)"
key minus
read -r VX VY VW VH < <(view)
xdotool mousemove $((VX + 8 + 98)) $((VY + VH - 150)) click 1  # the mini-map's move button
sleep 0.5
shot before-quit
key ctrl+q
stop_editor

[ -f "$FILE" ] || fail "no settings file"
[ "$(setting zoom)" = 1 ] || fail "zoom kept: $(setting zoom)"
[ "$(setting minimap)" = 1 ] || fail "mini-map corner kept: $(setting minimap)"
[ "$(setting recent1 | cut -d, -f1)" = "$(winpath "$GAME/Default")" ] || fail "recent1: $(setting recent1)"
[ "$(setting recent2 | cut -d, -f1)" = "$(winpath "$GAME/Islands")" ] || fail "recent2: $(setting recent2)"

start_editor
wait_until 10 title_is "Tessel 0.60" || fail "restart title: $(probe)"
[ "$(view)" = "$PLACE" ] || fail "the window came back at $(view), not $PLACE"
shot start-panel
key alt+f
shot file-menu
key 1  # the newest recent scenario
wait_until 10 title_is_scenario Default || fail "&1 did not open Default: $(probe)"
key ctrl+q
stop_editor
note "window, zoom, mini-map and the recent scenarios came back (${SECONDS} s)"
