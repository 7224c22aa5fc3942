# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Sourced by the scripts whose texts are translated. use_catalogue MO reads
# the compiled catalogue MO (the build's locale/LANGUAGE/LC_MESSAGES/velmora.mo)
# once, with Python's own reader of them; from then on gettext MESSAGE prints MESSAGE's
# translation there, or MESSAGE itself where MO is empty or not there, or
# holds no translation of it. Call use_catalogue outside a command
# substitution, so the catalogue stays read for every text after it.
# The gettext command is not used: it follows LANGUAGE only in a locale other
# than C, and a build machine may have no other. xgettext still finds the
# texts as gettext's.
catalogue_text() { return 1; }
use_catalogue() {
    catalogue_text() { return 1; }
    [ -n "$1" ] && [ -f "$1" ] || return 0
    # The catalogue as one shell function: a case, each message quoted whole.
    table=$(python3 - "$1" <<'PY'
import gettext
import sys

def quoted(text):
    return "'" + text.replace("'", "'\\''") + "'"

lines = ["catalogue_text() {", "case $1 in"]
with open(sys.argv[1], "rb") as mo:
    # Every message the catalogue translates (plural forms are keyed by tuples).
    messages = gettext.GNUTranslations(mo)._catalog
for message, translation in messages.items():
    if isinstance(message, str) and message and translation:
        lines.append(f"{quoted(message)}) printf '%s' {quoted(translation)} ;;")
lines += ["*) return 1 ;;", "esac", "}"]
sys.stdout.buffer.write("\n".join(lines).encode("utf-8") + b"\n")
PY
    ) || {
        echo "use_catalogue: python3 cannot read the catalogue $1" >&2
        return 1
    }
    eval "$table"
}
gettext() {
    catalogue_text "$1" || printf '%s' "$1"
}
