#!/usr/bin/env bash
# Fails when a source file includes a header of a layer it must not use: each folder below may
# include only the folders listed after it (a folder stands for its subfolders too). Folders
# not listed (tests, fuzz, bench, demo) may use everything. The framework's base headers and
# the editor's model also stay free of windows.h, so that they build and are tested on any
# platform.
#   tools/check_layers.sh [tree]   (default: this checkout)
set -u
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root" || exit 2

rules='
framework/base      framework/base
framework/graphics  framework/base framework/graphics
framework/gui       framework/base framework/graphics framework/gui
framework/midi      framework/base framework/graphics framework/gui framework/midi
scenario            framework scenario
editor/model        framework/base scenario editor/model
editor/view         framework/base framework/graphics scenario editor/model editor/view
editor/shell        framework scenario editor
tool                framework scenario editor/model editor/view tool
sample              framework scenario sample
resources           resources
'

folders=()
for folder in framework scenario editor tool sample resources; do
    [ -d "$folder" ] && folders+=("$folder")
done
find "${folders[@]}" -type f \( -name '*.h' -o -name '*.cpp' \) -print0 |
    sort -z | xargs -0 grep -H -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' |
    awk -v rules="$rules" '
    BEGIN {
        n = split(rules, lines, "\n")
        for (i = 1; i <= n; ++i) {
            if (split(lines[i], words, " ") > 0) {
                folder = words[1]; allowed[folder] = ""
                for (j = 2; j in words; ++j) allowed[folder] = allowed[folder] " " words[j]
                delete words
            }
        }
    }
    function layer(file,   best, f) {
        best = ""
        for (f in allowed)
            if (index(file, f "/") == 1 && length(f) > length(best)) best = f
        return best
    }
    function permitted(folder, header,   k, m, list) {
        m = split(allowed[folder], list, " ")
        for (k = 1; k <= m; ++k)
            if (index(header, list[k] "/") == 1) return 1
        return 0
    }
    {
        # file:line:#include "header" (or <header>)
        file = $0; sub(/:.*/, "", file)
        rest = substr($0, length(file) + 2)
        line = rest; sub(/:.*/, "", line)
        header = rest; sub(/^[^"<]*["<]/, "", header); sub(/[">].*$/, "", header)
        folder = layer(file)
        if (folder == "") next
        if (header ~ /\// && rest ~ /"/ && !permitted(folder, header)) {
            print file ":" line ": includes " header ", which " folder "/ may not use"
            bad = 1
        }
        windowless = (folder == "editor/model") || (folder == "framework/base" && file ~ /\.h$/)
        if (windowless && file != "framework/base/HWin32.h" &&
            (tolower(header) == "windows.h" || header == "framework/base/HWin32.h")) {
            print file ":" line ": includes " header "; " folder "/ stays free of windows.h"
            bad = 1
        }
    }
    END { exit bad }'
