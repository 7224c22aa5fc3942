#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# A picture of both programs on a small desktop with a task bar (openbox and
# tint2 on a private Xvfb), where each window's icon and name show beside it:
#   desktop-screenshot.sh BUILD_DIR OUTPUT.png
set -eu
build=$1
output=$2
scratch=$(mktemp -d)
pids=""
trap 'kill $pids 2>/dev/null; rm -rf "$scratch"' EXIT

exec 3>"$scratch/display"
Xvfb -displayfd 3 -screen 0 720x440x24 -nolisten tcp >/dev/null 2>&1 &
pids="$pids $!"
for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
DISPLAY=:$(cat "$scratch/display")
export DISPLAY LIBGL_ALWAYS_SOFTWARE=1 HOME="$scratch"

openbox >/dev/null 2>&1 &
pids="$pids $!"
sleep 1
tint2 >/dev/null 2>&1 &
pids="$pids $!"
"$build/velmora" &
pids="$pids $!"
"$build/tarnwick" -geometry 300x300+380+20 &
pids="$pids $!"
sleep 3
import -window root "$output"
echo "Wrote $output."
