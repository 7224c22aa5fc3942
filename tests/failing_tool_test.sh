#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# The gates whose tools feed others stop when a tool fails, rather than
# passing on the nothing it gave: the catalogues' check (msgmerge,
# msgattrib, msgexec), the texts' lookup (python3) and the manual pages'
# check (zcat, groff). Each tool in turn is a stub on PATH that fails; the
# gate must end non-zero with one line, naming the tool.
#   usage: failing_tool_test.sh SOURCE_DIR
set -eu
source=$1
fail() { echo "failing_tool_test: $*" >&2; exit 1; }
for tool in msgmerge msgattrib msgexec msgfmt groff; do
    command -v "$tool" >/dev/null || { echo "failing_tool_test: skipped, no $tool here (gettext, groff-base)"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/stubs"

# A catalogue complete for its template, compiled; a manual page groff reads
# without a word.
printf 'msgid ""\nmsgstr "Content-Type: text/plain; charset=UTF-8\\n"\n\nmsgid "Hello"\nmsgstr ""\n' >"$work/t.pot"
sed 's/^msgstr ""$/msgstr "Hallo"/' "$work/t.pot" >"$work/de.po"
msgfmt -o "$work/de.mo" "$work/de.po"
printf '.TH T 1\n.SH NAME\nt \\- a page\n' | gzip -n >"$work/t.1.gz"

# gate TOOL COMMAND...: COMMAND passes as it is, and fails, naming TOOL
# alone, with TOOL failing.
gate() {
    tool=$1
    shift
    "$@" >/dev/null 2>"$work/errors" || fail "$* failed with every tool working: $(cat "$work/errors")"
    printf '#!/bin/sh\nexit 3\n' >"$work/stubs/$tool"
    chmod +x "$work/stubs/$tool"
    status=0
    PATH="$work/stubs:$PATH" "$@" >/dev/null 2>"$work/errors" || status=$?
    rm "$work/stubs/$tool"
    [ "$status" -ne 0 ] || fail "$* passed with $tool failing"
    [ "$(wc -l <"$work/errors")" -eq 1 ] && grep -q "$tool" "$work/errors" ||
        fail "$* with $tool failing said: $(cat "$work/errors") (not one line naming $tool)"
}
for tool in msgmerge msgattrib msgexec; do
    gate "$tool" sh "$source/po/check-catalogues.sh" "$work/t.pot" "$work/de.po"
done
gate python3 sh -c '. "$1/po/lookup.sh" && use_catalogue "$2" && [ "$(gettext Hello)" = Hallo ]' sh "$source" "$work/de.mo"
for tool in zcat groff; do
    gate "$tool" sh "$source/tests/man_page_check.sh" "$work/t.1.gz"
done
echo "failing_tool_test: each gate stopped, naming its tool, when the tool failed"
