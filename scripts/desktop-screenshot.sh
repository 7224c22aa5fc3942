#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# A picture of both programs on a small desktop with a task bar (openbox and
# tint2 on a private Xvfb), where each window's icon and name show beside it:
#   desktop-screenshot.sh BUILD_DIR OUTPUT.png
# OUTPUT.png is replaced only by a whole picture.
set -eu
build=$1
output=$2
top=$(cd "$(dirname "$0")/.." && pwd)
fail() { printf 'desktop-screenshot: %s\n' "$*" >&2; exit 1; }
scratch=$(mktemp -d)
clients="" xvfb="" partial=""
# The programs end before the server, so none of them reports a lost connection.
cleanup() {
    [ -z "$clients" ] || end_clients $clients
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    rm -rf "$scratch" ${partial:+"$partial"}
}
trap cleanup EXIT
trap 'exit 1' HUP INT TERM
. "$top/scripts/xvfb.sh"

start_xvfb 720x440
DISPLAY=$display
export DISPLAY LIBGL_ALWAYS_SOFTWARE=1 HOME="$scratch"

# managed: a window manager has said how many desktops there are.
managed() { xdotool get_num_desktops >/dev/null 2>&1; }
# shown NAME COUNT: COUNT windows of that name are on the screen.
shown() { [ "$(xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l)" -ge "$2" ]; }

openbox >/dev/null 2>&1 &
clients="$clients $!"
wait_for 20 "openbox to manage the screen" managed
tint2 >/dev/null 2>&1 &
clients="$clients $!"
"$build/velmora" &
clients="$clients $!"
"$build/tarnwick" -geometry 300x300+380+20 &
clients="$clients $!"
wait_for 20 "tint2's panel" shown '^tint2$' 1
wait_for 20 "both programs' windows" shown '^Velmora$' 2
sleep 2 # the panel's icons and the pendulums settle after the windows map
partial=$(mktemp "$output.XXXXXX")
import -window root "png:$partial"
chmod 644 "$partial"
mv "$partial" "$output"
partial=""
echo "Wrote $output."
