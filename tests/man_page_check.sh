#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Fails where groff has a word for a compressed manual page, as man-db hands
# it to a terminal (-k: preconv reads the coding line in any locale), but a
# line of Chinese, which has no spaces, that cannot be broken; or where a line
# of it, as a UTF-8 terminal shows it, is wider than 80 columns (a Chinese or
# Japanese character takes two).
#   usage: man_page_check.sh PAGE.gz...
set -eu
. "$(dirname "$0")/test_lib.sh"
for page in "$@"; do
    zcat "$page" >"$scratch/page" || fail "zcat cannot read $page"
    found=$(LC_ALL=C groff -k -Tutf8 -man -ww -Wbreak -z <"$scratch/page" 2>&1) || fail "groff failed on $page: $found"
    [ -z "$found" ] || fail "$page: $found"
    LC_ALL=C.UTF-8 groff -k -Tutf8 -P-cbou -man -rLL=78n <"$scratch/page" >"$scratch/shown" 2>/dev/null || fail "groff failed on $page"
    widest=$(python3 -c '
import sys, unicodedata
lines = open(sys.argv[1], encoding="utf-8").read().splitlines()
print(max(sum(2 if unicodedata.east_asian_width(c) in "WF" else 1 for c in line) for line in lines))' "$scratch/shown") ||
        fail "python3 cannot measure $page"
    [ "$widest" -le 80 ] || fail "$page: a line $widest columns wide, wider than a terminal's 80"
done
