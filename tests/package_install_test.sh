#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# The build's .deb, each language's parts in it (its manual pages where it has
# them), the web pages where the build was given them, under Debian's own
# validators, and its programs run unpacked.
#   usage: package_install_test.sh BUILD_DIR WINDOW_SCREENSHOT [hardened]
set -eu
build=$(cd "$1" && pwd)
screenshot=$2
. "$(dirname "$0")/test_lib.sh"
. "$(dirname "$0")/deb_checks.sh"
needs "Debian's tools, which make test installs" cpack dpkg-deb dpkg-shlibdeps file lintian desktop-file-validate \
    appstreamcli groff hardening-check readelf man

(cd "$scratch" && umask 022 && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null) || fail "cpack failed"
deb=$(ls "$scratch"/*.deb)
check_depends "$deb"
# Every validator's finding fails: lintian's errors and warnings, any word
# from desktop-file-validate or groff (man_page_check.sh), AppStream's.
lintian --fail-on error,warning "$deb" 2>/dev/null || fail "lintian: $(lintian "$deb" 2>/dev/null)"
dpkg -x "$deb" "$scratch/root"
share=$scratch/root/usr/share
# holds FILE...: each under /usr/share of the package.
holds() { for file; do [ -f "$share/$file" ] || fail "the package holds no /usr/share/$file"; done; }
holds man/man1/velmora.1.gz man/man1/tarnwick.1.gz applications/velmora.desktop applications/tarnwick.desktop \
    icons/hicolor/scalable/apps/velmora.svg metainfo/org.example.velmora.metainfo.xml doc/velmora/copyright \
    doc/velmora/changelog.gz doc/velmora/html/index.html doc/velmora/html/model.html \
    doc/velmora/html/model-angle.svg doc-base/velmora
if grep -q '^WEB_PAGES_DIR:PATH=.' "$build/CMakeCache.txt"; then
    holds doc/velmora/html/velmora.html doc/velmora/html/tarnwick.html doc/velmora/html/licences/SDL2.txt
fi
found=$(desktop-file-validate "$share"/applications/*.desktop 2>&1) && [ -z "$found" ] || fail "$found"
appstreamcli validate --no-net "$share"/metainfo/*.xml >/dev/null || fail "$(appstreamcli validate --no-net "$share"/metainfo/*.xml)"
# The languages of a build with the translations (a folder configured
# without them may still hold an earlier configuration's list).
languages="" with_manual_pages=""
if grep -q '^VELMORA_TRANSLATIONS:BOOL=ON' "$build/CMakeCache.txt"; then
    languages=$(tr '\n' ' ' <"$build/translations/po/LINGUAS")
    with_manual_pages=" $(tr '\n' ' ' <"$build/translations/po/MANUAL_LINGUAS") "
fi
for language in $languages; do
    holds "doc/velmora/html/$language/index.html" "doc/velmora/html/$language/model.html" \
        "doc/velmora/html/$language/model-angle.svg"
    for program in velmora tarnwick; do
        keys=$(grep -c "^\(Name\|GenericName\|Comment\|Keywords\)\[$language\]=" "$share/applications/$program.desktop" || true)
        [ "$keys" = 4 ] || fail "$program.desktop has $keys of Name, GenericName, Comment, Keywords in $language"
    done
    # Newer gettext writes the language as a BCP 47 tag, with the script where
    # it has one (pt-BR, zh-Hans-CN); older as its code (pt_BR, zh_CN).
    tag=$(printf '%s' "$language" | sed -E 's/^([a-z]+)_(.+)$/\1(-[A-Z][a-z]{3})?-\2/')
    grep -q -E "<summary xml:lang=\"($language|$tag)\">" "$share"/metainfo/*.xml ||
        fail "AppStream has no summary in $language"
    # man-db picks the page of a user's language: the NAME heading is
    # translated; a language without manual pages has none in the package.
    case $with_manual_pages in
    *" $language "*) ;;
    *)
        [ ! -e "$share/man/$language" ] || fail "the package holds manual pages in $language, which terminals do not show"
        continue
        ;;
    esac
    holds "man/$language/man1/velmora.1.gz" "man/$language/man1/tarnwick.1.gz"
    sh "$(dirname "$0")/man_page_check.sh" "$share/man/$language/man1/"*.1.gz
    heading=$(LC_ALL=C.UTF-8 MANPATH=$share/man man -L "$language.UTF-8" -P cat velmora 2>/dev/null | sed -n 3p)
    english=$(LC_ALL=C.UTF-8 MANPATH=$share/man man -P cat velmora 2>/dev/null | sed -n 3p)
    [ -n "$heading" ] && [ "$heading" != "$english" ] || fail "man -L $language.UTF-8 velmora shows the English page"
done

sh "$(dirname "$0")/man_page_check.sh" "$share"/man/man1/*.1.gz
check_programs "$scratch/root" "${3:-}"
for program in velmora tarnwick; do
    "$screenshot" "$scratch/root/usr/bin/$program" "$scratch/$program.png" 300 ||
        fail "the installed $program showed no window"
done
echo "validated, installed and ran velmora and tarnwick from $(basename "$deb"); Depends: $depends"
