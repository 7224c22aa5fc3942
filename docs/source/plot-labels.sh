#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# The model page's plots' titles, axis labels and legends as gnuplot string
# variables, for model-plots.gp, in the language of the compiled catalogue
# MO (the build's locale/LANGUAGE/LC_MESSAGES/velmora.mo); English without
# one. A line break in a text is a line break in the plot. Also the font,
# plotFont.
#   plot-labels.sh [MO] >LABELS.gp
set -eu
. "$(dirname "$0")/../../po/lookup.sh"
use_catalogue "${1:-}"
# The plots' font: one Debian carries for the language's script
# (fonts-dejavu-core, fonts-wqy-microhei, fonts-noto-cjk, fonts-noto-core),
# named by the catalogue's language (the folder above LC_MESSAGES).
# A language written right to left has each line of a label isolated as
# right-to-left text (U+2067 ... U+2069): an SVG's text runs left to right,
# which would put the Latin and Greek parts of a line (θ, h = 0.01 s) on the
# wrong side of the words around them.
isolate_start="" isolate_end=""
case $(basename "$(dirname "$(dirname "${1:-en/LC_MESSAGES/velmora.mo}")")") in
zh_CN) font="WenQuanYi Micro Hei" ;;
ja) font="Noto Sans CJK JP" ;;
hi) font="Noto Sans Devanagari" ;;
ar) font="Noto Sans Arabic" isolate_start=$(printf '\342\201\247') isolate_end=$(printf '\342\201\251') ;;
*) font="DejaVu Sans" ;;
esac
printf 'plotFont = "%s"\n' "$font"
# label NAME TEXT: NAME = "TEXT", quoted for gnuplot's double quotes.
label() {
    printf '%s = "%s"\n' "$1" "$(printf '%s\n' "$2" | sed 's/\\/\\\\/g; s/"/\\"/g' |
        awk -v start="$isolate_start" -v end="$isolate_end" 'NR > 1 { printf "\\n" } { printf "%s%s%s", start, $0, end }')"
}
# Translators: the title of the plot of angle against time over ten seconds.
label angleTitle "$(gettext 'The first ten seconds: angle against time')"
# Translators: an axis label; t is the time's symbol and (s) its unit, seconds: keep both.
label timeLabel "$(gettext 'simulated time t (s)')"
# Translators: an axis label; θ is the angle's symbol, keep it.
label angleLabel "$(gettext 'angle θ from straight down (degrees)')"
# Translators: an axis label; θ is the angle's symbol, keep it.
label angleShortLabel "$(gettext 'angle θ (degrees)')"
# Translators: an axis label; ω is the symbol of angular velocity, keep it and the unit.
label velocityLabel "$(gettext 'angular velocity ω (degrees/s)')"
# Translators: a legend: the pendulum computed exactly, with elliptic functions.
label exactKey "$(gettext 'exact pendulum')"
# Translators: a legend; h = 0.01 s is the time step: keep it as it is.
label rungeKuttaKey "$(gettext 'classical Runge–Kutta, h = 0.01 s')"
# Translators: a legend: the semi-implicit Euler step that velmora and tarnwick use.
label modelKey "$(gettext "the programs' model")"
# Translators: a plot's title, on two lines; break it where it reads well.
label portraitTitle "$(gettext 'Phase portrait: each curve is one closed orbit,
retraced every swing')"
# Translators: a plot's title, on two lines; 200,000 is a count of time steps, 10 s ten seconds.
label energyTitle "$(gettext 'Energy against the starting energy, 200,000 steps
(band: least to greatest in each 10 s)')"
# Translators: an axis label; the error in per cent.
label energyLabel "$(gettext 'relative energy error (%)')"
# Translators: a plot's title, on two lines.
label lagTitle "$(gettext 'How far each swing falls behind
the exact pendulum')"
# Translators: an axis label, on two lines.
label lagLabel "$(gettext 'phase lag at each upward
zero crossing (degrees)')"
# Translators: the label of a line drawn at 60 s of simulated time.
label minuteLabel "$(gettext 'one minute')"
