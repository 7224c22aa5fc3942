#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# What a Windows user receives: the executables, the notices, the zip, and
# the installer under Wine in each way it installs, upgrades and uninstalls.
#   usage: windows_test.sh WINDOWS_BIN_DIR BUILD_DIR VERSION WINDOWS_BUILD_DIR
# WINDOWS_BUILD_DIR: the Windows programs' build (link maps, the downloads' folder, the icon).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
bin=$(cd "$1" && pwd)
build=$(cd "$2" && pwd)
version=$3
windows_build=$(cd "$4" && pwd)
copyright=$(grep -m1 '^Copyright' "$top/LICENSE")
download=velmora-$version-win64
stage=$windows_build/$download
fail() { printf 'windows_test: %s\n' "$*" >&2; exit 1; }
. "$top/scripts/wine-scratch.sh"
languages=$(cat "$windows_build/translations/po/LINGUAS")
. "$top/po/lookup.sh"
catalogue() { printf '%s' "$windows_build/translations/locale/$1/LC_MESSAGES/velmora.mo"; }
# Wine takes Windows' user language from the locale: English, but where a check names another.
LC_ALL=C.UTF-8
export LC_ALL

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
    sections=$(x86_64-w64-mingw32-objdump -h "$exe") || fail "objdump cannot read $program.exe's sections"
    echo "$sections" | grep -q '\.debug' && fail "$program.exe has debug sections"
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

# The zip: one folder with the programs, the licence, the notices, a README
# for Windows and the pages in every language, as the installer installs them.
expected=$(cd "$windows_build" && find "$download" -type f | sort)
members=$(unzip -Z1 "$bin/$download.zip")
[ "$members" = "$expected" ] || fail "the zip holds: $members"
unzip -q "$bin/$download.zip" -d "$scratch/zip"
zipped=$scratch/zip/$download
for file in LICENSE.txt THIRD-PARTY-NOTICES.txt velmora.exe tarnwick.exe docs/index.html docs/model.html \
    $(for language in $languages; do echo "docs/$language/index.html docs/$language/model.html"; done); do
    [ -f "$zipped/$file" ] || fail "the zip lacks $file"
done
for readme in README $(for language in $languages; do echo "README.$language"; done); do
    grep -q "$(printf '\r')\$" "$zipped/$readme.txt" || fail "$readme.txt lacks Windows line endings"
done
# Each language's pages show the plots drawn in it, their legend translated.
for language in $languages; do
    use_catalogue "$(catalogue "$language")"
    legend=$(gettext "the programs' model")
    for plot in "$top"/docs/model-*.svg; do
        plot=docs/$language/$(basename "$plot")
        grep -qF "$legend" "$zipped/$plot" || fail "the zip's $plot is not drawn in $language"
    done
done

# The notices name every library and object file the link maps name (import
# stubs by their library), each licence's text, freeglut's tarball's SHA-256.
for map in "$windows_build/velmora.map" "$windows_build/tarnwick.map"; do
    awk '/^Archive member included/ { inside = 1; next }
         /^(Discarded input sections|Memory Configuration)/ { inside = 0 }
         inside && /^\/.*\(/ { sub(/\).*/, ")"); print }
         /^LOAD \/.*\.o$/ { sub(/^LOAD /, ""); print }' "$map" >>"$scratch/linked" || fail "awk cannot read $map"
done
linked=$(sed 's|^.*/||' "$scratch/linked" | sort -u)
[ -n "$linked" ] || fail "the link maps name no library"
tarball=$(ls "$windows_build"/../freeglut-source/freeglut_*.orig.tar.*)
freeglut_source=$windows_build/../freeglut-source/freeglut
notices=$(tr -d '\r' <"$zipped/THIRD-PARTY-NOTICES.txt")
for part in $linked; do
    stubs="${part%%(*} from import stubs of $(echo "${part%%(*}" | sed 's/^lib//; s/\.a$//').dll"
    printf '%s\n' "$notices" | sed 's/ from .*//' | grep -qxF -e "  $part" ||
        printf '%s\n' "$notices" | grep -qxF -e "  $stubs" || fail "the notices have no entry for $part"
done
# Every copyright line near the top of a linked freeglut file travels with it.
for part in $(printf '%s\n' "$linked" | sed -n 's/^libfreeglut_static\.a(\(.*\)\.obj)$/\1/p'); do
    file=$(find "$freeglut_source/src" -name "$part" | head -n 1)
    [ -n "$file" ] || fail "no source of $part in $freeglut_source"
    head -n 80 "$file" | grep -i 'copyright.*\(([cC])\|[0-9]\{4\}\)' | grep -v 'above copyright' |
        sed 's/^[[:space:]/*]*//' | while read -r line; do
            printf '%s\n' "$notices" | grep -qF -- "$line" || fail "the notices lack $part's \"$line\""
        done
done
for heading in "--- freeglut: COPYING ---" "--- MinGW-w64: ZPL-2.1 ---" "--- MinGW-w64: Lucent ---" \
    "--- GCC Runtime Library Exception ---" "SHA-256 $(sha256sum "$tarball" | cut -d' ' -f1)."; do
    printf '%s\n' "$notices" | grep -qxF -- "$heading" || fail "the notices lack: $heading"
done

# Runs a Wine command and waits for every Wine process to end, each for 300 s at most.
wine_and_wait() {
    timeout 300 "$WINE" "$@" >/dev/null 2>&1 || fail "wine $* ended with $? (124: still running after 300 s)"
    timeout 300 "$wineserver" -w || fail "Wine's processes still running 300 s after wine $*"
}
installed=$(cd "$stage" && find . -type f | sed 's|^\./||' | sort)
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall'

# The values of a registry key, one "NAME|TYPE|DATA" a line.
key_values() { "$WINE" reg query "$1" 2>/dev/null | tr -d '\r' | sed 's/^[[:space:]]*//; s/[[:space:]]\{2,\}/|/g'; }

hex() { od -An -v -tx1 | tr -d ' \n'; }
# check_install ROOT FOLDER MENU [LANGUAGE]: the files, the shortcuts, each
# described in LANGUAGE (UTF-16LE in the .lnk), and the Uninstall key.
check_install() {
    root=$1 folder=$2 menu=$3 language=${4:-en}
    for file in $installed uninstall.exe; do [ -f "$folder/$file" ] || fail "the installer put no $file into $folder"; done
    use_catalogue "$(catalogue "$language")"
    for shortcut in Velmora Tarnwick; do
        [ -f "$menu/$shortcut.lnk" ] || fail "no Start-menu shortcut $shortcut in $menu"
        program=$(echo "$shortcut" | tr '[:upper:]' '[:lower:]')
        comment=$(gettext "$(sed -n 's/^Comment=//p' "$top/packaging/$program.desktop")")
        case $(hex <"$menu/$shortcut.lnk") in
            *"$(printf '%s' "$comment" | iconv -f UTF-8 -t UTF-16LE | hex)"*) ;;
            *) fail "the shortcut $shortcut is not described in $language as \"$comment\"" ;;
        esac
    done
    windows_folder=$("$WINE" winepath -w "$folder" 2>/dev/null | tr -d '\r')
    values=$(key_values "$root\\$uninstall_key\\velmora")
    for value in "DisplayName|REG_SZ|Velmora" "DisplayVersion|REG_SZ|$version" "Publisher|REG_SZ|The velmora developers" \
        "DisplayIcon|REG_SZ|$windows_folder\\velmora.exe,0" "InstallLocation|REG_SZ|$windows_folder" \
        "UninstallString|REG_SZ|\"$windows_folder\\uninstall.exe\"" \
        "QuietUninstallString|REG_SZ|\"$windows_folder\\uninstall.exe\" /S" \
        "NoModify|REG_DWORD|0x1" "NoRepair|REG_DWORD|0x1" "EstimatedSize|REG_DWORD|0x"; do
        printf '%s\n' "$values" | grep -qF "$value" || fail "no $value under $root: $values"
    done
}
# check_removed ROOT FOLDER MENU: nothing of an install is left.
check_removed() {
    [ ! -e "$2" ] || fail "left behind in $2: $(ls -A "$2")"
    for shortcut in Velmora Tarnwick; do [ ! -e "$3/$shortcut.lnk" ] || fail "left the shortcut $shortcut in $3"; done
    "$WINE" reg query "$1\\$uninstall_key\\velmora" >/dev/null 2>&1 && fail "left the key under $1"
    return 0
}

all_users="$WINEPREFIX/drive_c/Program Files/velmora"
all_menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
setup=$bin/$download-setup.exe

# For all users, silently: /S alone, as an administrator, is /S /AllUsers (the upgrade below).
wine_and_wait "$setup" /S
check_install HKLM "$all_users" "$all_menu"
"$WINE" reg query "HKCU\\$uninstall_key\\velmora" >/dev/null 2>&1 && fail "/S also wrote the key under HKCU"
WINE=$WINE WINDOWS_PROGRAMS=$all_users "$build/tests/windows_program_test"
timeout 300 "$wineserver" -w || fail "Wine's processes still running 300 s after windows_program_test"
wine_and_wait "$all_users/uninstall.exe" /S
check_removed HKLM "$all_users" "$all_menu"

# For the current user alone: the user's own programs folder, Start menu and key.
profile=$("$WINE" winepath -u "$("$WINE" cmd /c echo %USERPROFILE% 2>/dev/null | tr -d '\r')" 2>/dev/null)
own="$profile/AppData/Local/Programs/velmora"
own_menu="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
wine_and_wait "$setup" /S /CurrentUser
check_install HKCU "$own" "$own_menu"
"$WINE" reg query "HKLM\\$uninstall_key\\velmora" >/dev/null 2>&1 && fail "/CurrentUser wrote the key under HKLM"
[ ! -e "$all_users" ] || fail "/CurrentUser installed into Program Files"

# While a program runs (on an Xvfb of this test's own), the uninstaller,
# run in place (_?=) so that its exit code is its own, refuses with 2.
"$wineserver" -k 2>/dev/null || true
start_xvfb 1024x768
DISPLAY=$display "$WINE" "$own/velmora.exe" >/dev/null 2>&1 &
running=$!
started() {
    DISPLAY=$display xdotool search --name '^Velmora$' >/dev/null 2>&1 && return 0
    kill -0 "$running" 2>/dev/null || fail "velmora.exe did not start"
    return 1
}
wait_for 60 "the window of the installed velmora.exe" started
status=0
timeout 300 "$WINE" "$own/uninstall.exe" /S "_?=$("$WINE" winepath -w "$own" 2>/dev/null | tr -d '\r')" >/dev/null 2>&1 ||
    status=$?
[ "$status" = 2 ] || fail "the uninstaller, with velmora.exe running, ended with $status"
check_install HKCU "$own" "$own_menu"
kill "$running"
"$wineserver" -k 2>/dev/null || true
kill "$xvfb" && xvfb=""
wine_and_wait "$own/uninstall.exe" /S
check_removed HKCU "$own" "$own_menu"

# A German and a Chinese user (locales made here): the installer and the
# uninstaller speak their language, which NSIS reads from Windows'.
mkdir "$scratch/locales"
# as_user COMMAND...: wine_and_wait in the user's locale; the checks stay in C.UTF-8.
as_user() { (export LOCPATH="$scratch/locales" LC_ALL="$locale.UTF-8" && wine_and_wait "$@") || exit 1; }
for user in de:de_DE zh_CN:zh_CN; do
    language=${user%%:*} locale=${user#*:}
    printf '%s\n' "$languages" | grep -qxF "$language" || continue
    localedef -i "$locale" -f UTF-8 "$scratch/locales/$locale.UTF-8" || fail "localedef could not make $locale.UTF-8"
    as_user "$setup" /S /CurrentUser
    check_install HKCU "$own" "$own_menu" "$language"
    as_user "$own/uninstall.exe" /S
    check_removed HKCU "$own" "$own_menu"
done

# An earlier version, with a file this one lacks, replaced in place: one
# Uninstall entry, this version's, and no file of the earlier one left.
cp -R "$stage" "$scratch/old"
echo "only in the earlier version" >"$scratch/old/old-only.txt"
sh "$top/packaging/windows/make-installer.sh" "$scratch/old" 0.9.0 "The velmora developers" \
    "$windows_build/icon/velmora.ico" "$windows_build/installer-strings.nsh" "$scratch/old-setup.exe" >/dev/null
wine_and_wait "$scratch/old-setup.exe" /S /AllUsers
[ -f "$all_users/old-only.txt" ] || fail "the earlier version did not install"
key_values "HKLM\\$uninstall_key\\velmora" | grep -qxF "DisplayVersion|REG_SZ|0.9.0" || fail "the earlier version wrote no key"
wine_and_wait "$setup" /S /AllUsers
check_install HKLM "$all_users" "$all_menu"
[ ! -e "$all_users/old-only.txt" ] || fail "the earlier version's old-only.txt stayed"
entries=$("$WINE" reg query "HKLM\\$uninstall_key" 2>/dev/null | tr -d '\r' | grep -ic 'velmora' || true)
[ "$entries" = 1 ] || fail "$entries Uninstall entries for velmora"
wine_and_wait "$all_users/uninstall.exe" /S
check_removed HKLM "$all_users" "$all_menu"
echo "windows_test: the executables, the notices, the zip in every language, and the installer for all users and for one, in the user's language, run, upgraded and uninstalled under Wine"
