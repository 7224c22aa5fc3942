#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# docs/model.md holds what make docs computes now: the figures are made again
# from the programs' model and compared with the page, character for character.
#   model_page_test.sh SOURCE_DIR MODEL_FIGURES
set -eu
source=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$2" "$source/docs/source/model_page.md.in" "$scratch/model.md" "$scratch"
if ! diff -u "$source/docs/model.md" "$scratch/model.md"; then
    echo "docs/model.md differs from what the model computes now: run make docs" >&2
    exit 1
fi
for plot in model-angle model-phase-portrait model-energy model-phase-lag; do
    grep -q "($plot.png)" "$source/docs/model.md" || { echo "the page does not show $plot.png" >&2; exit 1; }
    [ -s "$source/docs/$plot.png" ] || { echo "docs/$plot.png is missing: run make docs" >&2; exit 1; }
done
echo "docs/model.md matches the model's figures"
