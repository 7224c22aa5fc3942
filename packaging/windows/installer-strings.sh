#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# The installer's languages and its own texts in each, as NSIS MUI_LANGUAGE
# and LangString lines for installer.nsi, from the build's compiled
# catalogues in LOCALE_DIR (LANGUAGE/LC_MESSAGES/velmora.mo); English first,
# the language where the user's is none of these, then each LANGUAGE given
# (gettext's names: de, pt_BR, zh_CN, ...);
# a language without a catalogue there gets the English texts.
# {programs} and {folder} in a text stand for the NSIS variables $1 and
# $Folder, {page} for the model page in that language's folder of pages.
#   installer-strings.sh LOCALE_DIR [LANGUAGE...] >STRINGS.nsh
set -eu
[ $# -ge 1 ] || { echo "usage: installer-strings.sh LOCALE_DIR [LANGUAGE...]" >&2; exit 2; }
. "$(dirname "$0")/../../po/lookup.sh"
locale=$1
shift
# nsis NAME TEXT: one LangString, quoted for NSIS ($ doubled, " and line breaks escaped).
nsis() {
    text=$(printf '%s' "$2" | sed -e 's/\$/$$/g; s/"/$\\"/g; s/{programs}/$1/g; s/{folder}/$Folder/g' -e "s/{page}/$model_page/g")
    printf 'LangString %s ${LANG_%s} "%s"\n' "$1" "$nsis_language" "$text"
}
for language in en "$@"; do
    # NSIS's name of the language (its Contrib/Language files/NAME.nlf).
    case $language in
        en) nsis_name=English ;;
        de) nsis_name=German ;;
        es) nsis_name=Spanish ;;
        fr) nsis_name=French ;;
        pt_BR) nsis_name=PortugueseBR ;;
        zh_CN) nsis_name=SimpChinese ;;
        ru) nsis_name=Russian ;;
        ja) nsis_name=Japanese ;;
        hi) nsis_name=Hindi ;;
        ar) nsis_name=Arabic ;;
        id) nsis_name=Indonesian ;;
        *) echo "installer-strings.sh: no NSIS language for $language: add it here" >&2; exit 1 ;;
    esac
    nsis_language=$(printf '%s' "$nsis_name" | tr '[:lower:]' '[:upper:]')
    printf '!insertmacro MUI_LANGUAGE %s\n' "$nsis_name"
    use_catalogue "$locale/$language/LC_MESSAGES/velmora.mo"
    pages=docs
    [ "$language" = en ] || pages="docs\\$language"
    model_page=$(printf '%s' "$pages\\model.html" | sed 's/\\/\\\\/g')
    nsis PAGES "$pages"
    # Translators: the installer's page that shows the licences of the libraries inside the programs.
    nsis NOTICES_HEADER "$(gettext 'Third-party notices')"
    nsis NOTICES_SUBTEXT "$(gettext 'The libraries inside Velmora and Tarnwick, and their licences.')"
    nsis NOTICES_TOP "$(gettext 'Velmora and Tarnwick carry parts of freeglut, MinGW-w64 and GCC:')"
    # Translators: THIRD-PARTY-NOTICES.txt is a file's name: keep it.
    nsis NOTICES_BOTTOM "$(gettext 'This text is installed as THIRD-PARTY-NOTICES.txt.')"
    # Translators: a check box on the installer's last page.
    nsis START_VELMORA "$(gettext 'Start Velmora')"
    # Translators: a check box on the installer's last page; {page} is the page's file, such as docs\de\model.html: keep it.
    nsis READ_MODEL "$(gettext 'Read how the pendulum is computed ({page})')"
    # Translators: {programs} is replaced by the programs' files (velmora.exe tarnwick.exe), {folder} by the folder they run from; keep both. Retry is the name of a button Windows labels in its own language.
    nsis CLOSE_FIRST "$(gettext 'Please close {programs} (running from {folder}), then choose Retry.')"
    # Translators: {folder} is replaced by a folder: keep it.
    nsis REMOVING "$(gettext 'Removing the installed version from {folder}')"
    # Translators: {folder} is replaced by a folder: keep it.
    nsis REMOVE_FAILED "$(gettext 'The installed version in {folder} could not be removed. Close Velmora and Tarnwick, then run this setup again.')"
    nsis VELMORA_COMMENT "$(gettext 'A lit pendulum swinging in a single-buffered OpenGL window')"
    nsis TARNWICK_COMMENT "$(gettext 'A lit pendulum swinging in a double-buffered OpenGL window')"
done
