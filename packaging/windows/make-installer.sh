#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# The installer of a folder (installer.nsi): it installs what the folder
# holds, and its uninstaller removes exactly that: the lists of those files
# are written beside FOLDER. MAKENSIS and CMAKE name the tools where they
# are not on PATH.
#   usage: make-installer.sh FOLDER VERSION PUBLISHER ICON STRINGS OUTFILE
set -eu
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
folder=$1 version=$2 publisher=$3 icon=$4 strings=$5 outfile=$6
lists=${folder%/}
"${CMAKE:-cmake}" -DFOLDER="$folder" -DINSTALL_LIST="$lists-installed.nsh" -DUNINSTALL_LIST="$lists-removed.nsh" \
    -P "$top/cmake/nsis-file-lists.cmake"
copyright=$(grep -m1 '^Copyright' "$top/LICENSE")
# makensis reads its arguments (the folders' paths) in the locale's charset:
# UTF-8, whatever the builder's is, as a path may hold any letter.
LC_ALL=C.UTF-8 "${MAKENSIS:-makensis}" -V2 -DVERSION="$version" -DPUBLISHER="$publisher" -DCOPYRIGHT="$copyright" \
    -DSTAGE="$folder" -DICON="$icon" -DINSTALLED_FILES="$lists-installed.nsh" -DREMOVED_FILES="$lists-removed.nsh" \
    -DSTRINGS="$strings" -DOUTFILE="$outfile" "$here/installer.nsi"
