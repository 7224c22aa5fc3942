#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Screenshots of the installer's and the uninstaller's pages under Wine on
# Xvfb, for a person to look at: each page is photographed, then Enter
# presses its default button. Last, the uninstaller's request to close a
# running program. The pages cannot be judged by a script; a person can.
# They speak the locale's language, which Wine makes the Windows user's
# (LC_ALL=de_DE.UTF-8: German, where the system has that locale).
#   usage: installer-screenshots.sh SETUP_EXE OUT_DIR
set -eu
setup=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
out=$(mkdir -p "$2" && cd "$2" && pwd)
fail() { printf 'installer-screenshots: %s\n' "$*" >&2; exit 1; }
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/scripts/wine-scratch.sh"
start_xvfb 800x600
DISPLAY=$display
export DISPLAY

# Waits for a window whose name matches (the installer's and uninstaller's
# hold "Velmora VERSION" among words in their language), photographs the
# screen once it has drawn, and presses Enter in that window.
page() {
    name=$1 file=$2
    until window=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | tail -n 1) && [ -n "$window" ]; do sleep 0.2; done
    sleep 2 # the page draws after its window maps
    import -window root "$out/$file"
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    xdotool key --window "$window" Return
    sleep 1
}

"$WINE" "$setup" >/dev/null 2>&1 &
page 'Velmora [0-9]' 1-licence.png
page 'Velmora [0-9]' 2-notices.png
page 'Velmora [0-9]' 3-for-whom.png
page 'Velmora [0-9]' 4-folder.png
page 'Velmora [0-9]' 5-finish.png # progress passes to the finish page by itself
"$wineserver" -k 2>/dev/null || true

folder="$WINEPREFIX/drive_c/Program Files/velmora"
[ -f "$folder/velmora.exe" ] || fail "the installer installed nothing"
"$WINE" "$folder/velmora.exe" >/dev/null 2>&1 &
until xdotool search --name '^Velmora$' >/dev/null 2>&1; do sleep 0.2; done
"$WINE" "$folder/uninstall.exe" >/dev/null 2>&1 &
page 'Velmora [0-9]' 6-uninstall.png
page 'Velmora [0-9]' 7-close-the-program.png
echo "Wrote $(ls "$out" | tr '\n' ' ')into $out"
