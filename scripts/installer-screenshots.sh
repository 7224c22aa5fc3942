#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Screenshots of the installer's and the uninstaller's pages under Wine on
# Xvfb, for a person to look at: each page is photographed, then Enter
# presses its default button. Last, the uninstaller's request to close a
# running program. The pages cannot be judged by a script; a person can.
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

# Waits for a window whose name matches, photographs the screen once it has
# drawn, and presses Enter in that window.
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
page 'Setup' 1-licence.png
page 'Setup' 2-notices.png
page 'Setup' 3-for-whom.png
page 'Setup' 4-folder.png
page 'Setup' 5-finish.png # progress passes to the finish page by itself
"$wineserver" -k 2>/dev/null || true

folder="$WINEPREFIX/drive_c/Program Files/velmora"
[ -f "$folder/velmora.exe" ] || fail "the installer installed nothing"
"$WINE" "$folder/velmora.exe" >/dev/null 2>&1 &
until xdotool search --name '^Velmora$' >/dev/null 2>&1; do sleep 0.2; done
"$WINE" "$folder/uninstall.exe" >/dev/null 2>&1 &
page 'Uninstall' 6-uninstall.png
page 'Uninstall' 7-close-the-program.png
echo "Wrote $(ls "$out" | tr '\n' ' ')into $out"
