// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
#include "scene_style.h"

#include "scene_renderer.h"

static SceneStyle style = {GL_DIFFUSE, false, FramePresentation::flush}; // replaced at start-up

void useSceneStyle(const SceneStyle &chosen)
{
    style = chosen;
}

const SceneStyle &sceneStyle()
{
    return style;
}
