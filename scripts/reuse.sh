#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Runs reuse over the source's files (source-files.sh: a git checkout or an
# unpacked release tarball alike), copied aside into a folder named as the
# source's own, so no build folder is read:  reuse.sh lint | reuse.sh spdx
# REUSE.toml names the licences of the files without comments; reuse before
# 3.1 (Debian 12) reads only the older .reuse/dep5, so for it the copy gets
# a dep5 made from REUSE.toml.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
copy=$scratch/$(basename "$top")
mkdir "$copy"
(cd "$top" && sh scripts/source-files.sh) >"$scratch/files"
(cd "$top" && tr '\n' '\0' <"$scratch/files" | xargs -0 cp --parents -t "$copy")
# "reuse 1.1.2" or "reuse, version 5.0.2": the first two numbers.
version=$(reuse --version) || { echo "reuse.sh: reuse --version failed" >&2; exit 1; }
version=$(printf '%s\n' "$version" | grep -o '[0-9][0-9]*\.[0-9][0-9]*' | head -n 1)
major=${version%.*} minor=${version#*.}
if [ "$major" -lt 3 ] || { [ "$major" -eq 3 ] && [ "$minor" -lt 1 ]; }; then
    mkdir "$copy/.reuse"
    python3 - "$top/REUSE.toml" >"$copy/.reuse/dep5" <<'PY'
import sys, tomllib
with open(sys.argv[1], "rb") as f:
    annotations = tomllib.load(f)["annotations"]
print("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/")
print("Upstream-Name: velmora")
for a in annotations:
    print()
    print("Files:", " ".join(a["path"] if isinstance(a["path"], list) else [a["path"]]))
    print("Copyright:", a["SPDX-FileCopyrightText"])
    print("License:", a["SPDX-License-Identifier"])
PY
fi
# Without a version control system reuse says so on stderr, which is no finding.
reuse --root "$copy" "$@" 2> "$scratch/errors" || { cat "$scratch/errors" >&2; exit 1; }
grep -v 'could not find supported VCS' "$scratch/errors" >&2 || true
