#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Runs the benchmarks of a Release build and writes docs/performance.md, its
# tables and the figures its words quote (bench/notes.md's @NAME@) from the
# same run:
#   bench/run.sh BUILD_DIR
# Both are replaced only once the whole run has succeeded.
set -eu
build=$1
doc=docs/performance.md
plot=docs/frame-intervals.png
steps=$(mktemp) frames=$(mktemp) intervals=$(mktemp) figures=$(mktemp) notes=$(mktemp)
page=$(mktemp) picture=$(mktemp)
trap 'rm -f "$steps" "$frames" "$intervals" "$figures" "$notes" "$page" "$picture"' EXIT

"$build/bench/step_bench" --benchmark_min_time=0.5 --benchmark_repetitions=5 --benchmark_color=false \
    --benchmark_report_aggregates_only=true >"$steps"
grep -v '^ROW|' "$steps"
echo "Frame benchmarks under Xvfb (about two minutes)..."
"$build/bench/frame_bench" "$build" "$intervals" >"$frames"
gnuplot -c bench/frame-intervals.gp "$intervals" "$picture"
sed -n 's/^FIGURE \([A-Z0-9_]*\) \(.*\)$/s|@\1@|\2|g/p' "$frames" >"$figures"
sed -e '/^<!-- SPDX-/d' -f "$figures" bench/notes.md >"$notes"
if grep -q '@[A-Z0-9_]*@' "$notes"; then
    echo "bench/run.sh: no figure for $(grep -o '@[A-Z0-9_]*@' "$notes" | sort -u | tr '\n' ' ')" >&2
    exit 1
fi

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
memory=$(awk '/^MemTotal/ {printf "%.0f GiB", $2 / 1048576}' /proc/meminfo)
{
    sed -n '/^<!-- SPDX-/p' bench/notes.md # the page's licence, as the notes' own
    echo "# Performance"
    echo
    echo "**For** anyone who asks how fast the programs run, and contributors changing"
    echo "them. **Answers** what the model step, a frame, start-up and running cost,"
    echo "and how fast the motion runs on a display that holds each frame for its refresh."
    echo
    echo "Measured by \`make bench\` on $(date -u +%Y-%m-%d): $cpu, $(nproc) cores, $memory,"
    echo "Linux $(uname -r), $(sed -n 's/^RENDERER //p' "$frames") under Xvfb."
    echo "Each figure is a ratio against the limit the work itself sets: the model"
    echo "step against its mandated parts, frame rates against the timer period, start-up"
    echo "and running cost against a plain GLUT program doing the same work"
    echo "(bench/same_work_baseline.cpp)."
    echo
    echo "| figure | measured | limit or baseline | ratio | goal | |"
    echo "|---|---|---|---|---|---|"
    grep -h '^ROW|' "$steps" "$frames" | sed 's/^ROW|/|/'
    sed -e '/^ROW|/d' -e '/^RENDERER /d' -e '/^FIGURE /d' "$frames"
    cat "$notes"
} >"$page"
chmod 644 "$page" "$picture"
mv "$page" "$doc"
mv "$picture" "$plot"
grep -h '^ROW|' "$steps" "$frames" | sed 's/^ROW|/|/'
echo "Wrote $doc and $plot."
