#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Cross-builds freeglut (from Debian's source package) as a static library and
# both programs against it, for 64-bit Windows:  build-windows.sh FOLDER
# The executables land in FOLDER/bin.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
folder=$(mkdir -p "$1" && cd "$1" && pwd)
toolchain=$top/cmake/mingw-w64-x86_64.cmake
jobs=$(nproc 2>/dev/null || echo 2)

if [ ! -f "$folder/freeglut/lib/libfreeglut_static.a" ]; then
    rm -rf "$folder/freeglut-source"
    source=$(sh "$top/scripts/fetch-debian-source.sh" freeglut "$folder/freeglut-source")
    cmake -S "$source" -B "$folder/freeglut-build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$folder/freeglut" \
        -DFREEGLUT_BUILD_SHARED_LIBS=OFF -DFREEGLUT_BUILD_STATIC_LIBS=ON -DFREEGLUT_BUILD_DEMOS=OFF >/dev/null
    cmake --build "$folder/freeglut-build" -j "$jobs" >/dev/null
    cmake --install "$folder/freeglut-build" >/dev/null
fi

cmake -S "$top" -B "$folder/programs" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DFREEGLUT_STATIC_ROOT="$folder/freeglut" -DFREEGLUT_SOURCE_DIR="$folder/freeglut-source" -DCMAKE_RUNTIME_OUTPUT_DIRECTORY="$folder/bin" >/dev/null
cmake --build "$folder/programs" -j "$jobs"
echo "Wrote $folder/bin/velmora.exe and $folder/bin/tarnwick.exe."
