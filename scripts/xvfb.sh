# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Sourced by the scripts that run programs on a private X server: start_xvfb,
# end_clients to end the programs on it before the server, and wait_for, a
# wait with a deadline. The sourcing script defines fail MESSAGE and a scratch
# folder $scratch, and ends the server ($xvfb) when it ends.

# wait_for SECONDS WHAT COMMAND...: runs COMMAND every 0.2 s until it
# succeeds; once SECONDS have passed, fails saying what it waited for.
wait_for() {
    seconds=$1 what=$2 tries=$(($1 * 5))
    shift 2
    until "$@"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || fail "waited $seconds s for $what in vain"
        sleep 0.2
    done
}

# start_xvfb WIDTHxHEIGHT: a private X server of that size, its display in
# $display and its process in $xvfb. Only Xvfb holds the descriptor it
# reports its display number on, so no other program inherits it.
start_xvfb() {
    rm -f "$scratch/display"
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
    xvfb=$!
    wait_for 20 "Xvfb to report its display number" xvfb_reported
    display=:$(cat "$scratch/display")
}
xvfb_reported() {
    [ ! -s "$scratch/display" ] || return 0
    kill -0 "$xvfb" 2>/dev/null || fail "Xvfb ended without starting"
    return 1
}

# end_clients PID...: ends programs that run on the server and waits until
# they are gone (5 s at most, then kills them outright), so that the server
# can end after them and none reports a broken connection.
end_clients() {
    kill "$@" 2>/dev/null || true
    tries=50
    while any_alive "$@" && [ "$tries" -gt 0 ]; do
        tries=$((tries - 1))
        sleep 0.1
    done
    kill -KILL "$@" 2>/dev/null || true
}
any_alive() {
    for pid in "$@"; do kill -0 "$pid" 2>/dev/null && return 0; done
    return 1
}
