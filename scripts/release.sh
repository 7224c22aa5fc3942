#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Builds every download of a release into a folder (dist/ by default): the
# source tarball from git, the .deb, the Windows zip and installer, and
# SHA256SUMS. Everything is built from the tarball's own source, its time is
# the last commit's and the umask Debian's, so the same commit gives the same
# bytes wherever, whenever and by whomever it is built.
#   usage: release.sh FOLDER VERSION   (VERSION: CMake's project version)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
dist=$(mkdir -p "$1" && cd "$1" && pwd)
version=$2
work=$top/build-dist
jobs=$(nproc 2>/dev/null || echo 2)
umask 022
SOURCE_DATE_EPOCH=$(git -C "$top" log -1 --format=%ct)
TZ=UTC
LC_ALL=C
export SOURCE_DATE_EPOCH TZ LC_ALL
name=velmora-$version

rm -rf "$work/source" "$work/linux" "$work/windows/programs" "$work/windows/bin" "$dist"/*
mkdir -p "$work/source"
git -C "$top" -c tar.umask=0022 archive --format=tar.gz --prefix="$name/" -o "$dist/$name.tar.gz" HEAD
tar -xzf "$dist/$name.tar.gz" -C "$work/source"
source=$work/source/$name

# The build type make test tests; the package strips what it ships.
cmake -S "$source" -B "$work/linux" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build "$work/linux" -j "$jobs" --target velmora tarnwick compressed_documents >/dev/null
(cd "$work/linux" && cpack -G DEB >/dev/null && cp ./*.deb "$dist/")

sh "$source/scripts/build-windows.sh" "$work/windows" >/dev/null
cp "$work/windows/bin/$name-win64.zip" "$work/windows/bin/$name-win64-setup.exe" "$dist/"

(cd "$dist" && sha256sum -- *.tar.gz *.deb *.zip *.exe >SHA256SUMS)
echo "Wrote into $dist:"
cat "$dist/SHA256SUMS"
