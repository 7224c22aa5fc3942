// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// The ideal rigid pendulum that the programs' model stands for, for the page
// that explains the model: its exact motion from Jacobi's elliptic functions
// and the classical fourth-order Runge-Kutta scheme as a textbook comparison,
// both from Boost. Started straight down (theta 0) with angular velocity
// omega0, a pendulum of natural angular frequency w0 = sqrt(g / L) swings out
// to 2 asin(k) with the modulus k = omega0 / (2 w0).
#pragma once

struct PendulumPoint {
    double theta; // angle from the downward vertical, rad
    double omega; // angular velocity, rad/s
};

// sqrt(g / L), rad/s.
double naturalFrequency(double gravity, double rodLength);

// k = sin(amplitude / 2) of a swing started straight down at omega0; 1 or more
// means the pendulum goes over the top and has no swing.
double swingModulus(double omega0, double w0);

// The exact amplitude, rad, and period, s, of a swing of modulus k < 1.
double exactAmplitude(double k);
double exactPeriod(double w0, double k);

// The exact state at time t of the swing started straight down at t = 0.
PendulumPoint exactMotion(double w0, double k, double t);

// Energy per unit m L^2: kinetic plus potential above the lowest point.
double pendulumEnergy(PendulumPoint p, double w0);

// One step h of the classical fourth-order Runge-Kutta scheme (Boost.Odeint)
// on theta' = omega, omega' = -w0^2 sin(theta).
PendulumPoint rungeKuttaStep(PendulumPoint p, double w0, double h);
