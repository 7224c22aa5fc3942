// reshapeView with a real GL context: viewport, the camera in the projection
// matrix, a finite aspect ratio at height 0, and a frame drawn at once.
#include "scene_renderer.h"
#include "x_harness.h"

#include <gtest/gtest.h>

#include <GL/freeglut.h>

#include <cmath>
#include <cstdlib>

static XServer server;

class ReshapeView : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(startXServer(server));
        setenv("DISPLAY", server.display.c_str(), 1);
        setenv("LIBGL_ALWAYS_SOFTWARE", "1", 1);
        char name[] = "render_reshape_test";
        char *argv[] = {name, nullptr};
        int argc = 1;
        glutInit(&argc, argv);
        glutCreateWindow("reshape");
        initGraphicsState();
    }
    static void TearDownTestSuite()
    {
        glutExit(); // closes the connection before the server goes
        stopXServer(server);
    }
};

// perspective(30 degrees, aspect, 1, 100) times a camera at (0, 0.5, 3) looking
// down -z, column-major.
static void expectedProjection(double aspect, double m[16])
{
    const double f = 1.0 / std::tan(15.0 * 3.14159265358979323846 / 180.0);
    const double depth = -101.0 / 99.0, offset = -200.0 / 99.0;
    const double expected[16] = {f / aspect, 0, 0, 0, 0, f, 0, 0, 0, 0, depth, -1, 0, -0.5 * f, -3.0 * depth + offset,
                                 3.0};
    for (int i = 0; i < 16; ++i)
        m[i] = expected[i];
}

TEST_F(ReshapeView, SetsViewportProjectionAndCameraThenDraws)
{
    static const struct {
        int width, height;
        double aspect;
    } cases[] = {
        {300, 300, 1.0}, {600, 300, 2.0},   {300, 600, 0.5},
        {1, 1, 1.0},     {2000, 1, 2000.0}, {300, 0, 300.0}, // height 0 divides by 1, not by 0
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        initGraphicsState();

        reshapeView(c.width, c.height);

        GLint viewport[4];
        glGetIntegerv(GL_VIEWPORT, viewport);
        EXPECT_EQ(viewport[0], 0);
        EXPECT_EQ(viewport[1], 0);
        EXPECT_EQ(viewport[2], c.width);
        EXPECT_EQ(viewport[3], c.height);

        GLint mode = 0;
        glGetIntegerv(GL_MATRIX_MODE, &mode);
        EXPECT_EQ(mode, GL_MODELVIEW);

        GLdouble projection[16], expected[16];
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        expectedProjection(c.aspect, expected);
        for (int i = 0; i < 16; ++i) {
            ASSERT_TRUE(std::isfinite(projection[i])) << "element " << i;
            EXPECT_NEAR(projection[i], expected[i], 1e-5 * std::fabs(expected[i]) + 1e-6) << "element " << i;
        }

        // The reshape drew a frame: the corner shows the white clear colour.
        if (c.width >= 4 && c.height >= 4) {
            GLubyte corner[4] = {0, 0, 0, 0};
            glReadPixels(1, 1, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, corner);
            EXPECT_EQ(corner[0], 255);
            EXPECT_EQ(corner[1], 255);
            EXPECT_EQ(corner[2], 255);
        }
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
