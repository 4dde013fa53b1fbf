#!/usr/bin/env bash
# Kills the scenario's save (SIGKILL to its Wine process) at random moments, again and again,
# on a copy of the sample game's "Default" whose first area the save takes out: every later
# map moves up one number, so the save rewrites the area list and every map and removes the
# last map's file (through its journal). It checks after every kill that the next open leaves
# exactly the old or exactly the new files, byte for byte, with no temporary and no journal.
#
#   save_kill_test.sh <tessel_save_probe.exe> <sample game folder> [kills]
#
# kills defaults to 100; TESSEL_KILLS overrides it, TESSEL_KILL_SEED fixes the random moments.
# Needs wine on the PATH and a prepared prefix, as the test command provides.
set -euo pipefail

probe=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
game=$(cd "$2" && pwd)
kills=${TESSEL_KILLS:-${3:-100}}
seed=${TESSEL_KILL_SEED:-$$}
RANDOM=$seed

scratch=$(mktemp -d "${TMPDIR:-/tmp}/tessel-save-kill.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"

say() { echo "save kill test: $*"; }
fail() { echo "save kill test: FAILED: $*" >&2; exit 1; }
[ -n "${EPOCHREALTIME:-}" ] || fail "needs bash 5 or later for its clock"

# Time in milliseconds and waiting without starting a process, as the polls below need.
exec {never}<> <(:)
now() { local t=${EPOCHREALTIME/[.,]/}; NOW=$((t / 1000)); }
pause() { local s; printf -v s '%d.%03d' $(($1 / 1000)) $(($1 % 1000)); read -t "$s" -u "$never" || true; }
winpath() { local p=$scratch/$1; echo "Z:${p//\//\\}"; }

# old: the files before the save; new: after a whole save of the renumbering the probe makes.
cp -r "$game/Default" reference
cp -r reference/Data old
wine "$probe" reference "$(winpath reference)" "$(winpath old)" "$(winpath old)" >/dev/null 2>&1 \
    || fail "the save without a kill failed"
cp -r reference/Data new
changed=$( (diff -rq old new || true) | wc -l)
[ "$changed" -eq "$(ls old | wc -l)" ] || fail "the save changes $changed files, not every one"
cp -r "$game/Default" work
args=("$(winpath work)" "$(winpath old)" "$(winpath new)")

# The probe prints its verdict on stdout; what Wine itself says goes aside into wine.log.
start() { rm -f work/saving work/saved; wine "$probe" cycle "${args[@]}" >cycle.log 2>>wine.log & pid=$!; }
saving() { [ -e work/saving ]; }
saved() { [ -e work/saved ]; }
# Polls until the test holds or the probe has ended.
until_() { while ! "$@" && kill -0 "$pid" 2>/dev/null; do pause 1; done; }
verdict() { sed -n '1{s/ (open:.*//;p}' cycle.log; }

# How long the save takes, from the moment it starts writing to its end (the median of three).
runs=()
for round in 1 2 3; do
    start
    until_ saving
    now; from=$NOW
    until_ saved
    now; runs+=($((NOW - from)))
    wait "$pid" || fail "a whole save failed: $(cat cycle.log)"
done
duration=$(printf '%s\n' "${runs[@]}" | sort -n | sed -n 2p)
say "$kills kills (seed $seed): a whole save of $changed files takes $duration ms"

count=0 killed=0 olds=0 news=0 finished=0 late=0
check() {
    local state tries=0
    state=$(verdict)
    # A file that the killed process held stays held until the Wine server has seen the
    # process go: the open must leave such a temporary, or fail to complete the save over such
    # a file, and the next open then succeeds.
    while [[ "$state" == "mixed: extra file "*.tmp* || "$(cat cycle.log)" == *"open: not finished"* ]] \
          && [ "$tries" -lt 3 ]; do
        tries=$((tries + 1))
        late=$((late + 1))
        pause 500
        wine "$probe" check "${args[@]}" >cycle.log 2>>wine.log || true
        state=$(verdict)
    done
    case "$state" in
    old) olds=$((olds + 1)) ;;
    new) news=$((news + 1)) ;;
    *) fail "$1: $(cat cycle.log)" ;;
    esac
    grep -q 'open: finished' cycle.log && finished=$((finished + 1)) || true
}

while [ "$killed" -lt "$kills" ]; do
    count=$((count + 1))
    [ "$count" -le $((kills * 3)) ] || fail "only $killed of $count runs were still running when killed"
    start
    until_ saving
    # A third of the moments fall early, while the journal is written (one file of the
    # save's seventeen), the rest anywhere in the save.
    if [ $((RANDOM % 3)) -eq 0 ]; then
        delay=$((RANDOM * (duration / 12 + 1) / 32767))
    else
        delay=$((RANDOM * (duration + duration / 10) / 32767))
    fi
    pause "$delay"
    if kill -KILL "$pid" 2>/dev/null; then
        killed=$((killed + 1))
    fi
    wait "$pid" 2>/dev/null || true
    check "run $count (after the kill of run $((count - 1)))"
    moment="run $count, killed $delay ms after its save began"
done
wine "$probe" check "${args[@]}" >cycle.log 2>>wine.log || fail "$moment: $(cat cycle.log)"
check "$moment"

say "$count runs, $killed killed; the open after each found the old files $olds times and" \
    "the new ones $news times, completing an interrupted save $finished times"
[ "$late" -eq 0 ] || say "$late opens found a temporary still held by the killed process; the next open removed it"
