#!/usr/bin/env bash
# The installer on a new Windows: in a fresh Wine prefix it installs silently (/S) exactly the
# files of the zip and its uninstaller, with a Start-menu entry and an entry in the list of
# installed programs; the program starts from that Start-menu entry; the uninstaller, silent
# too, removes every file the installer made, the entries and the folders.
#
#   installer_test.sh <setup.exe> <zip> <probe.exe> <version>
set -euo pipefail
source "$(dirname "$0")/fresh_wine.sh"
SETUP=$1 ZIP=$2 PROBE=$3 VERSION=$4
fresh_wine installer

drive="$WINEPREFIX/drive_c"
KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessel'
# Files of the prefix, leaving out temporary folders and Wine's own bookkeeping.
files() {
    (cd "$drive" && find . -type f | grep -v -i -e '/temp/' -e '^./windows/' | LC_ALL=C sort)
}
files >"$FRESH_WORK/before"

# --- install ------------------------------------------------------------------------------
wine "$SETUP" /S || fail "the installer failed"
wineserver -w
files >"$FRESH_WORK/after"
comm -13 "$FRESH_WORK/before" "$FRESH_WORK/after" >"$FRESH_WORK/installed"

appdata=$(cd "$drive/users" && ls -d */AppData | head -1)
install_dir="./users/$appdata/Local/Programs/Tessel"
menu_dir="./users/$appdata/Roaming/Microsoft/Windows/Start Menu/Programs/Tessel"
# The install folder holds the zip's files and the uninstaller, nothing else.
expected=$( (unzip -Z1 "$ZIP" | sed 's|^[^/]*/||'; echo uninstall.exe) | sed "s|^|$install_dir/|" | LC_ALL=C sort)
actual=$(grep "^$install_dir/" "$FRESH_WORK/installed" || true)
[ "$actual" = "$expected" ] ||
    fail "installed files differ from the zip's: $(diff <(echo "$expected") <(echo "$actual") | head -20)"
grep -qx "$menu_dir/Tessel.lnk" "$FRESH_WORK/installed" || fail "no Start-menu entry"
cmp -s "$drive/$install_dir/Tessel.exe" <(unzip -p "$ZIP" "*/Tessel.exe") || fail "Tessel.exe differs from the zip's"
shown=$(wine reg query "$KEY" /v DisplayVersion 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ *//p')
[ "$shown" = "$VERSION" ] || fail "installed programs list version '$shown'"
echo "installed $(wc -l <"$FRESH_WORK/installed") files"

# --- the installed program starts from the Start menu -------------------------------------
wine start /unix "$drive/$menu_dir/Tessel.lnk"
title_is() { [ "$(wine "$PROBE" title 2>/dev/null | tr -d '\r' | sed -n 's/^title=//p')" = "$1" ]; }
wait_until 60 title_is "Tessel $VERSION" || fail "the installed editor did not start"
wine "$PROBE" close
wait_until 30 eval '! wine "$PROBE" title >/dev/null 2>&1' || fail "the editor did not close"
wineserver -w
echo "the installed editor started from the Start menu"

# --- uninstall ----------------------------------------------------------------------------
# The uninstaller copies itself to a temporary folder and runs from there; wineserver -w
# waits for that copy too.
wine "$drive/$install_dir/uninstall.exe" /S
wineserver -w
left=$(while read -r file; do
    if [ -e "$drive/$file" ]; then echo "$file"; fi
done <"$FRESH_WORK/installed")
[ -z "$left" ] || fail "the uninstaller left: $left"
[ ! -e "$drive/$install_dir" ] || fail "the install folder is still there"
[ ! -e "$drive/$menu_dir" ] || fail "the Start-menu folder is still there"
! wine reg query "$KEY" >/dev/null 2>&1 || fail "the installed programs list still names Tessel"
echo "passed"
