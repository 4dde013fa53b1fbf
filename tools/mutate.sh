#!/usr/bin/env bash
# Mutation testing of the data core: puts one realistic fault at a time into a scratch copy of
# this checkout, rebuilds the host build there incrementally and runs the host tests (the
# replay of every fuzz corpus included, the fuzz campaigns left out). A mutant is killed when
# a test fails, times out or finds a sanitizer fault, and survives when everything passes.
#
#   tools/mutate.sh [-n] [-l LIST] [-w FOLDER] [NAME...]
#
# -n only checks that every mutant still applies (no build, no test). LIST defaults to
# tools/mutants.txt (its head describes the format), FOLDER to build/mutate; NAMEs pick
# mutants by name (all of them without). The copy takes the working tree as it is,
# uncommitted changes included. The summary goes to FOLDER/report.txt as well.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

list="$TESSEL_ROOT/tools/mutants.txt"
work="$TESSEL_ROOT/build/mutate"
check_only=false
while getopts "nl:w:" option; do
    case $option in
    n) check_only=true ;;
    l) list=$(realpath "$OPTARG") ;;
    w) work=$(realpath -m "$OPTARG") ;;
    *) exit 2 ;;
    esac
done
shift $((OPTIND - 1))
wanted=("$@")

# The list: blocks of "name:", "file:", "old:", "new:", "fault:" and optionally "equivalent:"
# lines, one value after "key: " (the text runs to the end of the line, blanks included); a
# line starting with "|" continues the value before it on a new line.
names=() files=() olds=() news=() faults=() equivalents=()
read_list() {
    local line key='' value n=-1
    while IFS= read -r line || [ -n "$line" ]; do
        case $line in
        '#'* | '') continue ;;
        '|'*)
            case $key in
            old) olds[n]+=$'\n'"${line#|}" ;;
            new) news[n]+=$'\n'"${line#|}" ;;
            *) tessel_note "$list: a continuation of no old or new text: $line"; exit 2 ;;
            esac
            continue ;;
        esac
        key=${line%%:*}
        value=${line#*:}
        value=${value# }
        case $key in
        name)
            n=$((n + 1))
            names[n]=$value files[n]='' olds[n]='' news[n]='' faults[n]='' equivalents[n]='' ;;
        file) files[n]=$value ;;
        old) olds[n]=$value ;;
        new) news[n]=$value ;;
        fault) faults[n]=$value ;;
        equivalent) equivalents[n]=$value ;;
        *) tessel_note "$list: unknown line: $line"; exit 2 ;;
        esac
    done < "$list"
}
read_list

# Sets original to the file's text; false, with the reason in problem, when the mutant's old
# text is missing or not unique there.
applies() {
    local path=$1 old=$2 rest
    problem=''
    if [ ! -f "$path" ] || [ -z "$old" ]; then
        problem="no file or no old text"
        return 1
    fi
    IFS= read -r -d '' original <"$path" || true
    rest=${original#*"$old"}
    if [ "$rest" = "$original" ]; then
        problem="the file no longer holds: $old"
    elif [ "${rest#*"$old"}" != "$rest" ]; then
        problem="the file holds more than once: $old"
    fi
    [ -z "$problem" ]
}

if $check_only; then
    bad=0
    for n in "${!names[@]}"; do
        if ! applies "$TESSEL_ROOT/${files[n]}" "${olds[n]}"; then
            echo "STALE     ${names[n]}: ${files[n]}: $problem"
            bad=$((bad + 1))
        fi
    done
    echo "${#names[@]} mutants, $bad stale"
    [ $bad -eq 0 ]
    exit
fi

src="$work/src"
build="$work/build"
mkdir -p "$work"

# A fresh copy of the tracked and new files; unchanged files keep their times, so only what
# changed since the last run is rebuilt.
tessel_note "copying the checkout to $src"
previous="$work/previous"
rm -rf "$previous"
if [ -d "$src" ]; then mv "$src" "$previous"; fi
mkdir -p "$src"
(cd "$TESSEL_ROOT" && git ls-files -z --cached --others --exclude-standard \
    | tar --null --ignore-failed-read -T - -cf - 2>/dev/null) | tar -xf - -C "$src"
# A file that differs from the last copy gets a new time: one that went back to an older
# version (another branch, a revert) keeps a time older than what the last run built from it.
if [ -d "$previous" ]; then
    (cd "$src" && find . -type f -print0) | while IFS= read -r -d '' path; do
        cmp -s "$src/$path" "$previous/$path" || touch "$src/$path"
    done
    rm -rf "$previous"
fi
# A run stopped with a mutant in place left its build products newer than the file copied
# back, which keeps its old time: a new time makes the build redo them.
applied="$work/applied"
if [ -f "$applied" ]; then
    touch "$(cat "$applied")"
    rm -f "$applied"
fi

launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# The test command's host build without the libFuzzer programs: fuzz_replay_tests replays
# every corpus through the same checks, and each mutant relinks four programs fewer.
cmake -S "$src" -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSEL_BENCH=OFF -DTESSEL_FUZZ=OFF "${launcher[@]}" \
    >/dev/null

# The tests' folders go to memory where there is some: thousands of synced files otherwise.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=$(mktemp -d /dev/shm/tessel-mutate.XXXXXX)
    trap 'rm -rf "$TMPDIR"' EXIT
fi

compile() { nice -n 10 cmake --build "$build" -- --quiet >"$work/build.log" 2>&1; }
# Runs the tests, the slow replay of the fuzz corpus mutants last and only when everything
# else passed; prints the names of the failed ones.
slowest='^fuzz_replay_tests$'
run_tests() {
    local phase
    for phase in "-E $slowest" "-R $slowest"; do
        # shellcheck disable=SC2086
        if ! (cd "$build" && nice -n 10 ctest $phase -j2 --stop-on-failure --timeout "$timeout" \
            >"$work/test.log" 2>&1); then
            sed -n 's/^[[:space:]]*[0-9]* - \(.*\) (.*)$/\1/p' "$work/test.log" | tr '\n' ' '
            return 1
        fi
    done
}

tessel_note "building and testing without a mutant"
timeout=900
started=$SECONDS
compile || { cat "$work/build.log"; tessel_note "the build fails without a mutant"; exit 1; }
if ! failed=$(run_tests); then
    tessel_note "the tests fail without a mutant: $failed(see $work/test.log)"
    exit 1
fi
# A test slowed down far beyond its normal time by a mutant is a hang: killed.
timeout=$(( (SECONDS - started) * 3 + 60 ))

# Every source of the host build, headers included, for telling mutants that build nothing.
(grep -o "$src/[^ :|]*" "$build/build.ninja"
 ninja -C "$build" -t deps | sed -n -e "s#^ *\.\./src/#$src/#p" -e "s#^ *\($src/\)#\1#p") \
    | sort -u >"$work/sources.txt"

report="$work/report.txt"
: >"$report"
say() { echo "$*" | tee -a "$report"; }

killed=0 survived=0 stale=0 unbuilt=0 broken=0 equivalent=0
survivors=()
run_started=$SECONDS
for n in "${!names[@]}"; do
    name=${names[n]}
    if [ ${#wanted[@]} -gt 0 ] && [[ ! " ${wanted[*]} " == *" $name "* ]]; then
        continue
    fi
    path="$src/${files[n]}"
    old=${olds[n]}
    if ! applies "$path" "$old"; then
        say "STALE     $name: ${files[n]}: $problem"
        stale=$((stale + 1))
        continue
    fi
    if ! grep -qxF "$path" "$work/sources.txt"; then
        say "NOT BUILT $name: ${files[n]} is not part of the host build"
        unbuilt=$((unbuilt + 1))
        continue
    fi
    echo "$path" >"$applied"
    printf '%s' "${original/"$old"/"${news[n]}"}" >"$path"
    mutant_started=$SECONDS
    built=true
    compile || built=false
    if ! $built && grep -q '^FAILED: .*game\.stamp' "$work/build.log"; then
        # The build writes the sample game with the program's own code: a test of its own.
        say "KILLED    $name ($((SECONDS - mutant_started)) s) by writing the sample game"
        killed=$((killed + 1))
    elif ! $built; then
        say "BROKEN    $name: does not build; see its text in the list"
        broken=$((broken + 1))
    elif failed=$(run_tests); then
        if [ -n "${equivalents[n]}" ]; then
            say "EQUIVALENT $name: ${equivalents[n]}"
            equivalent=$((equivalent + 1))
        else
            say "SURVIVED  $name ($((SECONDS - mutant_started)) s): ${faults[n]}"
            survived=$((survived + 1))
            survivors+=("$name")
        fi
    else
        say "KILLED    $name ($((SECONDS - mutant_started)) s) by $failed"
        killed=$((killed + 1))
        if [ -n "${equivalents[n]}" ]; then
            say "          $name is marked equivalent, but a test tells it apart"
        fi
    fi
    printf '%s' "$original" >"$path"  # a new time stamp: the next build compiles it again
    rm -f "$applied"
done

tried=$((killed + survived))
say ""
say "$killed killed, $survived survived, $equivalent equivalent, $stale stale," \
    "$unbuilt not built, $broken broken"
if [ $tried -gt 0 ]; then
    permille=$((killed * 1000 / tried))
    say "kill rate $((permille / 10)).$((permille % 10)) % of $tried mutants" \
        "in $(( (SECONDS - run_started) / 60 )) min"
fi
[ ${#survivors[@]} -eq 0 ] || say "survivors: ${survivors[*]}"
compile || true  # leave the scratch build matching the checkout
