#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# reuse lint over the source's files, then packaging/copyright (Debian's
# machine-readable form, shipped in the .deb) against what reuse reads from
# them: the same licences, by Debian's names (SPDX's MIT is Debian's Expat),
# and the same copyright holders.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
fail() { echo "reuse-lint: $*" >&2; exit 1; }
sh "$top/scripts/reuse.sh" lint
spdx=$(sh "$top/scripts/reuse.sh" spdx)
read_licences=$(echo "$spdx" | sed -n 's/^LicenseInfoInFile: //p' | sed 's/^MIT$/Expat/' | LC_ALL=C sort -u)
read_holders=$(echo "$spdx" |
    sed -n 's|^FileCopyrightText: <text>\(SPDX-FileCopyrightText: \)\{0,1\}\(.*\)</text>$|\2|p' | LC_ALL=C sort -u)
debian=$top/packaging/copyright
licences=$(sed -n 's/^License: //p' "$debian" | LC_ALL=C sort -u)
holders=$(sed -n 's/^Copyright: //p' "$debian" | LC_ALL=C sort -u)
[ "$licences" = "$read_licences" ] ||
    fail "packaging/copyright names the licences '$licences', the files '$read_licences'"
[ "$holders" = "$read_holders" ] ||
    fail "packaging/copyright names the holders '$holders', the files '$read_holders'"
echo "packaging/copyright agrees with the files' licences ($licences) and holders"
