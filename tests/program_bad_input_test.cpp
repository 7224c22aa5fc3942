// Bad input from the command line and the environment: the toolkit's own
// handling for tarnwick, nothing at all for velmora, never a hang or a crash.
#include "program_session.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <fstream>
#include <sstream>

static const char *const ignoredByVelmora[][2] = {
    {"-display", "nowhere:0"}, {"-geometry", nullptr}, {"-iconic", "--help"}, {"\xff\xfe", "-gldebug"}};

static const struct ToolkitCase {
    std::vector<std::string> args;
    bool opensWindow;      // else the toolkit reports the error and exits non-zero
    const char *complaint; // what it says on stderr when it exits
} tarnwickCases[] = {
    {{"-geometry", "garbage"}, true, nullptr},
    {{"-unknown-option"}, true, nullptr},
    {{"-display", "nowhere:0"}, false, "failed to open display"},
    {{"-display"}, false, "-display"},
    {{"-geometry"}, false, "-geometry"},
};

// The program run through a shell that records its stderr.
static std::vector<std::string> recorded(const std::string &prefix, const std::string &path,
                                         const std::vector<std::string> &args, const std::string &stderrPath)
{
    std::vector<std::string> argv = {"/bin/sh", "-c", prefix + "exec \"$0\" \"$@\" 2>" + stderrPath, path};
    argv.insert(argv.end(), args.begin(), args.end());
    return argv;
}

static std::string contents(const std::string &path)
{
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

static void expectToolkitError(const std::vector<std::string> &argv, const std::string &stderrPath,
                               const char *complaint)
{
    const pid_t pid = launchProgram(testServer(), argv);
    const int status = waitForExit(pid, 10000);
    killProgram(pid);
    ASSERT_NE(status, -1) << "still running";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 0) << "status " << status;
    EXPECT_NE(contents(stderrPath).find(complaint), std::string::npos) << contents(stderrPath);
}

TEST(ProgramBadInput, NoDisplayIsTheToolkitsErrorForBothPrograms)
{
    const std::string errors = testing::TempDir() + "no_display.err";
    for (const ProgramCase &c : bothPrograms)
        for (const char *prefix : {"unset DISPLAY; ", "DISPLAY=:99999; "}) {
            SCOPED_TRACE(std::string(c.name) + " with " + prefix);
            expectToolkitError(recorded(prefix, c.path, {}, errors), errors, "failed to open display");
        }
}

TEST(ProgramBadInput, TarnwickLeavesMalformedOptionsToTheToolkit)
{
    const std::string errors = testing::TempDir() + "tarnwick.err";
    for (const ToolkitCase &c : tarnwickCases) {
        SCOPED_TRACE("tarnwick " + c.args[0] + (c.args.size() > 1 ? " " + c.args[1] : ""));
        const std::vector<std::string> argv = recorded("", bothPrograms[1].path, c.args, errors);
        if (c.opensWindow) {
            RunningProgram program = startProgram(testServer(), argv);
            ASSERT_NE(program.window, 0u);
            EXPECT_TRUE(timeTextAdvances(program));
            stopProgram(program);
        } else {
            expectToolkitError(argv, errors, c.complaint);
        }
    }
}

TEST(ProgramBadInput, VelmoraIgnoresItsCommandLine)
{
    for (const auto &args : ignoredByVelmora) {
        std::vector<std::string> argv = {bothPrograms[0].path, args[0]};
        if (args[1] != nullptr)
            argv.emplace_back(args[1]);
        SCOPED_TRACE(std::string("velmora ") + args[0]);
        RunningProgram program = startProgram(testServer(), argv);
        ASSERT_NE(program.window, 0u);
        const WindowGeometry geometry = windowGeometry(program.dpy, program.window);
        EXPECT_EQ(geometry.width, 300);
        EXPECT_EQ(geometry.height, 300);
        EXPECT_TRUE(timeTextAdvances(program));
        stopProgram(program);
    }
}
