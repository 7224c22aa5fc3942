#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Fails with one clear line when no X display can be reached.
hint="see 'A picture without a display' in docs/running.md (make screenshot)"
if [ -z "${DISPLAY:-}" ]; then
    echo "No display available (DISPLAY is not set): $hint." >&2
    exit 1
fi
# A local display ":N" or ":N.S" listens on a socket that must exist.
number=$(echo "$DISPLAY" | sed -n 's/^:\([0-9][0-9]*\)\(\.[0-9]*\)\{0,1\}$/\1/p')
if [ -n "$number" ] && [ ! -S "/tmp/.X11-unix/X$number" ]; then
    echo "No display available (nothing listens on $DISPLAY): $hint." >&2
    exit 1
fi
