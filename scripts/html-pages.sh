#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# The README and the pages under docs/ as standalone HTML, in one flat folder
# with their pictures: index.html (the README), model.html, running.html, ...
# Equations are MathML, the one stylesheet is pages.css; no script, no web
# font, nothing a page fetches from the network.
# With TRANSLATIONS (what the translations' part built: LANGUAGE/README.md,
# LANGUAGE/docs/*.md and the model page's plots LANGUAGE/docs/model-*.svg for
# each language of po/LINGUAS there, and the merged catalogues in po/), each language's
# pages go in a folder of their own, LANGUAGE/, beside the English ones; a
# page that exists in several languages names them all at its top, and a
# translated page links to the pages left in English (the contributors') in
# the folder above, saying so.
# With --web-pages FOLDER (make web's: velmora.html, tarnwick.html and their
# licences/), the pages go beside the others and the model page shows
# velmora live beside its still picture; without, the picture alone.
#   usage: html-pages.sh [--web-pages FOLDER] OUT_DIR [TRANSLATIONS]
set -eu
usage="usage: html-pages.sh [--web-pages FOLDER] OUT_DIR [TRANSLATIONS]"
web=""
if [ "${1:-}" = --web-pages ]; then
    [ $# -ge 2 ] || { echo "$usage" >&2; exit 2; }
    web=$(cd "$2" && pwd)
    shift 2
fi
[ $# -eq 1 ] || [ $# -eq 2 ] || { echo "$usage" >&2; exit 2; }
top=$(cd "$(dirname "$0")/.." && pwd)
source=$top/docs/source
out=$(mkdir -p "$1" && cd "$1" && pwd)
translations=""
languages=""
if [ $# -eq 2 ]; then
    translations=$(cd "$2" && pwd)
    # The languages this build was configured for, not every folder there:
    # one left from an earlier configuration may lack what this one makes.
    languages=$(tr '\n' ' ' <"$translations/po/LINGUAS")
fi
# page OUTPUT MARKDOWN [PANDOC OPTION...]: one page, from standard input
# where MARKDOWN is -. Headings get the anchors GitHub gives them, which the
# pages' links use. pandoc reads its arguments (the languages' names, the
# translated texts) in the locale's charset: UTF-8, whatever the builder's is.
# The page's language is a template variable, not metadata, from which pandoc
# would load texts of its own that the pages do not use (and its Hindi ones
# fail to load).
page() {
    output=$1
    markdown=$2
    shift 2
    LC_ALL=C.UTF-8 pandoc --from=markdown+gfm_auto_identifiers-implicit_figures --to=html5 \
        --standalone --mathml --template="$source/page.html" \
        --lua-filter="$source/html-links.lua" --lua-filter="$source/html-legible.lua" \
        --css="${css:-pages.css}" "$@" --output="$output" "$markdown"
}
# Each language's own name, its tag for HTML's lang attribute, and the
# direction its script runs in (HTML's dir).
endonym() {
    case $1 in
        en) echo English ;; de) echo Deutsch ;; es) echo Español ;; fr) echo Français ;;
        pt_BR) echo "Português (Brasil)" ;; zh_CN) echo "简体中文" ;; ru) echo Русский ;;
        ja) echo 日本語 ;; hi) echo हिन्दी ;; ar) echo العربية ;; id) echo "Bahasa Indonesia" ;;
        *) echo "$1" ;;
    esac
}
tag() { echo "$1" | tr _ -; }
direction() {
    case $1 in ar) echo rtl ;; *) echo ltr ;; esac
}
# The texts of the pages of each language come from its catalogue, read
# before its pages are made; the English pages' from none.
. "$top/po/lookup.sh"
# bar LANGUAGE NAME: the line naming each language the page NAME exists in,
# for the page in LANGUAGE (the catalogue's), each other language a link.
bar() {
    # Translators: the name of the line at the top of a page that lists the languages the page is in.
    printf '<nav class="languages" aria-label="%s">' "$(gettext 'Languages')"
    separator=""
    for language in en $languages; do
        [ "$language" = en ] || [ -f "$translations/$language/$(markdown_of "$2")" ] || continue
        if [ "$1" = en ]; then root=""; else root="../"; fi
        if [ "$language" = en ]; then href="$root$2"; else href="$root$language/$2"; fi
        if [ "$language" = "$1" ]; then
            printf '%s<strong lang="%s" dir="%s">%s</strong>' "$separator" "$(tag "$language")" \
                "$(direction "$language")" "$(endonym "$language")"
        else
            printf '%s<a href="%s" hreflang="%s" lang="%s" dir="%s">%s</a>' "$separator" "$href" \
                "$(tag "$language")" "$(tag "$language")" "$(direction "$language")" "$(endonym "$language")"
        fi
        separator=" · "
    done
    printf '</nav>'
}
# The Markdown page NAME.html is made from, relative to the top.
markdown_of() {
    case $1 in index.html) echo README.md ;; *) echo "docs/${1%.html}.md" ;; esac
}
# A text as HTML: its markup characters as entities.
escape() { sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g' -e 's/"/\&quot;/g'; }
# live NAME ROOT: for the model page, velmora running in the page (where
# the web pages are built) beside the still picture of its window, which
# stands alone where the browser cannot run it; ROOT leads to the folder
# they lie in. Nothing for the other pages.
live() {
    [ "$1" = model.html ] || return 0
    # Translators: the still picture's description, for a reader who cannot see it.
    still=$(gettext "A still picture of velmora's window: the red bob on its rod, the caption and the time." | escape)
    printf '<figure class="live">'
    if [ -n "$web" ]; then
        printf '<iframe src="%svelmora.html" title="velmora" width="300" height="300"></iframe>' "$2"
    fi
    printf '<img src="%svelmora.png" alt="%s" width="300" height="300">' "$2" "$still"
    if [ -n "$web" ]; then
        # Translators: under velmora running live in the model page; %s are links to the two programs' own pages.
        caption=$(gettext 'velmora running in this page, beside a still picture of its window for a browser that cannot run it. Each program also runs alone in a page of its own: %s and %s.' | escape)
        # shellcheck disable=SC2059 # the catalogue's text is the format
        printf "<figcaption>$caption</figcaption>" "<a href=\"$2velmora.html\">velmora.html</a>" \
            "<a href=\"$2tarnwick.html\">tarnwick.html</a>"
    fi
    printf '</figure>'
}
# english NAME MARKDOWN: the English page, with the languages' line where it is translated.
english() {
    for language in $languages; do
        if [ -f "$translations/$language/$(markdown_of "$1")" ]; then
            page "$out/$1" "$2" --variable=lang:en --variable=languages:"$(bar en "$1")" \
                --variable=live:"$(live "$1" "")"
            return
        fi
    done
    page "$out/$1" "$2" --variable=lang:en --variable=live:"$(live "$1" "")"
}
english index.html "$top/README.md"
for markdown in "$top"/docs/*.md; do
    english "$(basename "$markdown" .md).html" "$markdown"
done
# The licence as a page too, its first line the heading.
licence=$(cat "$top/LICENSE")
printf '# %s\n' "$licence" | page "$out/LICENSE.html" - --variable=lang:en
cp "$source/pages.css" "$top"/docs/*.svg "$top"/docs/*.png "$top"/docs/*.gif "$out/"
if [ -n "$web" ]; then
    cp "$web/velmora.html" "$web/tarnwick.html" "$out/"
    cp -R "$web/licences" "$out/licences"
fi

# Each translated page keeps its English anchors, so links into it hold.
for language in $languages; do
    mkdir -p "$out/$language"
    use_catalogue "$translations/locale/$language/LC_MESSAGES/velmora.mo"
    # Translators: said after a link to a page that exists in English only (for contributors).
    in_english=$(gettext '(in English)')
    names=""
    for markdown in "$translations/$language/README.md" "$translations/$language"/docs/*.md; do
        name=$(basename "$markdown" .md).html
        [ "$name" = README.html ] && name=index.html
        names="$names $name"
    done
    for name in $names; do
        css=../pages.css page "$out/$language/$name" "$translations/$language/$(markdown_of "$name")" \
            --variable=lang:"$(tag "$language")" --metadata=dir:"$(direction "$language")" \
            --metadata=english-source:"$top/$(markdown_of "$name")" \
            --metadata=translated-pages:"$names" \
            --metadata=in-english:"$in_english" \
            --variable=languages:"$(bar "$language" "$name")" \
            --variable=live:"$(live "$name" ../)"
    done
    # Each of the English model page's plots, drawn in the language.
    for plot in "$top"/docs/model-*.svg; do
        translated=$translations/$language/docs/$(basename "$plot")
        [ -f "$translated" ] || { echo "html-pages.sh: no plot $translated in $language" >&2; exit 1; }
        cp "$translated" "$out/$language/"
    done
done
