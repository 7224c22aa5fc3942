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
new=""
trap 'rm -f ${new:+"$new"}' EXIT
[ -s "$section" ] || { echo "man-model.sh: no section in $section" >&2; exit 1; }
for page in "$@"; do
    new=$page.new
    awk -v section="$section" '
        function insert(  line, status) {
            while ((status = (getline line < section)) > 0)
                if (line !~ /^\.\\" SPDX-/) print line
            if (status < 0) { print "man-model.sh: cannot read " section > "/dev/stderr"; exit 1 }
            close(section)
            done = 1
        }
        /^\.SH / { skipping = 0 }
        /^\.SH MODEL$/ { insert(); skipping = 1; next }
        /^\.SH SEE ALSO$/ && !done { insert() }
        !skipping { print }
        END { if (!done) { print "man-model.sh: no MODEL or SEE ALSO section in " FILENAME > "/dev/stderr"; exit 1 } }
    ' "$page" >"$new"
    if cmp -s "$page" "$new"; then rm "$new"; else mv "$new" "$page"; fi
    new=""
done
