// The time text: exact decimals while repeated addition of 0.01 stays exact
// enough, and the first step whose text drifts.
#include "pendulum_model.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

static void exactDecimal(long step, char *text, size_t size)
{
    std::snprintf(text, size, "%ld.%02ld0000", step / 100, step % 100);
}

TEST(ModelTimeText, ExactUntilStep2145178ThenDrifts)
{
    const PendulumState &s = pendulumState();
    char expected[64];
    long firstDrift = 0;
    for (long step = 1; step <= 2145180 && firstDrift == 0; ++step) {
        stepSimulation();
        exactDecimal(step, expected, sizeof expected);
        if (std::strcmp(s.timeText, expected) != 0)
            firstDrift = step;
        if (step == 200000) {
            EXPECT_STREQ(s.timeText, "2000.000000");
        }
    }
    EXPECT_EQ(firstDrift, 2145178);
    EXPECT_STREQ(s.timeText, "21451.779999");
}
