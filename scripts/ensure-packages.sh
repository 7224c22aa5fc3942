#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Installs whichever of the named Debian packages are missing. Without root it
# prints the install line instead and fails, so nothing half-builds.
# Without Debian's package tools, say what would have been needed and let
# CMake report whatever is really missing.
if ! command -v dpkg-query >/dev/null 2>&1; then
    echo "No dpkg-query here, so no Debian packages checked; needed on Debian: $*" >&2
    exit 0
fi
missing=""
for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing="$missing $package"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
    echo "Missing Debian packages:$missing" >&2
    echo "Install them first:  sudo apt-get install -y$missing" >&2
    exit 1
fi
# A package of another architecture (name:arm64) needs that architecture added.
for package in $missing; do
    case $package in
    *:*) dpkg --print-foreign-architectures | grep -qxF "${package#*:}" || dpkg --add-architecture "${package#*:}" ;;
    esac
done
. "$(dirname "$0")/retry.sh"
update_lists() { apt-get update -qq; }
# apt never takes a Release file older than the one it holds, so that an old
# one cannot be replayed to hide fixes. Lists newer than the mirror (copied
# with a system image, or the mirror gone back a day) then name indices the
# mirror lacks, and no pause helps: fetch them once from nothing, and put the
# old ones back if that fails too. The old ones wait beside the lists, on the
# same file system, so that moving them cannot fail halfway.
refetch_lists() {
    eval "$(apt-config shell lists Dir::State::Lists/d)" && [ -d "$lists" ] || return 1
    held=$(mktemp -d "${lists%/}.held.XXXXXX") || return 1
    find "$lists" -maxdepth 1 -type f ! -name lock -exec mv -t "$held" {} + && update_lists && rm -rf "$held" && return 0
    find "$lists" -maxdepth 1 -type f ! -name lock -delete
    find "$held" -type f -exec mv -t "$lists" {} +
    rmdir "$held"
    return 1
}
install_missing() { DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing >/dev/null; }
echo "Installing Debian packages:$missing"
# A mirror can stay inconsistent for longer than all this (one index of a
# foreign architecture the wrong size for a day); apt keeps the lists it has
# and the rest may well be enough, so only a failed install stops the build.
retry apt-get update_lists || {
    echo "apt-get update kept failing; fetching the package lists again from nothing" >&2
    refetch_lists
} || echo "apt-get update kept failing; installing from the package lists apt has" >&2
retry apt-get install_missing || { echo "apt-get could not install:$missing" >&2; exit 1; }
