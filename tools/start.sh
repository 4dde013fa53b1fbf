#!/usr/bin/env bash
# Builds Tessel and starts the editor under Wine, with the sample game as the installed game
# (its scenarios are in the File menu). Installs what is missing first. An argument names a
# scenario folder to open at start, as a Windows path (for example Z:\home\me\game\Default).
set -euo pipefail
source "$(dirname "$0")/setup.sh"

export WINEPREFIX="$TESSEL_CACHE/wine"
tessel_prepare_prefix
tessel_build_windows
tessel_register_game

exe="$TESSEL_ROOT/build/windows/editor/shell/Tessel.exe"
if [ -z "${DISPLAY:-}" ]; then
    trap 'tessel_stop_display' EXIT
    tessel_start_display
    tessel_note "no display was set: the editor runs on the virtual display $DISPLAY"
fi
cd "$(dirname "$exe")"
wine "$exe" "$@"
