# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# The four plots of docs/model.md, from the data model_figures writes:
#   gnuplot -c docs/source/model-plots.gp DATA_DIR OUTPUT_DIR
# White, opaque pictures, so they read the same on a light or a dark page.
# SVG, sharp at any size; the canvas is small for its text, so the labels
# stay readable where a phone shows the plot about 340 px wide.
data = ARG1
set terminal svg size 600,460 fixed font "DejaVu Sans,16" background "#ffffff"
set grid lc rgb "#dddddd"
# The key under the plot, where it hides no curve.
set key below
model = 1
exact = 2
rungeKutta = 3
set style line model lc rgb "#c8281e" lw 2
set style line exact lc rgb "#222222" lw 4
set style line rungeKutta lc rgb "#2f6fd6" lw 2 dt 2

set output ARG2."/model-angle.svg"
set title "The first ten seconds: angle against time"
set xlabel "simulated time t (s)"
set ylabel "angle θ from straight down (degrees)"
set xrange [0:10]
set yrange [-35:35]
plot data."/angle.dat" using 1:4 with lines ls exact title "exact pendulum", \
     "" using 1:6 with lines ls rungeKutta title "classical Runge–Kutta, h = 0.01 s", \
     "" using 1:2 with lines ls model title "the programs' model"

set output ARG2."/model-phase-portrait.svg"
set title "Phase portrait: each curve is one closed orbit,\nretraced every swing"
set xlabel "angle θ (degrees)"
set ylabel "angular velocity ω (degrees/s)"
set xrange [-32:32]
set yrange [-100:100]
plot data."/angle.dat" using 4:5 with lines ls exact title "exact pendulum", \
     "" using 6:7 with lines ls rungeKutta title "classical Runge–Kutta, h = 0.01 s", \
     "" using 2:3 with lines ls model title "the programs' model"

set output ARG2."/model-energy.svg"
set title "Energy against the starting energy, 200,000 steps\n(band: least to greatest in each 10 s)"
set xlabel "simulated time t (s)"
set ylabel "relative energy error (%)"
set xrange [0:2000]
set yrange [-1:8]
set style fill transparent solid 0.5 noborder
plot data."/energy.dat" index 0 using 1:(100*column(2)):(100*column(3)) with filledcurves ls model title "the programs' model", \
     "" index 1 using 1:(100*column(3)) with lines ls rungeKutta title "classical Runge–Kutta, h = 0.01 s"

set output ARG2."/model-phase-lag.svg"
set title "How far each swing falls behind\nthe exact pendulum"
set xlabel "simulated time t (s)"
set ylabel "phase lag at each upward\nzero crossing (degrees)"
set xrange [0:600]
set yrange [0:*]
set ytics 360
set arrow from 60, graph 0 to 60, graph 1 nohead lc rgb "#888888" dt 3
set label "one minute" at 62, graph 0.95 tc rgb "#555555"
plot data."/phase-lag.dat" index 0 using 1:2 with linespoints ls model pt 7 ps 0.4 title "the programs' model", \
     "" index 1 using 1:2 with lines ls rungeKutta title "classical Runge–Kutta, h = 0.01 s"
