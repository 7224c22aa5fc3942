// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// Both programs in a real window: what a person sees, resizes, a minute's
// memory, sizes past the renderer, and every command line a user could type.
#include "first_view.h"
#include "program_session.h"
#include "x_harness.h"

#include <gtest/gtest.h>

#include <GL/freeglut.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

static bool endedWithStatus0(int status)
{
    return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Waits for a whole frame at width x height: white top rows, a white
// bottom-right corner (X leaves a grown window unpainted until the program
// draws) and at least minRed red pixels of the bob in the lower half.
static bool redrawnAt(const RunningProgram &program, int width, int height, int minRed)
{
    for (int waited = 0; waited < 5000; waited += 10) {
        const Image image = captureWindow(program.dpy, program.window);
        const int top = height / 8; // above the pivot and the overlay
        if (image.width == width && image.height == height &&
            countPixels(image, 0, 0, width, top).white == width * top &&
            countPixels(image, width - 3, height - 1, width, height).white == 3 &&
            countPixels(image, 0, height / 2, width, height).red >= minRed)
            return true;
        sleepMs(10);
    }
    return false;
}

class ProgramWindow : public testing::TestWithParam<ProgramCase> {
protected:
    void SetUp() override
    {
        program = startProgram(testServer(), {GetParam().path});
        ASSERT_NE(program.window, 0u) << "no window";
        first = captureFirstFrame(program);
    }
    // Still running and animating, then a close ends it with status 0.
    void TearDown() override
    {
        if (program.window != 0) {
            EXPECT_EQ(waitForExit(program.pid, 0), -1) << "the program ended";
            EXPECT_TRUE(timeTextAdvances(program));
            EXPECT_TRUE(endedWithStatus0(closeAndWait(program)));
        }
        EXPECT_EQ(xErrorCount(), 0);
        stopProgram(program);
    }
    RunningProgram program;
    Image first;
};

// The first view, then the fixture's end; make test-pi runs this alone on the
// emulated Pi programs, so nothing here waits on the animation's speed.
TEST_P(ProgramWindow, ShowsThePendulumAdvancesAndEndsOnClose)
{
    expectFirstView(program, first);
}

TEST_P(ProgramWindow, RedrawsAfterResizeAndExpose)
{
    // Wide enough that the bob stays in view at the end of its swing.
    static const struct {
        int width, height, minRed;
    } sizes[] = {{500, 200, 200}, {400, 450, 400}, {300, 1, 0}, {300, 300, 400}};
    for (const auto &size : sizes) {
        moveResizeWindow(program.dpy, program.window, 0, 0, size.width, size.height);
        EXPECT_TRUE(redrawnAt(program, size.width, size.height, size.minRed)) << size.width << "x" << size.height;
    }
    for (int i = 0; i < 20; ++i) {
        unmapWindow(program.dpy, program.window);
        mapWindow(program.dpy, program.window);
        ASSERT_TRUE(redrawnAt(program, 300, 300, 400)) << "not redrawn after map " << i;
    }
}

static long residentKb(pid_t pid)
{
    const std::string status = fileText("/proc/" + std::to_string(pid) + "/status");
    const size_t at = status.find("VmRSS:");
    return at == std::string::npos ? -1 : std::stol(status.substr(at + 6));
}

// GL objects made each frame and never freed grow the process, yet free at
// exit, unseen by the leak checker and the call trace. Under AddressSanitizer
// its own allocator's bookkeeping grows the process too (past 1 MB a minute
// with Debian 13's), so the build without it measures this.
TEST_P(ProgramWindow, RunsAMinuteWithFlatMemory)
{
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "flat memory: skipped, under AddressSanitizer, whose allocator grows the process";
#else
    sleepMs(10000); // warm-up: the renderer's caches fill during the first frames
    const long warm = residentKb(program.pid);
    sleepMs(50000);
    EXPECT_LT(residentKb(program.pid) - warm, 1024) << "resident memory grew from " << warm << " kB";
#endif
}

// A desktop ties the window to its menu entry by its class, and shows its icon.
TEST_P(ProgramWindow, CarriesTheClassOfItsDesktopEntryAndTheIcon)
{
    std::ifstream entry(std::string(PACKAGING_DIR "/") + GetParam().name + ".desktop");
    std::string line, startupClass;
    while (std::getline(entry, line))
        if (line.rfind("StartupWMClass=", 0) == 0)
            startupClass = line.substr(15);
    const WindowClassNames names = windowClassNames(program.dpy, program.window);
    EXPECT_EQ(names.instance, GetParam().name);
    EXPECT_EQ(names.name, startupClass);
    EXPECT_FALSE(startupClass.empty());

    const std::vector<IconImage> icon = windowIcon(program.dpy, program.window);
    if (!WINDOW_ICON_BUILT) {
        EXPECT_TRUE(icon.empty());
        GTEST_SKIP() << "window icon: skipped, VELMORA_ICON is off";
    }
    static const int sizes[] = {16, 32, 48};
    ASSERT_EQ(icon.size(), std::size(sizes));
    for (size_t i = 0; i < icon.size(); ++i) {
        EXPECT_EQ(std::tie(icon[i].width, icon[i].height), std::tie(sizes[i], sizes[i]));
        EXPECT_TRUE(iconShowsTheBob(icon[i])) << sizes[i] << " px";
    }
}

// The largest view of the programs' renderer, asked in a window of the test's own.
static WindowSize renderersLargestView()
{
    std::string display = testServer().display;
    char name[] = "program_window_test", option[] = "-display";
    char *argv[] = {name, option, display.data(), nullptr};
    int argc = 3;
    glutInit(&argc, argv);
    glutCreateWindow("largest view");
    GLint largest[2] = {0, 0};
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, largest);
    glutExit(); // closes the connection before the server goes
    return {largest[0], largest[1]};
}

// A process per core that spins until killed, or for the given seconds at most.
static std::vector<pid_t> loadEveryCore(unsigned seconds)
{
    std::vector<pid_t> spinners;
    for (long core = sysconf(_SC_NPROCESSORS_ONLN); core > 0; --core) {
        const pid_t pid = fork();
        if (pid == 0) {
            alarm(seconds);
            for (volatile unsigned long spin = 0;; spin = spin + 1) {}
        }
        if (pid > 0)
            spinners.push_back(pid);
    }
    return spinners;
}

// Sizes past what the renderer holds, as a window manager may set, and
// storms of odd ones on a busy machine, whether a frame falls before or
// after the reshape that tells the program: it outlives them and draws again.
TEST_P(ProgramWindow, OutlivesASizeBeyondTheRenderer)
{
    const WindowSize largest = windowMaxSize(program.dpy, program.window), renderer = renderersLargestView();
    EXPECT_GT(renderer.width, 0);
    EXPECT_EQ(std::tie(largest.width, largest.height), std::tie(renderer.width, renderer.height));
    moveResizeWindow(program.dpy, program.window, 0, 0, renderer.width + 1, 300);
    sleepMs(100); // several ticks at that size
    const std::vector<pid_t> spinners = loadEveryCore(60);
    static const WindowSize storm[] = {{300, 1}, {1, 300}, {4000, 20}, {20, 1000}, {1, 1}, {1280, 2}};
    for (int i = 0; i < 50 && waitForExit(program.pid, 0) == -1; ++i) {
        moveResizeWindow(program.dpy, program.window, 0, 0, 32767, 32767);
        sleepMs(i % 20); // from before the next tick to after it
        for (const WindowSize &size : storm)
            moveResizeWindow(program.dpy, program.window, 0, 0, size.width, size.height);
        moveResizeWindow(program.dpy, program.window, 0, 0, 300, 300);
        sleepMs(i % 7);
    }
    for (const pid_t pid : spinners)
        killProgram(pid);
    ASSERT_EQ(waitForExit(program.pid, 0), -1) << "ended during the resizes";
    EXPECT_TRUE(redrawnAt(program, 300, 300, 400)) << "not drawn back at 300 x 300";
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, ProgramWindow, testing::ValuesIn(bothPrograms), programName);

// What a command line leads to: a window, or the toolkit's complaint on stderr.
struct Outcome {
    bool window;
    WindowGeometry geometry;
    std::string errors;
};

// Runs the line: a window a close ends with status 0, or at once a non-zero
// status and a message; never a signal, an X error or a hang.
static Outcome runSoundly(const ProgramCase &program, const std::string &shellPrefix,
                          const std::vector<std::string> &args)
{
    const std::string errors = runFolder() + program.name + ".err";
    std::vector<std::string> argv = {"/bin/sh", "-c", shellPrefix + R"(errors=$0; exec "$@" 2>"$errors")", errors,
                                     program.path};
    argv.insert(argv.end(), args.begin(), args.end());
    RunningProgram running = startProgram(testServer(), argv);
    Outcome outcome = {running.window != 0, {0, 0, 0, 0}, ""};
    if (outcome.window) {
        outcome.geometry = windowGeometry(running.dpy, running.window);
        const int status = closeAndWait(running);
        EXPECT_TRUE(endedWithStatus0(status)) << "status " << status;
    } else {
        const int status = running.exitStatus;
        EXPECT_TRUE(status != -1 && WIFEXITED(status) && WEXITSTATUS(status) != 0) << "status " << status;
    }
    stopProgram(running);
    outcome.errors = fileText(errors);
    EXPECT_EQ(outcome.errors.find("X Error"), std::string::npos) << outcome.errors;
    EXPECT_TRUE(outcome.window || !outcome.errors.empty()) << "ended without a message";
    return outcome;
}

static const int defaultPlace = -1; // where the toolkit puts a window given no position
static const std::string longArg(10000, '7');

// tarnwick's window for each line, or what it says as it exits; velmora
// ignores its arguments and fails only where the display does.
static const struct CommandLineCase {
    const char *shellPrefix; // run before the program, to change its environment
    std::vector<std::string> args;
    int width, height, x, y; // the window expected
    const char *complaint;   // else what the toolkit says before it exits; "" where either is sound
} cases[] = {
    {"", {"-geometry", "400x250+20+30"}, 400, 250, 20, 30, nullptr},
    // Numbers past an int are not wrapped as the toolkit wraps them, nor
    // places past X's 16 bits.
    {"", {"-geometry", "4294967297x4294967297"}, 1280, 1024, defaultPlace, defaultPlace, nullptr},
    {"", {"-geometry", "400x250+65600+65600"}, 400, 250, 880, 774, nullptr},
    {"", {"-geometry", "-300x-300"}, 0, 0, 0, 0, ""},
    // A negative offset measures to the window's far edge, with the size it gets.
    {"", {"-geometry", "2000x2000-0-0"}, 1280, 1024, 0, 0, nullptr},
    {"", {"-geometry", "400x250+20+30", "-geometry", "200x100"}, 200, 100, defaultPlace, defaultPlace, nullptr},
    {"", {"-geometry", longArg}, 0, 0, 0, 0, ""},
    {"", {longArg, "\xff\xfe", "-unknown", "--help"}, 300, 300, defaultPlace, defaultPlace, nullptr},
    {"", {"-iconic", "-sync", "-gldebug", "-direct"}, 0, 0, 0, 0, ""},
    // Xvfb, like Xorg since 1.17, refuses indirect GLX contexts.
    {"", {"-indirect"}, 0, 0, 0, 0, "refuses indirect rendering"},
    {"", {"-indirect", "-sync"}, 0, 0, 0, 0, "refuses indirect rendering"},
    {"", {"-sync", "-indirect"}, 0, 0, 0, 0, "refuses indirect rendering"},
    {"", {"-indirect", "-direct"}, 0, 0, 0, 0, "cannot be both specified"},
    {"", {"-display", "nowhere:0"}, 0, 0, 0, 0, "failed to open display"},
    {"", {"-display"}, 0, 0, 0, 0, "-display"},
    {"", {"-geometry"}, 0, 0, 0, 0, "-geometry"},
    {"unset DISPLAY; ", {}, 0, 0, 0, 0, "failed to open display"},
    {"DISPLAY=:99999; ", {}, 0, 0, 0, 0, "failed to open display"},
};

class ProgramCommandLine : public testing::TestWithParam<ProgramCase> {};

TEST_P(ProgramCommandLine, EveryLineEndsSoundlyAndOnlyTarnwickAppliesOptions)
{
    const bool tarnwick = GetParam().name == std::string("tarnwick");
    for (const CommandLineCase &c : cases) {
        SCOPED_TRACE(c.shellPrefix + (c.args.empty() ? "" : c.args[0] + " " + c.args.back().substr(0, 40)));
        const Outcome outcome = runSoundly(GetParam(), c.shellPrefix, c.args);
        const bool applies = tarnwick || *c.shellPrefix != '\0';
        if (applies && c.complaint != nullptr && *c.complaint != '\0') {
            EXPECT_FALSE(outcome.window);
            EXPECT_NE(outcome.errors.find(c.complaint), std::string::npos) << outcome.errors;
            EXPECT_EQ(std::count(outcome.errors.begin(), outcome.errors.end(), '\n'), 1) << outcome.errors;
        } else if (!applies || c.complaint == nullptr) {
            ASSERT_TRUE(outcome.window);
            const WindowGeometry &got = outcome.geometry;
            EXPECT_EQ(std::make_tuple(got.width, got.height, got.x, got.y),
                      applies ? std::make_tuple(c.width, c.height, c.x, c.y)
                              : std::make_tuple(300, 300, defaultPlace, defaultPlace));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, ProgramCommandLine, testing::ValuesIn(bothPrograms), programName);
