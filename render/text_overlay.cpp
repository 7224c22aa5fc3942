// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
#include "scene_renderer.h"

#include <GL/freeglut.h>

// With lighting on, the raster colour comes from the material, not from this
// colour; it is set all the same so the text is red wherever lighting is off.
void drawText(float x, float y, const char *text)
{
    glColor3f(1.0f, 0.0f, 0.0f);
    glRasterPos3f(x, y, -1.0f);
    for (const char *c = text; *c != '\0'; ++c)
        glutBitmapCharacter(GLUT_BITMAP_HELVETICA_18, static_cast<int>(static_cast<signed char>(*c)));
}
