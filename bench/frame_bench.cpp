// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// Frame pacing, start-up to first frame, cost of running and cost growth with
// window size, for both programs and a same-work baseline, under a private
// Xvfb with Mesa's software renderer. Frames are seen from outside the
// programs through the LD_PRELOAD probe. Prints markdown: "ROW|" lines for
// the summary table, then the details; "FIGURE NAME value" lines for the
// words of bench/performance.md.in; writes the frame intervals, one block per
// program, to argv[2] for bench/frame-intervals.gp to plot.
//   frame_bench BUILD_DIR INTERVALS.dat
#include "x_harness.h"

#include <dirent.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <numeric>
#include <string>
#include <vector>

static std::string buildDir; // where the programs and the probe were built
static XServer server;       // one Xvfb for every run
static int runCount = 0;     // numbers the probe's record files

static long long nowNs()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

struct Subject {
    const char *name;
    std::vector<std::string> argv; // relative to buildDir for the first entry
    char presentKind;              // 'F' glFlush, 'S' glXSwapBuffers
    double nominalPerSecond;       // ticks per second the timer period allows
};

struct Run {
    long long launchNs = 0;
    std::vector<long long> clears, presents, ticks; // ns, CLOCK_MONOTONIC
    std::string renderer;
    double settledCpuSeconds = 0.0; // on-CPU time of all threads after the first second
    long settledFrames = 0;         // frames presented in the same span
    long peakRssKb = 0;
};

// On-CPU time of all the process's threads so far, s, from the scheduler's
// nanosecond counters (the renderer draws on threads of its own).
static double threadCpuSeconds(pid_t pid)
{
    double total = 0.0;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    if (DIR *dir = opendir(tasks.c_str())) {
        while (const dirent *entry = readdir(dir)) {
            std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
            double ns = 0.0;
            if (entry->d_name[0] != '.' && schedstat >> ns)
                total += ns * 1e-9;
        }
        closedir(dir);
    }
    return total;
}

static void readRecord(const std::string &path, char presentKind, Run &run)
{
    std::ifstream in(path);
    std::string line;
    run.clears.clear();
    run.presents.clear();
    run.ticks.clear();
    while (std::getline(in, line)) {
        if (line.size() < 3)
            continue;
        if (line[0] == 'R')
            run.renderer = line.substr(2);
        else if (line[0] == 'C')
            run.clears.push_back(std::stoll(line.substr(2)));
        else if (line[0] == presentKind)
            run.presents.push_back(std::stoll(line.substr(2)));
        else if (line[0] == 'T')
            run.ticks.push_back(std::stoll(line.substr(2)));
    }
}

// Runs the subject for runMs, or only until its first frame when runMs is 0;
// with heldSwapHz, every buffer swap is held until the next refresh of an
// imitated display of that rate (bench/held_swap_probe.cpp).
static Run runSubject(const Subject &subject, int runMs, const std::vector<std::string> &extraArgs = {},
                      int heldSwapHz = 0)
{
    Run run;
    const std::string record = "/tmp/frame_bench." + std::to_string(getpid()) + "." + std::to_string(++runCount);
    std::remove(record.c_str());
    std::vector<std::string> argv = subject.argv;
    argv[0] = buildDir + "/" + argv[0];
    argv.insert(argv.end(), extraArgs.begin(), extraArgs.end());
    run.launchNs = nowNs();
    std::vector<std::string> environment = {"LD_PRELOAD=" + buildDir + "/bench/libframe_probe.so",
                                            "FRAME_PROBE_OUT=" + record};
    if (heldSwapHz > 0) {
        environment[0] += ":" + buildDir + "/bench/libheld_swap_probe.so";
        environment.push_back("HELD_SWAP_HZ=" + std::to_string(heldSwapHz));
    }
    const pid_t pid = launchProgram(server, argv, environment);
    if (runMs > 0) {
        sleepMs(1000);
        const double settledFrom = threadCpuSeconds(pid);
        readRecord(record, subject.presentKind, run);
        const size_t framesBefore = run.presents.size();
        sleepMs(runMs - 1000);
        run.settledCpuSeconds = threadCpuSeconds(pid) - settledFrom;
        readRecord(record, subject.presentKind, run);
        run.settledFrames = static_cast<long>(run.presents.size() - framesBefore);
    } else {
        for (int waited = 0; waited < 20000 && run.presents.empty(); waited += 2) {
            sleepMs(2);
            readRecord(record, subject.presentKind, run);
        }
    }
    kill(pid, SIGKILL);
    int status = 0;
    rusage usage = {};
    wait4(pid, &status, 0, &usage);
    run.peakRssKb = usage.ru_maxrss;
    readRecord(record, subject.presentKind, run);
    std::remove(record.c_str());
    return run;
}

static double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 != 0 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

static double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<size_t>(p * static_cast<double>(values.size())))];
}

// One figure the page's words quote, as bench/performance-page.sh puts it in for @NAME@.
static void printFigure(const std::string &name, const char *format, double value)
{
    std::string upper = name;
    std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
    std::printf("FIGURE %s ", upper.c_str());
    std::printf(format, value);
    std::printf("\n");
}

// Intervals between presents after the first second, ms.
static std::vector<double> settledIntervalsMs(const Run &run)
{
    std::vector<double> intervals;
    for (size_t i = 1; i < run.presents.size(); ++i)
        if (run.presents[i - 1] - run.launchNs > 1000000000LL)
            intervals.push_back(static_cast<double>(run.presents[i] - run.presents[i - 1]) * 1e-6);
    return intervals;
}

// Time from each frame's glClear to its present, ms.
static std::vector<double> frameTimesMs(const Run &run)
{
    std::vector<double> times;
    for (const long long present : run.presents) {
        auto clear = std::upper_bound(run.clears.begin(), run.clears.end(), present);
        if (clear != run.clears.begin())
            times.push_back(static_cast<double>(present - *(clear - 1)) * 1e-6);
    }
    return times;
}

// Writes each series of intervals as a block of its own, for gnuplot's
// "index": bench/frame-intervals.gp draws them as histograms.
static void writeIntervals(const std::vector<std::vector<double>> &series, const char *path)
{
    FILE *out = std::fopen(path, "w");
    if (out == nullptr)
        return;
    for (const std::vector<double> &intervals : series) {
        for (const double ms : intervals)
            std::fprintf(out, "%.4f\n", ms);
        std::fprintf(out, "\n\n");
    }
    std::fclose(out);
}

static const Subject velmora = {"velmora", {"velmora"}, 'F', 50.0};
static const Subject tarnwick = {"tarnwick", {"tarnwick"}, 'S', 100.0};
static const Subject singleBaseline = {
    "same-work baseline, single-buffered, 20 ms", {"bench/same_work_baseline", "single", "20"}, 'F', 50.0};
static const Subject doubleBaseline = {
    "same-work baseline, double-buffered, 10 ms", {"bench/same_work_baseline", "double", "10"}, 'S', 100.0};
static const Subject bareWindow = {
    "bare window (clear and present)", {"bench/same_work_baseline", "bare", "20"}, 'F', 50.0};

// Frame pacing and cost of running, each program with its baseline; returns
// the details section and the renderer's name.
static std::string measurePacingAndCost(const char *intervalsPath, std::string &renderer)
{
    struct Pair {
        const Subject &program, &baseline;
    } const pairs[] = {{velmora, singleBaseline}, {tarnwick, doubleBaseline}};
    // Frame pacing and cost of running: 7 interleaved rounds of 4 s, the
    // baseline beside each program, the first second left out as warm-up.
    std::vector<std::vector<double>> intervalSeries;
    std::string details =
        "\n## Frame pacing\n\nIntervals between presented frames after the first second, ms, "
        "over 7 runs of 4 s:\n\n"
        "| program | frames/s | nominal | median | p90 | p99 | max | frame time (clear to present), median |\n"
        "|---|---|---|---|---|---|---|---|\n";
    for (const Pair &pair : pairs) {
        std::vector<double> intervals, frameTimes, cpu[2], rss[2];
        for (int round = 0; round < 7; ++round)
            for (int side = 0; side < 2; ++side) {
                const Run run = runSubject(side == 0 ? pair.program : pair.baseline, 4000);
                // Simulated time: 0.01 s per tick, one presented frame per tick.
                cpu[side].push_back(run.settledCpuSeconds / (static_cast<double>(run.settledFrames) * 0.01));
                rss[side].push_back(static_cast<double>(run.peakRssKb) / 1024.0);
                if (side == 0) {
                    renderer = run.renderer;
                    const std::vector<double> more = settledIntervalsMs(run), times = frameTimesMs(run);
                    intervals.insert(intervals.end(), more.begin(), more.end());
                    frameTimes.insert(frameTimes.end(), times.begin(), times.end());
                }
            }
        intervalSeries.push_back(intervals);
        const double totalMs = std::accumulate(intervals.begin(), intervals.end(), 0.0);
        const double rate = intervals.empty() ? 0.0 : 1000.0 * static_cast<double>(intervals.size()) / totalMs;
        const double ratio = rate / pair.program.nominalPerSecond;
        std::printf("ROW| %s frame rate, frames/s | %.2f | %.0f (nominal) | %.3f | >= 0.97 | %s |\n", pair.program.name,
                    rate, pair.program.nominalPerSecond, ratio, ratio >= 0.97 ? "met" : "missed");
        char row[256];
        std::snprintf(row, sizeof row, "| %s | %.2f | %.0f | %.2f | %.2f | %.2f | %.2f | %.3f |\n", pair.program.name,
                      rate, pair.program.nominalPerSecond, median(intervals), percentile(intervals, 0.90),
                      percentile(intervals, 0.99), percentile(intervals, 1.0), median(frameTimes));
        details += row;
        const std::string name = pair.program.name;
        printFigure(name + "_frame_ms", "%.1f", median(frameTimes));
        printFigure(name + "_median_ms", "%.2f", median(intervals));
        printFigure(name + "_p90_ms", "%.2f", percentile(intervals, 0.90));
        printFigure(name + "_p99_ms", "%.2f", percentile(intervals, 0.99));
        printFigure(name + "_lost_percent", "%.1f", 100.0 * (1.0 - ratio));
        const double cpuRatio = median(cpu[0]) / median(cpu[1]), rssRatio = median(rss[0]) / median(rss[1]);
        printFigure(name + "_cpu_ratio", "%.2f", cpuRatio);
        std::printf("ROW| %s CPU s per simulated s (median of 7) | %.4f | %.4f (baseline) | %.3f | <= 1.10 | %s |\n",
                    pair.program.name, median(cpu[0]), median(cpu[1]), cpuRatio, cpuRatio <= 1.10 ? "met" : "missed");
        std::printf("ROW| %s peak RSS, MiB (median of 7) | %.1f | %.1f (baseline) | %.3f | <= 1.10 | %s |\n",
                    pair.program.name, median(rss[0]), median(rss[1]), rssRatio, rssRatio <= 1.10 ? "met" : "missed");
    }
    writeIntervals(intervalSeries, intervalsPath);
    return details;
}

static std::string measureStartUp()
{
    // Start-up to first frame: 15 interleaved rounds, medians.
    const Subject *startups[] = {&velmora, &singleBaseline, &tarnwick, &doubleBaseline, &bareWindow};
    std::vector<double> startMs[5];
    for (int round = 0; round < 15; ++round)
        for (int s = 0; s < 5; ++s) {
            const Run run = runSubject(*startups[s], 0);
            if (!run.presents.empty())
                startMs[s].push_back(static_cast<double>(run.presents.front() - run.launchNs) * 1e-6);
        }
    for (int s = 0; s < 4; s += 2) {
        const double ratio = median(startMs[s]) / median(startMs[s + 1]);
        printFigure(std::string(startups[s]->name) + "_bare_share_percent", "%.0f",
                    100.0 * median(startMs[4]) / median(startMs[s]));
        std::printf(
            "ROW| %s start-up to first frame, ms (median of %zu) | %.1f | %.1f (baseline) | %.3f | <= 1.10 | %s |\n",
            startups[s]->name, startMs[s].size(), median(startMs[s]), median(startMs[s + 1]), ratio,
            ratio <= 1.10 ? "met" : "missed");
    }
    std::string details = "\n## Start-up to first frame\n\nWall time from launch to the first presented frame, ms, 15 "
                          "interleaved runs:\n\n"
                          "| subject | median | min | max |\n|---|---|---|---|\n";
    for (int s = 0; s < 5; ++s) {
        char row[256];
        std::snprintf(row, sizeof row, "| %s | %.1f | %.1f | %.1f |\n", startups[s]->name, median(startMs[s]),
                      percentile(startMs[s], 0.0), percentile(startMs[s], 1.0));
        details += row;
    }

    return details;
}

static std::string measureSizeScaling()
{
    // Cost growth with window size: tarnwick at three sizes, 3 s each.
    std::string details = "\n## Frame cost by window size\n\ntarnwick, clear to present, median over 3 s:\n\n"
                          "| window | frame time, ms | ratio to 300 x 300 | pixels ratio |\n|---|---|---|---|\n";
    double smallest = 0.0;
    for (const int size : {300, 600, 1200}) {
        const std::string geometry = std::to_string(size) + "x" + std::to_string(size) + "+0+0";
        const double frameMs = median(frameTimesMs(runSubject(tarnwick, 3000, {"-geometry", geometry})));
        if (size == 300)
            smallest = frameMs;
        printFigure("size_ratio_" + std::to_string(size), "%.1f", frameMs / smallest);
        char row[256];
        std::snprintf(row, sizeof row, "| %d x %d | %.3f | %.2f | %d |\n", size, size, frameMs, frameMs / smallest,
                      (size / 300) * (size / 300));
        details += row;
    }
    return details;
}

// Ticks per second after the first second.
static double settledTickRate(const Run &run)
{
    const auto first = std::find_if(run.ticks.begin(), run.ticks.end(),
                                    [&run](long long tick) { return tick - run.launchNs > 1000000000LL; });
    const auto count = run.ticks.end() - first;
    if (count < 2)
        return 0.0;
    return static_cast<double>(count - 1) / (static_cast<double>(run.ticks.back() - *first) * 1e-9);
}

static std::string measureHeldSwaps()
{
    // The speed people see where the driver holds each swap until the next
    // refresh: 3 runs of 4 s per program and refresh rate, the first second
    // left out. Each tick adds 0.01 simulated seconds.
    std::string details = "\n## Speed on a display that holds swaps for its refresh\n\n"
                          "Ticks per second after the first second, median of 3 runs of 4 s, with every buffer swap "
                          "held until the next refresh of an imitated display (bench/held_swap_probe.cpp); "
                          "each tick advances the motion by 0.01 simulated seconds:\n\n"
                          "| program | buffer swaps | ticks/s | simulated s per real s |\n|---|---|---|---|\n";
    for (const Subject *program : {&velmora, &tarnwick})
        for (const int hz : {0, 60, 144}) {
            std::vector<double> rates(3);
            std::generate(rates.begin(), rates.end(),
                          [program, hz] { return settledTickRate(runSubject(*program, 4000, {}, hz)); });
            const double rate = median(rates), speed = rate * 0.01;
            char row[256];
            std::snprintf(row, sizeof row, "| %s | %s | %.2f | %.3f |\n", program->name,
                          hz == 0 ? "not held (as under Xvfb)"
                                  : (std::string("held to ") + std::to_string(hz) + " Hz").c_str(),
                          rate, speed);
            details += row;
            printFigure(std::string(program->name) + (hz == 0 ? "_free" : "_held_" + std::to_string(hz)) + "_speed",
                        "%.3f", speed); // as the table gives it
            if (program == &tarnwick && hz > 0) {
                // One tick per refresh below 100 Hz; the 10 ms timer's pace above.
                const double expected = std::min(static_cast<double>(hz), program->nominalPerSecond) * 0.01;
                std::printf(
                    "ROW| tarnwick simulated s per real s, swaps held to %d Hz | %.3f | %.2f (%s) | %.3f | - | - |\n",
                    hz, speed, expected, hz < program->nominalPerSecond ? "one tick per refresh" : "the timer's pace",
                    speed / expected);
            }
        }
    return details;
}

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s BUILD_DIR INTERVALS.dat\n", argv[0]);
        return 2;
    }
    buildDir = argv[1];
    if (!startXServer(server, "1600x1400x24")) {
        std::fprintf(stderr, "cannot start Xvfb\n");
        return 1;
    }
    std::string renderer;
    std::string details = measurePacingAndCost(argv[2], renderer);
    details += measureStartUp();
    details += measureSizeScaling();
    details += measureHeldSwaps();
    stopXServer(server);
    std::printf("RENDERER %s\n%s", renderer.c_str(), details.c_str());
    return 0;
}
