#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# docs/model.md and the manual pages' MODEL section hold what make docs
# computes now: the figures are made again from the programs' model and
# compared with the pages, character for character.
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
# The manual pages' MODEL section, from the same figures.
"$2" "$source/docs/source/model.man.in" "$scratch/model.man" "$scratch"
for page in velmora.1 tarnwick.1; do
    cp "$source/packaging/$page" "$scratch/$page"
    sh "$source/docs/source/man-model.sh" "$scratch/model.man" "$scratch/$page"
    if ! diff -u "$source/packaging/$page" "$scratch/$page"; then
        echo "packaging/$page differs from what the model computes now: run make docs" >&2
        exit 1
    fi
done
for plot in model-angle model-phase-portrait model-energy model-phase-lag; do
    grep -q "($plot.svg)" "$source/docs/model.md" || { echo "the page does not show $plot.svg" >&2; exit 1; }
    [ -s "$source/docs/$plot.svg" ] || { echo "docs/$plot.svg is missing: run make docs" >&2; exit 1; }
done
echo "docs/model.md and the manual pages match the model's figures"
