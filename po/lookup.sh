# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Sourced by the scripts whose texts are translated: gettext MESSAGE prints
# the translation of MESSAGE in the catalogue CATALOGUE (a .po file), or
# MESSAGE itself where CATALOGUE is empty or not there, or holds no
# translation of it. It reads the catalogue itself: the gettext command
# follows LANGUAGE only in a locale other than C, and a build machine may
# have no other. xgettext still finds the texts as gettext's.
gettext() {
    translated=""
    if [ -n "${CATALOGUE:-}" ] && [ -f "$CATALOGUE" ]; then
        candidates=$(msggrep --msgid --fixed-strings --regexp="$1" "$CATALOGUE") || {
            echo "gettext: cannot read $CATALOGUE" >&2
            return 1
        }
        translated=$(printf '%s\n' "$candidates" |
            LC_ALL=C.UTF-8 msgexec sh -c '[ "$MSGEXEC_MSGID" != "$0" ] || cat' "$1")
    fi
    printf '%s' "${translated:-$1}"
}
