#!/usr/bin/env bash
# Builds Tessel and starts the editor under Wine. Installs what is missing first.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

export WINEPREFIX="$TESSEL_CACHE/wine"
tessel_prepare_prefix
tessel_build_windows
tessel_register_game

exe="$TESSEL_ROOT/build/windows/editor/Tessel.exe"
if [ ! -f "$exe" ]; then
    tessel_note "the editor's main window is not built yet; the data core and its tests are"
    exit 0
fi
if [ -z "${DISPLAY:-}" ]; then
    trap 'tessel_stop_display' EXIT
    tessel_start_display
    tessel_note "no display was set: the editor runs on the virtual display $DISPLAY"
fi
cd "$(dirname "$exe")"
wine "$exe" "$@"
