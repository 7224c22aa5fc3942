// Both programs under what a desktop does to them: a minute of running,
// a storm of resizes, repeated unmapping and mapping, then closing.
#include "program_session.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <fstream>
#include <string>

static long residentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

class ProgramSurvival : public testing::TestWithParam<ProgramCase> {
protected:
    void SetUp() override
    {
        program = startProgram(testServer(), {GetParam().path});
        ASSERT_NE(program.window, 0u);
        captureFirstFrame(program);
    }
    // Still alive, still animating, and ending with status 0 when closed.
    void TearDown() override
    {
        EXPECT_EQ(waitForExit(program.pid, 0), -1) << "the program ended";
        EXPECT_TRUE(timeTextAdvances(program));
        const int status = closeAndWait(program);
        EXPECT_TRUE(status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
        EXPECT_EQ(xErrorCount(), 0);
        stopProgram(program);
    }
    RunningProgram program;
};

TEST_P(ProgramSurvival, RunsAMinuteWithFlatMemory)
{
    sleepMs(10000); // warm-up: the renderer's caches fill during the first frames
    const long warm = residentKb(program.pid);
    long highest = warm;
    for (int second = 10; second < 60; second += 5) {
        sleepMs(5000);
        highest = std::max(highest, residentKb(program.pid));
    }
    EXPECT_LT(highest - warm, 1024) << "resident memory grew from " << warm << " kB to " << highest << " kB";
}

TEST_P(ProgramSurvival, SurvivesAThousandRapidResizes)
{
    static const struct {
        int width, height;
    } sizes[] = {{300, 1}, {1, 300}, {4000, 20}, {20, 1000}, {640, 480}, {1, 1}, {1280, 2}, {333, 777}};
    for (int i = 0; i < 1000; ++i) {
        const auto &size = sizes[i % (sizeof sizes / sizeof sizes[0])];
        moveResizeWindow(program.dpy, program.window, 0, 0, size.width, size.height);
    }
    moveResizeWindow(program.dpy, program.window, 0, 0, 300, 300);
    // Frames drawn during the storm may show any of the sizes; once the last
    // resize is through, the scene must settle at the final size.
    bool settled = false;
    for (int waited = 0; waited < 5000 && !settled; waited += 20) {
        sleepMs(20);
        const Image image = captureWindow(program.dpy, program.window);
        settled = image.width == 300 && countPixels(image, 0, 0, 300, 40).white == 300 * 40 &&
                  countPixels(image, 0, 190, 300, 260).red > 400;
    }
    EXPECT_TRUE(settled) << "the final size is not drawn";
}

TEST_P(ProgramSurvival, RedrawsAfterEveryUnmapAndMap)
{
    moveResizeWindow(program.dpy, program.window, 0, 0, 300, 300);
    for (int i = 0; i < 50; ++i) {
        unmapWindow(program.dpy, program.window);
        mapWindow(program.dpy, program.window);
        bool drawn = false;
        for (int waited = 0; waited < 3000 && !drawn; waited += 5) {
            const Image image = captureWindow(program.dpy, program.window);
            drawn = image.width == 300 && countPixels(image, 0, 0, 300, 40).white == 300 * 40;
            if (!drawn)
                sleepMs(5);
        }
        ASSERT_TRUE(drawn) << "not redrawn after map " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, ProgramSurvival, testing::ValuesIn(bothPrograms),
                         [](const testing::TestParamInfo<ProgramCase> &info) { return info.param.name; });
