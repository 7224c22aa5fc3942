#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Puts the MODEL section that model_figures wrote from model.man.in into each
# manual page, in place of the one there or else before SEE ALSO; a page
# already holding it is left untouched.
#   man-model.sh SECTION PAGE...
set -eu
section=$1
shift
for page in "$@"; do
    awk -v section="$section" '
        function insert(  line) {
            while ((getline line < section) > 0)
                if (line !~ /^\.\\" SPDX-/) print line
            close(section)
            done = 1
        }
        /^\.SH / { skipping = 0 }
        /^\.SH MODEL$/ { insert(); skipping = 1; next }
        /^\.SH SEE ALSO$/ && !done { insert() }
        !skipping { print }
    ' "$page" >"$page.new"
    if cmp -s "$page" "$page.new"; then rm "$page.new"; else mv "$page.new" "$page"; fi
done
