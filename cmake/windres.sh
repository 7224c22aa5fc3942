#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# MinGW-w64's windres wherever the source and the build lie: windres hands
# the preprocessor its include folders and its input through a shell with
# only spaces and parentheses escaped, so that a path with a quote breaks
# it. Each folder whose path holds more than plain characters is handed
# over through a link in a scratch folder instead. The MinGW-w64 toolchain
# file names this script as the resource compiler.
#   usage: windres.sh WINDRES_ARGUMENT...
set -eu
links=$(mktemp -d)
trap 'rm -rf "$links"' EXIT
trap 'exit 1' HUP INT TERM
count=0
# plain FOLDER: sets $result to FOLDER, or to a link to it where its path is not plain.
plain() {
    case $1 in
    *[!A-Za-z0-9/._+-]*)
        count=$((count + 1))
        ln -s "$1" "$links/$count"
        result=$links/$count
        ;;
    *) result=$1 ;;
    esac
}
include=""
for argument in "$@"; do
    shift
    if [ -n "$include" ]; then
        plain "$argument" && argument=$result include=""
    else
        case $argument in
        -I) include=yes ;;
        -I?*) plain "${argument#-I}" && argument=-I$result ;;
        *.rc) plain "$(dirname "$argument")" && argument=$result/$(basename "$argument") ;;
        esac
    fi
    set -- "$@" "$argument"
done
x86_64-w64-mingw32-windres "$@"
