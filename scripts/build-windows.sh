#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Cross-builds freeglut (Debian's source package, pinned) as a static library and
# both programs against it, for 64-bit Windows:  build-windows.sh FOLDER HOST_BUILD
# The executables and the downloads land in FOLDER/bin. HOST_BUILD: a build
# of this source for this machine with the pages and the translations, the
# languages of LANGUAGES (empty: all) among them; the translated pages' plots
# are taken from it, as the cross build cannot run the figure maker.
set -eu
[ $# -eq 2 ] || { echo "usage: build-windows.sh FOLDER HOST_BUILD" >&2; exit 2; }
top=$(cd "$(dirname "$0")/.." && pwd)
folder=$(mkdir -p "$1" && cd "$1" && pwd)
host=$(cd "$2" && pwd)
toolchain=$top/cmake/mingw-w64-x86_64.cmake
jobs=$(nproc 2>/dev/null || echo 2)
# CMake would take the builder's own flags from these; the toolchain file's stand.
unset CFLAGS CXXFLAGS CPPFLAGS LDFLAGS

# freeglut's source as scripts/pinned-sources.txt pins it, checked file by
# file. The library is built again whenever the source, the toolchain file,
# the cross-compiler's packages or this script differ from those it was built
# with (its stamp), so a new pin or a new MinGW-w64 never meets a stale library.
source=$(sh "$top/scripts/fetch-pinned.sh" freeglut "$folder/freeglut-source")
stamp=$({
    (cd "$source" && find . -type f | LC_ALL=C sort | tr '\n' '\0' | xargs -0 sha256sum)
    cat "$toolchain" "$top/cmake/windres.sh" "$0"
    x86_64-w64-mingw32-gcc --version
    dpkg-query -W 'gcc-mingw-w64*' 'g++-mingw-w64*' 'mingw-w64*' 'binutils-mingw-w64*' 2>/dev/null || true
} | sha256sum)
if [ ! -f "$folder/freeglut/lib/libfreeglut_static.a" ] || [ "$(cat "$folder/freeglut.stamp" 2>/dev/null)" != "$stamp" ]; then
    rm -rf "$folder/freeglut-build" "$folder/freeglut" "$folder/freeglut.stamp"
    cmake -S "$source" -B "$folder/freeglut-build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$folder/freeglut" \
        -DFREEGLUT_BUILD_SHARED_LIBS=OFF -DFREEGLUT_BUILD_STATIC_LIBS=ON -DFREEGLUT_BUILD_DEMOS=OFF >/dev/null
    cmake --build "$folder/freeglut-build" -j "$jobs" >/dev/null
    cmake --install "$folder/freeglut-build" >/dev/null
    echo "$stamp" >"$folder/freeglut.stamp"
fi

cmake -S "$top" -B "$folder/programs" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=OFF -DVELMORA_ICON=ON -DVELMORA_WINDOWS_DOWNLOADS=ON -DVELMORA_TRANSLATIONS=ON \
    -DVELMORA_LANGUAGES="${LANGUAGES:-}" -DTRANSLATED_PLOTS_DIR="$host/translations" \
    -DFREEGLUT_STATIC_ROOT="$folder/freeglut" -DFREEGLUT_SOURCE_DIR="$folder/freeglut-source" -DCMAKE_RUNTIME_OUTPUT_DIRECTORY="$folder/bin" >/dev/null
cmake --build "$folder/programs" -j "$jobs"
echo "Wrote $folder/bin/velmora.exe and $folder/bin/tarnwick.exe."
