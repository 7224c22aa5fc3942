// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
#include "scene_renderer.h"
#include "view_limit.h"

#include "pendulum_model.h"

#include <GL/glu.h>

void reshapeView(int width, int height)
{
    const double L = SimulationConstants::rodLength;
    // A window can be reshaped to height 0; keep the aspect ratio finite.
    const int aspectHeight = height < 1 ? 1 : height;
    if (!noteViewSize(width, height))
        return; // nothing is drawn until a reshape within the limit sets the view again

    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(30.0, static_cast<double>(width) / static_cast<double>(aspectHeight), 1.0, 100.0);
    // The camera goes onto the projection matrix: displayScene resets the modelview.
    gluLookAt(0.0, L / 2.0, 3.0, 0.0, L / 2.0, 0.0, 0.0, 1.0, 0.0);
    glMatrixMode(GL_MODELVIEW);

    displayScene();
}
