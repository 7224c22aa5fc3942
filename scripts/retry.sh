# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Sourced by the scripts that reach Debian's archive. A mirror caught mid-sync
# serves an index that fails its checksum for a minute or two, and apt then
# fails as it would offline; a few tries, further apart each time, ride that
# out, while a real failure still gives up after 195 s of pauses.
# retry WHAT COMMAND...: runs COMMAND up to four times, pausing 15, 45 and
# 135 s between tries; ends with the last try's status.
retry() {
    what=$1 pause=15
    shift
    until "$@"; do
        status=$?
        [ "$pause" -le 135 ] || return "$status"
        echo "$what failed; trying again in $pause s" >&2
        sleep "$pause"
        pause=$((pause * 3))
    done
}
