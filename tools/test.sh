#!/usr/bin/env bash
# Builds Tessel and every test, then runs them all under Wine on a virtual display of their own.
# Installs what is missing first. Extra arguments go to ctest (for example -R HFile).
set -euo pipefail
source "$(dirname "$0")/setup.sh"

# A prefix per checkout, so that test runs of two checkouts never share a Wine server.
export WINEPREFIX="$TESSEL_CACHE/wine-test-$(echo -n "$TESSEL_ROOT" | md5sum | cut -c1-8)"
tessel_prepare_prefix
tessel_unmanaged_windows
tessel_build_windows

trap 'tessel_stop_display; wineserver -k 2>/dev/null || true' EXIT
tessel_start_display
cd "$TESSEL_ROOT/build/windows"
ctest --output-on-failure --timeout 900 -j2 "$@"
