#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# reuse lint over the source tree. REUSE.toml names the licences of the
# files without comments; reuse before 3.1 (Debian 12) reads only the older
# .reuse/dep5, so for it the tree's files are copied aside with a dep5 made
# from REUSE.toml.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
# "reuse 1.1.2" on Debian 12, "reuse, version 5.0.2" on Debian 13
version=$(reuse --version | grep -o '[0-9][0-9]*\.[0-9][0-9]*' | head -n 1)
set -- $(echo "$version" | tr . ' ')
if [ "$1" -gt 3 ] || { [ "$1" -eq 3 ] && [ "$2" -ge 1 ]; }; then
    exec reuse lint
fi
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$copy"
mkdir "$copy/.reuse"
python3 - REUSE.toml >"$copy/.reuse/dep5" <<'PY'
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
reuse --root "$copy" lint
