#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Cross-builds freeglut (Debian's source package, pinned) as a static library and
# both programs against it, for 64-bit Windows:  build-windows.sh FOLDER HOST_BUILD
# The executables and the downloads land in FOLDER/bin. HOST_BUILD: a build
# of this source for this machine with the pages and the translations, the
# languages of LANGUAGES (empty: all) among them; the translated pages' plots
# are taken from it, as the cross build cannot run the figure maker.
# WEB_PAGES: make web's folder, whose pages the downloads carry beside theirs.
#   usage: build-windows.sh FOLDER HOST_BUILD [WEB_PAGES]
set -eu
[ $# -eq 2 ] || [ $# -eq 3 ] || { echo "usage: build-windows.sh FOLDER HOST_BUILD [WEB_PAGES]" >&2; exit 2; }
top=$(cd "$(dirname "$0")/.." && pwd)
folder=$(mkdir -p "$1" && cd "$1" && pwd)
host=$(cd "$2" && pwd)
web=""
[ $# -eq 2 ] || web=$(cd "$3" && pwd)
toolchain=$top/cmake/mingw-w64-x86_64.cmake
jobs=$(nproc 2>/dev/null || echo 2)
# CMake would take the builder's own flags from these; the toolchain file's stand.
unset CFLAGS CXXFLAGS CPPFLAGS LDFLAGS

# freeglut's source as scripts/pinned-sources.txt pins it, checked file by
# file. The library is built again whenever the source, the toolchain file,
# the cross-compiler's packages or this script differ from those it was built
# with (its stamp), so a new pin or a new MinGW-w64 never meets a stale library.
source=$(sh "$top/scripts/fetch-pinned.sh" freeglut "$folder/freeglut-source")
# Each input is written out by a command of its own, so a failing one stops
# the build instead of leaving a stamp that matches nothing.
inputs=$folder/freeglut.inputs
(cd "$source" && find . -type f -exec sha256sum {} +) >"$inputs.files"
LC_ALL=C sort "$inputs.files" >"$inputs"
cat "$toolchain" "$top/cmake/windres.sh" "$0" >>"$inputs"
x86_64-w64-mingw32-gcc --version >>"$inputs"
# dpkg-query fails where a pattern names no installed package: the list stands.
dpkg-query -W 'gcc-mingw-w64*' 'g++-mingw-w64*' 'mingw-w64*' 'binutils-mingw-w64*' >>"$inputs" 2>/dev/null || true
stamp=$(sha256sum <"$inputs")
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
    -DFREEGLUT_STATIC_ROOT="$folder/freeglut" -DFREEGLUT_SOURCE_DIR="$folder/freeglut-source" -DCMAKE_RUNTIME_OUTPUT_DIRECTORY="$folder/bin" \
    -DWEB_PAGES_DIR="$web" >/dev/null
cmake --build "$folder/programs" -j "$jobs"
echo "Wrote $folder/bin/velmora.exe and $folder/bin/tarnwick.exe."
