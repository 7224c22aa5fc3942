// What a person sees of both programs in a real window: title, size, the
// scene's pixels and its redraw after resizes. (Closing is checked after every
// survival and command-line case.)
#include "program_session.h"

#include <gtest/gtest.h>

class ProgramWindow : public testing::TestWithParam<ProgramCase> {
protected:
    void SetUp() override
    {
        program = startProgram(testServer(), {GetParam().path});
        ASSERT_NE(program.window, 0u) << GetParam().name << " opened no window";
    }
    void TearDown() override { stopProgram(program); }
    RunningProgram program;
};

TEST_P(ProgramWindow, OpensTitledWindowAtDefaultSize)
{
    EXPECT_EQ(windowTitle(program.dpy, program.window), "Velmora");
    const WindowGeometry geometry = windowGeometry(program.dpy, program.window);
    EXPECT_EQ(geometry.width, 300);
    EXPECT_EQ(geometry.height, 300);
}

// At 300 x 300 the bob hangs about 93 pixels below the centre, the pivot as
// far above it, and the overlay sits left of the rod, 30 to 42 % of the way down.
TEST_P(ProgramWindow, ShowsRedBobBelowPivotOnWhiteThenSwingsRight)
{
    const Image first = captureFirstFrame(program);
    ASSERT_EQ(first.width, 300);
    static const struct {
        int x, y;
    } corners[] = {{3, 3}, {290, 3}, {3, 290}, {290, 290}};
    for (const auto &c : corners)
        EXPECT_EQ(countPixels(first, c.x, c.y, c.x + 7, c.y + 7).white, 49) << "corner " << c.x << "," << c.y;

    // Early on the bob is still close to straight below the pivot.
    EXPECT_GT(countPixels(first, 135, 228, 165, 258).red, 400) << "no red bob below the pivot";
    EXPECT_EQ(countPixels(first, 0, 140, 120, 300).red, 0) << "red left of the bob";
    const RegionCount overlay = countPixels(first, 20, 85, 140, 130);
    EXPECT_GT(overlay.total - overlay.white, 100) << "no overlay text at the top left";
    // Row and column 0 lie off screen at the toolkit's default position (-1, -1).
    const RegionCount top = countPixels(first, 1, 1, 300, 40);
    EXPECT_EQ(top.white, top.total) << "anything but white above the pivot";

    // Swinging right first: within a second the bob is well right of its start.
    bool right = false, left = false;
    for (int waited = 0; waited < 1500 && !right && !left; waited += 20) {
        sleepMs(20);
        const Image now = captureWindow(program.dpy, program.window);
        right = countPixels(now, 175, 190, 300, 260).red > 400;
        left = countPixels(now, 0, 190, 125, 260).red > 400;
    }
    EXPECT_TRUE(right);
    EXPECT_FALSE(left);
}

TEST_P(ProgramWindow, RedrawsAtTheNewSizeAfterResizeAndKeepsAnimating)
{
    captureFirstFrame(program);
    static const struct {
        int width, height;
    } sizes[] = {{500, 200}, {120, 400}, {300, 1}, {300, 300}};
    for (const auto &size : sizes) {
        moveResizeWindow(program.dpy, program.window, 0, 0, size.width, size.height);
        Image image;
        for (int waited = 0; waited < 2000; waited += 10) {
            image = captureWindow(program.dpy, program.window);
            const int w = size.width, h = size.height;
            if (image.width == w && image.height == h &&
                countPixels(image, w - 3, h - 1, w, h).white == countPixels(image, w - 3, h - 1, w, h).total)
                break;
            sleepMs(10);
        }
        ASSERT_EQ(image.width, size.width);
        ASSERT_EQ(image.height, size.height);
        // The bob stays centred horizontally and in the lower part of the window.
        if (size.height >= 200) {
            const int bobY = size.height / 2 + size.height * 93 / 300;
            EXPECT_GT(countPixels(image, 0, bobY - 25, size.width, bobY + 25).red, 200)
                << "no bob at " << size.width << "x" << size.height;
        }
    }
    EXPECT_TRUE(timeTextAdvances(program));
    EXPECT_EQ(xErrorCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, ProgramWindow, testing::ValuesIn(bothPrograms),
                         [](const testing::TestParamInfo<ProgramCase> &info) { return info.param.name; });
