#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Makes FOLDER hold exactly the pinned files of one source
# (scripts/pinned-sources.txt), each checked against its SHA-256, unpacked
# into FOLDER/NAME, and prints that path. A Debian source unpacks with
# dpkg-source -x where its pins hold every file its .dsc lists, otherwise its
# upstream tarball alone; a snapshot tarball with tar.
# The files come from the folder VELMORA_SOURCES_DIR where it holds them all
# (a build without network), otherwise from an earlier fetch into FOLDER
# where they still match, otherwise from where scripts/pinned-origins.txt
# says. A file that differs from its pin stops it with one line naming the
# file and both checksums. Whatever fails, FOLDER is then not there at all,
# so that nothing unchecked or half unpacked passes for a good source.
#   usage: fetch-pinned.sh NAME FOLDER
set -eu
[ $# -eq 2 ] || { echo "usage: fetch-pinned.sh NAME FOLDER" >&2; exit 2; }
name=$1
here=$(cd "$(dirname "$0")" && pwd)
fail() { printf 'fetch-pinned: %s\n' "$*" >&2; exit 1; }
sum_of() { sum=$(sha256sum <"$1") && echo "${sum%% *}"; }

pins=$(awk -v name="$name" '!/^#/ && $1 == name { print $3, $4, $2 }' "$here/pinned-sources.txt")
[ -n "$pins" ] || fail "no source $name in scripts/pinned-sources.txt"
version=${pins%%
*}
version=${version##* }
[ -z "$(printf '%s\n' "$pins" | awk -v v="$version" '$3 != v || NF != 3')" ] ||
    fail "the pins of $name name more than one version, or a line lacks a field"
origin=$(awk -v name="$name" '!/^#/ && $1 == name { $1 = ""; print; exit }' "$here/pinned-origins.txt")

mkdir -p "$(dirname "$2")"
parent=$(cd "$(dirname "$2")" && pwd)
folder=$parent/$(basename "$2")
# FOLDER is this script's own: it is removed and made again.
if [ -e "$folder" ]; then
    [ -d "$folder" ] || fail "$folder is not a folder"
    for entry in "$folder"/* "$folder"/.[!.]*; do
        [ -e "$entry" ] || continue
        case ${entry##*/} in
        "$name" | "$name"_* | "$name"-*) ;;
        *) fail "$folder holds ${entry##*/}, which is no fetched source: name a folder of its own" ;;
        esac
    done
fi
stage=$(mktemp -d "$parent/.$name.XXXXXX")
trap 'status=$?; rm -rf "$stage"; [ "$status" -eq 0 ] || rm -rf "$folder"' EXIT
trap 'exit 1' HUP INT TERM

# Each file from the offline folder, or an earlier fetch; the rest downloaded.
offline=${VELMORA_SOURCES_DIR:+yes}
while read -r file expected _; do
    [ -f "${VELMORA_SOURCES_DIR:-}/$file" ] || offline=""
done <<EOF
$pins
EOF
missing=""
while read -r file expected _; do
    if [ -n "$offline" ]; then
        cp "$VELMORA_SOURCES_DIR/$file" "$stage/" && chmod 644 "$stage/$file"
    elif [ -f "$folder/$file" ] && [ "$(sum_of "$folder/$file")" = "$expected" ]; then
        cp "$folder/$file" "$stage/"
    else
        missing="$missing $file"
    fi
done <<EOF
$pins
EOF
if [ -n "$missing" ]; then
    # shellcheck disable=SC2086 # the origin's words and the file names split as listed
    set -- $origin
    [ $# -ge 2 ] || fail "scripts/pinned-origins.txt says nowhere to fetch $name from"
    kind=$1 where=$2
    shift 2
    case $kind in
    debian) sh "$here/fetch-debian-source.sh" "$name" "$version" "$where" "$stage" $missing ;;
    git) sh "$here/fetch-git-snapshot.sh" "$where" "$version" "$stage/${missing# }" "$@" ;;
    *) fail "scripts/pinned-origins.txt: $name comes from $kind, which is no known kind (debian, git)" ;;
    esac
fi
while read -r file expected _; do
    [ -f "$stage/$file" ] || fail "$file: not fetched"
    actual=$(sum_of "$stage/$file")
    [ "$actual" = "$expected" ] || fail "$file: expected SHA256 $expected, got $actual"
done <<EOF
$pins
EOF

# Unpacked: the .dsc where every file it lists is pinned, else the lone tarball.
dsc=$(printf '%s\n' "$pins" | awk '$1 ~ /\.dsc$/ { print $1 }')
listed=""
[ -z "$dsc" ] || listed=$(awk '/^Checksums-Sha256:/ { on = 1; next } on && /^ / { print $3; next } { on = 0 }' "$stage/$dsc")
pinned=$(printf '%s\n' "$pins" | awk '{ print $1 }')
unlisted=""
for file in $listed; do
    case "
$pinned
" in
    *"
$file
"*) ;;
    *) unlisted="$unlisted $file" ;;
    esac
done
tarballs=$(printf '%s\n' "$pins" | awk '$1 ~ /\.tar\.[a-z0-9]+$/ && $1 !~ /\.debian\.tar\./ { print $1 }')
log=$stage/.log
if [ -n "$dsc" ] && [ -n "$listed" ] && [ -z "$unlisted" ]; then
    # dpkg-source checks each file against the .dsc; the .dsc's signature
    # needs a keyring this machine may lack: a warning only, shown on failure.
    (cd "$stage" && dpkg-source -x "$dsc" "$name") >"$log" 2>&1 || { cat "$log" >&2; fail "dpkg-source cannot unpack $dsc"; }
elif [ -n "$tarballs" ] && [ "$tarballs" = "${tarballs%%
*}" ]; then
    mkdir "$stage/$name"
    tar -xf "$stage/$tarballs" -C "$stage/$name" --strip-components=1 --no-same-owner
else
    fail "the pins of $name hold neither every file its .dsc lists nor one tarball to unpack"
fi
rm -f "$log"

chmod 755 "$stage"
rm -rf "$folder"
mv "$stage" "$folder"
printf '%s\n' "$folder/$name"
