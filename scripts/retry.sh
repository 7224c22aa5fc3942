# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Sourced by the scripts that reach Debian's archive. A mirror caught mid-sync
# serves an index that fails its checksum for a minute or two, and apt then
# fails as it would offline; a few tries, further apart each time, ride that
# out, while a real failure still gives up after 195 s of pauses.
# retry WHAT COMMAND...: runs COMMAND up to four times, pausing 15, 45 and
# 135 s between tries; ends with the last try's status.
# Its variables are prefixed, as sh has no local ones.
retry() {
    retry_what=$1 retry_pause=15
    shift
    until "$@"; do
        retry_status=$?
        [ "$retry_pause" -le 135 ] || return "$retry_status"
        echo "$retry_what failed; trying again in $retry_pause s" >&2
        sleep "$retry_pause"
        retry_pause=$((retry_pause * 3))
    done
}
