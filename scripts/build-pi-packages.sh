#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Cross-builds the Raspberry Pi OS packages, velmora_VERSION_arm64.deb and
# velmora_VERSION_armhf.deb, into FOLDER (each built in a folder of its own
# under it), with Debian's cross compilers and the :arm64 and :armhf
# libraries of Debian's multiarch (cmake/aarch64-linux-gnu.cmake,
# cmake/arm-linux-gnueabihf.cmake): the programs and what the package holds,
# no tests. Built as the amd64 package is: hardened, stripped by CPack.
# HOST_BUILD: a build of this source for this machine with the pages and the
# translations (the languages of LANGUAGES, empty: all); the translated
# pages' plots are taken from it, as a cross-build cannot run the figure maker.
# WEB_PAGES: make web's folder, whose pages (the same on every architecture)
# the packages carry, as the amd64 package does.
#   usage: build-pi-packages.sh FOLDER HOST_BUILD [WEB_PAGES]
set -eu
[ $# -eq 2 ] || [ $# -eq 3 ] || { echo "usage: build-pi-packages.sh FOLDER HOST_BUILD [WEB_PAGES]" >&2; exit 2; }
top=$(cd "$(dirname "$0")/.." && pwd)
folder=$1
host=$(cd "$2" && pwd)
web=""
[ $# -eq 2 ] || web=$(cd "$3" && pwd)
jobs=$(nproc 2>/dev/null || echo 2)
mkdir -p "$folder"
for triplet in aarch64-linux-gnu arm-linux-gnueabihf; do
    build=$folder/$triplet
    cmake -S "$top" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/$triplet.cmake" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHARDEN=ON -DSANITIZE=OFF -DBUILD_TESTING=OFF \
        -DVELMORA_ICON=ON -DVELMORA_BUILD_DOCS=ON -DVELMORA_TRANSLATIONS=ON -DVELMORA_LANGUAGES="${LANGUAGES:-}" \
        -DTRANSLATED_PLOTS_DIR="$host/translations" -DWEB_PAGES_DIR="$web" >/dev/null ||
        { echo "build-pi-packages: cmake could not configure the $triplet build" >&2; exit 1; }
    cmake --build "$build" -j "$jobs" >/dev/null ||
        { echo "build-pi-packages: the $triplet build failed" >&2; exit 1; }
    (cd "$build" && rm -f ./*.deb && cpack -G DEB >/dev/null && cp ./*.deb "$folder/") ||
        { echo "build-pi-packages: cpack could not package the $triplet build" >&2; exit 1; }
done
