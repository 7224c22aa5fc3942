#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Proves that a release rebuilds bit for bit: clones the same commit into
# another folder and builds its release there, later and under umask 002
# (group-writable, as on many desktops), then compares every checksum with
# the first release's SHA256SUMS. diffoscope shows what differs.
#   usage: release_test.sh DIST_DIR VERSION
set -eu
dist=$(cd "$1" && pwd)
version=$2
top=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

git clone -q "$top" "$scratch/second clone"
(umask 002 && sh "$scratch/second clone/scripts/release.sh" "$scratch/dist" "$version" >/dev/null)
if ! cmp -s "$dist/SHA256SUMS" "$scratch/dist/SHA256SUMS"; then
    diff "$dist/SHA256SUMS" "$scratch/dist/SHA256SUMS" >&2 || true
    for file in $(cd "$dist" && ls); do
        cmp -s "$dist/$file" "$scratch/dist/$file" || diffoscope "$dist/$file" "$scratch/dist/$file" >&2 || true
    done
    echo "release_test: the second build differs" >&2
    exit 1
fi
(cd "$dist" && sha256sum --check --quiet SHA256SUMS) || { echo "release_test: SHA256SUMS does not match dist/" >&2; exit 1; }
echo "release_test: a second clone, later and under umask 002, rebuilt every download bit for bit"
