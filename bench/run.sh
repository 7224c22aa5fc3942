#!/bin/sh
# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Runs the benchmarks of a Release build and writes docs/performance.md (from
# bench/performance.md.in, by bench/performance-page.sh) and its plot from the
# same run. The run's measurements stay in BUILD_DIR/bench-measurements.txt
# and its frame intervals in BUILD_DIR/frame-intervals.dat, so the page and
# the plot can be made again without a run. Ends with a warning where other
# processes took so much of the processor time that the verdicts are not to
# be trusted. The web pages in WEB_DIR (make web's) are measured too, in
# headless Chromium, beside the native programs:
#   bench/run.sh BUILD_DIR WEB_DIR
# The page and the plot are replaced only once the whole run has succeeded.
set -eu
[ $# -eq 2 ] || { echo "usage: run.sh BUILD_DIR WEB_DIR" >&2; exit 2; }
build=$1
web=$2
doc=docs/performance.md
plot=docs/frame-intervals.svg
intervals=$build/frame-intervals.dat
measurements=$build/bench-measurements.txt
# Above this share of the processor time taken by other processes, the
# timer's late wake-ups and the contention decide the verdicts.
busy_limit_percent=10
steps=$(mktemp) frames=$(mktemp) pages=$(mktemp) picture=$(mktemp)
trap 'rm -f "$steps" "$frames" "$pages" "$picture" "$measurements.new"' EXIT

# Processor time in clock ticks: the whole machine's busy and total time
# (/proc/stat's first line), and this script's with its waited-for children.
machine_ticks() {
    awk '/^cpu / { total = 0; for (i = 2; i <= NF; ++i) total += $i
                   print $2 + $3 + $4 + $7 + $8 + $9, total }' /proc/stat
}
own_ticks() {
    sed 's/^.*) //' "/proc/$$/stat" | awk '{ print $12 + $13 + $14 + $15 }'
}
ticks=$(machine_ticks) own_before=$(own_ticks)
busy_before=${ticks% *} total_before=${ticks#* }

"$build/bench/step_bench" --benchmark_min_time=0.5 --benchmark_repetitions=5 --benchmark_color=false \
    --benchmark_report_aggregates_only=true >"$steps"
grep -v '^ROW|' "$steps"
echo "Frame benchmarks under Xvfb (about two minutes)..."
"$build/bench/frame_bench" "$build" "$intervals" >"$frames"
gnuplot -c bench/frame-intervals.gp "$intervals" "$picture"
echo "Web pages in headless Chromium (about half a minute)..."
/usr/bin/python3 bench/web_bench.py "$web" "$frames" >"$pages"

ticks=$(machine_ticks) own=$(($(own_ticks) - own_before))
busy=$((${ticks% *} - busy_before)) total=$((${ticks#* } - total_before))
others_percent=$(awk -v busy="$busy" -v total="$total" -v own="$own" \
    'BEGIN { share = total > 0 ? 100 * (busy - own) / total : 0; printf "%.0f", share < 0 ? 0 : share }')
if [ "$others_percent" -gt "$busy_limit_percent" ]; then
    verdict="**the machine was too busy to trust the verdicts**"
else
    verdict="quiet enough for the verdicts"
fi

{
    grep '^ROW|' "$steps"
    cat "$frames" "$pages"
    echo "FIGURE DATE $(date -u +%Y-%m-%d)"
    echo "FIGURE CPU $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)"
    echo "FIGURE CORES $(nproc)"
    echo "FIGURE MEMORY $(awk '/^MemTotal/ {printf "%.0f GiB", $2 / 1048576}' /proc/meminfo)"
    echo "FIGURE KERNEL $(uname -r)"
    echo "FIGURE OTHERS_SHARE $others_percent %"
    echo "FIGURE LOAD_VERDICT $verdict"
    echo "FIGURE BUSY_LIMIT_PERCENT $busy_limit_percent"
} >"$measurements.new"
mv "$measurements.new" "$measurements"
sh bench/performance-page.sh "$measurements" "$doc"
chmod 644 "$picture"
mv "$picture" "$plot"
grep -h '^ROW|' "$steps" "$frames" "$pages" | sed 's/^ROW|/|/'
echo "Wrote $doc and $plot."
if [ "$others_percent" -gt "$busy_limit_percent" ]; then
    echo "run.sh: other processes took $others_percent % of the processor time during the run (more than" \
        "$busy_limit_percent %): too busy to trust the verdicts; run make bench again on a quiet machine" >&2
fi
