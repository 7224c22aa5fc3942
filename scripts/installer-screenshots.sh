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

# found NAME: the newest window on the screen whose name matches, in $window.
found() { window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1) && [ -n "$window" ]; }

# Waits for a window whose name matches (the installer's and uninstaller's
# hold "Velmora VERSION" among words in their language), photographs the
# screen once it has drawn, and presses Enter in that window.
page() {
    name=$1 file=$2
    wait_for 60 "a window named $name for $file" found "$name"
    sleep 2 # the page draws after its window maps
    import -window root "$out/$file"
    timeout 10 xdotool windowactivate --sync "$window" 2>/dev/null || true
    # Without a window manager xdotool notes that the focus is the root's; a
    # key that went nowhere shows as the next page not coming.
    xdotool key --window "$window" Return 2>/dev/null
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
wait_for 60 "the installed velmora.exe's window" found '^Velmora$'
"$WINE" "$folder/uninstall.exe" >/dev/null 2>&1 &
page 'Velmora [0-9]' 6-uninstall.png
page 'Velmora [0-9]' 7-close-the-program.png
echo "Wrote $(ls "$out" | tr '\n' ' ')into $out"
