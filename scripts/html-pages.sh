#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# The README and the pages under docs/ as standalone HTML, in one flat folder
# with their pictures: index.html (the README), model.html, running.html, ...
# Equations are MathML, the one stylesheet is pages.css; no script, no web
# font, nothing a page fetches from the network.
#   usage: html-pages.sh OUT_DIR
set -eu
[ $# -eq 1 ] || { echo "usage: html-pages.sh OUT_DIR" >&2; exit 2; }
top=$(cd "$(dirname "$0")/.." && pwd)
source=$top/docs/source
out=$(mkdir -p "$1" && cd "$1" && pwd)
# page OUTPUT [MARKDOWN]: one page, from standard input without MARKDOWN.
# Headings get the anchors GitHub gives them, which the pages' links use.
page() {
    output=$1
    shift
    pandoc --from=markdown+gfm_auto_identifiers-implicit_figures --to=html5 \
        --standalone --mathml --template="$source/page.html" \
        --lua-filter="$source/html-links.lua" --lua-filter="$source/html-legible.lua" --metadata=lang:en \
        --css=pages.css --output="$output" "$@"
}
page "$out/index.html" "$top/README.md"
for markdown in "$top"/docs/*.md; do
    page "$out/$(basename "$markdown" .md).html" "$markdown"
done
# The licence as a page too, its first line the heading.
licence=$(cat "$top/LICENSE")
printf '# %s\n' "$licence" | page "$out/LICENSE.html"
cp "$source/pages.css" "$top"/docs/*.svg "$top"/docs/*.png "$top"/docs/*.gif "$out/"
