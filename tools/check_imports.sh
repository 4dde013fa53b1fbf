#!/usr/bin/env bash
# Fails when a Windows program imports a DLL that Windows does not bring itself, naming the
# program and the DLL: the programs are shipped alone, without any DLL beside them. Direct3D
# is loaded at run time and is not in the import tables.
#   tools/check_imports.sh [--allow "name.dll ..."] program.exe ...
# --allow replaces the list of Windows' own DLLs (the test command uses it to show that the
# check sees an import it was not told of).
set -u
allowed='kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll ole32.dll oleaut32.dll
comctl32.dll comdlg32.dll winmm.dll windowscodecs.dll msvcrt.dll'
if [ "${1:-}" = --allow ]; then
    allowed=$2
    shift 2
fi
objdump=$(command -v x86_64-w64-mingw32-objdump || command -v objdump)
status=0
for program in "$@"; do
    if ! dlls=$("$objdump" -p "$program" 2>/dev/null | sed -n 's/^[[:space:]]*DLL Name: //p'); then
        echo "$program: cannot read its import table"
        status=1
        continue
    fi
    if [ -z "$dlls" ]; then
        echo "$program: no imports found"
        status=1
    fi
    for dll in $dlls; do
        lower=$(echo "$dll" | tr '[:upper:]' '[:lower:]')
        case " $(echo $allowed | tr '[:upper:]' '[:lower:]') " in
        *" $lower "*) ;;
        *) echo "$program: imports $dll, which Windows does not bring"; status=1 ;;
        esac
    done
done
exit $status
