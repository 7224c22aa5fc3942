// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
#include "pendulum_model.h"

#include <cmath>
#include <cstdio>

static PendulumState state; // zero-filled: t, angleDeg and timeText start at 0, 0 and ""

// Runs the initialisation during static initialisation, after the zero fill.
[[maybe_unused]] static const bool stateInitialised = (initPendulumState(), true);

const PendulumState &pendulumState()
{
    return state;
}

void initPendulumState()
{
    using C = SimulationConstants;
    state.theta = (state.angleDeg * C::piApprox) / 180.0;
    state.omega = (C::initialOmegaDeg * C::piApprox) / 180.0;
}

double angularAcceleration(double, double theta, double)
{
    using C = SimulationConstants;
    return (-(C::gravity / C::rodLength)) * std::sin(theta);
}

// Each stage increment k is a velocity change that also perturbs the next
// stage's angle; the angle itself advances semi-implicitly with the new omega.
void stepSimulation()
{
    using C = SimulationConstants;
    const double h = C::timeStep;
    const double t = state.t;
    const double theta = state.theta;
    const double omega = state.omega;

    const double k1 = angularAcceleration(t, theta, omega) * h;
    const double k2 = angularAcceleration(t + h / 2.0, theta + k1 / 2.0, omega + k1 / 2.0) * h;
    const double k3 = angularAcceleration(t + h / 2.0, theta + k2 / 2.0, omega + k2 / 2.0) * h;
    const double k4 = angularAcceleration(t + h, theta + k3, omega + k3) * h;

    state.omega = (k1 + 2.0 * k2 + 2.0 * k3 + k4) / 6.0 + omega;
    state.theta = theta + h * state.omega;
    state.angleDeg = (state.theta * 180.0) / C::piApprox;
    state.t = t + h;
    std::snprintf(state.timeText, sizeof state.timeText, "%lf", state.t);
}
