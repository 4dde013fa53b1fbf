# Sourced by the release tests: a Wine prefix made afresh for the test, as on a new Windows
# installation, and a virtual display of its own, both removed when the test ends. Needs the
# test command's environment (Japanese locale, Wine, Xvfb).
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/setup.sh"

fresh_wine_cleanup() {
    [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null || true
    tessel_stop_display
    [ -n "${FRESH_PREFIX:-}" ] && rm -rf "$FRESH_PREFIX"
    [ -n "${FRESH_WORK:-}" ] && rm -rf "$FRESH_WORK"
    return 0
}

# fresh_wine <name>: sets WINEPREFIX, DISPLAY and FRESH_WORK (an empty folder for the test).
fresh_wine() {
    FRESH_PREFIX=$(mktemp -d "/tmp/tessel-$1-prefix.XXXXXX")
    FRESH_WORK=$(mktemp -d "/tmp/tessel-$1-work.XXXXXX")
    trap fresh_wine_cleanup EXIT
    export WINEPREFIX=$FRESH_PREFIX WINEDEBUG=-all
    tessel_start_display || exit 1
    local start=$SECONDS
    # No .NET or browser engine: their installers would ask, and nothing here needs them.
    WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
    wineserver -w
    echo "fresh prefix made in $((SECONDS - start)) s"
}

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# Waits up to $1 seconds for the command to succeed.
wait_until() {
    local limit=$1
    shift
    local end=$((SECONDS + limit))
    until "$@"; do
        [ $SECONDS -lt $end ] || return 1
        sleep 0.3
    done
}

winpath() { echo "Z:${1//\//\\}"; }
