# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# The four plots of docs/model.md, from the data model_figures writes:
#   gnuplot -c docs/source/model-plots.gp DATA_DIR OUTPUT_DIR LABELS
# LABELS: the titles, axis labels, legends and font, written by
# plot-labels.sh in the page's language.
# White, opaque pictures, so they read the same on a light or a dark page.
# SVG, sharp at any size; the canvas is small for its text, so the labels
# stay readable where a phone shows the plot about 340 px wide.
data = ARG1
# The labels are UTF-8: gnuplot then measures them in characters, not bytes,
# and keeps room for the key of a language whose letters take two bytes.
set encoding utf8
load ARG3
set terminal svg size 600,460 fixed font plotFont.",16" background "#ffffff"
set grid lc rgb "#dddddd"
# The key under the plot, where it hides no curve: each sample before its
# legend, short enough that the longest legends (Russian's) stay within the
# picture, and half a line apart from the axis label above it.
set key below reverse Left samplen 3 height 0.5
model = 1
exact = 2
rungeKutta = 3
set style line model lc rgb "#c8281e" lw 2
set style line exact lc rgb "#222222" lw 4
set style line rungeKutta lc rgb "#2f6fd6" lw 2 dt 2

set output ARG2."/model-angle.svg"
set title angleTitle
set xlabel timeLabel
set ylabel angleLabel
set xrange [0:10]
set yrange [-35:35]
plot data."/angle.dat" using 1:4 with lines ls exact title exactKey, \
     "" using 1:6 with lines ls rungeKutta title rungeKuttaKey, \
     "" using 1:2 with lines ls model title modelKey

set output ARG2."/model-phase-portrait.svg"
set title portraitTitle
set xlabel angleShortLabel
set ylabel velocityLabel
set xrange [-32:32]
set yrange [-100:100]
plot data."/angle.dat" using 4:5 with lines ls exact title exactKey, \
     "" using 6:7 with lines ls rungeKutta title rungeKuttaKey, \
     "" using 2:3 with lines ls model title modelKey

set output ARG2."/model-energy.svg"
set title energyTitle
set xlabel timeLabel
set ylabel energyLabel
set xrange [0:2000]
set yrange [-1:8]
set style fill transparent solid 0.5 noborder
plot data."/energy.dat" index 0 using 1:(100*column(2)):(100*column(3)) with filledcurves ls model title modelKey, \
     "" index 1 using 1:(100*column(3)) with lines ls rungeKutta title rungeKuttaKey

set output ARG2."/model-phase-lag.svg"
set title lagTitle
set xlabel timeLabel
set ylabel lagLabel
set xrange [0:600]
set yrange [0:*]
set ytics 360
set arrow from 60, graph 0 to 60, graph 1 nohead lc rgb "#888888" dt 3
# Below the ticks of the top edge.
set label minuteLabel at 62, graph 0.88 tc rgb "#555555"
plot data."/phase-lag.dat" index 0 using 1:2 with linespoints ls model pt 7 ps 0.4 title modelKey, \
     "" index 1 using 1:2 with lines ls rungeKutta title rungeKuttaKey
