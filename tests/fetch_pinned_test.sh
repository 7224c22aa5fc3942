#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# The pinned sources, offline (VELMORA_SOURCES_DIR, else ../shared/web-sources):
# each matches and unpacks; one changed byte stops the fetch with one line.
#   usage: fetch_pinned_test.sh SOURCE_DIR
set -eu
top=$1
. "$(dirname "$0")/test_lib.sh"
sources=${VELMORA_SOURCES_DIR:-$top/../shared/web-sources}
[ -d "$sources" ] || { echo "fetch_pinned_test: skipped, no folder of pinned sources (VELMORA_SOURCES_DIR)"; exit 77; }
sources=$(cd "$sources" && pwd)
work=$scratch/Ana\'s\ Müller
mkdir "$work"

# fetch NAME FOLDER SOURCES: the status, the path printed ($work/out), the complaints ($work/errors).
fetch() {
    status=0
    VELMORA_SOURCES_DIR=$3 sh "$top/scripts/fetch-pinned.sh" "$1" "$2" >"$work/out" 2>"$work/errors" || status=$?
}

# Each name whose files are all here: exactly its files, and its tree.
names=$(awk '!/^#/ && NF && !seen[$1]++ { print $1 }' "$top/scripts/pinned-sources.txt")
tested=""
for name in $names; do
    files=$(awk -v name="$name" '!/^#/ && $1 == name { print $3 }' "$top/scripts/pinned-sources.txt")
    for file in $files; do [ -f "$sources/$file" ] || continue 2; done
    fetch "$name" "$work/$name src" "$sources"
    [ "$status" = 0 ] || fail "$name: ended with $status: $(cat "$work/errors")"
    [ "$(cat "$work/out")" = "$work/$name src/$name" ] || fail "$name: printed $(cat "$work/out")"
    [ -n "$(ls -A "$work/$name src/$name")" ] || fail "$name: unpacked nothing"
    held=$(cd "$work/$name src" && LC_ALL=C ls -A)
    [ "$held" = "$(printf '%s\n' "$name" $files | LC_ALL=C sort)" ] || fail "$name: the folder holds $held"
    tested="$tested $name"
done
case " $tested " in *" libglu "*) ;; *) fail "no libglu source in $sources" ;; esac

# One byte changed in libglu's upstream tarball, with the good fetch still in its folder.
mkdir "$work/planted"
cp "$sources"/libglu_* "$work/planted/"
chmod u+w "$work/planted"/*
tarball=$work/planted/libglu_9.0.2.orig.tar.gz
printf 'X' | dd of="$tarball" bs=1 seek=1000 conv=notrunc 2>/dev/null
expected=$(awk '$3 == "libglu_9.0.2.orig.tar.gz" { print $4 }' "$top/scripts/pinned-sources.txt")
actual=$(sha256sum <"$tarball")
fetch libglu "$work/libglu src" "$work/planted"
[ "$status" = 1 ] || fail "a changed file: ended with $status"
[ "$(cat "$work/errors")" = "fetch-pinned: libglu_9.0.2.orig.tar.gz: expected SHA256 $expected, got ${actual%% *}" ] ||
    fail "a changed file: said $(cat "$work/errors")"
[ ! -s "$work/out" ] || fail "a changed file: printed $(cat "$work/out")"
[ ! -e "$work/libglu src" ] || fail "a changed file: left the folder"
[ -z "$(find "$work" -mindepth 1 -maxdepth 1 -name '.*')" ] || fail "a changed file: left a staging folder"

# A folder holding anything but a fetch is no folder of the script's: refused, left as it was.
mkdir "$work/theirs" && echo notes >"$work/theirs/notes.txt"
fetch libglu "$work/theirs" "$sources"
[ "$status" = 1 ] && [ -f "$work/theirs/notes.txt" ] || fail "a folder of other files: ended with $status and emptied it"
echo "fetch_pinned_test:$tested matched their pins and unpacked; a changed byte stopped the fetch"
