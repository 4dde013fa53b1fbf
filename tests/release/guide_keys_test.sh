#!/usr/bin/env bash
# The guide's keyboard table is the one the program makes from its own menu and accelerator
# table (tessel_guide_keys.exe). When a key is added or changed, `tools/guide.sh --keys`
# writes the table into the guide again.
#
#   guide_keys_test.sh <tessel_guide_keys.exe> <guide.md>
set -euo pipefail
KEYS=$1 GUIDE=$2
made=$(wine "$KEYS" | tr -d '\r' | iconv -f cp932 -t utf-8)
[ -n "$made" ] || { echo "FAILED: tessel_guide_keys printed nothing" >&2; exit 1; }
written=$(sed -n '/<!-- keys:begin -->/,/<!-- keys:end -->/p' "$GUIDE" | grep '^| ' | tail -n +2 | grep -v '^| ---')
if [ "$made" != "$written" ]; then
    echo "FAILED: the guide's keyboard table differs from the program's keys; run tools/guide.sh --keys" >&2
    diff <(echo "$written") <(echo "$made") >&2 || true
    exit 1
fi
echo "the guide lists all $(echo "$made" | wc -l) keys of the program"
