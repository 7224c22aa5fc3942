#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Builds both programs as self-contained web pages with Emscripten:
#   build-web.sh FOLDER      writes FOLDER/velmora.html and FOLDER/tarnwick.html
# The libraries under them (SDL2, gl4es, freeglut's SDL2 backend, GLU) are
# built from the pinned sources (scripts/pinned-sources.txt) into
# FOLDER/third-party, again only when a pin, the toolchain or this script
# changes (its stamp). Without network, VELMORA_SOURCES_DIR names the folder
# of the pinned files.
set -eu
[ $# -eq 1 ] || { echo "usage: build-web.sh FOLDER" >&2; exit 2; }
top=$(cd "$(dirname "$0")/.." && pwd)
folder=$(mkdir -p "$1" && cd "$1" && pwd)
toolchain=$top/cmake/emscripten.cmake
jobs=$(nproc 2>/dev/null || echo 2)
prefix=$folder/third-party
unset CFLAGS CXXFLAGS CPPFLAGS LDFLAGS
# emscripten's own scripts take acorn from Debian's node modules, whatever
# node comes first on PATH.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
# Debian's cache is read-only (frozen): a private copy may build what the
# libraries need. Paths of this folder stay out of the output.
export EM_CACHE="$folder/em-cache" EM_FROZEN_CACHE=
map="-ffile-prefix-map=$folder=. -O2 -DNDEBUG"

stamp=$({
    grep -v '^#' "$top/scripts/pinned-sources.txt"
    cat "$toolchain" "$0"
    emcc --version
    dpkg-query -W emscripten binaryen 2>/dev/null || true
} | sha256sum)
if [ ! -f "$prefix/lib/libglut.a" ] || [ "$(cat "$folder/third-party.stamp" 2>/dev/null)" != "$stamp" ]; then
    rm -rf "$folder/third-party.stamp" "$prefix" "$EM_CACHE" "$folder/sources" "$folder"/*-build
    cp -R /usr/share/emscripten/cache "$EM_CACHE"
    chmod -R u+w "$EM_CACHE"
    for name in sdl2 libglu gl4es freeglut-sdl2; do
        sh "$top/scripts/fetch-pinned.sh" "$name" "$folder/sources/$name" >/dev/null
    done
    sources=$folder/sources
    log=$folder/third-party.log
    : >"$log"
    # Each library with its own CMake; a failure shows the log's end.
    configure() {
        emcmake cmake -S "$1" -B "$2" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
            -DCMAKE_C_FLAGS="$map" -DCMAKE_CXX_FLAGS="$map" "$@" >>"$log" 2>&1 &&
            cmake --build "$2" -j "$jobs" >>"$log" 2>&1 || { tail -n 40 "$log" >&2; exit 1; }
    }

    configure "$sources/sdl2/sdl2" "$folder/sdl2-build" -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF
    cmake --install "$folder/sdl2-build" >>"$log"
    # freeglut's CMake asks for emscripten's SDL2 port (-sUSE_SDL=2): the
    # port is made this SDL2, so that nothing is downloaded and its headers
    # are these.
    port=$EM_CACHE/ports/sdl2
    mkdir -p "$port" "$EM_CACHE/sysroot/include/SDL2" "$EM_CACHE/sysroot/lib/wasm32-emscripten"
    url=$(sed -n "s/^TAG = '\(.*\)'/https:\/\/github.com\/libsdl-org\/SDL\/archive\/\1.zip/p" \
        /usr/share/emscripten/tools/ports/sdl2.py)
    echo "$url" >"$port/.emscripten_url"
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
    cmake --install "$folder/freeglut-build" >>"$log"

    # GLU's matrix and tessellation parts, as Debian's libglu has them; gl4es's
    # headers rename gl* and glu* on Emscripten (GL/glu_mangle.h).
    glu=$sources/libglu/libglu/src
    mkdir -p "$folder/glu-build"
    # (priorityq-heap.c is included by priorityq.c, not compiled alone)
    for source in "$glu"/libutil/*.c $(ls "$glu"/libtess/*.c | grep -v priorityq-heap); do
        object=$folder/glu-build/$(basename "$source" .c).o
        emcc $map -w -I"$gl4es/include" -I"$glu/include" -I"$glu/libutil" -I"$glu/libtess" \
            -c "$source" -o "$object" >>"$log" 2>&1 || { tail -n 40 "$log" >&2; exit 1; }
    done
    emar rcs "$prefix/lib/libGLU.a" $(ls "$folder"/glu-build/*.o | LC_ALL=C sort)
    echo "$stamp" >"$folder/third-party.stamp"
fi

cmake -S "$top" -B "$folder/programs" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=OFF -DVELMORA_WEB=ON -DHARDEN=OFF -DWEB_THIRD_PARTY="$prefix" -DWEB_PAGE_DIR="$folder" >/dev/null
cmake --build "$folder/programs" -j "$jobs"
echo "Wrote $folder/velmora.html and $folder/tarnwick.html."
