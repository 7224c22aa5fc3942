#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Builds both programs as self-contained web pages with Emscripten:
#   build-web.sh FOLDER      writes FOLDER/velmora.html and FOLDER/tarnwick.html
# on the libraries scripts/build-web-libraries.sh builds from the pinned
# sources into FOLDER; beside the pages, FOLDER/licences holds the licences
# of everything they bundle. Without network, VELMORA_SOURCES_DIR names the
# folder of the pinned files.
set -eu
[ $# -eq 1 ] || { echo "usage: build-web.sh FOLDER" >&2; exit 2; }
top=$(cd "$(dirname "$0")/.." && pwd)
folder=$(mkdir -p "$1" && cd "$1" && pwd)
sh "$top/scripts/build-web-libraries.sh" "$folder"
# emscripten's own scripts take acorn from Debian's node modules, whatever
# node comes first on PATH.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
export EM_CACHE="$folder/em-cache" EM_FROZEN_CACHE=
unset CFLAGS CXXFLAGS CPPFLAGS LDFLAGS
cmake -S "$top" -B "$folder/programs" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/emscripten.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DVELMORA_WEB=ON -DHARDEN=OFF \
    -DWEB_THIRD_PARTY="$folder/third-party" -DWEB_PAGE_DIR="$folder" >/dev/null
cmake --build "$folder/programs" -j "${JOBS:-2}"
rm -rf "$folder/licences"
cp -R "$folder/third-party/licences" "$folder/licences"
echo "Wrote $folder/velmora.html and $folder/tarnwick.html."
