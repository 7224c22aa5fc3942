#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# A translated manual page as Debian ships it: compressed with gzip -9n, and
# first the coding line that tells preconv (man-db, groff -k) it is UTF-8,
# whatever the reader's locale.
#   usage: man-page.sh PAGE OUTPUT.gz
set -eu
[ $# -eq 2 ] || { echo "usage: man-page.sh PAGE OUTPUT.gz" >&2; exit 2; }
{
    printf '%s\n' '.\" -*- coding: UTF-8 -*-'
    cat "$1"
} >"$2.page"
gzip -9n <"$2.page" >"$2.new"
rm -f "$2.page"
mv "$2.new" "$2"
