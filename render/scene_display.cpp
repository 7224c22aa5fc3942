// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
#include "drawable_size.h"
#include "scene_renderer.h"
#include "scene_style.h"
#include "view_limit.h"

#include "pendulum_model.h"

#include <GL/freeglut.h>

static const GLfloat bobColour[4] = {1.0f, 0.0f, 0.0f, 0.0f}; // material of rod and bob, RGBA

// The camera lives in the projection matrix, so the modelview matrix starts
// each frame as identity and the overlay sits on the world plane z = -1.
void displayScene()
{
    const double L = SimulationConstants::rodLength;
    const PendulumState &pendulum = pendulumState();
    if (!holdFrameSize())
        return; // the window's buffer may not hold a frame: neither drawn nor presented

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    releaseDrawableSize(); // the renderer has sized the frame's buffer
    glLoadIdentity();

    drawText(-0.8f, 0.8f, "OpenGL");
    drawText(-0.9f, 0.7f, "t=");
    drawText(-0.8f, 0.7f, pendulum.timeText);

    glMaterialfv(GL_FRONT_AND_BACK, sceneStyle().materialParameter, bobColour);

    // Rotate about the pivot at (0, L, 0); the bob hangs at the origin.
    glTranslated(0.0, L, 0.0);
    glRotated(pendulum.angleDeg, 0.0, 0.0, 1.0);
    glTranslated(0.0, -L, 0.0);

    glBegin(GL_LINES);
    glVertex3d(0.0, L, 0.0);
    glVertex3d(0.0, 0.0, 0.0);
    glEnd();

    glutSolidSphere(L / 10.0, 30, 30);

    if (sceneStyle().presentation == FramePresentation::swapBuffers)
        glutSwapBuffers();
    else
        glFlush();
}
