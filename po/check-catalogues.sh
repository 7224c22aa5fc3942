#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Fails while a catalogue, brought up to date with the English sources (its
# .pot), has a message untranslated or fuzzy, or one whose translation drops
# or changes an equation ($...$), a piece of code (`...`) or a placeholder
# ({folder}); names the catalogue and each such message.
#   check-catalogues.sh POT PO...
set -eu
[ $# -ge 2 ] || { echo "usage: check-catalogues.sh POT PO..." >&2; exit 2; }
pot=$1
shift
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# The message's first line, and where it comes from.
summary() {
    awk '/^#: / { where = substr($0, 4) }
         /^msgid / { text = substr($0, 7); inid = 1; next }
         inid && /^"/ && text == "\"\"" { text = $0 }
         /^msgstr/ { inid = 0; if (text != "\"\"") printf "    %s: %s\n", where, substr(text, 1, 90) }'
}
# Each tool's output goes to a file first, so a tool that fails stops the
# check (sh has no pipefail: a pipe would hide it).
tool_failed() {
    echo "check-catalogues.sh: $1 failed on $po" >&2
    exit 1
}
# messages NAME OPTION...: the merged catalogue's messages that msgattrib
# selects, in NAME.po.
messages() {
    name=$1
    shift
    msgattrib "$@" --no-obsolete --no-wrap --force-po -o "$scratch/$name.po" "$merged" || tool_failed msgattrib
}
failed=0
for po in "$@"; do
    merged=$scratch/merged.po
    msgmerge --quiet --previous "$po" "$pot" -o "$merged" || tool_failed msgmerge
    messages untranslated --untranslated
    messages fuzzy --only-fuzzy
    messages translated --translated --no-fuzzy
    untranslated=$(summary <"$scratch/untranslated.po")
    fuzzy=$(summary <"$scratch/fuzzy.po")
    # Equations, code and placeholders, compared as sorted lists; a code block
    # (its lines indented) may have its comments translated.
    changed=$(LC_ALL=C.UTF-8 msgexec -i "$scratch/translated.po" sh -c '
        [ -n "$MSGEXEC_MSGID" ] || exit 0
        case $MSGEXEC_MSGID in "    "*) exit 0 ;; esac
        pieces() { tr "\n" " " | grep -o "\\\$\\\$[^\$]*\\\$\\\$\|\\\$[^\$ ][^\$]*\\\$\|\`[^\`]*\`\|{[a-z]*}" | sort || true; }
        [ "$(printf "%s" "$MSGEXEC_MSGID" | pieces)" = "$(pieces)" ] ||
            printf "    %s\n" "$(printf "%s" "$MSGEXEC_MSGID" | head -n 1 | cut -c 1-90)"') || tool_failed msgexec
    if [ -n "$untranslated$fuzzy$changed" ]; then
        failed=1
        echo "$po is not up to date with the English sources:" >&2
        [ -z "$untranslated" ] || printf '  untranslated:\n%s\n' "$untranslated" >&2
        [ -z "$fuzzy" ] || printf '  fuzzy (the English changed; check the translation, then remove the fuzzy mark):\n%s\n' "$fuzzy" >&2
        [ -z "$changed" ] || printf '  equations, code or {placeholders} not kept as the English has them:\n%s\n' "$changed" >&2
    fi
done
if [ "$failed" -ne 0 ]; then
    echo "Bring the catalogues up to date with the sources (cmake --build BUILD --target update-po), translate, and build again; po/README.md says how." >&2
    exit 1
fi
