#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Makes a snapshot tarball of one commit of a git repository: git archive of
# the commit, the paths named left out, inside a folder named as the tarball
# is, compressed with gzip -n -9 (no name, no time), as the snapshots kept for
# offline builds were made. Checking the bytes is the caller's
# (scripts/fetch-pinned.sh).
#   usage: fetch-git-snapshot.sh REPOSITORY COMMIT TARBALL [LEFT_OUT...]
set -eu
[ $# -ge 3 ] || { echo "usage: fetch-git-snapshot.sh REPOSITORY COMMIT TARBALL [LEFT_OUT...]" >&2; exit 2; }
repository=$1 commit=$2 tarball=$3
shift 3
prefix=$(basename "$tarball" .tar.gz)
work=$(mktemp -d "${TMPDIR:-/tmp}/velmora-git.XXXXXX")
trap 'rm -rf "$work"' EXIT
trap 'exit 1' HUP INT TERM
# Each left-out path becomes an exclude pathspec beside the whole tree.
for path in "$@"; do
    set -- "$@" ":(exclude)$path"
    shift
done
git init -q "$work/repository"
git -C "$work/repository" fetch -q --depth 1 "$repository" "$commit"
git -C "$work/repository" archive --format=tar --prefix="$prefix/" -o "$work/snapshot.tar" "$commit" -- . "$@"
gzip -n -9 "$work/snapshot.tar"
mv "$work/snapshot.tar.gz" "$tarball"
