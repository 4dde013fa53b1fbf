#!/usr/bin/env bash
# The release files from this build, for the release tests: the zip twice, with a different
# time zone, permission mask and locale, which must give the same bytes; then the zip and the
# installer that the other release tests use.
#
#   package_test.sh <build folder> <output folder>
set -euo pipefail
BUILD=$1 OUT=$2
package="$(dirname "$0")/../../tools/package.sh"
export SOURCE_DATE_EPOCH=1700000000
rm -rf "$OUT"
first=$( (umask 022; TZ=UTC LC_ALL=C bash "$package" "$BUILD" "$OUT/first" --zip-only) )
second=$( (umask 077; TZ=Asia/Tokyo LC_ALL=ja_JP.UTF-8 bash "$package" "$BUILD" "$OUT/second" --zip-only) )
cmp "$first" "$second" || { echo "FAILED: the same build gave two different zip files" >&2; exit 1; }
echo "the zip is the same byte for byte: $(stat -c %s "$first") bytes"
rm -rf "$OUT/first" "$OUT/second"
unset SOURCE_DATE_EPOCH
bash "$package" "$BUILD" "$OUT"
ls -l "$OUT"/*.zip "$OUT"/*.exe
