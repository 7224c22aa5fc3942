// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// A package's installed programs (the Pi's through qemu-user); nothing
// waits on the animation's speed, which emulation slows many times over.
//   PROGRAMS_UNDER_TEST=FOLDER installed_program_test
#include "program_session.h"
#include "x_harness.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

class InstalledProgram : public testing::TestWithParam<ProgramCase> {};

TEST_P(InstalledProgram, ShowsThePendulumAdvancesAndEndsOnClose)
{
    RunningProgram program = startProgram(testServer(), {GetParam().path});
    ASSERT_NE(program.window, 0u) << "no window, status " << program.exitStatus;
    expectFirstView(program, captureFirstFrame(program));
    EXPECT_TRUE(timeTextAdvances(program));
    const int status = closeAndWait(program);
    EXPECT_TRUE(status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    EXPECT_EQ(xErrorCount(), 0);
    stopProgram(program);
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, InstalledProgram, testing::ValuesIn(bothPrograms), programName);
