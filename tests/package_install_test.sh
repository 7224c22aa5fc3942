#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Installs the build with cmake --install, packages it as a .deb, checks what
# the package holds and depends on with Debian's own validators, the
# programs' hardening and stripping, unpacks it into a scratch root and runs
# the installed programs under Xvfb. Where the build holds the translations,
# each language's manual pages, menu entries, AppStream text and pages are in
# the package, and man shows the translated page for that language; where it
# holds the web pages, so does the package.
# Where Debian's tools are missing (another system), it says which and exits
# 77, which ctest reports as skipped.
#   usage: package_install_test.sh BUILD_DIR WINDOW_SCREENSHOT [hardened]
set -eu
build=$(cd "$1" && pwd)
screenshot=$2
hardened=${3:-}
fail() { echo "package_install_test: $*" >&2; exit 1; }

missing=""
for tool in cpack dpkg-deb dpkg-shlibdeps file lintian desktop-file-validate appstreamcli groff \
    hardening-check objdump man; do
    command -v "$tool" >/dev/null 2>&1 || missing="$missing $tool"
done
if [ -n "$missing" ]; then
    echo "package_install_test: skipped, Debian's tools missing here:$missing (make test installs them on Debian)"
    exit 77
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
for file in bin/velmora bin/tarnwick share/man/man1/velmora.1.gz share/man/man1/tarnwick.1.gz \
    share/applications/velmora.desktop share/applications/tarnwick.desktop \
    share/icons/hicolor/scalable/apps/velmora.svg share/metainfo/org.example.velmora.metainfo.xml \
    share/doc/velmora/copyright share/doc/velmora/changelog.gz; do
    [ -f "$scratch/prefix/$file" ] || fail "cmake --install put no $file"
done

(cd "$scratch" && umask 022 && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null) || fail "cpack failed"
deb=$(ls "$scratch"/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
# GL comes through GLVND's libOpenGL (libopengl0) or the classic libGL (libgl1).
for library in libglut3.12 libglu1-mesa "libopengl0|libgl1"; do
    echo "$depends" | grep -Eq "(^|, )($library)( |,|$)" || fail "no $library in Depends: $depends"
done
case "$depends" in *-dev*) fail "a -dev package in Depends: $depends" ;; esac

# Every validator's finding fails: lintian's errors and warnings, any word
# from desktop-file-validate or groff (man_page_check.sh), AppStream's errors
# and warnings.
lintian --fail-on error,warning "$deb" 2>/dev/null || fail "lintian: $(lintian "$deb" 2>/dev/null)"
dpkg -x "$deb" "$scratch/root"
share=$scratch/root/usr/share
# The HTML pages with their pictures, registered with doc-base.
for file in doc/velmora/html/index.html doc/velmora/html/model.html doc/velmora/html/model-angle.svg doc-base/velmora; do
    [ -f "$share/$file" ] || fail "the package holds no /usr/share/$file"
done
# Where the build was given make web's pages, the model page's live velmora
# and tarnwick beside it.
if grep -q '^WEB_PAGES_DIR:PATH=.' "$build/CMakeCache.txt"; then
    for file in velmora.html tarnwick.html licences/SDL2.txt; do
        [ -f "$share/doc/velmora/html/$file" ] || fail "the package holds no /usr/share/doc/velmora/html/$file"
    done
fi
found=$(desktop-file-validate "$share"/applications/*.desktop 2>&1) && [ -z "$found" ] || fail "$found"
appstreamcli validate --no-net "$share"/metainfo/*.xml >/dev/null || fail "$(appstreamcli validate --no-net "$share"/metainfo/*.xml)"
for page in "$share"/man/man1/*.1.gz "$share"/man/*/man1/*.1.gz; do
    [ -f "$page" ] || continue
    sh "$(dirname "$0")/man_page_check.sh" "$page"
done
languages=$(grep -v '^#' "$build/translations/po/LINGUAS" 2>/dev/null || true)
with_manual_pages=" $(tr '\n' ' ' <"$build/translations/po/MANUAL_LINGUAS") "
for language in $languages; do
    for file in doc/velmora/html/$language/index.html doc/velmora/html/$language/model.html \
        doc/velmora/html/$language/model-angle.svg; do
        [ -f "$share/$file" ] || fail "the package holds no /usr/share/$file"
    done
    for program in velmora tarnwick; do
        for key in Name GenericName Comment Keywords; do
            grep -q "^$key\[$language\]=" "$share/applications/$program.desktop" ||
                fail "$program.desktop has no $key[$language]"
        done
    done
    # Newer gettext writes the language as a BCP 47 tag, with the script where
    # it has one (pt-BR, zh-Hans-CN); older as its code (pt_BR, zh_CN).
    case $language in
    *_*) tag="${language%%_*}(-[A-Z][a-z]{3})?-${language#*_}" ;;
    *) tag=$language ;;
    esac
    grep -q -E "<summary xml:lang=\"($language|$tag)\">" "$share"/metainfo/*.xml ||
        fail "AppStream has no summary in $language"
    # man-db picks the page of a user's language (-L, as their locale would
    # be): the NAME section's heading is translated; a language without
    # manual pages gets the English one.
    case $with_manual_pages in
    *" $language "*) ;;
    *)
        [ ! -e "$share/man/$language" ] || fail "the package holds manual pages in $language, which groff cannot show"
        continue
        ;;
    esac
    for file in man/$language/man1/velmora.1.gz man/$language/man1/tarnwick.1.gz; do
        [ -f "$share/$file" ] || fail "the package holds no /usr/share/$file"
    done
    heading=$(LC_ALL=C.UTF-8 MANPATH=$share/man man -L "$language.UTF-8" -P cat velmora 2>/dev/null | sed -n 3p)
    english=$(LC_ALL=C.UTF-8 MANPATH=$share/man man -P cat velmora 2>/dev/null | sed -n 3p)
    [ -n "$heading" ] && [ "$heading" != "$english" ] || fail "man -L $language.UTF-8 velmora shows the English page"
done

# Hardened as Debian's own packages are, and stripped as dh_strip strips.
for program in "$scratch"/root/usr/bin/*; do
    report=$(hardening-check "$program" || true) # non-zero for the two lines below the five
    for line in "Position Independent Executable" "Stack protected" "Fortify Source functions" \
        "Read-only relocations" "Immediate binding"; do
        [ "$hardened" != hardened ] || echo "$report" | grep -q "^ $line: yes" || fail "$report"
    done
    headers=$(objdump -h "$program") || fail "objdump cannot read $program"
    echo "$headers" | awk '{print $2}' | grep -Eqx '\.comment|\.note' && fail "$program keeps .comment or .note"
done

for program in velmora tarnwick; do
    "$screenshot" "$scratch/root/usr/bin/$program" "$scratch/$program.png" 300 ||
        fail "the installed $program showed no window"
done
echo "validated, installed and ran velmora and tarnwick from $(basename "$deb"); Depends: $depends"
