// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// The exact pendulum docs/model.md measures the model against, checked
// against published values, and the Runge-Kutta reference against it.
#include "pendulum_reference.h"

#include <gtest/gtest.h>

#include <cmath>

static const double w0 = std::sqrt(9.8 / 1.0);

TEST(PendulumReference, PeriodAgainstPublishedValues)
{
    // Small swings: the textbook 2 pi sqrt(L / g) = 2.00709 s.
    EXPECT_NEAR(exactPeriod(w0, 1e-6), 2.00709, 5e-6);
    // A swing out to 90 degrees (k = sin 45 degrees) is 1.18034 times slower.
    EXPECT_NEAR(exactPeriod(w0, std::sin(M_PI / 4.0)) / (2.0 * M_PI / w0), 1.18034, 5e-6);
    // Started at 90 degrees/s the swing reaches 2 asin(k) with k = omega0 / (2 w0).
    EXPECT_NEAR(swingModulus(M_PI / 2.0, w0), 0.250886, 5e-7);
    EXPECT_NEAR(exactAmplitude(0.5), M_PI / 3.0, 1e-15);
}

// Written independently, the two agree over ten seconds; the exact motion
// turns at its amplitude a quarter period in, and keeps its energy.
TEST(PendulumReference, RungeKuttaFollowsTheExactMotion)
{
    const double k = swingModulus(1.570795, w0), h = 0.01;
    const PendulumPoint turn = exactMotion(w0, k, exactPeriod(w0, k) / 4.0);
    EXPECT_NEAR(turn.theta, exactAmplitude(k), 1e-12);
    EXPECT_NEAR(turn.omega, 0.0, 1e-12);
    const double energy = pendulumEnergy({0.0, 1.570795}, w0);
    PendulumPoint p = {0.0, 1.570795};
    for (int step = 1; step <= 1000; ++step) {
        p = rungeKuttaStep(p, w0, h);
        const PendulumPoint exact = exactMotion(w0, k, step * h);
        ASSERT_NEAR(p.theta, exact.theta, 2e-7) << "step " << step;
        ASSERT_NEAR(p.omega, exact.omega, 1e-6) << "step " << step;
        ASSERT_NEAR(pendulumEnergy(exact, w0), energy, 1e-12) << "step " << step;
    }
    // From rest at a small angle one step is theta0 cos(w0 h)'s Taylor series to h^4.
    const double theta0 = 1e-6, x = w0 * h;
    const PendulumPoint one = rungeKuttaStep({theta0, 0.0}, w0, h);
    EXPECT_NEAR(one.theta, theta0 * (1.0 - x * x / 2.0 + x * x * x * x / 24.0), 1e-20);
}
