# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Histogram of the intervals between presented frames, one colour per program:
#   gnuplot -c bench/frame-intervals.gp INTERVALS.dat OUTPUT.svg
# SVG, sharp at any size; the canvas is small for its text, so the labels
# stay readable where a phone shows the plot about 340 px wide.
set terminal svg size 600,420 fixed font "DejaVu Sans,16" background "#ffffff"
set output ARG2
set title "Intervals between presented frames,\nafter the first second"
set xlabel "interval between frames (ms)"
set ylabel "frames in each 0.1 ms bin"
set xrange [0:30]
set yrange [0:*]
set key top right
set style fill solid 0.7 noborder
binWidth = 0.1
bin(ms) = binWidth * (floor(ms / binWidth) + 0.5)
plot ARG1 index 0 using (bin($1)):(1) smooth frequency with boxes lc rgb "#2850c8" title "velmora (20 ms timer)", \
     ARG1 index 1 using (bin($1)):(1) smooth frequency with boxes lc rgb "#d21e1e" title "tarnwick (10 ms timer)"
