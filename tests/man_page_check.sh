#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Fails where groff has a word for a compressed manual page, as man-db hands
# it to a terminal (-k: preconv reads the coding line in any locale), but a
# line of Chinese, which has no spaces, that cannot be broken.
#   usage: man_page_check.sh PAGE.gz...
set -eu
. "$(dirname "$0")/test_lib.sh"
for page in "$@"; do
    zcat "$page" >"$scratch/page" || fail "zcat cannot read $page"
    found=$(LC_ALL=C groff -k -Tutf8 -man -ww -Wbreak -z <"$scratch/page" 2>&1) || fail "groff failed on $page: $found"
    [ -z "$found" ] || fail "$page: $found"
done
