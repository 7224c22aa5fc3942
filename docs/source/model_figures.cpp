// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// Measures the programs' pendulum model against the exact pendulum and the
// classical Runge-Kutta scheme, and writes the page that explains the model
// and the data its plots are drawn from:
//   model_figures TEMPLATE PAGE DATA_DIR
// TEMPLATE is the page with @NAME@ wherever a figure goes; DATA_DIR receives
// angle.dat, energy.dat and phase-lag.dat for docs/source/model-plots.gp. The model
// is the programs' own library, advanced by its own stepSimulation.
#include "pendulum_model.h"
#include "pendulum_reference.h"
#include "step_periods.h"

#include <boost/math/tools/roots.hpp>
#include <boost/math/tools/toms748_solve.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using C = SimulationConstants;

static const long comparedSteps = 200000;    // the span every figure covers
static const long plottedSteps = 1000;       // ten seconds of angle and phase portrait
static const long energyBlock = 1000;        // steps in each point of the energy band
static const long textSearchLimit = 3000000; // steps searched for the first drifting time text
static const double minute = 60.0;           // s, the span of the quoted phase lag
static const double pi = 3.14159265358979323846;
static const double degreesPerRadian = 180.0 / pi;

// What one scheme's run shows, gathered step by step.
struct Swing {
    double before[2] = {0.0, 0.0}; // theta one and two steps back, rad
    long firstPeakStep = 0;
    double firstPeak = 0.0;                // rad
    double peakLow = 1e9, peakHigh = 0.0;  // |theta| at peaks and troughs, rad
    std::vector<double> crossings = {0.0}; // upward zero crossings, s
    long lastCrossingStep = 0, gapLow = 1000000, gapHigh = 0;
    double energyLow = 0.0, energyHigh = 0.0; // relative energy error over the run
    double energyLast = 0.0;                  // at the last step
    double blockLow = 0.0, blockHigh = 0.0;
    std::vector<std::array<double, 3>> band; // each block's middle, s, least and greatest error
};

static void observe(Swing &s, long step, PendulumPoint p, double relativeEnergy)
{
    const double previous = s.before[0], beforeThat = s.before[1];
    const bool peak = previous > beforeThat && previous >= p.theta;
    const bool trough = previous < beforeThat && previous <= p.theta;
    if (step >= 2 && (peak || trough)) {
        if (s.firstPeakStep == 0) {
            s.firstPeakStep = step - 1;
            s.firstPeak = previous;
        }
        s.peakLow = std::min(s.peakLow, std::fabs(previous));
        s.peakHigh = std::max(s.peakHigh, std::fabs(previous));
    }
    if (previous < 0.0 && p.theta >= 0.0) {
        const double h = C::timeStep;
        s.crossings.push_back(static_cast<double>(step - 1) * h + h * -previous / (p.theta - previous));
        s.gapLow = std::min(s.gapLow, step - s.lastCrossingStep);
        s.gapHigh = std::max(s.gapHigh, step - s.lastCrossingStep);
        s.lastCrossingStep = step;
    }
    s.before[1] = previous;
    s.before[0] = p.theta;

    s.energyLow = std::min(s.energyLow, relativeEnergy);
    s.energyHigh = std::max(s.energyHigh, relativeEnergy);
    if (step % energyBlock == 1)
        s.blockLow = s.blockHigh = relativeEnergy;
    s.blockLow = std::min(s.blockLow, relativeEnergy);
    s.blockHigh = std::max(s.blockHigh, relativeEnergy);
    s.energyLast = relativeEnergy;
    if (step % energyBlock == 0)
        s.band.push_back({(static_cast<double>(step) - static_cast<double>(energyBlock) / 2.0) * C::timeStep,
                          s.blockLow, s.blockHigh});
}

// Mean time between upward zero crossings, s.
static double meanPeriod(const Swing &s)
{
    return (s.crossings.back() - s.crossings.front()) / static_cast<double>(s.crossings.size() - 1);
}

// How far behind the exact pendulum, in degrees of phase, the swing is at
// time t: the exact phase is t / period, the swing's counts its crossings.
static double phaseLagDeg(const Swing &s, double exactPeriodS, double t)
{
    const auto next = std::upper_bound(s.crossings.begin(), s.crossings.end(), t);
    if (next == s.crossings.begin() || next == s.crossings.end())
        return 0.0; // t outside the crossings seen
    const double cycles = static_cast<double>(next - s.crossings.begin() - 1) + (t - next[-1]) / (next[0] - next[-1]);
    return 360.0 * (t / exactPeriodS - cycles);
}

static void writeEnergyBand(FILE *out, const Swing &s)
{
    for (const auto &block : s.band)
        std::fprintf(out, "%.1f %.6e %.6e\n", block[0], block[1], block[2]);
    std::fprintf(out, "\n\n");
}

static void writePhaseLag(FILE *out, const Swing &s, double exactPeriodS)
{
    for (size_t n = 1; n < s.crossings.size(); ++n)
        std::fprintf(out, "%.4f %.6e\n", s.crossings[n],
                     360.0 * (s.crossings[n] / exactPeriodS - static_cast<double>(n)));
    std::fprintf(out, "\n\n");
}

// The exact time text of step n, as "%lf" prints n hundredths.
static std::string exactTimeText(long n)
{
    char text[64];
    std::snprintf(text, sizeof text, "%ld.%02ld0000", n / 100, n % 100);
    return text;
}

static std::string format(const char *pattern, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

// 2145178 as "2,145,178".
static std::string withThousands(long n)
{
    std::string digits = std::to_string(n);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<size_t>(at), ",");
    return digits;
}

// The gravity under which the exact pendulum, started as the model is, has
// the model's period.
static double equivalentGravity(double periodS, double omega0)
{
    const auto periodGap = [&](double g) {
        const double w0 = naturalFrequency(g, C::rodLength);
        return exactPeriod(w0, swingModulus(omega0, w0)) - periodS;
    };
    const boost::math::tools::eps_tolerance<double> tolerance(40);
    const auto bracket = boost::math::tools::bisect(periodGap, 0.5 * C::gravity, C::gravity, tolerance);
    return (bracket.first + bracket.second) / 2.0;
}

static bool writePage(const char *templatePath, const char *pagePath, const std::map<std::string, std::string> &values)
{
    const std::ifstream in(templatePath);
    std::stringstream text;
    text << in.rdbuf();
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", templatePath);
        return false;
    }
    std::string page = text.str();
    for (size_t at = page.find('@'); at != std::string::npos; at = page.find('@', at)) {
        const size_t end = page.find('@', at + 1);
        const auto value = end == std::string::npos ? values.end() : values.find(page.substr(at + 1, end - at - 1));
        if (value == values.end()) {
            std::fprintf(stderr, "%s: no figure named by the @ at offset %zu\n", templatePath, at);
            return false;
        }
        page.replace(at, end - at + 1, value->second);
        at += value->second.size();
    }
    std::ofstream out(pagePath);
    out << page;
    return static_cast<bool>(out);
}

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s TEMPLATE PAGE DATA_DIR\n", argv[0]);
        return 2;
    }
    const std::string data = argv[3];
    FILE *angleOut = std::fopen((data + "/angle.dat").c_str(), "w");
    FILE *energyOut = std::fopen((data + "/energy.dat").c_str(), "w");
    FILE *lagOut = std::fopen((data + "/phase-lag.dat").c_str(), "w");
    if (angleOut == nullptr || energyOut == nullptr || lagOut == nullptr) {
        std::fprintf(stderr, "cannot write into %s\n", argv[3]);
        for (FILE *opened : {angleOut, energyOut, lagOut})
            if (opened != nullptr)
                std::fclose(opened);
        return 1;
    }

    const PendulumState &model = pendulumState();
    const double omega0 = model.omega; // the model's start, pi as it approximates it
    const double w0 = naturalFrequency(C::gravity, C::rodLength);
    const double k = swingModulus(omega0, w0);
    const double period = exactPeriod(w0, k);
    const double energy0 = pendulumEnergy({0.0, omega0}, w0);

    Swing modelSwing, rkSwing;
    PendulumPoint rk = {0.0, omega0};
    std::fprintf(angleOut, "# t s, then theta deg and omega deg/s of the model, the exact pendulum, Runge-Kutta\n");
    std::fprintf(angleOut, "0 0 %.6f 0 %.6f 0 %.6f\n", omega0 * degreesPerRadian, omega0 * degreesPerRadian,
                 omega0 * degreesPerRadian);
    std::fprintf(energyOut, "# t s, least and greatest relative energy error; the model, then Runge-Kutta\n");
    long textDriftStep = 0;
    std::string textDrift;
    for (long step = 1; step <= textSearchLimit && textDriftStep == 0; ++step) {
        stepSimulation();
        if (model.timeText != exactTimeText(step)) {
            textDriftStep = step;
            textDrift = model.timeText;
        }
        if (step > comparedSteps)
            continue;
        const PendulumPoint m = {model.theta, model.omega};
        rk = rungeKuttaStep(rk, w0, C::timeStep);
        observe(modelSwing, step, m, pendulumEnergy(m, w0) / energy0 - 1.0);
        observe(rkSwing, step, rk, pendulumEnergy(rk, w0) / energy0 - 1.0);
        if (step <= plottedSteps) {
            const double t = static_cast<double>(step) * C::timeStep;
            const PendulumPoint exact = exactMotion(w0, k, t);
            std::fprintf(angleOut, "%.2f", t);
            for (const PendulumPoint &p : {m, exact, rk})
                std::fprintf(angleOut, " %.6f %.6f", p.theta * degreesPerRadian, p.omega * degreesPerRadian);
            std::fprintf(angleOut, "\n");
        }
    }
    writeEnergyBand(energyOut, modelSwing);
    writeEnergyBand(energyOut, rkSwing);
    writePhaseLag(lagOut, modelSwing, period);
    writePhaseLag(lagOut, rkSwing, period);
    std::fclose(angleOut);
    std::fclose(energyOut);
    std::fclose(lagOut);

    const double modelPeriod = meanPeriod(modelSwing);
    const double modelAmplitude = (modelSwing.peakLow + modelSwing.peakHigh) / 2.0;
    // Linearised, each stage's angle is pulled towards 0 by a = (g/L) h times
    // the previous stage's share, so the step's mean force is g/L times this.
    const double a = C::gravity / C::rodLength * C::timeStep;
    const double forceFactor = 1.0 - a / 2.0 + a * a / 6.0 - a * a * a / 24.0;
    const double gravityStar = equivalentGravity(modelPeriod, omega0);
    const double w0Star = naturalFrequency(gravityStar, C::rodLength);
    const double hours = static_cast<double>(textDriftStep) / 3600.0;
    const double stepsPerSwing = modelPeriod / C::timeStep;
    const double refreshHz = 60.0;              // the common display the page speaks of
    const double refresh60Hz = 1.0 / refreshHz; // s per tick where each frame waits for that refresh

    std::map<std::string, std::string> v;
    v["GRAVITY"] = format("%g", C::gravity);
    v["ROD_LENGTH"] = format("%g", C::rodLength);
    v["TIME_STEP"] = format("%g", C::timeStep);
    v["PI_APPROX"] = format("%g", C::piApprox);
    v["INITIAL_OMEGA_DEG"] = format("%g", C::initialOmegaDeg);
    v["VELMORA_PERIOD_MS"] = std::to_string(StepPeriods::velmoraMs);
    v["TARNWICK_PERIOD_MS"] = std::to_string(StepPeriods::tarnwickMs);
    v["TARNWICK_TICKS_PER_S"] = format("%g", 1000.0 / StepPeriods::tarnwickMs);
    v["VELMORA_SPEED"] = format("%g", C::timeStep * 1000.0 / StepPeriods::velmoraMs);
    v["REFRESH_HZ"] = format("%g", refreshHz);
    v["PLOTTED_SPAN"] = format("%g", static_cast<double>(plottedSteps) * C::timeStep);
    v["BLOCK_SPAN"] = format("%g", static_cast<double>(energyBlock) * C::timeStep);
    v["MINUTE"] = format("%g", minute);
    v["OMEGA0"] = format("%.6f", omega0);
    v["W0"] = format("%.4f", w0);
    v["MODULUS"] = format("%.5f", k);
    v["STEPS"] = withThousands(comparedSteps);
    v["SPAN"] = format("%.0f", static_cast<double>(comparedSteps) * C::timeStep);
    v["EXACT_AMPLITUDE"] = format("%.3f", exactAmplitude(k) * degreesPerRadian);
    v["EXACT_PERIOD"] = format("%.4f", period);
    v["SMALL_ANGLE_PERIOD"] = format("%.4f", 2.0 * pi / w0);
    v["EXACT_PERIOD_EXCESS"] = format("%.1f", 100.0 * (period * w0 / (2.0 * pi) - 1.0));
    v["MODEL_FIRST_PEAK_STEP"] = std::to_string(modelSwing.firstPeakStep);
    v["MODEL_FIRST_PEAK"] = format("%.4f", modelSwing.firstPeak * degreesPerRadian);
    v["MODEL_AMPLITUDE_LOW"] = format("%.3f", modelSwing.peakLow * degreesPerRadian);
    v["MODEL_AMPLITUDE_HIGH"] = format("%.3f", modelSwing.peakHigh * degreesPerRadian);
    v["MODEL_PERIOD"] = format("%.4f", modelPeriod);
    v["MODEL_GAP_LOW"] = std::to_string(modelSwing.gapLow);
    v["MODEL_GAP_HIGH"] = std::to_string(modelSwing.gapHigh);
    v["RK_AMPLITUDE"] = format("%.3f", rkSwing.peakHigh * degreesPerRadian);
    v["RK_PERIOD"] = format("%.4f", meanPeriod(rkSwing));
    v["AMPLITUDE_EXCESS"] = format("%.1f", 100.0 * (modelAmplitude / exactAmplitude(k) - 1.0));
    v["PERIOD_EXCESS"] = format("%.1f", 100.0 * (modelPeriod / period - 1.0));
    v["MODEL_ENERGY_LOW"] = format("%.2f", 100.0 * modelSwing.energyLow);
    v["MODEL_ENERGY_HIGH"] = format("%.2f", 100.0 * modelSwing.energyHigh);
    v["MODEL_ENERGY_FIRST_HIGH"] = format("%.5f", 100.0 * modelSwing.band.front()[2]);
    v["MODEL_ENERGY_LAST_HIGH"] = format("%.5f", 100.0 * modelSwing.band.back()[2]);
    v["RK_ENERGY_LAST"] = format("%.1e", 100.0 * rkSwing.energyLast);
    v["MODEL_LAG_MINUTE"] = format("%.0f", phaseLagDeg(modelSwing, period, minute));
    v["MODEL_LAG_MINUTE_S"] = format("%.2f", phaseLagDeg(modelSwing, period, minute) / 360.0 * period);
    v["MODEL_LAG_MINUTE_SWINGS"] = format("%.2f", phaseLagDeg(modelSwing, period, minute) / 360.0);
    v["RK_LAG_MINUTE"] = format("%.1e", phaseLagDeg(rkSwing, period, minute));
    v["FORCE_FACTOR"] = format("%.4f", forceFactor);
    v["FORCE_WEAKER"] = format("%.1f", 100.0 * (1.0 - forceFactor));
    v["LINEAR_PERIOD_EXCESS"] = format("%.1f", 100.0 * (1.0 / std::sqrt(forceFactor) - 1.0));
    v["EQUIVALENT_GRAVITY"] = format("%.3f", gravityStar);
    v["EQUIVALENT_WEAKER"] = format("%.1f", 100.0 * (1.0 - gravityStar / C::gravity));
    v["EQUIVALENT_AMPLITUDE"] = format("%.3f", exactAmplitude(swingModulus(omega0, w0Star)) * degreesPerRadian);
    v["EQUIVALENT_AMPLITUDE_GAP"] =
        format("%.3f", (modelAmplitude - exactAmplitude(swingModulus(omega0, w0Star))) * degreesPerRadian);
    v["TEXT_DRIFT_STEP"] = withThousands(textDriftStep);
    v["TEXT_DRIFT"] = textDrift;
    v["TEXT_EXACT"] = exactTimeText(textDriftStep);
    v["TEXT_DRIFT_VELMORA_HOURS"] = format("%.1f", hours * StepPeriods::velmoraMs / 1000.0);
    v["TEXT_DRIFT_TARNWICK_HOURS"] = format("%.1f", hours * StepPeriods::tarnwickMs / 1000.0);
    v["TEXT_DRIFT_TARNWICK_60HZ_HOURS"] = format("%.1f", hours * refresh60Hz);
    v["TARNWICK_60HZ_SPEED"] = format("%.1f", C::timeStep / refresh60Hz);
    v["VELMORA_SCREEN_PERIOD"] = format("%.2f", stepsPerSwing * StepPeriods::velmoraMs / 1000.0);
    v["TARNWICK_SCREEN_PERIOD"] = format("%.2f", stepsPerSwing * StepPeriods::tarnwickMs / 1000.0);
    v["TARNWICK_60HZ_SCREEN_PERIOD"] = format("%.2f", stepsPerSwing * refresh60Hz);
    return writePage(argv[1], argv[2], v) ? 0 : 1;
}
