#!/usr/bin/env bash
# The companion's picture of one map, measured in new processes as a user runs it: the median
# wall time of `tessel_tool picture <scenario> 1 <png>` against that of a bare run (the usage
# text), alternating, several times (default 15). The difference is the picture's own work:
# loading the scenario, drawing, encoding and writing. Needs the Windows build and WINEPREFIX
# pointing at a prepared prefix (the test command's, or the start command's).
#   bench/picture.sh [runs] [scenario folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tool="$root/build/windows/tool/tessel_tool.exe"
runs=${1:-15}
scenario=$(winepath -w "${2:-$root/build/windows/sample/game/Default}")
png=$(mktemp --suffix=.png)
trap 'rm -f "$png"' EXIT
export WINEDEBUG=-all
wineserver -p 2>/dev/null || true
wine cmd.exe /c exit >/dev/null 2>&1 || true  # the prefix's system processes, once
milliseconds() {
    local start end
    start=$(date +%s%N)
    wine "$tool" "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
echo "load before: $(uptime)"
bare=()
picture=()
for _ in $(seq 1 "$runs"); do
    bare+=("$(milliseconds)")
    picture+=("$(milliseconds picture "$scenario" 1 "$(winepath -w "$png")")")
done
echo "load after: $(uptime)"
b=$(printf '%s\n' "${bare[@]}" | median)
p=$(printf '%s\n' "${picture[@]}" | median)
echo "median of $runs runs: bare start $b ms, picture of map 1 $p ms, its own work $((p - b)) ms" \
    "($(stat -c %s "$png") bytes of PNG)"
