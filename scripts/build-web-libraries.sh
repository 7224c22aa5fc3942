#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Builds the web pages' libraries from the pinned sources
# (scripts/pinned-sources.txt): SDL2, gl4es, freeglut's SDL2 backend and GLU,
# with Emscripten, into FOLDER/third-party, and the private Emscripten cache
# they and the pages compile with into FOLDER/em-cache. Built again only when
# one of their pins, the toolchain or this script changes (FOLDER/third-party.stamp),
# so that make web, make test and make release share one build.
# scripts/build-web.sh runs it, with emscripten's node modules found.
#   usage: build-web-libraries.sh FOLDER
set -eu
[ $# -eq 1 ] || { echo "usage: build-web-libraries.sh FOLDER" >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
real=$(mkdir -p "$1" && cd "$1" && pwd)
names="libsdl2 gl4es freeglut-sdl2 libglu"

# The libraries' build systems split their flags at spaces, and the folder
# may have any name: they see it through a link of a plain name, the same
# for the same folder, and no path of it reaches the objects. The link is
# what this prints, for the pages' build to take them from.
folder=${TMPDIR:-/tmp}/velmora-web-$(printf '%s' "$real" | sha256sum | cut -c1-16)
ln -sfn "$real" "$folder"
stamp=$({
    for name in $names; do
        awk -v name="$name" '!/^#/ && $1 == name' "$here/pinned-sources.txt"
    done
    cat "$here/../cmake/emscripten.cmake" "$here/build-web-libraries.sh"
    emcc --version
    dpkg-query -W emscripten binaryen
} | sha256sum)
if [ -f "$real/third-party/lib/libglut.a" ] && [ "$(cat "$real/third-party.stamp" 2>/dev/null)" = "$stamp" ]; then
    echo "$folder"
    exit 0
fi
prefix=$folder/third-party
map="-ffile-prefix-map=$folder=. -O2 -DNDEBUG"
jobs=${JOBS:-2}
unset CFLAGS CXXFLAGS CPPFLAGS LDFLAGS
export EM_CACHE="$folder/em-cache" EM_FROZEN_CACHE=
rm -rf "$real/third-party.stamp" "$real/third-party" "$real/em-cache" "$real/sources" "$real"/*-build
# Debian's cache is read-only (frozen): the private copy may build what the
# libraries need.
cp -R /usr/share/emscripten/cache "$EM_CACHE"
chmod -R u+w "$EM_CACHE"
for name in $names; do
    sh "$here/fetch-pinned.sh" "$name" "$folder/sources/$name" >/dev/null
done
sources=$folder/sources
log=$real/third-party.log
: >"$log"
# Each library with its own CMake; a failure shows the log's end.
configure() {
    source=$1 build=$2
    shift 2
    { emcmake cmake -S "$source" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DCMAKE_C_FLAGS="$map" -DCMAKE_CXX_FLAGS="$map" "$@" >>"$log" 2>&1 &&
        cmake --build "$build" -j "$jobs" >>"$log" 2>&1; } || { tail -n 40 "$log" >&2; exit 1; }
}

configure "$sources/libsdl2/libsdl2" "$folder/sdl2-build" -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF
cmake --install "$folder/sdl2-build" >>"$log" 2>&1
# freeglut's CMake asks for emscripten's SDL2 port (-sUSE_SDL=2): the port is
# made this SDL2, so that nothing is downloaded and its headers are these.
port=$EM_CACHE/ports/sdl2
mkdir -p "$port" "$EM_CACHE/sysroot/include/SDL2" "$EM_CACHE/sysroot/lib/wasm32-emscripten"
sed -n "s/^TAG = '\(.*\)'/https:\/\/github.com\/libsdl-org\/SDL\/archive\/\1.zip/p" \
    /usr/share/emscripten/tools/ports/sdl2.py >"$port/.emscripten_url"
cp "$prefix"/include/SDL2/*.h "$EM_CACHE/sysroot/include/SDL2/"
cp "$prefix/lib/libSDL2.a" "$EM_CACHE/sysroot/lib/wasm32-emscripten/libSDL2.a"

gl4es=$sources/gl4es/gl4es
configure "$gl4es" "$folder/gl4es-build" -DNOX11=ON -DNOEGL=ON -DDEFAULT_ES=2 -DSTATICLIB=ON
mkdir -p "$prefix/include/GL" "$prefix/lib"
cp "$gl4es/lib/libGL.a" "$prefix/lib/libGL.a"
cp "$gl4es"/include/GL/*.h "$prefix/include/GL/"

configure "$sources/freeglut-sdl2/freeglut-sdl2" "$folder/freeglut-build" -DFREEGLUT_SDL2_GL4ES=ON \
    -DFREEGLUT_BUILD_SHARED_LIBS=OFF -DFREEGLUT_BUILD_STATIC_LIBS=ON -DFREEGLUT_BUILD_DEMOS=OFF \
    -DGL4ES_LIBRARY="$prefix/lib/libGL.a" -DGL4ES_INCLUDE_DIR="$gl4es/include"
cmake --install "$folder/freeglut-build" >>"$log" 2>&1

# GLU's matrix and tessellation parts, as Debian's libglu has them; gl4es's
# headers rename gl* and glu* on Emscripten (GL/glu_mangle.h).
# (priorityq-heap.c is included by priorityq.c, not compiled alone.)
glu=$sources/libglu/libglu/src
mkdir -p "$folder/glu-build"
for source in "$glu"/libutil/*.c "$glu"/libtess/*.c; do
    [ "${source##*/}" != priorityq-heap.c ] || continue
    emcc $map -w -I"$gl4es/include" -I"$glu/include" -I"$glu/libutil" -I"$glu/libtess" \
        -c "$source" -o "$folder/glu-build/$(basename "$source" .c).o" >>"$log" 2>&1 || { tail -n 40 "$log" >&2; exit 1; }
done
# The glob sorts in the C locale: the archive's order is the same everywhere.
(export LC_ALL=C && cd "$folder/glu-build" && emar rcs "$prefix/lib/libGLU.a" ./*.o)

# The licences of all the pages bundle: these libraries', GLU's as its
# headers state it, the C library's (musl) and Emscripten's, whose Debian
# copyright file also holds its runtime's and compiler-rt's.
licences=$prefix/licences
mkdir -p "$licences"
cp "$sources/freeglut-sdl2/freeglut-sdl2/COPYING" "$licences/freeglut.txt"
cp "$gl4es/LICENSE" "$licences/gl4es.txt"
sed -n '2,/\*\//s/^ \*\{0,1\} \{0,1\}//p' "$glu/../include/GL/glu.h" | sed '$d' >"$licences/GLU.txt"
cp "$sources/libsdl2/libsdl2/LICENSE.txt" "$licences/SDL2.txt"
cp /usr/share/emscripten/system/lib/libc/musl/COPYRIGHT "$licences/musl.txt"
cp /usr/share/doc/emscripten/copyright "$licences/emscripten.txt"
echo "$stamp" >"$real/third-party.stamp"
echo "$folder"
