#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# With each tool in turn a failing stub on PATH, the gates it feeds end
# non-zero with one line naming the tool.
#   usage: failing_tool_test.sh SOURCE_DIR
set -eu
source=$1
. "$(dirname "$0")/test_lib.sh"
needs "gettext, groff-base" msgmerge msgattrib msgexec msgfmt groff
work=$scratch
mkdir "$work/stubs"

# A complete catalogue, a lookup of a text in it and of one it lacks, and a clean manual page.
cat >"$work/t.pot" <<'POT'
msgid ""
msgstr "Content-Type: text/plain; charset=UTF-8\n"

msgid "the programs' * model"
msgstr ""
POT
sed 's/^msgstr ""$/msgstr "das « * » Modell"/' "$work/t.pot" >"$work/de.po"
msgfmt -o "$work/de.mo" "$work/de.po"
cat >"$work/lookup.sh" <<'LOOKUP'
set -eu
. "$1/po/lookup.sh"
use_catalogue "$2"
[ "$(gettext "the programs' * model")" = "das « * » Modell" ]
[ "$(gettext "the programs' model")" = "the programs' model" ]
LOOKUP
printf '.TH T 1\n.SH NAME\nt \\- a page\n' | gzip -n >"$work/t.1.gz"

# gate TOOL COMMAND...: COMMAND passes, and fails naming TOOL alone with TOOL failing.
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
gate python3 sh "$work/lookup.sh" "$source" "$work/de.mo"
# The lookup says nothing in any locale, the plain C one too.
for locale in C C.UTF-8 ""; do
    LC_ALL=$locale LANG=$locale sh "$work/lookup.sh" "$source" "$work/de.mo" 2>"$work/errors" ||
        fail "the lookup failed in the locale '$locale': $(cat "$work/errors")"
    [ ! -s "$work/errors" ] || fail "the lookup in the locale '$locale' said: $(cat "$work/errors")"
done
for tool in zcat groff; do
    gate "$tool" sh "$source/tests/man_page_check.sh" "$work/t.1.gz"
done
echo "failing_tool_test: each gate stopped, naming its tool, when the tool failed"
