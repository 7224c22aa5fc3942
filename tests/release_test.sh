#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Proves that a release rebuilds bit for bit: clones the same commit into
# another folder and builds its release there, later, under umask 002
# (group-writable, as on many desktops), with the builder's Debian and
# compiler flags set to change everything they can and a junk freeglut left
# in the clone's build folders, then compares every checksum with the given
# release's SHA256SUMS; diffoscope shows what differs. Before that, that the
# web pages' zip holds both pages and every licence they need, and that
# release.sh leaves alone a folder holding other files, and one holding a
# release when its build fails.
#   usage: release_test.sh DIST_DIR VERSION
set -eu
dist=$(cd "$1" && pwd)
version=$2
top=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "release_test: $*" >&2; exit 1; }
listing() { (cd "$1" && ls -A && sha256sum -- *); }

(cd "$dist" && sha256sum --check --quiet SHA256SUMS) || fail "$dist does not match its SHA256SUMS"

# The web pages' zip: both pages, each one file, and the licence of every
# part they bundle, listed in SHA256SUMS.
web=velmora-$version-web
grep -q "  $web.zip\$" "$dist/SHA256SUMS" || fail "SHA256SUMS does not list $web.zip"
members=$(unzip -Z1 "$dist/$web.zip" | sort)
expected=$(for file in LICENSE.txt licences/GLU.txt licences/SDL2.txt licences/emscripten.txt licences/freeglut.txt \
    licences/gl4es.txt licences/musl.txt tarnwick.html velmora.html; do echo "$web/$file"; done | sort)
[ "$members" = "$expected" ] || fail "$web.zip holds: $members"
unzip -q "$dist/$web.zip" -d "$scratch/web"
grep -q 'SGI FREE SOFTWARE LICENSE B' "$scratch/web/$web/licences/GLU.txt" || fail "$web.zip: GLU.txt is not GLU's licence"
grep -q 'compiler-rt' "$scratch/web/$web/licences/emscripten.txt" || fail "$web.zip: emscripten.txt lacks compiler-rt's licence"
for page in velmora tarnwick; do
    grep -q '<title>Velmora</title>' "$scratch/web/$web/$page.html" || fail "$web.zip: $page.html is no page of ours"
done
for name in libsdl2 gl4es freeglut-sdl2 libglu; do
    grep -q "^  $name " "$dist/velmora-$version-provenance.txt" || fail "the provenance does not name the pinned $name"
done

# A folder with someone's file in it: refused before anything is built.
mkdir "$scratch/theirs"
echo "not ours" >"$scratch/theirs/notes.txt"
before=$(listing "$scratch/theirs")
sh "$top/scripts/release.sh" "$scratch/theirs" "$version" >/dev/null 2>&1 && fail "release.sh took a folder holding other files"
[ "$(listing "$scratch/theirs")" = "$before" ] || fail "release.sh changed a folder holding other files"

# A release whose next build fails (cmake stops): the folder stays as it was.
mkdir "$scratch/earlier" "$scratch/broken"
cp -p "$dist"/* "$scratch/earlier/"
printf '#!/bin/sh\nexit 1\n' >"$scratch/broken/cmake" && chmod +x "$scratch/broken/cmake"
before=$(listing "$scratch/earlier")
PATH="$scratch/broken:$PATH" sh "$top/scripts/release.sh" "$scratch/earlier" "$version" >/dev/null 2>&1 &&
    fail "release.sh succeeded without cmake"
[ "$(listing "$scratch/earlier")" = "$before" ] || fail "a failed release.sh changed the folder it was given"

git clone -q "$top" "$scratch/second clone"
for folder in build-windows build-dist/windows; do
    mkdir -p "$scratch/second clone/$folder/freeglut/lib"
    echo "not freeglut" >"$scratch/second clone/$folder/freeglut/lib/libfreeglut_static.a"
done
(umask 002 && DEB_BUILD_OPTIONS=noopt DEB_CXXFLAGS_APPEND=-O0 DEB_BUILD_MAINT_OPTIONS=hardening=-all \
    CFLAGS=-O0 CXXFLAGS=-O0 LDFLAGS=-Wl,-z,norelro \
    sh "$scratch/second clone/scripts/release.sh" "$scratch/dist" "$version" >/dev/null)
if ! cmp -s "$dist/SHA256SUMS" "$scratch/dist/SHA256SUMS"; then
    diff "$dist/SHA256SUMS" "$scratch/dist/SHA256SUMS" >&2 || true
    cmp -s "$dist/velmora-$version.tar.gz" "$scratch/dist/velmora-$version.tar.gz" ||
        fail "the source tarballs differ: $dist is not a release of this commit (make release)"
    for file in $(cd "$dist" && ls); do
        cmp -s "$dist/$file" "$scratch/dist/$file" || diffoscope "$dist/$file" "$scratch/dist/$file" >&2 || true
    done
    fail "the second build differs"
fi
echo "release_test: a second clone, later, under umask 002 and with the builder's flags set, rebuilt every download bit for bit"
