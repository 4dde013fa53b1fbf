#!/usr/bin/env bash
# What the editor costs while nobody touches it: starts Tessel.exe under Wine with "Default" of
# the sample game open (a copy), waits for its window and a few seconds more, then counts over
# the given seconds (default 30) the processor time and the wake-ups (voluntary and involuntary
# context switches) of every thread of the Tessel.exe process, read from /proc, and the same
# for the prefix's wineserver, which also serves the prefix's other programs. Needs the
# Windows build, a display and WINEPREFIX pointing at a prepared prefix (the test command's,
# or the start command's).
#   bench/idle.sh [seconds] [Tessel.exe]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
exe=${2:-$root/build/windows/editor/shell/Tessel.exe}
game="$root/build/windows/sample/game"
[ -f "$exe" ] && [ -d "$game/Default" ] || { echo "idle: build the Windows program first" >&2; exit 1; }
[ -n "${DISPLAY:-}" ] || { echo "idle: needs a display (DISPLAY)" >&2; exit 1; }
export WINEDEBUG=-all

work=$(mktemp -d)
editor=
cleanup() {
    [ -n "$editor" ] && kill "$editor" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
cp -r "$game/Default" "$work/Default"
wineserver -p 2>/dev/null || true
wine cmd.exe /c exit >/dev/null 2>&1 || true  # the prefix's system processes, once

# The prefix's server: the wineserver whose folder is named after the prefix's device and inode.
read -r device inode < <(stat -c '%d %i' "$WINEPREFIX")
server_dir=$(printf 'server-%x-%x' "$device" "$inode")
server=
for p in $(pgrep wineserver || true); do
    case "$(readlink "/proc/$p/cwd" 2>/dev/null)" in */"$server_dir") server=$p ;; esac
done

(cd "$work" && exec wine "$exe" "Z:${work//\//\\}\\Default" >/dev/null 2>&1) &
editor=$!
end=$((SECONDS + 60))
until xdotool search --pid "$editor" --name ' - Tessel$' >/dev/null 2>&1; do
    [ $SECONDS -lt $end ] || { echo "idle: the editor showed no scenario" >&2; exit 1; }
    sleep 0.2
done
sleep 5  # the first frame, the recovery copy's first looks

# One line per thread: id, name, processor ticks, voluntary and involuntary switches.
threads() {
    local task
    for task in /proc/"$1"/task/*; do
        awk -v id="${task##*/}" '
            FNR == 1 && FILENAME ~ /stat$/ {
                name = $0; sub(/^[^(]*\(/, "", name); sub(/\).*$/, "", name); gsub(/ /, "_", name)
                rest = $0; sub(/^.*\) /, "", rest); split(rest, f, " ")
                ticks = f[12] + f[13]  # utime and stime, fields 14 and 15 of the line
            }
            /^voluntary_ctxt_switches/ { voluntary = $2 }
            /^nonvoluntary_ctxt_switches/ { involuntary = $2 }
            END { print id, name, ticks, voluntary, involuntary }
        ' "$task/stat" "$task/status" 2>/dev/null || true
    done
}
# The differences between two snapshots; a thread new in the second counts from zero.
differences() {
    awk 'NR == FNR { t[$1] = $3; v[$1] = $4; n[$1] = $5; next }
         { print $1, $2, $3 - t[$1], $4 - v[$1], $5 - n[$1] }' "$1" "$2"
}
threads "$editor" >"$work/editor.0"
[ -n "$server" ] && threads "$server" >"$work/server.0"
start=$(date +%s.%N)
sleep "$seconds"
threads "$editor" >"$work/editor.1"
[ -n "$server" ] && threads "$server" >"$work/server.1"
elapsed=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { printf "%.3f", b - a }')
tick=$(getconf CLK_TCK)

report() {
    local who=$1 file=$2
    awk -v who="$who" -v s="$elapsed" -v tick="$tick" '
        { ms += $3 * 1000 / tick; vol += $4; inv += $5; n++
          if ($4 + $5 > 0) busy[$2] += $4 + $5 }
        END {
            printf "%s: %.0f ms of processor in %.1f s (%.3f %% of a core); %d wake-ups (%d voluntary, %d involuntary), %.1f a second, over %d threads\n",
                   who, ms, s, ms / 10 / s, vol + inv, vol, inv, (vol + inv) / s, n
            for (t in busy) printf "  %s: %d wake-ups (%.1f a second)\n", t, busy[t], busy[t] / s
        }' "$file"
}
differences "$work/editor.0" "$work/editor.1" >"$work/editor.d"
report "Tessel.exe idle with Default open" "$work/editor.d"
if [ -n "$server" ]; then
    differences "$work/server.0" "$work/server.1" >"$work/server.d"
    report "wineserver (all of the prefix's programs)" "$work/server.d"
fi
echo "load: $(uptime)"
