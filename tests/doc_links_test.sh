#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Every relative link and image in README.md and docs/ leads to a file, and
# every #anchor to a heading as GitHub and GitLab name them.
#   doc_links_test.sh SOURCE_DIR
set -eu
cd "$1"
broken=0
slugs() { sed -n 's/^#\{1,6\} //p' "$1" | tr 'A-Z' 'a-z' | sed 's/[^a-z0-9 _-]//g; s/ /-/g'; }
for page in README.md docs/*.md; do
    dir=$(dirname "$page")
    for link in $(grep -o '](\([^) ]*\))' "$page" | sed 's/^](\(.*\))$/\1/'); do
        case "$link" in http://* | https://* | mailto:*) continue ;; esac
        path=${link%%#*}
        anchor=$(echo "$link" | sed -n 's/^[^#]*#//p')
        target=$page
        [ -z "$path" ] || target=$dir/$path
        if [ ! -e "$target" ]; then
            echo "$page: $link: no such file" >&2
            broken=$((broken + 1))
        elif [ -n "$anchor" ] && ! slugs "$target" | grep -qx -- "$anchor"; then
            echo "$page: $link: no such heading in $target" >&2
            broken=$((broken + 1))
        fi
    done
done
[ "$broken" -eq 0 ] || exit 1
echo "every link in README.md and docs/ leads somewhere"
