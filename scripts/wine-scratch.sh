# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Sourced by the scripts that run the Windows downloads under Wine: a scratch
# folder, Wine in a prefix of its own inside it (without its menu builder, so
# nothing reaches the desktop), and start_xvfb for a private X server
# (scripts/xvfb.sh). Every Wine process and the X server end with the script;
# the scratch folder goes. The sourcing script defines fail MESSAGE and $top,
# the source folder.
scratch=$(mktemp -d)
cleanup() {
    [ -z "${wineserver:-}" ] || "$wineserver" -k 2>/dev/null || true
    [ -z "${xvfb:-}" ] || kill "$xvfb" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 1' HUP INT TERM

WINEPREFIX=$scratch/wine
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
# Wine reads the paths it is given in the locale's charset: UTF-8, as a
# folder may hold any letter (in the C locale it cannot open 'Müller').
# A run as another user's language sets LC_ALL of its own.
export LC_ALL=C.UTF-8
WINE=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)

# start_xvfb and wait_for.
. "$top/scripts/xvfb.sh"
