#!/usr/bin/env bash
# Long fuzzing campaigns of the data core's parsers, one target after the other (the machine's
# cores are shared). Installs what is missing and builds build/host first.
#
#   tools/fuzz.sh [--runs N | --seconds S] [target ...] [-- libFuzzer flags]
#
# Targets default to every fuzz_* program; --runs defaults to 20,000,000 executions each. New
# inputs gather in build/host/fuzz/found/<target>; a finding stops the campaign with its input
# in build/host/fuzz/findings/ (add it to fuzz/corpus/<target>/ as regression-<what> once
# fixed). Each campaign's last lines (executions, executions per second) go to
# build/host/fuzz/<target>.log.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

limit=(-runs=20000000)
targets=()
extra=()
while [ $# -gt 0 ]; do
    case "$1" in
        --runs) limit=(-runs="$2"); shift 2 ;;
        --seconds) limit=(-max_total_time="$2"); shift 2 ;;
        --) shift; extra=("$@"); break ;;
        *) targets+=("$1"); shift ;;
    esac
done

tessel_build_host
# Long campaigns spend about a quarter of their time recording allocation stacks and recycling
# a large quarantine. A finding is replayed under the default settings to read its stacks; a
# 1 MB quarantine is still far deeper than what one input frees, so a late use is still caught.
export ASAN_OPTIONS="${ASAN_OPTIONS:-malloc_context_size=0:quarantine_size_mb=1}"
fuzz="$TESSEL_ROOT/build/host/fuzz"
if [ ${#targets[@]} -eq 0 ]; then
    for program in "$fuzz"/fuzz_*; do
        [ -x "$program" ] && targets+=("$(basename "$program")")
    done
fi

mkdir -p "$fuzz/findings"
for target in "${targets[@]}"; do
    mkdir -p "$fuzz/found/$target"
    tessel_note "fuzzing $target (${limit[*]})"
    status=0
    "$fuzz/$target" "${limit[@]}" -print_final_stats=1 -artifact_prefix="$fuzz/findings/$target-" \
        "${extra[@]}" "$fuzz/found/$target" "$TESSEL_ROOT/fuzz/corpus/$target" \
        > "$fuzz/$target.log" 2>&1 || status=$?
    grep -E '^(Done|stat::number_of_executed_units|stat::average_exec_per_sec|stat::peak_rss_mb)' \
        "$fuzz/$target.log" || true
    if [ $status -ne 0 ]; then
        tail -40 "$fuzz/$target.log"
        if compgen -G "$fuzz/findings/$target-*" >/dev/null; then
            tessel_note "$target found a fault: see $fuzz/findings/"
        else
            tessel_note "$target stopped (status $status)"
        fi
        exit $status
    fi
done
