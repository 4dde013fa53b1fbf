#!/usr/bin/env bash
# Builds Tessel and every test, then runs them twice over: the data core on this machine under
# AddressSanitizer and UndefinedBehaviorSanitizer (with each fuzzer's corpus replay and a short
# campaign), and the Windows build under Wine on a virtual display of its own. Installs what is
# missing first. Extra arguments go to both ctest runs (for example -R HFile).
set -euo pipefail
source "$(dirname "$0")/setup.sh"

# A prefix per checkout, so that test runs of two checkouts never share a Wine server.
export WINEPREFIX="$TESSEL_CACHE/wine-test-$(echo -n "$TESSEL_ROOT" | md5sum | cut -c1-8)"
tessel_prepare_prefix
tessel_unmanaged_windows
tessel_build_windows
tessel_build_host

status=0
tessel_note "the data core on this machine, under the sanitizers"
export UBSAN_OPTIONS=print_stacktrace=1
(cd "$TESSEL_ROOT/build/host" && ctest --output-on-failure --timeout 900 -j2 "$@") || status=$?

tessel_note "the Windows build under Wine"
trap 'tessel_stop_display; wineserver -k 2>/dev/null || true' EXIT
tessel_start_display
# The first Wine process starts the prefix's server and system processes, which inherit its
# output: the ctest entry that started them would stay open, holding one of the two slots,
# until the server exits at the end of the run. Start them here, outside ctest.
wineserver -p 2>/dev/null || true
wine cmd.exe /c exit >/dev/null 2>&1 || true
(cd "$TESSEL_ROOT/build/windows" && ctest --output-on-failure --timeout 900 -j2 "$@") || status=$?
exit $status
