#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# The README and the pages under docs/ as standalone HTML, in one flat folder
# with their pictures: index.html (the README), model.html, running.html, ...
#   usage: html-pages.sh OUT_DIR
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "$1" && cd "$1" && pwd)
pandoc --standalone --mathml --metadata title=velmora -o "$out/index.html" "$top/README.md"
for page in "$top"/docs/*.md; do
    name=$(basename "$page" .md)
    pandoc --standalone --mathml --metadata title="$name" -o "$out/$name.html" "$page"
done
cp "$top"/docs/*.png "$top"/docs/*.gif "$out/"
