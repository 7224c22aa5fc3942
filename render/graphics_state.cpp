// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
#include "scene_renderer.h"
#include "scene_style.h"

// No light, light model, shading or colour-material settings: GL's defaults
// light the scene.
void initGraphicsState()
{
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_DEPTH_TEST);
    if (sceneStyle().backFaceCulling) {
        glEnable(GL_CULL_FACE);
        glCullFace(GL_BACK);
    }
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
}
