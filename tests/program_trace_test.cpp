// The GL calls of both programs as apitrace records them: one-time state,
// projection and camera on every reshape, and every frame's material, angle,
// time text and presentation, against the model stepped alongside.
#include "pendulum_model.h"
#include "program_session.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

struct Call {
    std::string name, args;
};

// Our calls from the dump, without the toolkit's GLX traffic and apitrace's
// fake calls.
static std::vector<Call> dumpCalls(const std::string &tracePath)
{
    std::vector<Call> calls;
    FILE *dump = popen( // NOLINT(cert-env33-c): runs apitrace on a file of our own
        ("apitrace dump --color=never " + tracePath).c_str(), "r");
    if (dump == nullptr)
        return calls;
    char line[8192];
    while (std::fgets(line, sizeof line, dump) != nullptr) {
        const std::string text(line);
        const size_t space = text.find(' '), paren = text.find('(');
        if (text.empty() || std::isdigit(static_cast<unsigned char>(text[0])) == 0 || paren == std::string::npos ||
            text.find("// fake") != std::string::npos)
            continue;
        Call call = {text.substr(space + 1, paren - space - 1), text.substr(paren + 1, text.rfind(')') - paren - 1)};
        if (call.name.rfind("glX", 0) != 0 || call.name == "glXSwapBuffers")
            calls.push_back(call);
    }
    pclose(dump);
    return calls;
}

static double argument(const Call &call, const char *name)
{
    const size_t at = call.args.find(std::string(name) + " = ");
    return at == std::string::npos ? NAN : std::strtod(call.args.c_str() + at + std::strlen(name) + 3, nullptr);
}

static const struct TraceCase {
    const ProgramCase &program;
    std::vector<std::string> setup; // the calls before the first reshape
    const char *material;
    const char *presentCall, *absentCall;
} cases[] = {
    {bothPrograms[0],
     {"glClearColor(red = 1, green = 1, blue = 1, alpha = 1)", "glEnable(cap = GL_DEPTH_TEST)",
      "glEnable(cap = GL_LIGHTING)", "glEnable(cap = GL_LIGHT0)"},
     "face = GL_FRONT_AND_BACK, pname = GL_DIFFUSE, params = {1, 0, 0, 0}",
     "glFlush",
     "glXSwapBuffers"},
    {bothPrograms[1],
     {"glClearColor(red = 1, green = 1, blue = 1, alpha = 1)", "glEnable(cap = GL_DEPTH_TEST)",
      "glEnable(cap = GL_CULL_FACE)", "glCullFace(mode = GL_BACK)", "glEnable(cap = GL_LIGHTING)",
      "glEnable(cap = GL_LIGHT0)"},
     "face = GL_FRONT_AND_BACK, pname = GL_AMBIENT_AND_DIFFUSE, params = {1, 0, 0, 0}",
     "glXSwapBuffers",
     nullptr},
};

struct ModelStep { // the members are read through modelSteps, which cppcheck misses
    // cppcheck-suppress unusedStructMember
    double angleDeg;
    // cppcheck-suppress unusedStructMember
    std::string timeText;
};

inline void PrintTo(const TraceCase &c, std::ostream *out)
{
    *out << c.program.name;
}

class ProgramTrace : public testing::TestWithParam<TraceCase> {
protected:
    // The model's one state serves both programs' runs: record its steps once.
    static void SetUpTestSuite()
    {
        modelSteps.push_back({pendulumState().angleDeg, pendulumState().timeText});
        for (int step = 1; step <= 5000; ++step) {
            stepSimulation();
            modelSteps.push_back({pendulumState().angleDeg, pendulumState().timeText});
        }
    }
    static std::vector<ModelStep> modelSteps; // index: steps taken

    // Runs the program under apitrace for a moment, resized once, then closed.
    static std::vector<Call> traceRun(const ProgramCase &program)
    {
        const std::string path = testing::TempDir() + program.name + ".trace";
        std::remove(path.c_str());
        RunningProgram running =
            startProgram(testServer(), {"apitrace", "trace", "--api", "gl", "--output", path, program.path});
        EXPECT_NE(running.window, 0u);
        if (running.window != 0) {
            sleepMs(400);
            moveResizeWindow(running.dpy, running.window, 0, 0, 400, 200);
            sleepMs(200);
            EXPECT_NE(closeAndWait(running), -1);
        }
        stopProgram(running);
        return dumpCalls(path);
    }
};

TEST_P(ProgramTrace, CallsMatchTheProfileAndTheModelFrameByFrame)
{
    const TraceCase &c = GetParam();
    const std::vector<Call> calls = traceRun(c.program);
    ASSERT_GT(calls.size(), 100u);

    size_t i = 0;
    std::vector<std::string> setup;
    for (; i < calls.size() && calls[i].name != "glViewport"; ++i)
        if (calls[i].name != "glDrawBuffer" && calls[i].name != "glReadBuffer") // the toolkit's own
            setup.push_back(calls[i].name + "(" + calls[i].args + ")");
    EXPECT_EQ(setup, c.setup);

    int frames = 0, reshapes = 0;
    size_t step = 0;
    for (; i < calls.size(); ++i) {
        const Call &call = calls[i];
        if (call.name == "glViewport") {
            // Projection, then the camera onto the projection matrix, then a frame at once.
            ++reshapes;
            ASSERT_LT(i + 7, calls.size());
            const double width = argument(call, "width"), height = std::max(argument(call, "height"), 1.0);
            EXPECT_EQ(calls[i + 1].args, "mode = GL_PROJECTION");
            EXPECT_EQ(calls[i + 2].name, "glLoadIdentity");
            EXPECT_EQ(calls[i + 3].name, "glMultMatrixd");
            const double f = 1.0 / std::tan(15.0 * M_PI / 180.0);
            EXPECT_NEAR(std::strtod(calls[i + 3].args.c_str() + 5, nullptr), f / (width / height), 1e-9) << call.args;
            EXPECT_EQ(calls[i + 4].name, "glMultMatrixf");
            EXPECT_EQ(calls[i + 5].name + "(" + calls[i + 5].args + ")", "glTranslated(x = -0, y = -0.5, z = -3)");
            EXPECT_EQ(calls[i + 6].args, "mode = GL_MODELVIEW");
            EXPECT_EQ(calls[i + 7].name, "glClear");
        }
        if (call.name != "glClear")
            continue;

        // One frame: up to the next glClear or reshape.
        ++frames;
        size_t end = i + 1;
        while (end < calls.size() && calls[end].name != "glClear" && calls[end].name != "glViewport")
            ++end;
        int presents = 0, absents = 0, textBitmaps = -1, rasterPositions = 0;
        double angle = NAN;
        bool material = false;
        for (size_t j = i; j < end; ++j) {
            const Call &inFrame = calls[j];
            presents += static_cast<int>(inFrame.name == c.presentCall);
            absents += static_cast<int>(c.absentCall != nullptr && inFrame.name == c.absentCall);
            rasterPositions += static_cast<int>(inFrame.name == "glRasterPos3f");
            if (rasterPositions == 3 && inFrame.name == "glBitmap")
                ++textBitmaps;
            if (inFrame.name == "glRasterPos3f" && rasterPositions == 3)
                textBitmaps = 0;
            if (inFrame.name == "glMaterialfv")
                material = inFrame.args == c.material;
            if (inFrame.name == "glRotated")
                angle = argument(inFrame, "angle");
        }
        SCOPED_TRACE("frame " + std::to_string(frames));
        EXPECT_EQ(presents, 1);
        EXPECT_EQ(absents, 0);
        EXPECT_TRUE(material);

        // Each frame shows the state after the ticks so far: the same step as
        // the frame before, or the next one, never a skipped step.
        if (std::fabs(angle - modelSteps[step].angleDeg) > 1e-12 && step + 1 < modelSteps.size())
            ++step;
        ASSERT_NEAR(angle, modelSteps[step].angleDeg, 1e-12) << "after step " << step;
        EXPECT_EQ(textBitmaps, static_cast<int>(modelSteps[step].timeText.size())) << modelSteps[step].timeText;
        i = end - 1;
    }
    EXPECT_EQ(reshapes, 2);
    EXPECT_GT(step, 10u);
    EXPECT_GE(static_cast<size_t>(frames), step);
}

std::vector<ModelStep> ProgramTrace::modelSteps;

INSTANTIATE_TEST_SUITE_P(BothPrograms, ProgramTrace, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<TraceCase> &info) { return info.param.program.name; });
