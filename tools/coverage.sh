#!/usr/bin/env bash
# Line coverage of the program code (everything outside tests/ and fuzz/) by the host tests:
# builds the host tests with clang's source-based coverage in build/coverage (no sanitizers,
# no fuzz campaigns; the corpus replay test runs as usual), runs them and prints llvm-cov's
# report. Extra arguments go to ctest.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

dir="$TESSEL_ROOT/build/coverage"
flags="-fprofile-instr-generate -fcoverage-mapping"
if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$TESSEL_ROOT" -B "$dir" -G Ninja \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTESSEL_BENCH=OFF -DTESSEL_SANITIZE=OFF \
        -DTESSEL_FUZZ=OFF -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null
fi
nice -n 10 cmake --build "$dir" -- --quiet

rm -rf "$dir/profiles"
(cd "$dir" && LLVM_PROFILE_FILE="$dir/profiles/%p.profraw" nice -n 10 ctest -j2 "$@" >/dev/null) \
    || tessel_note "some tests failed; the figures cover what ran"
llvm-profdata merge -sparse -o "$dir/tests.profdata" "$dir"/profiles/*.profraw

objects=()
while IFS= read -r program; do
    objects+=(-object "$program")
done < <(cd "$dir" && ctest -N -V | sed -n 's/^[0-9]*: Test command: \([^ ]*\).*/\1/p' | sort -u)
# Paths are as compiled, relative to the build: the sources' rewritten copies under sjis/,
# headers under ../../.
llvm-cov report -instr-profile="$dir/tests.profdata" "${objects[@]:1}" \
    -ignore-filename-regex="^/usr/|googletest|/(\.\./\.\./|sjis/)(tests|fuzz|cmake)/"
