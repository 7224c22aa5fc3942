#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Downloads and unpacks a Debian source package into a folder, from the same
# archive and suite as this machine's own apt entry, through a temporary apt
# configuration of its own (the machine's is left as it is). apt checks every
# file against the archive's signed index.
#   usage: fetch-debian-source.sh PACKAGE FOLDER
set -eu
package=$1
folder=$(mkdir -p "$2" && cd "$2" && pwd)
config=$folder/apt
mkdir -p "$config/lists/partial"

# The machine's main Debian entry: deb822 (debian.sources) or one-line form.
uri="" suite="" keyring=""
if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    stanza=$(awk -v RS= '/(^|\n)Types:.*deb/ && /URIs:[^\n]*\/debian\/?(\n|$)/ {print; exit}' \
        /etc/apt/sources.list.d/debian.sources)
    uri=$(echo "$stanza" | sed -n 's/^URIs:[[:space:]]*\([^[:space:]]*\).*/\1/p')
    suite=$(echo "$stanza" | sed -n 's/^Suites:[[:space:]]*\([^[:space:]]*\).*/\1/p')
    keyring=$(echo "$stanza" | sed -n 's/^Signed-By:[[:space:]]*\([^[:space:]]*\).*/\1/p')
fi
if [ -z "$uri" ] && [ -f /etc/apt/sources.list ]; then
    set -- $(sed -n 's/\[[^]]*\]//; s/^deb[[:space:]]\{1,\}\([^[:space:]]*\/debian\/\{0,1\}\)[[:space:]]\{1,\}\([^[:space:]]*\).*/\1 \2/p' \
        /etc/apt/sources.list | head -n 1)
    uri=${1:-} suite=${2:-}
fi
[ -n "$uri" ] && [ -n "$suite" ] || { echo "fetch-debian-source: no Debian entry in the apt configuration" >&2; exit 1; }
{
    echo "Types: deb-src"
    echo "URIs: $uri"
    echo "Suites: $suite"
    echo "Components: main"
    [ -z "$keyring" ] || echo "Signed-By: $keyring"
} >"$config/source.sources"

apt() {
    apt-get -q -o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$config" \
        -o Dir::State::Lists="$config/lists" "$@"
}
apt update >/dev/null
cd "$folder"
# What an earlier run fetched and unpacked here goes first; the lists stay.
rm -rf "./$package" ./"$package"_*
log=$folder/fetch.log
# A mirror may serve the upstream tarball but not Debian's .dsc and patches:
# what did come was checked against the archive's signed index all the same,
# and apt's complaints are shown.
apt source --download-only "$package" >/dev/null 2>"$log" || cat "$log" >&2
dsc=$(ls "$package"_*.dsc 2>/dev/null | head -n 1)
upstream=$(ls "$package"_*.orig.tar.* 2>/dev/null | head -n 1)
if [ -n "$dsc" ]; then
    # The .dsc signature needs a keyring this machine may lack: a warning
    # only, shown where unpacking fails.
    dpkg-source -x "$dsc" "$package" >"$log" 2>&1 || { cat "$log" >&2; exit 1; }
elif [ -n "$upstream" ]; then
    # Debian's patches serve its Linux packaging; the upstream source builds as it is.
    mkdir "$package" && tar -xf "$upstream" -C "$package" --strip-components=1
else
    echo "fetch-debian-source: apt could fetch no source of $package" >&2
    exit 1
fi
echo "$folder/$package"
