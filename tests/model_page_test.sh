#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# docs/model.md and the manual pages' MODEL section hold, character for
# character, the figures the programs' model gives now.
#   model_page_test.sh SOURCE_DIR MODEL_FIGURES
set -eu
source=$1
. "$(dirname "$0")/test_lib.sh"
"$2" "$source/docs/source/model_page.md.in" "$scratch/model.md" "$scratch"
if ! diff -u "$source/docs/model.md" "$scratch/model.md"; then
    echo "docs/model.md differs from what the model computes now: run make docs" >&2
    exit 1
fi
"$2" "$source/docs/source/model.man.in" "$scratch/model.man" "$scratch"
for page in velmora.1 tarnwick.1; do
    cp "$source/packaging/$page" "$scratch/$page"
    sh "$source/docs/source/man-model.sh" "$scratch/model.man" "$scratch/$page"
    if ! diff -u "$source/packaging/$page" "$scratch/$page"; then
        echo "packaging/$page differs from what the model computes now: run make docs" >&2
        exit 1
    fi
done
echo "docs/model.md and the manual pages match the model's figures"
