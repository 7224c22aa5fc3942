#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# The model page's four plots in one language (model-plots.gp), drawn in
# UTF-8 whatever the builder's locale: in the C locale gnuplot cannot
# convert the degree sign. Any word from gnuplot, such as a key too wide
# for the picture, stops the build.
#   usage: draw-plots.sh GNUPLOT DATA_DIR OUTPUT_DIR LABELS
set -eu
gnuplot=$1
shift
said=$(LC_ALL=C.UTF-8 "$gnuplot" -c "$(dirname "$0")/model-plots.gp" "$@" 2>&1) || status=$?
if [ "${status:-0}" -ne 0 ] || [ -n "$said" ]; then
    printf 'draw-plots: gnuplot, drawing the plots with %s, ended with %s and said:\n%s\n' "$3" "${status:-0}" "$said" >&2
    exit 1
fi
