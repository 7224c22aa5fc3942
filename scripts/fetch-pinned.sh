#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Makes FOLDER hold exactly the pinned files of one source of
# scripts/pinned-sources.txt, each checked against its SHA-256, unpacks them
# into FOLDER/NAME and prints that path:  fetch-pinned.sh NAME FOLDER
# The files come from the folder VELMORA_SOURCES_DIR names (this version
# reads no network).
set -eu
[ $# -eq 2 ] || { echo "usage: fetch-pinned.sh NAME FOLDER" >&2; exit 2; }
name=$1
list=$(dirname "$0")/pinned-sources.txt
pins=$(awk -v name="$name" '$1 == name {print $3, $4}' "$list")
[ -n "$pins" ] || { echo "fetch-pinned: $name: not pinned" >&2; exit 1; }
[ -n "${VELMORA_SOURCES_DIR:-}" ] || { echo "fetch-pinned: set VELMORA_SOURCES_DIR to the folder of the pinned files" >&2; exit 1; }
folder=$(mkdir -p "$2" && cd "$2" && pwd)
rm -rf "${folder:?}"/* "$folder"/.[!.]*

echo "$pins" | while read -r file sum; do
    cp "$VELMORA_SOURCES_DIR/$file" "$folder/$file"
    set -- $(sha256sum "$folder/$file")
    if [ "$1" != "$sum" ]; then
        echo "fetch-pinned: $file: expected SHA256 $sum, got $1" >&2
        rm -rf "${folder:?}"/*
        exit 1
    fi
done

# Unpacked beside, then moved into place: a failure leaves no NAME folder.
cd "$folder"
dsc=$(echo "$pins" | awk '$1 ~ /\.dsc$/ {print $1}')
if [ -n "$dsc" ]; then
    dpkg-source --no-check -x "$dsc" "$name.part" >/dev/null
else
    mkdir "$name.part"
    tar -xf "$(echo "$pins" | awk '{print $1}')" -C "$name.part" --strip-components=1
fi
mv "$name.part" "$name"
echo "$folder/$name"
