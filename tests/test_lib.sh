# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Sourced by the shell tests: fail, needs (skipped: 77) and a scratch folder.
test_name=$(basename "$0" .sh)
fail() { printf '%s: %s\n' "$test_name" "$*" >&2; exit 1; }
# needs WHERE TOOL...: skipped, naming each TOOL missing and WHERE it comes from.
needs() {
    where=$1 missing=""
    shift
    for tool; do command -v "$tool" >/dev/null 2>&1 || missing="$missing $tool"; done
    [ -z "$missing" ] || { echo "$test_name: skipped, missing here:$missing ($where)"; exit 77; }
}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
