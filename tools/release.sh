#!/usr/bin/env bash
# Builds the release from a clean tree and writes, in build/release:
#   Tessel-<version>-win64.zip   the programs, the Japanese guide, the licence and a README
#   Tessel-<version>-setup.exe   the installer (NSIS) of the same files
# The tree is the last commit, exported afresh into build/release/src (changes not committed
# are not in the release); the build is new in build/release/windows, without tests. Every
# time stamp is the commit's (SOURCE_DATE_EPOCH), so the same commit gives the same zip bytes.
# The version is APPLICATION_VERSION in editor/model/BMConstants.h. Installs what is missing.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

OUT="$TESSEL_ROOT/build/release"
if ! git -C "$TESSEL_ROOT" rev-parse --verify -q HEAD >/dev/null; then
    tessel_note "release: $TESSEL_ROOT is not a git checkout with a commit"
    exit 1
fi
commit=$(git -C "$TESSEL_ROOT" rev-parse --short HEAD)
if [ -n "$(git -C "$TESSEL_ROOT" status --porcelain)" ]; then
    tessel_note "release: changes that are not committed stay out of the release (commit $commit)"
fi
export SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=$(git -C "$TESSEL_ROOT" log -1 --format=%ct HEAD)

# The icon is drawn under Wine at build time.
export WINEPREFIX="$TESSEL_CACHE/wine-release"
tessel_prepare_prefix

rm -rf "$OUT"
mkdir -p "$OUT/src"
git -C "$TESSEL_ROOT" archive --format=tar HEAD | tar -x -C "$OUT/src"
tessel_note "release: building commit $commit in build/release/windows"
# Source paths (__FILE__ in log lines) relative to the tree, so that where the checkout lies
# does not change the programs' bytes.
cmake -S "$OUT/src" -B "$OUT/windows" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$OUT/src/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DTESSEL_TESTS=OFF -DTESSEL_BENCH=OFF -DTESSEL_DEMO=OFF \
    -DCMAKE_CXX_FLAGS="-ffile-prefix-map=$OUT/src/=" >/dev/null
cmake --build "$OUT/windows" --target Tessel tessel_tool -- --quiet -j2

bash "$OUT/src/tools/package.sh" "$OUT/windows" "$OUT" >/dev/null
rm -rf "$OUT/stage"
for file in "$OUT"/*.zip "$OUT"/*.exe; do
    printf '%s  %s bytes  sha256 %s\n' "$(basename "$file")" "$(stat -c %s "$file")" \
        "$(sha256sum "$file" | cut -c1-16)"
done
