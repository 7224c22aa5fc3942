// The swing over 200,000 steps: first peak, first sign change, amplitude and period.
#include "pendulum_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

TEST(ModelSwing, PeaksSignChangesAndPeriodOver200000Steps)
{
    const PendulumState &s = pendulumState();
    double previous = s.angleDeg;
    double beforePrevious = previous;
    int firstPeakStep = 0, firstNegativeStep = 0, lastUpwardCrossing = 0, extremes = 0;

    for (int step = 1; step <= 200000; ++step) {
        stepSimulation();
        const double angle = s.angleDeg;
        if (step >= 3 && (previous - beforePrevious) * (angle - previous) < 0.0) {
            // The previous step was a peak or a trough.
            ++extremes;
            if (firstPeakStep == 0) {
                firstPeakStep = step - 1;
                EXPECT_NEAR(previous, 29.7486, 1e-4);
            }
            ASSERT_GE(std::fabs(previous), 29.745) << "extreme at step " << step - 1;
            ASSERT_LE(std::fabs(previous), 29.750) << "extreme at step " << step - 1;
        }
        if (firstNegativeStep == 0 && angle < 0.0) {
            firstNegativeStep = step;
            EXPECT_STREQ(s.timeText, "1.050000");
        }
        if (previous <= 0.0 && angle > 0.0 && step > 1) {
            if (lastUpwardCrossing != 0) {
                const int period = step - lastUpwardCrossing;
                ASSERT_TRUE(period == 208 || period == 209) << "period " << period << " at step " << step;
            }
            lastUpwardCrossing = step;
        }
        beforePrevious = previous;
        previous = angle;
    }
    EXPECT_EQ(firstPeakStep, 52);
    EXPECT_EQ(firstNegativeStep, 105);
    EXPECT_GT(extremes, 1900); // about two per 2.09 s period over 2,000 s
}
