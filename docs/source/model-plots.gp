# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# The four plots of docs/model.md, from the data model_figures writes:
#   gnuplot -c docs/source/model-plots.gp DATA_DIR OUTPUT_DIR
# White, opaque pictures, so they read the same on a light or a dark page.
data = ARG1
set terminal pngcairo size 900,500 font "DejaVu Sans,11" background "#ffffff"
set grid lc rgb "#dddddd"
set key box opaque
model = 1
exact = 2
rungeKutta = 3
set style line model lc rgb "#c8281e" lw 2
set style line exact lc rgb "#222222" lw 4
set style line rungeKutta lc rgb "#2f6fd6" lw 2 dt 2

set output ARG2."/model-angle.png"
set title "The first ten seconds: angle against time"
set xlabel "simulated time t (s)"
set key top right
set ylabel "angle θ from straight down (degrees)"
set xrange [0:10]
set yrange [-35:55]
plot data."/angle.dat" using 1:4 with lines ls exact title "exact pendulum", \
     "" using 1:6 with lines ls rungeKutta title "classical Runge–Kutta, h = 0.01 s", \
     "" using 1:2 with lines ls model title "the programs' model"

set output ARG2."/model-phase-portrait.png"
set title "Phase portrait: each curve is one closed orbit, retraced every swing"
set xlabel "angle θ (degrees)"
set key center center
set ylabel "angular velocity ω (degrees/s)"
set xrange [-32:32]
set yrange [-100:100]
plot data."/angle.dat" using 4:5 with lines ls exact title "exact pendulum", \
     "" using 6:7 with lines ls rungeKutta title "classical Runge–Kutta, h = 0.01 s", \
     "" using 2:3 with lines ls model title "the programs' model"

set output ARG2."/model-energy.png"
set title "Energy against the starting energy, over 200,000 steps (band: least to greatest in each 10 s)"
set xlabel "simulated time t (s)"
set key top right
set ylabel "relative energy error (%)"
set xrange [0:2000]
set yrange [-1:8]
set style fill transparent solid 0.5 noborder
plot data."/energy.dat" index 0 using 1:(100*column(2)):(100*column(3)) with filledcurves ls model title "the programs' model", \
     "" index 1 using 1:(100*column(3)) with lines ls rungeKutta title "classical Runge–Kutta, h = 0.01 s"

set output ARG2."/model-phase-lag.png"
set title "How far each swing falls behind the exact pendulum"
set xlabel "simulated time t (s)"
set key top left
set ylabel "phase lag at each upward zero crossing (degrees)"
set xrange [0:600]
set yrange [0:*]
set ytics 360
set arrow from 60, graph 0 to 60, graph 1 nohead lc rgb "#888888" dt 3
set label "one minute" at 62, graph 0.95 tc rgb "#555555"
plot data."/phase-lag.dat" index 0 using 1:2 with linespoints ls model pt 7 ps 0.4 title "the programs' model", \
     "" index 1 using 1:2 with lines ls rungeKutta title "classical Runge–Kutta, h = 0.01 s"
