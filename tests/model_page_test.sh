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
diff -u "$source/docs/model.md" "$scratch/model.md" || fail "docs/model.md differs from the model now: run make docs"
"$2" "$source/docs/source/model.man.in" "$scratch/model.man" "$scratch"
for page in velmora.1 tarnwick.1; do
    cp "$source/packaging/$page" "$scratch/$page"
    sh "$source/docs/source/man-model.sh" "$scratch/model.man" "$scratch/$page"
    diff -u "$source/packaging/$page" "$scratch/$page" || fail "packaging/$page differs from the model now: run make docs"
done
echo "docs/model.md and the manual pages match the model's figures"
