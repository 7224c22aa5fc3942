#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Builds every download of a release: the source tarball from git, its bill
# of materials (SPDX, from reuse), the .deb for amd64 and, cross-built, for
# Raspberry Pi OS (arm64, armhf), the Windows zip and installer, the web
# pages' zip, their
# provenance (the commit, the tools' versions, every fetched source with its
# pinned version and checksums) and SHA256SUMS. Everything is built from nothing, from the tarball's own source,
# in a folder of this script's own that it removes after; its time is the
# last commit's, its umask Debian's and its environment empty of the
# builder's settings, so the same commit gives the same bytes wherever,
# whenever and by whomever it is built.
# Only once all are built do they go into FOLDER, which must be new, empty
# or hold an earlier release (SHA256SUMS and the velmora files it lists),
# which they replace. Anything else there and nothing is built or touched;
# a failed build leaves FOLDER as it was.
#   usage: release.sh FOLDER VERSION   (VERSION: CMake's project version)
set -eu
# The builder's flags (CFLAGS, DEB_BUILD_OPTIONS...), CMake and git settings
# and home are no input of a release: it runs again with only these. (git
# reads SUDO_UID to let root under sudo read the user's checkout; where the
# pinned sources are taken from is no input either, their bytes being pinned,
# nor where the web pages' libraries built from them are kept, as their
# build is keyed by those pins and the toolchain.)
if [ "${VELMORA_RELEASE_ENVIRONMENT:-}" != clean ]; then
    exec env -i PATH="$PATH" HOME=/nonexistent ${TMPDIR:+TMPDIR="$TMPDIR"} ${SUDO_UID:+SUDO_UID="$SUDO_UID"} \
        ${VELMORA_SOURCES_DIR:+VELMORA_SOURCES_DIR="$VELMORA_SOURCES_DIR"} \
        ${VELMORA_WEB_LIBRARIES:+VELMORA_WEB_LIBRARIES="$VELMORA_WEB_LIBRARIES"} VELMORA_RELEASE_ENVIRONMENT=clean sh "$0" "$@"
fi
top=$(cd "$(dirname "$0")/.." && pwd)
folder=$1
version=$2
name=velmora-$version
# The pinned sources (scripts/pinned-sources.txt) the downloads are built from.
pinned_sources="freeglut libsdl2 gl4es freeglut-sdl2 libglu"
# The packages whose versions decide the downloads' bytes.
tools="g++ cmake binutils dpkg-dev freeglut3-dev g++-mingw-w64-x86-64-win32 mingw-w64-x86-64-dev nsis
g++-aarch64-linux-gnu g++-arm-linux-gnueabihf emscripten binaryen zip"
fail() { echo "release: $*" >&2; exit 1; }

# The files of an earlier release in FOLDER; anything else there and it stops.
earlier=""
if [ -e "$folder" ]; then
    [ -d "$folder" ] || fail "$folder is not a folder"
    [ ! -f "$folder/SHA256SUMS" ] ||
        earlier=$(sed -n 's/^[0-9a-f]\{64\}  \(velmora[-_][^/]*\)$/\1/p' "$folder/SHA256SUMS")
    others=$(cd "$folder" && ls -A | while IFS= read -r file; do
        if [ "$file" = SHA256SUMS ] && [ -n "$earlier" ]; then
            continue
        fi
        echo "$earlier" | grep -qxF -- "$file" || echo "$file"
    done)
    [ -z "$others" ] || fail "$folder holds files of no release, left as they are: $(echo "$others" | paste -sd ' ')
name a new or empty folder"
fi

umask 022
SOURCE_DATE_EPOCH=$(git -C "$top" log -1 --format=%ct)
TZ=UTC
LC_ALL=C
export SOURCE_DATE_EPOCH TZ LC_ALL
jobs=$(nproc 2>/dev/null || echo 2)
work=$(mktemp -d "${TMPDIR:-/tmp}/velmora-release.XXXXXX")
trap 'rm -rf "$work"' EXIT
chmod 755 "$work" # apt fetches freeglut's source as its own user, who must reach the folder
built=$work/downloads
mkdir "$built" "$work/source"

git -C "$top" -c tar.umask=0022 archive --format=tar.gz --prefix="$name/" -o "$built/$name.tar.gz" HEAD
tar -xzf "$built/$name.tar.gz" -C "$work/source"
source=$work/source/$name

# reuse writes the time it ran and a random namespace: the commit's time
# stands for the one, the tarball's checksum names the other.
created=$(date -u -d "@$SOURCE_DATE_EPOCH" +%Y-%m-%dT%H:%M:%SZ)
tarball=$(sha256sum "$built/$name.tar.gz")
tarball=${tarball%% *}
sh "$source/scripts/reuse.sh" spdx >"$work/reuse.spdx"
sed -e "s|^Created: .*|Created: $created|" \
    -e "s|^DocumentNamespace: .*|DocumentNamespace: http://spdx.org/spdxdocs/$name-$tarball|" \
    "$work/reuse.spdx" >"$built/$name.spdx"

# Both programs as web pages, and their zip; the package and the Windows
# downloads carry the pages too, for the model page to show velmora live.
sh "$source/scripts/build-web.sh" "$work/web" >/dev/null
cp "$work/web/$name-web.zip" "$built/"

# The build type, hardening, icon, pages and translations make test tests;
# the package strips what it ships.
cmake -S "$source" -B "$work/linux" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHARDEN=ON -DSANITIZE=OFF \
    -DVELMORA_ICON=ON -DVELMORA_BUILD_DOCS=ON -DVELMORA_TRANSLATIONS=ON -DBUILD_TESTING=OFF \
    -DWEB_PAGES_DIR="$work/web" >/dev/null
cmake --build "$work/linux" -j "$jobs" >/dev/null
(cd "$work/linux" && cpack -G DEB >/dev/null && cp ./*.deb "$built/")

# The Raspberry Pi OS packages, cross-built for arm64 and armhf, with the
# Linux build's translated plots.
sh "$source/scripts/build-pi-packages.sh" "$work/pi" "$work/linux" "$work/web" >/dev/null
cp "$work/pi"/*.deb "$built/"

# freeglut too is built afresh, from its pinned source; the translated
# pages' plots are the Linux build's.
sh "$source/scripts/build-windows.sh" "$work/windows" "$work/linux" "$work/web" >/dev/null
cp "$work/windows/bin/$name-win64.zip" "$work/windows/bin/$name-win64-setup.exe" "$built/"

# How they were made: what a rebuild needs to give the same bytes.
# shellcheck disable=SC2086 # the lists split into names
{
    echo "The downloads of velmora $version, made by scripts/release.sh"
    echo
    echo "Commit: $(git -C "$top" rev-parse HEAD), its time $created (SOURCE_DATE_EPOCH $SOURCE_DATE_EPOCH)"
    echo
    echo "Built with these Debian packages:"
    dpkg-query -W -f '  ${binary:Package} ${Version}\n' $tools
    echo
    echo "Sources fetched, each file checked against its SHA-256 as scripts/pinned-sources.txt pins it:"
    for pinned in $pinned_sources; do
        awk -v name="$pinned" '!/^#/ && $1 == name { $1 = ""; print "  from" $0 }' "$source/scripts/pinned-origins.txt"
        awk -v name="$pinned" '!/^#/ && $1 == name { print "  " $1 " " $2 " " $3 " SHA256 " $4 }' \
            "$source/scripts/pinned-sources.txt"
    done
} >"$built/$name-provenance.txt"

(cd "$built" && sha256sum -- *.tar.gz *.spdx *.deb *.zip *.exe *.txt >SHA256SUMS)
# Into FOLDER: the new files, then away with what only the earlier release had.
mkdir -p "$folder"
new=$(sed -n 's/^[0-9a-f]\{64\}  //p' "$built/SHA256SUMS")
for file in $new; do
    mv -f "$built/$file" "$folder/"
done
for file in $earlier; do
    echo "$new" | grep -qxF -- "$file" || rm -f "$folder/$file"
done
mv -f "$built/SHA256SUMS" "$folder/"
echo "Wrote into $folder:"
cat "$folder/SHA256SUMS"
