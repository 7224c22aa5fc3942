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
mkdir "$scratch/stubs"

# A complete catalogue, a lookup of a text in it and of one it lacks, and a clean manual page.
cat >"$scratch/t.pot" <<'POT'
msgid ""
msgstr "Content-Type: text/plain; charset=UTF-8\n"

msgid "the programs' * model"
msgstr ""
POT
sed 's/^msgstr ""$/msgstr "das « * » Modell"/' "$scratch/t.pot" >"$scratch/de.po"
msgfmt -o "$scratch/de.mo" "$scratch/de.po"
cat >"$scratch/lookup.sh" <<'LOOKUP'
set -eu
. "$1/po/lookup.sh"
use_catalogue "$2"
[ "$(gettext "the programs' * model")" = "das « * » Modell" ]
[ "$(gettext "the programs' model")" = "the programs' model" ]
LOOKUP
printf '.TH T 1\n.SH NAME\nt \\- a page\n' | gzip -n >"$scratch/t.1.gz"

# gate TOOL COMMAND...: COMMAND passes, and fails naming TOOL alone with TOOL failing.
gate() {
    tool=$1
    shift
    "$@" >/dev/null 2>"$scratch/errors" || fail "$* failed with every tool working: $(cat "$scratch/errors")"
    printf '#!/bin/sh\nexit 3\n' >"$scratch/stubs/$tool"
    chmod +x "$scratch/stubs/$tool"
    status=0
    PATH="$scratch/stubs:$PATH" "$@" >/dev/null 2>"$scratch/errors" || status=$?
    rm "$scratch/stubs/$tool"
    [ "$status" -ne 0 ] || fail "$* passed with $tool failing"
    [ "$(wc -l <"$scratch/errors")" -eq 1 ] && grep -q "$tool" "$scratch/errors" ||
        fail "$* with $tool failing said: $(cat "$scratch/errors") (not one line naming $tool)"
}
for tool in msgmerge msgattrib msgexec; do
    gate "$tool" sh "$source/po/check-catalogues.sh" "$scratch/t.pot" "$scratch/de.po"
done
gate python3 sh "$scratch/lookup.sh" "$source" "$scratch/de.mo"
# The lookup says nothing in any locale, the plain C one too.
for locale in C C.UTF-8 ""; do
    LC_ALL=$locale LANG=$locale sh "$scratch/lookup.sh" "$source" "$scratch/de.mo" 2>"$scratch/errors" ||
        fail "the lookup failed in the locale '$locale': $(cat "$scratch/errors")"
    [ ! -s "$scratch/errors" ] || fail "the lookup in the locale '$locale' said: $(cat "$scratch/errors")"
done
for tool in zcat groff; do
    gate "$tool" sh "$source/tests/man_page_check.sh" "$scratch/t.1.gz"
done

# The installer against a mirror mid-sync, or out of step for longer: its
# updates, then perhaps its installs, fail as many times as asked, and every
# update fails while apt holds lists newer than the mirror.
mkdir -p "$scratch/apt/lists"
printf '#!/bin/sh\nexit 1\n' >"$scratch/apt/dpkg-query"
printf '#!/bin/sh\necho 0\n' >"$scratch/apt/id"
printf '#!/bin/sh\necho "$1" >>"$STUBS/paused"\n' >"$scratch/apt/sleep"
cat >"$scratch/apt/apt-get" <<'STUB'
#!/bin/sh
[ "$1" != update ] || [ ! -e "$STUBS/lists/newer_InRelease" ] || { echo "E: File has unexpected size" >&2; exit 100; }
left=$(cat "$STUBS/$1-failures")
[ "$left" -eq 0 ] || { echo $((left - 1)) >"$STUBS/$1-failures"; echo "E: Mirror sync in progress?" >&2; exit 100; }
[ "$1" != install ] || echo "$*" >>"$STUBS/installed"
STUB
cat >"$scratch/apt/apt-config" <<'STUB'
#!/bin/sh
echo "lists='$STUBS/lists/'"
STUB
chmod +x "$scratch/apt"/*
# installs UPDATES INSTALLS STATUS PAUSES: with UPDATES updates and INSTALLS
# installs failing, the installer ends with STATUS, having paused PAUSES seconds.
installs() {
    echo "$1" >"$scratch/apt/update-failures"
    echo "$2" >"$scratch/apt/install-failures"
    rm -f "$scratch/apt/paused" "$scratch/apt/installed"
    status=0
    STUBS=$scratch/apt PATH="$scratch/apt:$PATH" sh "$source/scripts/ensure-packages.sh" velmora-test-package \
        >/dev/null 2>"$scratch/errors" || status=$?
    case="with $1 updates and $2 installs failing"
    [ "$status" = "$3" ] || fail "$case, the installer ended with $status: $(cat "$scratch/errors")"
    [ "$(echo $(cat "$scratch/apt/paused"))" = "$4" ] || fail "$case, it paused $(cat "$scratch/apt/paused")"
    [ "$3" != 0 ] || grep -q " velmora-test-package$" "$scratch/apt/installed" || fail "$case, nothing was installed"
    ! ls -d "$scratch/apt/lists.held."* >/dev/null 2>&1 || fail "$case, the lists it held were left beside apt's"
}
installs 2 0 0 "15 45"
echo held >"$scratch/apt/lists/bookworm_InRelease"
installs 9 0 0 "15 45 135"
grep -qx "apt-get update kept failing; installing from the package lists apt has" "$scratch/errors" ||
    fail "installing after every update failed, it said: $(cat "$scratch/errors")"
[ "$(cat "$scratch/apt/lists/bookworm_InRelease")" = held ] || fail "after every update failed, apt's own lists were gone"
mv "$scratch/apt/lists/bookworm_InRelease" "$scratch/apt/lists/newer_InRelease"
installs 0 0 0 "15 45 135"
[ ! -e "$scratch/apt/lists/newer_InRelease" ] && ! grep -q "installing from the package lists apt has" "$scratch/errors" ||
    fail "with lists newer than the mirror, they were not fetched again: $(cat "$scratch/errors")"
installs 0 9 1 "15 45 135"
[ "$(tail -n 1 "$scratch/errors")" = "apt-get could not install: velmora-test-package" ] ||
    fail "with every install failing, it said: $(cat "$scratch/errors")"
echo "failing_tool_test: each gate stopped, naming its tool, when the tool failed; apt-get was tried again"
