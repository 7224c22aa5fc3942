#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Lists the source's files, one path a line from its top, in either form the
# source comes in: a git checkout (the files git tracks, or would: not what
# .gitignore names) or an unpacked release tarball without git (every file
# outside the folders .gitignore names, the build folders).
#   usage: source-files.sh [NAME_PATTERN...]   e.g. '*.cpp' '*.h'; none: all
set -euf
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
if [ "$(git rev-parse --show-toplevel 2>/dev/null)" = "$top" ]; then
    exec git ls-files --cached --others --exclude-standard -- "$@"
fi
names=""
for pattern in "$@"; do
    names="$names${names:+ -o} -name $pattern"
done
ignored=""
folders=$(sed -n 's|^\([^#/][^/]*\)/$|\1|p' .gitignore)
for folder in $folders; do
    ignored="$ignored -o -name $folder"
done
# With noglob (set -f) the unquoted lists split into words and stay patterns.
# Listed whole before it is sorted, so that a failing find stops the script.
files=$(find . -type d \( -name .git $ignored \) -prune -o -type f \( ${names:--name *} \) -print)
printf '%s\n' "$files" | sed 's|^\./||' | LC_ALL=C sort
