#!/usr/bin/env bash
# The editor's start-up, measured in new processes as a user starts it: runs
#   wine tessel_shell_bench.exe start
# several times (default 10) with Wine's server already running and prints each run's figures,
# then the median of each and the load average. Needs the Windows build, a display, and
# WINEPREFIX pointing at a prepared prefix (the test command's, or the start command's).
# With "settings" the editor starts with a settings file of eight recent scenarios, without
# it with none.
#   bench/start-up.sh [runs] [settings]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bench="$root/build/windows/bench/tessel_shell_bench.exe"
runs=${1:-10}
settings=${2:-}
export WINEDEBUG=-all
wineserver -p 2>/dev/null || true
wine cmd.exe /c exit >/dev/null 2>&1 || true  # the prefix's system processes, once
out=$(mktemp)
trap 'rm -f "$out"' EXIT
echo "load before: $(uptime)"
for _ in $(seq 1 "$runs"); do
    wine "$bench" start $settings 2>/dev/null | tr -d '\r' | tee -a "$out"
done
echo "load after: $(uptime)"
# The median of each figure of the runs' first lines.
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
figures=$(grep '^start-up: process' "$out" |
    sed -E 's/.*main ([0-9]+) ms \(processor ([0-9]+)\).*map 1 ([0-9]+) ms \(processor ([0-9]+)\).*frame ([0-9]+) ms/\1 \2 \3 \4 \5/')
m() { echo "$figures" | cut -d' ' -f"$1" | median; }
echo "median of $runs runs: process start to main $(m 1) ms (processor $(m 2)); main to the" \
    "first frame $(m 3) ms (processor $(m 4)); process start to the first frame $(m 5) ms"
