#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# A release rebuilds bit for bit from a clone elsewhere, later, under umask
# 002, the builder's flags and a junk freeglut; release.sh leaves alone a
# folder of other files, and a release whose next build fails. The web
# pages' zip holds both pages and the licence of every part they bundle.
#   usage: release_test.sh DIST_DIR VERSION
set -eu
dist=$(cd "$1" && pwd)
version=$2
top=$(cd "$(dirname "$0")/.." && pwd)
. "$(dirname "$0")/test_lib.sh"
# refused FOLDER WHAT [PATH]: release.sh (PATH first) fails on FOLDER and leaves it as it was.
refused() {
    before=$(cd "$1" && ls -A && sha256sum -- *)
    PATH="${3:-}$PATH" sh "$top/scripts/release.sh" "$1" "$version" >/dev/null 2>&1 && fail "release.sh took $2"
    [ "$(cd "$1" && ls -A && sha256sum -- *)" = "$before" ] || fail "release.sh changed $2"
}

(cd "$dist" && sha256sum --check --quiet SHA256SUMS) || fail "$dist does not match its SHA256SUMS"

web=velmora-$version-web
grep -q "  $web.zip\$" "$dist/SHA256SUMS" || fail "SHA256SUMS does not list $web.zip"
members=$(unzip -Z1 "$dist/$web.zip" | sort)
expected=$(for file in LICENSE.txt licences/GLU.txt licences/SDL2.txt licences/emscripten.txt licences/freeglut.txt \
    licences/gl4es.txt licences/musl.txt tarnwick.html velmora.html; do echo "$web/$file"; done | sort)
[ "$members" = "$expected" ] || fail "$web.zip holds: $members"
unzip -q "$dist/$web.zip" -d "$scratch/web"
grep -q 'SGI FREE SOFTWARE LICENSE B' "$scratch/web/$web/licences/GLU.txt" || fail "$web.zip: GLU.txt is not GLU's licence"
grep -q 'compiler-rt' "$scratch/web/$web/licences/emscripten.txt" || fail "$web.zip: emscripten.txt lacks compiler-rt's licence"
for name in libsdl2 gl4es freeglut-sdl2 libglu; do
    grep -q "^  $name " "$dist/velmora-$version-provenance.txt" || fail "the provenance does not name the pinned $name"
done

mkdir "$scratch/theirs" "$scratch/earlier" "$scratch/broken"
echo "not ours" >"$scratch/theirs/notes.txt"
refused "$scratch/theirs" "a folder holding other files"
cp -p "$dist"/* "$scratch/earlier/"
printf '#!/bin/sh\nexit 1\n' >"$scratch/broken/cmake" && chmod +x "$scratch/broken/cmake"
refused "$scratch/earlier" "an earlier release, its build failing" "$scratch/broken:"

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
    diffoscope "$dist" "$scratch/dist" >&2 || true
    fail "the second build differs"
fi
echo "release_test: a second clone, later, under umask 002 and with the builder's flags set, rebuilt every download bit for bit"
