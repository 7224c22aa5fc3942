// The command line and the display: tarnwick hands its options to the toolkit,
// velmora ignores whatever it is given. A geometry without a full size keeps
// the 300 x 300 default; what the toolkit cannot act on ends the program with
// the toolkit's own message and a non-zero status, never a hang or a crash.
#include "program_session.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <fstream>
#include <sstream>

static const int defaultPlace = -9999; // where the toolkit puts a window given no position
static const ProgramCase &velmora = bothPrograms[0];
static const ProgramCase &tarnwick = bothPrograms[1];

static const struct CommandLineCase {
    const ProgramCase &program;
    const char *shellPrefix; // run before the program, to change its environment
    std::vector<std::string> args;
    int width, height, x, y; // the window expected
    const char *complaint;   // else what the toolkit says on stderr before it exits
} cases[] = {
    {tarnwick, "", {"-geometry", "400x250+20+30"}, 400, 250, 20, 30, nullptr},
    {tarnwick, "", {"-geometry", "+10+10"}, 300, 300, 10, 10, nullptr},
    {tarnwick, "", {"-geometry", "abc"}, 300, 300, defaultPlace, defaultPlace, nullptr},
    {tarnwick, "", {"-geometry", "400x"}, 300, 300, defaultPlace, defaultPlace, nullptr},
    {tarnwick, "", {"-geometry", "0x0"}, 300, 300, defaultPlace, defaultPlace, nullptr},
    {tarnwick, "", {"-unknown-option"}, 300, 300, defaultPlace, defaultPlace, nullptr},
    {tarnwick, "", {"-display", "nowhere:0"}, 0, 0, 0, 0, "failed to open display"},
    {tarnwick, "", {"-display"}, 0, 0, 0, 0, "-display"},
    {tarnwick, "", {"-geometry"}, 0, 0, 0, 0, "-geometry"},
    {tarnwick, "unset DISPLAY; ", {}, 0, 0, 0, 0, "failed to open display"},
    {tarnwick, "DISPLAY=:99999; ", {}, 0, 0, 0, 0, "failed to open display"},
    {velmora, "", {"-geometry", "400x250+20+30"}, 300, 300, defaultPlace, defaultPlace, nullptr},
    {velmora, "", {"-geometry", "+10+10"}, 300, 300, defaultPlace, defaultPlace, nullptr},
    {velmora, "", {"-geometry", "abc"}, 300, 300, defaultPlace, defaultPlace, nullptr},
    {velmora, "", {"-geometry", "400x"}, 300, 300, defaultPlace, defaultPlace, nullptr},
    {velmora, "", {"-geometry", "0x0"}, 300, 300, defaultPlace, defaultPlace, nullptr},
    {velmora, "", {"-display", "nowhere:0"}, 300, 300, defaultPlace, defaultPlace, nullptr},
    {velmora, "", {"-geometry"}, 300, 300, defaultPlace, defaultPlace, nullptr},
    {velmora, "", {"-iconic", "--help", "\xff\xfe"}, 300, 300, defaultPlace, defaultPlace, nullptr},
    {velmora, "unset DISPLAY; ", {}, 0, 0, 0, 0, "failed to open display"},
    {velmora, "DISPLAY=:99999; ", {}, 0, 0, 0, 0, "failed to open display"},
};

static std::string contents(const std::string &path)
{
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

static WindowGeometry placeWithoutOptions()
{
    RunningProgram plain = startProgram(testServer(), {velmora.path});
    const WindowGeometry geometry = plain.window != 0 ? windowGeometry(plain.dpy, plain.window) : WindowGeometry{};
    stopProgram(plain);
    return geometry;
}

TEST(ProgramCommandLine, ToolkitOptionsApplyToTarnwickOnly)
{
    const WindowGeometry plain = placeWithoutOptions();
    const std::string errors = testing::TempDir() + "command_line.err";
    for (const CommandLineCase &c : cases) {
        std::string shown = std::string(c.shellPrefix) + c.program.name;
        for (const std::string &arg : c.args)
            shown += " " + arg;
        SCOPED_TRACE(shown);
        // Through a shell that records the program's stderr.
        std::vector<std::string> argv = {"/bin/sh", "-c", std::string(c.shellPrefix) + R"(exec "$0" "$@" 2>)" + errors,
                                         c.program.path};
        argv.insert(argv.end(), c.args.begin(), c.args.end());

        if (c.complaint != nullptr) {
            const pid_t pid = launchProgram(testServer(), argv);
            const int status = waitForExit(pid, 10000);
            killProgram(pid);
            ASSERT_NE(status, -1) << "still running";
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 0) << "status " << status;
            EXPECT_NE(contents(errors).find(c.complaint), std::string::npos) << contents(errors);
            continue;
        }
        RunningProgram program = startProgram(testServer(), argv);
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
