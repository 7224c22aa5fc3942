// The state before and after the first steps of the integrator, exactly.
#include "pendulum_model.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(ModelFirstSteps, InitialStateThenFirstThreeSteps)
{
    const PendulumState &s = pendulumState();
    const double initialOmega = (90.0 * 3.14159) / 180.0;

    EXPECT_STREQ(s.timeText, "");
    EXPECT_EQ(s.angleDeg, 0.0);
    EXPECT_EQ(s.t, 0.0);
    EXPECT_EQ(s.theta, 0.0);
    EXPECT_EQ(s.omega, initialOmega);
    EXPECT_DOUBLE_EQ(s.omega, 1.570795);

    // Hanging straight down, every stage acceleration is 0: omega keeps its value.
    stepSimulation();
    EXPECT_EQ(s.omega, initialOmega);
    EXPECT_DOUBLE_EQ(s.theta, 0.01570795);
    EXPECT_DOUBLE_EQ(s.angleDeg, 0.9);
    EXPECT_STREQ(s.timeText, "0.010000");

    stepSimulation();
    EXPECT_DOUBLE_EQ(s.omega, 1.5693286989316955);
    EXPECT_DOUBLE_EQ(s.theta, 0.031401236989316954);
    EXPECT_DOUBLE_EQ(s.angleDeg, 1.7991598706632794);
    EXPECT_STREQ(s.timeText, "0.020000");

    stepSimulation();
    EXPECT_STREQ(s.timeText, "0.030000");
    EXPECT_DOUBLE_EQ(s.t, 0.01 + 0.01 + 0.01);
}

TEST(ModelFirstSteps, AccelerationDependsOnTheAngleAlone)
{
    static const struct {
        double t, theta, omega, expected;
    } cases[] = {
        {0.0, 0.0, 0.0, 0.0},
        {0.0, 0.5, 0.0, -9.8 * std::sin(0.5)},
        {7.0, 0.5, -3.0, -9.8 * std::sin(0.5)},
        {0.0, -1.2, 2.0, 9.8 * std::sin(1.2)},
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(angularAcceleration(c.t, c.theta, c.omega), c.expected) << "theta " << c.theta;
}
