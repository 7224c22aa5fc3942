// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
#include "pendulum_reference.h"

#include <boost/math/special_functions/ellint_1.hpp>
#include <boost/math/special_functions/jacobi_elliptic.hpp>
#include <boost/numeric/odeint/stepper/runge_kutta4.hpp>

#include <array>
#include <cmath>

double naturalFrequency(double gravity, double rodLength)
{
    return std::sqrt(gravity / rodLength);
}

double swingModulus(double omega0, double w0)
{
    return omega0 / (2.0 * w0);
}

double exactAmplitude(double k)
{
    return 2.0 * std::asin(k);
}

double exactPeriod(double w0, double k)
{
    return 4.0 * boost::math::ellint_1(k) / w0;
}

// theta = 2 asin(k sn(w0 t, k)), so omega = 2 k w0 cn(w0 t, k).
PendulumPoint exactMotion(double w0, double k, double t)
{
    double cn = 0.0, dn = 0.0;
    const double sn = boost::math::jacobi_elliptic(k, w0 * t, &cn, &dn);
    return {2.0 * std::asin(k * sn), 2.0 * k * w0 * cn};
}

double pendulumEnergy(PendulumPoint p, double w0)
{
    return p.omega * p.omega / 2.0 + w0 * w0 * (1.0 - std::cos(p.theta));
}

PendulumPoint rungeKuttaStep(PendulumPoint p, double w0, double h)
{
    using State = std::array<double, 2>;
    const auto pendulum = [w0](const State &x, State &dxdt, double) {
        dxdt[0] = x[1];
        dxdt[1] = -w0 * w0 * std::sin(x[0]);
    };
    boost::numeric::odeint::runge_kutta4<State> stepper;
    State x = {p.theta, p.omega};
    stepper.do_step(pendulum, x, 0.0, h);
    return {x[0], x[1]};
}
