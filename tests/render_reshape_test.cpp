// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// reshapeView at height 0 and past the renderer's largest view, and a frame
// after a resize past it that the reshape callback has not seen.
#include "scene_renderer.h"
#include "x_harness.h"

#include <gtest/gtest.h>

#include <GL/freeglut.h>

#include <cmath>
#include <cstdlib>

// Last: Xlib's macros (None, Bool) clash with the test framework's names.
#include "glx_window.h"

TEST(ReshapeView, HeightZeroKeepsTheProjectionFiniteAndASizeTooLargeIsNotDrawn)
{
    XServer server;
    ASSERT_TRUE(startXServer(server));
    setenv("DISPLAY", server.display.c_str(), 1);
    char name[] = "render_reshape_test";
    char *argv[] = {name, nullptr};
    int argc = 1;
    glutInit(&argc, argv);
    glutCreateWindow("reshape");
    initGraphicsState();

    reshapeView(300, 0);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[3], 0);
    GLdouble projection[16];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    // Finite, the aspect 300 / 1 in the first column, cot(15 degrees) / aspect.
    EXPECT_NEAR(projection[0], 1.0 / std::tan(15.0 * M_PI / 180.0) / 300.0, 1e-9);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    // Past the largest view nothing is set or drawn; back within it, all is.
    const ViewSize largest = largestView();
    ASSERT_GT(largest.width, 0);
    reshapeView(largest.width + 1, 300);
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 300);
    reshapeView(200, 100);
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 200);
    EXPECT_EQ(viewport[3], 100);

    // Drawn at that size, llvmpipe writes past its tiles: the frame is not drawn.
    Display *display = nullptr;
    GLXDrawable window = 0;
    ASSERT_TRUE(currentGlxWindow(display, window));
    XResizeWindow(display, window, 32767, 32767);
    XSync(display, False);
    displayScene();
    glFinish();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    glutExit(); // closes the connection before the server goes
    stopXServer(server);
}
