#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Builds both programs as self-contained web pages with Emscripten:
#   build-web.sh FOLDER      writes FOLDER/velmora.html and FOLDER/tarnwick.html
# and, beside them, FOLDER/licences (the licences of everything the pages
# bundle) and FOLDER/velmora-VERSION-web.zip (the pages and the licences).
# The libraries under them are scripts/build-web-libraries.sh's, built from
# the pinned sources into FOLDER, or into VELMORA_WEB_LIBRARIES where set, so
# that builds in other folders (a release's) share them. Without network,
# VELMORA_SOURCES_DIR names the folder of the pinned files.
set -eu
[ $# -eq 1 ] || { echo "usage: build-web.sh FOLDER" >&2; exit 2; }
top=$(cd "$(dirname "$0")/.." && pwd)
folder=$(mkdir -p "$1" && cd "$1" && pwd)
# emscripten's own scripts take acorn from Debian's node modules, whatever
# node comes first on PATH.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
libraries=$(sh "$top/scripts/build-web-libraries.sh" "${VELMORA_WEB_LIBRARIES:-$folder}")
export EM_CACHE="$libraries/em-cache" EM_FROZEN_CACHE=
unset CFLAGS CXXFLAGS CPPFLAGS LDFLAGS
cmake -S "$top" -B "$folder/programs" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/emscripten.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DVELMORA_WEB=ON -DHARDEN=OFF \
    -DWEB_THIRD_PARTY="$libraries/third-party" -DWEB_PAGE_DIR="$folder" >/dev/null
cmake --build "$folder/programs" -j "${JOBS:-2}"
echo "Wrote $folder/velmora.html and $folder/tarnwick.html."
