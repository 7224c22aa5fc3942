// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
#include "scene_renderer.h"

#include <GL/freeglut.h>

// Lighting is on whenever text is drawn, so the raster position takes its
// colour from the light and the current material (the bob's, set after the
// text, so the frame before's), not from the red set here, which changes
// nothing on screen: the call stays as part of the overlay's fixed sequence
// of calls, which the trace test checks.
void drawText(float x, float y, const char *text)
{
    glColor3f(1.0f, 0.0f, 0.0f);
    glRasterPos3f(x, y, -1.0f);
    for (const char *c = text; *c != '\0'; ++c)
        glutBitmapCharacter(GLUT_BITMAP_HELVETICA_18, static_cast<int>(static_cast<signed char>(*c)));
}
