#!/bin/sh
# Proves the Windows executables: their PE headers (GUI subsystem, Windows
# system DLLs only), then the programs themselves under Wine and Xvfb.
#   usage: windows_test.sh WINDOWS_BIN_DIR BUILD_DIR
set -eu
bin=$(cd "$1" && pwd)
build=$(cd "$2" && pwd)
fail() { echo "windows_test: $*" >&2; exit 1; }

allowed="ADVAPI32 GDI32 GLU32 KERNEL32 MSVCRT OPENGL32 USER32 WINMM"
for program in velmora tarnwick; do
    header=$(x86_64-w64-mingw32-objdump -p "$bin/$program.exe")
    echo "$header" | grep -q 'Subsystem.*(Windows GUI)' || fail "$program.exe is not a GUI program"
    for dll in $(echo "$header" | sed -n 's/.*DLL Name: \(.*\)\.[Dd][Ll][Ll]$/\1/p' | tr '[:lower:]' '[:upper:]'); do
        case " $allowed " in *" $dll "*) ;; *) fail "$program.exe imports $dll.dll" ;; esac
    done
done

# Wine in a scratch prefix of its own, without its menu builder; every Wine
# process ends with the test. The test sets the prefix up on its own display.
WINEPREFIX=$(mktemp -d)
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
WINE=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
trap '"$wineserver" -k 2>/dev/null; rm -rf "$WINEPREFIX"' EXIT
WINE=$WINE WINDOWS_PROGRAMS=$bin "$build/tests/windows_program_test"
