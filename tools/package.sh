#!/usr/bin/env bash
# Makes the release's two files from a Windows build, in the output folder:
#   Tessel-<version>-win64.zip  Tessel.exe, tessel_tool.exe, the Japanese guide (HTML with its
#                               pictures), the licence and a short README, in one folder
#   Tessel-<version>-setup.exe  an installer of the same files (NSIS), with a Start-menu entry,
#                               an uninstaller and a silent mode (/S)
#
#   tools/package.sh <build folder> <output folder> [--zip-only]
#
# The same inputs give the same zip bytes: every file gets the time SOURCE_DATE_EPOCH (by
# default the time of the last commit), the same permissions, and its place in one sorted
# list; no extra attributes, no folder entries, times in UTC. Needs zip, cmark-gfm and
# makensis (tools/setup.sh installs them).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
zip_only=${3:-}
# The version, its four numbers and the copyright line, as the build read them.
{ read -r version; read -r version_dotted; read -r copyright; } <"$build/tessel-version.txt"
name=Tessel-$version
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct 2>/dev/null || echo 315532800)}

stage=$out/stage/$name
rm -rf "$out/stage"
mkdir -p "$stage/guide/images"

# Windows text files: CR LF line ends; Japanese text as UTF-8 with a byte-order mark, so that
# every Notepad reads it as UTF-8.
windows_text() { sed 's/\r$//; s/$/\r/' "$1"; }
cp "$build/editor/shell/Tessel.exe" "$build/tool/tessel_tool.exe" "$stage/"
{ windows_text "$root/LICENSE"; echo $'\r'; windows_text "$root/resources/THIRD-PARTY.txt"; } \
    >"$stage/LICENSE.txt"
{ printf '\xef\xbb\xbf'; windows_text "$root/docs/ja/readme.txt"; } >"$stage/README.txt"

# The guide: its Markdown as HTML, with its pictures beside it.
{
    cat <<HTML
<!DOCTYPE html>
<html lang="ja">
<head>
<meta charset="utf-8">
<title>Tessel $version ガイド</title>
<style>
body { font-family: "Yu Gothic UI", "Meiryo UI", "MS UI Gothic", sans-serif; max-width: 60em;
       margin: 2em auto; padding: 0 1em; line-height: 1.6; color: #1c2740; }
img { max-width: 100%; border: 1px solid #999; }
table { border-collapse: collapse; }
th, td { border: 1px solid #999; padding: 0.2em 0.6em; text-align: left; }
code, kbd { font-family: Consolas, "MS Gothic", monospace; background: #eef; padding: 0 0.2em; }
</style>
</head>
<body>
HTML
    cmark-gfm --extension table "$root/docs/ja/guide.md"
    echo '</body>'
    echo '</html>'
} | sed 's/$/\r/' >"$stage/guide/guide.html"
cp "$root"/docs/ja/images/*.png "$stage/guide/images/"

find "$out/stage" -type d -exec chmod 755 {} +
find "$out/stage" -type f -exec chmod 644 {} +
find "$out/stage" -exec touch -h -d "@$epoch" {} +

zip=$out/$name-win64.zip
rm -f "$zip"
(cd "$out/stage" && find "$name" -type f | LC_ALL=C sort | TZ=UTC zip -X -D -q -9 "$zip" -@)
echo "$zip"
[ "$zip_only" = --zip-only ] && exit 0

# The installer installs and removes exactly the staged files, folder by folder.
files=$out/stage/files.nsh
unfiles=$out/stage/unfiles.nsh
: >"$files"
: >"$unfiles"
(cd "$stage" && find . -type d | LC_ALL=C sort) | while read -r dir; do
    win=${dir#.}
    win=${win//\//\\}
    echo "SetOutPath \"\$INSTDIR$win\"" >>"$files"
    (cd "$stage/$dir" && find . -maxdepth 1 -type f | LC_ALL=C sort) | while read -r file; do
        echo "File \"$stage/${dir#./}/${file#./}\"" >>"$files"
        echo "Delete \"\$INSTDIR$win\\${file#./}\"" >>"$unfiles"
    done
done
# Folders after their contents, deepest first.
(cd "$stage" && find . -mindepth 1 -type d | LC_ALL=C sort -r) | while read -r dir; do
    win=${dir#.}
    echo "RMDir \"\$INSTDIR${win//\//\\}\"" >>"$unfiles"
done
setup=$out/$name-setup.exe
makensis -V2 -INPUTCHARSET UTF8 \
    -DVERSION="$version" -DVERSION_DOTTED="$version_dotted" \
    -DCOPYRIGHT="$copyright" -DSTAGE="$stage" -DFILES="$files" -DUNFILES="$unfiles" \
    -DICON="$build/resources/Tessel.ico" -DOUTFILE="$setup" \
    "$root/resources/Tessel.nsi" >"$out/stage/makensis.log" || {
    cat "$out/stage/makensis.log" >&2
    exit 1
}
touch -d "@$epoch" "$zip" "$setup"
echo "$setup"
