// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// The cost of one model step against the work it must do: four acceleration
// evaluations and one bounded "%lf" formatting of a time of the same size.
// Prints Google Benchmark's table, then markdown rows for the summary table.
#include "pendulum_model.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

// cppcheck-suppress constParameterCallback ; Google Benchmark passes a mutable State
static void stepSimulationOnce(benchmark::State &state)
{
    for (auto _ : state)
        stepSimulation();
}
BENCHMARK(stepSimulationOnce);

// cppcheck-suppress constParameterCallback ; Google Benchmark passes a mutable State
static void fourAccelerations(benchmark::State &state)
{
    double theta = pendulumState().theta;
    for (auto _ : state) {
        // Each evaluation waits for the one before, as each stage of the step does.
        double k = 0.0;
        for (int stage = 0; stage < 4; ++stage)
            k = angularAcceleration(0.0, theta + k * 1e-9, 0.0);
        benchmark::DoNotOptimize(k);
        theta += 1e-6;
    }
}
BENCHMARK(fourAccelerations);

// cppcheck-suppress constParameterCallback ; Google Benchmark passes a mutable State
static void boundedTimeFormat(benchmark::State &state)
{
    char text[256];
    double t = pendulumState().t; // as large as the stepping benchmark left it
    for (auto _ : state) {
        benchmark::DoNotOptimize(t);
        std::snprintf(text, sizeof text, "%lf", t);
        benchmark::DoNotOptimize(text);
        t += 0.01;
    }
}
BENCHMARK(boundedTimeFormat);

// Keeps each benchmark's time per iteration (the median over repetitions) for
// the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    SummaryReporter() : ConsoleReporter(OO_Tabular) {}
    std::map<std::string, double> nanoseconds;
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs)
            if (run.aggregate_name.empty() || run.aggregate_name == "median")
                nanoseconds[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
};

int main(int argc, char **argv)
{
    // From the fresh state, as the programs run: every step to the first drift.
    const auto start = std::chrono::steady_clock::now();
    for (long step = 0; step < 2145178; ++step)
        stepSimulation();
    const double driftSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (std::strcmp(pendulumState().timeText, "21451.779999") != 0)
        std::fprintf(stderr, "unexpected time text %s\n", pendulumState().timeText);

    benchmark::Initialize(&argc, argv);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double step = reporter.nanoseconds["stepSimulationOnce"];
    const double parts = reporter.nanoseconds["fourAccelerations"] + reporter.nanoseconds["boundedTimeFormat"];
    const double ratio = step / parts;
    std::printf("ROW| model step, ns | %.1f | %.1f (4 accelerations %.1f + \"%%lf\" %.1f) | %.3f | <= 1.10 | %s |\n",
                step, parts, reporter.nanoseconds["fourAccelerations"], reporter.nanoseconds["boundedTimeFormat"],
                ratio, ratio <= 1.10 ? "met" : "missed");
    std::printf("ROW| 2,145,178 steps to the first drifting text, s | %.3f | %.3f (steps x parts) | %.3f | - | - |\n",
                driftSeconds, parts * 2145178e-9, driftSeconds / (parts * 2145178e-9));
    return 0;
}
