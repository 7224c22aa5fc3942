// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// Every GL, GLU and GLUT call both programs make, as the call recorder sees
// them, against their profile and the model, event by event.
#include "call_record.h"
#include "pendulum_model.h"
#include "program_session.h"
#include "x_harness.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

// Each program's row; the start-up and the run add the rest.
static const struct TraceCase {
    const ProgramCase &program;
    const char *toolkitOptions; // what glutInit is handed of "-geometry 400x250+20+30"
    const char *displayMode, *culling, *material, *present, *timerMs;
    int width, height; // the first reshape
} cases[] = {
    {bothPrograms[0], "", "", "", "GL_DIFFUSE", "glFlush()", "20", 300, 300},
    {bothPrograms[1], R"("-geometry", "400x250+20+30")", "glutInitDisplayMode(18)",
     "glEnable(GL_CULL_FACE)\nglCullFace(GL_BACK)", "GL_AMBIENT_AND_DIFFUSE", "glutSwapBuffers()", "10", 400, 250},
};

static void PrintTo(const TraceCase &c, std::ostream *out)
{
    *out << c.program.name;
}

// In order; a {field} is filled in per program, frame or reshape, and one
// left empty drops its line.
// clang-format off
static const char *const startupCalls[] = {
    "glutInitWindowSize(300, 300)", "glutInit({{options}})", "{mode}", R"(glutCreateWindow("Velmora"))",
    "glutDisplayFunc(f1)", "glutReshapeFunc(f2)", "glutTimerFunc(0, f3, 0)", "glClearColor(1, 1, 1, 1)",
    "glEnable(GL_DEPTH_TEST)", "{culling}", "glEnable(GL_LIGHTING)", "glEnable(GL_LIGHT0)",
    "glGetIntegerv(GL_MAX_VIEWPORT_DIMS)", "glutMainLoop()",
};
static const char *const timerCalls[] = {"glutPostRedisplay()", "glutTimerFunc({period}, f3, 0)"};
static const char *const reshapeCalls[] = {
    "glViewport(0, 0, {width}, {height})", "glMatrixMode(GL_PROJECTION)", "glLoadIdentity()",
    "gluPerspective(30, {aspect}, 1, 100)", "gluLookAt(0, 0.5, 3, 0, 0.5, 0, 0, 1, 0)", "glMatrixMode(GL_MODELVIEW)",
};
static const char *const frameCalls[] = {
    "glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT)", "glLoadIdentity()",
    "glColor3f(1, 0, 0)", "glRasterPos3f(-0.8, 0.8, -1)", "{text OpenGL}",
    "glColor3f(1, 0, 0)", "glRasterPos3f(-0.9, 0.7, -1)", "{text t=}",
    "glColor3f(1, 0, 0)", "glRasterPos3f(-0.8, 0.7, -1)", "{text {time}}",
    "glMaterialfv(GL_FRONT_AND_BACK, {material}, {1, 0, 0, 0})",
    "glTranslated(0, 1, 0)", "glRotated({angle}, 0, 0, 1)", "glTranslated(0, -1, 0)",
    "glBegin(GL_LINES)", "glVertex3d(0, 1, 0)", "glVertex3d(0, 0, 0)", "glEnd()",
    "glutSolidSphere(0.1, 30, 30)", "{present}",
};
// clang-format on

// Each part of a run: a dozen ticks, far longer under qemu-user.
#ifndef TRACE_RUN_MS
#define TRACE_RUN_MS 300
#endif

using Fields = std::vector<std::pair<std::string, std::string>>;

template <size_t N> static std::string fill(const char *const (&lines)[N], const Fields &fields)
{
    std::string calls;
    for (const char *line : lines) {
        std::string text = line;
        for (const auto &field : fields)
            for (size_t at = text.find(field.first); at != std::string::npos; at = text.find(field.first))
                text.replace(at, field.first.size(), field.second);
        if (text.rfind("{text ", 0) == 0) {
            for (const char c : text.substr(6, text.size() - 7))
                calls += "glutBitmapCharacter(GLUT_BITMAP_HELVETICA_18, " + std::to_string(c) + ")\n";
        } else if (!text.empty()) {
            calls += text + "\n";
        }
    }
    return calls;
}

class ProgramTrace : public testing::TestWithParam<TraceCase> {
protected:
    static void SetUpTestSuite()
    {
        for (int step = 0; step <= 5000; ++step, stepSimulation())
            modelSteps.emplace_back(shortestText(pendulumState().angleDeg), pendulumState().timeText);
    }
    static std::vector<std::pair<std::string, std::string>> modelSteps; // angle and time text after each step
};
std::vector<std::pair<std::string, std::string>> ProgramTrace::modelSteps;

TEST_P(ProgramTrace, EveryCallOfARunMatchesTheProfileAndTheModel)
{
    const TraceCase &c = GetParam();
    const std::string record = runFolder() + c.program.name + ".calls";
    // ld.so splits LD_PRELOAD at spaces and colons: the recorder goes by its bare name.
    const char *const inherited = std::getenv("LD_LIBRARY_PATH");
    const std::string libraryPath = CALL_RECORDER_DIR + (inherited != nullptr ? ":" + std::string(inherited) : "");
    RunningProgram running =
        startProgram(testServer(), {c.program.path, "-geometry", "400x250+20+30"},
                     {"LD_PRELOAD=" CALL_RECORDER_NAME, "LD_LIBRARY_PATH=" + libraryPath, "CALL_RECORD=" + record});
    ASSERT_NE(running.window, 0u);
    sleepMs(TRACE_RUN_MS);
    moveResizeWindow(running.dpy, running.window, 0, 0, 500, 200);
    sleepMs(TRACE_RUN_MS);
    EXPECT_NE(closeAndWait(running), -1);
    stopProgram(running);

    std::istringstream in(fileText(record));
    ASSERT_FALSE(in.str().empty()) << "the call recorder wrote no record to " << record << ": was it preloaded?";
    std::vector<std::pair<std::string, std::string>> events = {{"start-up", ""}};
    for (std::string line; std::getline(in, line);)
        if (line.rfind("> ", 0) == 0)
            events.emplace_back(line.substr(2), "");
        else
            events.back().second += line + "\n";

    const Fields program = {{"{options}", c.toolkitOptions}, {"{mode}", c.displayMode}, {"{culling}", c.culling},
                            {"{material}", c.material},      {"{present}", c.present},  {"{period}", c.timerMs}};
    ASSERT_EQ(events[0].second, fill(startupCalls, program));
    size_t ticks = 0;
    std::vector<std::string> reshapes; // the toolkit reshapes a new window before it first displays it
    for (size_t i = 1; i < events.size(); ++i) {
        const std::string &event = events[i].first;
        std::string expected;
        if (event == "timer(0)") {
            expected = fill(timerCalls, program);
            ++ticks;
        } else if (event.rfind("reshape(", 0) == 0) {
            char *comma = nullptr;
            const long width = std::strtol(event.c_str() + 8, &comma, 10), height = std::strtol(comma + 1, nullptr, 10);
            const std::string aspect = shortestText(static_cast<double>(width) / static_cast<double>(height));
            Fields reshape = program;
            reshape.insert(
                reshape.end(),
                {{"{width}", std::to_string(width)}, {"{height}", std::to_string(height)}, {"{aspect}", aspect}});
            expected = fill(reshapeCalls, reshape);
            reshapes.push_back(event);
        } else {
            ASSERT_EQ(event, "display()");
            ASSERT_FALSE(reshapes.empty()) << "displayed before the first reshape";
        }
        if (event != "timer(0)") {
            ASSERT_LT(ticks, modelSteps.size());
            Fields frame = program;
            frame.insert(frame.end(), {{"{angle}", modelSteps[ticks].first}, {"{time}", modelSteps[ticks].second}});
            expected += fill(frameCalls, frame);
        }
        ASSERT_EQ(events[i].second, expected) << "event " << i << ": " << event << " after " << ticks << " ticks";
    }
    const std::string first = "reshape(" + std::to_string(c.width) + ", " + std::to_string(c.height) + ")";
    EXPECT_EQ(reshapes, std::vector<std::string>({first, "reshape(500, 200)"}));
    EXPECT_GT(ticks, 10u);
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, ProgramTrace, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<TraceCase> &info) { return info.param.program.name; });
