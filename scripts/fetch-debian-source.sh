#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Downloads the named files of one version of a Debian source package into a
# folder, from the same archive as this machine's own apt entry but the suite
# given (so that Debian 13 reaches Debian 12's sources), through a temporary
# apt configuration of its own (the machine's is left as it is). Only the
# files named are fetched: a source whose Debian diff the archive no longer
# serves is fetched without it. Each download is checked; checking the bytes
# is the caller's (scripts/fetch-pinned.sh).
#   usage: fetch-debian-source.sh PACKAGE VERSION SUITE FOLDER FILE...
set -eu
[ $# -ge 5 ] || { echo "usage: fetch-debian-source.sh PACKAGE VERSION SUITE FOLDER FILE..." >&2; exit 2; }
package=$1 version=$2 suite=$3 folder=$4
shift 4
fail() { printf 'fetch-debian-source: %s\n' "$*" >&2; exit 1; }

# The machine's main Debian entry: deb822 (debian.sources) or one-line form.
uri="" keyring=""
if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    stanza=$(awk -v RS= '/(^|\n)Types:.*deb/ && /URIs:[^\n]*\/debian\/?(\n|$)/ {print; exit}' \
        /etc/apt/sources.list.d/debian.sources)
    uri=$(printf '%s\n' "$stanza" | sed -n 's/^URIs:[[:space:]]*\([^[:space:]]*\).*/\1/p')
    keyring=$(printf '%s\n' "$stanza" | sed -n 's/^Signed-By:[[:space:]]*\([^[:space:]]*\).*/\1/p')
fi
if [ -z "$uri" ] && [ -f /etc/apt/sources.list ]; then
    uri=$(sed -n 's/\[[^]]*\]//; s/^deb[[:space:]]\{1,\}\([^[:space:]]*\/debian\/\{0,1\}\)[[:space:]].*/\1/p' \
        /etc/apt/sources.list)
    uri=${uri%%
*}
fi
[ -n "$uri" ] || fail "no Debian entry in the apt configuration"

config=$(mktemp -d "${TMPDIR:-/tmp}/velmora-apt.XXXXXX")
trap 'rm -rf "$config"' EXIT
trap 'exit 1' HUP INT TERM
mkdir -p "$config/lists/partial"
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
# The archive's signed index says where each file of the version lies.
. "$(dirname "$0")/retry.sh"
update() { apt update >"$config/log" 2>&1; }
retry apt-get update || { cat "$config/log" >&2; fail "apt-get update failed for $uri $suite"; }
apt source --print-uris "$package=$version" >"$config/uris" 2>"$config/log" ||
    { cat "$config/log" >&2; fail "no source $package $version in $uri $suite"; }
for file in "$@"; do
    url=$(awk -v file="$file" '$2 == file { gsub(/\047/, "", $1); print $1; exit }' "$config/uris")
    [ -n "$url" ] || fail "$package $version in $suite has no file $file"
    /usr/lib/apt/apt-helper download-file "$url" "$folder/$file" >"$config/log" 2>&1 ||
        { cat "$config/log" >&2; fail "cannot download $url"; }
done
