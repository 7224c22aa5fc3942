#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Proves what a Windows user receives: the executables' headers (GUI
# subsystem, Windows system DLLs only, ASLR, DEP, stack protection) and
# resources (icon, version), the zip, and the installer under Wine and Xvfb:
# installed silently, the installed programs run from Program Files, then
# uninstalled silently without a trace.
#   usage: windows_test.sh WINDOWS_BIN_DIR BUILD_DIR VERSION
set -eu
bin=$(cd "$1" && pwd)
build=$(cd "$2" && pwd)
version=$3
copyright=$(grep -m1 '^Copyright' "$(dirname "$0")/../LICENSE")
download=velmora-$version-win64
fail() { printf 'windows_test: %s\n' "$*" >&2; exit 1; }
scratch=$(mktemp -d)

allowed="ADVAPI32 GDI32 GLU32 KERNEL32 MSVCRT OPENGL32 USER32 WINMM"
for program in velmora tarnwick; do
    exe=$bin/$program.exe
    header=$(x86_64-w64-mingw32-objdump -p "$exe")
    echo "$header" | grep -q 'Subsystem.*(Windows GUI)' || fail "$program.exe is not a GUI program"
    for dll in $(echo "$header" | sed -n 's/.*DLL Name: \(.*\)\.[Dd][Ll][Ll]$/\1/p' | tr '[:lower:]' '[:upper:]'); do
        case " $allowed " in *" $dll "*) ;; *) fail "$program.exe imports $dll.dll" ;; esac
    done
    for mark in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT; do
        echo "$header" | grep -q "^[[:space:]]*$mark\$" || fail "$program.exe lacks $mark"
    done
    grep -q "stack smashing detected" "$exe" || fail "$program.exe has no stack protector"
    x86_64-w64-mingw32-objdump -h "$exe" | grep -q '\.debug' && fail "$program.exe has debug sections"

    # freeglut gives its windows the icon named GLUT_ICON: 16, 32, 48 and 256 px.
    wrestool -l -t14 "$exe" | grep -q "name='GLUT_ICON'" || fail "$program.exe has no GLUT_ICON"
    wrestool -x -t14 -n GLUT_ICON -o "$scratch/icon.ico" "$exe"
    sizes=$(icotool -l "$scratch/icon.ico" | sed -n 's/.*--width=\([0-9]*\).*/\1/p' | tr '\n' ' ')
    [ "$sizes" = "16 32 48 256 " ] || fail "$program.exe's icon sizes: $sizes"
    strings=$(wrestool -x --raw -t16 "$exe" | strings -el | tr '\n' '|')
    for text in "OriginalFilename|$program.exe" "FileVersion|$version" "ProductVersion|$version" \
        "LegalCopyright|$copyright"; do
        case "$strings" in *"|$text|"*) ;; *) fail "$program.exe's version lacks $text: $strings" ;; esac
    done
done

# The zip: one folder with both programs, the licence and a README for Windows.
members=$(unzip -Z1 "$bin/$download.zip" | tr '\n' ' ')
[ "$members" = "$download/LICENSE.txt $download/README.txt $download/tarnwick.exe $download/velmora.exe " ] ||
    fail "the zip holds: $members"
unzip -p "$bin/$download.zip" "$download/README.txt" | grep -q "$(printf '\r')\$" || fail "README.txt lacks Windows line endings"

# Wine in a scratch prefix of its own, without its menu builder; every Wine
# process ends with the test.
WINEPREFIX=$scratch/wine
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
WINE=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
trap '"$wineserver" -k 2>/dev/null; rm -rf "$scratch"' EXIT
folder="$WINEPREFIX/drive_c/Program Files/velmora"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\velmora'
installed="velmora.exe tarnwick.exe LICENSE.txt README.txt uninstall.exe"
# Runs a Wine command and waits until every Wine process has ended.
wine_and_wait() { "$WINE" "$@" >/dev/null 2>&1; "$wineserver" -w; }

wine_and_wait "$bin/$download-setup.exe" /S
for file in $installed; do [ -f "$folder/$file" ] || fail "the installer put no $file"; done
for shortcut in Velmora Tarnwick; do [ -f "$menu/$shortcut.lnk" ] || fail "no Start-menu shortcut $shortcut"; done
values=$("$WINE" reg query "$key" 2>/dev/null | tr -d '\r' | sed 's/^[[:space:]]*//; s/[[:space:]]\{2,\}/|/g')
for value in "DisplayName|REG_SZ|Velmora" "DisplayVersion|REG_SZ|$version" "Publisher|REG_SZ|The velmora developers" \
    'DisplayIcon|REG_SZ|C:\Program Files\velmora\velmora.exe,0' \
    'UninstallString|REG_SZ|"C:\Program Files\velmora\uninstall.exe"' \
    'QuietUninstallString|REG_SZ|"C:\Program Files\velmora\uninstall.exe" /S' \
    "NoModify|REG_DWORD|0x1" "NoRepair|REG_DWORD|0x1" "EstimatedSize|REG_DWORD|0x"; do
    printf '%s\n' "$values" | grep -qF "$value" || fail "no $value under $key: $values"
done

# The installed programs, started from Program Files, under Wine and Xvfb.
WINE=$WINE WINDOWS_PROGRAMS=$folder "$build/tests/windows_program_test"
"$wineserver" -w

wine_and_wait "$folder/uninstall.exe" /S
[ ! -e "$folder" ] || fail "left behind: $(ls -A "$folder")"
for shortcut in Velmora Tarnwick; do [ ! -e "$menu/$shortcut.lnk" ] || fail "left the shortcut $shortcut"; done
"$WINE" reg query "$key" >/dev/null 2>&1 && fail "left the key $key"
echo "windows_test: the executables, the zip, and the installer installed, run and uninstalled under Wine"
