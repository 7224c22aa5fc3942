// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// The pendulum's physical state and the fixed-step integrator that advances it,
// one step per animation tick. Knows nothing of windows or drawing.
#pragma once

struct SimulationConstants {
    static constexpr double gravity = 9.8;          // gravitational acceleration, m/s^2
    static constexpr double rodLength = 1.0;        // rod length, world units
    static constexpr double timeStep = 0.01;        // simulated seconds per step
    static constexpr double piApprox = 3.14159;     // pi as used in every degree/radian conversion
    static constexpr double initialOmegaDeg = 90.0; // initial angular velocity, degrees/s
};

struct PendulumState {
    double t;           // simulated time, s
    double theta;       // angle from the downward vertical, rad, counter-clockwise about +z
    double omega;       // angular velocity, rad/s
    double angleDeg;    // initial angle before the first step, display angle after it, degrees
    char timeText[256]; // t as "%lf" text, rewritten by every step
};

// The one state record, zero-filled and initialised before main runs.
const PendulumState &pendulumState();

// Derives theta and omega from the initial angle and angular velocity; runs
// during static initialisation.
void initPendulumState();

// Acceleration of the pendulum, rad/s^2; takes t and omega for the integrator's
// sake but depends on theta alone.
double angularAcceleration(double t, double theta, double omega);

// Advances the state by one timeStep and rewrites timeText.
void stepSimulation();
