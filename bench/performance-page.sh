#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Writes docs/performance.md from its template, bench/performance.md.in, and
# one run's measurements: the summary table from the "ROW|" lines, the
# benchmarks' detail sections from every other line, and each @NAME@ from a
# "FIGURE NAME value" line (the renderer's "RENDERER name" line too). A
# figure missing leaves the page as it was.
#   bench/performance-page.sh MEASUREMENTS PAGE
set -eu
[ $# -eq 2 ] || { echo "usage: performance-page.sh MEASUREMENTS PAGE" >&2; exit 2; }
measurements=$1
page=$2
template=$(dirname "$0")/performance.md.in
work=$(mktemp -d)
trap 'rm -rf "$work" "$page.new"' EXIT

sed -n 's/^ROW|/|/p' "$measurements" >"$work/rows"
sed -e '/^ROW|/d' -e '/^RENDERER /d' -e '/^FIGURE /d' "$measurements" >"$work/details"
# One s|@NAME@|value|g a figure, the value's |, & and \ taken literally.
sed -n -e 's/^RENDERER /FIGURE RENDERER /' -e '/^FIGURE [A-Z0-9_]* /p' "$measurements" |
    sed -e 's/[|&\\]/\\&/g' -e 's/^FIGURE \([A-Z0-9_]*\) \(.*\)$/s|@\1@|\2|g/' >"$work/figures"
sed -e '/^@SUMMARY_ROWS@$/{' -e "r $work/rows" -e 'd' -e '}' \
    -e '/^@DETAILS@$/{' -e "r $work/details" -e 'd' -e '}' \
    -f "$work/figures" "$template" >"$work/page"
missing=$(grep -o '@[A-Z0-9_]*@' "$work/page" | sort -u | tr '\n' ' ')
if [ -n "$missing" ]; then
    echo "performance-page.sh: no figure for $missing" >&2
    exit 1
fi
cp "$work/page" "$page.new"
mv "$page.new" "$page"
