# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Sourced by the scripts that run the Windows downloads under Wine: a scratch
# folder, Wine in a prefix of its own inside it (without its menu builder, so
# nothing reaches the desktop), and start_xvfb for a private X server. Every
# Wine process and the X server end with the script; the scratch folder goes.
# The sourcing script defines fail MESSAGE.
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
WINE=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)

# start_xvfb WIDTHxHEIGHT: a private X server of that size, its display in
# $display and its process in $xvfb.
start_xvfb() {
    rm -f "$scratch/display"
    exec 3>"$scratch/display"
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    exec 3>&-
    until [ -s "$scratch/display" ]; do kill -0 "$xvfb" 2>/dev/null || fail "Xvfb did not start"; sleep 0.1; done
    display=:$(cat "$scratch/display")
}
