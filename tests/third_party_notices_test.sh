#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# The Windows notices script stops at each planted fault with its one
# message, leaving no notices, not even earlier ones (no MinGW needed).
#   usage: third_party_notices_test.sh SOURCE_DIR
set -eu
script=$1/packaging/windows/third-party-notices.sh
. "$(dirname "$0")/test_lib.sh"
needs "to read Debian's copyright files" dpkg-query

# A freeglut source and library, and a library no Debian package installed.
mkdir -p "$scratch/source/freeglut/src/x11"
touch "$scratch/source/freeglut_3.4.0.orig.tar.gz" "$scratch/libfreeglut_static.a" "$scratch/libunknown.a"
echo "Freeglut Copyright" >"$scratch/source/freeglut/COPYING"
echo "/* Copyright (c) 1999 Someone */" >"$scratch/source/freeglut/src/x11/fg_main_x11.c"

# map FILE LIBRARY MEMBER: a link map naming one archive member.
map() { printf 'Archive member included to satisfy reference by file (symbol)\n\n%s(%s)\n    x.o (f)\n' "$2" "$3" >"$1"; }

# planted NAME MESSAGE MAP: on MAP, with earlier notices in place, it fails saying MESSAGE alone.
planted() {
    echo "an earlier run's notices" >"$scratch/notices.txt"
    sh "$script" "$scratch/notices.txt" "$scratch/source" "$scratch/libfreeglut_static.a" Title "$3" 2>"$scratch/errors" &&
        fail "$1: ended with 0"
    [ "$(cat "$scratch/errors")" = "third-party-notices: $2" ] || fail "$1: said $(cat "$scratch/errors") (not: $2)"
    [ ! -e "$scratch/notices.txt" ] || fail "$1: left a notices file"
    [ -z "$(find "$scratch" -maxdepth 1 -name 'notices.txt.*')" ] || fail "$1: left a partial notices file"
}

map "$scratch/unknown.map" "$scratch/libunknown.a" unknown.o
planted "a library of unknown origin" "no notice known for $scratch/libunknown.a(unknown.o) (package: none)" "$scratch/unknown.map"

map "$scratch/freeglut.map" "$scratch/libfreeglut_static.a" fg_gone.c.obj
planted "a freeglut part without source" "no source file of fg_gone.c.obj in freeglut's source" "$scratch/freeglut.map"

map "$scratch/freeglut.map" "$scratch/libfreeglut_static.a" fg_main_x11.c.obj
rm "$scratch/source/freeglut/COPYING"
planted "no COPYING" "no COPYING in $scratch/source/freeglut" "$scratch/freeglut.map"

planted "a missing map" "no link map $scratch/gone.map" "$scratch/gone.map"
echo "third_party_notices_test: each planted fault stopped the notices with its message and no file"
