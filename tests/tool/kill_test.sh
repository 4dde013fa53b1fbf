#!/usr/bin/env bash
# Kills the companion's repair (SIGKILL to its Wine process) at random moments, again and
# again, on a damaged copy of the sample game's Default scenario, and checks after every kill
# that each file holds either its old bytes or its repaired bytes, never anything else, and,
# where the kill left temporaries, that the next run leaves none and every file repaired.
#
#   kill_test.sh <tessel_tool.exe> <sample game folder> [kills]
#
# kills defaults to 200; TESSEL_KILLS overrides it, TESSEL_KILL_SEED fixes the random moments.
# Needs wine on the PATH and a prepared prefix, as the test command provides.
set -euo pipefail

tool=$1
game=$2
kills=${TESSEL_KILLS:-${3:-200}}
seed=${TESSEL_KILL_SEED:-$$}
RANDOM=$seed

scratch=$(mktemp -d "${TMPDIR:-/tmp}/tessel-kill.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"

say() { echo "kill test: $*"; }
fail() { echo "kill test: FAILED: $*" >&2; exit 1; }
[ -n "${EPOCHREALTIME:-}" ] || fail "needs bash 5 or later for its clock"

# Time in milliseconds and waiting without starting a process: the polls below run every
# millisecond while the repair runs beside them.
exec {never}<> <(:)
now() { local t=${EPOCHREALTIME/[.,]/}; NOW=$((t / 1000)); }
pause() { local s; printf -v s '%d.%03d' $(($1 / 1000)) $(($1 % 1000)); read -t "$s" -u "$never" || true; }
files() { (cd "$1" && find . -type f | LC_ALL=C sort); }

# The repair writes the maps in order, then the area list, each through a temporary that
# replaces the file: a file has been written once its name leads to another inode.
first=Data/BMap_No1
last=Data/AreaData
watch() { ln -f "work/$first" watch.first; ln -f "work/$last" watch.last; }
started() { [ -e "work/$first.tmp" ] || ! [ "work/$first" -ef watch.first ]; }
written() { ! [ "work/$last" -ef watch.last ]; }
start() { wine "$tool" repair work >/dev/null 2>&1 & pid=$!; }
# Polls until the test holds or the repair has ended.
until_() { while ! "$@" && kill -0 "$pid" 2>/dev/null; do pause 1; done; }

# The damaged scenario: in every map a character out of range, one more city in the last
# cell, and a stored count that no longer holds; so the repair rewrites every map and the area
# list.
cp -r "$game/Default" old
for map in old/Data/BMap_No*; do
    printf '\365' | dd of="$map" bs=1 seek=0 conv=notrunc status=none
    printf '\001' | dd of="$map" bs=1 seek=2047 conv=notrunc status=none
    printf '\000' | dd of="$map" bs=1 seek=3071 conv=notrunc status=none
done

# The repaired scenario, how long a whole repair takes and how long it writes (the medians of
# three: the disk's flushes make them vary).
runs=() writes=()
for round in 1 2 3; do
    rm -rf work
    cp -r old work
    watch
    now; begin=$NOW
    start
    until_ started; now; from=$NOW
    until_ written; now; writes+=($((NOW - from)))
    wait "$pid" || fail "a whole repair failed"
    now; runs+=($((NOW - begin)))
done
duration=$(printf '%s\n' "${runs[@]}" | sort -n | sed -n 2p)
writing=$(printf '%s\n' "${writes[@]}" | sort -n | sed -n 2p)
mv work new
[ "$(files new)" = "$(files old)" ] || fail "a complete repair added or removed files"
(cd new && wine "$tool" check . >/dev/null 2>&1) || fail "the repaired copy does not check clean"
changing=() same=()
for file in $(files old); do
    if cmp -s "old/$file" "new/$file"; then same+=("$file"); else changing+=("$file"); fi
done
[ "${#changing[@]}" -ge 2 ] || fail "the damaged copy needs no repair"
say "$kills kills (seed $seed): a whole repair takes $duration ms, of which $writing ms" \
    "writing ${#changing[@]} files"

declare -A oldSum newSum
while read -r sum file; do oldSum[$file]=$sum; done < <(cd old && md5sum "${changing[@]}")
while read -r sum file; do newSum[$file]=$sum; done < <(cd new && md5sum "${changing[@]}")
sameSums=$(cd old && md5sum "${same[@]}")
reference=$(files old)

cp -r old work
count=0 killed=0 before=0 midway=0 after=0 cleaned=0 late=0 lateReport=
while [ "$killed" -lt "$kills" ]; do
    count=$((count + 1))
    [ "$count" -le $((kills * 3)) ] || fail "only $killed of $count runs were still running when killed"
    # A third of the moments fall anywhere in a run (start, load, writes, the check after),
    # the rest while it writes.
    watch
    start
    whole=$((RANDOM % 3 == 0))
    if [ "$whole" -eq 1 ]; then
        delay=$((RANDOM * (duration + duration / 5) / 32767))
        moment="run $count, killed $delay ms after its start"
    else
        until_ started
        delay=$((RANDOM * (writing + writing / 5) / 32767))
        moment="run $count, killed $delay ms after its first write"
    fi
    pause "$delay"
    hit=0
    if kill -KILL "$pid" 2>/dev/null; then
        killed=$((killed + 1))
        hit=1
    fi
    wait "$pid" 2>/dev/null || true

    [ "$(cd work && md5sum "${same[@]}")" = "$sameSums" ] || fail "$moment: a file that needs no repair changed"
    olds=0 news=()
    while read -r sum file; do
        if [ "$sum" = "${oldSum[$file]}" ]; then
            olds=$((olds + 1))
        elif [ "$sum" = "${newSum[$file]}" ]; then
            news+=("$file")
        else
            fail "$moment: $file is neither its old nor its new contents"
        fi
    done < <(cd work && md5sum "${changing[@]}")
    extra=$(comm -13 <(echo "$reference") <(files work))
    for file in $extra; do
        case "$file" in
        *.tmp | *.tmp[0-9] | *.tmp[0-9][0-9]) ;;
        *) fail "$moment: unexpected file $file" ;;
        esac
    done

    if [ -n "$extra" ] || { [ "$olds" -gt 0 ] && [ "${#news[@]}" -gt 0 ]; }; then
        midway=$((midway + 1))
        # The repair was writing: the window of moments holds at least this one.
        [ "$whole" -eq 1 ] || [ "$delay" -le "$writing" ] || writing=$delay
    elif [ "$olds" -eq 0 ]; then
        after=$((after + 1))
        # Past the writing, or past the whole run: the machine runs faster than it did; the
        # window of moments shrinks towards this one.
        if [ "$whole" -eq 0 ]; then
            writing=$(((writing + delay) / 2 + 1))
        elif [ "$hit" -eq 0 ]; then
            duration=$(((duration + delay) / 2 + 1))
        fi
    else
        before=$((before + 1))
    fi
    # The next run clears the temporaries the kill left and repairs the rest. A file the
    # killed process held stays open until the Wine server has seen it go: the repair then
    # refuses to remove that temporary, as it must while any process holds it, and the run
    # after succeeds.
    if [ -n "$extra" ]; then
        if ! wine "$tool" repair work >next.log 2>&1; then
            late=$((late + 1))
            [ -n "$lateReport" ] || lateReport=$(grep -m1 'tessel_tool:' next.log || head -1 next.log)
            pause 500
            wine "$tool" repair work >next.log 2>&1 || fail "$moment: the next runs failed: $(cat next.log)"
        fi
        cleaned=$((cleaned + 1))
        [ "$(files work)" = "$reference" ] || fail "$moment: a temporary survived the next run"
        [ "$(cd work && md5sum "${changing[@]}")" = "$(cd new && md5sum "${changing[@]}")" ] \
            || fail "$moment: the next run left files unrepaired"
        news=("${changing[@]}")
    fi
    # Back to the damaged bytes for the next run.
    for file in "${news[@]}"; do
        cp "old/$file" "work/$file"
    done
done

say "$count runs, $killed killed: $before before any file changed, $midway while writing," \
    "$after after the last file; $((count - killed)) had ended before their moment"
say "after every kill each file was old or new; the next run cleared the temporaries of $cleaned"
[ "$late" -eq 0 ] || say "$late of those next runs found a temporary still held and the run after" \
    "cleared it; the first said: $lateReport"
