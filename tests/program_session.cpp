#include "program_session.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>

const ProgramCase bothPrograms[2] = {{"velmora", VELMORA_PATH}, {"tarnwick", TARNWICK_PATH}};

static XServer server; // one Xvfb for the whole test binary

namespace {
struct XServerEnvironment : testing::Environment {
    void SetUp() override { ASSERT_TRUE(startXServer(server)) << "cannot start Xvfb"; }
    void TearDown() override { stopXServer(server); }
};
const testing::Environment *const environment = testing::AddGlobalTestEnvironment(new XServerEnvironment);
} // namespace

RunningProgram startProgram(const std::vector<std::string> &argv, const std::vector<std::string> &env)
{
    RunningProgram program;
    program.dpy = connectTo(server);
    program.pid = launchProgram(server, argv, env);
    if (program.dpy != nullptr)
        program.window = waitForWindow(program.dpy, "Velmora", 15000);
    return program;
}

void stopProgram(RunningProgram &program)
{
    if (program.pid > 0)
        killProgram(program.pid);
    disconnect(program.dpy);
    program = RunningProgram();
    // Let the server forget the window before the next program maps one.
    sleepMs(50);
}

Image captureFirstFrame(const RunningProgram &program)
{
    Image image;
    for (int waited = 0; waited < 10000; waited += 5) {
        image = captureWindow(program.dpy, program.window);
        if (image.width > 4 && countPixels(image, 2, 2, 4, 4).white == 4)
            break;
        sleepMs(5);
    }
    return image;
}

RegionCount countPixels(const Image &image, int x0, int y0, int x1, int y1)
{
    RegionCount count = {0, 0, 0};
    for (int y = std::max(y0, 0); y < std::min(y1, image.height); ++y)
        for (int x = std::max(x0, 0); x < std::min(x1, image.width); ++x) {
            const Rgb &p = image.at(x, y);
            count.white += p.r >= 245 && p.g >= 245 && p.b >= 245;
            count.red += p.r > 128 && p.g < 80 && p.b < 80;
            ++count.total;
        }
    return count;
}

bool timeTextAdvances(const RunningProgram &program)
{
    // The text row "t=..." lies about 35 to 45 % of the way down, left of centre.
    const Image before = captureWindow(program.dpy, program.window);
    const int y0 = before.height * 35 / 100, y1 = before.height * 45 / 100;
    for (int waited = 0; waited < 1000; waited += 50) {
        sleepMs(50);
        const Image now = captureWindow(program.dpy, program.window);
        if (now.width != before.width || now.height != before.height)
            return false;
        for (int y = y0; y < y1; ++y)
            for (int x = 0; x < now.width / 2; ++x)
                if (now.at(x, y).r != before.at(x, y).r || now.at(x, y).g != before.at(x, y).g)
                    return true;
    }
    return false;
}

int closeAndWait(RunningProgram &program)
{
    requestClose(program.dpy, program.window);
    const int status = waitForExit(program.pid, 5000);
    if (status != -1)
        program.pid = -1;
    return status;
}
