// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// The Windows executables under Wine and Xvfb (make test-windows).
//   WINE=wine64 WINDOWS_PROGRAMS=FOLDER windows_program_test
#include "first_view.h"
#include "program_session.h"
#include "x_harness.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

static const char *const wineCommand = std::getenv("WINE"), *const folder = std::getenv("WINDOWS_PROGRAMS");
static const std::string wine = wineCommand != nullptr ? wineCommand : "wine";

static std::string executable(const ProgramCase &program)
{
    return std::string(folder != nullptr ? folder : ".") + "/" + program.name + ".exe";
}

// A new Wine prefix is set up on this test's display, so its windows open there.
class UnderWine : public testing::Test {
protected:
    static void SetUpTestSuite() { waitForExit(launchProgram(testServer(), {wine, "wineboot", "-i"}), 120000); }
};
class WindowsProgram : public UnderWine, public testing::WithParamInterface<ProgramCase> {};

TEST_P(WindowsProgram, ShowsThePendulumHonoursGeometryAndEndsOnClose)
{
    for (const bool withGeometry : {false, true}) {
        SCOPED_TRACE(withGeometry ? "-geometry 400x250+20+30" : "no arguments");
        std::vector<std::string> argv = {wine, executable(GetParam())};
        if (withGeometry)
            argv.insert(argv.end(), {"-geometry", "400x250+20+30"});
        RunningProgram program = startProgram(testServer(), argv);
        ASSERT_NE(program.window, 0u) << "no window";
        const Image first = captureFirstFrame(program);
        const bool applies = withGeometry && GetParam().name == std::string("tarnwick");
        if (!withGeometry)
            expectFirstView(program, first);
        const WindowGeometry geometry = windowGeometry(program.dpy, program.window);
        EXPECT_EQ(std::make_tuple(geometry.width, geometry.height),
                  applies ? std::make_tuple(400, 250) : std::make_tuple(300, 300));
        EXPECT_TRUE(timeTextAdvances(program));
        // Wine hands the window's icon, the executable's GLUT_ICON, to X.
        const std::vector<IconImage> icon = windowIcon(program.dpy, program.window);
        ASSERT_FALSE(icon.empty()) << "no _NET_WM_ICON";
        EXPECT_TRUE(iconShowsTheBob(icon.back())) << icon.back().width << " px";
        // Wine takes a moment or two to end a program after a close.
        requestClose(program.dpy, program.window);
        const int status = waitForExit(program.pid, 15000);
        EXPECT_TRUE(status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
        stopProgram(program);
    }
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, WindowsProgram, testing::ValuesIn(bothPrograms), programName);

// A GUI program has no console: the toolkit's fatal message appears in a box
// titled with the program's name, and closing it ends the program with a
// non-zero status. Wine's msgbox channel traces the text the box shows.
TEST_F(UnderWine, TarnwickShowsTheToolkitsMessageInABox)
{
    // The trace's path reaches the shell as an argument ($0), never as part of the command it parses.
    const std::string trace = runFolder() + "tarnwick-msgbox.trace";
    RunningProgram box = startProgram(
        testServer(), {"/bin/sh", "-c", R"(exec "$@" 2>"$0")", trace, wine, executable(bothPrograms[1]), "-geometry"},
        {"WINEDEBUG=-all,trace+msgbox"}, "tarnwick");
    ASSERT_NE(box.window, 0u) << "no message box, status " << box.exitStatus;
    requestClose(box.dpy, box.window);
    const int status = waitForExit(box.pid, 15000);
    EXPECT_TRUE(status != -1 && WIFEXITED(status) && WEXITSTATUS(status) != 0) << "status " << status;
    stopProgram(box);
    const std::string text = fileText(trace);
    EXPECT_NE(text.find("-geometry parameter must be followed by window geometry settings"), std::string::npos) << text;
}
