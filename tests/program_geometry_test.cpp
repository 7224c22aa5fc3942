// -geometry on the command line: tarnwick hands it to the toolkit, velmora
// ignores it. A geometry without a full size keeps the 300 x 300 default.
#include "program_session.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

static const int defaultPlace = -9999; // where the toolkit puts a window given no position

static const struct GeometryCase {
    const ProgramCase &program;
    const char *geometry;
    int width, height, x, y;
} cases[] = {
    {bothPrograms[1], "400x250+20+30", 400, 250, 20, 30},
    {bothPrograms[1], "+10+10", 300, 300, 10, 10},
    {bothPrograms[1], "abc", 300, 300, defaultPlace, defaultPlace},
    {bothPrograms[1], "400x", 300, 300, defaultPlace, defaultPlace},
    {bothPrograms[1], "0x0", 300, 300, defaultPlace, defaultPlace},
    {bothPrograms[0], "400x250+20+30", 300, 300, defaultPlace, defaultPlace},
    {bothPrograms[0], "+10+10", 300, 300, defaultPlace, defaultPlace},
    {bothPrograms[0], "abc", 300, 300, defaultPlace, defaultPlace},
    {bothPrograms[0], "0x0", 300, 300, defaultPlace, defaultPlace},
};

static WindowGeometry placeWithoutOptions()
{
    RunningProgram plain = startProgram(testServer(), {bothPrograms[0].path});
    const WindowGeometry geometry = plain.window != 0 ? windowGeometry(plain.dpy, plain.window) : WindowGeometry{};
    stopProgram(plain);
    return geometry;
}

TEST(ProgramGeometry, OptionAppliesToTarnwickOnlyAndSizeFallsBackToDefault)
{
    const WindowGeometry plain = placeWithoutOptions();
    for (const GeometryCase &c : cases) {
        SCOPED_TRACE(std::string(c.program.name) + " -geometry " + c.geometry);
        RunningProgram program = startProgram(testServer(), {c.program.path, "-geometry", c.geometry});
        ASSERT_NE(program.window, 0u) << "no window";
        const WindowGeometry geometry = windowGeometry(program.dpy, program.window);
        EXPECT_EQ(geometry.width, c.width);
        EXPECT_EQ(geometry.height, c.height);
        EXPECT_EQ(geometry.x, c.x == defaultPlace ? plain.x : c.x);
        EXPECT_EQ(geometry.y, c.y == defaultPlace ? plain.y : c.y);
        captureFirstFrame(program);
        EXPECT_TRUE(timeTextAdvances(program));
        const int status = closeAndWait(program);
        EXPECT_TRUE(status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
        stopProgram(program);
    }
}
